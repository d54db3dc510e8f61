// SPDX-License-Identifier: MIT
#include "logic/cif/neighbours.h"

#include <spglib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <unordered_map>

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

// Points sorted into cubic buckets of the search distance: a point's
// neighbours are in its own bucket and the 26 around it.
class BucketGrid {
public:
    BucketGrid(const std::vector<Vec3>& points, double size) : size_(size)
    {
        order_.resize(points.size());
        std::vector<std::int64_t> keys(points.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            order_[i] = static_cast<std::uint32_t>(i);
            keys[i] = key(points[i]);
        }
        std::sort(order_.begin(), order_.end(), [&](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
        buckets_.reserve(points.size());
        for (std::size_t k = 0; k < order_.size();) {
            std::size_t end = k;
            while (end < order_.size() && keys[order_[end]] == keys[order_[k]])
                ++end;
            buckets_.emplace(keys[order_[k]], std::make_pair(static_cast<std::uint32_t>(k), static_cast<std::uint32_t>(end)));
            k = end;
        }
    }

    // fn(j) for every point j in the buckets around p.
    template <class F>
    void forEachAround(const Vec3& p, F&& fn) const
    {
        const std::int64_t cx = cell(p.x), cy = cell(p.y), cz = cell(p.z);
        for (std::int64_t dx = -1; dx <= 1; ++dx)
            for (std::int64_t dy = -1; dy <= 1; ++dy)
                for (std::int64_t dz = -1; dz <= 1; ++dz) {
                    const auto it = buckets_.find(pack(cx + dx, cy + dy, cz + dz));
                    if (it == buckets_.end())
                        continue;
                    for (std::uint32_t k = it->second.first; k < it->second.second; ++k)
                        fn(static_cast<std::size_t>(order_[k]));
                }
    }

private:
    std::int64_t cell(double v) const { return static_cast<std::int64_t>(std::floor(v / size_)); }
    static std::int64_t pack(std::int64_t x, std::int64_t y, std::int64_t z)
    {
        constexpr std::int64_t Bias = 1 << 20;
        return ((x + Bias) << 42) | ((y + Bias) << 21) | (z + Bias);
    }
    std::int64_t key(const Vec3& p) const { return pack(cell(p.x), cell(p.y), cell(p.z)); }

    double size_;
    std::vector<std::uint32_t> order_;
    std::unordered_map<std::int64_t, std::pair<std::uint32_t, std::uint32_t>> buckets_;
};

} // namespace

void ForEachClosePair(const std::vector<Vec3>& points, double maxDistance,
                      const std::function<void(std::size_t, std::size_t, double)>& fn)
{
    if (points.size() < 2 || !(maxDistance > 0))
        return;
    const BucketGrid grid(points, maxDistance);
    for (std::size_t i = 0; i < points.size(); ++i)
        grid.forEachAround(points[i], [&](std::size_t j) {
            if (j <= i)
                return;
            const double d = distance(points[i], points[j]);
            if (d < maxDistance)
                fn(i, j, d);
        });
}

namespace {

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

} // namespace

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
    // a - b, and the neighbour search would then miss images. Each step makes an axis shorter and keeps the lattice; a few hundred
    // steps reduce any cell a file can describe.
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
    const double cellVolume = std::abs(dot(cellAxes[0], cross(cellAxes[1], cellAxes[2])));
    if (!(cellVolume > 0))
        return;
    // The search runs in the reduced cell of the same lattice: an oblique or
    // flat cell would need images far along its axes to cover a sphere.
    const std::array<Vec3, 3> axes = ReducedAxes(cellAxes);
    const auto cartesianIn = [](const std::array<Vec3, 3>& basis, const Vec3& f) {
        return f.x * basis[0] + f.y * basis[1] + f.z * basis[2];
    };
    // Sorting the reduced axes by length may have turned the cell's hand.
    const double signedVolume = dot(axes[0], cross(axes[1], axes[2]));
    const std::array<Vec3, 3> reciprocal{(1 / signedVolume) * cross(axes[1], axes[2]),
                                         (1 / signedVolume) * cross(axes[2], axes[0]),
                                         (1 / signedVolume) * cross(axes[0], axes[1])};
    std::vector<Vec3> fract;
    fract.reserve(cellFract.size());
    for (const Vec3& f : cellFract) {
        const Vec3 p = cartesianIn(cellAxes, f);
        Vec3 r{dot(p, reciprocal[0]), dot(p, reciprocal[1]), dot(p, reciprocal[2])};
        r = {r.x - std::floor(r.x), r.y - std::floor(r.y), r.z - std::floor(r.z)};
        fract.push_back(r);
    }
    // How far, in fractions of each axis, the search reaches beyond the
    // cell: the distance over the spacing of the lattice planes, which is
    // one over the length of the reciprocal axis.
    std::array<double, 3> reach{};
    std::array<int, 3> shifts{};
    for (int k = 0; k < 3; ++k) {
        reach[k] = maxDistance * length(reciprocal[k]);
        shifts[k] = static_cast<int>(std::ceil(reach[k])) + 1;
    }
    const auto cartesian = [&](const Vec3& f) { return cartesianIn(axes, f); };

    // Every image that lies within reach of the cell, with its cell atom.
    std::vector<Vec3> images;
    std::vector<std::size_t> owner;
    std::vector<bool> central;
    for (std::size_t i = 0; i < fract.size(); ++i) {
        const Vec3& f = fract[i];
        for (int sx = -shifts[0]; sx <= shifts[0]; ++sx) {
            if (f.x + sx < -reach[0] || f.x + sx > 1 + reach[0])
                continue;
            for (int sy = -shifts[1]; sy <= shifts[1]; ++sy) {
                if (f.y + sy < -reach[1] || f.y + sy > 1 + reach[1])
                    continue;
                for (int sz = -shifts[2]; sz <= shifts[2]; ++sz) {
                    if (f.z + sz < -reach[2] || f.z + sz > 1 + reach[2])
                        continue;
                    images.push_back(cartesian(f + Vec3{double(sx), double(sy), double(sz)}));
                    owner.push_back(i);
                    central.push_back(sx == 0 && sy == 0 && sz == 0);
                }
            }
        }
    }
    const BucketGrid grid(images, maxDistance);
    for (std::size_t k = 0; k < images.size(); ++k) {
        if (!central[k])
            continue;
        const std::size_t i = owner[k];
        grid.forEachAround(images[k], [&](std::size_t m) {
            if (m == k)
                return;
            const double d = distance(images[k], images[m]);
            if (d < maxDistance)
                fn(i, owner[m], d, images[m] - images[k]);
        });
    }
}

} // namespace vestrel::cif
