// SPDX-License-Identifier: MIT
// The solid is found in two steps. A large box is cut plane by plane, which
// gives the corners and, for each corner, the planes through it in linear
// time per plane. Each corner is then recomputed exactly as the meeting point
// of the first three of its planes that fix a point, so that the result does
// not depend on the rounding of the cuts and the corners are always listed in
// the same order.
#include "logic/morphology/convex_solid.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace vestrel::morphology {

namespace {

constexpr double InsideTolerance = 1e-7;
constexpr double OnPlaneTolerance = 1e-6;
constexpr double SameCornerDistance = 1e-6;
constexpr double SingularDeterminant = 1e-9;
constexpr double BoxReach = 1000;
constexpr int BoxSide = -1;

// A face of the solid while it is being cut: its corners in order, and the
// plane it lies in (BoxSide for the sides of the starting box).
struct CutFace {
    std::vector<Vec3> corners;
    int plane = BoxSide;
};

double SignedDistance(const Plane& plane, const Vec3& p) { return dot(plane.normal, p) - plane.offset; }

Vec3 UnitNormal(const Vec3& n) { return (1.0 / length(n)) * n; }

bool HasDirection(const Plane& plane) { return length(plane.normal) > 0; }

// A plane without a direction excludes everything or nothing.
bool ExcludesEverything(const Plane& plane) { return !HasDirection(plane) && plane.offset < 0; }

double Reach(std::span<const Plane> planes)
{
    double reach = 1;
    for (const Plane& plane : planes)
        if (HasDirection(plane))
            reach = std::max(reach, std::abs(plane.offset) / length(plane.normal));
    return BoxReach * reach;
}

std::vector<CutFace> Box(double r)
{
    const std::array<Vec3, 8> c{{{-r, -r, -r}, {r, -r, -r}, {r, r, -r}, {-r, r, -r},
                                  {-r, -r, r}, {r, -r, r}, {r, r, r}, {-r, r, r}}};
    const int sides[6][4] = {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4}, {2, 3, 7, 6}, {1, 2, 6, 5}, {0, 4, 7, 3}};
    std::vector<CutFace> faces;
    for (const auto& side : sides)
        faces.push_back({{c[side[0]], c[side[1]], c[side[2]], c[side[3]]}, BoxSide});
    return faces;
}

void AddUnique(std::vector<Vec3>& points, const Vec3& p, double tolerance)
{
    for (const Vec3& q : points)
        if (distance(p, q) < tolerance)
            return;
    points.push_back(p);
}

// The corners of a planar convex polygon ordered counter-clockwise about the
// unit normal, starting from a direction that depends on the normal only.
template <typename Position>
void OrderAbout(std::vector<int>& corners, const Vec3& normal, Position position)
{
    Vec3 centre;
    for (int i : corners)
        centre += position(i);
    centre = (1.0 / corners.size()) * centre;
    const Vec3 u = anyPerpendicular(normal);
    const Vec3 w = cross(normal, u);
    auto angle = [&](int i) {
        const Vec3 d = position(i) - centre;
        return std::atan2(dot(d, w), dot(d, u));
    };
    std::sort(corners.begin(), corners.end(), [&](int a, int b) { return angle(a) < angle(b); });
}

// Cuts one face by the plane; the points where its outline crosses the
// plane are added to the cut's outline.
CutFace CutByPlane(const CutFace& face, const Plane& plane, double tolerance, std::vector<Vec3>& onCut)
{
    CutFace kept{{}, face.plane};
    const std::size_t n = face.corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Vec3& a = face.corners[i];
        const Vec3& b = face.corners[(i + 1) % n];
        const double da = SignedDistance(plane, a), db = SignedDistance(plane, b);
        if (da <= tolerance) {
            kept.corners.push_back(a);
            if (da >= -tolerance)
                AddUnique(onCut, a, tolerance);
        }
        if ((da < -tolerance && db > tolerance) || (da > tolerance && db < -tolerance)) {
            const Vec3 p = a + (da / (da - db)) * (b - a);
            kept.corners.push_back(p);
            AddUnique(onCut, p, tolerance);
        }
    }
    return kept;
}

