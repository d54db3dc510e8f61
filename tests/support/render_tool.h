// SPDX-License-Identifier: MIT
// Helpers for image tests: run vestrel-render and look at the picture.
#pragma once

#include "render/geometry.h"

#include <QImage>
#include <QJsonObject>
#include <QStringList>

namespace vestrel::test {

// Runs vestrel-render with the arguments (--out is added) and loads the PNG.
// Fails the current test and returns a null image when the tool fails.
QImage RenderWithTool(const QStringList& args);

// Runs vestrel-render with the arguments and --dump, and reads the JSON it
// writes. Fails the current test and returns an empty object when it fails.
QJsonObject DumpWithTool(const QStringList& args);

// The 8-bit RGB a colour triple shows as on the screen (components clamped).
QRgb ScreenColour(const Colour& c);

// Number of pixels within tolerance (per channel) of the colour.
int CountPixels(const QImage& image, QRgb colour, int tolerance = 2);

// Whether the image has at least minCount pixels of that colour.
bool HasColour(const QImage& image, QRgb colour, int minCount = 4, int tolerance = 2);

} // namespace vestrel::test
