// SPDX-License-Identifier: MIT
#include "logic/morphology/stereogram.h"

#include "logic/morphology/class_elements.h"
#include "logic/morphology/crystal_forms.h"
#include "logic/morphology/point_group.h"
#include "render/camera.h"
#include "scenes/polyhedra/symmetry_elements.h"
#include "scenes/polyhedra/symmetry_operations.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vestrel::morphology {

namespace {

constexpr double Degree = std::numbers::pi / 180;
constexpr double Parallel = 1e-6;
constexpr int CircleSegments = 90;

// The corners in the plane normal . x = offset, counter-clockwise seen from
// outside.
std::vector<Vec3> FaceCorners(const std::vector<Vec3>& all, const Vec3& normal, double offset, double eps)
{
    std::vector<Vec3> on;
    Vec3 centre;
    for (const Vec3& p : all)
        if (std::abs(dot(normal, p) - offset) <= eps) {
            on.push_back(p);
            centre += p;
        }
    centre = centre / static_cast<double>(std::max<std::size_t>(on.size(), 1));
    const Vec3 u = normalised(anyPerpendicular(normal)), v = cross(normal, u);
    std::sort(on.begin(), on.end(), [&](const Vec3& a, const Vec3& b) {
        return std::atan2(dot(a - centre, v), dot(a - centre, u)) < std::atan2(dot(b - centre, v), dot(b - centre, u));
    });
    return on;
}

bool SameLine(const Vec3& a, const Vec3& b) { return std::abs(std::abs(dot(a, b)) - 1) < Parallel; }

// The polyhedra keep their faces only as drawing tables; every face is the
// plane through three of the corners that leaves all the others on one side.
std::vector<StereoFace> HullFaces(const std::vector<Vec3>& corners, double size)
{
    std::vector<StereoFace> faces;
    const std::size_t n = corners.size();
    const double eps = 1e-6 * size;
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            for (std::size_t k = j + 1; k < n; ++k) {
                Vec3 normal = cross(corners[j] - corners[i], corners[k] - corners[i]);
                if (length(normal) < eps * size)
                    continue;
                normal = normalised(normal);
                double below = 0, above = 0;
                for (const Vec3& p : corners) {
                    const double d = dot(normal, p - corners[i]);
                    below = std::min(below, d);
                    above = std::max(above, d);
                }
                if (below < -eps && above > eps)
                    continue;
                if (above > eps)
                    normal = -normal;
                const bool known = std::any_of(faces.begin(), faces.end(),
                                               [&](const StereoFace& f) { return dot(f.normal, normal) > 1 - Parallel; });
                if (!known)
                    faces.push_back({normal, {}, FaceCorners(corners, normal, dot(normal, corners[i]), eps)});
            }
    return faces;
}

Vec3 Upwards(const Vec3& d) { return d.y < 0 || (d.y == 0 && d.x + d.z < 0) ? -d : d; }

bool IsCubic(const StereoSource& s)
{
    return std::count_if(s.axes.begin(), s.axes.end(), [](const StereoAxis& a) { return a.order == 3; }) > 1;
}

// The axis of the setting's c: a 4, 4̄ or 2 of a cubic solid, else the axis of
// the highest order; among equals the one nearest the model's vertical.
Vec3 ChooseC(const StereoSource& s)
{
    const bool cubic = IsCubic(s);
    const StereoAxis* best = nullptr;
    auto rank = [&](const StereoAxis& a) { return cubic ? (a.order == 4 ? 2 : a.order == 2 ? 1 : 0) : a.order; };
    for (const StereoAxis& a : s.axes)
        if (!best || rank(a) > rank(*best)
            || (rank(a) == rank(*best) && std::abs(a.direction.y) > std::abs(best->direction.y) + Parallel))
            best = &a;
    if (best)
        return Upwards(best->direction);
    return s.mirrorNormals.empty() ? Vec3{0, 1, 0} : Upwards(s.mirrorNormals.front());
}

// The setting's a: the horizontal axis of the highest order, else the normal
// of a vertical mirror, the one nearest the model's x.
Vec3 ChooseA(const StereoSource& s, const Vec3& c)
{
    std::optional<Vec3> best;
    int bestOrder = 0;
    auto consider = [&](Vec3 d, int order) {
        if (std::abs(dot(d, c)) > Parallel)
            return;
        if (d.x < 0 || (d.x == 0 && d.z > 0))
            d = -d;
        if (!best || order > bestOrder || (order == bestOrder && d.x > best->x + Parallel)) {
            best = d;
            bestOrder = order;
        }
    };
    for (const StereoAxis& a : s.axes)
        consider(a.direction, a.order + 1);
    for (const Vec3& n : s.mirrorNormals)
        consider(n, 1);
    return best ? *best : normalised(anyPerpendicular(c));
}

// The symbol of the highest operation about the axis: a 3-fold axis is a 3̄
// with a centre and a 6̄ with a mirror across it.
StereoAxisSymbol SymbolOf(const StereoAxis& axis, const StereoSource& source)
{
    StereoAxisSymbol symbol;
    symbol.order = symbol.viewOrder = axis.order;
    symbol.inversion = axis.inversion;
    if (axis.order == 3 && !axis.inversion) {
        const bool mirrorAcross = std::any_of(source.mirrorNormals.begin(), source.mirrorNormals.end(),
                                              [&](const Vec3& n) { return SameLine(n, axis.direction); });
        if (source.centre)
            symbol.inversion = true;
        else if (mirrorAcross) {
            symbol.order = 6;
            symbol.inversion = true;
        }
    }
    return symbol;
}

StereoMirror GreatCircle(const Vec3& n)
{
    StereoMirror mirror;
    if (std::abs(n.z) > 1 - Parallel) {
        mirror.horizontal = true;
        for (int i = 0; i <= CircleSegments * 4; ++i) {
            const double t = 2 * std::numbers::pi * i / (CircleSegments * 4);
            mirror.points.push_back({std::cos(t), std::sin(t)});
        }
        return mirror;
    }
    // From one end on the primitive through the upper hemisphere to the other.
    const Vec3 u = normalised(cross(n, {0, 0, 1}));
    Vec3 v = normalised(cross(n, u));
    if (v.z < 0)
        v = -v;
    for (int i = 0; i <= CircleSegments * 2; ++i) {
        const double t = std::numbers::pi * i / (CircleSegments * 2);
        mirror.points.push_back(ProjectDirection(std::cos(t) * u + std::sin(t) * v));
    }
    return mirror;
}

} // namespace

