// SPDX-License-Identifier: MIT
#include "scenes/polyhedra/polyhedron_common.h"

#include <cmath>

namespace vestrel::polyhedra {

namespace {

void sendVertex(Draw& gl, const Vec3& p)
{
    gl.vertex(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
}

template <std::size_t N>
void drawFaces(Draw& gl, Primitive mode, std::span<const Vec3> vertices,
               std::span<const std::array<int, N>> faces)
{
    gl.surface(Surface::Faces);
    gl.begin(mode);
    for (const auto& face : faces)
        for (int v : face)
            sendVertex(gl, vertices[v]);
    gl.end();
}

// Rodrigues' rotation of p about the unit axis k by the angle with the
// cosine c and the sine s.
Vec3 rotated(Vec3 p, Vec3 k, double c, double s)
{
    const Vec3 kxp = cross(k, p);
    const double kp = dot(k, p) * (1 - c);
    return c * p + s * kxp + kp * k;
}

Vec3 atAzimuth(Vec3 p, double degrees)
{
    const double r = std::hypot(p.x, p.z), a = degrees * std::numbers::pi / 180;
    return {r * std::cos(a), p.y, r * std::sin(a)};
}

} // namespace

std::array<Vec3, 4> TurnedIntoPlane(const std::array<Vec3, 4>& corners, Vec3 normal)
{
    const Vec3 from = normalised(cross(corners[2] - corners[0], corners[3] - corners[1]));
    Vec3 to = normalised(normal);
    if (dot(from, to) < 0)
        to = -to;
    const Vec3 axis = cross(from, to);
    const double s = std::sqrt(dot(axis, axis)), c = dot(from, to);
    if (s < 1e-15)
        return corners;
    const Vec3 k = axis / s;
    std::array<Vec3, 4> out{};
    for (std::size_t i = 0; i < corners.size(); ++i)
        out[i] = rotated(corners[i], k, c, s);
    return out;
}

Axis TurnedToAzimuth(const Axis& axis, double degrees)
{
    return {atAzimuth(axis.from, degrees), atAzimuth(axis.to, degrees + 180)};
}

int AxisListIndex(const DisplayOptions& opt, int order)
{
    switch (order) {
    case 2: return opt.axisColour2;
    case 3: return opt.axisColour3;
    case 4: return opt.axisColour4;
    case 6: return opt.axisColour6;
    default: return NotDrawn;
    }
}

bool SelectAxisColour(Draw& gl, const DisplayOptions& opt, int order)
{
    switch (AxisListIndex(opt, order)) {
    case NotDrawn: return false;
    case Green: gl.colour(0, 1, 0); break;
    case Red: gl.colour(1, 0, 0); break;
    case Blue: gl.colour(0, 0, 1); break;
    case Yellow: gl.colour(1, 1, 0); break;
    default: break; // typed text: the current colour stays
    }
    return true;
}

void DrawAxisMarker(Draw& gl, Vec3 p)
{
    gl.translated(p.x, p.y, p.z);
    gl.sphere(MarkerRadius, MarkerSlices, MarkerStacks);
    gl.translated(-p.x, -p.y, -p.z);
}

void SetColour(Draw& gl, Colour c) { gl.colour(c.r, c.g, c.b); }

void EnterScene(Draw& gl, Colour face)
{
    gl.lighting(false);
    SetColour(gl, face);
}

void EnterSceneColourFirst(Draw& gl, Colour face)
{
    SetColour(gl, face);
    gl.lighting(false);
}

void DrawFaces(Draw& gl, std::span<const Vec3> vertices, std::span<const Triangle> faces)
{
    drawFaces<3>(gl, Primitive::Triangles, vertices, faces);
}

void DrawFaces(Draw& gl, std::span<const Vec3> vertices, std::span<const Quad> faces)
{
    drawFaces<4>(gl, Primitive::Quads, vertices, faces);
}

void SendEdges(Draw& gl, std::span<const Vec3> vertices, std::span<const Edge> edges)
{
    for (const Edge& e : edges) {
        sendVertex(gl, vertices[e.from]);
        sendVertex(gl, vertices[e.to]);
    }
}

void DrawEdges(Draw& gl, Colour edge, std::span<const Vec3> vertices, std::span<const Edge> edges)
{
    SetColour(gl, edge);
    gl.begin(Primitive::Lines);
    SendEdges(gl, vertices, edges);
    gl.end();
}

void DrawSymmetryPlanes(Draw& gl, std::span<const SymmetryPlane> planes)
{
    gl.surface(Surface::MirrorPlanes);
    gl.begin(Primitive::Quads);
    for (const SymmetryPlane& plane : planes) {
        SetColour(gl, plane.colour);
        for (const Vec3& corner : plane.corners)
            sendVertex(gl, corner);
    }
    gl.end();
}

void SendAxisGroup(Draw& gl, const DisplayOptions& opt, const AxisGroup& group)
{
    if (!SelectAxisColour(gl, opt, group.order))
        return;
    for (const Axis& axis : group.axes) {
        sendVertex(gl, axis.from);
        sendVertex(gl, axis.to);
    }
}

void DrawAxisGroups(Draw& gl, const DisplayOptions& opt, std::span<const AxisGroup> groups)
{
    gl.begin(Primitive::Lines);
    for (const AxisGroup& group : groups)
        SendAxisGroup(gl, opt, group);
    gl.end();
}

void DrawMarkerGroups(Draw& gl, const DisplayOptions& opt, std::span<const MarkerGroup> groups)
{
    for (const MarkerGroup& group : groups) {
        if (!SelectAxisColour(gl, opt, group.order))
            continue;
        for (const Vec3& p : group.points)
            DrawAxisMarker(gl, p);
    }
}

void DrawInversionAxisGroup(Draw& gl, const DisplayOptions& opt, const AxisGroup& group)
{
    if (AxisListIndex(opt, group.order) == NotDrawn)
        return;
    gl.lineStipple(InversionAxisStippleFactor, InversionAxisStipplePattern);
    gl.lineStippleEnabled(true);
    gl.begin(Primitive::Lines);
    SendAxisGroup(gl, opt, group);
    gl.end();
    gl.lineStippleEnabled(false);
}

} // namespace vestrel::polyhedra
