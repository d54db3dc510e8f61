// SPDX-License-Identifier: MIT
#include "tools/reference/solid_drawing.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <limits>

namespace vestrel::reference {

namespace {

constexpr double Ambient = 0.42;
constexpr double Diffuse = 0.70;
constexpr double EdgeDarkening = 0.35;
constexpr double EdgeWidth = 1.6;

// In view terms: from the left, above and in front.
Vec3 LightDirection(const View& view)
{
    return normalised(-0.40 * view.right + 0.55 * view.up + 0.85 * view.toward);
}

QColor Lit(const QColor& colour, double brightness)
{
    auto channel = [&](int v) { return std::clamp(qRound(v * brightness), 0, 255); };
    return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
}

} // namespace

QPointF ToPicture(const View& view, const Placement& placement, Vec3 p)
{
    return {placement.origin.x() + placement.scale * dot(p, view.right),
            placement.origin.y() - placement.scale * dot(p, view.up)};
}

QRectF ProjectedBounds(const View& view, const ConvexSolid& solid)
{
    double minX = std::numeric_limits<double>::max(), maxX = -minX, minY = minX, maxY = -minX;
    for (const Vec3& v : solid.vertices) {
        const QPointF p = ToPicture(view, {}, v);
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    return QRectF(QPointF(minX, minY), QPointF(maxX, maxY));
}

Placement FitInto(const View& view, const ConvexSolid& solid, const QRectF& box)
{
    const QRectF bounds = ProjectedBounds(view, solid);
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    return {box.center() - scale * bounds.center(), scale};
}

void DrawShadedSolid(QPainter& painter, const View& view, const Placement& placement, const ConvexSolid& solid,
                     const QColor& colour)
{
    const Vec3 light = LightDirection(view);
    painter.save();
    painter.setPen(QPen(Lit(colour, EdgeDarkening), EdgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const SolidFace& face : solid.faces) {
        if (!FacesViewer(view, face))
            continue;
        QPolygonF polygon;
        for (int corner : face.corners)
            polygon << ToPicture(view, placement, solid.vertices[corner]);
        painter.setBrush(Lit(colour, Ambient + Diffuse * std::max(0.0, dot(face.normal, light))));
        painter.drawPolygon(polygon);
    }
    painter.restore();
}

} // namespace vestrel::reference
