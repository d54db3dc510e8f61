// SPDX-License-Identifier: MIT
// What the twelve polyhedron blocks share: the colours of the axis lists, the
// steps of a block (faces, edges, planes, axes, markers) and the marker ball.
// Each block is a short list of these steps over its own literal tables.
#pragma once

#include "render/draw.h"
#include "scenes/display_options.h"
#include "render/geometry.h"

#include <array>
#include <span>

namespace vestrel::polyhedra {

// Items of the four axis colour lists; any other index (typed text) selects
// no colour.
enum AxisListItem : int { NotDrawn = 0, Green = 1, Red = 2, Blue = 3, Yellow = 4 };

constexpr double MarkerRadius = 0.5;
constexpr int MarkerSlices = 10;
constexpr int MarkerStacks = 10;

using Triangle = std::array<int, 3>; // vertex indices, in drawing order
using Quad = std::array<int, 4>;

struct Edge {
    int from, to;
};

struct SymmetryPlane {
    Colour colour;
    std::array<Vec3, 4> corners; // in drawing order
};

struct Axis {
    Vec3 from, to;
};

struct AxisGroup {
    int order; // 2, 3, 4 or 6: selects the colour list
    std::span<const Axis> axes;
};

struct MarkerGroup {
    int order;
    std::span<const Vec3> points;
};

// The item index of the colour list of an axis order.
int AxisListIndex(const DisplayOptions& opt, int order);

// Makes the colour of the order's list current and tells whether the order's
// axes and markers are drawn. "Не строить" skips them; typed text draws them
// in whatever colour is current. Legal inside begin/end.
bool SelectAxisColour(Draw& gl, const DisplayOptions& opt, int order);

// A small ball at p of the current frame, in the current colour and the
// quadric's current style; the frame is left as it was found.
void DrawAxisMarker(Draw& gl, Vec3 p);

void SetColour(Draw& gl, Colour c);

// The two ways the blocks start: lighting off, then the face colour, or the
// face colour first.
void EnterScene(Draw& gl, Colour face);
void EnterSceneColourFirst(Draw& gl, Colour face);

// One primitive with every face, each face's vertices in its listed order.
void DrawFaces(Draw& gl, std::span<const Vec3> vertices, std::span<const Triangle> faces);
void DrawFaces(Draw& gl, std::span<const Vec3> vertices, std::span<const Quad> faces);

// The vertex pairs of the edges, sent into the open GL_LINES primitive.
void SendEdges(Draw& gl, std::span<const Vec3> vertices, std::span<const Edge> edges);
// The edge colour, then one GL_LINES primitive with every edge.
void DrawEdges(Draw& gl, Colour edge, std::span<const Vec3> vertices, std::span<const Edge> edges);

// One GL_QUADS primitive: each plane's colour, then its four corners.
void DrawSymmetryPlanes(Draw& gl, std::span<const SymmetryPlane> planes);

// One axis group inside an open GL_LINES primitive.
void SendAxisGroup(Draw& gl, const DisplayOptions& opt, const AxisGroup& group);
// One GL_LINES primitive holding the groups in order; begun and ended even
// when no group is drawn.
void DrawAxisGroups(Draw& gl, const DisplayOptions& opt, std::span<const AxisGroup> groups);
// Each group's list colour, then a marker at each of its points.
void DrawMarkerGroups(Draw& gl, const DisplayOptions& opt, std::span<const MarkerGroup> groups);

} // namespace vestrel::polyhedra
