// SPDX-License-Identifier: MIT
// Convex solids built from their face planes: the solid is the intersection
// of the half-spaces normal . x <= offset. Crystal forms, the reference
// drawings and the crystal photographs all cut their solids with it.
#pragma once

#include "render/geometry.h"

#include <span>
#include <vector>

namespace vestrel::morphology {

// The half-space normal . x <= offset; the normal need not be of unit length.
struct Plane {
    Vec3 normal;
    double offset = 0;
};

struct SolidFace {
    Vec3 normal;                // outward, unit length
    std::vector<int> corners;   // counter-clockwise seen from outside
    int plane = -1;             // index of the plane the face lies in
};

struct ConvexSolid {
    std::vector<Vec3> vertices;
    std::vector<SolidFace> faces;
    // False when the half-spaces leave the solid open on some side (an open
    // form such as a prism without its ends, or a pyramid without its base);
    // such a solid has no vertices and no faces.
    bool bounded = true;
};

// The intersection of the half-spaces. Planes that miss the solid, or only
// touch it in an edge or a corner, give no face, and so does a plane that
// repeats an earlier one. Vertices are listed in the order of the first three
// planes (by index) that meet in them, each vertex being the exact meeting
// point of those three. Half-spaces with no common interior give an empty
// (bounded) solid. A solid that
// reaches farther than a thousand times the largest plane distance from the
// origin counts as open.
ConvexSolid IntersectHalfSpaces(std::span<const Plane> planes);

// Each edge once, as a pair of vertex indices (smaller first), with the two
// faces that meet there.
struct SolidEdge {
    int from = 0, to = 0;
    int leftFace = -1, rightFace = -1;
};

std::vector<SolidEdge> EdgesOf(const ConvexSolid& solid);

} // namespace vestrel::morphology
