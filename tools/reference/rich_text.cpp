// SPDX-License-Identifier: MIT
#include "tools/reference/rich_text.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace vestrel::reference {

namespace {

constexpr double SubscriptScale = 0.64;
constexpr double SubscriptDrop = 0.22;      // of the main font's pixel size
constexpr double OverbarGap = 0.10;         // between the digit's top and the bar
constexpr double OverbarThickness = 0.065;
constexpr double OverbarInset = 0.06;       // the bar is a little shorter than the digit's advance

QFont SubscriptFont(const QFont& font)
{
    QFont sub(font);
    sub.setPixelSize(std::max(1, qRound(font.pixelSize() * SubscriptScale)));
    return sub;
}

const QFont& RunFont(const TextRun& run, const QFont& font, const QFont& sub)
{
    return run.style == RunStyle::Subscript ? sub : font;
}

} // namespace

QFont PixelFont(const QString& family, double pixelSize, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    font.setItalic(italic);
    font.setKerning(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double RichTextWidth(const RichText& text, const QFont& font)
{
    const QFont sub = SubscriptFont(font);
    double width = 0;
    for (const TextRun& run : text)
        width += QFontMetricsF(RunFont(run, font, sub)).horizontalAdvance(run.text);
    return width;
}

QFont FittedFont(const RichText& text, const QFont& font, double maxWidth)
{
    QFont fitted(font);
    while (fitted.pixelSize() > 1 && RichTextWidth(text, fitted) > maxWidth)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    return fitted;
}

void DrawRichText(QPainter& painter, double x, double baseline, const RichText& text, const QFont& font)
{
    const QFont sub = SubscriptFont(font);
    const double size = font.pixelSize();
    for (const TextRun& run : text) {
        const QFont& runFont = RunFont(run, font, sub);
        const QFontMetricsF metrics(runFont);
        const double advance = metrics.horizontalAdvance(run.text);
        const double y = run.style == RunStyle::Subscript ? baseline + SubscriptDrop * size : baseline;
        painter.setFont(runFont);
        painter.drawText(QPointF(x, y), run.text);
        if (run.style == RunStyle::Overbar) {
            const QRectF glyph = metrics.tightBoundingRect(run.text);
            const double barY = baseline + glyph.top() - (OverbarGap + OverbarThickness / 2) * size;
            const double inset = OverbarInset * size;
            QPen bar(painter.pen().color(), OverbarThickness * size, Qt::SolidLine, Qt::FlatCap);
            painter.save();
            painter.setPen(bar);
            painter.drawLine(QPointF(x + inset, barY), QPointF(x + advance - inset, barY));
            painter.restore();
        }
        x += advance;
    }
}

void DrawRichTextCentred(QPainter& painter, double centreX, double baseline, const RichText& text,
                         const QFont& font)
{
    DrawRichText(painter, centreX - RichTextWidth(text, font) / 2, baseline, text, font);
}

void DrawTextCentred(QPainter& painter, double centreX, double baseline, const QString& text, const QFont& font)
{
    DrawRichTextCentred(painter, centreX, baseline, RichText{{text, RunStyle::Plain}}, font);
}

} // namespace vestrel::reference
