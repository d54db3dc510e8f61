// SPDX-License-Identifier: MIT
// Graphite and boron nitride: rings of atoms, hexagons of lines beside them
// and the vertical lines between the layers, in scene coordinates.
#include "tests/structures_hex/hex_scene_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vestrel::test {
namespace {

const SceneFrame GraphiteFrame{{0, 50, 0}, 0.8, {-40, 40, 0}};
const SceneFrame BoronNitrideFrame{{-30, 10, 0}, 0.8, {}};

// Three upper rings meeting at one atom, and one lower ring.
const std::vector<Vec3> RingCentres{{0, 40, 0}, {54, 40, 30}, {36, -40, 1}, {54, 40, -30}};
// Each line hexagon sits 2 towards -x and 1 towards +z from its ring.
const Vec3 LineHexagonShift{-2, 0, 1};

std::vector<Vec3> AllRingAtoms()
{
    std::vector<Vec3> atoms;
    for (const Vec3& centre : RingCentres)
        for (const Vec3& v : HexagonAround(centre))
            atoms.push_back(v);
    return atoms;
}

std::size_t CountAt(const std::vector<Vec3>& points, const Vec3& p)
{
    return static_cast<std::size_t>(std::count_if(points.begin(), points.end(), [&](const Vec3& q) { return Near(p, q); }));
}

bool IsVertical(const Line& l) { return std::abs(l.from.y - l.to.y) > Tolerance; }

struct NetCase {
    std::string name;
    SceneBlock block;
    SceneFrame frame;
};

void PrintTo(const NetCase& c, std::ostream* os) { *os << c.name; }

class LayeredNets : public ::testing::TestWithParam<NetCase> {};

TEST_P(LayeredNets, FourRingsOf24AtomsOn19Places)
{
    const SceneDrawing d = RecordScene(GetParam().block, GetParam().frame);
    const std::vector<Vec3> atoms = Positions(d.atoms);
    EXPECT_EQ(DiffPoints(atoms, AllRingAtoms()), "");
    EXPECT_EQ(DistinctPoints(atoms).size(), 19u);
    EXPECT_EQ(CountAt(atoms, {36, 40, 0}), 3u);
    for (const Vec3& shared : {Vec3{18, 40, 30}, Vec3{18, 40, -30}, Vec3{72, 40, 0}})
        EXPECT_EQ(CountAt(atoms, shared), 2u) << ToString(shared);
    // Rings are drawn one after the other in the order R1, R2, R3, R4.
    ASSERT_EQ(d.atoms.size(), 24u);
    for (std::size_t ring = 0; ring < 4; ++ring)
        for (std::size_t k = 0; k < 6; ++k)
            EXPECT_NEAR(distance(d.atoms[ring * 6 + k].position, RingCentres[ring]), 35.5, 0.6)
                << "ring " << ring << " atom " << k;
}

TEST_P(LayeredNets, LineHexagonsBesideTheRingsAndThreeVerticals)
{
    const SceneDrawing d = RecordScene(GetParam().block, GetParam().frame);
    std::vector<Line> horizontal, vertical;
    for (const Line& l : d.lines)
        (IsVertical(l) ? vertical : horizontal).push_back(l);
    std::vector<Line> expected;
    for (const Vec3& centre : RingCentres) {
        const Vec3 m = Plus(centre, LineHexagonShift);
        for (const Line& l : PolygonEdges(m, HexagonAround(m)))
            expected.push_back(l);
    }
    EXPECT_EQ(horizontal.size(), 24u);
    EXPECT_EQ(DiffLines(horizontal, expected), "");
    EXPECT_EQ(DistinctLines(horizontal).size(), 21u);
    EXPECT_EQ(DiffLines(vertical, {{{16, 40, 31}, {16, -40, 31}}, {{16, 40, -29}, {16, -40, -29}}, {{70, 40, 1}, {70, -40, 1}}}),
              "");
}

TEST_P(LayeredNets, VerticalsFallFromLineHexagonCornersToNearALowerAtom)
{
    const SceneDrawing d = RecordScene(GetParam().block, GetParam().frame);
    std::vector<Vec3> upperCorners;
    for (const Vec3& centre : {RingCentres[1], RingCentres[3]})
        for (const Vec3& v : HexagonAround(Plus(centre, LineHexagonShift)))
            upperCorners.push_back(v);
    const std::vector<Vec3> lowerAtoms = HexagonAround(RingCentres[2]);
    int verticals = 0;
    for (const Line& l : d.lines) {
        if (!IsVertical(l))
            continue;
        ++verticals;
        const Vec3 top = l.from.y > l.to.y ? l.from : l.to, bottom = l.from.y > l.to.y ? l.to : l.from;
        EXPECT_GE(CountAt(upperCorners, top), 1u) << ToString(top);
        EXPECT_TRUE(Near(bottom, {top.x, -40, top.z})) << ToString(bottom);
        double nearest = 1e9;
        for (const Vec3& a : lowerAtoms)
            nearest = std::min(nearest, distance(a, bottom));
        EXPECT_GT(nearest, 1);
        EXPECT_LT(nearest, 3);
    }
    EXPECT_EQ(verticals, 3);
}

INSTANTIATE_TEST_SUITE_P(Scenes, LayeredNets,
                         ::testing::Values(NetCase{"graphite", structures::DrawGraphite, GraphiteFrame},
                                           NetCase{"boron_nitride", structures::DrawBoronNitride, BoronNitrideFrame}),
                         [](const auto& info) { return info.param.name; });

TEST(Graphite, EveryAtomIsCarbonAfterOneColourCall)
{
    RecordingDraw gl;
    structures::DrawGraphite(gl, {});
    const Colour carbon = structures::C;
    for (const RecordedSolid* s : gl.spheres())
        EXPECT_EQ(s->colour, carbon);
    EXPECT_EQ(std::count(gl.colours.begin(), gl.colours.end(), carbon), 1);
}

TEST(BoronNitride, BoronAndNitrogenAlternateAroundEveryRing)
{
    const SceneDrawing d = RecordScene(structures::DrawBoronNitride, BoronNitrideFrame);
    ASSERT_EQ(d.atoms.size(), 24u);
    for (std::size_t ring = 0; ring < 4; ++ring) {
        std::vector<Atom> atoms(d.atoms.begin() + ring * 6, d.atoms.begin() + ring * 6 + 6);
        const Vec3 c = RingCentres[ring];
        std::sort(atoms.begin(), atoms.end(), [&](const Atom& a, const Atom& b) {
            return std::atan2(a.position.z - c.z, a.position.x - c.x) < std::atan2(b.position.z - c.z, b.position.x - c.x);
        });
        for (std::size_t k = 0; k < 6; ++k) {
            const Colour& here = atoms[k].colour;
            EXPECT_TRUE(here == structures::B || here == structures::N);
            EXPECT_NE(here, atoms[(k + 1) % 6].colour) << "ring " << ring;
        }
    }
}

TEST(BoronNitride, SharedAtomsHaveOneElementInEveryRing)
{
    const SceneDrawing d = RecordScene(structures::DrawBoronNitride, BoronNitrideFrame);
    for (const Atom& a : d.atoms) {
        if (Near(a.position, {36, 40, 0})) {
            EXPECT_EQ(a.colour, structures::N);
        }
        for (const Vec3& boron : {Vec3{18, 40, 30}, Vec3{18, 40, -30}, Vec3{72, 40, 0}}) {
            if (Near(a.position, boron)) {
                EXPECT_EQ(a.colour, structures::B) << ToString(boron);
            }
        }
    }
}

TEST(LayeredNets, GraphiteAndBoronNitrideShareEverySceneCoordinate)
{
    const SceneDrawing graphite = RecordScene(structures::DrawGraphite, GraphiteFrame);
    const SceneDrawing nitride = RecordScene(structures::DrawBoronNitride, BoronNitrideFrame);
    ASSERT_EQ(graphite.atoms.size(), nitride.atoms.size());
    for (std::size_t i = 0; i < graphite.atoms.size(); ++i)
        EXPECT_TRUE(Near(graphite.atoms[i].position, nitride.atoms[i].position)) << "atom " << i;
    EXPECT_EQ(DiffLines(graphite.lines, nitride.lines), "");
}

TEST(LayeredNets, GraphiteSitsTwoLeftAndEightAboveBoronNitrideInTheModel)
{
    RecordingDraw graphite, nitride;
    structures::DrawGraphite(graphite, {});
    structures::DrawBoronNitride(nitride, {});
    ASSERT_EQ(graphite.spheres().size(), nitride.spheres().size());
    for (std::size_t i = 0; i < graphite.spheres().size(); ++i) {
        const Vec3 g = graphite.spheres()[i]->centre, n = nitride.spheres()[i]->centre;
        EXPECT_TRUE(Near({g.x - n.x, g.y - n.y, g.z - n.z}, {-2, 8, 0}, 1e-4)) << "atom " << i;
    }
}

} // namespace
} // namespace vestrel::test
