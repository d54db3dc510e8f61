// SPDX-License-Identifier: MIT
#include "tests/reference_pictures/picture_probe.h"

#include "logic/pictures/jpeg_codec.h"

#include <gtest/gtest.h>

namespace vestrel::test {

QImage LoadDataPicture(const QString& relative)
{
    const QString path = QStringLiteral(VESTREL_PROGRAM_DIR "/Data/") + relative;
    QString error;
    QImage image = LoadJpeg(path, &error);
    EXPECT_FALSE(image.isNull()) << error.toStdString();
    return image;
}

int Luminance(QRgb pixel)
{
    return (299 * qRed(pixel) + 587 * qGreen(pixel) + 114 * qBlue(pixel)) / 1000;
}

QRgb MeanColour(const QImage& image, int x, int y, int r)
{
    int red = 0, green = 0, blue = 0, n = 0;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            const QRgb p = image.pixel(x + dx, y + dy);
            red += qRed(p);
            green += qGreen(p);
            blue += qBlue(p);
            ++n;
        }
    return qRgb((red + n / 2) / n, (green + n / 2) / n, (blue + n / 2) / n);
}

} // namespace vestrel::test
