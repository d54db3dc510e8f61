// SPDX-License-Identifier: MIT
// Rock salt (with its screw axis), caesium chloride, alpha and gamma iron and
// copper, read back in the model frame.
#include "frame/frame.h"
#include "scenes/structures/structures.h"
#include "tests/structures_cubic/scene_check.h"
#include "tests/support/vector_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vestrel::test {
namespace {

using namespace structures;


// Rock salt ---------------------------------------------------------------

TEST(RockSalt, TwoStackedCellsCentredOnTheOrigin)
{
    const auto balls = Balls(RunScene(DrawRockSalt, Options(false)));
    ASSERT_EQ(balls.size(), 54u);
    // Atom centres span model y from -40 to 40, on a grid of spacing 20.
    std::vector<Vec3> expected;
    for (int x = -20; x <= 20; x += 20)
        for (int y = -40; y <= 40; y += 20)
            for (int z = -20; z <= 20; z += 20)
                expected.push_back({double(x), double(y), double(z)});
    EXPECT_TRUE(SamePlaces(Distinct(AllPlaces(balls)), expected));

    const std::vector<Vec3> first = AllPlaces(std::vector<Ball>(balls.begin(), balls.begin() + 27));
    const std::vector<Vec3> second = AllPlaces(std::vector<Ball>(balls.begin() + 27, balls.end()));
    EXPECT_TRUE(Near(Centroid(first), {0, -20, 0}));
    EXPECT_TRUE(Near(Centroid(second), {0, 20, 0}));
    // The plane between the cells belongs to both: its nine places twice.
    int shared = 0;
    for (const Ball& b : balls)
        shared += std::abs(b.at.y) < 1e-6 ? 1 : 0;
    EXPECT_EQ(shared, 18);
}

TEST(RockSalt, SodiumAndChlorineAlternate)
{
    const auto balls = Balls(RunScene(DrawRockSalt, Options(true)));
    const auto na = PlacesOf(balls, kNa);
    const auto cl = PlacesOf(balls, kCl);
    EXPECT_EQ(na.size(), 26u);
    EXPECT_EQ(cl.size(), 28u);
    EXPECT_EQ(na.size() + cl.size(), balls.size());
    // Each cell: Na at its centre, Cl at its corners.
    for (const Vec3& centre : {Vec3{0, -20, 0}, Vec3{0, 20, 0}}) {
        EXPECT_TRUE(Contains(na, centre));
        for (const Vec3& corner : CubeCorners(20, centre))
            EXPECT_TRUE(Contains(cl, corner));
    }
    // Nearest neighbours (20 apart) are always of the other element; a
    // place drawn twice keeps its element.
    for (const Vec3& p : na) {
        EXPECT_FALSE(Contains(cl, p));
        EXPECT_TRUE(NeighboursAt(na, p, 20).empty());
        EXPECT_FALSE(NeighboursAt(cl, p, 20).empty());
    }
    for (const Vec3& p : cl)
        EXPECT_TRUE(NeighboursAt(cl, p, 20).empty());
    EXPECT_NEAR(NearestDistance(AllPlaces(balls)), 20, 1e-6);
}

TEST(RockSalt, GridOfTwoCells)
{
    const auto lines = Lines(RunScene(DrawRockSalt, Options(true)));
    ASSERT_EQ(lines.size(), 54u);
    for (const Line& l : lines) {
        EXPECT_NEAR(distance(l.a, l.b), 40, 1e-6);
        const Vec3 d = l.b - l.a;
        const int alongAxes = (std::abs(d.x) > 1e-6) + (std::abs(d.y) > 1e-6) + (std::abs(d.z) > 1e-6);
        EXPECT_EQ(alongAxes, 1) << "grid lines run along the axes";
    }
    // The six lines of the shared plane are drawn by both cells.
    EXPECT_EQ(DistinctLines(lines).size(), 48u);
}

// The screw-axis primitive: the axis, then four helix steps.
struct RockSaltScrew {
    Line axis;
    std::vector<Line> helix;
};

RockSaltScrew ScrewOf(const RecordingDraw& gl)
{
    RockSaltScrew s;
    const RecordedPrimitive& p = gl.primitives.front();
    EXPECT_EQ(p.vertices.size(), 10u) << "axis and helix in one batch";
    if (p.vertices.size() != 10)
        return s;
    s.axis = {p.vertices[0].position, p.vertices[1].position, p.vertices[0].colour};
    for (std::size_t i = 2; i < 10; i += 2)
        s.helix.push_back({p.vertices[i].position, p.vertices[i + 1].position, p.vertices[i].colour});
    return s;
}

double DistanceToAxis(const Vec3& p, const Line& axis)
{
    const Vec3 d = axis.b - axis.a;
    const Vec3 ap = p - axis.a;
    return length(ap - d * (dot(ap, d) / dot(d, d)));
}

TEST(RockSalt, ScrewAxisIsAFourfoldScrewThroughChlorine)
{
    const RecordingDraw gl = RunScene(DrawRockSalt, Options(false, true));
    EXPECT_EQ(gl.lineSegments().size(), 5u);
    const RockSaltScrew s = ScrewOf(gl);
    ASSERT_EQ(s.helix.size(), 4u);
    // Vertical in the model frame.
    EXPECT_NEAR(s.axis.a.x, s.axis.b.x, 1e-6);
    EXPECT_NEAR(s.axis.a.z, s.axis.b.z, 1e-6);
    EXPECT_GT(distance(s.axis.a, s.axis.b), 80);

    const auto cl = PlacesOf(Balls(gl), kCl);
    const Vec3 onAxis{s.axis.a.x, 0, s.axis.a.z};
    for (std::size_t i = 0; i < s.helix.size(); ++i) {
        const Line& h = s.helix[i];
        if (i + 1 < s.helix.size()) {
            EXPECT_TRUE(Near(h.b, s.helix[i + 1].a)) << "the helix is one chain";
        }
        EXPECT_TRUE(Contains(cl, h.a));
        EXPECT_TRUE(Contains(cl, h.b));
        EXPECT_NEAR(DistanceToAxis(h.a, s.axis), 10 * std::sqrt(2.0), 1e-4);
        EXPECT_NEAR(std::abs(h.b.y - h.a.y), 20, 1e-6);
        // A quarter turn per step.
        const Vec3 ra = Vec3{h.a.x, 0, h.a.z} - onAxis;
        const Vec3 rb = Vec3{h.b.x, 0, h.b.z} - onAxis;
        EXPECT_NEAR(dot(ra, rb), 0, 1e-6);
    }
}

TEST(RockSalt, ArrowheadsSitOnTheHelixAndPointAlongIt)
{
    const RecordingDraw gl = RunScene(DrawRockSalt, Options(true, true), /*wire=*/true);
    const RockSaltScrew s = ScrewOf(gl);
    const auto cones = Cones(gl);
    ASSERT_EQ(cones.size(), 4u);
    ASSERT_EQ(s.helix.size(), 4u);
    std::vector<bool> used(s.helix.size(), false);
    for (const RecordedSolid* c : cones) {
        EXPECT_EQ(c->radius, 0);
        EXPECT_EQ(c->topRadius, 1);
        EXPECT_EQ(c->height, 3);
        EXPECT_EQ(c->stacks, 10);
        // Always solid, whatever the auxiliary axes left behind.
        EXPECT_EQ(c->quadric, (QuadricState{QuadricStyle::Fill, QuadricOrientation::Inside, QuadricNormals::Smooth}));
        bool found = false;
        for (std::size_t i = 0; i < s.helix.size(); ++i) {
            const Line& h = s.helix[i];
            if (!Near(c->centre, (h.a + h.b) / 2))
                continue;
            found = true;
            used[i] = true;
            // The tip points the way the helix runs; the cone opens behind it.
            EXPECT_LT(angleDegrees(-ConeOpening(*c), h.b - h.a), 10);
        }
        EXPECT_TRUE(found) << "cone off the helix";
    }
    for (bool u : used)
        EXPECT_TRUE(u) << "a helix step without an arrowhead";
}

TEST(RockSalt, ArrowheadsStaySolidUnderAnAuxiliaryAxis)
{
    RecordingDraw gl;
    FrameInputs in;
    in.axisOX = true;
    in.scenes[index(SceneId::RockSalt)] = true;
    in.display = Options(true, true);
    ViewState view;
    DrawFrame(gl, in, view);
    const auto cones = Cones(gl);
    ASSERT_EQ(cones.size(), 4u);
    for (const RecordedSolid* c : cones)
        EXPECT_EQ(c->quadric.style, QuadricStyle::Fill);
}

struct ScrewColourCase {
    int index;
    Colour colour;
};

class RockSaltScrewColour : public testing::TestWithParam<ScrewColourCase> {};

TEST_P(RockSaltScrewColour, AxisHelixAndArrowheadsTakeTheChosenColour)
{
    const RecordingDraw gl = RunScene(DrawRockSalt, Options(true, true, GetParam().index));
    const RecordedPrimitive& screw = gl.primitives.front();
    for (const RecordedVertex& v : screw.vertices)
        EXPECT_TRUE(SameColour(v.colour, GetParam().colour));
    for (const RecordedSolid* c : Cones(gl))
        EXPECT_TRUE(SameColour(c->colour, GetParam().colour));
    // The grid after it is grey again.
    for (std::size_t i = 1; i < gl.primitives.size(); ++i)
        for (const RecordedVertex& v : gl.primitives[i].vertices)
            EXPECT_TRUE(SameColour(v.colour, kGrey));
}

INSTANTIATE_TEST_SUITE_P(Items, RockSaltScrewColour,
                         testing::Values(ScrewColourCase{0, {0, 1, 0}}, ScrewColourCase{1, {1, 0, 0}},
                                         ScrewColourCase{2, {0, 0, 1}}, ScrewColourCase{3, {1, 1, 0}},
                                         // Typed text: the entry cyan stays.
                                         ScrewColourCase{-1, kCyan}),
                         [](const testing::TestParamInfo<ScrewColourCase>& info) {
                             return info.param.index < 0 ? std::string("TypedText")
                                                         : "Item" + std::to_string(info.param.index);
                         });

// Caesium chloride -------------------------------------------------------

TEST(CaesiumChloride, TwoInterpenetratingCubes)
{
    const auto balls = Balls(RunScene(DrawCaesiumChloride, Options(true)));
    const auto cl = PlacesOf(balls, kCl);
    const auto cs = PlacesOf(balls, kCs);
    ASSERT_EQ(cl.size(), 8u);
    ASSERT_EQ(cs.size(), 8u);
    EXPECT_TRUE(SamePlaces(cl, CubeCorners(30, Centroid(cl))));
    EXPECT_TRUE(SamePlaces(cs, CubeCorners(30, Centroid(cs))));
    // Each cube's centre is an atom of the other; the picture is centred.
    EXPECT_TRUE(Contains(cs, Centroid(cl)));
    EXPECT_TRUE(Contains(cl, Centroid(cs)));
    EXPECT_TRUE(Near(Centroid(AllPlaces(balls)), {0, 0, 0}));
    // Unlike neighbours are half a body diagonal apart, and no closer.
    for (const Vec3& p : cl)
        for (const Vec3& q : cs)
            EXPECT_GE(distance(p, q), 30 * std::sqrt(3.0) - 1e-6);
    EXPECT_EQ(NeighboursAt(cs, Centroid(cl), 0).size(), 1u);
    EXPECT_EQ(NeighboursAt(cl, Centroid(cl), 30 * std::sqrt(3.0)).size(), 8u);
}

TEST(CaesiumChloride, EdgesOfBothCubes)
{
    const RecordingDraw gl = RunScene(DrawCaesiumChloride, Options(true));
    const auto balls = Balls(gl);
    const auto cl = PlacesOf(balls, kCl);
    const auto cs = PlacesOf(balls, kCs);
    int clEdges = 0, csEdges = 0;
    for (const Line& l : Lines(gl)) {
        EXPECT_NEAR(distance(l.a, l.b), 60, 1e-6);
        clEdges += Contains(cl, l.a) && Contains(cl, l.b);
        csEdges += Contains(cs, l.a) && Contains(cs, l.b);
    }
    EXPECT_EQ(clEdges, 12);
    EXPECT_EQ(csEdges, 12);
}

// Alpha iron ---------------------------------------------------------------

TEST(AlphaIron, BodyCentredCube)
{
    const auto balls = Balls(RunScene(DrawAlphaIron, Options(true)));
    const auto fe = PlacesOf(balls, kFe);
    ASSERT_EQ(fe.size(), balls.size());
    auto expected = CubeCorners(25);
    expected.push_back({0, 0, 0});
    EXPECT_TRUE(SamePlaces(fe, expected));
    EXPECT_EQ(NeighboursAt(fe, {0, 0, 0}, 25 * std::sqrt(3.0)).size(), 8u);
}

TEST(AlphaIron, TwoWholeBodyDiagonalsInHalves)
{
    const auto lines = Lines(RunScene(DrawAlphaIron, Options(true)));
    std::vector<Vec3> diagonalEnds;
    int edges = 0;
    for (const Line& l : lines) {
        if (std::abs(distance(l.a, l.b) - 50) < 1e-6) {
            ++edges;
            continue;
        }
        EXPECT_NEAR(distance(l.a, l.b), 25 * std::sqrt(3.0), 1e-6);
        EXPECT_TRUE(Near(l.b, {0, 0, 0})) << "each half ends at the centre atom";
        diagonalEnds.push_back(l.a);
    }
    EXPECT_EQ(edges, 12);
    ASSERT_EQ(diagonalEnds.size(), 4u);
    // The halves pair up into opposite corners.
    for (const Vec3& p : diagonalEnds)
        EXPECT_TRUE(Contains(diagonalEnds, -p));
    EXPECT_TRUE(SamePlaces(diagonalEnds, SceneToModel({{-25, -25, 25}, {25, 25, -25}, {25, 25, 25}, {-25, -25, -25}})));
}

// Gamma iron and copper ---------------------------------------------------

std::vector<Vec3> FaceCentredPlaces()
{
    auto places = CubeCorners(25);
    for (const Vec3& f : FaceCentres(25))
        places.push_back(f);
    return places;
}

TEST(FaceCentred, GammaIronAndCopperShareTheirPlaces)
{
    const auto iron = Balls(RunScene(DrawGammaIron, Options(true)));
    const auto copper = Balls(RunScene(DrawCopper, Options(true)));
    EXPECT_EQ(PlacesOf(iron, kFe).size(), iron.size());
    EXPECT_EQ(PlacesOf(copper, kCu).size(), copper.size());
    EXPECT_TRUE(SamePlaces(AllPlaces(iron), FaceCentredPlaces()));
    EXPECT_TRUE(SamePlaces(AllPlaces(copper), FaceCentredPlaces()));
    // Close packed: nearest neighbours along the face diagonals.
    EXPECT_NEAR(NearestDistance(AllPlaces(iron)), 25 * std::sqrt(2.0), 1e-6);
}

TEST(FaceCentred, GammaIronHasTheFullGrid)
{
    const auto lines = Lines(RunScene(DrawGammaIron, Options(true)));
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(DistinctLines(lines).size(), 27u);
    for (const Line& l : lines) {
        EXPECT_NEAR(distance(l.a, l.b), 50, 1e-6);
        for (double c : {l.a.x, l.a.y, l.a.z, l.b.x, l.b.y, l.b.z})
            EXPECT_TRUE(std::abs(c) < 1e-6 || std::abs(std::abs(c) - 25) < 1e-6);
    }
}

TEST(FaceCentred, CopperHasEdgesAndThreeCentreLines)
{
    const auto lines = Lines(RunScene(DrawCopper, Options(true)));
    ASSERT_EQ(lines.size(), 15u);
    const auto faces = FaceCentres(25);
    const auto corners = CubeCorners(25);
    int edges = 0, centreLines = 0;
    for (const Line& l : lines) {
        EXPECT_NEAR(distance(l.a, l.b), 50, 1e-6);
        edges += Contains(corners, l.a) && Contains(corners, l.b);
        if (Contains(faces, l.a) && Contains(faces, l.b) && Near((l.a + l.b) / 2, {0, 0, 0}))
            ++centreLines;
    }
    EXPECT_EQ(edges, 12);
    EXPECT_EQ(centreLines, 3);
    EXPECT_EQ(DistinctLines(lines).size(), 15u);
}

} // namespace
} // namespace vestrel::test
