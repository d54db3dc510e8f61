// SPDX-License-Identifier: MIT
// JPEG files whose frame header claims a size their data does not have.
#pragma once

#include "logic/pictures/jpeg_codec.h"

#include <QImage>
#include <gtest/gtest.h>

namespace vestrel {

// A real 16 x 16 baseline JPEG with the width and height of its frame
// header (SOF0) replaced.
inline QByteArray ForgedJpeg(quint16 width, quint16 height)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    QString error;
    QByteArray bytes = EncodeJpeg(image, 90, &error);
    const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    EXPECT_GT(sof, 0) << error.toStdString();
    if (sof <= 0)
        return {};
    // After the marker: length (2 bytes), precision (1), height (2), width (2).
    bytes[sof + 5] = static_cast<char>(height >> 8);
    bytes[sof + 6] = static_cast<char>(height & 0xff);
    bytes[sof + 7] = static_cast<char>(width >> 8);
    bytes[sof + 8] = static_cast<char>(width & 0xff);
    return bytes;
}

} // namespace vestrel
