// SPDX-License-Identifier: MIT
#include "logic/cif/neighbours.h"

#include "logic/cif/gemmi/neighbour_search.h"

#include <spglib.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace vestrel::cif {

namespace {

// Lengths spglib's Niggli reduction takes as equal, relative.
constexpr double NiggliTolerance = 1e-5;

// Shortens axis i by the combinations ±axis j, ±axis k, ±axis j ± axis k of
// the other two while that makes it shorter; true when it changed.
bool shortenAxis(std::array<Vec3, 3>& axes, int i)
{
    const Vec3& p = axes[(i + 1) % 3];
    const Vec3& q = axes[(i + 2) % 3];
    bool changed = false;
    bool shorter = true;
    for (int step = 0; shorter && step < 100; ++step) {
        shorter = false;
        // The nearest multiple of each other axis first, then the small
        // combinations of both, which the three-dimensional reduction needs.
        for (const Vec3& other : {p, q}) {
            const double n = std::round(dot(axes[i], other) / dot(other, other));
            const Vec3 v = axes[i] + -n * other;
            if (n != 0 && dot(v, v) < dot(axes[i], axes[i]) * (1 - 1e-12)) {
                axes[i] = v;
                shorter = changed = true;
            }
        }
        for (int sp : {-1, 1})
            for (int sq : {-1, 1}) {
                const Vec3 v = axes[i] + (sp * p + sq * q);
                if (dot(v, v) < dot(axes[i], axes[i]) * (1 - 1e-12)) {
                    axes[i] = v;
                    shorter = changed = true;
                }
            }
    }
    return changed;
}

double CellVolume(const std::array<Vec3, 3>& a) { return std::abs(dot(a[0], cross(a[1], a[2]))); }

// spglib's Niggli reduction; none when it fails or its cell is not the same
// lattice's (its volume differs).
std::optional<std::array<Vec3, 3>> NiggliAxes(const std::array<Vec3, 3>& axes)
{
    double lattice[3][3];
    for (int j = 0; j < 3; ++j) {
        lattice[0][j] = axes[j].x;
        lattice[1][j] = axes[j].y;
        lattice[2][j] = axes[j].z;
    }
    if (spg_niggli_reduce(lattice, NiggliTolerance) == 0)
        return std::nullopt;
    std::array<Vec3, 3> out;
    for (int j = 0; j < 3; ++j)
        out[j] = {lattice[0][j], lattice[1][j], lattice[2][j]};
    const double before = CellVolume(axes), after = CellVolume(out);
    if (!std::isfinite(after) || std::abs(after - before) > 1e-6 * before)
        return std::nullopt;
    return out;
}

Vec3 CartesianIn(const std::array<Vec3, 3>& basis, const Vec3& f)
{
    return f.x * basis[0] + f.y * basis[1] + f.z * basis[2];
}

// The points given in fractions of `from` in fractions of `to`, a basis of
// the same lattice, wrapped into [0, 1].
std::vector<Vec3> FractionsIn(const std::array<Vec3, 3>& to, const std::array<Vec3, 3>& from,
                              const std::vector<Vec3>& fract)
{
    // Sorting the reduced axes by length may have turned the cell's hand.
    const double signedVolume = dot(to[0], cross(to[1], to[2]));
    const std::array<Vec3, 3> reciprocal{(1 / signedVolume) * cross(to[1], to[2]),
                                         (1 / signedVolume) * cross(to[2], to[0]),
                                         (1 / signedVolume) * cross(to[0], to[1])};
    std::vector<Vec3> out;
    out.reserve(fract.size());
    for (const Vec3& f : fract) {
        const Vec3 p = CartesianIn(from, f);
        const Vec3 r{dot(p, reciprocal[0]), dot(p, reciprocal[1]), dot(p, reciprocal[2])};
        out.push_back({r.x - std::floor(r.x), r.y - std::floor(r.y), r.z - std::floor(r.z)});
    }
    return out;
}

std::array<double, 3> AsArray(const Vec3& v) { return {v.x, v.y, v.z}; }

std::array<std::array<double, 3>, 3> AsArrays(const std::array<Vec3, 3>& v)
{
    return {AsArray(v[0]), AsArray(v[1]), AsArray(v[2])};
}

std::vector<std::array<double, 3>> AsArrays(const std::vector<Vec3>& v)
{
    std::vector<std::array<double, 3>> out;
    out.reserve(v.size());
    for (const Vec3& p : v)
        out.push_back(AsArray(p));
    return out;
}

} // namespace

