// SPDX-License-Identifier: MIT
// The atom legend shows each element in the colour the structure scenes draw
// it with, in the described order.
#include "scenes/structures/element_colours.h"
#include "tests/reference_pictures/picture_probe.h"
#include "tests/support/render_tool.h"
#include "tools/reference/legend_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>
#include <utility>

namespace vestrel::test {
namespace {

namespace legend = vestrel::reference::legend;
using vestrel::structures::LegendLeftColumn;
using vestrel::structures::LegendRightColumn;

// JPEG coding moves a flat colour by a few levels at most in the middle of
// the ball; nearer the edge, where the white paper shares its colour blocks,
// a little more.
constexpr int Tolerance = 6;
constexpr int OffCentreTolerance = 14;

struct LegendEntry {
    int column;
    int row;
    std::string_view symbol;
    Colour colour;   // as the element colour table of the structure scenes lists it
};

void PrintTo(const LegendEntry& e, std::ostream* os) { *os << e.symbol; }

constexpr LegendEntry Entries[] = {
    {0, 0, "Na", {0.7f, 0, 0}},   {0, 1, "Cl", {0, 0, 1}},       {0, 2, "Ti", {0.3f, 0.3f, 1}},
    {0, 3, "Cs", {0.7f, 0.7f, 0}}, {0, 4, "Cu", {0, 0, 0.7f}},     {0, 5, "O", {1, 0, 0}},
    {0, 6, "C", {0.1f, 0, 0.2f}},  {0, 7, "Zn", {0.2f, 0.2f, 0.2f}}, {0, 8, "S", {1, 1, 0}},
    {0, 9, "Fe", {0.4f, 0, 0}},    {1, 0, "B", {0, 0, 1}},         {1, 1, "N", {1, 0.7f, 0.7f}},
    {1, 2, "Cd", {0, 0.4f, 0}},    {1, 3, "I", {0, 0.3f, 0.3f}},    {1, 4, "Ca", {0, 0.7f, 0}},
    {1, 5, "Mg", {0.4f, 0.4f, 0.4f}}, {1, 6, "F", {0, 0.2f, 0.3f}},
};

::testing::AssertionResult Near(QRgb actual, QRgb expected, int tolerance = Tolerance)
{
    if (std::abs(qRed(actual) - qRed(expected)) <= tolerance && std::abs(qGreen(actual) - qGreen(expected)) <= tolerance
        && std::abs(qBlue(actual) - qBlue(expected)) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "found (" << qRed(actual) << ", " << qGreen(actual) << ", "
                                         << qBlue(actual) << "), expected (" << qRed(expected) << ", "
                                         << qGreen(expected) << ", " << qBlue(expected) << ")";
}

const structures::ElementColour& SceneEntry(const LegendEntry& e)
{
    return e.column == 0 ? LegendLeftColumn.at(e.row) : LegendRightColumn.at(e.row);
}

class LegendBall : public ::testing::TestWithParam<LegendEntry> {};

// The scenes' colour table lists the element in the legend's place.
TEST_P(LegendBall, SceneTableHasTheElementInItsPlace)
{
    const LegendEntry& e = GetParam();
    EXPECT_EQ(SceneEntry(e).symbol, e.symbol);
    EXPECT_EQ(SceneEntry(e).colour, e.colour);
}

TEST_P(LegendBall, BallCentreHasTheSceneColour)
{
    const LegendEntry& e = GetParam();
    const QImage image = LoadDataPicture("Legend/Atoms.jpg");
    ASSERT_FALSE(image.isNull());
    const legend::BallCentre c = legend::BallCentreAt(e.column, e.row);
    const QRgb found = MeanColour(image, int(c.x), int(c.y), 2);
    EXPECT_TRUE(Near(found, ScreenColour(SceneEntry(e).colour)));
    EXPECT_TRUE(Near(found, ScreenColour(e.colour)));
}

// The ball is round and drawn where the layout says: white just above and
// below it, the colour still a few pixels inside its flat middle.
TEST_P(LegendBall, BallSitsAtItsPlace)
{
    const LegendEntry& e = GetParam();
    const QImage image = LoadDataPicture("Legend/Atoms.jpg");
    ASSERT_FALSE(image.isNull());
    const legend::BallCentre c = legend::BallCentreAt(e.column, e.row);
    const int outside = int(legend::BallRadius) + 3;
    EXPECT_GE(Luminance(image.pixel(int(c.x), int(c.y) - outside)), 235);
    EXPECT_GE(Luminance(image.pixel(int(c.x), int(c.y) + outside)), 235);
    const int inside = int(legend::FlatRadius) - 3;
    for (const auto& [dx, dy] : {std::pair{inside, 0}, std::pair{-inside, 0}, std::pair{0, inside}, std::pair{0, -inside}})
        EXPECT_TRUE(Near(MeanColour(image, int(c.x) + dx, int(c.y) + dy, 1), ScreenColour(e.colour), OffCentreTolerance))
            << "at offset " << dx << ", " << dy;
}

// Right of each ball, after the dash, the symbol is written in black.
TEST_P(LegendBall, SymbolIsWrittenBesideTheBall)
{
    const LegendEntry& e = GetParam();
    const QImage image = LoadDataPicture("Legend/Atoms.jpg");
    ASSERT_FALSE(image.isNull());
    const legend::BallCentre c = legend::BallCentreAt(e.column, e.row);
    int darkText = 0;
    for (int y = int(c.y) - 8; y <= int(c.y) + 8; ++y)
        for (int x = int(c.x + legend::BallRadius) + 2; x < int(c.x + legend::BallRadius) + 32; ++x)
            darkText += Luminance(image.pixel(x, y)) < 80;
    EXPECT_GT(darkText, 20);
}

INSTANTIATE_TEST_SUITE_P(Elements, LegendBall, ::testing::ValuesIn(Entries));

TEST(Legend, ColumnsHoldTenAndSevenElements)
{
    EXPECT_EQ(LegendLeftColumn.size(), 10u);
    EXPECT_EQ(LegendRightColumn.size(), 7u);
}

// Below the last ball of the shorter right column the picture is empty.
TEST(Legend, RightColumnEndsAfterSevenBalls)
{
    const QImage image = LoadDataPicture("Legend/Atoms.jpg");
    ASSERT_FALSE(image.isNull());
    const legend::BallCentre c = legend::BallCentreAt(1, 7);
    EXPECT_GE(Luminance(MeanColour(image, int(c.x), int(c.y), 3)), 245);
}

} // namespace
} // namespace vestrel::test
