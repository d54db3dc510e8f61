// SPDX-License-Identifier: MIT
// Why a grid: the pieces of a model overlap in every way (balls through
// rods, rods through each other, faces against edges), and cutting and
// joining their meshes exactly (mesh booleans) is a large and fragile piece
// of work that no installed library does for us. Instead the union of the
// pieces is sampled as a signed distance on a grid at the print scale, and
// its surface is taken out by marching tetrahedra over a fixed
// decomposition of each grid cube into six tetrahedra that neighbouring
// cubes share. The level set of such a piecewise-linear field, with no grid
// value exactly on the level, is a closed 2-manifold: every edge of the mesh
// belongs to exactly two triangles, whatever the shapes were. The largest
// connected piece is kept.
#include "logic/export/printable_body.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <numeric>
#include <unordered_map>

namespace vestrel::modelexport {

namespace {

constexpr double FinestVoxel = 0.5;    // mm: a line of 1.5 mm is three across
constexpr double MostPointsPerSide = 320;
constexpr double EdgeMargin = 0.05; // of a grid edge

struct Box {
    Vec3 lo{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
    Vec3 hi{-std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()};
    void add(const Vec3& p, double r)
    {
        lo = {std::min(lo.x, p.x - r), std::min(lo.y, p.y - r), std::min(lo.z, p.z - r)};
        hi = {std::max(hi.x, p.x + r), std::max(hi.y, p.y + r), std::max(hi.z, p.z + r)};
    }
    void add(const Box& b)
    {
        add(b.lo, 0);
        add(b.hi, 0);
    }
    bool valid() const { return lo.x <= hi.x; }
    double longest() const { return std::max({hi.x - lo.x, hi.y - lo.y, hi.z - lo.z}); }
};

struct Plane {
    Vec3 n;
    double d = 0; // n . p <= d inside
};

// One solid piece in millimetres, as a signed distance (negative inside).
struct Shape {
    enum class Kind { Ball, Capsule, Frustum, Convex, Plate } kind = Kind::Ball;
    Vec3 a, b;
    double r0 = 0, r1 = 0;
    std::vector<Plane> planes; // Convex: the faces; Plate: the face, then its edges
    Box box;

