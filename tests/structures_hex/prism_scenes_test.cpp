// SPDX-License-Identifier: MIT
// Magnesium, cadmium iodide and wurtzite: atoms and lines of the hexagonal
// prism and of the layers between its faces, in scene coordinates.
#include "tests/structures_hex/hex_scene_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

namespace vestrel::test {
namespace {

const SceneFrame PrismFrame{{0, 0, 0}, 0.8, {}};
constexpr double FaceY = 40;

bool OnFace(const Vec3& p) { return std::abs(std::abs(p.y) - FaceY) < Tolerance; }

std::vector<Vec3> PrismCorners()
{
    std::vector<Vec3> corners;
    for (double y : {FaceY, -FaceY}) {
        corners.push_back({0, y, 0});
        for (const Vec3& v : HexagonAround({0, y, 0}))
            corners.push_back(v);
    }
    return corners;
}

// Hexagon edges of both faces, the vertical edges and the axis.
std::vector<Line> PrismFrameLines()
{
    std::vector<Line> lines;
    for (double y : {FaceY, -FaceY})
        for (const Line& l : PolygonEdges({0, y, 0}, HexagonAround({0, y, 0})))
            lines.push_back(l);
    for (const Vec3& v : HexagonVertices())
        lines.push_back({v + Vec3{0, FaceY, 0}, v + Vec3{0, -FaceY, 0}});
    lines.push_back({{0, FaceY, 0}, {0, -FaceY, 0}});
    return lines;
}

std::vector<Line> SpokesFrom(const std::vector<Vec3>& atoms)
{
    std::vector<Line> spokes;
    for (const Vec3& p : atoms)
        spokes.push_back({p, {0, p.y, 0}});
    return spokes;
}

std::vector<Line> Concat(std::vector<Line> a, const std::vector<Line>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<Vec3> Where(const std::vector<Vec3>& points, auto predicate)
{
    std::vector<Vec3> out;
    std::copy_if(points.begin(), points.end(), std::back_inserter(out), predicate);
    return out;
}

std::vector<Vec3> AtHeight(const std::vector<Vec3>& points, double y)
{
    return Where(points, [y](const Vec3& p) { return std::abs(p.y - y) < Tolerance; });
}

struct PrismCase {
    std::string name;
    SceneBlock block;
    Colour prismColour;
};

void PrintTo(const PrismCase& c, std::ostream* os) { *os << c.name; }

class PrismScenes : public ::testing::TestWithParam<PrismCase> {};

TEST_P(PrismScenes, FaceAtomsAreTheCentresAndHexagonsOfBothFacesInThePrismColour)
{
    const SceneDrawing d = RecordScene(GetParam().block, PrismFrame);
    std::vector<Atom> face;
    std::copy_if(d.atoms.begin(), d.atoms.end(), std::back_inserter(face), [](const Atom& a) { return OnFace(a.position); });
    EXPECT_EQ(DiffPoints(Positions(face), PrismCorners()), "");
    for (const Atom& a : face)
        EXPECT_EQ(a.colour, GetParam().prismColour) << ToString(a.position);
    // The prism atoms come first: the top face with its centre leading.
    ASSERT_GE(d.atoms.size(), 14u);
    EXPECT_TRUE(Near(d.atoms[0].position, {0, FaceY, 0}));
    EXPECT_TRUE(Near(d.atoms[7].position, {0, -FaceY, 0}));
    for (std::size_t i = 0; i < 14; ++i)
        EXPECT_TRUE(OnFace(d.atoms[i].position)) << "atom " << i;
}

TEST_P(PrismScenes, FrontAndBackHexagonEdgesAre36LongAndTheSlantedOnes35)
{
    const SceneDrawing d = RecordScene(GetParam().block, PrismFrame);
    const double slanted = std::hypot(18.0, 30.0);
    for (double y : {FaceY, -FaceY}) {
        int full = 0, slant = 0;
        for (const Line& l : d.lines)
            if (std::abs(l.from.y - y) < Tolerance && std::abs(l.to.y - y) < Tolerance && !Near(l.from, {0, y, 0})
                && !Near(l.to, {0, y, 0})) {
                if (std::abs(Length(l) - 36) < Tolerance && std::abs(l.from.x - l.to.x) > 35)
                    ++full;
                else if (std::abs(Length(l) - slanted) < Tolerance)
                    ++slant;
            }
        EXPECT_EQ(full, 2) << "face y = " << y;
        EXPECT_EQ(slant, 4) << "face y = " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Scenes, PrismScenes,
                         ::testing::Values(PrismCase{"magnesium", structures::DrawMagnesium, structures::Mg},
                                           PrismCase{"cadmium_iodide", structures::DrawCadmiumIodide, structures::Cd},
                                           PrismCase{"wurtzite", structures::DrawWurtzite, structures::S}),
                         [](const auto& info) { return info.param.name; });

std::vector<Vec3> Inner(const SceneDrawing& d)
{
    return Where(Positions(d.atoms), [](const Vec3& p) { return !OnFace(p); });
}

TEST(Magnesium, ThreeMagnesiumAtomsHalfwayBetweenTheFacesWithSpokes)
{
    const SceneDrawing d = RecordScene(structures::DrawMagnesium, PrismFrame);
    const std::vector<Vec3> inner = Inner(d);
    EXPECT_EQ(DiffPoints(inner, {{18, 0, 12}, {-18, 0, 12}, {0, 0, -18}}), "");
    EXPECT_EQ(PositionsOfColour(d.atoms, structures::Mg).size(), 17u);
    EXPECT_EQ(DiffLines(d.lines, Concat(PrismFrameLines(), SpokesFrom(inner))), "");
}

TEST(Magnesium, InnerAtomsSitOverAlternateTrianglesOfTheHexagon)
{
    const SceneDrawing d = RecordScene(structures::DrawMagnesium, PrismFrame);
    const std::vector<Line> rim = PolygonEdges({0, 0, 0}, HexagonVertices());
    std::set<std::size_t> triangles;
    for (const Vec3& atom : Inner(d))
        for (std::size_t i = 0; i < rim.size(); ++i) {
            const Vec3 centroid{(rim[i].from.x + rim[i].to.x) / 3, 0, (rim[i].from.z + rim[i].to.z) / 3};
            if (distance(atom, centroid) < 3)
                triangles.insert(i);
        }
    ASSERT_EQ(triangles.size(), 3u);
    std::set<std::size_t> parities;
    for (std::size_t t : triangles)
        parities.insert(t % 2);
    EXPECT_EQ(parities.size(), 1u) << "two inner atoms over neighbouring triangles";
}

TEST(CadmiumIodide, TwoIodineLayersTurnedHalfATurnWithSpokes)
{
    const SceneDrawing d = RecordScene(structures::DrawCadmiumIodide, PrismFrame);
    const std::vector<Vec3> iodine = PositionsOfColour(d.atoms, structures::I);
    const std::vector<Vec3> lower = AtHeight(iodine, -20), upper = AtHeight(iodine, 20);
    EXPECT_EQ(iodine.size(), 6u);
    EXPECT_EQ(DiffPoints(lower, {{18, -20, 12}, {-18, -20, 12}, {0, -20, -18}}), "");
    std::vector<Vec3> turned;
    for (const Vec3& p : lower)
        turned.push_back({-p.x, 20, -p.z});
    EXPECT_EQ(DiffPoints(upper, turned), "");
    EXPECT_EQ(PositionsOfColour(d.atoms, structures::Cd).size(), 14u);
    EXPECT_EQ(DiffLines(d.lines, Concat(PrismFrameLines(), SpokesFrom(iodine))), "");
}

// CdI2: along the vertical axis the layers read I-Cd-I, I-Cd-I, ... Within
// the cell, going up: Cd, I, I, Cd. Each cadmium layer has iodine layers
// next to it on both sides (the one beyond the top face belongs to the next
// cell, 80 higher), and the two iodine layers inside the cell face each other
// across the van der Waals gap, with no cadmium between them.
TEST(CadmiumIodide, LayersReadIodineCadmiumIodineWithTheGapBetweenIodineLayers)
{
    const SceneDrawing d = RecordScene(structures::DrawCadmiumIodide, PrismFrame);
    std::vector<std::pair<double, Colour>> layers;
    for (const Atom& a : d.atoms) {
        const auto known = std::find_if(layers.begin(), layers.end(),
                                        [&](const auto& l) { return std::abs(l.first - a.position.y) < Tolerance; });
        if (known == layers.end())
            layers.emplace_back(a.position.y, a.colour);
        else
            EXPECT_EQ(known->second, a.colour) << "one element per layer, at y = " << a.position.y;
    }
    std::sort(layers.begin(), layers.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    ASSERT_EQ(layers.size(), 4u);
    const Colour expected[] = {structures::Cd, structures::I, structures::I, structures::Cd};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(layers[i].second, expected[i]) << "layer at y = " << layers[i].first;
    // Periodic along the axis with the height of the cell: the layer above
    // the top face is the lowest iodine layer moved up by 80.
    const double period = layers[3].first - layers[0].first;
    EXPECT_NEAR(period, 80, Tolerance);
    EXPECT_NEAR(layers[1].first - layers[0].first, layers[3].first - layers[2].first, Tolerance)
        << "each Cd layer in the middle of its sandwich";
    EXPECT_GT(layers[2].first - layers[1].first, layers[1].first - layers[0].first) << "the gap is wider";
}

TEST(Wurtzite, SevenZincAtomsOnTheEdgesAndAxis30BelowTheTopFace)
{
    const SceneDrawing d = RecordScene(structures::DrawWurtzite, PrismFrame);
    const std::vector<Vec3> zinc = PositionsOfColour(d.atoms, structures::Zn);
    std::vector<Vec3> onColumns{{0, FaceY - 30, 0}};
    for (const Vec3& v : HexagonAround({0, FaceY - 30, 0}))
        onColumns.push_back(v);
    EXPECT_EQ(zinc.size(), 10u);
    EXPECT_EQ(DiffPoints(AtHeight(zinc, 10), onColumns), "");
}

TEST(Wurtzite, ZincLayerLies30BelowTheSulfurLayerWhichAloneHasSpokes)
{
    const SceneDrawing d = RecordScene(structures::DrawWurtzite, PrismFrame);
    const std::vector<Vec3> sulfur = PositionsOfColour(d.atoms, structures::S);
    const std::vector<Vec3> zinc = PositionsOfColour(d.atoms, structures::Zn);
    const std::vector<Vec3> sulfurLayer = AtHeight(sulfur, 0);
    EXPECT_EQ(sulfur.size(), 17u);
    EXPECT_EQ(DiffPoints(sulfurLayer, {{-18, 0, -12}, {18, 0, -12}, {0, 0, 18}}), "");
    std::vector<Vec3> below;
    for (const Vec3& p : sulfurLayer)
        below.push_back({p.x, p.y - 30, p.z});
    const std::vector<Vec3> zincLayer = AtHeight(zinc, -30);
    EXPECT_EQ(DiffPoints(zincLayer, below), "");
    std::vector<Vec3> spoked = sulfurLayer;
    spoked.insert(spoked.end(), zincLayer.begin(), zincLayer.end());
    EXPECT_EQ(DiffLines(d.lines, Concat(PrismFrameLines(), SpokesFrom(spoked))), "");
}

} // namespace
} // namespace vestrel::test
