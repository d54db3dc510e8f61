// SPDX-License-Identifier: MIT
// The JPEG decoder's limits: a header claiming more than 64 megapixels is
// refused from the header, before the picture is allocated.
#include "logic/pictures/jpeg_codec.h"
#include "tests/bad_files/forged_jpeg.h"

#include <gtest/gtest.h>

namespace vestrel {
namespace {

struct SizeCase {
    quint16 width;
    quint16 height;
    const char* message; // nullptr: the picture-size message
};

TEST(JpegLimits, PicturesAbove64MegapixelsAreRefusedFromTheirHeader)
{
    const SizeCase cases[] = {
        {65535, 65535, "Maximum supported image dimension is 65500 pixels"}, // libjpeg's own limit
        {65500, 65500, nullptr},
        {8192, 8193, nullptr},
        {65500, 1025, nullptr},
        // Within the limit the picture is allocated, and the missing data
        // then ends the decoding.
        {8192, 8192, "Corrupt JPEG data: premature end of data segment"},
        {65500, 1024, "Corrupt JPEG data: premature end of data segment"},
    };
    for (const SizeCase& c : cases) {
        QString error;
        const QImage image = DecodeJpeg(ForgedJpeg(c.width, c.height), QStringLiteral("forged.jpg"), &error);
        EXPECT_TRUE(image.isNull());
        const QString expected = c.message ? QString::fromLatin1(c.message)
                                           : PictureTooLargeMessage(QStringLiteral("forged.jpg"), c.width, c.height);
        EXPECT_EQ(error.toStdString(), expected.toStdString()) << c.width << " x " << c.height;
    }
}

TEST(JpegLimits, TheMessageNamesTheSizeAndTheLimit)
{
    EXPECT_EQ(PictureTooLargeMessage(QStringLiteral("/p/NaCl.jpg"), 65500, 65500).toStdString(),
              "The picture \"/p/NaCl.jpg\" is too large: 65500 x 65500 pixels, at most 64 megapixels.");
}

} // namespace
} // namespace vestrel
