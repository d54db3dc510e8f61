// SPDX-License-Identifier: MIT
#include "tests/polyhedra/polyhedron_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vestrel::test {

namespace {

constexpr Vec3 NoScale{1, 1, 1};

} // namespace

const std::vector<PolyhedronCase>& PolyhedronCases()
{
    // name, id, item, face, edge, after edges, triangles, quads, solid faces,
    // edges, planes, axis groups, marker groups, scale, after axes,
    // inversion axis groups, symmetry formula
    static const std::vector<PolyhedronCase> cases{
        {"cube", SceneId::Cube, 1, {0, 0.3f, 1}, {0.8f, 0.4f, 0}, {0.8f, 0.4f, 0}, 0, 6, 6, 12, 9,
         {{4, 3}, {3, 4}, {2, 6}}, {{4, 6}}, NoScale, std::nullopt, {}, "3L4 4L3 6L2 9PC"},
        {"regular tetrahedron", SceneId::Tetrahedron, 2, {1, 0.3f, 0}, {0, 0, 1}, {0, 0, 1}, 4, 0, 4, 6, 6,
         {{3, 4}}, {{3, 4}}, NoScale, Colour{0, 0, 1}, {{4, 3}}, "3Li4 4L3 6P"},
        {"tetragonal prism", SceneId::TetragonalPrism, 3, {0, 1, 0.2f}, {1, 0.3f, 0}, {0, 1, 0.2f}, 0, 6, 6, 12, 5,
         {{4, 1}, {2, 4}}, {{4, 2}, {2, 4}}, {0.3, 1, 0.3}, std::nullopt, {}, "L4 4L2 5PC"},
        {"trigonal prism", SceneId::TrigonalPrism, 4, {0, 2, 2}, {0.7f, 0.7f, 0.7f}, {0, 3, 2}, 2, 3, 5, 9, 4,
         {{3, 1}, {2, 3}}, {{2, 3}, {3, 2}}, NoScale, std::nullopt, {}, "Li6 3L2 3P"},
        {"trigonal pyramid", SceneId::TrigonalPyramid, 5, {1.2f, 0.8f, 0.4f}, {0, 0, 1}, {0, 0, 1}, 4, 0, 4, 6, 3,
         {{3, 1}}, {{3, 1}}, {1, 1.6, 1}, std::nullopt, {}, "L3 3P"},
        {"trigonal bipyramid", SceneId::TrigonalBipyramid, 6, {1.7f, 1, 0.2f}, {0.8f, 0.4f, 0.4f},
         {0.8f, 0.4f, 0.4f}, 6, 0, 6, 9, 4, {{3, 1}, {2, 3}}, {}, {1, 1.6, 1}, std::nullopt, {}, "Li6 3L2 3P"},
        {"octahedron", SceneId::Octahedron, 7, {0.4f, 0.8f, 1.2f}, {0.8f, 0.4f, 1.2f}, {0.8f, 0.4f, 1.2f}, 8, 0, 8,
         12, 9, {{4, 3}, {3, 4}, {2, 6}}, {{3, 8}}, NoScale, std::nullopt, {}, "3L4 4L3 6L2 9PC"},
        {"tetragonal pyramid", SceneId::TetragonalPyramid, 8, {1, 0.3f, 0}, {0.7f, 0.7f, 0.7f}, {0.7f, 0.7f, 0.7f},
         4, 1, 5, 8, 4, {{4, 1}}, {{4, 1}}, NoScale, std::nullopt, {}, "L4 4P"},
        {"hexagonal pyramid", SceneId::HexagonalPyramid, 9, {0.8f, 0, 0.3f}, {0, 1, 0}, {0, 1, 0}, 12, 0, 7, 12, 6,
         {{6, 1}}, {{6, 1}}, NoScale, std::nullopt, {}, "L6 6P"},
        {"hexagonal prism", SceneId::HexagonalPrism, 10, {0.4f, 1.1f, 0.7f}, {1.5f, 0, 0}, {1.5f, 0, 0}, 12, 6, 8,
         18, 7, {{6, 1}, {2, 6}}, {{6, 2}}, NoScale, std::nullopt, {}, "L6 6L2 7PC"},
        {"hexagonal bipyramid", SceneId::HexagonalBipyramid, 11, {0, 1, 0}, {0.8f, 0, 0.4f}, {0.8f, 0, 0.4f}, 12, 0,
         12, 18, 7, {{6, 1}, {2, 6}}, {}, NoScale, std::nullopt, {}, "L6 6L2 7PC"},
        {"ditrigonal pyramid", SceneId::DitrigonalPyramid, 12, {0.8f, 0.3f, 0}, {0.7f, 0.7f, 0.7f},
         {0.7f, 0.7f, 0.7f}, 12, 0, 7, 12, 3, {{3, 1}}, {{3, 1}}, NoScale, std::nullopt, {}, "L3 3P"},
    };
    return cases;
}

