// SPDX-License-Identifier: MIT
#include "logic/cif/gemmi/cell_geometry.h"

#include <gemmi/unitcell.hpp>


namespace vestrel::cif::gemmi_bridge {

namespace {

gemmi::UnitCell MakeCell(const CellLengthsAngles& c)
{
    gemmi::UnitCell cell;
    cell.set(c.a, c.b, c.c, c.alpha, c.beta, c.gamma);
    return cell;
}

} // namespace

std::array<double, 3> Orthogonalise(const CellLengthsAngles& cell, const std::array<double, 3>& fract)
{
    const gemmi::Position p = MakeCell(cell).orthogonalize(gemmi::Fractional(fract[0], fract[1], fract[2]));
    return {p.x, p.y, p.z};
}

double FractionalDistance(const CellLengthsAngles& cell, const std::array<double, 3>& from,
                          const std::array<double, 3>& to)
{
    const gemmi::UnitCell c = MakeCell(cell);
    const gemmi::Position a = c.orthogonalize(gemmi::Fractional(from[0], from[1], from[2]));
    const gemmi::Position b = c.orthogonalize(gemmi::Fractional(to[0], to[1], to[2]));
    return a.dist(b);
}

double InterplanarSpacing(const CellLengthsAngles& cell, const std::array<int, 3>& hkl)
{
    return MakeCell(cell).calculate_d(hkl);
}

} // namespace vestrel::cif::gemmi_bridge