StereoSource SourceOfPolyhedron(SceneId id)
{
    StereoSource s;
    if (!IsPolyhedron(id))
        return s;
    const auto corners = polyhedra::PolyhedronCorners(id);
    s.faces = HullFaces(corners, polyhedra::PolyhedronCircumradius(id));
    const auto elements = polyhedra::SymmetryElementsOf(id);
    for (const auto& a : elements.axes)
        s.axes.push_back({a.direction, a.order, a.inversion});
    for (const auto& p : elements.planes)
        s.mirrorNormals.push_back(p.normal);
    s.centre = elements.centre;
    s.standardC = ChooseC(s);
    s.standardA = ChooseA(s, s.standardC);
    return s;
}

StereoSource SourceOfCrystal(const forms::CrystalFormScene& scene, int classNumber)
{
    StereoSource s;
    const int number = std::clamp(classNumber, 1, ClassCount);
    for (const forms::FormFace& f : scene.faces)
        s.faces.push_back({f.normal, f.label, f.corners});
    // The elements as the view builds them, kept even when no face is there
    // to give its axes a length.
    for (const ClassElement& e : ElementsOf(number)) {
        const Vec3 u = ToModelFrame(e.direction);
        if (e.kind == ClassElement::Kind::Plane)
            s.mirrorNormals.push_back(u);
        else if (e.kind == ClassElement::Kind::Centre)
            s.centre = true;
        else
            s.axes.push_back({u, e.order, e.kind == ClassElement::Kind::InversionAxis});
    }
    const Lattice lattice = LatticeOf(ClassInfo(number).system);
    const Vec3 a = lattice.basis[0];
    s.standardC = ToModelFrame({0, 0, 1});
    s.standardA = ToModelFrame(normalised(Vec3{a.x, a.y, 0}));
    return s;
}

Mat3 StandardOrientation(const StereoSource& source)
{
    const Vec3 c = normalised(source.standardC);
    const Vec3 a = normalised(source.standardA - dot(source.standardA, c) * c);
    const Vec3 right = cross(c, a);
    const Vec3 up = -a;
    return {{{{right.x, right.y, right.z}, {up.x, up.y, up.z}, {c.x, c.y, c.z}}}};
}

Mat3 ViewOrientation(const ViewState& view)
{
    const Mat4 m = ModelFrameMatrix(view);
    const Vec3 o = m.apply({0, 0, 0});
    const Vec3 x = normalised(m.apply({1, 0, 0}) - o), y = normalised(m.apply({0, 1, 0}) - o),
               z = normalised(m.apply({0, 0, 1}) - o);
    // Columns are the images of the model axes; the rows then take a model
    // direction to the eye's right, up and towards the viewer.
    return Mat3::fromColumns(x, y, z);
}

