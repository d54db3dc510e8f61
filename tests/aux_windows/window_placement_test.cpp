// SPDX-License-Identifier: MIT
#include "logic/window_placement.h"

#include <gtest/gtest.h>
#include <ostream>

namespace vestrel {
namespace {

TEST(LegendPosition, SitsSeventyFromTheTopAndOneHundredFiftyLeftOfThePanelsWidth)
{
    EXPECT_EQ(LegendPosition(751), QPoint(601, 70));
    EXPECT_EQ(LegendPosition(1024), QPoint(874, 70));
    // A panel narrower than the legend puts it partly off the left edge.
    EXPECT_EQ(LegendPosition(100), QPoint(-50, 70));
}

struct AboutCase {
    const char* what;
    QRect main;
    QSize about;
    QPoint expected;
};

void PrintTo(const AboutCase& c, std::ostream* os)
{
    *os << c.what;
}

// Expected values worked out by hand: edge + extent / 2 - own / 2, then the
// fraction dropped towards zero.
const AboutCase AboutCases[] = {
    {"even main, odd about", QRect(100, 50, 1024, 840), QSize(477, 435), QPoint(373, 252)},
    {"both odd: the halves cancel", QRect(100, 50, 1023, 841), QSize(477, 435), QPoint(373, 253)},
    {"origin, only the about size odd", QRect(0, 0, 1024, 840), QSize(477, 435), QPoint(273, 202)},
    {"negative result truncates up", QRect(-1000, -800, 1024, 840), QSize(477, 435), QPoint(-726, -597)},
    {"main smaller than about", QRect(0, 0, 100, 100), QSize(477, 435), QPoint(-188, -167)},
    {"main odd, about even, negative", QRect(-301, -201, 101, 51), QSize(40, 20), QPoint(-270, -185)},
};

class AboutPositionTest : public ::testing::TestWithParam<AboutCase> {};

TEST_P(AboutPositionTest, CentresOnTheMainWindowTruncatingTowardsZero)
{
    const AboutCase& c = GetParam();
    EXPECT_EQ(AboutPosition(c.main, c.about), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, AboutPositionTest, ::testing::ValuesIn(AboutCases));

TEST(CentredOnScreen, PutsTheWindowInTheMiddleOfTheWorkArea)
{
    EXPECT_EQ(CentredOnScreen(QRect(0, 0, 1280, 1024), QSize(906, 669)), QPoint(187, 177));
    EXPECT_EQ(CentredOnScreen(QRect(0, 30, 1920, 1050), QSize(906, 669)), QPoint(507, 220));
}

} // namespace
} // namespace vestrel
