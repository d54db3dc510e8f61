// SPDX-License-Identifier: MIT
#include "scenes/polyhedra/polyhedron_common.h"

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

} // namespace

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

} // namespace vestrel::polyhedra