    double distance(const Vec3& p) const
    {
        switch (kind) {
        case Kind::Ball: return length(p - a) - r0;
        case Kind::Capsule: {
            const Vec3 ab = b - a;
            const double t = std::clamp(dot(p - a, ab) / dot(ab, ab), 0.0, 1.0);
            return length(p - (a + t * ab)) - r0;
        }
        case Kind::Frustum: {
            const Vec3 ab = b - a;
            const double l = length(ab);
            const Vec3 u = ab / l;
            const double t = dot(p - a, u);
            const double radial = length(p - a - t * u);
            const double r = r0 + (r1 - r0) * std::clamp(t / l, 0.0, 1.0);
            return std::max(radial - r, std::max(-t, t - l));
        }
        case Kind::Convex: {
            double d = -std::numeric_limits<double>::max();
            for (const Plane& q : planes)
                d = std::max(d, dot(q.n, p) - q.d);
            return d;
        }
        case Kind::Plate: {
            double d = std::abs(dot(planes[0].n, p) - planes[0].d) - r0;
            for (std::size_t i = 1; i < planes.size(); ++i)
                d = std::max(d, dot(planes[i].n, p) - planes[i].d);
            return d;
        }
        }
        return 1;
    }
};

Vec3 newellNormal(const std::vector<Vec3>& corners)
{
    Vec3 n;
    for (std::size_t i = 0; i < corners.size(); ++i)
        n += cross(corners[i], corners[(i + 1) % corners.size()]);
    return normalised(n);
}

Vec3 centroidOf(const std::vector<Vec3>& points)
{
    Vec3 c;
    for (const Vec3& p : points)
        c += p;
    return points.empty() ? c : c / static_cast<double>(points.size());
}

std::vector<const SolidFace*> solidFaces(const SolidParts& parts)
{
    std::vector<const SolidFace*> out;
    for (const SolidFace& f : parts.faces)
        if (!f.mirrorPlane && f.corners.size() >= 3)
            out.push_back(&f);
    return out;
}

// The faces as the planes of one closed convex solid, or nothing when they
// are not that (some faces alone, a solid with a dent, an open surface).
std::vector<Plane> convexSolid(const std::vector<const SolidFace*>& faces)
{
    if (faces.size() < 4)
        return {};
    std::vector<Vec3> all;
    Box box;
    for (const SolidFace* f : faces)
        for (const Vec3& p : f->corners) {
            all.push_back(p);
            box.add(p, 0);
        }
    const Vec3 centre = centroidOf(all);
    const double eps = 1e-6 * std::max(box.longest(), 1e-9);
    std::vector<Plane> planes;
    std::map<std::array<long long, 6>, int> edgeUses;
    const auto key = [&](const Vec3& p) {
        return std::array<long long, 3>{std::llround(p.x / (100 * eps)), std::llround(p.y / (100 * eps)),
                                        std::llround(p.z / (100 * eps))};
    };
    for (const SolidFace* f : faces) {
        Plane q{newellNormal(f->corners), 0};
        q.d = dot(q.n, f->corners[0]);
        if (dot(q.n, centre) > q.d)
            q = {-q.n, -q.d};
        for (const Vec3& p : all)
            if (dot(q.n, p) > q.d + 100 * eps)
                return {};
        planes.push_back(q);
        for (std::size_t i = 0; i < f->corners.size(); ++i) {
            auto a = key(f->corners[i]), b = key(f->corners[(i + 1) % f->corners.size()]);
            if (b < a)
                std::swap(a, b);
            ++edgeUses[{a[0], a[1], a[2], b[0], b[1], b[2]}];
        }
    }
    for (const auto& [edge, uses] : edgeUses)
        if (uses != 2)
            return {};
    return planes;
}

// The extent of the parts when scaled by s (mm per model unit), lines as
// thick as they will be printed.
Box scaledBox(const SolidParts& parts, double s, double lineRadius)
{
    Box box;
    for (const SolidBall& b : parts.balls)
        box.add(s * b.centre, s * b.radius);
    for (const SolidRod& r : parts.rods) {
        const double radius = r.line ? lineRadius : s * std::max(r.r0, r.r1);
        box.add(s * r.from, radius);
        box.add(s * r.to, radius);
    }
    for (const SolidFace& f : parts.faces)
        if (!f.mirrorPlane)
            for (const Vec3& p : f.corners)
                box.add(s * p, 0);
    return box;
}

// mm per model unit, so that the longest edge is sizeMm.
double printScale(const SolidParts& parts, double sizeMm, double lineRadius)
{
    const Box core = scaledBox(parts, 1, 0);
    if (!core.valid())
        return 0;
    double s = sizeMm / std::max(core.longest(), 1e-9);
    for (int i = 0; i < 8; ++i) {
        const double l = scaledBox(parts, s, lineRadius).longest();
        if (l <= 0)
            break;
        s *= sizeMm / l;
    }
    return s;
}

std::vector<Shape> shapesOf(const SolidParts& parts, double s, double lineRadius)
{
    std::vector<Shape> shapes;
    for (const SolidBall& b : parts.balls) {
        if (!(b.radius > 0))
            continue;
        Shape sh;
        sh.a = s * b.centre;
        sh.r0 = s * b.radius;
        sh.box.add(sh.a, sh.r0);
        shapes.push_back(sh);
    }
    for (const SolidRod& r : parts.rods) {
        Shape sh;
        sh.a = s * r.from;
        sh.b = s * r.to;
        if (!(length(sh.b - sh.a) > 0))
            continue;
        if (r.line) {
            sh.kind = Shape::Kind::Capsule;
            sh.r0 = sh.r1 = lineRadius;
        } else {
            sh.kind = Shape::Kind::Frustum;
            sh.r0 = s * r.r0;
            sh.r1 = s * r.r1;
        }
        const double radius = std::max(sh.r0, sh.r1);
        sh.box.add(sh.a, radius);
        sh.box.add(sh.b, radius);
        shapes.push_back(sh);
    }
    const std::vector<const SolidFace*> faces = solidFaces(parts);
    if (const std::vector<Plane> solid = convexSolid(faces); !solid.empty()) {
        Shape sh;
        sh.kind = Shape::Kind::Convex;
        for (const Plane& q : solid)
            sh.planes.push_back({q.n, s * q.d});
        for (const SolidFace* f : faces)
            for (const Vec3& p : f->corners)
                sh.box.add(s * p, 0);
        shapes.push_back(sh);
        return shapes;
    }
    for (const SolidFace* f : faces) {
        std::vector<Vec3> corners;
        for (const Vec3& p : f->corners)
            corners.push_back(s * p);
        Shape sh;
        sh.kind = Shape::Kind::Plate;
        sh.r0 = lineRadius;
        const Vec3 n = newellNormal(corners);
        if (!(length(n) > 0))
            continue;
        sh.planes.push_back({n, dot(n, corners[0])});
        const Vec3 centre = centroidOf(corners);
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const Vec3& p = corners[i];
            Vec3 m = normalised(cross(n, corners[(i + 1) % corners.size()] - p));
            if (dot(m, centre - p) > 0)
                m = -m;
            sh.planes.push_back({m, dot(m, p)});
            sh.box.add(p, lineRadius);
        }
        shapes.push_back(sh);
    }
    return shapes;
}

struct Grid {
    Vec3 origin;
    double h = 1;
    int nx = 0, ny = 0, nz = 0;
    std::vector<float> value;
    std::size_t at(int i, int j, int k) const
    {
        return (static_cast<std::size_t>(k) * static_cast<std::size_t>(ny) + static_cast<std::size_t>(j))
            * static_cast<std::size_t>(nx) + static_cast<std::size_t>(i);
    }
    Vec3 point(int i, int j, int k) const { return origin + Vec3{i * h, j * h, k * h}; }
};

bool sample(Grid& g, const std::vector<Shape>& shapes, const Progress& progress)
{
    const float outside = static_cast<float>(10 * g.h);
    g.value.assign(static_cast<std::size_t>(g.nx) * static_cast<std::size_t>(g.ny) * static_cast<std::size_t>(g.nz),
                   outside);
    const double margin = 2.5 * g.h;
    for (std::size_t n = 0; n < shapes.size(); ++n) {
        const Shape& sh = shapes[n];
        const auto lo = [&](double v, double o) { return std::max(0, static_cast<int>(std::floor((v - margin - o) / g.h))); };
        const auto hi = [&](double v, double o, int count) {
            return std::min(count - 1, static_cast<int>(std::ceil((v + margin - o) / g.h)));
        };
        for (int k = lo(sh.box.lo.z, g.origin.z); k <= hi(sh.box.hi.z, g.origin.z, g.nz); ++k)
            for (int j = lo(sh.box.lo.y, g.origin.y); j <= hi(sh.box.hi.y, g.origin.y, g.ny); ++j)
                for (int i = lo(sh.box.lo.x, g.origin.x); i <= hi(sh.box.hi.x, g.origin.x, g.nx); ++i) {
                    float& v = g.value[g.at(i, j, k)];
                    v = std::min(v, static_cast<float>(sh.distance(g.point(i, j, k))));
                }
        if (progress && n % 16 == 0 && !progress(0.5 * static_cast<double>(n) / static_cast<double>(shapes.size())))
            return false;
    }
    // No grid value exactly on the surface: the level set stays a manifold.
    for (float& v : g.value)
        if (v == 0)
            v = std::numeric_limits<float>::min();
    return true;
}

// Corners of a cube by bits (x = 1, y = 2, z = 4); six tetrahedra around
// the diagonal 0-7, the same in every cube, so that the faces that
// neighbouring cubes share are cut by the same diagonals.
constexpr int Tetrahedra[6][4] = {{0, 1, 3, 7}, {0, 1, 5, 7}, {0, 2, 3, 7}, {0, 2, 6, 7}, {0, 4, 5, 7}, {0, 4, 6, 7}};

class Extractor {
public:
    explicit Extractor(const Grid& g) : g_(g) {}

