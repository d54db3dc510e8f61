// SPDX-License-Identifier: MIT
// The symmetry operations of a polyhedron, one per element of symmetry it
// shows: what each does to space at any moment of its animation, and how the
// chosen element is picked out in the view.
#pragma once

#include "render/draw.h"
#include "render/geometry.h"
#include "scenes/scene_id.h"

#include <vector>

namespace vestrel::polyhedra {

struct SymmetryOperationElement {
    enum class Kind {
        Axis,          // Ln: rotation by 360/n degrees
        InversionAxis, // Lin: rotation by 360/n degrees, then inversion
        Plane,         // P: reflection
        Centre,        // C: inversion
    };
    Kind kind = Kind::Axis;
    int order = 1;     // axes only
    Vec3 direction;    // unit axis direction or plane normal; none for the centre
    int number = 1;    // 1, 2, ... among the elements of the same kind and order
};

// The elements of a polyhedron scene in the order of the school notation:
// axes from the highest order down, inversion axes, planes, the centre.
// Empty for a structure scene.
std::vector<SymmetryOperationElement> SymmetryOperationsOf(SceneId id);

// The corners of a polyhedron scene as drawn (the model frame), and the
// largest distance of a corner from the centre.
std::vector<Vec3> PolyhedronCorners(SceneId id);
double PolyhedronCircumradius(SceneId id);

// The transform of the solid at time t (0 to 1) of the operation's
// animation: the identity at 0, the full operation at 1. A rotation turns
// steadily; a reflection scales along the normal from 1 to -1 (the solid
// is flat half-way); an inversion scales by 1 to -1 through the centre; an
// inversion axis turns during the first half and inverts during the second.
Mat4 SymmetryOperationAt(const SymmetryOperationElement& element, double t);

// The chosen element, drawn over the solid whatever the display switches
// say: an axis three times as thick, a plane in a light colour, the centre
// as a small white ball. `extent` is the solid's circumradius.
void DrawChosenElement(Draw& gl, const SymmetryOperationElement& element, double extent);

constexpr float ChosenAxisWidth = 3; // three times the one-pixel axes
constexpr Colour ChosenElementColour{1, 1, 0.85f};
constexpr double ChosenCentreRadius = 2;

} // namespace vestrel::polyhedra
