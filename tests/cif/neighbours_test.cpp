// SPDX-License-Identifier: MIT
// The periodic neighbour search sees the lattice, not the cell that
// describes it: an oblique cell of the same lattice finds the same
// neighbours at the same distances.
#include "logic/cif/gemmi/cell_geometry.h"
#include "logic/cif/neighbours.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>

namespace vestrel::test {
namespace {

using Pair = std::tuple<std::size_t, std::size_t, long long>; // atom, neighbour, distance in 1e-9 Å

std::vector<Pair> neighbours(const std::array<Vec3, 3>& axes, const std::vector<Vec3>& fract, double reach)
{
    std::vector<Pair> pairs;
    cif::ForEachPeriodicNeighbour(axes, fract, reach, [&](std::size_t i, std::size_t j, double d) {
        pairs.emplace_back(i, j, std::llround(d * 1e9));
    });
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

TEST(PeriodicNeighbours, AnObliqueCellOfTheLatticeFindsTheSameNeighbours)
{
    // Caesium chloride's arrangement in a cube of 4 Å: Cs at the corner, Cl at
    // the centre, (2, 2, 2). The oblique cell a + 7b + 3c, b, c + 4b spans the
    // same lattice; the centre there is (0.5, 1, -1), that is (0.5, 0, 0).
    const std::array<Vec3, 3> cube{Vec3{4, 0, 0}, Vec3{0, 4, 0}, Vec3{0, 0, 4}};
    const std::array<Vec3, 3> oblique{Vec3{4, 28, 12}, Vec3{0, 4, 0}, Vec3{0, 16, 4}};
    const std::vector<Pair> inCube = neighbours(cube, {{0, 0, 0}, {0.5, 0.5, 0.5}}, 4.5);
    const std::vector<Pair> inOblique = neighbours(oblique, {{0, 0, 0}, {0.5, 0, 0}}, 4.5);

    EXPECT_EQ(inCube.size(), 28u) << "8 unlike neighbours at 3.46 Å and 6 like ones at 4 Å, for each atom";
    EXPECT_EQ(inOblique, inCube);
    EXPECT_DOUBLE_EQ(cif::ShortestTranslation(oblique), 4);
    // A flat cell: its first two axes differ by (1, -1, 0).
    EXPECT_DOUBLE_EQ(cif::ShortestTranslation({Vec3{3000, 0, 0}, Vec3{2999, 1, 0}, Vec3{0, 0, 2}}), std::sqrt(2.0));
}

// The same pairs found the slow way: every image of every atom in a box of
// translations wide enough to hold the sphere around each atom.
std::vector<Pair> everyImageNear(const std::array<Vec3, 3>& axes, const std::vector<Vec3>& fract, double reach)
{
    const double volume = std::abs(dot(axes[0], cross(axes[1], axes[2])));
    std::array<int, 3> span{};
    for (int k = 0; k < 3; ++k)
        span[k] = static_cast<int>(std::ceil(reach * length(cross(axes[(k + 1) % 3], axes[(k + 2) % 3])) / volume)) + 1;
    const auto at = [&](const Vec3& f) { return f.x * axes[0] + f.y * axes[1] + f.z * axes[2]; };
    std::vector<Pair> pairs;
    for (std::size_t i = 0; i < fract.size(); ++i)
        for (std::size_t j = 0; j < fract.size(); ++j)
            for (int u = -span[0]; u <= span[0]; ++u)
                for (int v = -span[1]; v <= span[1]; ++v)
                    for (int w = -span[2]; w <= span[2]; ++w) {
                        if (i == j && u == 0 && v == 0 && w == 0)
                            continue;
                        const double d = distance(at(fract[i]), at(fract[j] + Vec3{double(u), double(v), double(w)}));
                        if (d < reach)
                            pairs.emplace_back(i, j, std::llround(d * 1e9));
                    }
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

std::array<Vec3, 3> AxesOf(double a, double b, double c, double alpha, double beta, double gamma)
{
    std::array<Vec3, 3> axes;
    for (int k = 0; k < 3; ++k) {
        std::array<double, 3> unit{};
        unit[k] = 1;
        const std::array<double, 3> v = cif::gemmi_bridge::Orthogonalise({a, b, c, alpha, beta, gamma}, unit);
        axes[k] = {v[0], v[1], v[2]};
    }
    return axes;
}

struct SearchCase {
    std::string name;
    std::array<Vec3, 3> axes;
    std::vector<Vec3> fract;
    double reach;
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

std::vector<SearchCase> SearchCases()
{
    const std::vector<Vec3> copper{{0, 0, 0}, {0.5, 0.5, 0}, {0.5, 0, 0.5}, {0, 0.5, 0.5}};
    return {
        // The sphere holds the atoms' own images, some of them twice the edge away.
        {"copper", AxesOf(3.615, 3.615, 3.615, 90, 90, 90), copper, 2.9},
        {"copper_far", AxesOf(3.615, 3.615, 3.615, 90, 90, 90), copper, 7.5},
        {"triclinic", AxesOf(7.1, 8.3, 9.7, 71.3, 103.9, 117.2),
         {{0.1, 0.2, 0.3}, {0.3, 0.25, 0.31}, {0.9, 0.75, 0.6}, {0.5, 0.5, 0.5}, {0, 0, 0.999999}}, 5},
        // Flat and oblique: its planes (010) lie 0.97 Å apart.
        {"flat", AxesOf(3000, 5.43, 5.43, 55.3, 55.3, 10.3), {{0, 0.352, 0.352}, {0.556, 0.944, 0.25}}, 6},
        // Two atoms in a cube of 9000 Å, searched as far as the nearest one.
        {"sparse", AxesOf(9000, 9000, 9000, 90, 90, 90), {{0, 0, 0}, {0.5, 0.5, 0.5}}, 7800},
    };
}

class PeriodicSearch : public testing::TestWithParam<SearchCase> {};

TEST_P(PeriodicSearch, FindsWhatTryingEveryImageFinds)
{
    const SearchCase& c = GetParam();
    const std::vector<Pair> found = neighbours(c.axes, c.fract, c.reach);
    EXPECT_FALSE(found.empty());
    EXPECT_EQ(found, everyImageNear(c.axes, c.fract, c.reach));
}

INSTANTIATE_TEST_SUITE_P(Cells, PeriodicSearch, testing::ValuesIn(SearchCases()),
                         [](const auto& info) { return info.param.name; });

// Pairs of points without a lattice, against every pair tried: points
// packed closely, and points scattered over a thousand ångströms.
TEST(ClosePairs, FindsWhatTryingEveryPairFinds)
{
    std::mt19937 random(7);
    for (const double spread : {12.0, 1000.0}) {
        std::uniform_real_distribution<double> along(-spread, spread);
        std::vector<Vec3> points;
        for (int i = 0; i < 600; ++i)
            points.push_back({along(random), along(random), along(random) * 0.1});
        const double reach = spread / 6;
        std::vector<Pair> found, every;
        cif::ForEachClosePair(points, reach, [&](std::size_t i, std::size_t j, double d) {
            found.emplace_back(i, j, std::llround(d * 1e9));
        });
        for (std::size_t i = 0; i < points.size(); ++i)
            for (std::size_t j = i + 1; j < points.size(); ++j)
                if (distance(points[i], points[j]) < reach)
                    every.emplace_back(i, j, std::llround(distance(points[i], points[j]) * 1e9));
        std::sort(found.begin(), found.end());
        EXPECT_FALSE(every.empty());
        EXPECT_EQ(found, every) << "spread " << spread;
    }
}

} // namespace
} // namespace vestrel::test