    bool run(const Progress& progress)
    {
        for (int k = 0; k + 1 < g_.nz; ++k) {
            for (int j = 0; j + 1 < g_.ny; ++j)
                for (int i = 0; i + 1 < g_.nx; ++i)
                    cube(i, j, k);
            if (progress && !progress(0.5 + 0.45 * k / std::max(1, g_.nz - 1)))
                return false;
        }
        return true;
    }

    TriangleMesh mesh;

private:
    void cube(int i, int j, int k)
    {
        std::size_t id[8];
        float v[8];
        int inside = 0;
        for (int c = 0; c < 8; ++c) {
            id[c] = g_.at(i + (c & 1), j + ((c >> 1) & 1), k + ((c >> 2) & 1));
            v[c] = g_.value[id[c]];
            inside += v[c] < 0;
        }
        if (inside == 0 || inside == 8)
            return;
        for (const auto& t : Tetrahedra)
            tetrahedron({id[t[0]], id[t[1]], id[t[2]], id[t[3]]}, {v[t[0]], v[t[1]], v[t[2]], v[t[3]]});
    }

    void tetrahedron(const std::array<std::size_t, 4>& id, const std::array<float, 4>& v)
    {
        std::vector<int> in, out;
        for (int c = 0; c < 4; ++c)
            (v[static_cast<std::size_t>(c)] < 0 ? in : out).push_back(c);
        if (in.empty() || out.empty())
            return;
        const auto cut = [&](int a, int b) {
            return edgeVertex(id[static_cast<std::size_t>(a)], id[static_cast<std::size_t>(b)],
                              v[static_cast<std::size_t>(a)], v[static_cast<std::size_t>(b)]);
        };
        const Vec3 outward = position(id[static_cast<std::size_t>(out[0])]) - position(id[static_cast<std::size_t>(in[0])]);
        if (in.size() == 1) {
            triangle(cut(in[0], out[0]), cut(in[0], out[1]), cut(in[0], out[2]), outward);
        } else if (in.size() == 3) {
            triangle(cut(in[0], out[0]), cut(in[1], out[0]), cut(in[2], out[0]), outward);
        } else {
            const unsigned ac = cut(in[0], out[0]), ad = cut(in[0], out[1]);
            const unsigned bd = cut(in[1], out[1]), bc = cut(in[1], out[0]);
            triangle(ac, ad, bd, outward);
            triangle(ac, bd, bc, outward);
        }
    }