Mat3 MotionAt(const polyhedra::SymmetryOperationElement& element, double t)
{
    const Mat4 m = polyhedra::SymmetryOperationAt(element, t);
    const Vec3 o = m.apply({0, 0, 0});
    return Mat3::fromColumns(m.apply({1, 0, 0}) - o, m.apply({0, 1, 0}) - o, m.apply({0, 0, 1}) - o);
}

StereoPoint ProjectDirection(const Vec3& d)
{
    const double w = 1 + std::abs(d.z);
    return {d.x / w, d.y / w};
}

Vec3 DirectionOf(StereoPoint p, bool upper)
{
    const double r2 = p.x * p.x + p.y * p.y;
    const double z = (1 - r2) / (1 + r2);
    return {2 * p.x / (1 + r2), 2 * p.y / (1 + r2), upper ? z : -z};
}

Stereogram Project(const StereoSource& source, const Mat3& orientation, const Mat3& motion)
{
    Stereogram out;
    for (std::size_t i = 0; i < source.faces.size(); ++i) {
        const Vec3 moved = orientation * (motion * source.faces[i].normal);
        if (length(moved) < Parallel)
            continue;
        const Vec3 d = normalised(moved);
        out.poles.push_back({ProjectDirection(d), d.z >= -Parallel, source.faces[i].symbol, static_cast<int>(i)});
    }
    for (const StereoAxis& axis : source.axes) {
        StereoAxisSymbol symbol = SymbolOf(axis, source);
        Vec3 d = normalised(orientation * axis.direction);
        if (d.z < 0)
            d = -d;
        symbol.bothEnds = std::abs(d.z) < Parallel;
        symbol.at = ProjectDirection(d);
        out.axes.push_back(symbol);
    }
    for (const Vec3& n : source.mirrorNormals)
        out.mirrors.push_back(GreatCircle(normalised(orientation * n)));
    out.centre = source.centre;
    return out;
}

std::vector<std::vector<StereoPoint>> WulffNet(double stepDegrees)
{
    std::vector<std::vector<StereoPoint>> lines;
    if (!(stepDegrees > 0))
        return lines;
    const int steps = static_cast<int>(std::lround(180 / stepDegrees));
    for (int i = 1; i < steps; ++i) {
        const double angle = i * stepDegrees * Degree;
        // A great circle through the north and south points, tilted from the
        // vertical plane by `angle`; a small circle at `angle` from the north.
        std::vector<StereoPoint> great, small;
        for (int j = 0; j <= CircleSegments * 2; ++j) {
            const double t = std::numbers::pi * j / (CircleSegments * 2);
            great.push_back(ProjectDirection({std::sin(t) * std::cos(angle), -std::cos(t), std::sin(t) * std::sin(angle)}));
            small.push_back(ProjectDirection({std::sin(angle) * std::cos(t), std::cos(angle), std::sin(angle) * std::sin(t)}));
        }
        lines.push_back(std::move(great));
        lines.push_back(std::move(small));
    }
    return lines;
}

std::optional<int> FaceHitBy(const StereoSource& source, const Vec3& eye, const Vec3& direction)
{
    // A convex solid: the ray enters through the face, of those it meets
    // from outside, that it reaches last.
    std::optional<int> best;
    double bestDistance = -1;
    for (std::size_t i = 0; i < source.faces.size(); ++i) {
        const StereoFace& f = source.faces[i];
        const double towards = dot(f.normal, direction);
        if (f.corners.size() < 3 || towards >= 0)
            continue;
        const double t = dot(f.normal, f.corners[0] - eye) / towards;
        const Vec3 hit = eye + t * direction;
        bool inside = true;
        for (std::size_t k = 0; k < f.corners.size() && inside; ++k) {
            const Vec3& a = f.corners[k];
            const Vec3& b = f.corners[(k + 1) % f.corners.size()];
            inside = dot(cross(b - a, hit - a), f.normal) >= -1e-9 * length(b - a) * length(b - a);
        }
        if (inside && t > bestDistance) {
            bestDistance = t;
            best = static_cast<int>(i);
        }
    }
    return best;
}

std::optional<int> PoleNear(const Stereogram& stereogram, StereoPoint p, double tolerance)
{
    std::optional<int> best;
    double bestDistance = tolerance;
    for (std::size_t i = 0; i < stereogram.poles.size(); ++i) {
        const StereoPoint q = stereogram.poles[i].at;
        const double d = std::hypot(q.x - p.x, q.y - p.y);
        // Where an upper and a lower pole coincide, the upper one is meant.
        const bool tie = best && std::abs(d - bestDistance) < 1e-9;
        const bool better = tie ? stereogram.poles[i].upper && !stereogram.poles[static_cast<std::size_t>(*best)].upper
                                : d <= bestDistance;
        if (better) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

} // namespace vestrel::morphology