void ForEachClosePair(const std::vector<Vec3>& points, double maxDistance,
                      const std::function<void(std::size_t, std::size_t, double)>& fn)
{
    if (points.size() < 2 || !(maxDistance > 0))
        return;
    // The points in a box-shaped cell so wide that no point is within reach
    // of another's image across the box's faces.
    Vec3 low = points[0], high = points[0];
    for (const Vec3& p : points) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    const Vec3 box = high - low + Vec3{1, 1, 1} * (3 * maxDistance + 1);
    std::vector<Vec3> fract;
    fract.reserve(points.size());
    for (const Vec3& p : points)
        fract.push_back({(p.x - low.x) / box.x, (p.y - low.y) / box.y, (p.z - low.z) / box.z});
    const std::array<Vec3, 3> axes{Vec3{box.x, 0, 0}, Vec3{0, box.y, 0}, Vec3{0, 0, box.z}};
    gemmi_bridge::ForEachImageNear(
        AsArrays(axes), AsArrays(fract), maxDistance,
        [&](std::size_t i, const std::vector<gemmi_bridge::AtomImage>& images) {
            for (const gemmi_bridge::AtomImage& image : images) {
                const std::size_t j = image.atom;
                if (j <= i)
                    continue;
                const double d = distance(points[i], points[j]);
                if (d < maxDistance)
                    fn(i, j, d);
            }
        });
}

std::array<Vec3, 3> ReducedAxes(const std::array<Vec3, 3>& axes)
{
    std::array<Vec3, 3> reduced = axes;
    const double volume = CellVolume(axes);
    if (!(volume > 0) || !std::isfinite(volume))
        return reduced;
    if (const auto niggli = NiggliAxes(axes))
        reduced = *niggli;
    // The shortening below stays after spglib's reduction: spglib gives up
    // (returns 0) on flat oblique cells such as a = (3000, 0, 0),
    // b = (2999, 1, 0), c = (0, 0, 2), whose shortest translation is
    // a - b, and the neighbour search would then miss images. Each step
    // makes an axis shorter and keeps the lattice; a few hundred steps
    // reduce any cell a file can describe.
    for (int round = 0; round < 200; ++round) {
        bool changed = false;
        for (int i = 0; i < 3; ++i)
            changed = shortenAxis(reduced, i) || changed;
        if (!changed)
            break;
    }
    std::sort(reduced.begin(), reduced.end(),
              [](const Vec3& a, const Vec3& b) { return dot(a, a) < dot(b, b); });
    return reduced;
}

double ShortestTranslation(const std::array<Vec3, 3>& axes)
{
    return length(ReducedAxes(axes)[0]);
}

void ForEachPeriodicNeighbour(const std::array<Vec3, 3>& cellAxes, const std::vector<Vec3>& cellFract,
                              double maxDistance, const std::function<void(std::size_t, std::size_t, double)>& fn)
{
    ForEachPeriodicNeighbourOffset(cellAxes, cellFract, maxDistance,
                                   [&](std::size_t i, std::size_t j, double d, const Vec3&) { fn(i, j, d); });
}

void ForEachPeriodicNeighbourOffset(const std::array<Vec3, 3>& cellAxes, const std::vector<Vec3>& cellFract,
                                    double maxDistance,
                                    const std::function<void(std::size_t, std::size_t, double, const Vec3&)>& fn)
{
    if (cellFract.empty() || !(maxDistance > 0))
        return;
    if (!(CellVolume(cellAxes) > 0))
        return;
    // The search runs in the reduced cell of the same lattice: an oblique or
    // flat cell would need a supercell far along its axes to cover a sphere.
    // A cube of 4 Å given as a = 4, b = c = 400 Å (b = B + 100A,
    // c = C + 100B) has lattice planes 0.0004 Å apart; gemmi's search over
    // it would need 15 million copies of each atom (it ran out of memory
    // at 1.5 GB), over the reduced cell one.
    const std::array<Vec3, 3> axes = ReducedAxes(cellAxes);
    const std::vector<Vec3> fract = FractionsIn(axes, cellAxes, cellFract);
    gemmi_bridge::ForEachImageNear(
        AsArrays(axes), AsArrays(fract), maxDistance,
        [&](std::size_t i, const std::vector<gemmi_bridge::AtomImage>& images) {
            const Vec3 from = CartesianIn(axes, fract[i]);
            for (const gemmi_bridge::AtomImage& image : images) {
                const std::size_t j = image.atom;
                const auto& [u, v, w] = image.cells;
                if (j == i && u == 0 && v == 0 && w == 0)
                    continue;
                const Vec3 to = CartesianIn(axes, fract[j] + Vec3{double(u), double(v), double(w)});
                const double d = distance(from, to);
                if (d < maxDistance)
                    fn(i, j, d, to - from);
            }
        });
}

} // namespace vestrel::cif
