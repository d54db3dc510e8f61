// SPDX-License-Identifier: MIT
// Picture files: the 24-bit bitmap layout, JPEG through the save dialog's
// entries, the extension rule and screenshot names.
#include "logic/pictures/picture_files.h"

#include "logic/pictures/jpeg_codec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vestrel {
namespace {

quint32 littleEndian(const QByteArray& bytes, int offset, int count)
{
    quint32 v = 0;
    for (int i = count - 1; i >= 0; --i)
        v = (v << 8) | static_cast<quint8>(bytes[offset + i]);
    return v;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A 3 × 2 picture: the rows of 9 bytes need 3 bytes of padding in a bitmap.
QImage smallPicture()
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(2, 0, qRgb(0, 0, 255));
    image.setPixel(0, 1, qRgb(10, 20, 30));
    image.setPixel(1, 1, qRgb(200, 100, 50));
    image.setPixel(2, 1, qRgb(255, 255, 255));
    return image;
}

// Large flat areas survive JPEG compression within a few levels.
QImage quarteredPicture()
{
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, x < 32 ? (y < 24 ? qRgb(220, 30, 30) : qRgb(30, 30, 220))
                                        : (y < 24 ? qRgb(30, 200, 30) : qRgb(240, 240, 240)));
    return image;
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

TEST(PictureFiles, BitmapHas24BitHeadersAndBottomUpPaddedRows)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("small.bmp"));
    QString error;
    ASSERT_TRUE(SaveBmp24(smallPicture(), path, &error)) << error.toStdString();
    const QByteArray bytes = readAll(path);
    constexpr int stride = 12;
    ASSERT_EQ(bytes.size(), 54 + 2 * stride);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(littleEndian(bytes, 2, 4), 54u + 2 * stride); // file size
    EXPECT_EQ(littleEndian(bytes, 10, 4), 54u);             // pixel data offset
    EXPECT_EQ(littleEndian(bytes, 14, 4), 40u);             // info header size
    EXPECT_EQ(littleEndian(bytes, 18, 4), 3u);
    EXPECT_EQ(littleEndian(bytes, 22, 4), 2u);
    EXPECT_EQ(littleEndian(bytes, 26, 2), 1u);  // planes
    EXPECT_EQ(littleEndian(bytes, 28, 2), 24u); // bits per pixel
    EXPECT_EQ(littleEndian(bytes, 30, 4), 0u);  // uncompressed
    // The first stored row is the bottom one, blue-green-red.
    const QByteArray bottom = bytes.mid(54, stride);
    EXPECT_EQ(bottom, QByteArray::fromHex("1e140a" "3264c8" "ffffff" "000000"));
    const QByteArray top = bytes.mid(54 + stride, stride);
    EXPECT_EQ(top, QByteArray::fromHex("0000ff" "00ff00" "ff0000" "000000"));
}

TEST(PictureFiles, BitmapReadsBackPixelForPixel)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quartered.bmp"));
    const QImage original = quarteredPicture();
    ASSERT_TRUE(SaveBmp24(original, path, nullptr));
    const QImage loaded(path, "BMP");
    ASSERT_EQ(loaded.size(), original.size());
    for (QPoint p : {QPoint(0, 0), QPoint(63, 0), QPoint(0, 47), QPoint(63, 47), QPoint(31, 23), QPoint(32, 24)})
        EXPECT_EQ(loaded.pixel(p) & 0xffffff, original.pixel(p) & 0xffffff) << p.x() << "," << p.y();
}

TEST(PictureFiles, FilterEntriesWriteTheirFormat)
{
    QTemporaryDir dir;
    const QImage original = quarteredPicture();
    for (int filter : {1, 2}) {
        const QString path = dir.filePath(QStringLiteral("view%1.jpg").arg(filter));
        QString error;
        ASSERT_TRUE(SavePictureForFilter(original, path, filter, &error)) << error.toStdString();
        EXPECT_EQ(readAll(path).left(3), QByteArray::fromHex("ffd8ff")) << "entry " << filter;
        const QImage decoded = LoadJpeg(path, &error);
        ASSERT_EQ(decoded.size(), original.size()) << error.toStdString();
        for (QPoint p : {QPoint(8, 8), QPoint(56, 8), QPoint(8, 40), QPoint(56, 40)})
            EXPECT_TRUE(near(decoded.pixel(p), original.pixel(p), 8)) << "entry " << filter;
    }
    const QString bmp = dir.filePath(QStringLiteral("view.bmp"));
    ASSERT_TRUE(SavePictureForFilter(original, bmp, 3, nullptr));
    EXPECT_EQ(littleEndian(readAll(bmp), 28, 2), 24u);
}

TEST(PictureFiles, ExistingFileIsReplaced)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("again.bmp"));
    ASSERT_TRUE(SaveBmp24(quarteredPicture(), path, nullptr));
    ASSERT_TRUE(SaveBmp24(smallPicture(), path, nullptr));
    EXPECT_EQ(QImage(path).size(), QSize(3, 2));
}

