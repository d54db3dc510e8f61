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

// Three upper rings meeting at one atom, and one lower ring: in graphite
// shifted against them (ABAB), in boron nitride right under the first.
const std::vector<Vec3> GraphiteRings{{0, 40, 0}, {54, 40, 30}, {36, -40, 0}, {54, 40, -30}};
const std::vector<Vec3> BoronNitrideRings{{0, 40, 0}, {54, 40, 30}, {0, -40, 0}, {54, 40, -30}};

std::vector<Vec3> AllRingAtoms(const std::vector<Vec3>& rings)
{
    std::vector<Vec3> atoms;
    for (const Vec3& centre : rings)
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
    std::vector<Vec3> rings;
};

void PrintTo(const NetCase& c, std::ostream* os) { *os << c.name; }

class LayeredNets : public ::testing::TestWithParam<NetCase> {};

TEST_P(LayeredNets, FourRingsOf24AtomsOn19Places)
{
    const NetCase& c = GetParam();
    const SceneDrawing d = RecordScene(c.block, c.frame);
    const std::vector<Vec3> atoms = Positions(d.atoms);
    EXPECT_EQ(DiffPoints(atoms, AllRingAtoms(c.rings)), "");
    EXPECT_EQ(DistinctPoints(atoms).size(), 19u);
    EXPECT_EQ(CountAt(atoms, {36, 40, 0}), 3u);
    for (const Vec3& shared : {Vec3{18, 40, 30}, Vec3{18, 40, -30}, Vec3{72, 40, 0}})
        EXPECT_EQ(CountAt(atoms, shared), 2u) << ToString(shared);
    // Rings are drawn one after the other in the order R1, R2, R3, R4.
    ASSERT_EQ(d.atoms.size(), 24u);
    for (std::size_t ring = 0; ring < 4; ++ring)
        for (std::size_t k = 0; k < 6; ++k)
            EXPECT_NEAR(distance(d.atoms[ring * 6 + k].position, c.rings[ring]), 35.5, 0.6)
                << "ring " << ring << " atom " << k;
}

