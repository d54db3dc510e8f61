// SPDX-License-Identifier: MIT
// The atom legend: a ball in each element's colour, a dash and the symbol,
// from the colour table the structure scenes draw with.
#include "scenes/structures/element_colours.h"
#include "tools/reference/legend_layout.h"
#include "tools/reference/reference_pictures.h"
#include "tools/reference/rich_text.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace vestrel::reference {

namespace {

QColor ToQColor(const Colour& c)
{
    auto channel = [](float v) { return std::clamp(static_cast<int>(std::lround(v * 255.0f)), 0, 255); };
    return QColor(channel(c.r), channel(c.g), channel(c.b));
}

QColor Scaled(const QColor& c, double factor)
{
    return QColor(qRound(c.red() * factor), qRound(c.green() * factor), qRound(c.blue() * factor));
}

void DrawBall(QPainter& painter, QPointF centre, const QColor& colour)
{
    QRadialGradient shade(centre, legend::BallRadius);
    shade.setColorAt(0, colour);
    shade.setColorAt(legend::FlatRadius / legend::BallRadius, colour);
    shade.setColorAt(1, Scaled(colour, 0.55));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(centre, legend::BallRadius, legend::BallRadius);
    // The flat middle is painted again without antialiasing so that its
    // pixels carry exactly the element's colour.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(colour);
    painter.drawEllipse(centre, legend::FlatRadius, legend::FlatRadius);
    painter.restore();
}

template <size_t N>
void DrawColumn(QPainter& painter, int column, const std::array<structures::ElementColour, N>& elements)
{
    const QFont font = PixelFont("DejaVu Sans", 13, true);
    for (size_t row = 0; row < N; ++row) {
        const legend::BallCentre c = legend::BallCentreAt(column, static_cast<int>(row));
        DrawBall(painter, QPointF(c.x, c.y), ToQColor(elements[row].colour));
        const QString symbol = QString::fromUtf8(elements[row].symbol.data(), qsizetype(elements[row].symbol.size()));
        painter.setPen(Qt::black);
        painter.setFont(font);
        painter.drawText(QPointF(c.x + legend::BallRadius + 3, c.y + 5), QString(QChar(0x2013)) + u' ' + symbol);
    }
}

} // namespace

QImage DrawAtomLegend()
{
    QImage image = NewPicture(legend::Width, legend::Height);
    QPainter painter(&image);
    SetSmoothRendering(painter);
    DrawColumn(painter, 0, structures::LegendLeftColumn);
    DrawColumn(painter, 1, structures::LegendRightColumn);
    return image;
}

} // namespace vestrel::reference
