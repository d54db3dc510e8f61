// SPDX-License-Identifier: MIT
// The pictures the build draws into the program's Data folder: every
// crystal photograph and the About picture exist, are real JPEG files the
// program can read, have their sizes, show a specimen on the backdrop, and
// show each mineral in its natural colour. They carry no words, so the
// English interface shows the same files.
#include "logic/pictures/jpeg_codec.h"
#include "logic/pictures/localised_picture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

const char* const kNatureNames[] = {"NaCl",     "Cu2O",     "Almaz",  "Graphit", "CsCl", "Sfalerit",
                                    "Vurtcit",  "Alpha-Fe", "Gamma-Fe", "CuFeS2", "BN",   "CdI2",
                                    "FeS2",     "CaF2",     "Mg",     "TiO2",    "Cu",   "CaCO3"};

QString NaturePath(const QString& name) { return QStringLiteral(VESTREL_PROGRAM_DIR "/Data/Nature/%1.jpg").arg(name); }
QString AboutPath() { return QStringLiteral(VESTREL_PROGRAM_DIR "/Data/About/Crystal.jpg"); }

QImage Load(const QString& path)
{
    QString error;
    const QImage image = vestrel::LoadJpeg(path, &error);
    EXPECT_FALSE(image.isNull()) << path.toStdString() << ": " << error.toStdString();
    return image.convertToFormat(QImage::Format_RGB32);
}

int Luminance(QRgb c) { return (30 * qRed(c) + 59 * qGreen(c) + 11 * qBlue(c)) / 100; }

int ColourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// Mean colour of the pixels in a rectangle.
QRgb MeanColour(const QImage& image, const QRect& rect)
{
    long r = 0, g = 0, b = 0, n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
            ++n;
        }
    return qRgb(int(r / n), int(g / n), int(b / n));
}

double Fraction(const QImage& image, const std::function<bool(QRgb)>& test)
{
    long hits = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            hits += test(image.pixel(x, y)) ? 1 : 0;
    return double(hits) / (image.width() * image.height());
}

double LuminanceDeviation(const QImage& image, const QRect& rect)
{
    double sum = 0, sum2 = 0;
    const int n = rect.width() * rect.height();
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const double l = Luminance(image.pixel(x, y));
            sum += l;
            sum2 += l * l;
        }
    const double mean = sum / n;
    return std::sqrt(std::max(0.0, sum2 / n - mean * mean));
}

struct PictureCase {
    QString path;
    QSize size;
};

std::vector<PictureCase> AllPictures()
{
    std::vector<PictureCase> cases;
    for (const char* name : kNatureNames)
        cases.push_back({NaturePath(name), QSize(400, 270)});
    cases.push_back({AboutPath(), QSize(477, 435)});
    return cases;
}

class PictureFile : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureFile, IsAJpegFileThatTheProgramDecodesAtItsSize)
{
    const PictureCase& c = GetParam();
    QFile file(c.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.path.toStdString() << " is missing";
    const QByteArray head = file.read(3);
    ASSERT_EQ(head.size(), 3);
    EXPECT_EQ(quint8(head[0]), 0xFF);
    EXPECT_EQ(quint8(head[1]), 0xD8);
    EXPECT_EQ(quint8(head[2]), 0xFF);

    const QImage image = Load(c.path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), c.size);
}

TEST_P(PictureFile, ServesTheEnglishInterfaceToo)
{
    const QString path = GetParam().path;
    const QString relative = QDir(QStringLiteral(VESTREL_PROGRAM_DIR "/Data")).relativeFilePath(path);
    EXPECT_EQ(vestrel::LocalisedDataFile(QStringLiteral(VESTREL_PROGRAM_DIR), relative, vestrel::Language::English)
                  .toStdString(),
              path.toStdString());
}

TEST_P(PictureFile, ShowsASpecimenRatherThanAPlainArea)
{
    const QImage image = Load(GetParam().path);
    ASSERT_FALSE(image.isNull());
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    // A smooth backdrop alone gives a few hundred colours after JPEG coding.
    EXPECT_GT(colours.size(), 800);

    // The backdrop is what the top corners show; the middle of the picture
    // holds the specimen, so much of it differs clearly from the backdrop.
    const int w = image.width(), h = image.height();
    const QRgb left = MeanColour(image, QRect(2, 2, 12, 12));
    const QRgb right = MeanColour(image, QRect(w - 14, 2, 12, 12));
    const QRect middle(w / 4, h / 4, w / 2, h / 2);
    long differing = 0;
    for (int y = middle.top(); y <= middle.bottom(); ++y)
        for (int x = middle.left(); x <= middle.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            differing += std::min(ColourDistance(c, left), ColourDistance(c, right)) > 45 ? 1 : 0;
        }
    EXPECT_GT(double(differing) / (middle.width() * middle.height()), 0.25) << GetParam().path.toStdString();
}

