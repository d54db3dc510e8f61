// SPDX-License-Identifier: MIT
// The elements of symmetry of a class, derived from its operations: each
// axis once with the highest operation about it (an inversion axis Li4 or
// Li6 where the rotation of that order is missing from the group, which
// then also stands for the rotation and mirror it implies), each mirror
// plane, and the centre.
#pragma once

#include "logic/morphology/point_group.h"
#include "render/geometry.h"

#include <vector>

namespace vestrel::morphology {

struct ClassElement {
    enum class Kind { Axis, InversionAxis, Plane, Centre };
    Kind kind = Kind::Axis;
    int order = 1;          // axes: 2, 3, 4, 6
    IntVector lattice{};    // axis direction or plane normal, direct lattice [uvw]
    Vec3 direction;         // the same, unit, in the crystal's Cartesian frame
};

// In the order of the school notation: axes from the highest order down,
// inversion axes, planes, the centre.
std::vector<ClassElement> ElementsOf(int classNumber);

// The rotation order of an operation's proper part (1, 2, 3, 4 or 6).
int RotationOrder(const IntMatrix& w);

} // namespace vestrel::morphology
