// SPDX-License-Identifier: MIT
// The unit cell's geometry through gemmi's UnitCell: fractional coordinates
// to angstroms, distances between fractional positions and the spacing of
// lattice planes. Plain types only (C++17, like the rest of the bridge).
#pragma once

#include <array>

namespace vestrel::cif::gemmi_bridge {

struct CellLengthsAngles {
    double a = 0, b = 0, c = 0;            // angstroms
    double alpha = 0, beta = 0, gamma = 0; // degrees
};

// Cartesian angstroms of a fractional position, in gemmi's orthogonal frame
// (a along x, b in the xy plane).
std::array<double, 3> Orthogonalise(const CellLengthsAngles& cell, const std::array<double, 3>& fract);
// The distance in angstroms between two fractional positions as they are
// (no lattice translation applied).
double FractionalDistance(const CellLengthsAngles& cell, const std::array<double, 3>& from,
                          const std::array<double, 3>& to);
// The spacing d(hkl) of the lattice planes (hkl), angstroms.
double InterplanarSpacing(const CellLengthsAngles& cell, const std::array<int, 3>& hkl);

} // namespace vestrel::cif::gemmi_bridge
