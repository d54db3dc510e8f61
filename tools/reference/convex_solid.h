// SPDX-License-Identifier: MIT
// Convex solids built from their face planes, for the reference drawings:
// the solid is the intersection of the half-spaces normal . x <= offset.
#pragma once

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>
#include <vector>

namespace vestrel::reference {

struct Point3 {
    double x = 0, y = 0, z = 0;
};

inline Point3 operator+(Point3 a, Point3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Point3 operator-(Point3 a, Point3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Point3 operator*(double s, Point3 a) { return {s * a.x, s * a.y, s * a.z}; }
inline double Dot(Point3 a, Point3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Point3 Cross(Point3 a, Point3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(Point3 a) { return std::sqrt(Dot(a, a)); }
inline Point3 Normalized(Point3 a) { return (1.0 / Length(a)) * a; }

struct Plane {
    Point3 normal;
    double offset = 0;
};

struct SolidFace {
    Point3 normal;              // outward, unit length
    std::vector<int> corners;   // counter-clockwise seen from outside
};

struct ConvexSolid {
    std::vector<Point3> vertices;
    std::vector<SolidFace> faces;
};

namespace detail {

inline constexpr double Tolerance = 1e-7;
inline constexpr double OnPlaneTolerance = 1e-6;

inline std::optional<Point3> MeetingPoint(const Plane& a, const Plane& b, const Plane& c)
{
    const Point3 bc = Cross(b.normal, c.normal);
    const double det = Dot(a.normal, bc);
    if (std::abs(det) < 1e-9)
        return std::nullopt;
    const Point3 sum = a.offset * bc + b.offset * Cross(c.normal, a.normal)
        + c.offset * Cross(a.normal, b.normal);
    return (1.0 / det) * sum;
}

inline bool InsideAll(const std::vector<Plane>& planes, Point3 p)
{
    return std::all_of(planes.begin(), planes.end(),
        [&](const Plane& plane) { return Dot(plane.normal, p) <= plane.offset + Tolerance; });
}

inline void AddUnique(std::vector<Point3>& points, Point3 p)
{
    for (const Point3& q : points)
        if (Length(p - q) < 1e-6)
            return;
    points.push_back(p);
}

// Orders the corners of a face counter-clockwise about its outward normal.
inline std::vector<int> OrderedCorners(const std::vector<Point3>& vertices, std::vector<int> corners,
                                       Point3 normal)
{
    Point3 centre;
    for (int i : corners)
        centre = centre + vertices[i];
    centre = (1.0 / corners.size()) * centre;
    const Point3 u = Normalized(vertices[corners.front()] - centre);
    const Point3 w = Cross(normal, u);
    auto angle = [&](int i) {
        const Point3 d = vertices[i] - centre;
        return std::atan2(Dot(d, w), Dot(d, u));
    };
    std::sort(corners.begin(), corners.end(), [&](int a, int b) { return angle(a) < angle(b); });
    return corners;
}

} // namespace detail

// The bounded intersection of the half-spaces; planes that only touch the
// solid in an edge or a corner give no face.
inline ConvexSolid IntersectHalfSpaces(const std::vector<Plane>& planes)
{
    ConvexSolid solid;
    const int n = static_cast<int>(planes.size());
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            for (int k = j + 1; k < n; ++k) {
                const auto p = detail::MeetingPoint(planes[i], planes[j], planes[k]);
                if (p && detail::InsideAll(planes, *p))
                    detail::AddUnique(solid.vertices, *p);
            }
    for (const Plane& plane : planes) {
        const double scale = Length(plane.normal);
        std::vector<int> corners;
        for (int v = 0; v < static_cast<int>(solid.vertices.size()); ++v)
            if (std::abs(Dot(plane.normal, solid.vertices[v]) - plane.offset) < detail::OnPlaneTolerance * scale)
                corners.push_back(v);
        if (corners.size() < 3)
            continue;
        const Point3 normal = Normalized(plane.normal);
        solid.faces.push_back({normal, detail::OrderedCorners(solid.vertices, corners, normal)});
    }
    return solid;
}

// Each edge once, as a pair of vertex indices (smaller first), with the two
// faces that meet there.
struct SolidEdge {
    int from = 0, to = 0;
    int leftFace = -1, rightFace = -1;
};

inline std::vector<SolidEdge> EdgesOf(const ConvexSolid& solid)
{
    std::vector<SolidEdge> edges;
    for (int f = 0; f < static_cast<int>(solid.faces.size()); ++f) {
        const auto& corners = solid.faces[f].corners;
        for (size_t i = 0; i < corners.size(); ++i) {
            int a = corners[i], b = corners[(i + 1) % corners.size()];
            if (a > b)
                std::swap(a, b);
            auto found = std::find_if(edges.begin(), edges.end(),
                [&](const SolidEdge& e) { return e.from == a && e.to == b; });
            if (found == edges.end())
                edges.push_back({a, b, f, -1});
            else
                found->rightFace = f;
        }
    }
    return edges;
}

// An orthographic view: picture axes right and up, and the direction towards
// the viewer; a face is seen when its normal points towards the viewer.
struct View {
    Point3 right, up, toward;
};

// The view from azimuth (degrees from +x towards +y) and elevation above the
// xy plane, with +z drawn upwards.
inline View ViewFrom(double azimuthDeg, double elevationDeg)
{
    const double a = azimuthDeg * std::numbers::pi / 180.0;
    const double e = elevationDeg * std::numbers::pi / 180.0;
    const Point3 toward{std::cos(e) * std::cos(a), std::cos(e) * std::sin(a), std::sin(e)};
    const Point3 right = Normalized(Cross(Point3{0, 0, 1}, toward));
    return {right, Cross(toward, right), toward};
}

inline bool FacesViewer(const View& view, const SolidFace& face) { return Dot(face.normal, view.toward) > 1e-9; }

} // namespace vestrel::reference
