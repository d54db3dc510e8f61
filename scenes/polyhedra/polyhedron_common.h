// SPDX-License-Identifier: MIT
// What the twelve polyhedron blocks share: the colours of the axis lists, the
// steps of a block (faces, edges, planes, axes, markers) and the marker ball.
// Each block is a short list of these steps over its own literal tables.
#pragma once

#include "render/draw.h"
#include "scenes/display_options.h"
#include "render/geometry.h"

#include <array>
#include <numbers>
#include <span>
#include <vector>

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
    bool inversion = false; // inversion axes: rotation, then inversion in the centre; drawn dashed
};

struct MarkerGroup {
    int order;
    std::span<const Vec3> points;
};

// Exact values for the tables.
constexpr double Root2 = std::numbers::sqrt2;
constexpr double Root3 = std::numbers::sqrt3;
constexpr double Root6 = Root2 * Root3;

// The dash of the inversion axes: 8 pixels drawn, 8 left out, each doubled.
constexpr int InversionAxisStippleFactor = 2;
constexpr unsigned short InversionAxisStipplePattern = 0x00FF;

// The corners of a plane quadrilateral turned, by the smallest rotation about
// the centre, into the plane through the centre with the given normal: the
// quadrilateral keeps its shape and size and comes to lie in that plane.
std::array<Vec3, 4> TurnedIntoPlane(const std::array<Vec3, 4>& corners, Vec3 normal);

// The axis turned about the vertical so that its first end lies at the
// azimuth (degrees from +X towards +Z) and the second opposite it; each end
// keeps its height and its distance from the vertical.
Axis TurnedToAzimuth(const Axis& axis, double degrees);

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
// A group of inversion axes as one dashed GL_LINES primitive; nothing at all
// when its list says "Не строить". The dash is switched off again after it.
void DrawInversionAxisGroup(Draw& gl, const DisplayOptions& opt, const AxisGroup& group);

// What a scene's elements of symmetry are drawn from: its axis groups
// (inversion axes included), its planes, its own scale, and whether it has a
// centre of symmetry (which is not drawn).
struct SymmetrySource {
    Vec3 ownScale{1, 1, 1};
    std::vector<AxisGroup> axisGroups;
    std::span<const SymmetryPlane> planes;
    bool centre = false;
};

SymmetrySource CubeSymmetry();
SymmetrySource TetrahedronSymmetry();
SymmetrySource OctahedronSymmetry();
SymmetrySource TetragonalPrismSymmetry();
SymmetrySource TetragonalPyramidSymmetry();
SymmetrySource TrigonalPrismSymmetry();
SymmetrySource TrigonalPyramidSymmetry();
SymmetrySource TrigonalBipyramidSymmetry();
SymmetrySource DitrigonalPyramidSymmetry();
SymmetrySource HexagonalPyramidSymmetry();
SymmetrySource HexagonalPrismSymmetry();
SymmetrySource HexagonalBipyramidSymmetry();

} // namespace vestrel::polyhedra
