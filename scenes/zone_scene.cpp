// SPDX-License-Identifier: MIT
#include "scenes/zone_scene.h"

#include <algorithm>
#include <array>
#include <utility>
#include <cmath>
#include <numbers>

namespace vestrel {

namespace {

constexpr Colour CellColour{0.7f, 0.7f, 0.7f};
constexpr float CellLineWidth = 2;
constexpr double ArrowHeadLength = 4;
constexpr double ArrowHeadRadius = 1.5;
// The arrows reach this far beyond the point where they leave the cube.
constexpr double ArrowOvershoot = 1.3;

void setColour(Draw& gl, Colour c) { gl.colour(c.r, c.g, c.b); }

void vertex(Draw& gl, Vec3 p) { gl.vertex(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)); }

// The twelve edges of the cube of half-edge h centred on the origin.
std::array<std::pair<Vec3, Vec3>, 12> cubeEdges(double h)
{
    std::array<std::pair<Vec3, Vec3>, 12> edges;
    std::size_t i = 0;
    for (int axis = 0; axis < 3; ++axis)
        for (int a : {-1, 1})
            for (int b : {-1, 1}) {
                const double u = a * h, v = b * h;
                switch (axis) {
                case 0: edges[i++] = {{-h, u, v}, {h, u, v}}; break;
                case 1: edges[i++] = {{u, -h, v}, {u, h, v}}; break;
                default: edges[i++] = {{u, v, -h}, {u, v, h}}; break;
                }
            }
    return edges;
}

void drawCell(Draw& gl)
{
    const double h = ZoneCellEdge / 2;
    setColour(gl, CellColour);
    gl.lineWidth(CellLineWidth);
    gl.begin(Primitive::Lines);
    for (const auto& [from, to] : cubeEdges(h)) {
        vertex(gl, from);
        vertex(gl, to);
    }
    gl.end();
}

// How far along the unit direction d a ray from the centre leaves the cube.
double exitDistance(Vec3 d)
{
    const double largest = std::max({std::abs(d.x), std::abs(d.y), std::abs(d.z)});
    return ZoneCellEdge / 2 / largest;
}

// An arrowhead: a cone along d whose tip is at tip.
void drawArrowHead(Draw& gl, Vec3 tip, Vec3 d)
{
    const Vec3 base = tip - ArrowHeadLength * d;
    gl.pushMatrix();
    gl.translated(base.x, base.y, base.z);
    // The cone of the quadric points along +z: turn +z onto d.
    const Vec3 z{0, 0, 1};
    const Vec3 axis = cross(z, d);
    const double angle = std::acos(std::clamp(dot(z, d), -1.0, 1.0)) * 180 / std::numbers::pi;
    if (length(axis) > 1e-12)
        gl.rotatef(static_cast<float>(angle), static_cast<float>(axis.x), static_cast<float>(axis.y),
                   static_cast<float>(axis.z));
    else if (d.z < 0)
        gl.rotatef(180, 1, 0, 0);
    gl.cylinder(ArrowHeadRadius, 0, ArrowHeadLength, 16, 1);
    gl.popMatrix();
}

// From `from` to the far end along d, with its head there.
void drawArrow(Draw& gl, Colour colour, Vec3 d, bool throughCentre)
{
    const double reach = exitDistance(d) * ArrowOvershoot;
    const Vec3 tip = reach * d;
    const Vec3 tail = throughCentre ? -reach * d : Vec3{};
    setColour(gl, colour);
    gl.lineWidth(ZoneArrowWidth);
    gl.begin(Primitive::Lines);
    vertex(gl, tail);
    vertex(gl, tip);
    gl.end();
    drawArrowHead(gl, tip, d);
}

void drawPlane(Draw& gl, Colour colour, Vec3 normal)
{
    const std::vector<Vec3> corners = CubeSection(normal, ZoneCellEdge);
    if (corners.size() < 3)
        return;
    gl.opacity(ZonePlaneOpacity);
    setColour(gl, colour);
    gl.begin(Primitive::Polygon);
    for (const Vec3& p : corners)
        vertex(gl, p);
    gl.end();
    gl.opacity(1);
    // The outline stays opaque, so the plane's edge on the cube reads clearly.
    gl.lineWidth(1);
    gl.begin(Primitive::LineLoop);
    for (const Vec3& p : corners)
        vertex(gl, p);
    gl.end();
}

bool isZero(const MillerIndices& m) { return m == MillerIndices{}; }

} // namespace

