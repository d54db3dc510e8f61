// SPDX-License-Identifier: MIT
// The hexagonal prism shared by magnesium, cadmium iodide, wurtzite and
// calcite, and the hexagonal rings of the layered nets (graphite, boron
// nitride): vertex offsets, prism atoms, the prism's frame, axis spokes,
// atom rings and line hexagons.
#pragma once

#include "render/draw.h"
#include "render/geometry.h"

#include <array>
#include <span>

namespace vestrel::structures {

// Atoms of the hexagonal scenes: 30 slices and 30 stacks.
constexpr int HexagonalAtomSlices = 30;

// The six vertices of a hexagon about its centre, always in this order. The
// hexagon is not regular: the slanted vertices sit at z = +-30 exactly.
inline constexpr std::array<Vec3, 6> HexagonOffsets{{
    {36, 0, 0},    // V0
    {18, 0, 30},   // V1
    {18, 0, -30},  // V2
    {-18, 0, -30}, // V3
    {-36, 0, 0},   // V4
    {-18, 0, 30},  // V5
}};

// The hexagon's edges as pairs of vertex numbers, in drawing order.
inline constexpr std::array<std::array<int, 2>, 6> HexagonEdges{{
    {0, 1}, {0, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 1},
}};

// The centres of the prism's top and bottom faces; its axis is x = 0, z = 0.
constexpr Vec3 PrismTop{0, 40, 0};
constexpr Vec3 PrismBottom{0, -40, 0};

struct ConnectingLine {
    Vec3 from;
    Vec3 to;
};

// The point of the prism axis at the height of p.
constexpr Vec3 AxisPoint(const Vec3& p) { return {0, p.y, 0}; }

// The extra transform of the hexagonal and layered scenes and calcite: a
// scale by 0.8 after the entry's half turn.
void ScaleHexagonalScene(Draw& gl);

// The two vertices of a line, inside an open GL_LINES primitive.
void LineVertices(Draw& gl, const ConnectingLine& s);

// Balls of the structure radius at the positions, in the current colour:
// for atoms that continue a group without a colour call of their own.
void DrawAtomsInCurrentColour(Draw& gl, int slices, std::span<const Vec3> positions);

// The quadric state of the atoms, then 14 atoms of the colour: the top face
// centre and its hexagon, then the bottom face centre and its hexagon.
void DrawPrismAtoms(Draw& gl, Colour colour);

// The 19 lines of the prism: top hexagon, bottom hexagon, the six vertical
// edges and the axis. Vertices only: the caller holds GL_LINES open.
void DrawPrismFrame(Draw& gl);
// For each atom position, a line to the axis point at its height. Vertices
// only, like DrawPrismFrame.
void DrawAxisSpokes(Draw& gl, std::span<const Vec3> atoms);
// The prism frame and the spokes as one GL_LINES primitive.
void DrawPrismLines(Draw& gl, std::span<const Vec3> spokeAtoms);

// Six atoms at centre + V0 .. V5, each with a colour call of its own.
void DrawAtomRing(Draw& gl, const Vec3& centre, const std::array<Colour, 6>& colours);
// Six atoms at centre + V0 .. V5 in the current colour.
void DrawAtomRing(Draw& gl, const Vec3& centre);

// The six edges of the hexagon about centre, followed by the extra lines, as
// one GL_LINES primitive.
void DrawLineHexagon(Draw& gl, const Vec3& centre, std::span<const ConnectingLine> extra = {});

} // namespace vestrel::structures
