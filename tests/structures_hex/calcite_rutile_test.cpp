// SPDX-License-Identifier: MIT
// Calcite's calcium prism with carbonate groups, and the rutile cell with
// its diagonals, in scene coordinates.
#include "tests/structures_hex/hex_scene_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace vestrel::test {
namespace {

const SceneFrame CalciteFrame{{0, 0, 0}, 0.8, {}};
const SceneFrame RutileFrame{{0, 0, 0}, 1, {}};

// The C-O distance: the mean of the three the groups were once drawn with,
// two of √117 and one of 9.
const double CarbonOxygen = (2 * std::sqrt(117.0) + 9) / 3;

// The oxygen atoms about a carbon: an equilateral triangle centred on it in
// its layer, one corner towards +z in the layer y = 0 and towards -z in the
// layers y = +-30 next to it.
std::vector<Vec3> OxygenAroundCarbon(const Vec3& carbon)
{
    const double side = CarbonOxygen * std::sqrt(3.0) / 2, back = CarbonOxygen / 2;
    const double turn = std::abs(carbon.y) < Tolerance ? 1 : -1;
    return {{-turn * side, 0, -turn * back}, {turn * side, 0, -turn * back}, {0, 0, turn * CarbonOxygen}};
}

std::vector<Vec3> Append(std::vector<Vec3> a, const std::vector<Vec3>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Carbon atoms: on the columns of the hexagon vertices with x > 0 at
// y = 0 and -30, on those with x < 0 at y = 0 and 30, on the axis at
// y = 0 and +-30.
std::vector<Vec3> ExpectedCarbon()
{
    std::vector<Vec3> carbon{{0, 0, 0}, {0, -30, 0}, {0, 30, 0}};
    for (const Vec3& v : HexagonVertices()) {
        carbon.push_back({v.x, 0, v.z});
        carbon.push_back({v.x, v.x > 0 ? -30.0 : 30.0, v.z});
    }
    return carbon;
}

// Calcium: the prism's face centres and corners, one atom 10 above the
// middle on the x > 0 columns and 10 below on the x < 0 ones, and two on
// the axis at +-10.
std::vector<Vec3> ExpectedCalcium()
{
    std::vector<Vec3> calcium{{0, 40, 0}, {0, -40, 0}, {0, 10, 0}, {0, -10, 0}};
    for (const Vec3& v : HexagonVertices()) {
        calcium.push_back(v + Vec3{0, 40, 0});
        calcium.push_back(v + Vec3{0, -40, 0});
        calcium.push_back({v.x, v.x > 0 ? 10.0 : -10.0, v.z});
    }
    return calcium;
}

std::vector<Line> CalcitePrismFrame()
{
    std::vector<Line> lines;
    for (double y : {40.0, -40.0})
        for (const Line& l : PolygonEdges({0, y, 0}, HexagonAround({0, y, 0})))
            lines.push_back(l);
    for (const Vec3& v : HexagonVertices())
        lines.push_back({v + Vec3{0, 40, 0}, v + Vec3{0, -40, 0}});
    lines.push_back({{0, 40, 0}, {0, -40, 0}});
    return lines;
}

TEST(Calcite, Draws22Calcium15Carbon45Oxygen)
{
    const SceneDrawing d = RecordScene(structures::DrawCalcite, CalciteFrame);
    EXPECT_EQ(d.atoms.size(), 82u);
    const std::vector<Vec3> calcium = PositionsOfColour(d.atoms, structures::Ca);
    const std::vector<Vec3> carbon = PositionsOfColour(d.atoms, structures::C);
    const std::vector<Vec3> oxygen = PositionsOfColour(d.atoms, structures::O);
    EXPECT_EQ(calcium.size(), 22u);
    EXPECT_EQ(carbon.size(), 15u);
    EXPECT_EQ(oxygen.size(), 45u);
    EXPECT_EQ(DiffPoints(calcium, ExpectedCalcium()), "");
    EXPECT_EQ(DiffPoints(carbon, ExpectedCarbon()), "");
}

TEST(Calcite, EveryCarbonCarriesThreeOxygenInItsPlane)
{
    const SceneDrawing d = RecordScene(structures::DrawCalcite, CalciteFrame);
    std::vector<Vec3> groups;
    for (const Vec3& c : PositionsOfColour(d.atoms, structures::C))
        for (const Vec3& o : OxygenAroundCarbon(c))
            groups.push_back(c + o);
    EXPECT_EQ(DiffPoints(PositionsOfColour(d.atoms, structures::O), groups), "");
}

// Found from the drawing alone: each carbon's three nearest oxygen atoms make
// an equilateral triangle in its layer, centred on it, at the one C-O
// distance of the table; the triangles of one layer all point the same way,
// those of neighbouring layers (30 apart, across a calcium layer) the
// opposite way.
TEST(Calcite, CarbonateTrianglesAreEquilateralAndTurnLayerByLayer)
{
    const SceneDrawing d = RecordScene(structures::DrawCalcite, CalciteFrame);
    const std::vector<Vec3> oxygen = PositionsOfColour(d.atoms, structures::O);
    std::map<long, std::vector<Vec3>> pointing; // layer height -> where the corner towards z points
    for (const Vec3& c : PositionsOfColour(d.atoms, structures::C)) {
        std::vector<Vec3> near = oxygen;
        std::sort(near.begin(), near.end(), [&](const Vec3& a, const Vec3& b) { return distance(a, c) < distance(b, c); });
        near.resize(3);
        Vec3 sum;
        for (const Vec3& o : near) {
            EXPECT_NEAR(distance(o, c), CarbonOxygen, Tolerance) << ToString(c);
            EXPECT_NEAR(o.y, c.y, Tolerance) << "in the layer of " << ToString(c);
            sum += o;
        }
        EXPECT_TRUE(Near(sum / 3, c)) << "centred on " << ToString(c);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_NEAR(distance(near[i], near[(i + 1) % 3]), CarbonOxygen * std::sqrt(3.0), Tolerance);
        // The corner on the line x = c.x says which way the triangle points.
        for (const Vec3& o : near)
            if (std::abs(o.x - c.x) < Tolerance)
                pointing[std::lround(c.y)].push_back({0, 0, o.z - c.z});
    }
    ASSERT_EQ(pointing.size(), 3u);
    for (const auto& [y, ways] : pointing) {
        ASSERT_FALSE(ways.empty());
        for (const Vec3& w : ways)
            EXPECT_TRUE(Near(w, ways.front())) << "one way in the layer y = " << y;
    }
    EXPECT_NEAR(pointing[0].front().z, CarbonOxygen, Tolerance);
    EXPECT_NEAR(pointing[-30].front().z, -CarbonOxygen, Tolerance);
    EXPECT_NEAR(pointing[30].front().z, -CarbonOxygen, Tolerance);
    EXPECT_NEAR(CarbonOxygen, 10.21, 0.01);
}

TEST(Calcite, PrismAtomsComeFirstThenTheCentralCarbon)
{
    const SceneDrawing d = RecordScene(structures::DrawCalcite, CalciteFrame);
    ASSERT_GE(d.atoms.size(), 15u);
    for (std::size_t i = 0; i < 14; ++i)
        EXPECT_EQ(d.atoms[i].colour, structures::Ca) << "atom " << i;
    EXPECT_TRUE(Near(d.atoms[0].position, {0, 40, 0}));
    EXPECT_TRUE(Near(d.atoms[7].position, {0, -40, 0}));
    EXPECT_EQ(d.atoms[14].colour, structures::C);
    EXPECT_TRUE(Near(d.atoms[14].position, {0, 0, 0}));
}

TEST(Calcite, OnlyTheAxisGroupsAreBondedBesideThePrismFrame)
{
    const SceneDrawing d = RecordScene(structures::DrawCalcite, CalciteFrame);
    std::vector<Line> expected = CalcitePrismFrame();
    for (const Vec3& c : PositionsOfColour(d.atoms, structures::C))
        if (std::abs(c.x) < Tolerance && std::abs(c.z) < Tolerance)
            for (const Vec3& o : OxygenAroundCarbon(c))
                expected.push_back({c + o, c});
    EXPECT_EQ(expected.size(), 28u);
    EXPECT_EQ(d.lines.size(), 28u);
    EXPECT_EQ(DiffLines(d.lines, expected), "");
}

// The eight corners of the box (+-50, +-25, +-50).
std::vector<Vec3> RutileCorners()
{
    std::vector<Vec3> corners;
    for (int sx : {-1, 1})
        for (int sy : {-1, 1})
            for (int sz : {-1, 1})
                corners.push_back({50.0 * sx, 25.0 * sy, 50.0 * sz});
    return corners;
}

const std::vector<Line> RutileDiagonals{
    {{-50, 0, -50}, {50, 0, 50}},
    {{-50, 25, 50}, {50, 25, -50}},
    {{-50, -25, 50}, {50, -25, -50}},
};

Vec3 Along(const Line& l, double t)
{
    return l.from + t * (l.to - l.from);
}

TEST(Rutile, TitaniumAtCornersAndCentre)
{
    const SceneDrawing d = RecordScene(structures::DrawRutile, RutileFrame);
    EXPECT_EQ(d.atoms.size(), 15u);
    EXPECT_EQ(DiffPoints(PositionsOfColour(d.atoms, structures::Ti), Append({{0, 0, 0}}, RutileCorners())), "");
    ASSERT_FALSE(d.atoms.empty());
    EXPECT_TRUE(Near(d.atoms.front().position, {0, 0, 0})) << "the centre atom comes first";
}

TEST(Rutile, OxygenAtQuarterPointsOfTheThreeDiagonals)
{
    const SceneDrawing d = RecordScene(structures::DrawRutile, RutileFrame);
    std::vector<Vec3> quarters;
    for (const Line& diagonal : RutileDiagonals)
        for (double t : {0.25, 0.75})
            quarters.push_back(Along(diagonal, t));
    EXPECT_EQ(DiffPoints(PositionsOfColour(d.atoms, structures::O), quarters), "");
}

TEST(Rutile, CellEdgesAndDiagonalsWithoutTheSmallScale)
{
    const SceneDrawing d = RecordScene(structures::DrawRutile, RutileFrame);
    std::vector<Line> expected = RutileDiagonals;
    const std::vector<Vec3> corners = RutileCorners();
    for (std::size_t i = 0; i < corners.size(); ++i)
        for (std::size_t j = i + 1; j < corners.size(); ++j) {
            const Vec3 &a = corners[i], &b = corners[j];
            const int differing = (a.x != b.x) + (a.y != b.y) + (a.z != b.z);
            if (differing == 1)
                expected.push_back({a, b});
        }
    ASSERT_EQ(expected.size(), 15u);
    EXPECT_EQ(d.lines.size(), 15u);
    EXPECT_EQ(DiffLines(d.lines, expected), "");
    // Unscaled: a long edge of the cell is 100 model units.
    const auto segments = d.gl.lineSegments();
    const bool hasLongEdge = std::any_of(segments.begin(), segments.end(), [](const auto& s) {
        return std::abs(distance(s.first.position, s.second.position) - 100) < Tolerance;
    });
    EXPECT_TRUE(hasLongEdge);
}

} // namespace
} // namespace vestrel::test
