// SPDX-License-Identifier: MIT
// The Wulff net: the projection against the closed-form stereographic
// formulas, and the picture's lines where those formulas put them.
#include "tests/reference_pictures/picture_probe.h"
#include "tools/reference/wulff_net.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace vestrel::test {
namespace {

namespace wulff = vestrel::reference::wulff;

constexpr double R = 1100.0;       // the primitive circle's radius in pixels
constexpr double Cx = 1181.0, Cy = 1181.0;

double Rad(double degrees) { return degrees * std::numbers::pi / 180.0; }

TEST(WulffProjection, PrimitiveCircleAndPoles)
{
    EXPECT_EQ(wulff::Radius, R);
    EXPECT_EQ(wulff::CentreX, Cx);
    EXPECT_EQ(wulff::CentreY, Cy);
    const auto north = wulff::ProjectToNet(90, 0);
    EXPECT_NEAR(north.x, 0, 1e-9);
    EXPECT_NEAR(north.y, R, 1e-9);
    const auto south = wulff::ProjectToNet(-90, 37);
    EXPECT_NEAR(south.y, -R, 1e-9);
    for (double lat : {-80.0, -35.0, 0.0, 12.0, 66.0}) {
        const auto rim = wulff::ProjectToNet(lat, 90);
        EXPECT_NEAR(std::hypot(rim.x, rim.y), R, 1e-9) << lat;
    }
}

TEST(WulffProjection, EquatorAndCentralMeridian)
{
    for (double deg : {2.0, 10.0, 30.0, 48.0, 88.0}) {
        const auto onEquator = wulff::ProjectToNet(0, deg);
        EXPECT_NEAR(onEquator.x, R * std::tan(Rad(deg) / 2), 1e-9);
        EXPECT_NEAR(onEquator.y, 0, 1e-9);
        const auto onMeridian = wulff::ProjectToNet(-deg, 0);
        EXPECT_NEAR(onMeridian.x, 0, 1e-9);
        EXPECT_NEAR(onMeridian.y, -R * std::tan(Rad(deg) / 2), 1e-9);
    }
}

// A meridian is the circle through both poles with centre (-R cot lon, 0); a
// parallel is the circle with centre (0, R / sin lat) and radius R cot lat.
TEST(WulffProjection, MeridiansAndParallelsAreTheirCircles)
{
    for (double lat : {-74.0, -20.0, 6.0, 44.0, 82.0})
        for (double lon : {-62.0, -8.0, 14.0, 30.0, 86.0}) {
            const auto p = wulff::ProjectToNet(lat, lon);
            const double meridianCentre = -R / std::tan(Rad(lon));
            EXPECT_NEAR(std::hypot(p.x - meridianCentre, p.y), R / std::abs(std::sin(Rad(lon))), 1e-6);
            const double parallelCentre = R / std::sin(Rad(lat));
            EXPECT_NEAR(std::hypot(p.x, p.y - parallelCentre), R / std::abs(std::tan(Rad(lat))), 1e-6);
        }
}

TEST(WulffProjection, PicturePixelsGrowDownwards)
{
    const auto p = wulff::ProjectToPicture(30, 30);
    const auto q = wulff::ProjectToNet(30, 30);
    EXPECT_DOUBLE_EQ(p.x, Cx + q.x);
    EXPECT_DOUBLE_EQ(p.y, Cy - q.y);
}

class WulffPicture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { image_ = new QImage(LoadDataPicture("Reference/Wulff.jpg")); }
    static void TearDownTestSuite() { delete image_; }
    int lum(double x, double y) const { return Luminance(image_->pixel(int(std::lround(x)), int(std::lround(y)))); }
    // The darkest pixel of a short run along a row or a column.
    int darkestInRow(double y, double x0, double x1) const
    {
        int best = 255;
        for (int x = int(std::floor(x0)); x <= int(std::ceil(x1)); ++x)
            best = std::min(best, lum(x, y));
        return best;
    }
    int darkestInColumn(double x, double y0, double y1) const
    {
        int best = 255;
        for (int y = int(std::floor(y0)); y <= int(std::ceil(y1)); ++y)
            best = std::min(best, lum(x, y));
        return best;
    }
    // Runs of line pixels along a row: their centres.
    std::vector<double> linesAlongRow(double y, int x0, int x1) const
    {
        std::vector<double> centres;
        int start = -1;
        for (int x = x0; x <= x1; ++x) {
            const bool line = lum(x, y) < LinePixel;
            if (line && start < 0)
                start = x;
            if (!line && start >= 0) {
                centres.push_back((start + x - 1) / 2.0);
                start = -1;
            }
        }
        return centres;
    }
    static constexpr int LinePixel = 190;   // darker than this is a line
    static constexpr int Paper = 235;       // lighter than this is white paper
    static QImage* image_;
};

QImage* WulffPicture::image_ = nullptr;

