// SPDX-License-Identifier: MIT
// The atoms near each atom of an endless crystal, found by gemmi's
// NeighborSearch. Plain types only (C++17, like the rest of the bridge).
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

namespace vestrel::cif::gemmi_bridge {

// An image of an atom of the cell: its fractional coordinates plus whole
// cells along each axis.
struct AtomImage {
    std::size_t atom = 0;
    std::array<int, 3> cells{};
};

// For every atom i of the cell spanned by axes (angstroms, any hand):
// near(i, images), the images of the cell's atoms within reach of it, i's
// own images and i itself among them. fract: the atoms' coordinates in
// fractions of the axes, each in [0, 1]. gemmi keeps positions in single
// precision, so an image a hair beyond reach may come too: the caller
// measures each again.
void ForEachImageNear(const std::array<std::array<double, 3>, 3>& axes,
                      const std::vector<std::array<double, 3>>& fract, double reach,
                      const std::function<void(std::size_t, const std::vector<AtomImage>&)>& near);

} // namespace vestrel::cif::gemmi_bridge
