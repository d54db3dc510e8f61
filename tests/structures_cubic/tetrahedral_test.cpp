// SPDX-License-Identifier: MIT
// Cuprite (with its screw axis), diamond, sphalerite and fluorite, read back
// in the model frame.
#include "frame/frame.h"
#include "scenes/structures/structures.h"
#include "tests/structures_cubic/scene_check.h"
#include "tests/support/vector_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace vestrel::test {
namespace {

using namespace structures;

const double kRoot2 = std::sqrt(2.0);
const double kRoot3 = std::sqrt(3.0);


// Cuprite ---------------------------------------------------------------

TEST(Cuprite, OxygenBodyCentredCopperBetween)
{
    const auto balls = Balls(RunScene(DrawCuprite, Options(false)));
    const auto o = PlacesOf(balls, kO);
    const auto cu = PlacesOf(balls, kCu);
    ASSERT_EQ(o.size(), 9u);
    ASSERT_EQ(cu.size(), 4u);
    auto bodyCentred = CubeCorners(30);
    bodyCentred.push_back({0, 0, 0});
    EXPECT_TRUE(SamePlaces(o, bodyCentred));
    // O-Cu-O in a straight line: each Cu halfway from the centre to a corner,
    // and the four Cu on a regular tetrahedron (Cu2O: 2 O, 4 Cu per cell).
    for (const Vec3& p : cu) {
        EXPECT_TRUE(Contains(o, p * 2));
        EXPECT_EQ(NeighboursAt(o, p, 15 * kRoot3).size(), 2u);
        EXPECT_EQ(NeighboursAt(cu, p, 30 * kRoot2).size(), 3u);
    }
}

TEST(Cuprite, BondsFromCornersToCentreRunThroughCopper)
{
    const RecordingDraw gl = RunScene(DrawCuprite, Options(true));
    const auto cu = PlacesOf(Balls(gl), kCu);
    const auto lines = Lines(gl);
    ASSERT_EQ(lines.size(), 16u);
    int edges = 0;
    std::vector<Vec3> throughCu;
    for (const Line& l : lines) {
        if (std::abs(distance(l.a, l.b) - 60) < 1e-6) {
            ++edges;
            continue;
        }
        EXPECT_TRUE(Near(l.b, {0, 0, 0}));
        throughCu.push_back((l.a + l.b) / 2);
    }
    EXPECT_EQ(edges, 12);
    EXPECT_TRUE(SamePlaces(throughCu, cu));
}

struct CupriteScrew {
    Line axis;
    std::vector<Line> helix; // in chain order
};

// The screw primitive: the axis, then two helix steps.
constexpr std::size_t ScrewVertices = 6;

CupriteScrew ScrewOf(const RecordingDraw& gl)
{
    CupriteScrew s;
    for (const RecordedPrimitive& p : gl.primitives) {
        if (p.vertices.size() != ScrewVertices)
            continue;
        s.axis = {p.vertices[0].position, p.vertices[1].position, p.vertices[0].colour};
        for (std::size_t i = 2; i < ScrewVertices; i += 2)
            s.helix.push_back({p.vertices[i].position, p.vertices[i + 1].position, p.vertices[i].colour});
    }
    return s;
}

// The axis lies in a face of the cell, through the middle of the face; the
// helix runs from oxygen atom to oxygen atom, a quarter turn about the axis
// and half a cell edge (30) along it per step, clear of the copper atoms.
TEST(Cuprite, ScrewAxisInAFaceWithItsHelixThroughOxygen)
{
    const RecordingDraw gl = RunScene(DrawCuprite, Options(false, true));
    EXPECT_EQ(gl.lineSegments().size(), 3u);
    EXPECT_EQ(gl.primitives.size(), 1u) << "axis and helix in one batch";
    const CupriteScrew s = ScrewOf(gl);
    ASSERT_EQ(s.helix.size(), 2u);
    EXPECT_NEAR(s.axis.a.x, s.axis.b.x, 1e-5);
    EXPECT_NEAR(s.axis.a.z, s.axis.b.z, 1e-5);
    EXPECT_NEAR(distance(s.axis.a, s.axis.b), 100, 1e-4) << "as long as it was";
    const Vec3 foot{s.axis.a.x, 0, s.axis.a.z};
    EXPECT_NEAR(std::max(std::abs(foot.x), std::abs(foot.z)), 30, 1e-5) << "in a face";
    EXPECT_NEAR(std::min(std::abs(foot.x), std::abs(foot.z)), 0, 1e-5) << "through its middle";

    const auto balls = Balls(gl);
    const auto o = PlacesOf(balls, kO);
    const auto cu = PlacesOf(balls, kCu);
    for (std::size_t i = 0; i < s.helix.size(); ++i) {
        const Line& h = s.helix[i];
        if (i + 1 < s.helix.size()) {
            EXPECT_TRUE(Near(h.b, s.helix[i + 1].a)) << "the helix is one chain";
        }
        EXPECT_TRUE(Contains(o, h.a));
        EXPECT_TRUE(Contains(o, h.b));
        EXPECT_NEAR(std::abs(h.b.y - h.a.y), 30, 1e-5);
        const Vec3 ra = Vec3{h.a.x, 0, h.a.z} - foot, rb = Vec3{h.b.x, 0, h.b.z} - foot;
        EXPECT_NEAR(length(ra), 30, 1e-5);
        EXPECT_NEAR(dot(ra, rb), 0, 1e-4) << "a quarter turn per step";
        for (const Vec3& c : cu)
            EXPECT_GT(distance(c, (h.a + h.b) / 2), 8) << "clear of the copper atoms";
    }
}

TEST(Cuprite, ArrowheadsSitOnTheHelixAndPointAlongIt)
{
    const RecordingDraw gl = RunScene(DrawCuprite, Options(true, true));
    const CupriteScrew s = ScrewOf(gl);
    const auto cones = Cones(gl);
    ASSERT_EQ(cones.size(), 2u);
    ASSERT_EQ(s.helix.size(), 2u);
    for (std::size_t i = 0; i < cones.size(); ++i) {
        const RecordedSolid* c = cones[i];
        EXPECT_EQ(c->radius, 0);
        EXPECT_EQ(c->topRadius, 1);
        EXPECT_EQ(c->height, 3);
        EXPECT_EQ(c->stacks, 10);
        const Line& h = s.helix[i];
        EXPECT_TRUE(Near(c->centre, (h.a + h.b) / 2, 1e-4)) << "on the middle of its step";
        // The tip points the way the helix runs; the cone opens behind it.
        EXPECT_LT(angleDegrees(-ConeOpening(*c), h.b - h.a), 0.01);
    }
}

class CupriteScrewColour : public testing::TestWithParam<std::pair<int, Colour>> {};

TEST_P(CupriteScrewColour, AxisHelixAndArrowheads)
{
    const auto [item, colour] = GetParam();
    const RecordingDraw gl = RunScene(DrawCuprite, Options(true, true, item));
    const auto cones = Cones(gl);
    ASSERT_EQ(cones.size(), 2u);
    for (const RecordedSolid* c : cones)
        EXPECT_TRUE(SameColour(c->colour, colour));
    int screwVertices = 0;
    for (const RecordedPrimitive& p : gl.primitives)
        if (p.vertices.size() == ScrewVertices)
            for (const RecordedVertex& v : p.vertices) {
                EXPECT_TRUE(SameColour(v.colour, colour));
                ++screwVertices;
            }
    EXPECT_EQ(screwVertices, static_cast<int>(ScrewVertices));
}

INSTANTIATE_TEST_SUITE_P(Items, CupriteScrewColour,
                         testing::Values(std::pair{0, Colour{0, 1, 0}}, std::pair{1, Colour{1, 0, 0}},
                                         std::pair{2, Colour{0, 0, 1}}, std::pair{3, Colour{1, 1, 0}},
                                         // Typed text: the grey of the lines before it stays.
                                         std::pair{-1, kGrey}),
                         [](const auto& info) {
                             return info.param.first < 0 ? std::string("TypedText")
                                                         : "Item" + std::to_string(info.param.first);
                         });

FrameInputs CupriteFrame(bool axisOX)
{
    FrameInputs in;
    in.axisOX = axisOX;
    in.scenes[index(SceneId::Cuprite)] = true;
    in.display = Options(true, true);
    return in;
}

TEST(Cuprite, ArrowheadsAreWireUnderAnAuxiliaryAxis)
{
    RecordingDraw gl;
    ViewState view;
    DrawFrame(gl, CupriteFrame(true), view);
    const auto cones = Cones(gl);
    ASSERT_EQ(cones.size(), 2u);
    for (const RecordedSolid* c : cones) {
        EXPECT_EQ(c->quadric.style, QuadricStyle::Line);
        EXPECT_EQ(c->quadric.orientation, QuadricOrientation::Inside);
    }
    // The atoms after them are solid again.
    for (const RecordedSolid* s : gl.spheres())
        EXPECT_EQ(s->quadric.style, QuadricStyle::Fill);
}

TEST(Cuprite, ArrowheadsAreSolidWithoutAnAuxiliaryAxis)
{
    RecordingDraw gl;
    ViewState view;
    DrawFrame(gl, CupriteFrame(true), view);
    // The next frame without the axis inherits the quadric of the atoms.
    gl.resetRecording();
    DrawFrame(gl, CupriteFrame(false), view);
    auto cones = Cones(gl);
    ASSERT_EQ(cones.size(), 2u);
    for (const RecordedSolid* c : cones)
        EXPECT_EQ(c->quadric.style, QuadricStyle::Fill);

    // A wire quadric left on the drawing layer is what the cones get.
    const RecordingDraw wire = RunScene(DrawCuprite, Options(false, true), /*wire=*/true);
    cones = Cones(wire);
    ASSERT_EQ(cones.size(), 2u);
    for (const RecordedSolid* c : cones)
        EXPECT_EQ(c->quadric.style, QuadricStyle::Line);
}

// Diamond, sphalerite, fluorite -------------------------------------------

// Corners and face centres of the cube of half-edge h (model units).
std::vector<Vec3> FaceCentred(double h)
{
    auto places = CubeCorners(h);
    for (const Vec3& f : FaceCentres(h))
        places.push_back(f);
    return places;
}

// Each of the inner places has four outer neighbours at the bond length,
// on a regular tetrahedron.
void ExpectTetrahedralHoles(const std::vector<Vec3>& inner, const std::vector<Vec3>& outer, double t)
{
    for (const Vec3& p : inner) {
        const auto n = NeighboursAt(outer, p, t * kRoot3);
        ASSERT_EQ(n.size(), 4u);
        for (std::size_t i = 0; i < n.size(); ++i)
            for (std::size_t j = i + 1; j < n.size(); ++j)
                EXPECT_NEAR(distance(n[i], n[j]), 2 * t * kRoot2, 1e-4);
    }
}

// Bonds: every line that is not a cube edge joins an inner ball to an outer
// ball at the bond length; `perInner` such bonds per inner ball.
void ExpectBonds(const std::vector<Line>& lines, const std::vector<Vec3>& inner, const std::vector<Vec3>& outer,
                 double h, std::size_t perInner)
{
    int edges = 0;
    std::vector<int> bonds(inner.size(), 0);
    for (const Line& l : lines) {
        if (std::abs(distance(l.a, l.b) - 2 * h) < 1e-4) {
            ++edges;
            EXPECT_TRUE(Contains(outer, l.a) && Contains(outer, l.b));
            continue;
        }
        EXPECT_NEAR(distance(l.a, l.b), h / 2 * kRoot3, 1e-4);
        EXPECT_TRUE(Contains(outer, l.b));
        for (std::size_t i = 0; i < inner.size(); ++i)
            bonds[i] += Near(l.a, inner[i]);
    }
    EXPECT_EQ(edges, 12);
    for (int b : bonds)
        EXPECT_EQ(b, static_cast<int>(perInner));
    EXPECT_EQ(lines.size(), 12 + inner.size() * perInner);
}

TEST(Diamond, EighteenCarbonOnTheDiamondLattice)
{
    const auto balls = Balls(RunScene(DrawDiamond, Options(false)));
    ASSERT_EQ(PlacesOf(balls, kC).size(), 18u);
    const auto places = AllPlaces(balls);
    // Scaled by 0.8: half-edge 24, inner places at +-12.
    const std::vector<Vec3> outer(places.begin(), places.begin() + 14);
    const std::vector<Vec3> inner(places.begin() + 14, places.end());
    EXPECT_TRUE(SamePlaces(outer, FaceCentred(24)));
    for (const Vec3& p : inner) {
        EXPECT_TRUE(Contains(InnerPlaces(12), p));
        EXPECT_EQ(NeighboursAt(inner, p, 24 * kRoot2).size(), 3u) << "every other inner place";
    }
    ExpectTetrahedralHoles(inner, outer, 12);
    EXPECT_NEAR(NearestDistance(places), 12 * kRoot3, 1e-4);
}

TEST(Diamond, DrawingOrderOfOneGroup)
{
    const auto places = AllPlaces(Balls(RunScene(DrawDiamond, Options(false))));
    ASSERT_EQ(places.size(), 18u);
    const std::vector<Vec3> faces = SceneToModel(
        {{-30, 0, 0}, {30, 0, 0}, {0, 30, 0}, {0, -30, 0}, {0, 0, 30}, {0, 0, -30}}, {}, {}, 0.8);
    const std::vector<Vec3> inner = SceneToModel(
        {{-15, -15, -15}, {15, 15, -15}, {-15, 15, 15}, {15, -15, 15}}, {}, {}, 0.8);
    EXPECT_TRUE(SamePlaces({places.begin(), places.begin() + 8}, CubeCorners(24)));
    for (std::size_t i = 0; i < faces.size(); ++i)
        EXPECT_TRUE(Near(places[8 + i], faces[i])) << "face centre " << i;
    for (std::size_t i = 0; i < inner.size(); ++i)
        EXPECT_TRUE(Near(places[14 + i], inner[i])) << "inner place " << i;
}

TEST(Diamond, GridAndSixteenBonds)
{
    const RecordingDraw gl = RunScene(DrawDiamond, Options(true));
    const auto places = AllPlaces(Balls(gl));
    ExpectBonds(Lines(gl), {places.begin() + 14, places.end()}, {places.begin(), places.begin() + 14}, 24, 4);
}

TEST(Sphalerite, DiamondPictureOnALargerCellInTwoColours)
{
    const auto balls = Balls(RunScene(DrawSphalerite, Options(false)));
    const auto s = PlacesOf(balls, kS);
    const auto zn = PlacesOf(balls, kZn);
    ASSERT_EQ(s.size(), 14u);
    ASSERT_EQ(zn.size(), 4u);
    EXPECT_TRUE(SamePlaces(s, FaceCentred(32)));
    ExpectTetrahedralHoles(zn, s, 16);
    // The same places as diamond, up to the cell size 40 against 30.
    std::vector<Vec3> shrunk;
    for (const Vec3& p : AllPlaces(balls))
        shrunk.push_back(p * (30.0 / 40.0));
    EXPECT_TRUE(SamePlaces(shrunk, AllPlaces(Balls(RunScene(DrawDiamond, Options(false))))));
}

TEST(Sphalerite, GridAndSixteenBonds)
{
    const RecordingDraw gl = RunScene(DrawSphalerite, Options(true));
    const auto balls = Balls(gl);
    ExpectBonds(Lines(gl), PlacesOf(balls, kZn), PlacesOf(balls, kS), 32, 4);
}

TEST(Fluorite, CalciumFaceCentredFluorineInAllEightHoles)
{
    const auto balls = Balls(RunScene(DrawFluorite, Options(false)));
    const auto ca = PlacesOf(balls, kCa);
    const auto f = PlacesOf(balls, kF);
    ASSERT_EQ(ca.size(), 14u);
    ASSERT_EQ(f.size(), 8u);
    EXPECT_TRUE(SamePlaces(ca, FaceCentred(24)));
    EXPECT_TRUE(SamePlaces(f, InnerPlaces(12)));
    ExpectTetrahedralHoles(f, ca, 12);
    // Per cell: 8 corners shared by 8 cells, 6 faces by 2, holes by none.
    const double calcium = 8.0 / 8 + 6.0 / 2;
    EXPECT_DOUBLE_EQ(static_cast<double>(f.size()) / calcium, 2.0) << "CaF2";
}

TEST(Fluorite, InnerPlacesInTheirOrder)
{
    const auto balls = Balls(RunScene(DrawFluorite, Options(false)));
    ASSERT_EQ(balls.size(), 22u);
    const std::vector<Vec3> inner = SceneToModel({{-15, -15, -15}, {15, -15, -15}, {-15, -15, 15}, {15, -15, 15},
                                                  {15, 15, 15}, {-15, 15, 15}, {-15, 15, -15}, {15, 15, -15}},
                                                 {}, {}, 0.8);
    for (std::size_t i = 0; i < 14; ++i)
        EXPECT_TRUE(SameColour(balls[i].colour, kCa));
    for (std::size_t i = 0; i < inner.size(); ++i) {
        EXPECT_TRUE(Near(balls[14 + i].at, inner[i])) << "inner place " << i;
        EXPECT_TRUE(SameColour(balls[14 + i].colour, kF));
    }
}

TEST(Fluorite, GridAndThirtyTwoBonds)
{
    const RecordingDraw gl = RunScene(DrawFluorite, Options(true));
    const auto balls = Balls(gl);
    ExpectBonds(Lines(gl), PlacesOf(balls, kF), PlacesOf(balls, kCa), 24, 4);
}

} // namespace
} // namespace vestrel::test
