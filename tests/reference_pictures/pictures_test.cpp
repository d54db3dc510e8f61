// SPDX-License-Identifier: MIT
// Every picture of the reference and legend windows is in the program's
// Data folder, readable by the program's loader, at its size.
#include "tests/reference_pictures/picture_probe.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vestrel::test {
namespace {

struct PictureCase {
    const char* file;
    int width;
    int height;
    bool colour;
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.file; }

class ReferencePicture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(ReferencePicture, IsReadableAtItsSize)
{
    const PictureCase& c = GetParam();
    const QImage image = LoadDataPicture(c.file);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), c.width);
    EXPECT_EQ(image.height(), c.height);
}

// Drawn on white: the corner is white and there is a good deal of drawing.
TEST_P(ReferencePicture, HasDrawingOnWhite)
{
    const QImage image = LoadDataPicture(GetParam().file);
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(Luminance(image.pixel(1, image.height() - 2)), 245);
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += Luminance(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, image.width() * image.height() / 100);
}

// The grey-scale picture has no colour at all; the others do have colour.
TEST_P(ReferencePicture, IsColourOrGreyAsDescribed)
{
    const PictureCase& c = GetParam();
    const QImage image = LoadDataPicture(c.file);
    ASSERT_FALSE(image.isNull());
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int spread = std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)});
            coloured += spread > 40;
        }
    if (c.colour)
        EXPECT_GT(coloured, 100);
    else
        EXPECT_EQ(coloured, 0);
}

INSTANTIATE_TEST_SUITE_P(Pictures, ReferencePicture,
                         ::testing::Values(PictureCase{"Reference/Classes32.jpg", 1976, 1409, true},
                                           PictureCase{"Reference/Bravais.jpg", 500, 366, false},
                                           PictureCase{"Reference/CubicForms.jpg", 1233, 955, true},
                                           PictureCase{"Reference/Packings.jpg", 320, 300, true},
                                           PictureCase{"Reference/Wulff.jpg", 2362, 2363, true},
                                           PictureCase{"Legend/Atoms.jpg", 145, 437, true}));

} // namespace
} // namespace vestrel::test
