// SPDX-License-Identifier: MIT
#include "app/stereogram_painter.h"

#include "logic/pictures/file_io.h"
#include "logic/pictures/png_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vestrel {

const char* const StereogramEmptyText =
    QT_TRANSLATE_NOOP("vestrel::StereogramWindow", "Постройте многогранник или выберите класс симметрии");

namespace {

using morphology::StereoPoint;

const QColor NetColour(190, 200, 215);
const QColor MirrorColour(40, 40, 40);
const QColor MarkColour(255, 150, 0);

// The colour of an axis list item, as the 3-D view draws it; "Не строить" and
// typed text leave the symbol black.
QColor AxisColour(const DisplayOptions& o, int viewOrder)
{
    const int item = viewOrder == 2 ? o.axisColour2 : viewOrder == 3 ? o.axisColour3 : viewOrder == 4 ? o.axisColour4 : o.axisColour6;
    switch (item) {
    case 1: return QColor(0, 200, 0);
    case 2: return QColor(230, 0, 0);
    case 3: return QColor(0, 0, 230);
    case 4: return QColor(230, 210, 0);
    default: return QColor(0, 0, 0);
    }
}

QPolygonF RegularPolygon(QPointF centre, double radius, int corners, double turn)
{
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const double t = turn + 2 * std::numbers::pi * i / corners;
        polygon << centre + radius * QPointF(std::cos(t), std::sin(t));
    }
    return polygon;
}

// The lens of a 2-fold axis: two arcs meeting at the ends of its long axis.
QPainterPath Lens(QPointF centre, double length, double turn)
{
    const QPointF along(std::cos(turn), std::sin(turn)), across(-along.y(), along.x());
    QPainterPath path(centre + length * along);
    path.quadTo(centre + 0.8 * length * across, centre - length * along);
    path.quadTo(centre - 0.8 * length * across, centre + length * along);
    return path;
}

void PaintAxisSymbol(QPainter& p, QPointF at, double size, const morphology::StereoAxisSymbol& s, const QColor& colour, double turn)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(colour);
    const double pi = std::numbers::pi;
    switch (s.order) {
    case 2: p.drawPath(Lens(at, size * 1.3, turn)); break;
    case 3: p.drawPolygon(RegularPolygon(at, size * 1.1, 3, turn)); break;
    case 4: p.drawPolygon(RegularPolygon(at, size, 4, turn + pi / 4)); break;
    default: p.drawPolygon(RegularPolygon(at, size * 1.05, 6, turn)); break;
    }
    if (!s.inversion)
        return;
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    if (s.order == 3)
        p.drawEllipse(at, size * 0.25, size * 0.25);
    else if (s.order == 4)
        p.drawPath(Lens(at, size * 0.75, turn));
    else
        p.drawPolygon(RegularPolygon(at, size * 0.6, 3, turn));
}

void PaintPolyline(QPainter& p, const StereogramFrame& f, const std::vector<StereoPoint>& points)
{
    QPolygonF line;
    for (const StereoPoint& q : points)
        line << f.toPixels(q);
    p.drawPolyline(line);
}

void PaintNet(QPainter& p, const StereogramFrame& f, bool fine)
{
    p.setPen(QPen(NetColour, fine ? 0.5 : 0.8));
    p.setBrush(Qt::NoBrush);
    for (const auto& line : morphology::WulffNet(fine ? 2 : 10))
        PaintPolyline(p, f, line);
    p.drawLine(f.toPixels({-1, 0}), f.toPixels({1, 0}));
}

void PaintMirrors(QPainter& p, const StereogramFrame& f, const morphology::Stereogram& s)
{
    p.setBrush(Qt::NoBrush);
    for (const auto& mirror : s.mirrors) {
        if (mirror.horizontal)
            continue;
        p.setPen(QPen(MirrorColour, std::max(1.5, f.radius / 200)));
        PaintPolyline(p, f, mirror.points);
    }
}

void PaintAxes(QPainter& p, const StereogramFrame& f, const morphology::Stereogram& s, const DisplayOptions& colours)
{
    const double size = std::max(4.0, f.radius * 0.045);
    for (const auto& axis : s.axes) {
        const double radial = std::atan2(-axis.at.y, axis.at.x);
        const bool atCentre = std::hypot(axis.at.x, axis.at.y) < 1e-6;
        const double turn = atCentre ? -std::numbers::pi / 2 : radial;
        PaintAxisSymbol(p, f.toPixels(axis.at), size, axis, AxisColour(colours, axis.viewOrder), turn);
        if (axis.bothEnds)
            PaintAxisSymbol(p, f.toPixels({-axis.at.x, -axis.at.y}), size, axis, AxisColour(colours, axis.viewOrder), turn);
    }
}

