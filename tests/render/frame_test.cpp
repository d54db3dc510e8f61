// SPDX-License-Identifier: MIT
// The frame routine: camera, automatic rotation and its wrap, the maximum
// distance, the auxiliary planes and axes, and the order of the scene blocks.
#include "frame/frame.h"
#include "render/recording_draw.h"
#include "scenes/scene_registry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace vestrel {
namespace {

constexpr Colour Grey{0.7f, 0.7f, 0.7f};
constexpr Colour Red{1, 0, 0};
constexpr Colour Green{0, 1, 0};
constexpr Colour Blue{0, 0, 1};

bool near(const Vec3& a, const Vec3& b, double eps = 1e-4) { return distance(a, b) < eps; }

TEST(AutomaticRotation, AddsThreeTenthsOfADegreePerFrameOnlyWhenOn)
{
    FrameInputs in;
    ViewState view;
    AdvanceView(in, view);
    EXPECT_DOUBLE_EQ(view.RotY, -30);
    in.autoRotate = true;
    AdvanceView(in, view);
    AdvanceView(in, view);
    EXPECT_NEAR(view.RotY, -29.4, 1e-12);
}

TEST(AutomaticRotation, WrapsByAWholeTurnSoTheModelNeverJumps)
{
    FrameInputs in;
    in.autoRotate = true;
    ViewState view;
    view.RotY = 359.9;
    AdvanceView(in, view); // 360.2 -> 0.2
    EXPECT_NEAR(view.RotY, 0.2, 1e-9);

    in.autoRotate = false;
    view.RotY = 365; // reached by dragging
    AdvanceView(in, view);
    EXPECT_NEAR(view.RotY, 5, 1e-12);

    view.RotY = -400; // negative angles stay as they are
    AdvanceView(in, view);
    EXPECT_DOUBLE_EQ(view.RotY, -400);
}

TEST(MaximumDistance, ForcesOneHundredFiftyAndHidesTheTrackBar)
{
    FrameInputs in;
    ViewState view;
    view.Distance = 12;
    EXPECT_TRUE(AdvanceView(in, view));
    EXPECT_EQ(view.Distance, 12);
    in.maxDistance = true;
    EXPECT_FALSE(AdvanceView(in, view));
    EXPECT_EQ(view.Distance, 150);
}

TEST(Camera, ModelFrameIsTranslatedTurnedAndScaled)
{
    // A plane line's end point tells where the model frame lies in eye
    // coordinates: eye = T(pan, -d) Ry(RotY) Rx(RotX) S(0.3) model.
    RecordingDraw gl;
    FrameInputs in;
    in.planeXZ = true;
    ViewState view;
    view.RotY = 90;
    view.RotX = 0;
    view.PanX = 1;
    view.PanY = -2;
    view.Distance = 60;
    DrawFrame(gl, in, view);
    // First line: (-60, -60, 0) to (60, -60, 0). Ry(90) takes +x to -z.
    const auto& first = gl.primitives.front().vertices;
    EXPECT_TRUE(near(first[0].position, {1, -2 - 18, -60 + 18}, 1e-3));
    EXPECT_TRUE(near(first[1].position, {1, -2 - 18, -60 - 18}, 1e-3));
}

TEST(Frame, EmptyFrameDrawsNothingAndEndsWithHalfLineWidth)
{
    RecordingDraw gl;
    ViewState view;
    DrawFrame(gl, FrameInputs{}, view);
    EXPECT_TRUE(gl.primitives.empty());
    EXPECT_TRUE(gl.solids.empty());
    EXPECT_FLOAT_EQ(gl.currentLineWidth, 0.5f);
    EXPECT_TRUE(gl.lightingOn);
    EXPECT_EQ(gl.currentColour, Grey);
    EXPECT_EQ(gl.stackDepth(), 0);
    EXPECT_TRUE(gl.errors.empty());
}

TEST(Frame, RepaintWithoutATickLeavesTheViewAlone)
{
    RecordingDraw gl;
    FrameInputs in;
    in.autoRotate = true;
    ViewState view;
    view.RotY = 370;
    DrawFrame(gl, in, view, /*advance=*/false);
    EXPECT_DOUBLE_EQ(view.RotY, 370);
}

struct PlaneCase {
    const char* name;
    bool xz, yz, xy;
    int fixedAxis; // 0 x, 1 y, 2 z: the coordinate that is 0 on the plane
};

class AuxiliaryPlane : public ::testing::TestWithParam<PlaneCase> {};

TEST_P(AuxiliaryPlane, Has242LinesOnePerUnitWithCentreLinesInTheAxisColour)
{
    const PlaneCase c = GetParam();
    RecordingDraw gl;
    AuxiliaryColourMenus menus; // axes blue, planes "Белый"
    DrawAuxiliaryPlanes(gl, menus, c.xz, c.yz, c.xy);
    const auto lines = gl.lineSegments();
    ASSERT_EQ(lines.size(), 242u);
    EXPECT_EQ(gl.primitives.size(), 242u); // each line its own pair
    int centre = 0;
    for (const auto& [a, b] : lines) {
        const double pa[3] = {a.position.x, a.position.y, a.position.z};
        const double pb[3] = {b.position.x, b.position.y, b.position.z};
        EXPECT_EQ(pa[c.fixedAxis], 0);
        EXPECT_EQ(pb[c.fixedAxis], 0);
        EXPECT_DOUBLE_EQ(distance(a.position, b.position), 120);
        // A line through the centre has its constant coordinate at 0.
        const bool throughCentre = distance(Vec3{(pa[0] + pb[0]) / 2, (pa[1] + pb[1]) / 2, (pa[2] + pb[2]) / 2},
                                            Vec3{}) < 1e-9;
        if (throughCentre) {
            ++centre;
            EXPECT_EQ(a.colour, Blue);
        } else {
            EXPECT_EQ(a.colour, Grey) << "«Белый» is a light grey";
        }
    }
    EXPECT_EQ(centre, 2);
}

INSTANTIATE_TEST_SUITE_P(Planes, AuxiliaryPlane,
                         ::testing::Values(PlaneCase{"XZ", true, false, false, 2},
                                           PlaneCase{"YZ", false, true, false, 0},
                                           PlaneCase{"XY", false, false, true, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AuxiliaryPlanes, TakeTheirColoursFromTheMenus)
{
    RecordingDraw gl;
    AuxiliaryColourMenus menus;
    menus.axesBlue = false;
    menus.axesRed = true;
    menus.planesWhite = false;
    menus.planesGreen = true;
    DrawAuxiliaryPlanes(gl, menus, true, false, false);
    std::set<std::pair<float, float>> seen;
    for (const auto& [a, b] : gl.lineSegments())
        seen.insert({a.colour.r, a.colour.g});
    EXPECT_EQ(seen, (std::set<std::pair<float, float>>{{1, 0}, {0, 1}}));
    EXPECT_EQ(gl.lineSegments()[60].first.colour, Green); // i = -60 + 30: an ordinary line
    EXPECT_EQ(gl.lineSegments()[120].first.colour, Red);  // i = 0
}

TEST(AuxiliaryPlanes, DrawInTheOrderXzYzXy)
{
    RecordingDraw gl;
    DrawAuxiliaryPlanes(gl, AuxiliaryColourMenus{}, true, true, true);
    const auto lines = gl.lineSegments();
    ASSERT_EQ(lines.size(), 726u);
    EXPECT_EQ(lines[0].first.position.z, 0);   // XZ: z = 0
    EXPECT_EQ(lines[242].first.position.x, 0); // YZ: x = 0
    EXPECT_EQ(lines[484].first.position.y, 0); // XY: y = 0
}

struct AxisCase {
    const char* name;
    bool ox, oz, oy;
    Vec3 tip;
    Vec3 inward; // direction from the tip back towards the centre
};

class AuxiliaryAxis : public ::testing::TestWithParam<AxisCase> {};

TEST_P(AuxiliaryAxis, SegmentOf140AndAWireArrowheadWithItsTipAtTheEnd)
{
    const AxisCase c = GetParam();
    RecordingDraw gl;
    AuxiliaryColourMenus menus;
    menus.axesBlue = false;
    menus.axesGreen = true;
    DrawAuxiliaryAxes(gl, menus, c.ox, c.oz, c.oy);
    const auto lines = gl.lineSegments();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_DOUBLE_EQ(distance(lines[0].first.position, lines[0].second.position), 140);
    EXPECT_EQ(lines[0].first.colour, Green);
    const auto cones = gl.cylinders();
    ASSERT_EQ(cones.size(), 1u);
    const RecordedSolid& cone = *cones[0];
    EXPECT_EQ(cone.radius, 0);
    EXPECT_EQ(cone.topRadius, 0.5);
    EXPECT_EQ(cone.height, 2);
    EXPECT_EQ(cone.slices, 300);
    EXPECT_EQ(cone.stacks, 350);
    EXPECT_TRUE(near(cone.centre, c.tip)) << "the radius-0 end sits at the end of the axis";
    // The cone's own +z (where it widens) points back to the centre.
    const Vec3 wide = cone.transform.apply({0, 0, 2});
    EXPECT_TRUE(near(wide, c.tip + 2 * c.inward));
    EXPECT_EQ(cone.quadric.style, QuadricStyle::Line);
    EXPECT_EQ(cone.quadric.orientation, QuadricOrientation::Inside);
    EXPECT_EQ(cone.quadric.normals, QuadricNormals::Smooth);
    EXPECT_EQ(cone.colour, Green);
    // Translations are undone: the matrix is back at identity.
    EXPECT_TRUE(near(gl.matrix().apply({1, 2, 3}), {1, 2, 3}));
}

INSTANTIATE_TEST_SUITE_P(Axes, AuxiliaryAxis,
                         ::testing::Values(AxisCase{"OX", true, false, false, {70, 0, 0}, {-1, 0, 0}},
                                           AxisCase{"OZ", false, true, false, {0, 70, 0}, {0, -1, 0}},
                                           AxisCase{"OY", false, false, true, {0, 0, -70}, {0, 0, 1}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AuxiliaryAxes, LeaveTheQuadricInWireStyleForTheScenes)
{
    RecordingDraw gl;
    ViewState view;
    FrameInputs in;
    in.axisOY = true;
    DrawFrame(gl, in, view);
    EXPECT_EQ(gl.quadric.style, QuadricStyle::Line);
    EXPECT_EQ(gl.quadric.orientation, QuadricOrientation::Inside);
}

TEST(AuxiliaryElements, AreDrawnUnlitAndTheScenesStartLitInGrey)
{
    RecordingDraw gl;
    ViewState view;
    FrameInputs in;
    in.planeXY = true;
    in.axisOX = true;
    DrawFrame(gl, in, view);
    for (const auto& p : gl.primitives)
        EXPECT_FALSE(p.lighting);
    for (const auto& s : gl.solids)
        EXPECT_FALSE(s.lighting);
    EXPECT_TRUE(gl.lightingOn);
}

TEST(SceneRegistry, ListsThirtyScenesInFrameOrder)
{
    const auto& registry = sceneRegistry();
    for (int i = 0; i < SceneCount; ++i) {
        EXPECT_EQ(index(registry[static_cast<std::size_t>(i)].id), i);
        EXPECT_NE(registry[static_cast<std::size_t>(i)].draw, nullptr);
    }
    EXPECT_EQ(registry[12].id, SceneId::RockSalt);  // 13th
    EXPECT_EQ(registry[29].id, SceneId::Rutile);    // 30th
    EXPECT_EQ(registry[5].id, SceneId::DitrigonalPyramid); // 6th
}

TEST(SceneBlocks, EveryBlockBalancesTheMatrixStackAndDrawsUnlit)
{
    for (const SceneEntry& scene : sceneRegistry()) {
        RecordingDraw gl;
        ViewState view;
        FrameInputs in;
        in.scenes[index(scene.id)] = true;
        in.display.showScrewAxes = true;
        in.display.showSymPlanes = true;
        DrawFrame(gl, in, view);
        EXPECT_TRUE(gl.errors.empty()) << scene.name << ": " << (gl.errors.empty() ? "" : gl.errors.front());
        EXPECT_EQ(gl.stackDepth(), 0) << scene.name;
        for (const auto& p : gl.primitives)
            EXPECT_FALSE(p.lighting) << scene.name << " draws lit";
        for (const auto& s : gl.solids)
            EXPECT_FALSE(s.lighting) << scene.name << " draws lit";
    }
}

} // namespace
} // namespace vestrel