    Vec3 position(std::size_t id) const
    {
        const auto n = static_cast<std::size_t>(g_.nx), m = static_cast<std::size_t>(g_.ny);
        return g_.point(static_cast<int>(id % n), static_cast<int>((id / n) % m), static_cast<int>(id / (n * m)));
    }

    unsigned edgeVertex(std::size_t a, std::size_t b, float va, float vb)
    {
        if (b < a) {
            std::swap(a, b);
            std::swap(va, vb);
        }
        const std::uint64_t key = (static_cast<std::uint64_t>(a) << 32) | static_cast<std::uint64_t>(b);
        const auto [it, added] = vertices_.try_emplace(key, static_cast<unsigned>(mesh.positions.size()));
        if (added) {
            // Kept off the grid points: corners cut close to one point on
            // different edges must not become one point in single
            // precision, as the file stores them.
            const double t = std::clamp(static_cast<double>(va) / (static_cast<double>(va) - static_cast<double>(vb)),
                                        EdgeMargin, 1 - EdgeMargin);
            mesh.positions.push_back(position(a) + t * (position(b) - position(a)));
        }
        return it->second;
    }

    void triangle(unsigned p, unsigned q, unsigned r, const Vec3& outward)
    {
        const Vec3 n = cross(mesh.positions[q] - mesh.positions[p], mesh.positions[r] - mesh.positions[p]);
        if (dot(n, outward) < 0)
            std::swap(q, r);
        mesh.triangles.push_back({p, q, r});
    }

