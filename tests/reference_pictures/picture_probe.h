// SPDX-License-Identifier: MIT
// Loading the reference and legend pictures from the built program folder,
// and reading their pixels.
#pragma once

#include <QImage>
#include <QString>

namespace vestrel::test {

// The picture at "<program folder>/Data/<relative>", read with the
// program's own JPEG loader; fails the current test when it cannot be read.
QImage LoadDataPicture(const QString& relative);

// Luminance 0..255 of a pixel.
int Luminance(QRgb pixel);

// The mean colour of the (2r+1) x (2r+1) square around (x, y).
QRgb MeanColour(const QImage& image, int x, int y, int r);

} // namespace vestrel::test
