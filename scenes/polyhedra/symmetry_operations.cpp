// SPDX-License-Identifier: MIT
#include "scenes/polyhedra/symmetry_operations.h"

#include "render/recording_draw.h"
#include "scenes/polyhedra/symmetry_elements.h"
#include "scenes/scene_registry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vestrel::polyhedra {

namespace {

using Kind = SymmetryOperationElement::Kind;

// Reaches a little beyond the solid, as the drawn axes do.
constexpr double ChosenAxisReach = 1.25;
constexpr double ChosenPlaneReach = 1.15;

void vertex(Draw& gl, Vec3 p) { gl.vertex(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)); }

// I + (s - 1) n nT: scale by s along the unit vector n.
Mat4 scalingAlong(Vec3 n, double s)
{
    Mat4 m;
    const double v[3] = {n.x, n.y, n.z};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            m.m[static_cast<std::size_t>(col * 4 + row)] = (row == col ? 1.0 : 0.0) + (s - 1) * v[row] * v[col];
    return m;
}

Mat4 rotationAbout(Vec3 axis, double degrees) { return Mat4::rotation(degrees, axis.x, axis.y, axis.z); }

} // namespace

std::vector<SymmetryOperationElement> SymmetryOperationsOf(SceneId id)
{
    const SymmetryElements elements = SymmetryElementsOf(id);
    std::vector<SymmetryOperationElement> out;
    std::vector<int> orders;
    for (const SymmetryAxisElement& a : elements.axes)
        if (!a.inversion)
            orders.push_back(a.order);
    std::sort(orders.begin(), orders.end(), std::greater<>());
    orders.erase(std::unique(orders.begin(), orders.end()), orders.end());
    for (int order : orders) {
        int number = 0;
        for (const SymmetryAxisElement& a : elements.axes)
            if (!a.inversion && a.order == order)
                out.push_back({Kind::Axis, order, a.direction, ++number});
    }
    int inversionAxes = 0;
    for (const SymmetryAxisElement& a : elements.axes)
        if (a.inversion)
            out.push_back({Kind::InversionAxis, a.order, a.direction, ++inversionAxes});
    int planes = 0;
    for (const SymmetryPlaneElement& p : elements.planes)
        out.push_back({Kind::Plane, 1, p.normal, ++planes});
    if (elements.centre)
        out.push_back({Kind::Centre, 1, {}, 1});
    return out;
}

Mat4 SymmetryOperationAt(const SymmetryOperationElement& e, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    switch (e.kind) {
    case Kind::Axis:
        return rotationAbout(e.direction, t * 360.0 / e.order);
    case Kind::InversionAxis: {
        const double turn = std::min(2 * t, 1.0);
        const double invert = std::max(2 * t - 1, 0.0);
        return Mat4::scaling(1 - 2 * invert, 1 - 2 * invert, 1 - 2 * invert)
            * rotationAbout(e.direction, turn * 360.0 / e.order);
    }
    case Kind::Plane:
        return scalingAlong(e.direction, 1 - 2 * t);
    case Kind::Centre:
        return Mat4::scaling(1 - 2 * t, 1 - 2 * t, 1 - 2 * t);
    }
    return Mat4::identity();
}

std::vector<Vec3> PolyhedronCorners(SceneId id)
{
    RecordingDraw gl;
    DisplayOptions options;
    options.showSymAxes = false;
    options.showSymPlanes = false;
    sceneRegistry()[static_cast<std::size_t>(index(id))].draw(gl, options);
    std::vector<Vec3> corners;
    for (const RecordedPrimitive& p : gl.primitives)
        for (const RecordedVertex& v : p.vertices) {
            const bool seen = std::any_of(corners.begin(), corners.end(),
                                          [&](const Vec3& c) { return distance(c, v.position) < 1e-6; });
            if (!seen)
                corners.push_back(v.position);
        }
    return corners;
}

double PolyhedronCircumradius(SceneId id)
{
    double r = 0;
    for (const Vec3& c : PolyhedronCorners(id))
        r = std::max(r, distance(c, {}));
    return r;
}

void DrawChosenElement(Draw& gl, const SymmetryOperationElement& e, double extent)
{
    gl.lighting(false);
    gl.colour(ChosenElementColour.r, ChosenElementColour.g, ChosenElementColour.b);
    switch (e.kind) {
    case Kind::Axis:
    case Kind::InversionAxis: {
        const Vec3 end = extent * ChosenAxisReach * e.direction;
        gl.lineWidth(ChosenAxisWidth);
        gl.begin(Primitive::Lines);
        vertex(gl, -end);
        vertex(gl, end);
        gl.end();
        break;
    }
    case Kind::Plane: {
        // A square in the plane, drawn see-through so that the solid shows.
        const Vec3 n = e.direction;
        const Vec3 helper = std::abs(n.y) < 0.9 ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
        const Vec3 u = (extent * ChosenPlaneReach / length(cross(n, helper))) * cross(n, helper);
        const Vec3 v = cross(n, u);
        gl.opacity(0.5f);
        gl.begin(Primitive::Quads);
        vertex(gl, u + v);
        vertex(gl, -u + v);
        vertex(gl, -u - v);
        vertex(gl, u - v);
        gl.end();
        gl.opacity(1);
        break;
    }
    case Kind::Centre:
        gl.colour(1, 1, 1);
        gl.quadricDrawStyle(QuadricStyle::Fill);
        gl.sphere(ChosenCentreRadius, 16, 16);
        break;
    }
}

} // namespace vestrel::polyhedra
