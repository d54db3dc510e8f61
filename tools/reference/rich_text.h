// SPDX-License-Identifier: MIT
// Drawing of crystallographic symbols (symbol_markup.h) with QPainter.
#pragma once

#include "tools/reference/symbol_markup.h"

#include <QColor>
#include <QFont>

class QPainter;

namespace vestrel::reference {

// A font of the given family and pixel size, so that the pictures do not
// depend on the screen resolution.
QFont PixelFont(const QString& family, double pixelSize, bool bold = false, bool italic = false);

double RichTextWidth(const RichText& text, const QFont& font);

// The font itself when the text fits into maxWidth, else the same font made
// just small enough for it.
QFont FittedFont(const RichText& text, const QFont& font, double maxWidth);

// Draws the text with its baseline starting at (x, baseline) in the
// painter's current pen colour.
void DrawRichText(QPainter& painter, double x, double baseline, const RichText& text, const QFont& font);
void DrawRichTextCentred(QPainter& painter, double centreX, double baseline, const RichText& text,
                         const QFont& font);

// Plain text centred on centreX.
void DrawTextCentred(QPainter& painter, double centreX, double baseline, const QString& text, const QFont& font);

} // namespace vestrel::reference
