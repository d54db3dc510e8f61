// SPDX-License-Identifier: MIT
// What every one of the seven scenes shares: counts, render state, the
// options it reads and ignores, and the order of atoms and lines.
#include "tests/structures_hex/hex_scene_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vestrel::test {
namespace {

constexpr Colour Grey{0.7f, 0.7f, 0.7f};
constexpr Colour Cyan{0, 1, 1};

class HexSceneConventions : public ::testing::TestWithParam<HexSceneCase> {};

// The length of the transform's first column: the uniform scale in force.
double ScaleOf(const Mat4& m)
{
    return std::sqrt(m.at(0, 0) * m.at(0, 0) + m.at(1, 0) * m.at(1, 0) + m.at(2, 0) * m.at(2, 0));
}

TEST_P(HexSceneConventions, DrawsTheStatedNumbersOfAtomsAndLines)
{
    const HexSceneCase& c = GetParam();
    const SceneDrawing d = RecordScene(c.block, c.frame);
    EXPECT_EQ(d.atoms.size(), c.spheres);
    EXPECT_EQ(DistinctLines(d.lines).size(), c.lines);
}

TEST_P(HexSceneConventions, WithoutLinesDrawsTheSameAtomsAndNoLine)
{
    const HexSceneCase& c = GetParam();
    DisplayOptions off;
    off.showLines = false;
    const SceneDrawing with = RecordScene(c.block, c.frame);
    const SceneDrawing without = RecordScene(c.block, c.frame, off);
    EXPECT_TRUE(without.gl.primitives.empty());
    ASSERT_EQ(without.atoms.size(), with.atoms.size());
    for (std::size_t i = 0; i < with.atoms.size(); ++i) {
        EXPECT_TRUE(Near(without.atoms[i].position, with.atoms[i].position)) << "atom " << i;
        EXPECT_EQ(without.atoms[i].colour, with.atoms[i].colour) << "atom " << i;
    }
}

TEST_P(HexSceneConventions, ScrewAxisOptionsChangeNothing)
{
    const HexSceneCase& c = GetParam();
    const SceneDrawing plain = RecordScene(c.block, c.frame);
    for (int screwColour : {0, 2, -1}) {
        DisplayOptions opt;
        opt.showScrewAxes = true;
        opt.screwColour = screwColour;
        const SceneDrawing screw = RecordScene(c.block, c.frame, opt);
        EXPECT_EQ(screw.gl.colours, plain.gl.colours) << "screw colour " << screwColour;
        EXPECT_TRUE(screw.gl.cylinders().empty());
        EXPECT_EQ(DiffPoints(Positions(screw.atoms), Positions(plain.atoms)), "");
        EXPECT_EQ(screw.lines.size(), plain.lines.size());
        EXPECT_EQ(DiffLines(screw.lines, plain.lines), "");
    }
}

TEST_P(HexSceneConventions, LightingIsOffBeforeAnythingIsDrawnAndStaysOff)
{
    const HexSceneCase& c = GetParam();
    RecordingDraw gl;
    gl.lighting(true);
    gl.resetRecording();
    c.block(gl, {});
    ASSERT_FALSE(gl.events.empty());
    bool lightingSwitchedOff = false;
    for (const RecordedEvent& e : gl.events) {
        if (e.kind == RecordedEvent::Kind::Lighting) {
            EXPECT_EQ(e.index, 0u) << "lighting switched on";
            lightingSwitchedOff = true;
        }
        if (e.kind == RecordedEvent::Kind::Primitive || e.kind == RecordedEvent::Kind::Solid) {
            EXPECT_TRUE(lightingSwitchedOff) << "drawn before lighting was switched off";
            break;
        }
    }
    EXPECT_FALSE(gl.lightingOn);
}

TEST_P(HexSceneConventions, MatrixStackIsBalancedAndUseIsClean)
{
    const HexSceneCase& c = GetParam();
    RecordingDraw gl;
    c.block(gl, {});
    EXPECT_EQ(gl.stackDepth(), 0);
    EXPECT_GE(gl.maxStackDepth, 1);
    EXPECT_TRUE(gl.errors.empty()) << gl.errors.front();
    EXPECT_TRUE(Near(gl.matrix().apply({10, 20, 30}), {10, 20, 30})) << "matrix not restored";
}

TEST_P(HexSceneConventions, EntersCyanAndLeavesGrey)
{
    const HexSceneCase& c = GetParam();
    RecordingDraw gl;
    c.block(gl, {});
    ASSERT_FALSE(gl.colours.empty());
    EXPECT_EQ(gl.colours.front(), Cyan);
    EXPECT_EQ(gl.colours.back(), Grey);
}

TEST_P(HexSceneConventions, AtomsAreSolidBallsOfRadiusFourInElementColours)
{
    const HexSceneCase& c = GetParam();
    RecordingDraw gl;
    gl.quadricDrawStyle(QuadricStyle::Line); // as an auxiliary axis leaves it
    gl.quadricOrientation(QuadricOrientation::Outside);
    gl.resetRecording();
    c.block(gl, {});
    // The quadric is set once, before the first atom.
    EXPECT_EQ(gl.quadricCalls.size(), 3u);
    const QuadricState atomState{QuadricStyle::Fill, QuadricOrientation::Inside, QuadricNormals::Smooth};
    for (const RecordedSolid* s : gl.spheres()) {
        EXPECT_EQ(s->radius, 4);
        EXPECT_EQ(s->slices, c.slices);
        EXPECT_EQ(s->stacks, c.slices);
        EXPECT_EQ(s->quadric, atomState);
        EXPECT_FALSE(s->lighting);
        EXPECT_NEAR(ScaleOf(s->transform), c.frame.scale, 1e-9);
        EXPECT_NE(std::find(c.elements.begin(), c.elements.end(), s->colour), c.elements.end())
            << "not an element colour of the scene";
    }
    for (const Colour& element : c.elements)
        EXPECT_TRUE(std::any_of(gl.solids.begin(), gl.solids.end(), [&](const RecordedSolid& s) { return s.colour == element; }))
            << "no atom in colour (" << element.r << ", " << element.g << ", " << element.b << ")";
}

TEST_P(HexSceneConventions, LinesAreGreyAndTwoWide)
{
    const HexSceneCase& c = GetParam();
    RecordingDraw gl;
    c.block(gl, {});
    ASSERT_FALSE(gl.primitives.empty());
    for (const RecordedPrimitive& p : gl.primitives) {
        EXPECT_EQ(p.mode, Primitive::Lines);
        EXPECT_EQ(p.lineWidth, 2);
        EXPECT_FALSE(p.lighting);
        for (const RecordedVertex& v : p.vertices)
            EXPECT_EQ(v.colour, Grey);
    }
}

TEST_P(HexSceneConventions, AtomsAndLinesComeInTheSceneOrder)
{
    const HexSceneCase& c = GetParam();
    RecordingDraw gl;
    c.block(gl, {});
    std::size_t firstSolid = gl.events.size(), lastSolid = 0, firstLine = gl.events.size(), lastLine = 0;
    for (std::size_t i = 0; i < gl.events.size(); ++i) {
        if (gl.events[i].kind == RecordedEvent::Kind::Solid) {
            firstSolid = std::min(firstSolid, i);
            lastSolid = i;
        }
        if (gl.events[i].kind == RecordedEvent::Kind::Primitive) {
            firstLine = std::min(firstLine, i);
            lastLine = i;
        }
    }
    if (c.linesBeforeAtoms)
        EXPECT_LT(lastLine, firstSolid);
    else
        EXPECT_LT(lastSolid, firstLine);
}

INSTANTIATE_TEST_SUITE_P(Scenes, HexSceneConventions, ::testing::ValuesIn(HexSceneCases()),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace vestrel::test