const PolyhedronCase& CaseOf(SceneId id)
{
    const auto& cases = PolyhedronCases();
    return *std::find_if(cases.begin(), cases.end(), [id](const PolyhedronCase& c) { return c.id == id; });
}

SceneBlock BlockOf(SceneId id) { return sceneRegistry()[index(id)].draw; }

DisplayOptions Options(bool faces, bool planes, bool axes, int list2, int list3, int list4, int list6)
{
    DisplayOptions opt;
    opt.solidFaces = faces;
    opt.showSymPlanes = planes;
    opt.showSymAxes = axes;
    opt.axisColour2 = list2;
    opt.axisColour3 = list3;
    opt.axisColour4 = list4;
    opt.axisColour6 = list6;
    return opt;
}

int& ListOf(DisplayOptions& opt, int order)
{
    switch (order) {
    case 2: return opt.axisColour2;
    case 3: return opt.axisColour3;
    case 4: return opt.axisColour4;
    default: return opt.axisColour6;
    }
}

Colour ListColour(int item)
{
    switch (item) {
    case 1: return {0, 1, 0};
    case 2: return {1, 0, 0};
    case 3: return {0, 0, 1};
    case 4: return {1, 1, 0};
    default: ADD_FAILURE() << "no colour for item " << item; return {};
    }
}

void Record(SceneRecording& r, SceneId id, const DisplayOptions& opt)
{
    // The state the frame routine leaves for the blocks.
    r.gl.lighting(true);
    r.gl.colour(0.7f, 0.7f, 0.7f);
    r.gl.resetRecording();
    BlockOf(id)(r.gl, opt);
    for (const auto& p : r.gl.primitives) {
        if (p.mode == Primitive::Lines && p.stipple.enabled) {
            r.inversionAxes = &p;
        } else if (p.mode == Primitive::Lines) {
            (r.edges ? r.axes : r.edges) = &p;
        } else if (!r.edges) {
            r.faces.push_back(&p);
        } else if (p.mode == Primitive::Quads) {
            r.planes = &p;
        } else {
            ADD_FAILURE() << "unexpected primitive after the edges";
        }
    }
}

std::vector<Polygon> FacePolygons(const SceneRecording& r)
{
    std::vector<Polygon> out;
    for (const RecordedPrimitive* p : r.faces) {
        const std::size_t n = p->mode == Primitive::Triangles ? 3 : 4;
        for (std::size_t i = 0; i + n <= p->vertices.size(); i += n) {
            Polygon poly;
            for (std::size_t k = 0; k < n; ++k)
                poly.corners.push_back(p->vertices[i + k].position);
            out.push_back(poly);
        }
    }
    return out;
}

std::vector<Vec3> SolidCorners(const SceneRecording& r)
{
    std::vector<Vec3> ends;
    for (const auto& [a, b] : Segments(*r.edges)) {
        ends.push_back(a);
        ends.push_back(b);
    }
    return DistinctPoints(ends);
}

