// SPDX-License-Identifier: MIT
// What every structure scene shares: the entry and exit transforms, atoms,
// cell grids, connecting lines and screw-axis arrowheads.
#pragma once

#include "render/draw.h"
#include "scenes/display_options.h"
#include "render/geometry.h"

#include <initializer_list>
#include <span>

namespace vestrel::structures {

constexpr Colour LineColour{0.7f, 0.7f, 0.7f};
constexpr Colour EntryColour{0, 1, 1};
constexpr double AtomRadius = 4;
constexpr float StructureLineWidth = 2;

// Lighting off, push, cyan, the scene's offset, a half turn about X; the
// caller then applies its extra transforms and calls SetStructureLineWidth.
void BeginStructureScene(Draw& gl, Vec3 offset);
// The last step of the entry, after any extra transforms.
void SetStructureLineWidth(Draw& gl);
// Grey, then pop.
void EndStructureScene(Draw& gl);

// The grey colour that precedes the connecting lines.
void SetLineColour(Draw& gl);

// A cubic lattice grid whose points take the coordinates K on every axis.
void DrawCellGrid(Draw& gl, std::span<const int> k);
// The same loops with a coordinate list per axis (non-cubic cells).
void DrawCellGrid(Draw& gl, std::span<const int> kx, std::span<const int> ky, std::span<const int> kz);

// One GL_LINES pair.
void DrawLine(Draw& gl, Vec3 from, Vec3 to);

// Fill / inside / smooth: made once per scene before its first atom.
void SetAtomQuadric(Draw& gl);
// A ball of radius 4 at each position, in the given colour. Positions are
// absolute in the current frame; the frame is left as it was found.
void DrawAtoms(Draw& gl, Colour colour, int slices, std::span<const Vec3> positions);
void DrawAtoms(Draw& gl, Colour colour, int slices, std::initializer_list<Vec3> positions);

// Sets the colour of the settings window's screw-axis list; an index outside
// 0..3 (typed text) sets nothing.
void SelectScrewAxisColour(Draw& gl, const DisplayOptions& opt);

// A screw-axis arrowhead: a 10 x 10 cone of radius 1 and height 3 whose tip
// is at p, turned by angle (degrees) about axis.
void DrawArrowCone(Draw& gl, Vec3 p, float angle, Vec3 axis);

} // namespace vestrel::structures
