// SPDX-License-Identifier: MIT
#include "app/powder_widgets.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vestrel {

namespace {

constexpr int IconSize = 32;

} // namespace

QIcon PowderIcon()
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Axes, then a few lines of a pattern under its profile.
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.drawLine(QPointF(4, 4), QPointF(4, 28));
    p.drawLine(QPointF(4, 28), QPointF(29, 28));
    const double lines[][2] = {{9, 14}, {13, 5}, {18, 17}, {23, 11}, {26, 21}};
    p.setPen(QPen(QColor(180, 0, 0), 2.0));
    for (const auto& l : lines)
        p.drawLine(QPointF(l[0], 27), QPointF(l[0], l[1]));
    QPainterPath profile;
    profile.moveTo(5, 27);
    for (const auto& l : lines) {
        profile.lineTo(l[0] - 1.5, 26);
        profile.lineTo(l[0], l[1]);
        profile.lineTo(l[0] + 1.5, 26);
    }
    profile.lineTo(29, 27);
    p.setPen(QPen(QColor(40, 90, 200), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(profile);
    p.end();
    return QIcon(pixmap);
}

} // namespace vestrel
