// SPDX-License-Identifier: MIT
// Close pairs of points, found by gemmi's neighbour search (a grid of cells)
// rather than by trying every pair, so that blocks of tens of thousands of
// atoms are quick.
#pragma once

#include "render/geometry.h"

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

namespace vestrel::cif {

// Calls fn(i, j, distance) once for every pair i < j of points closer than
// maxDistance.
void ForEachClosePair(const std::vector<Vec3>& points, double maxDistance,
                      const std::function<void(std::size_t, std::size_t, double)>& fn);

// The same in an endless crystal: atoms of one cell given by fractional
// coordinates, repeated along the cell axes. Calls fn(i, j, distance) for
// every atom i of the cell and every atom of the crystal closer than
// maxDistance to it, j being the cell atom it is an image of (i itself for
// i's own images, never for i).
void ForEachPeriodicNeighbour(const std::array<Vec3, 3>& axes, const std::vector<Vec3>& fract, double maxDistance,
                              const std::function<void(std::size_t, std::size_t, double)>& fn);

// The same, also giving the vector from atom i to the image of j (angstroms).
void ForEachPeriodicNeighbourOffset(const std::array<Vec3, 3>& axes, const std::vector<Vec3>& fract,
                                    double maxDistance,
                                    const std::function<void(std::size_t, std::size_t, double, const Vec3&)>& fn);

// The shortest axes of the same lattice (a reduced cell), shortest first.
std::array<Vec3, 3> ReducedAxes(const std::array<Vec3, 3>& axes);
// The length of the lattice's shortest translation: no atom is farther than
// this from its nearest neighbour, its own image at least.
double ShortestTranslation(const std::array<Vec3, 3>& axes);

} // namespace vestrel::cif