// Just above the equator the rim of the primitive circle is the last line
// before the paper outside it.
TEST_F(WulffPicture, PrimitiveCircleHasItsRadius)
{
    ASSERT_FALSE(image_->isNull());
    const double y = Cy - 6;
    const double rimX = Cx + std::sqrt(R * R - 36);
    const auto lines = linesAlongRow(y, int(Cx + 1075), int(Cx + 1112));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(lines[0], rimX, 2.0);
    EXPECT_GE(lum(rimX + 9, y), Paper);
    const double leftRimX = Cx - std::sqrt(R * R - 36);
    EXPECT_LT(darkestInRow(y, leftRimX - 2, leftRimX + 2), LinePixel);
    EXPECT_LT(darkestInColumn(Cx + 5, Cy + R - 2, Cy + R + 2), LinePixel);   // the south point
    EXPECT_GE(lum(Cx + 5, Cy - R - 9), Paper);                                // just outside the north point
}

// The 30 degree meridian crosses the equator R tan 15 from the centre, with
// paper halfway to its neighbours at 28 and 32 degrees.
TEST_F(WulffPicture, ThirtyDegreeMeridianCrossesTheEquatorWherePredicted)
{
    ASSERT_FALSE(image_->isNull());
    const double y = Cy - 6;   // just off the bold equator line itself
    for (double sign : {1.0, -1.0}) {
        const double x = Cx + sign * R * std::tan(Rad(15));
        EXPECT_LT(darkestInRow(y, x - 2, x + 2), LinePixel);
        const double towards28 = Cx + sign * R * std::tan(Rad(14.5));
        const double towards32 = Cx + sign * R * std::tan(Rad(15.5));
        EXPECT_GE(lum(towards28, y), Paper);
        EXPECT_GE(lum(towards32, y), Paper);
    }
}

// The 40 degree parallel crosses the central meridian R tan 20 from the
// centre, towards the north point (up) and the south point (down).
TEST_F(WulffPicture, FortyDegreeParallelCrossesTheCentralMeridianWherePredicted)
{
    ASSERT_FALSE(image_->isNull());
    const double x = Cx + 9;   // between the central meridian and the 2 degree one
    for (double sign : {1.0, -1.0}) {
        const double y = Cy - sign * R * std::tan(Rad(20));
        EXPECT_LT(darkestInColumn(x, y - 2, y + 2), LinePixel);
        EXPECT_GE(lum(x, Cy - sign * R * std::tan(Rad(19.5))), Paper);
        EXPECT_GE(lum(x, Cy - sign * R * std::tan(Rad(20.5))), Paper);
    }
}

// Along the equator the meridians stand every 2 degrees: 44 of them between
// the central meridian and the rim on either side, each at R tan(lon / 2).
TEST_F(WulffPicture, MeridiansEveryTwoDegreesAlongTheEquator)
{
    ASSERT_FALSE(image_->isNull());
    const double y = Cy - 6;
    const auto east = linesAlongRow(y, int(Cx + 4), int(Cx + R - 20));
    ASSERT_EQ(east.size(), 44u);
    for (size_t i = 0; i < east.size(); ++i)
        EXPECT_NEAR(east[i], Cx + R * std::tan(Rad(2.0 * (i + 1)) / 2), 1.5) << "meridian " << 2 * (i + 1);
    const auto west = linesAlongRow(y, int(Cx - R + 20), int(Cx - 4));
    EXPECT_EQ(west.size(), 44u);
}

// Every tenth degree the line is bold, in between thin.
TEST_F(WulffPicture, EveryTenthMeridianIsBold)
{
    ASSERT_FALSE(image_->isNull());
    const double y = Cy - 6;
    auto width = [&](double lon) {
        const double x = Cx + R * std::tan(Rad(lon) / 2);
        int n = 0;
        for (int px = int(x) - 5; px <= int(x) + 5; ++px)
            n += lum(px, y) < LinePixel;
        return n;
    };
    for (double lon : {10.0, 20.0, 50.0})
        for (double thin : {lon - 2, lon + 2})
            EXPECT_GT(width(lon), width(thin)) << lon << " against " << thin;
}

// Near the poles only the bold meridians remain: at latitude 85 degrees,
// halfway between the parallels of 84 and 86, there is no line between the
// 12 and 18 degree meridians, while the 10 degree one is there.
TEST_F(WulffPicture, ThinMeridiansStopShortOfThePoles)
{
    ASSERT_FALSE(image_->isNull());
    const auto m12 = wulff::ProjectToPicture(85, 12);
    const auto m18 = wulff::ProjectToPicture(85, 18);
    const auto m10 = wulff::ProjectToPicture(85, 10);
    EXPECT_LT(darkestInRow(m10.y, m10.x - 1.5, m10.x + 1.5), LinePixel);
    int darkest = 255;
    for (double t = 0; t <= 1.0; t += 0.05) {
        const double x = m12.x + t * (m18.x - m12.x), yy = m12.y + t * (m18.y - m12.y);
        darkest = std::min(darkest, lum(x, yy));
    }
    EXPECT_GE(darkest, 200);
}

} // namespace
} // namespace vestrel::test
