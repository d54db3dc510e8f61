// SPDX-License-Identifier: MIT
// Every picture of the reference and legend windows is in the program's
// Data folder, readable by the program's loader, at its size; those with
// words on them have an English twin under Data/en/.
#include "logic/pictures/localised_picture.h"
#include "tests/reference_pictures/picture_probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace vestrel::test {
namespace {

struct Picture {
    const char* file;
    int width;
    int height;
    bool colour;
    bool lettered;   // words on it: drawn in English too
};

constexpr Picture Pictures[] = {
    {"Reference/Classes32.jpg", 1976, 1409, true, true},
    {"Reference/Bravais.jpg", 500, 366, false, true},
    {"Reference/CubicForms.jpg", 1233, 955, true, true},
    {"Reference/Packings.jpg", 320, 300, true, true},
    {"Reference/Wulff.jpg", 2362, 2363, true, false},
    {"Legend/Atoms.jpg", 145, 437, true, false},
};

// One picture as one language has it: the Russian set under Data/, the
// English twins under Data/en/.
struct PictureCase {
    QString file;
    int width;
    int height;
    bool colour;
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.file.toStdString(); }

std::vector<PictureCase> BothSets()
{
    std::vector<PictureCase> cases;
    for (const Picture& p : Pictures)
        cases.push_back({QString::fromUtf8(p.file), p.width, p.height, p.colour});
    for (const Picture& p : Pictures)
        if (p.lettered)
            cases.push_back({QStringLiteral("en/") + QString::fromUtf8(p.file), p.width, p.height, p.colour});
    return cases;
}

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

INSTANTIATE_TEST_SUITE_P(Pictures, ReferencePicture, ::testing::ValuesIn(BothSets()));

class EnglishPicture : public ::testing::TestWithParam<Picture> {};

void PrintTo(const Picture& p, std::ostream* os) { *os << p.file; }

// The share of pixels of a band of rows that differ clearly between two
// pictures of one size.
double DifferingShare(const QImage& a, const QImage& b, int top, int bottom)
{
    long differing = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += std::abs(Luminance(a.pixel(x, y)) - Luminance(b.pixel(x, y))) > 60;
    return double(differing) / (double(a.width()) * (bottom - top));
}

// A lettered picture has its English twin of the same size, with other words
// in its title at the top, and the English interface reads the twin; a
// picture without words serves both languages.
TEST_P(EnglishPicture, IsTheTwinWhereThePictureHasWords)
{
    const Picture& p = GetParam();
    const QString russian = QStringLiteral(VESTREL_PROGRAM_DIR "/Data/") + p.file;
    const QString english = QStringLiteral(VESTREL_PROGRAM_DIR "/Data/en/") + p.file;
    const QString shown = LocalisedDataFile(QStringLiteral(VESTREL_PROGRAM_DIR), p.file, Language::English);
    EXPECT_EQ(shown.toStdString(), (p.lettered ? english : russian).toStdString());
    EXPECT_EQ(LocalisedDataFile(QStringLiteral(VESTREL_PROGRAM_DIR), p.file, Language::Russian).toStdString(),
              russian.toStdString());
    if (!p.lettered)
        return;
    const QImage own = LoadDataPicture(p.file);
    const QImage twin = LoadDataPicture(QStringLiteral("en/") + p.file);
    ASSERT_FALSE(own.isNull());
    ASSERT_FALSE(twin.isNull());
    ASSERT_EQ(twin.size(), own.size());
    const int titleBand = own.height() * 7 / 100;
    EXPECT_GT(DifferingShare(own, twin, 0, titleBand), 0.01);
}

INSTANTIATE_TEST_SUITE_P(Pictures, EnglishPicture, ::testing::ValuesIn(Pictures));

} // namespace
} // namespace vestrel::test
