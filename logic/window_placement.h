// SPDX-License-Identifier: MIT
// Where the auxiliary windows appear on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vestrel {

// The atom legend: top edge 70, left edge the drawing panel's width minus
// 150, in screen coordinates.
QPoint LegendPosition(int panelWidth);

// The About window centred on the main window: each coordinate is
// main edge + main extent / 2 - about extent / 2, computed in floating point
// and truncated towards zero.
QPoint AboutPosition(QRect mainWindowFrame, QSize aboutSize);

// A window of the given size centred in the screen's work area.
QPoint CentredOnScreen(QRect workArea, QSize windowSize);

} // namespace vestrel
