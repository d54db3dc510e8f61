// SPDX-License-Identifier: MIT
// The elements of symmetry each polyhedron scene shows, as plain data taken
// from the scene's own tables: for showing or animating the symmetry
// operations without reading the drawing back.
#pragma once

#include "render/geometry.h"
#include "scenes/scene_id.h"

#include <vector>

namespace vestrel::polyhedra {

// Every element passes through the origin of the model frame, the centre of
// the solid's symmetry. Directions and normals are unit vectors in the model
// frame, with the scene's own scale applied.
struct SymmetryAxisElement {
    Vec3 direction; // from the axis's first drawn end towards its second
    int order = 1;  // 2, 3, 4 or 6
    bool inversion = false; // rotation by 360/order degrees, then inversion in the centre
};

struct SymmetryPlaneElement {
    Vec3 normal;
};

struct SymmetryElements {
    std::vector<SymmetryAxisElement> axes;     // in drawing order
    std::vector<SymmetryPlaneElement> planes;  // in drawing order
    bool centre = false;                       // a centre of symmetry (never drawn)
};

// The elements of a polyhedron scene; none for a structure scene.
SymmetryElements SymmetryElementsOf(SceneId id);

} // namespace vestrel::polyhedra
