// SPDX-License-Identifier: MIT
// One closed body for a 3-D printer, made from the solid pieces of a frame:
// balls, rods (lines at least MinLineDiameter thick), cones and faces merged
// into a single watertight surface in millimetres.
#pragma once

#include "render/mesh_draw.h"

#include <functional>

namespace vestrel::modelexport {

constexpr double DefaultPrintSize = 100;  // mm, the longest edge
constexpr double MinPrintSize = 10, MaxPrintSize = 1000;
constexpr double MinLineDiameter = 1.5;   // mm

struct PrintableBody {
    TriangleMesh mesh;   // in mm
    Vec3 size;           // of its bounding box, mm
    int droppedPieces = 0; // separate pieces left out (not joined to the largest)
    bool ok() const { return !mesh.triangles.empty(); }
};

// fraction 0..1; false stops the work (the result is then empty).
using Progress = std::function<bool(double fraction)>;

// The parts scaled so that the longest edge of the body is sizeMm; mirror
// planes are left out. The faces of one closed convex solid fill it; other
// faces become plates as thick as the lines.
PrintableBody MakePrintableBody(const SolidParts& parts, double sizeMm, const Progress& progress = {});

} // namespace vestrel::modelexport
