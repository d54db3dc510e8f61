// SPDX-License-Identifier: MIT
// The periodic neighbour search sees the lattice, not the cell that
// describes it: an oblique cell of the same lattice finds the same
// neighbours at the same distances.
#include "logic/cif/neighbours.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

} // namespace
} // namespace vestrel::test