    const Grid& g_;
    std::unordered_map<std::uint64_t, unsigned> vertices_;
};

// The piece with the most triangles, and how many others there were.
int keepLargestPiece(TriangleMesh& mesh)
{
    const std::vector<unsigned> body = BodyOfEachVertex(mesh);
    const auto find = [&](unsigned x) { return body[x]; };
    std::unordered_map<unsigned, std::size_t> size;
    for (const auto& t : mesh.triangles)
        ++size[find(t[0])];
    unsigned best = 0;
    std::size_t most = 0;
    for (const auto& [root, n] : size)
        if (n > most)
            best = root, most = n;
    TriangleMesh kept;
    kept.name = mesh.name;
    kept.colour = mesh.colour;
    std::vector<unsigned> index(mesh.positions.size(), std::numeric_limits<unsigned>::max());
    for (const auto& t : mesh.triangles) {
        if (find(t[0]) != best)
            continue;
        std::array<unsigned, 3> out{};
        for (std::size_t c = 0; c < 3; ++c) {
            unsigned& to = index[t[c]];
            if (to == std::numeric_limits<unsigned>::max()) {
                to = static_cast<unsigned>(kept.positions.size());
                kept.positions.push_back(mesh.positions[t[c]]);
            }
            out[c] = to;
        }
        kept.triangles.push_back(out);
    }
    mesh = std::move(kept);
    return static_cast<int>(size.size()) - (size.empty() ? 0 : 1);
}

void addNormals(TriangleMesh& mesh)
{
    mesh.normals.assign(mesh.positions.size(), Vec3{});
    for (const auto& t : mesh.triangles) {
        const Vec3 n = cross(mesh.positions[t[1]] - mesh.positions[t[0]], mesh.positions[t[2]] - mesh.positions[t[0]]);
        for (unsigned c : t)
            mesh.normals[c] += n;
    }
    for (Vec3& n : mesh.normals)
        n = normalised(n);
}

} // namespace

PrintableBody MakePrintableBody(const SolidParts& parts, double sizeMm, const Progress& progress)
{
    PrintableBody body;
    // The grid's spacing follows the size; lines stay at least three grid
    // steps thick, so that none breaks apart on a coarse grid.
    const double h = std::max(FinestVoxel, sizeMm / MostPointsPerSide);
    const double lineRadius = std::max(MinLineDiameter / 2, 1.5 * h);
    const double s = printScale(parts, sizeMm, lineRadius);
    if (!(s > 0) || !std::isfinite(s))
        return body;
    const std::vector<Shape> shapes = shapesOf(parts, s, lineRadius);
    Box box;
    for (const Shape& sh : shapes)
        box.add(sh.box);
    if (shapes.empty() || !box.valid())
        return body;
    Grid grid;
    grid.h = std::max(h, box.longest() / MostPointsPerSide);
    const double pad = 3 * grid.h;
    grid.origin = box.lo - Vec3{pad, pad, pad};
    const auto count = [&](double extent) { return static_cast<int>(std::ceil((extent + 2 * pad) / grid.h)) + 1; };
    grid.nx = count(box.hi.x - box.lo.x);
    grid.ny = count(box.hi.y - box.lo.y);
    grid.nz = count(box.hi.z - box.lo.z);
    if (!sample(grid, shapes, progress))
        return body;
    Extractor extractor(grid);
    if (!extractor.run(progress))
        return body;
    body.mesh = std::move(extractor.mesh);
    grid.value = {};
    body.droppedPieces = keepLargestPiece(body.mesh);
    body.mesh.name = "body";
    body.mesh.colour = {0.7f, 0.7f, 0.7f};
    addNormals(body.mesh);
    Box extent;
    for (const Vec3& p : body.mesh.positions)
        extent.add(p, 0);
    if (extent.valid())
        body.size = extent.hi - extent.lo;
    if (progress)
        progress(1);
    return body;
}

} // namespace vestrel::modelexport