TEST(PictureFiles, UnwritableTargetGivesTheMessageWithTheFullPath)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no such folder/picture.bmp"));
    QString error;
    EXPECT_FALSE(SaveBmp24(smallPicture(), missing, &error));
    const QString prefix = QStringLiteral("Cannot create file \"%1\". ").arg(missing);
    EXPECT_TRUE(error.startsWith(prefix)) << error.toStdString();
    EXPECT_GT(error.size(), prefix.size()); // the system's reason follows

    // A folder where the file should be cannot be replaced either, in neither format.
    for (int filter : {1, 3}) {
        error.clear();
        EXPECT_FALSE(SavePictureForFilter(smallPicture(), dir.path(), filter, &error));
        EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(dir.path())))
            << error.toStdString();
    }
}

TEST(PictureFiles, RelativeNameIsReportedAsAFullPath)
{
    QString error;
    EXPECT_FALSE(SaveBmp24(smallPicture(), QStringLiteral("no-such-folder-here/x.bmp"), &error));
    const QString full = QDir::current().absoluteFilePath(QStringLiteral("no-such-folder-here/x.bmp"));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot create file \"%1\"").arg(full))) << error.toStdString();
}

struct ExtensionCase {
    const char* name;
    int filter;
    const char* expected;
};

TEST(PictureFiles, ExtensionOfTheChosenEntryIsAppendedOnlyWhenMissing)
{
    const ExtensionCase cases[] = {
        {"picture", 1, "picture.jpg"},
        {"picture", 2, "picture.jpeg"},
        {"picture", 3, "picture.bmp"},
        {"picture.bmp", 3, "picture.bmp"},
        {"picture.BMP", 3, "picture.BMP"},
        {"picture.Jpg", 1, "picture.Jpg"},
        {"picture.jpeg", 2, "picture.jpeg"},
        {"picture.jpg", 3, "picture.jpg.bmp"},
        {"picture.jpeg", 1, "picture.jpeg.jpg"},
        {"picture.jpg", 2, "picture.jpg.jpeg"},
        {"/home/user/view", 3, "/home/user/view.bmp"},
        {"view", 4, "view.png"},
        {"view.PNG", 4, "view.PNG"},
    };
    for (const ExtensionCase& c : cases)
        EXPECT_EQ(AppendFilterExtension(QString::fromUtf8(c.name), c.filter).toStdString(), c.expected)
            << c.name << " under entry " << c.filter;
}

TEST(PictureFiles, FilterEntriesKeepTheirOrderWithPngAfterThem)
{
    ASSERT_EQ(kPictureFilters.size(), 4u);
    EXPECT_STREQ(kPictureFilters[0].entry, "JPEG Image File (*.jpg)");
    EXPECT_STREQ(kPictureFilters[1].entry, "JPEG Image File (*.jpeg)");
    EXPECT_STREQ(kPictureFilters[2].entry, "Bitmaps (*.bmp)");
    EXPECT_STREQ(kPictureFilters[3].entry, "Рисунок PNG (*.png)");
}

const QDateTime kEvening(QDate(2026, 12, 6), QTime(21, 5, 33));

TEST(ScreenshotNames, RussianDateAndTimeWithFullStops)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    EXPECT_EQ(ScreenshotFileName(QStringLiteral("/opt/vestrel"), QStringLiteral("Calc"), kEvening, russian),
              QStringLiteral("/opt/vestrel/Screenshots/Calc06.12.2026_21.05.33.bmp"));
    EXPECT_EQ(ScreenshotFileName(QStringLiteral("/opt/vestrel/"), QStringLiteral("Structure"), kEvening, russian),
              QStringLiteral("/opt/vestrel/Screenshots/Structure06.12.2026_21.05.33.bmp"));
}

TEST(ScreenshotNames, UsDateSlashesBecomeFullStops)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QString name = ScreenshotFileName(QStringLiteral("/opt/vestrel"), QStringLiteral("Structure"), kEvening, us);
    EXPECT_EQ(name, QStringLiteral("/opt/vestrel/Screenshots/Structure12.6.26_9.05.33 PM.bmp"));
}

TEST(ScreenshotNames, NoLocaleLeavesACharacterAFileNameCannotHold)
{
    const QList<QLocale> locales{QLocale(QLocale::Chinese, QLocale::China), QLocale(QLocale::German),
                                 QLocale(QLocale::Japanese), QLocale(QLocale::Korean),
                                 QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale(QLocale::Persian)};
    for (const QLocale& locale : locales) {
        const QString path = ScreenshotFileName(QStringLiteral("/p"), QStringLiteral("Calc"), kEvening, locale);
        ASSERT_TRUE(path.startsWith(QStringLiteral("/p/Screenshots/Calc"))) << path.toStdString();
        const QString file = path.mid(QStringLiteral("/p/Screenshots/").size());
        for (QChar c : QStringLiteral("/\\:*?\"<>|"))
            EXPECT_FALSE(file.contains(c)) << locale.name().toStdString() << ": " << file.toStdString();
        EXPECT_TRUE(file.endsWith(QStringLiteral(".bmp")));
        EXPECT_TRUE(file.contains(u'_'));
    }
}

TEST(ScreenshotNames, SameSecondGivesTheSameName)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QDateTime later = kEvening.addMSecs(400);
    EXPECT_EQ(ScreenshotFileName(QStringLiteral("/p"), QStringLiteral("Calc"), kEvening, russian),
              ScreenshotFileName(QStringLiteral("/p"), QStringLiteral("Calc"), later, russian));
}

} // namespace
} // namespace vestrel