void PaintCentre(QPainter& p, const StereogramFrame& f)
{
    const double r = std::max(3.0, f.radius * 0.015);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(f.centre, r, r);
    QFont font = p.font();
    font.setPixelSize(static_cast<int>(std::max(9.0, f.radius * 0.05)));
    p.setFont(font);
    p.drawText(f.centre + QPointF(r * 2.5, r * 5), QStringLiteral("C"));
}

void PaintPoles(QPainter& p, const StereogramFrame& f, const morphology::Stereogram& s, const StereogramLook& look)
{
    const double dot = std::max(2.5, f.radius * 0.016), ring = dot * 1.7;
    QFont font = p.font();
    font.setPixelSize(static_cast<int>(std::max(8.0, f.radius * 0.04)));
    p.setFont(font);
    for (const auto& pole : s.poles) {
        const QPointF at = f.toPixels(pole.at);
        const bool marked = look.markedFace && *look.markedFace == pole.face;
        p.setPen(QPen(marked ? MarkColour : Qt::black, marked ? 2 : 1.2));
        p.setBrush(pole.upper ? QBrush(marked ? MarkColour : Qt::black) : QBrush(Qt::NoBrush));
        if (pole.upper)
            p.drawEllipse(at, dot, dot);
        else
            p.drawEllipse(at, ring, ring);
        if (marked) {
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(at, ring * 1.8, ring * 1.8);
        }
        if (look.faceSymbols && !pole.symbol.empty()) {
            p.setPen(QColor(60, 60, 60));
            p.drawText(at + QPointF(ring * 1.2, pole.upper ? -ring * 0.6 : ring * 2.2), QString::fromStdString(pole.symbol));
        }
    }
}

} // namespace

StereogramFrame StereogramFrame::Inside(const QRectF& area)
{
    return {area.center(), std::max(1.0, 0.44 * std::min(area.width(), area.height()))};
}

QPointF StereogramFrame::toPixels(StereoPoint p) const { return centre + radius * QPointF(p.x, -p.y); }

StereoPoint StereogramFrame::fromPixels(QPointF p) const
{
    return {(p.x() - centre.x()) / radius, (centre.y() - p.y()) / radius};
}

void PaintStereogram(QPainter& p, const QRectF& area, const morphology::Stereogram* s, const StereogramLook& look)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Qt::white);
    const StereogramFrame f = StereogramFrame::Inside(area);
    if (look.wulffNet)
        PaintNet(p, f, look.fineNet);
    const bool horizontalMirror = s && std::any_of(s->mirrors.begin(), s->mirrors.end(), [](const auto& m) { return m.horizontal; });
    p.setPen(QPen(Qt::black, horizontalMirror ? std::max(3.5, f.radius / 70) : 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(f.centre, f.radius, f.radius);
    if (!s) {
        p.setPen(Qt::black);
        const QRectF box(f.centre.x() - f.radius * 0.9, f.centre.y() - f.radius * 0.3, f.radius * 1.8, f.radius * 0.6);
        p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, QCoreApplication::translate("vestrel::StereogramWindow", StereogramEmptyText));
        p.restore();
        return;
    }
    PaintMirrors(p, f, *s);
    if (s->centre)
        PaintCentre(p, f);
    PaintAxes(p, f, *s, look.colours);
    PaintPoles(p, f, *s, look);
    p.restore();
}

QImage StereogramImage(QSize size, const morphology::Stereogram* s, const StereogramLook& look)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintStereogram(painter, QRectF(QPointF(0, 0), QSizeF(size)), s, look);
    return image;
}

bool SaveStereogram(const QString& path, QSize size, const morphology::Stereogram* s, const StereogramLook& look, QString* error)
{
    const QString ending = QFileInfo(path).suffix().toLower();
    if (ending == QLatin1String("png"))
        return SavePng(StereogramImage(size, s, look), path, error);
    if (ending == QLatin1String("svg")) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QCoreApplication::translate("vestrel::StereogramWindow", "Стереографическая проекция"));
        QPainter painter(&svg);
        PaintStereogram(painter, QRectF(QPointF(0, 0), QSizeF(size)), s, look);
        painter.end();
        return WriteFileAtomically(path, buffer.data(), error);
    }
    if (error)
        *error = QCoreApplication::translate("vestrel::StereogramWindow", "Проекция сохраняется как рисунок PNG или SVG: имя файла должно оканчиваться на .png или .svg.");
    return false;
}

} // namespace vestrel
