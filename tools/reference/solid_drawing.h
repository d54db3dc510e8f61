// SPDX-License-Identifier: MIT
// Drawing convex solids in an orthographic view with QPainter.
#pragma once

#include "tools/reference/solid_view.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace vestrel::reference {

// Where the view puts a point of the solid: picture position of the solid's
// origin and pixels per unit.
struct Placement {
    QPointF origin;
    double scale = 1;
};

QPointF ToPicture(const View& view, const Placement& placement, Vec3 p);

// The bounding box of the solid's projection with origin (0, 0) and scale 1.
QRectF ProjectedBounds(const View& view, const ConvexSolid& solid);

// The placement that centres the projection of the solid in the box at the
// largest scale that fits.
Placement FitInto(const View& view, const ConvexSolid& solid, const QRectF& box);

// The faces turned towards the viewer, filled with the colour lit by a light
// from the upper left front, and their edges.
void DrawShadedSolid(QPainter& painter, const View& view, const Placement& placement, const ConvexSolid& solid,
                     const QColor& colour);

} // namespace vestrel::reference
