// SPDX-License-Identifier: MIT
// Real frames through OpenGL: each cubic structure shows its element colours
// flat (lighting is off) and its grey connecting lines.
#include "tests/structures_cubic/scene_check.h"
#include "tests/support/render_tool.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace vestrel::test {
namespace {

struct ImageCase {
    const char* name;
    int item; // in the structure list
    std::vector<Colour> elements;
};

void PrintTo(const ImageCase& c, std::ostream* os) { *os << c.name; }

const ImageCase kImages[] = {
    {"RockSalt", 1, {kNa, kCl}},
    {"Cuprite", 2, {kO, kCu}},
    {"Diamond", 3, {kC}},
    {"CaesiumChloride", 5, {kCl, kCs}},
    {"Sphalerite", 6, {kS, kZn}},
    {"AlphaIron", 8, {kFe}},
    {"GammaIron", 9, {kFe}},
    {"Chalcopyrite", 10, {kCu, kFe, kS}},
    {"Pyrite", 13, {kFe, kS}},
    {"Fluorite", 14, {kCa, kF}},
    {"Copper", 17, {kCu}},
};

class StructureImage : public testing::TestWithParam<ImageCase> {};

QString SceneArgument(int item) { return QStringLiteral("structure:%1").arg(item); }

TEST_P(StructureImage, ShowsEveryElementColourAndGreyLines)
{
    const QImage image = RenderWithTool({"--scene", SceneArgument(GetParam().item), "--lines", "on"});
    ASSERT_FALSE(image.isNull());
    for (const Colour& c : GetParam().elements)
        EXPECT_TRUE(HasColour(image, ScreenColour(c), 50))
            << "element colour " << c.r << " " << c.g << " " << c.b << " missing";
    EXPECT_TRUE(HasColour(image, ScreenColour(kGrey), 50)) << "no grey connecting lines";
}

TEST_P(StructureImage, NoGreyWithoutConnectingLines)
{
    const QImage image = RenderWithTool({"--scene", SceneArgument(GetParam().item), "--lines", "off"});
    ASSERT_FALSE(image.isNull());
    for (const Colour& c : GetParam().elements)
        EXPECT_TRUE(HasColour(image, ScreenColour(c), 50));
    EXPECT_FALSE(HasColour(image, ScreenColour(kGrey), 1));
}

INSTANTIATE_TEST_SUITE_P(Structures, StructureImage, testing::ValuesIn(kImages),
                         [](const testing::TestParamInfo<ImageCase>& info) { return info.param.name; });

TEST(StructureImages, RockSaltScrewAxisInTheChosenColour)
{
    const QRgb red = ScreenColour({1, 0, 0});
    const QImage without = RenderWithTool({"--scene", "structure:1", "--screw", "off", "--screw-colour", "1"});
    const QImage with = RenderWithTool({"--scene", "structure:1", "--screw", "on", "--screw-colour", "1"});
    ASSERT_FALSE(with.isNull());
    ASSERT_FALSE(without.isNull());
    EXPECT_FALSE(HasColour(without, red, 1));
    EXPECT_TRUE(HasColour(with, red, 20));
}

TEST(StructureImages, CupriteScrewAxisGreyWhenNoItemIsChosen)
{
    // With the lines off, grey can only come from the screw axis.
    const QRgb grey = ScreenColour(kGrey);
    const QImage image = RenderWithTool({"--scene", "structure:2", "--lines", "off", "--screw", "on",
                                         "--screw-colour", "-1"});
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(HasColour(image, grey, 20));
}

} // namespace
} // namespace vestrel::test
