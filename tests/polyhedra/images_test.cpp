// SPDX-License-Identifier: MIT
// Real frames through OpenGL: each polyhedron shows its face colour and its
// edge colour, and without solid faces the face colour is gone.
#include "tests/polyhedra/polyhedron_cases.h"
#include "tests/support/render_tool.h"

#include <gtest/gtest.h>

namespace vestrel::test {
namespace {

QStringList SceneArgs(const PolyhedronCase& c, const char* faces)
{
    return {"--scene", QStringLiteral("polyhedron:%1").arg(c.listItem), "--size", "400x320", "--sym-axes", "off",
            "--faces", faces};
}

class PolyhedronImages : public ::testing::TestWithParam<PolyhedronCase> {};

TEST_P(PolyhedronImages, ShowFacesAndEdgesInTheirColours)
{
    const PolyhedronCase& c = GetParam();
    const QImage solid = RenderWithTool(SceneArgs(c, "solid"));
    ASSERT_FALSE(solid.isNull());
    EXPECT_GE(CountPixels(solid, ScreenColour(c.face)), 2000) << "face colour";
    EXPECT_GE(CountPixels(solid, ScreenColour(c.edge)), 4) << "edge colour";

    const QImage edges = RenderWithTool(SceneArgs(c, "edges"));
    ASSERT_FALSE(edges.isNull());
    EXPECT_EQ(CountPixels(edges, ScreenColour(c.face)), 0) << "no face colour without solid faces";
    EXPECT_GE(CountPixels(edges, ScreenColour(c.edge)), 20) << "edge colour";
}

INSTANTIATE_TEST_SUITE_P(Polyhedra, PolyhedronImages, ::testing::ValuesIn(PolyhedronCases()),
                         [](const auto& info) { return CaseName(info.param); });

TEST(PolyhedronImageAxes, TheCubeShowsItsAxesInTheInitialColours)
{
    const QImage image = RenderWithTool({"--scene", "polyhedron:1", "--size", "400x320"});
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(HasColour(image, qRgb(255, 0, 0), 20)) << "order 4 and its markers";
    EXPECT_TRUE(HasColour(image, qRgb(0, 255, 0), 20)) << "order 3";
    EXPECT_TRUE(HasColour(image, qRgb(0, 0, 255), 20)) << "order 2";

    const QImage none = RenderWithTool({"--scene", "polyhedron:1", "--size", "400x320", "--axis-lists", "0,0,0,0"});
    ASSERT_FALSE(none.isNull());
    EXPECT_FALSE(HasColour(none, qRgb(255, 0, 0), 1));
    EXPECT_FALSE(HasColour(none, qRgb(0, 255, 0), 1));
    EXPECT_FALSE(HasColour(none, qRgb(0, 0, 255), 1));
}

TEST(PolyhedronImageAxes, TheHexagonalPyramidsAxisAndMarkerAreYellow)
{
    const QImage image = RenderWithTool({"--scene", "polyhedron:9", "--size", "400x320", "--faces", "edges"});
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(HasColour(image, qRgb(255, 255, 0), 20));
    const QImage hidden = RenderWithTool({"--scene", "polyhedron:9", "--size", "400x320", "--faces", "edges",
                                          "--axis-lists", "3,1,2,0"});
    EXPECT_FALSE(HasColour(hidden, qRgb(255, 255, 0), 1));
}

TEST(PolyhedronImagePlanes, TheCubesWhitePlaneShowsOnlyWhenAsked)
{
    const QStringList base{"--scene", "polyhedron:1", "--size", "400x320", "--sym-axes", "off"};
    const QImage hidden = RenderWithTool(base);
    const QImage shown = RenderWithTool(QStringList(base) << "--sym-planes" << "on");
    ASSERT_FALSE(hidden.isNull());
    ASSERT_FALSE(shown.isNull());
    EXPECT_FALSE(HasColour(hidden, qRgb(255, 255, 255), 1));
    EXPECT_TRUE(HasColour(shown, qRgb(255, 255, 255), 200)) << "plane x + y = 0";
}

} // namespace
} // namespace vestrel::test
