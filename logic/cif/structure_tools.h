// SPDX-License-Identifier: MIT
// Asking a structure read from a file: which atom lies under a point of the
// panel, distances and angles between atoms, the coordination polyhedra of
// the cations and the lattice planes (hkl) that cut the block. Each answer
// is a line of Russian text with the decimal comma, as the status bar and
// the information memo write it, and plain geometry for the drawing.
#pragma once

#include "logic/cif/loaded_structure.h"
#include "logic/morphology/face_symbol.h"
#include "render/view_state.h"
#include "scenes/structures/loaded_structure_scene.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vestrel::cif {

// ---- Picking ----

// Where a block atom is drawn, in the model frame of the frame routine.
Vec3 AtomInModel(const LoadedStructure& s, int atom);
// The radius of its ball in the model frame.
double AtomBallRadius(const LoadedStructure& s, int atom);
// The block atom whose ball covers the panel pixel (x, y) of a panel of
// width x height pixels, the front-most by eye depth; -1 when none does.
int PickAtom(const LoadedStructure& s, const ViewState& view, int width, int height, double x, double y);
// "O1 (O) — x = 0,3048; y = 0,3048; z = 0 — КЧ 3".
std::string AtomLine(const LoadedStructure& s, int atom);

// ---- Measuring ----

// Angstroms, from the cell and the atoms' fractional coordinates.
double AtomDistance(const LoadedStructure& s, int a, int b);
// Degrees, the angle at `vertex`.
double AtomAngle(const LoadedStructure& s, int a, int vertex, int c);
// Two atoms: "Ti1 — O1: 1,949 Å"; three: "O1 — Ti1 — O1: 90,00°"; empty
// otherwise.
std::string MeasurementLine(const LoadedStructure& s, const std::vector<int>& atoms);

// ---- Coordination polyhedra ----

// The anion is the most electronegative element of the structure; the
// cations are the elements less electronegative than it. A structure of one
// element (a metal) has that element as its only centre.
std::vector<int> CationElements(const Crystal& crystal);

// Names the polyhedron whose corners lie at these points (relative to the
// centre): "октаэдр", "тетраэдр", … decided from the hull's faces.
std::string PolyhedronName(const std::vector<Vec3>& corners);

// The faces of the convex hull of the points, each a list of point indices
// in order around the face.
std::vector<std::vector<int>> HullFaces(const std::vector<Vec3>& points);

struct BlockPolyhedron {
    int centre = 0;                      // block atom
    std::vector<int> corners;            // block atoms
    std::vector<std::vector<int>> faces; // indices into corners
};

// The polyhedra of the block's atoms of the central elements whose
// neighbours are all in the block.
std::vector<BlockPolyhedron> BlockPolyhedra(const LoadedStructure& s, const std::vector<int>& centres);
// One line per site of a central element: "Ti1: октаэдр [TiO6]".
std::vector<std::string> PolyhedronLines(const LoadedStructure& s, const std::vector<int>& centres);

// ---- Lattice planes ----

// A typed plane symbol: three indices, or four (hkil) for hexagonal cells;
// the calculator's rules and messages.
std::variant<morphology::IntVector, morphology::FaceSymbolError> ParsePlaneSymbol(std::string_view text,
                                                                                  const Crystal& crystal);
// Whether the cell is hexagonal (a = b, γ = 120°), so that four indices may be written.
bool HexagonalCell(const Crystal& crystal);
// d(hkl) in angstroms.
double PlaneSpacing(const Crystal& crystal, const std::array<int, 3>& hkl);
// "d(1 1 0) = 3,2482 Å".
std::string SpacingLine(const Crystal& crystal, const std::array<int, 3>& hkl);
// The planes hx + ky + lz = n that cut the block, each clipped to it, with
// corners in angstroms in order around the polygon.
std::vector<std::vector<Vec3>> PlanePolygons(const Crystal& crystal, const StructureBlock& block,
                                             const std::array<int, 3>& hkl);

// ---- What the tools add to the drawing ----

struct ToolRequest {
    std::vector<int> picked;             // block atoms, in picking order
    bool polyhedra = false;
    std::vector<int> centres;            // elements; empty: CationElements
    std::vector<std::array<int, 3>> planes;
};

structures::StructureOverlay MakeOverlay(const LoadedStructure& s, const ToolRequest& request);

} // namespace vestrel::cif
