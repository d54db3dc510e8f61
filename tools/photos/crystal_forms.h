// SPDX-License-Identifier: MIT
// Crystal habits as convex solids bounded by their faces, in the crystal's own
// axes: y is the vertical (c) axis, the solid is centred on the origin and
// about 2 units across.
#pragma once

#include "tools/photos/crystal_renderer.h"

namespace vestrel::photos {

enum class Habit {
    Cube,                // {100}
    StriatedCube,        // {100} with the growth lines of pyrite
    CubeOctahedron,      // {100} with small {111} corners
    Cuboctahedron,       // {100} and {111} in balance
    Octahedron,          // {111}
    OctahedronCube,      // {111} with small {100} corners
    Dodecahedron,        // {110}
    Pyritohedron,        // {210}
    Tetrahedron,         // {111} with small {-1-1-1} corners
    Disphenoid,          // tetragonal disphenoid
    HexagonalPlate,      // {10-10} with a large {0001}
    HexagonalPrism,      // {10-10} and {0001} with {10-11} bevels
    HexagonalPyramid,    // {10-11} on a {000-1} base, hemimorphic
    TetragonalPrism,     // {110} and {100} with {111} ends, striated along c
    Rhombohedron,        // the cleavage rhombohedron of calcite
    QuartzPrism,         // {10-10} prism with a {10-11} point, horizontal striations
};

// The habit as a solid about 2 units across; stretch scales the vertical
// (c) axis: the thickness of plates, the length of prisms.
Polyhedron MakeHabit(Habit habit, double stretch = 1);

// An irregular rounded lump of rock with the given radii, cut by many planes.
Polyhedron RockLump(Vec3 radii, std::uint64_t seed);

} // namespace vestrel::photos
