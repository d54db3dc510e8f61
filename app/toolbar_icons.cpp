// SPDX-License-Identifier: MIT
#include "app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vestrel {

namespace {

constexpr int Size = 32;

void drawCube(QPainter& p, QColor face)
{
    const QPointF front[4] = {{6, 12}, {20, 12}, {20, 26}, {6, 26}};
    const QPointF top[4] = {{6, 12}, {12, 6}, {26, 6}, {20, 12}};
    const QPointF side[4] = {{20, 12}, {26, 6}, {26, 20}, {20, 26}};
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(face);
    p.drawPolygon(front, 4);
    p.setBrush(face.lighter(140));
    p.drawPolygon(top, 4);
    p.setBrush(face.darker(140));
    p.drawPolygon(side, 4);
}

void drawArrow(QPainter& p, bool right)
{
    QPainterPath path;
    if (right) {
        path.moveTo(6, 12);
        path.lineTo(16, 12);
        path.lineTo(16, 6);
        path.lineTo(27, 16);
        path.lineTo(16, 26);
        path.lineTo(16, 20);
        path.lineTo(6, 20);
    } else {
        path.moveTo(26, 12);
        path.lineTo(16, 12);
        path.lineTo(16, 6);
        path.lineTo(5, 16);
        path.lineTo(16, 26);
        path.lineTo(16, 20);
        path.lineTo(26, 20);
    }
    path.closeSubpath();
    p.setPen(QPen(QColor(20, 70, 20), 1.2));
    p.setBrush(QColor(60, 170, 60));
    p.drawPath(path);
}

void drawPicture(QPainter& p, int index)
{
    switch (index) {
    case 0: // build
        drawCube(p, QColor(70, 130, 220));
        break;
    case 1: // erase
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        p.setBrush(QColor(240, 150, 160));
        p.drawPolygon(QPolygonF({{4, 20}, {16, 8}, {28, 18}, {18, 28}, {10, 28}}));
        p.setBrush(QColor(230, 230, 230));
        p.drawPolygon(QPolygonF({{4, 20}, {10, 14}, {22, 24}, {18, 28}, {10, 28}}));
        break;
    case 2: // reference
        p.setPen(QPen(QColor(60, 40, 20), 1.2));
        p.setBrush(QColor(170, 60, 40));
        p.drawRect(7, 4, 18, 24);
        p.setBrush(QColor(250, 245, 230));
        p.drawRect(10, 7, 12, 6);
        break;
    case 3: // next
        drawArrow(p, true);
        break;
    case 4: // save
        p.setPen(QPen(QColor(30, 30, 60), 1.2));
        p.setBrush(QColor(60, 80, 160));
        p.drawRect(5, 5, 22, 22);
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(9, 5, 14, 9);
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(9, 18, 14, 9);
        break;
    case 5: // screenshot
        p.setPen(QPen(QColor(30, 30, 30), 1.2));
        p.setBrush(QColor(90, 90, 100));
        p.drawRoundedRect(4, 10, 24, 16, 3, 3);
        p.drawRect(11, 6, 10, 4);
        p.setBrush(QColor(160, 200, 240));
        p.drawEllipse(QPointF(16, 18), 5, 5);
        break;
    case 6: { // legend
        const QColor balls[3] = {QColor(180, 0, 0), QColor(0, 0, 255), QColor(0, 180, 0)};
        for (int i = 0; i < 3; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(balls[i]);
            p.drawEllipse(QPointF(8, 7 + i * 9), 3.5, 3.5);
            p.setPen(QPen(QColor(40, 40, 40), 1.5));
            p.drawLine(QPointF(14, 7 + i * 9), QPointF(26, 7 + i * 9));
        }
        break;
    }
    case 7: // settings
        p.setPen(QPen(QColor(60, 60, 60), 4, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(16, 16);
            p.rotate(45 * i);
            p.drawLine(QPointF(0, 8), QPointF(0, 12));
            p.restore();
        }
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        p.setBrush(QColor(170, 170, 180));
        p.drawEllipse(QPointF(16, 16), 9, 9);
        p.setBrush(QColor(240, 240, 240));
        p.drawEllipse(QPointF(16, 16), 3.5, 3.5);
        break;
    case 8: { // help
        p.setPen(QPen(QColor(20, 40, 120), 1.2));
        p.setBrush(QColor(70, 120, 220));
        p.drawEllipse(QPointF(16, 16), 12, 12);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(18);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(4, 4, 24, 24), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case 9: // exit
        p.setPen(QPen(QColor(60, 40, 20), 1.2));
        p.setBrush(QColor(150, 100, 60));
        p.drawRect(6, 4, 14, 24);
        p.setPen(QPen(QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, 16), QPointF(29, 16));
        p.drawLine(QPointF(25, 12), QPointF(29, 16));
        p.drawLine(QPointF(25, 20), QPointF(29, 16));
        break;
    case 10: // previous
        drawArrow(p, false);
        break;
    case 11: { // open a structure file: an open folder with a small cell of atoms
        p.setPen(QPen(QColor(110, 80, 20), 1.2));
        p.setBrush(QColor(225, 180, 80));
        p.drawPolygon(QPolygonF({{3, 9}, {11, 9}, {14, 12}, {26, 12}, {26, 27}, {3, 27}}));
        p.setBrush(QColor(245, 210, 120));
        p.drawPolygon(QPolygonF({{3, 27}, {8, 16}, {30, 16}, {26, 27}}));
        p.setPen(QPen(QColor(90, 90, 90), 1.2));
        const QPointF corners[4] = {{12, 4}, {22, 4}, {22, 12}, {12, 12}};
        for (int i = 0; i < 4; ++i)
            p.drawLine(corners[i], corners[(i + 1) % 4]);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(i % 2 == 0 ? QColor(0, 0, 255) : QColor(180, 0, 0));
            p.drawEllipse(corners[i], 2.6, 2.6);
        }
        break;
    }
    default:
        break;
    }
}

} // namespace

QIcon ToolIcon(int index)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPicture(painter, index);
    painter.end();
    return QIcon(pixmap);
}

} // namespace vestrel