ZoneScene MakeZoneScene(ZoneScene::Kind kind, const MillerIndices& p, const MillerIndices& q)
{
    ZoneScene s;
    s.kind = kind;
    s.first = p;
    s.second = q;
    s.product = {p[1] * q[2] - p[2] * q[1], p[2] * q[0] - p[0] * q[2], p[0] * q[1] - p[1] * q[0]};
    return s;
}

Vec3 ZoneSceneVector(const MillerIndices& m)
{
    return {static_cast<double>(m[0]), static_cast<double>(m[2]), -static_cast<double>(m[1])};
}

std::vector<Vec3> CubeSection(const Vec3& normal, double edge)
{
    std::vector<Vec3> points;
    if (length(normal) == 0)
        return points;
    const Vec3 n = normalised(normal);
    const double h = edge / 2;
    // Every cube edge that the plane crosses gives a corner of the section.
    for (const auto& [from, to] : cubeEdges(h)) {
                const double sf = dot(n, from), st = dot(n, to);
                if ((sf > 0 && st > 0) || (sf < 0 && st < 0) || sf == st)
                    continue;
                const double t = sf / (sf - st);
                const Vec3 p = from + t * (to - from);
                const bool seen = std::any_of(points.begin(), points.end(),
                                              [&](const Vec3& q) { return distance(p, q) < 1e-9 * edge; });
                if (!seen)
                    points.push_back(p);
    }
    // Order the corners by their angle about the normal.
    const Vec3 e1 = normalised(std::abs(n.x) < 0.9 ? cross(n, {1, 0, 0}) : cross(n, {0, 1, 0}));
    const Vec3 e2 = cross(n, e1);
    std::sort(points.begin(), points.end(), [&](const Vec3& p, const Vec3& q) {
        return std::atan2(dot(p, e2), dot(p, e1)) < std::atan2(dot(q, e2), dot(q, e1));
    });
    return points;
}

void DrawZoneScene(Draw& gl, const ZoneScene& scene, const DisplayOptions& options)
{
    gl.lighting(false);
    gl.pushMatrix();
    gl.quadricDrawStyle(QuadricStyle::Fill);
    gl.quadricOrientation(QuadricOrientation::Outside);
    if (options.showLines)
        drawCell(gl);
    const Vec3 first = ZoneSceneVector(scene.first);
    const Vec3 second = ZoneSceneVector(scene.second);
    const Vec3 product = ZoneSceneVector(scene.product);
    if (scene.kind == ZoneScene::Kind::FacesToEdge) {
        // Arrows first: the translucent planes are blended over them.
        if (!scene.parallel())
            drawArrow(gl, ZoneProductColour, normalised(product), true);
        if (!isZero(scene.first))
            drawPlane(gl, ZoneFirstColour, first);
        if (!scene.parallel() && !isZero(scene.second))
            drawPlane(gl, ZoneSecondColour, second);
    } else {
        if (!isZero(scene.first))
            drawArrow(gl, ZoneFirstColour, normalised(first), false);
        if (!scene.parallel() && !isZero(scene.second))
            drawArrow(gl, ZoneSecondColour, normalised(second), false);
        if (!scene.parallel())
            drawPlane(gl, ZoneProductColour, product);
    }
    gl.popMatrix();
}

} // namespace vestrel
