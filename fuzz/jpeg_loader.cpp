// SPDX-License-Identifier: MIT
// The JPEG loader over any bytes: it never crashes, never gives a picture
// above the pixel limit, and either gives a picture or says why not.
#include "fuzz/fuzz_target.h"
#include "logic/pictures/jpeg_codec.h"

VESTREL_FUZZ_TARGET(jpeg_loader)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const QImage image = vestrel::DecodeJpeg(bytes, QStringLiteral("fuzz.jpg"), &error);
    using vestrel::fuzz::Check;
    Check(image.isNull() != error.isEmpty(), "a picture comes without a message, a failure with one");
    if (!image.isNull()) {
        Check(static_cast<qint64>(image.width()) * image.height() <= vestrel::kMaxJpegPixels,
              "no picture above the pixel limit");
        Check(image.format() == QImage::Format_RGB888, "pictures come as 24-bit RGB");
        // Every row was written: reading the last pixel touches real memory.
        (void)image.pixel(image.width() - 1, image.height() - 1);
    }
    return 0;
}
