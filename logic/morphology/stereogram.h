// SPDX-License-Identifier: MIT
// The stereographic projection of a solid: the poles of its faces and the
// symbols of its elements of symmetry on the primitive circle, from the same
// faces and elements the 3-D view draws. Everything is in unit-circle
// coordinates: the primitive has radius 1, x to the right, y up. No Qt.
#pragma once

#include "render/geometry.h"
#include "render/view_state.h"
#include "scenes/forms/crystal_form_scene.h"
#include "scenes/polyhedra/symmetry_operations.h"
#include "scenes/scene_id.h"

#include <optional>
#include <string>
#include <vector>

namespace vestrel::morphology {

// What is projected, in the model frame of the 3-D view.
struct StereoFace {
    Vec3 normal;        // outward
    std::string symbol; // "(hkl)" as the solid writes it, or empty
    std::vector<Vec3> corners; // counter-clockwise seen from outside
};

struct StereoAxis {
    Vec3 direction;
    int order = 2;
    bool inversion = false;
};

struct StereoSource {
    std::vector<StereoFace> faces;
    std::vector<StereoAxis> axes;
    std::vector<Vec3> mirrorNormals;
    bool centre = false;
    // The standard setting in the model frame: c (the centre of the
    // stereogram) and a (its bottom).
    Vec3 standardC{0, 1, 0};
    Vec3 standardA{1, 0, 0};
};

// A catalogue polyhedron: its faces are the planes through its corners, its
// elements those the scene shows. Empty for a structure scene.
StereoSource SourceOfPolyhedron(SceneId id);
// A crystal class with its forms, as built for the view; `classNumber` gives
// the lattice whose axis a stands at the bottom.
StereoSource SourceOfCrystal(const forms::CrystalFormScene& scene, int classNumber);

struct StereoPoint {
    double x = 0, y = 0;
};

struct StereoPole {
    StereoPoint at;
    bool upper = true; // a filled dot; else a small circle
    std::string symbol;
    int face = 0;      // index into the source's faces
};

// The symbol of International Tables drawn for an axis.
struct StereoAxisSymbol {
    int order = 2;          // of the symbol: 2, 3, 4, 6
    bool inversion = false; // 3̄, 4̄, 6̄
    int viewOrder = 2;      // the order the 3-D view colours the axis by
    StereoPoint at;         // the end in the upper hemisphere
    bool bothEnds = false;  // horizontal: also drawn at the opposite point
};

struct StereoMirror {
    std::vector<StereoPoint> points; // the great circle's upper half
    bool horizontal = false;         // the primitive itself, drawn heavy
};

struct Stereogram {
    std::vector<StereoPole> poles;
    std::vector<StereoAxisSymbol> axes;
    std::vector<StereoMirror> mirrors;
    bool centre = false;
};

// The rows of an orientation are the model-frame directions that become the
// stereogram's x (right), y (up) and z (the upper hemisphere, facing the
// reader).
Mat3 StandardOrientation(const StereoSource& source);
// The view of the main window: the screen's right and up, and the direction
// towards the viewer.
Mat3 ViewOrientation(const ViewState& view);

// `motion` moves the faces (a symmetry operation under way); the elements
// stay. A face whose normal the motion flattens to nothing has no pole.
Stereogram Project(const StereoSource& source, const Mat3& orientation, const Mat3& motion = Mat3::identity());

// The linear part of the element's operation at time t of its animation,
// as it moves the solid in the 3-D view.
Mat3 MotionAt(const polyhedra::SymmetryOperationElement& element, double t);

// A unit direction in stereogram coordinates (z towards the reader) to its
// point r = tan(ρ/2), ρ measured from the nearer pole of the sphere.
StereoPoint ProjectDirection(const Vec3& unit);
// The inverse: the unit direction of a point, in the upper or lower hemisphere.
Vec3 DirectionOf(StereoPoint p, bool upper);

// The Wulff net: great circles through the net's north and south points (at
// the top and bottom of the primitive) and small circles about them, every
// `stepDegrees`, as polylines.
std::vector<std::vector<StereoPoint>> WulffNet(double stepDegrees);

// The face a ray from `eye` along `direction` (both in the model frame)
// enters the solid through, or none when the ray misses it.
std::optional<int> FaceHitBy(const StereoSource& source, const Vec3& eye, const Vec3& direction);

// The pole nearest to p within `tolerance` (of two that coincide, the upper
// one), or none.
std::optional<int> PoleNear(const Stereogram& stereogram, StereoPoint p, double tolerance);

} // namespace vestrel::morphology
