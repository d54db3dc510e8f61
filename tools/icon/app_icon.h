// SPDX-License-Identifier: MIT
// The program's icon: a cubic crystal cell (grey edges, coloured atoms at the
// corners and one in the centre) on a dark rounded square. One list of
// shapes on a 256 × 256 canvas, drawn either with QPainter (the PNG sizes) or
// written as SVG, so the two always show the same picture.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

namespace vestrel::icon {

inline constexpr double CanvasSize = 256;

// The background: a rounded square filled with a vertical gradient.
struct Plate {
    QRectF rect;
    double radius;
    QColor top;
    QColor bottom;
};

// A cell edge.
struct Edge {
    QPointF from;
    QPointF to;
    double width;
    QColor colour;
};

// An atom: a disc with a radial gradient, light at the upper left.
struct Atom {
    QPointF centre;
    double radius;
    QColor light;
    QColor dark;
};

struct Shape {
    enum class Kind { Plate, Edge, Atom } kind;
    Plate plate{};
    Edge edge{};
    Atom atom{};
};

// The shapes in drawing order (back to front).
std::vector<Shape> IconShapes();

// The icon drawn at size × size pixels on a transparent background.
QImage RenderIcon(int size);

// The icon as an SVG document.
QString IconSvg();

} // namespace vestrel::icon
