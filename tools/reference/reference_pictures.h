// SPDX-License-Identifier: MIT
// The pictures of the reference and legend windows, drawn from data.
#pragma once

#include <QImage>

class QPainter;

namespace vestrel::reference {

QImage DrawClassesTable();      // Reference/Classes32.jpg
QImage DrawBravaisLattices();   // Reference/Bravais.jpg
QImage DrawCubicForms();        // Reference/CubicForms.jpg
QImage DrawClosestPackings();   // Reference/Packings.jpg
QImage DrawWulffNet();          // Reference/Wulff.jpg
QImage DrawAtomLegend();        // Legend/Atoms.jpg

// A white picture of the given size.
QImage NewPicture(int width, int height);

// Antialiased shapes and text.
void SetSmoothRendering(QPainter& painter);

} // namespace vestrel::reference