// The solid left on the inner side of the plane; the cut itself becomes a
// new face when it is more than a point or an edge.
std::vector<CutFace> Cut(const std::vector<CutFace>& solid, const Plane& plane, int index, double tolerance)
{
    bool cuts = false;
    for (const CutFace& face : solid)
        for (const Vec3& p : face.corners)
            cuts = cuts || SignedDistance(plane, p) > tolerance;
    if (!cuts)
        return solid;
    std::vector<CutFace> kept;
    std::vector<Vec3> onCut;
    for (const CutFace& face : solid) {
        CutFace part = CutByPlane(face, plane, tolerance, onCut);
        if (part.corners.size() >= 3)
            kept.push_back(std::move(part));
    }
    if (onCut.size() >= 3) {
        std::vector<int> order(onCut.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<int>(i);
        OrderAbout(order, UnitNormal(plane.normal), [&](int i) { return onCut[i]; });
        CutFace cap{{}, index};
        for (int i : order)
            cap.corners.push_back(onCut[i]);
        kept.push_back(std::move(cap));
    }
    return kept;
}

std::optional<Vec3> MeetingPoint(const Plane& a, const Plane& b, const Plane& c)
{
    const Vec3 bc = cross(b.normal, c.normal);
    const double det = dot(a.normal, bc);
    if (std::abs(det) < SingularDeterminant)
        return std::nullopt;
    const Vec3 sum = a.offset * bc + b.offset * cross(c.normal, a.normal) + c.offset * cross(a.normal, b.normal);
    return (1.0 / det) * sum;
}

bool InsideAll(std::span<const Plane> planes, const Vec3& p)
{
    return std::all_of(planes.begin(), planes.end(),
                       [&](const Plane& plane) { return dot(plane.normal, p) <= plane.offset + InsideTolerance; });
}

bool OnPlane(const Plane& plane, const Vec3& p)
{
    return std::abs(SignedDistance(plane, p)) < OnPlaneTolerance * length(plane.normal);
}

// A corner recomputed from its planes, with the indices of the three planes
// that give it.
struct ExactCorner {
    std::array<int, 3> planes;
    Vec3 position;
};

std::optional<ExactCorner> Exact(std::span<const Plane> planes, const Vec3& approximate)
{
    std::vector<int> through;
    for (int i = 0; i < static_cast<int>(planes.size()); ++i)
        if (OnPlane(planes[i], approximate))
            through.push_back(i);
    const int n = static_cast<int>(through.size());
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            for (int k = j + 1; k < n; ++k) {
                const auto p = MeetingPoint(planes[through[i]], planes[through[j]], planes[through[k]]);
                if (p && InsideAll(planes, *p))
                    return ExactCorner{{through[i], through[j], through[k]}, *p};
            }
    return std::nullopt;
}

std::vector<Vec3> ExactCorners(std::span<const Plane> planes, const std::vector<CutFace>& cut, double tolerance)
{
    std::vector<Vec3> approximate;
    for (const CutFace& face : cut)
        for (const Vec3& p : face.corners)
            AddUnique(approximate, p, tolerance);
    std::vector<ExactCorner> exact;
    for (const Vec3& p : approximate)
        if (const auto corner = Exact(planes, p))
            exact.push_back(*corner);
    std::sort(exact.begin(), exact.end(),
              [](const ExactCorner& a, const ExactCorner& b) { return a.planes < b.planes; });
    std::vector<Vec3> corners;
    for (const ExactCorner& corner : exact)
        AddUnique(corners, corner.position, SameCornerDistance);
    return corners;
}

bool RepeatsAnEarlierPlane(std::span<const Plane> planes, int index)
{
    const Vec3 n = UnitNormal(planes[index].normal);
    const double d = planes[index].offset / length(planes[index].normal);
    for (int i = 0; i < index; ++i) {
        const double l = length(planes[i].normal);
        if (distance(UnitNormal(planes[i].normal), n) < 1e-9 && std::abs(planes[i].offset / l - d) < 1e-9)
            return true;
    }
    return false;
}

std::vector<SolidFace> FacesOf(std::span<const Plane> planes, const std::vector<Vec3>& vertices)
{
    std::vector<SolidFace> faces;
    for (int i = 0; i < static_cast<int>(planes.size()); ++i) {
        if (!HasDirection(planes[i]) || RepeatsAnEarlierPlane(planes, i))
            continue;
        std::vector<int> corners;
        for (int v = 0; v < static_cast<int>(vertices.size()); ++v)
            if (OnPlane(planes[i], vertices[v]))
                corners.push_back(v);
        if (corners.size() < 3)
            continue;
        const Vec3 normal = UnitNormal(planes[i].normal);
        OrderAbout(corners, normal, [&](int v) { return vertices[v]; });
        faces.push_back({normal, std::move(corners), i});
    }
    return faces;
}

} // namespace

ConvexSolid IntersectHalfSpaces(std::span<const Plane> planes)
{
    ConvexSolid solid;
    if (std::any_of(planes.begin(), planes.end(), ExcludesEverything))
        return solid;
    const double reach = Reach(planes);
    const double tolerance = 1e-12 * reach;
    std::vector<CutFace> cut = Box(reach);
    for (int i = 0; i < static_cast<int>(planes.size()) && !cut.empty(); ++i)
        if (HasDirection(planes[i]))
            cut = Cut(cut, planes[i], i, tolerance);
    const bool open = std::any_of(cut.begin(), cut.end(), [](const CutFace& f) { return f.plane == BoxSide; });
    if (open) {
        solid.bounded = false;
        return solid;
    }
    solid.vertices = ExactCorners(planes, cut, SameCornerDistance);
    solid.faces = FacesOf(planes, solid.vertices);
    return solid;
}

std::vector<SolidEdge> EdgesOf(const ConvexSolid& solid)
{
    std::vector<SolidEdge> edges;
    for (int f = 0; f < static_cast<int>(solid.faces.size()); ++f) {
        const auto& corners = solid.faces[f].corners;
        for (std::size_t i = 0; i < corners.size(); ++i) {
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

} // namespace vestrel::morphology
