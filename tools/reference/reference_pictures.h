// SPDX-License-Identifier: MIT
// The pictures of the reference and legend windows, drawn from data.
#pragma once

#include <QImage>
#include <QString>

#include <string_view>

class QPainter;

namespace vestrel::reference {

struct PictureTexts;

// The pictures with words on them, in the language of `texts`.
QImage DrawClassesTable(const PictureTexts& texts);      // Reference/Classes32.jpg
QImage DrawBravaisLattices(const PictureTexts& texts);   // Reference/Bravais.jpg
QImage DrawCubicForms(const PictureTexts& texts);        // Reference/CubicForms.jpg
QImage DrawClosestPackings(const PictureTexts& texts);   // Reference/Packings.jpg
// The pictures without words: numbers and element symbols only.
QImage DrawWulffNet();          // Reference/Wulff.jpg
QImage DrawAtomLegend();        // Legend/Atoms.jpg

// A white picture of the given size.
QImage NewPicture(int width, int height);

// Antialiased shapes and text.
void SetSmoothRendering(QPainter& painter);

QString Utf8(std::string_view text);

} // namespace vestrel::reference
