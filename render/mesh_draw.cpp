// SPDX-License-Identifier: MIT
#include "render/mesh_draw.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <numeric>
#include <tuple>

namespace vestrel {

namespace {

constexpr int MinSlices = 8;

double columnLength(const Mat4& m, int col)
{
    return length(Vec3{m.at(0, col), m.at(1, col), m.at(2, col)});
}

unsigned addVertex(TriangleMesh& mesh, const Vec3& p, const Vec3& n)
{
    mesh.positions.push_back(p);
    mesh.normals.push_back(normalised(n));
    return static_cast<unsigned>(mesh.positions.size() - 1);
}

// A closed UV sphere: a single vertex at each pole.
void appendSphere(TriangleMesh& mesh, const Mat4& m, double radius, int slices, int stacks)
{
    const Vec3 centre = m.apply({0, 0, 0});
    const auto point = [&](double theta, double phi) {
        return m.apply({radius * std::sin(theta) * std::cos(phi), radius * std::sin(theta) * std::sin(phi),
                        radius * std::cos(theta)});
    };
    const Vec3 north = m.apply({0, 0, radius}), south = m.apply({0, 0, -radius});
    const unsigned top = addVertex(mesh, north, north - centre);
    std::vector<unsigned> ring(static_cast<std::size_t>(slices)), previous;
    for (int i = 1; i < stacks; ++i) {
        const double theta = std::numbers::pi * i / stacks;
        for (int j = 0; j < slices; ++j) {
            const Vec3 p = point(theta, 2 * std::numbers::pi * j / slices);
            ring[static_cast<std::size_t>(j)] = addVertex(mesh, p, p - centre);
        }
        for (int j = 0; j < slices; ++j) {
            const unsigned a = ring[static_cast<std::size_t>(j)], b = ring[static_cast<std::size_t>((j + 1) % slices)];
            if (previous.empty()) {
                mesh.triangles.push_back({top, a, b});
            } else {
                const unsigned c = previous[static_cast<std::size_t>(j)];
                const unsigned d = previous[static_cast<std::size_t>((j + 1) % slices)];
                mesh.triangles.push_back({c, a, b});
                mesh.triangles.push_back({c, b, d});
            }
        }
        previous = ring;
    }
    const unsigned bottom = addVertex(mesh, south, south - centre);
    for (int j = 0; j < slices; ++j)
        mesh.triangles.push_back(
            {previous[static_cast<std::size_t>(j)], bottom, previous[static_cast<std::size_t>((j + 1) % slices)]});
}

// A closed cylinder or cone from a (radius r0) to b (radius r1): a radius
// of 0 ends in a point, any other in a flat cap.
void appendRod(TriangleMesh& mesh, const Vec3& a, const Vec3& b, double r0, double r1, int slices)
{
    const Vec3 axis = normalised(b - a);
    if (length(b - a) <= 0)
        return;
    const Vec3 u = anyPerpendicular(axis), v = cross(axis, u);
    const auto ring = [&](const Vec3& centre, double r) {
        std::vector<unsigned> out;
        if (r <= 0) {
            out.push_back(addVertex(mesh, centre, centre == a ? -axis : axis));
            return out;
        }
        for (int j = 0; j < slices; ++j) {
            const double t = 2 * std::numbers::pi * j / slices;
            const Vec3 radial = std::cos(t) * u + std::sin(t) * v;
            out.push_back(addVertex(mesh, centre + r * radial, radial));
        }
        return out;
    };
    const std::vector<unsigned> lower = ring(a, r0), upper = ring(b, r1);
    const auto at = [&](const std::vector<unsigned>& r, int j) { return r[static_cast<std::size_t>(j) % r.size()]; };
    for (int j = 0; j < slices; ++j) {
        if (lower.size() > 1)
            mesh.triangles.push_back({at(lower, j), at(lower, j + 1), at(upper, j)});
        if (upper.size() > 1)
            mesh.triangles.push_back({at(lower, j + 1), at(upper, j + 1), at(upper, j)});
    }
    const auto cap = [&](const std::vector<unsigned>& r, const Vec3& centre, const Vec3& outward, bool flip) {
        if (r.size() <= 1)
            return;
        const unsigned c = addVertex(mesh, centre, outward);
        for (int j = 0; j < slices; ++j) {
            if (flip)
                mesh.triangles.push_back({c, at(r, j + 1), at(r, j)});
            else
                mesh.triangles.push_back({c, at(r, j), at(r, j + 1)});
        }
    };
    cap(lower, a, -axis, true);
    cap(upper, b, axis, false);
}

} // namespace

MeshDraw::MeshDraw(const MeshDrawOptions& options) : options_(options), stack_{Mat4::identity()} {}

void MeshDraw::clear()
{
    meshes_.clear();
    parts_ = {};
}

void MeshDraw::begin(Primitive mode)
{
    mode_ = mode;
    inPrimitive_ = true;
    primitiveSurface_ = nextSurface_;
    nextSurface_ = Surface::Plain;
    vertices_.clear();
}

void MeshDraw::vertex(float x, float y, float z)
{
    if (inPrimitive_)
        vertices_.push_back(current().apply({x, y, z}));
}

void MeshDraw::colour(float r, float g, float b) { colour_ = {r, g, b}; }

void MeshDraw::end()
{
    if (!inPrimitive_)
        return;
    inPrimitive_ = false;
    switch (mode_) {
    case Primitive::Lines:
    case Primitive::LineStrip:
    case Primitive::LineLoop: finishLines(vertices_, mode_); break;
    case Primitive::Triangles:
    case Primitive::Quads:
    case Primitive::Polygon: finishFaces(vertices_, mode_, primitiveSurface_ == Surface::MirrorPlanes); break;
    case Primitive::Points:
        for (const Vec3& p : vertices_) {
            parts_.balls.push_back({p, 2 * options_.lineRadius});
            appendSphere(meshFor(MeshKind::Solid), Mat4::translation(p.x, p.y, p.z), 2 * options_.lineRadius,
                         MinSlices, MinSlices / 2);
        }
        break;
    }
}

void MeshDraw::finishLines(const std::vector<Vec3>& v, Primitive mode)
{
    const std::size_t n = v.size();
    if (mode == Primitive::Lines) {
        for (std::size_t i = 0; i + 1 < n; i += 2)
            addRod(v[i], v[i + 1], 0, 0, true);
        return;
    }
    for (std::size_t i = 0; i + 1 < n; ++i)
        addRod(v[i], v[i + 1], 0, 0, true);
    if (mode == Primitive::LineLoop && n > 2)
        addRod(v[n - 1], v[0], 0, 0, true);
}

void MeshDraw::finishFaces(const std::vector<Vec3>& v, Primitive mode, bool mirror)
{
    const std::size_t size = mode == Primitive::Triangles ? 3 : mode == Primitive::Quads ? 4 : v.size();
    if (size < 3)
        return;
    for (std::size_t first = 0; first + size <= v.size(); first += size)
        addPolygon(std::vector<Vec3>(v.begin() + static_cast<long>(first), v.begin() + static_cast<long>(first + size)),
                   mirror);
}

// A fan, seen from both sides: the faces of a see-through solid and the
// mirror planes are looked at from inside and outside alike.
void MeshDraw::addPolygon(const std::vector<Vec3>& corners, bool mirror)
{
    Vec3 normal;
    for (std::size_t i = 0; i < corners.size(); ++i)
        normal += cross(corners[i], corners[(i + 1) % corners.size()]);
    if (length(normal) <= 0)
        return;
    parts_.faces.push_back({corners, mirror});
    TriangleMesh& mesh = meshFor(mirror ? MeshKind::MirrorPlanes : MeshKind::Faces);
    for (const Vec3& side : {normal, -normal}) {
        std::vector<unsigned> ids;
        for (const Vec3& c : corners)
            ids.push_back(addVertex(mesh, c, side));
        for (std::size_t i = 1; i + 1 < ids.size(); ++i) {
            if (side == normal)
                mesh.triangles.push_back({ids[0], ids[i], ids[i + 1]});
            else
                mesh.triangles.push_back({ids[0], ids[i + 1], ids[i]});
        }
    }
}

void MeshDraw::addRod(const Vec3& from, const Vec3& to, double r0, double r1, bool line)
{
    if (!(length(to - from) > 0))
        return;
    parts_.rods.push_back({from, to, r0, r1, line});
    const double radius = line ? options_.lineRadius : 0;
    appendRod(meshFor(MeshKind::Solid), from, to, line ? radius : r0, line ? radius : r1,
              line ? MinSlices : options_.maxSlices);
}

void MeshDraw::sphere(double radius, int slices, int stacks)
{
    const Mat4 m = current();
    parts_.balls.push_back({m.apply({0, 0, 0}), radius * columnLength(m, 0)});
    appendSphere(meshFor(MeshKind::Solid), m, radius, std::clamp(slices, MinSlices, options_.maxSlices),
                 std::clamp(stacks, MinSlices / 2, options_.maxSlices / 2));
}

void MeshDraw::cylinder(double baseRadius, double topRadius, double height, int slices, int)
{
    const Mat4 m = current();
    const double scale = columnLength(m, 0);
    const Vec3 a = m.apply({0, 0, 0}), b = m.apply({0, 0, height});
    if (!(length(b - a) > 0))
        return;
    parts_.rods.push_back({a, b, baseRadius * scale, topRadius * scale, false});
    appendRod(meshFor(MeshKind::Solid), a, b, baseRadius * scale, topRadius * scale,
              std::clamp(slices, MinSlices, options_.maxSlices));
}

TriangleMesh& MeshDraw::meshFor(MeshKind kind)
{
    const float alpha = kind == MeshKind::MirrorPlanes ? std::min(opacity_, 0.5f) : opacity_;
    for (TriangleMesh& m : meshes_)
        if (m.kind == kind && m.colour == colour_ && m.opacity == alpha)
            return m;
    TriangleMesh mesh;
    static const char* const names[] = {"solid", "faces", "mirror_planes"};
    mesh.name = std::string(names[static_cast<int>(kind)]) + "_" + std::to_string(meshes_.size());
    mesh.kind = kind;
    mesh.colour = colour_;
    mesh.opacity = alpha;
    meshes_.push_back(std::move(mesh));
    return meshes_.back();
}

std::size_t MeshDraw::triangleCount() const
{
    std::size_t n = 0;
    for (const TriangleMesh& m : meshes_)
        n += m.triangles.size();
    return n;
}

void MeshDraw::loadIdentity() { stack_.back() = Mat4::identity(); }
void MeshDraw::pushMatrix() { stack_.push_back(stack_.back()); }
void MeshDraw::popMatrix()
{
    if (stack_.size() > 1)
        stack_.pop_back();
}
void MeshDraw::translated(double x, double y, double z) { stack_.back() = stack_.back() * Mat4::translation(x, y, z); }
void MeshDraw::translatef(float x, float y, float z) { translated(x, y, z); }
void MeshDraw::rotatef(float angle, float x, float y, float z)
{
    stack_.back() = stack_.back() * Mat4::rotation(angle, x, y, z);
}
void MeshDraw::scaled(double x, double y, double z) { stack_.back() = stack_.back() * Mat4::scaling(x, y, z); }
void MeshDraw::scalef(float x, float y, float z) { scaled(x, y, z); }
void MeshDraw::multMatrix(const Mat4& m) { stack_.back() = stack_.back() * m; }

bool IsWatertight(const TriangleMesh& mesh)
{
    std::map<std::pair<unsigned, unsigned>, int> uses;
    for (const auto& t : mesh.triangles)
        for (int i = 0; i < 3; ++i) {
            const unsigned a = t[static_cast<std::size_t>(i)], b = t[static_cast<std::size_t>((i + 1) % 3)];
            ++uses[{std::min(a, b), std::max(a, b)}];
        }
    return !uses.empty() && std::all_of(uses.begin(), uses.end(), [](const auto& u) { return u.second == 2; });
}

std::vector<unsigned> BodyOfEachVertex(const TriangleMesh& mesh)
{
    std::vector<unsigned> parent(mesh.positions.size());
    std::iota(parent.begin(), parent.end(), 0u);
    const auto find = [&](unsigned x) {
        while (parent[x] != x)
            x = parent[x] = parent[parent[x]];
        return x;
    };
    for (const auto& t : mesh.triangles) {
        parent[find(t[1])] = find(t[0]);
        parent[find(t[2])] = find(t[0]);
    }
    for (unsigned v = 0; v < parent.size(); ++v)
        parent[v] = find(v);
    return parent;
}

int ConnectedBodies(const TriangleMesh& mesh)
{
    const std::vector<unsigned> body = BodyOfEachVertex(mesh);
    std::vector<bool> root(mesh.positions.size(), false);
    for (const auto& t : mesh.triangles)
        root[body[t[0]]] = true;
    return static_cast<int>(std::count(root.begin(), root.end(), true));
}

} // namespace vestrel