INSTANTIATE_TEST_SUITE_P(AllPictures, PictureFile, ::testing::ValuesIn(AllPictures()),
                         [](const ::testing::TestParamInfo<PictureCase>& info) {
                             std::string name = QFileInfo(info.param.path).completeBaseName().toStdString();
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST(CrystalPhotographs, AreEighteenDifferentPictures)
{
    std::vector<QImage> images;
    for (const char* name : kNatureNames)
        images.push_back(Load(NaturePath(name)));
    for (std::size_t i = 0; i < images.size(); ++i)
        for (std::size_t j = i + 1; j < images.size(); ++j) {
            ASSERT_EQ(images[i].size(), images[j].size());
            long total = 0;
            for (int y = 0; y < images[i].height(); y += 2)
                for (int x = 0; x < images[i].width(); x += 2)
                    total += ColourDistance(images[i].pixel(x, y), images[j].pixel(x, y));
            const double mean = double(total) / ((images[i].width() / 2) * (images[i].height() / 2));
            EXPECT_GT(mean, 12) << kNatureNames[i] << " and " << kNatureNames[j] << " look alike";
        }
}

// The natural colour of each mineral, as a test of a pixel and the share of
// the picture that must pass it. The backdrop is a nearly neutral grey-beige,
// which none of these tests accepts.
struct ColourCase {
    const char* name;
    const char* colour;
    std::function<bool(QRgb)> test;
    double minShare;
};

bool Red(QRgb c) { return qRed(c) > 50 && qRed(c) > 1.6 * qGreen(c) && qRed(c) > 1.6 * qBlue(c); }
bool Brass(QRgb c)
{
    return qRed(c) > 110 && qGreen(c) > 85 && qRed(c) > 1.3 * qBlue(c) && qGreen(c) > 1.2 * qBlue(c) &&
           qRed(c) - qGreen(c) < 70;
}
bool Violet(QRgb c) { return qBlue(c) > qGreen(c) + 35 && qRed(c) > qGreen(c) + 15; }
bool Green(QRgb c) { return qGreen(c) > qRed(c) + 25 && qGreen(c) > qBlue(c) + 10; }
bool CopperRed(QRgb c) { return qRed(c) > 120 && qRed(c) > 1.3 * qGreen(c) && qGreen(c) > 1.1 * qBlue(c); }
bool DarkBrown(QRgb c) { return Luminance(c) < 90 && qRed(c) > 1.3 * qBlue(c) + 4 && qRed(c) >= qGreen(c); }
bool RedBrown(QRgb c) { return Luminance(c) < 130 && qRed(c) > 1.5 * qBlue(c) + 10 && qRed(c) > 1.2 * qGreen(c); }
bool Neutral(QRgb c)
{
    const int hi = std::max({qRed(c), qGreen(c), qBlue(c)}), lo = std::min({qRed(c), qGreen(c), qBlue(c)});
    return hi - lo < 22;
}
bool DarkGrey(QRgb c) { return Neutral(c) && Luminance(c) > 25 && Luminance(c) < 110; }
bool BrightWhite(QRgb c) { return Neutral(c) && Luminance(c) > 215; }
// Pink: red clearly above green, green hardly above blue (the beige
// backdrop has red, green and blue falling in even steps).
bool Pinkish(QRgb c)
{
    const int redStep = qRed(c) - qGreen(c), greenStep = qGreen(c) - qBlue(c);
    return Luminance(c) > 80 && redStep > 14 && 2 * greenStep < redStep;
}

class NaturalColour : public ::testing::TestWithParam<ColourCase> {};

TEST_P(NaturalColour, CoversPartOfThePhotograph)
{
    const ColourCase& c = GetParam();
    const QImage image = Load(NaturePath(c.name));
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(Fraction(image, c.test), c.minShare) << c.name << " should show " << c.colour;
}

INSTANTIATE_TEST_SUITE_P(
    Minerals, NaturalColour,
    ::testing::Values(ColourCase{"Cu2O", "dark red", Red, 0.08}, ColourCase{"FeS2", "brass yellow", Brass, 0.05},
                      ColourCase{"CuFeS2", "brass yellow", Brass, 0.04}, ColourCase{"CaF2", "purple", Violet, 0.08},
                      ColourCase{"CaF2", "green", Green, 0.02}, ColourCase{"Cu", "copper red", CopperRed, 0.04},
                      ColourCase{"Sfalerit", "brown-black", DarkBrown, 0.06},
                      ColourCase{"Vurtcit", "brown-black", DarkBrown, 0.06},
                      ColourCase{"TiO2", "red-brown", RedBrown, 0.04}, ColourCase{"Graphit", "black-grey", DarkGrey, 0.06},
                      ColourCase{"Alpha-Fe", "metallic grey", DarkGrey, 0.06},
                      ColourCase{"Gamma-Fe", "metallic grey", DarkGrey, 0.04},
                      ColourCase{"BN", "white", BrightWhite, 0.05}, ColourCase{"CsCl", "white", BrightWhite, 0.03},
                      ColourCase{"NaCl", "pinkish", Pinkish, 0.08}),
    [](const ::testing::TestParamInfo<ColourCase>& info) {
        std::string name = std::string(info.param.name) + "_" + info.param.colour;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name + "_" + std::to_string(info.index);
    });

// The About window puts its title labels over the top of the picture and its
// button over the lower middle: the picture stays quiet there.
TEST(AboutPicture, IsCalmWhereTheTitleAndTheButtonLie)
{
    const QImage image = Load(AboutPath());
    ASSERT_FALSE(image.isNull());
    const QRect title(144, 8, 186, 83);
    const QRect button(168, 280, 130, 34);
    EXPECT_LT(LuminanceDeviation(image, title), 8.0);
    EXPECT_LT(LuminanceDeviation(image, button), 14.0);
    // and the picture as a whole is not that quiet: it shows the crystals.
    EXPECT_GT(LuminanceDeviation(image, QRect(0, 0, 477, 435)), 25.0);
}

} // namespace
