// SPDX-License-Identifier: MIT
// What every cubic structure scene shares: counts of balls and lines with the
// connecting lines on and off, ball size and resolution, lighting, matrix
// stack, line colour and width.
#include "scenes/structures/structures.h"
#include "tests/structures_cubic/scene_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>

namespace vestrel::test {
namespace {

struct SceneCase {
    const char* name;
    Block block;
    int balls;          // spheres drawn
    int places;         // distinct ball places
    int lines;          // connecting lines with the lines option on
    int resolution;     // slices = stacks
    bool hasScrewAxis;
    bool linesEndAtAtoms; // every line end is a ball centre
};

void PrintTo(const SceneCase& c, std::ostream* os) { *os << c.name; }

using namespace structures;
const SceneCase kScenes[] = {
    {"RockSalt", DrawRockSalt, 54, 45, 54, 30, true, true},
    {"CaesiumChloride", DrawCaesiumChloride, 16, 16, 24, 30, false, true},
    {"AlphaIron", DrawAlphaIron, 9, 9, 16, 25, false, true},
    {"GammaIron", DrawGammaIron, 14, 14, 27, 25, false, false},
    {"Copper", DrawCopper, 14, 14, 15, 25, false, true},
    {"Cuprite", DrawCuprite, 13, 13, 16, 30, true, true},
    {"Diamond", DrawDiamond, 18, 18, 28, 30, false, true},
    {"Sphalerite", DrawSphalerite, 18, 18, 28, 30, false, true},
    {"Fluorite", DrawFluorite, 22, 22, 44, 30, false, true},
    {"Pyrite", DrawPyrite, 40, 40, 40, 25, false, false},
    {"Chalcopyrite", DrawChalcopyrite, 36, 31, 56, 30, false, true},
};

class CubicScene : public testing::TestWithParam<SceneCase> {
protected:
    RecordingDraw Record(const DisplayOptions& opt, bool wire = false)
    {
        return RunScene(GetParam().block, opt, wire);
    }
};

TEST_P(CubicScene, DrawsItsBallsWithLinesOnAndOff)
{
    const SceneCase& c = GetParam();
    for (bool lines : {true, false}) {
        SCOPED_TRACE(lines ? "lines on" : "lines off");
        const RecordingDraw gl = Record(Options(lines));
        const auto balls = Balls(gl);
        EXPECT_EQ(static_cast<int>(balls.size()), c.balls);
        EXPECT_EQ(static_cast<int>(Distinct(AllPlaces(balls)).size()), c.places);
        EXPECT_EQ(static_cast<int>(Lines(gl).size()), lines ? c.lines : 0);
        EXPECT_TRUE(gl.cylinders().empty());
    }
}

TEST_P(CubicScene, BallsAreFlatSolidSpheresOfRadiusFour)
{
    const SceneCase& c = GetParam();
    // A wire quadric left over from the auxiliary axes must not reach the atoms.
    const RecordingDraw gl = Record(Options(true), /*wire=*/true);
    ASSERT_FALSE(gl.spheres().empty());
    for (const RecordedSolid* s : gl.spheres()) {
        EXPECT_EQ(s->radius, 4);
        EXPECT_EQ(s->slices, c.resolution);
        EXPECT_EQ(s->stacks, c.resolution);
        EXPECT_EQ(s->quadric.style, QuadricStyle::Fill);
        EXPECT_EQ(s->quadric.orientation, QuadricOrientation::Inside);
        EXPECT_EQ(s->quadric.normals, QuadricNormals::Smooth);
        EXPECT_FALSE(s->lighting);
    }
}

TEST_P(CubicScene, LightingGoesOffBeforeAnythingIsDrawn)
{
    const RecordingDraw gl = Record(Options(true, GetParam().hasScrewAxis));
    ASSERT_FALSE(gl.events.empty());
    const auto firstDrawing = std::find_if(gl.events.begin(), gl.events.end(), [](const RecordedEvent& e) {
        return e.kind == RecordedEvent::Kind::Primitive || e.kind == RecordedEvent::Kind::Solid;
    });
    const auto firstLighting = std::find_if(gl.events.begin(), gl.events.end(), [](const RecordedEvent& e) {
        return e.kind == RecordedEvent::Kind::Lighting;
    });
    ASSERT_NE(firstLighting, gl.events.end());
    EXPECT_EQ(firstLighting->index, 0u) << "first lighting switch must turn it off";
    EXPECT_LT(firstLighting - gl.events.begin(), firstDrawing - gl.events.begin());
    for (const RecordedEvent& e : gl.events) {
        if (e.kind == RecordedEvent::Kind::Lighting) {
            EXPECT_EQ(e.index, 0u) << "lighting switched on inside the scene";
        }
    }
    EXPECT_FALSE(gl.lightingOn) << "lighting stays off for the rest of the frame";
}

TEST_P(CubicScene, LeavesTheMatrixStackAsFound)
{
    RecordingDraw gl;
    PrepareAsFrame(gl);
    gl.translatef(1, -2, -60);
    gl.rotatef(-30, 0, 1, 0);
    gl.scalef(0.3f, 0.3f, 0.3f);
    const Mat4 before = gl.matrix();
    GetParam().block(gl, Options(true, GetParam().hasScrewAxis));
    EXPECT_TRUE(gl.errors.empty()) << gl.errors.front();
    EXPECT_EQ(gl.stackDepth(), 0);
    EXPECT_GE(gl.maxStackDepth, 1) << "the scene pushes before it moves the origin";
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(gl.matrix().m[i], before.m[i], 1e-9);
}

TEST_P(CubicScene, ConnectingLinesAreGreyAndTwoWide)
{
    const RecordingDraw gl = Record(Options(true));
    ASSERT_FALSE(gl.primitives.empty());
    for (const RecordedPrimitive& p : gl.primitives) {
        EXPECT_EQ(p.mode, Primitive::Lines);
        EXPECT_EQ(p.lineWidth, 2);
        EXPECT_FALSE(p.lighting);
        EXPECT_EQ(p.vertices.size() % 2, 0u);
        for (const RecordedVertex& v : p.vertices)
            EXPECT_TRUE(SameColour(v.colour, kGrey));
    }
    EXPECT_TRUE(SameColour(gl.currentColour, kGrey)) << "the scene ends in grey";
}

TEST_P(CubicScene, LinesJoinAtomsOrGridPoints)
{
    const SceneCase& c = GetParam();
    const RecordingDraw gl = Record(Options(true));
    const auto places = AllPlaces(Balls(gl));
    for (const Line& l : Lines(gl)) {
        for (const Vec3& end : {l.a, l.b}) {
            if (Contains(places, end))
                continue;
            EXPECT_FALSE(c.linesEndAtAtoms) << end.x << " " << end.y << " " << end.z;
            // Otherwise an empty edge midpoint of the cube of half-edge 25,
            // where the 3 x 3 x 3 grid ends.
            int zeros = 0, edges = 0;
            for (double v : {end.x, end.y, end.z}) {
                zeros += std::abs(v) < 1e-4;
                edges += std::abs(std::abs(v) - 25) < 1e-4;
            }
            EXPECT_TRUE(zeros == 1 && edges == 2) << end.x << " " << end.y << " " << end.z;
        }
    }
}

TEST_P(CubicScene, ScrewAxisOptionOnlyTouchesScenesWithScrewAxes)
{
    const SceneCase& c = GetParam();
    for (bool lines : {true, false}) {
        const RecordingDraw off = Record(Options(lines, false));
        const RecordingDraw on = Record(Options(lines, true));
        if (c.hasScrewAxis) {
            EXPECT_GT(on.lineSegments().size(), off.lineSegments().size());
            EXPECT_FALSE(on.cylinders().empty());
            continue;
        }
        ASSERT_EQ(on.lineSegments().size(), off.lineSegments().size());
        ASSERT_EQ(on.solids.size(), off.solids.size());
        for (std::size_t i = 0; i < on.solids.size(); ++i) {
            EXPECT_TRUE(Near(on.solids[i].centre, off.solids[i].centre));
            EXPECT_TRUE(SameColour(on.solids[i].colour, off.solids[i].colour));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Structures, CubicScene, testing::ValuesIn(kScenes),
                         [](const testing::TestParamInfo<SceneCase>& info) { return info.param.name; });

} // namespace
} // namespace vestrel::test
