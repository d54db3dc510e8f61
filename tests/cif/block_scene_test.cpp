// SPDX-License-Identifier: MIT
// The block of cells and its scene: atoms on faces, edges and corners
// repeated, the rock-salt cell where the built-in one puts its atoms, the
// scale and orientation, the balls and lines as the structure scenes draw
// them, and the frame routine drawing the scene after the built-in blocks.
#include "frame/frame.h"
#include "logic/cif/bond_rule.h"
#include "logic/cif/elements.h"
#include "logic/cif/loaded_structure.h"
#include "render/recording_draw.h"
#include "scenes/scene_registry.h"
#include "scenes/structures/element_colour_table.h"
#include "scenes/structures/element_colours.h"
#include "tests/cif/cif_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vestrel::test {
namespace {

constexpr Colour Grey{0.7f, 0.7f, 0.7f};

cif::LoadedStructure Load(const std::string& name, int cells = 1)
{
    cif::LoadedStructure s;
    const auto result = s.load(CifPath(name + ".cif"), cells);
    EXPECT_TRUE(result.ok) << name << ": " << result.message;
    return s;
}

struct Placed {
    Vec3 position;
    Colour colour;
};

// Centred on their mean and scaled so that the largest coordinate is 1.
std::vector<Placed> Normalised(const std::vector<const RecordedSolid*>& spheres)
{
    Vec3 mean;
    for (const auto* s : spheres) {
        mean.x += s->centre.x / spheres.size();
        mean.y += s->centre.y / spheres.size();
        mean.z += s->centre.z / spheres.size();
    }
    double extent = 0;
    for (const auto* s : spheres)
        extent = std::max({extent, std::abs(s->centre.x - mean.x), std::abs(s->centre.y - mean.y),
                           std::abs(s->centre.z - mean.z)});
    std::vector<Placed> out;
    for (const auto* s : spheres)
        out.push_back({{(s->centre.x - mean.x) / extent, (s->centre.y - mean.y) / extent,
                        (s->centre.z - mean.z) / extent},
                       s->colour});
    return out;
}

TEST(CifBlock, RockSaltCellHasItsAtomsWhereTheBuiltInCellHasThem)
{
    RecordingDraw builtIn;
    sceneRegistry()[index(SceneId::RockSalt)].draw(builtIn, DisplayOptions{});
    auto builtInSpheres = builtIn.spheres();
    ASSERT_EQ(builtInSpheres.size(), 54u);
    builtInSpheres.resize(27); // the first of its two cells

    const cif::LoadedStructure s = Load("rock_salt");
    RecordingDraw loaded;
    structures::DrawLoadedStructure(loaded, s.sceneData(), DisplayOptions{});
    const auto loadedSpheres = loaded.spheres();
    ASSERT_EQ(loadedSpheres.size(), 27u);

    const auto expected = Normalised(builtInSpheres);
    auto actual = Normalised(loadedSpheres);
    for (const Placed& e : expected) {
        const auto it = std::find_if(actual.begin(), actual.end(),
                                     [&](const Placed& a) { return distance(a.position, e.position) < 1e-6; });
        ASSERT_NE(it, actual.end()) << "no atom at " << e.position.x << " " << e.position.y << " " << e.position.z;
        EXPECT_EQ(it->colour, e.colour) << "at " << e.position.x << " " << e.position.y << " " << e.position.z;
        actual.erase(it);
    }
    EXPECT_TRUE(actual.empty());
}

TEST(CifBlock, AtomsOnFacesEdgesAndCornersAreRepeated)
{
    // A face-centred cubic cell shows 14 atoms; a block of 2 x 2 x 2 the 63
    // points of the half grid 0..4 with an even sum.
    EXPECT_EQ(Load("copper").block().atoms.size(), 14u);
    EXPECT_EQ(Load("copper", 2).block().atoms.size(), 63u);
    EXPECT_EQ(Load("caesium_chloride").block().atoms.size(), 9u);
    EXPECT_EQ(Load("rock_salt").block().atoms.size(), 27u);
    // Perovskite: 8 Sr corners, 1 Ti, 6 O face centres.
    EXPECT_EQ(Load("strontium_titanate").block().atoms.size(), 15u);
}

TEST(CifBlock, LongestCellEdgeIsFortyUnitsAndTheBlockIsCentred)
{
    for (const CifCase& c : CifCases()) {
        for (int cells : {1, 2}) {
            const cif::LoadedStructure s = Load(c.name, cells);
            double longest = 0;
            Vec3 sum;
            for (const auto& e : s.sceneData().cellEdges) {
                longest = std::max(longest, distance(e.from, e.to));
                sum = sum + e.from + e.to;
            }
            EXPECT_NEAR(longest, 40.0 * cells, 1e-9) << c.name;
            EXPECT_EQ(s.sceneData().cellEdges.size(), 3u * (cells + 1) * (cells + 1)) << c.name;
            EXPECT_NEAR(distance(sum, {}), 0, 1e-6) << c.name;
        }
    }
}

TEST(CifBlock, CrystalAxisCStandsUpright)
{
    // Wurtzite: the c edges are vertical on the screen (model y), 40 units
    // long, as the built-in hexagonal prisms stand.
    const cif::LoadedStructure s = Load("wurtzite");
    RecordingDraw gl;
    structures::DrawLoadedStructure(gl, s.sceneData(), DisplayOptions{});
    int vertical = 0;
    for (const auto& [from, to] : gl.lineSegments()) {
        const Vec3 d{to.position.x - from.position.x, to.position.y - from.position.y,
                     to.position.z - from.position.z};
        if (std::abs(std::abs(d.y) - 40) < 1e-6 && std::abs(d.x) < 1e-6 && std::abs(d.z) < 1e-6)
            ++vertical;
    }
    EXPECT_EQ(vertical, 4);
}

TEST(CifScene, DrawnLikeTheBuiltInStructures)
{
    const cif::LoadedStructure s = Load("calcite", 2);
    for (bool lines : {true, false}) {
        DisplayOptions opt;
        opt.showLines = lines;
        RecordingDraw gl;
        structures::DrawLoadedStructure(gl, s.sceneData(), opt);
        EXPECT_TRUE(gl.errors.empty());
        EXPECT_EQ(gl.stackDepth(), 0);
        const auto spheres = gl.spheres();
        ASSERT_EQ(spheres.size(), s.block().atoms.size());
        for (const auto* ball : spheres) {
            EXPECT_FALSE(ball->lighting);
            EXPECT_EQ(ball->quadric.style, QuadricStyle::Fill);
        }
        const auto segments = gl.lineSegments();
        if (lines) {
            EXPECT_EQ(segments.size(), s.block().cellEdges.size() + s.block().bonds.size());
            for (const auto* p : gl.primitivesOf(Primitive::Lines)) {
                EXPECT_EQ(p->lineWidth, 2);
                EXPECT_FALSE(p->lighting);
                for (const auto& v : p->vertices)
                    EXPECT_EQ(v.colour, Grey);
            }
        } else {
            EXPECT_TRUE(segments.empty());
        }
        EXPECT_EQ(gl.currentColour, Grey); // the structure scenes' exit colour
    }
}

TEST(CifScene, EveryElementInItsColourAndEveryBallWhereItsAtomIs)
{
    for (const CifCase& c : CifCases()) {
        const cif::LoadedStructure s = Load(c.name);
        RecordingDraw gl;
        structures::DrawLoadedStructure(gl, s.sceneData(), DisplayOptions{});
        std::vector<Placed> drawn;
        for (const auto* ball : gl.spheres())
            drawn.push_back({ball->centre, ball->colour});
        for (const cif::BlockAtom& a : s.block().atoms) {
            // Scene frame to model frame: the half turn about X.
            const Vec3 scene = cif::ToScene(s.crystal(), s.block(), a.position);
            const Vec3 model{scene.x, -scene.y, -scene.z};
            const Colour colour = structures::AtomColour(cif::ElementSymbol(a.element));
            const auto it = std::find_if(drawn.begin(), drawn.end(), [&](const Placed& p) {
                return distance(p.position, model) < 1e-6 && p.colour == colour;
            });
            ASSERT_NE(it, drawn.end()) << c.name << ": no " << cif::ElementSymbol(a.element) << " ball";
            drawn.erase(it);
        }
    }
    // The legend's colours where it has them.
    EXPECT_EQ(structures::AtomColour("Na"), structures::Na);
    EXPECT_EQ(structures::AtomColour("O"), structures::O);
    EXPECT_TRUE(structures::HasLegendColour("Ti"));
    EXPECT_FALSE(structures::HasLegendColour("Sr"));
    EXPECT_NE(structures::AtomColour("Sr"), structures::AtomColour("Al"));
}

TEST(CifScene, BallsProportionalToCovalentRadiiAndClearOfEachOther)
{
    for (const CifCase& c : CifCases()) {
        const cif::LoadedStructure s = Load(c.name, 2);
        const auto& atoms = s.block().atoms;
        // Scene balls follow the block atoms, grouped by colour: find each
        // atom's radius through its element.
        std::map<int, double> radius;
        const double scale = 40.0 / std::max({s.crystal().cell.a, s.crystal().cell.b, s.crystal().cell.c});
        for (const Ball& b : s.sceneData().atoms)
            for (const cif::BlockAtom& a : atoms)
                if (structures::AtomColour(cif::ElementSymbol(a.element)) == b.colour)
                    radius[a.element] = b.radius / scale; // angstroms
        double ratio = -1;
        for (const auto& [element, r] : radius) {
            const double k = r / cif::CovalentRadius(element);
            if (ratio < 0)
                ratio = k;
            EXPECT_NEAR(k, ratio, 1e-9) << c.name << " " << cif::ElementSymbol(element);
        }
        // On the most crowded bond the balls cover 0.4 of it, on none more.
        double most = 0;
        for (const auto& [i, j] : s.block().bonds) {
            const double d = distance(atoms[i].position, atoms[j].position);
            most = std::max(most, (radius[atoms[i].element] + radius[atoms[j].element]) / d);
        }
        EXPECT_NEAR(most, cif::BallShareOfBond, 1e-9) << c.name;
    }
}

TEST(CifScene, BondsFollowTheBondRule)
{
    // Cuprite: every Cu has 2 O, no Cu-Cu bond; copper: Cu-Cu bonds.
    const cif::LoadedStructure cuprite = Load("cuprite", 2);
    const auto& atoms = cuprite.block().atoms;
    for (const auto& [i, j] : cuprite.block().bonds)
        EXPECT_NE(atoms[i].element, atoms[j].element);
    EXPECT_FALSE(cuprite.block().bonds.empty());
    const cif::LoadedStructure copper = Load("copper");
    // 14 atoms of a face-centred cell at a / sqrt 2: each face centre to its
    // 4 corners (24), and the centres of adjacent faces to each other (12).
    EXPECT_EQ(copper.block().bonds.size(), 36u);
}

TEST(CifFrame, LoadedStructureDrawnAfterTheBuiltInBlocksOnlyWhenGiven)
{
    const cif::LoadedStructure s = Load("rutile");
    FrameInputs in;
    in.scenes[index(SceneId::RockSalt)] = true;
    ViewState view;
    RecordingDraw without;
    DrawFrame(without, in, view);
    EXPECT_EQ(without.spheres().size(), 54u);

    in.loadedStructure = &s.sceneData();
    RecordingDraw with;
    DrawFrame(with, in, view);
    const auto spheres = with.spheres();
    ASSERT_EQ(spheres.size(), 54u + s.block().atoms.size());
    // The built-in balls come first, unchanged.
    const auto before = without.spheres();
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(spheres[i]->centre, before[i]->centre);
    EXPECT_EQ(with.stackDepth(), 0);
}

TEST(CifCells, ChangingTheNumberOfCellsRebuildsTheBlock)
{
    cif::LoadedStructure s = Load("spinel");
    const std::string memo = s.memoText();
    ASSERT_TRUE(s.setCells(4).ok);
    EXPECT_EQ(s.cells(), 4);
    EXPECT_EQ(static_cast<long long>(s.block().atoms.size()), cif::CountBlockAtoms(s.crystal(), 4));
    EXPECT_EQ(s.sceneData().atoms.size(), s.block().atoms.size());
    EXPECT_EQ(s.memoText(), memo);
    const auto bad = s.setCells(0);
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.message, "Число ячеек по осям должно быть от 1 до 10.");
    EXPECT_EQ(s.cells(), 4);
}

} // namespace
} // namespace vestrel::test
