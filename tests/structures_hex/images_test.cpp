// SPDX-License-Identifier: MIT
// Real frames through OpenGL: every element of a scene shows in its flat
// colour, and the grey lines go with the connecting-lines option.
#include "tests/structures_hex/hex_scene_cases.h"
#include "tests/support/render_tool.h"

#include <gtest/gtest.h>

namespace vestrel::test {
namespace {

constexpr Colour LineGrey{0.7f, 0.7f, 0.7f};

class HexSceneImages : public ::testing::TestWithParam<HexSceneCase> {};

QStringList SceneArgs(const HexSceneCase& c, bool lines)
{
    return {"--scene", QStringLiteral("structure:%1").arg(c.listItem), "--lines", lines ? "on" : "off"};
}

TEST_P(HexSceneImages, EveryElementColourShows)
{
    const QImage image = RenderWithTool(SceneArgs(GetParam(), true));
    ASSERT_FALSE(image.isNull());
    for (const Colour& element : GetParam().elements)
        EXPECT_TRUE(HasColour(image, ScreenColour(element), 50))
            << "colour (" << element.r << ", " << element.g << ", " << element.b << ") missing";
    EXPECT_TRUE(HasColour(image, ScreenColour(LineGrey), 50)) << "no grey connecting lines";
}

TEST_P(HexSceneImages, WithoutLinesNoGreyButAllAtoms)
{
    const QImage image = RenderWithTool(SceneArgs(GetParam(), false));
    ASSERT_FALSE(image.isNull());
    for (const Colour& element : GetParam().elements)
        EXPECT_TRUE(HasColour(image, ScreenColour(element), 50));
    EXPECT_EQ(CountPixels(image, ScreenColour(LineGrey)), 0);
}

INSTANTIATE_TEST_SUITE_P(Scenes, HexSceneImages, ::testing::ValuesIn(HexSceneCases()),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace vestrel::test