double ExactTolerance(const SceneRecording& r)
{
    double shortest = 1e300;
    for (const auto& [a, b] : Segments(*r.edges))
        shortest = std::min(shortest, distance(a, b));
    return 1e-6 * shortest;
}

std::vector<std::pair<Vec3, Vec3>> Segments(const RecordedPrimitive& p)
{
    std::vector<std::pair<Vec3, Vec3>> out;
    for (std::size_t i = 0; i + 1 < p.vertices.size(); i += 2)
        out.emplace_back(p.vertices[i].position, p.vertices[i + 1].position);
    return out;
}

double DistanceToLine(Vec3 p, Vec3 a, Vec3 b) { return length(cross(p - a, b - a)) / length(b - a); }

namespace {

// The closest point of triangle abc to p (regions of the triangle's Voronoi
// diagram, as in Ericson's Real-Time Collision Detection).
Vec3 ClosestOnTriangle(Vec3 p, Vec3 a, Vec3 b, Vec3 c)
{
    const Vec3 ab = b - a, ac = c - a, ap = p - a;
    const double d1 = dot(ab, ap), d2 = dot(ac, ap);
    if (d1 <= 0 && d2 <= 0)
        return a;
    const Vec3 bp = p - b;
    const double d3 = dot(ab, bp), d4 = dot(ac, bp);
    if (d3 >= 0 && d4 <= d3)
        return b;
    const double vc = d1 * d4 - d3 * d2;
    if (vc <= 0 && d1 >= 0 && d3 <= 0)
        return a + ab * (d1 / (d1 - d3));
    const Vec3 cp = p - c;
    const double d5 = dot(ab, cp), d6 = dot(ac, cp);
    if (d6 >= 0 && d5 <= d6)
        return c;
    const double vb = d5 * d2 - d1 * d6;
    if (vb <= 0 && d2 >= 0 && d6 <= 0)
        return a + ac * (d2 / (d2 - d6));
    const double va = d3 * d6 - d5 * d4;
    if (va <= 0 && (d4 - d3) >= 0 && (d5 - d6) >= 0)
        return b + (c - b) * ((d4 - d3) / ((d4 - d3) + (d5 - d6)));
    const double denom = 1 / (va + vb + vc);
    return a + (ab * (vb * denom) + ac * (vc * denom));
}

} // namespace

double DistanceToPolygon(Vec3 p, const Polygon& polygon)
{
    double best = 1e300;
    const auto& v = polygon.corners;
    for (std::size_t i = 1; i + 1 < v.size(); ++i)
        best = std::min(best, length(p - ClosestOnTriangle(p, v[0], v[i], v[i + 1])));
    return best;
}

Vec3 Rotated(Vec3 p, Vec3 axis, double degrees)
{
    const Vec3 k = normalised(axis);
    const double a = degrees * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
    return p * c + cross(k, p) * s + k * (dot(k, p) * (1 - c));
}

Vec3 Reflected(Vec3 p, Vec3 unitNormal) { return p - unitNormal * (2 * dot(p, unitNormal)); }

Vec3 Inverted(Vec3 p, Vec3 centre) { return centre * 2 - p; }

double SetMismatch(const std::vector<Vec3>& points, const std::vector<Vec3>& images)
{
    double worst = 0;
    for (const Vec3& q : images) {
        double nearest = 1e300;
        for (const Vec3& p : points)
            nearest = std::min(nearest, distance(p, q));
        worst = std::max(worst, nearest);
    }
    return worst;
}

bool Near(Vec3 a, Vec3 b, double tolerance) { return distance(a, b) <= tolerance; }

std::vector<Vec3> DistinctPoints(const std::vector<Vec3>& points)
{
    std::vector<Vec3> out;
    for (const Vec3& p : points)
        if (std::none_of(out.begin(), out.end(), [&](const Vec3& q) { return Near(p, q); }))
            out.push_back(p);
    return out;
}

} // namespace vestrel::test