// Every connecting line is a bond from atom centre to atom centre: the
// hexagons run along the rings' own edges, and the three vertical lines join
// an upper atom to the atom right below it.
TEST_P(LayeredNets, EveryLineEndsAtAtomCentres)
{
    const NetCase& c = GetParam();
    const SceneDrawing d = RecordScene(c.block, c.frame);
    const std::vector<Vec3> atoms = Positions(d.atoms);
    ASSERT_EQ(d.lines.size(), 27u);
    for (const Line& l : d.lines) {
        EXPECT_GE(CountAt(atoms, l.from), 1u) << ToString(l.from);
        EXPECT_GE(CountAt(atoms, l.to), 1u) << ToString(l.to);
    }
    std::vector<Line> horizontal, vertical;
    for (const Line& l : d.lines)
        (IsVertical(l) ? vertical : horizontal).push_back(l);
    std::vector<Line> expected;
    for (const Vec3& centre : c.rings)
        for (const Line& l : PolygonEdges(centre, HexagonAround(centre)))
            expected.push_back(l);
    EXPECT_EQ(horizontal.size(), 24u);
    EXPECT_EQ(DiffLines(horizontal, expected), "");
    EXPECT_EQ(DistinctLines(horizontal).size(), 21u);
    ASSERT_EQ(vertical.size(), 3u);
    for (const Line& l : vertical) {
        EXPECT_NEAR(l.from.x, l.to.x, Tolerance);
        EXPECT_NEAR(l.from.z, l.to.z, Tolerance);
        EXPECT_NEAR(std::abs(l.from.y - l.to.y), 80, Tolerance) << "from one layer to the other";
    }
    EXPECT_EQ(DistinctLines(vertical).size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Scenes, LayeredNets,
                         ::testing::Values(NetCase{"graphite", structures::DrawGraphite, GraphiteFrame, GraphiteRings},
                                           NetCase{"boron_nitride", structures::DrawBoronNitride, BoronNitrideFrame,
                                                   BoronNitrideRings}),
                         [](const auto& info) { return info.param.name; });

// Graphite's layers are shifted against each other: half the atoms of the
// lower ring lie under upper atoms, the other half under the middles of
// upper rings.
TEST(Graphite, TheLowerRingIsShiftedUnderTheUpperLayer)
{
    const SceneDrawing d = RecordScene(structures::DrawGraphite, GraphiteFrame);
    std::vector<Vec3> upperAll;
    for (std::size_t i = 0; i < d.atoms.size(); ++i)
        if (i / 6 != 2)
            upperAll.push_back(d.atoms[i].position);
    int under = 0;
    for (std::size_t i = 12; i < 18; ++i) {
        const Vec3 p = d.atoms[i].position;
        under += CountAt(upperAll, {p.x, 40, p.z}) > 0;
    }
    EXPECT_EQ(under, 3);
}

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
        const Vec3 c = BoronNitrideRings[ring];
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

// h-BN stacks its rings right above each other with B and N exchanged: every
// atom of the lower ring has an atom of the other element right above it.
TEST(BoronNitride, NitrogenLiesOverBoronAndBoronOverNitrogen)
{
    const SceneDrawing d = RecordScene(structures::DrawBoronNitride, BoronNitrideFrame);
    ASSERT_EQ(d.atoms.size(), 24u);
    int nitrogenOverBoron = 0, boronOverNitrogen = 0;
    for (const Atom& lower : d.atoms) {
        if (std::abs(lower.position.y + 40) > Tolerance)
            continue;
        int above = 0;
        for (const Atom& upper : d.atoms)
            if (Near(upper.position, {lower.position.x, 40, lower.position.z})) {
                ++above;
                EXPECT_NE(upper.colour, lower.colour) << ToString(lower.position);
                nitrogenOverBoron += upper.colour == structures::N;
                boronOverNitrogen += upper.colour == structures::B;
            }
        EXPECT_GE(above, 1) << "an atom right above " << ToString(lower.position);
    }
    EXPECT_GT(nitrogenOverBoron, 0);
    EXPECT_GT(boronOverNitrogen, 0);
}

// The upper layers of the two scenes are the same in scene coordinates; the
// lower ring of graphite lies one atom spacing (36) along x from boron
// nitride's.
TEST(LayeredNets, GraphiteAndBoronNitrideShareTheUpperLayer)
{
    const SceneDrawing graphite = RecordScene(structures::DrawGraphite, GraphiteFrame);
    const SceneDrawing nitride = RecordScene(structures::DrawBoronNitride, BoronNitrideFrame);
    ASSERT_EQ(graphite.atoms.size(), nitride.atoms.size());
    for (std::size_t i = 0; i < graphite.atoms.size(); ++i) {
        const Vec3 shift = i / 6 == 2 ? Vec3{36, 0, 0} : Vec3{};
        EXPECT_TRUE(Near(graphite.atoms[i].position, nitride.atoms[i].position + shift)) << "atom " << i;
    }
}

TEST(LayeredNets, GraphiteSitsTwoLeftAndEightAboveBoronNitrideInTheModel)
{
    RecordingDraw graphite, nitride;
    structures::DrawGraphite(graphite, {});
    structures::DrawBoronNitride(nitride, {});
    ASSERT_EQ(graphite.spheres().size(), nitride.spheres().size());
    for (std::size_t i = 0; i < graphite.spheres().size(); ++i) {
        const Vec3 g = graphite.spheres()[i]->centre, n = nitride.spheres()[i]->centre;
        // The lower ring of graphite is further moved by 36 scene units, 28.8
        // in the model.
        const Vec3 expected = i / 6 == 2 ? Vec3{-2 + 28.8, 8, 0} : Vec3{-2, 8, 0};
        EXPECT_TRUE(Near(g - n, expected, 1e-4)) << "atom " << i;
    }
}

} // namespace
} // namespace vestrel::test
