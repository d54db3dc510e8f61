// SPDX-License-Identifier: MIT
// gemmi's NeighborSearch sorts the atoms into a grid over the unit cell and
// looks for a point's neighbours in the 27 grid cells around it. That finds
// every atom within the search radius only when the grid cells are at least
// that wide, and each atom once only when there are at least three of them
// along each axis; on a cell thinner than three radii gemmi still makes
// three, narrower ones, and misses neighbours (in a cube of 4 Å it finds
// none of an atom's own images within 4.5 Å; in a P1 cell of a = 3000 Å,
// b = c = 5.43 Å, α = β = 55.3°, γ = 10.3° no neighbour at all within
// 2.5 Å). So the search runs over a supercell whose lattice planes lie at
// least three radii apart, each atom of the cell repeated in it, and the
// queries are made from the first copy.
#include "logic/cif/gemmi/neighbour_search.h"

#include <gemmi/neighbor.hpp>

#include <algorithm>
#include <cmath>

namespace vestrel::cif::gemmi_bridge {

namespace {

// gemmi's grid holds float coordinates: the radius it searches is widened
// by this share of the supercell's size, many times float's rounding.
constexpr double SinglePrecisionMargin = 1e-5;

using Mark = gemmi::NeighborSearch::Mark;

struct Supercell {
    std::array<int, 3> cells{1, 1, 1}; // of the crystal along each axis
    double radius = 0;                 // the widened reach
    gemmi::SmallStructure structure;   // the supercell's geometry; no sites
    std::size_t copies = 0;            // of the cell's atoms
};

gemmi::Vec3 toGemmi(const std::array<double, 3>& v) { return {v[0], v[1], v[2]}; }

// The cells along each axis that set the supercell's planes at least three
// radii apart.
std::array<int, 3> cellsFor(const gemmi::UnitCell& cell, double radius)
{
    const double reciprocal[3] = {cell.ar, cell.br, cell.cr}; // one over the planes' spacing
    std::array<int, 3> n{};
    for (int k = 0; k < 3; ++k)
        n[k] = std::max(1, static_cast<int>(std::ceil(3 * radius * reciprocal[k])));
    return n;
}

// The margin grows with the supercell and the supercell with the radius:
// both settle after a step or two.
Supercell supercellFor(const gemmi::UnitCell& unit, double reach, std::size_t atoms)
{
    Supercell super;
    for (;;) {
        const std::array<int, 3>& n = super.cells;
        super.radius = reach + SinglePrecisionMargin * (reach + n[0] * unit.a + n[1] * unit.b + n[2] * unit.c);
        const std::array<int, 3> cells = cellsFor(unit, super.radius);
        if (cells == super.cells)
            break;
        super.cells = cells;
    }
    const std::array<int, 3>& n = super.cells;
    super.structure.cell.set(n[0] * unit.a, n[1] * unit.b, n[2] * unit.c, unit.alpha, unit.beta, unit.gamma);
    super.copies = atoms * static_cast<std::size_t>(n[0]) * static_cast<std::size_t>(n[1])
        * static_cast<std::size_t>(n[2]);
    return super;
}

// About one grid cell per atom at most: a sparse cell (two atoms in a cube
// of 9000 Å) would otherwise ask for hundreds of billions. Any grid cells
// at least as wide as the radius give the same neighbours.
double gridSpacing(const Supercell& super)
{
    const double perCopy = super.structure.cell.volume / static_cast<double>(super.copies);
    return std::max(super.radius, std::cbrt(perCopy));
}

// gemmi sizes its grid for Fourier transforms, rounding the number of grid
// cells down to a product of 2, 3 and 5 (12 instead of 14 along a 56 Å
// edge, grid cells 17 % wider): the narrowest grid cells that fit make the
// search look at fewer atoms.
void fitGrid(gemmi::NeighborSearch& search, double spacing)
{
    const gemmi::UnitCell& cell = search.grid.unit_cell;
    const double reciprocal[3] = {cell.ar, cell.br, cell.cr};
    int n[3];
    for (int k = 0; k < 3; ++k)
        n[k] = std::max(3, static_cast<int>(1 / (reciprocal[k] * spacing)));
    search.grid.set_size_without_checking(n[0], n[1], n[2]);
}

gemmi::Fractional inSupercell(const Supercell& super, const std::array<double, 3>& f, int u, int v, int w)
{
    const std::array<int, 3>& n = super.cells;
    return gemmi::Fractional((f[0] + u) / n[0], (f[1] + v) / n[1], (f[2] + w) / n[2]);
}

// Every copy of every atom into gemmi's grid, as its populate() puts a
// site: wrapped into the supercell. The marks carry the copy in the fields
// gemmi gives a model's atoms: the cell's atom in atom_idx, and in
// image_idx, chain_idx and residue_idx the cell of the crystal where the
// wrapped copy lies (a coordinate of 1 becomes 0 of the next supercell).
void addCopies(gemmi::NeighborSearch& search, const Supercell& super, const std::vector<std::array<double, 3>>& fract)
{
    const std::array<int, 3>& n = super.cells;
    for (int u = 0; u < n[0]; ++u)
        for (int v = 0; v < n[1]; ++v)
            for (int w = 0; w < n[2]; ++w)
                for (std::size_t j = 0; j < fract.size(); ++j) {
                    const gemmi::Fractional f = inSupercell(super, fract[j], u, v, w);
                    const gemmi::Fractional wrapped = f.wrap_to_unit();
                    search.get_subcell(wrapped).emplace_back(
                        super.structure.cell.orthogonalize(wrapped), '\0', gemmi::El::X,
                        u - n[0] * static_cast<int>(std::floor(f.x)), v - n[1] * static_cast<int>(std::floor(f.y)),
                        w - n[2] * static_cast<int>(std::floor(f.z)), static_cast<int>(j));
                }
}

// Rounds half away from zero, as std::round, without a call into libm on
// the search's innermost path.
int nearest(double v) { return static_cast<int>(v + (v < 0 ? -0.5 : 0.5)); }

// The image, in cells of the crystal, of the atom a mark stands for, seen
// from the query point `from` through the grid cell gemmi reached from
// `shifted`: `from` moved by whole supercells.
AtomImage imageOf(const Supercell& super, const Mark& mark, const gemmi::Fractional& from,
                  const gemmi::Fractional& shifted)
{
    const gemmi::Fractional away = from - shifted;
    const std::array<int, 3>& n = super.cells;
    AtomImage image;
    image.atom = static_cast<std::size_t>(mark.atom_idx);
    image.cells = {mark.image_idx + n[0] * nearest(away.x), mark.chain_idx + n[1] * nearest(away.y),
                   mark.residue_idx + n[2] * nearest(away.z)};
    return image;
}

} // namespace

void ForEachImageNear(const std::array<std::array<double, 3>, 3>& axes,
                      const std::vector<std::array<double, 3>>& fract, double reach,
                      const std::function<void(std::size_t, const std::vector<AtomImage>&)>& near)
{
    if (fract.empty() || !(reach > 0))
        return;
    gemmi::UnitCell unit;
    unit.set_from_vectors(toGemmi(axes[0]), toGemmi(axes[1]), toGemmi(axes[2]));
    Supercell super = supercellFor(unit, reach, fract.size());
    const double spacing = gridSpacing(super);
    gemmi::NeighborSearch search(super.structure, spacing);
    fitGrid(search, spacing);
    addCopies(search, super, fract);

    const gemmi::UnitCell& cell = super.structure.cell;
    const float radiusSq = static_cast<float>(super.radius * super.radius);
    std::vector<AtomImage> images;
    for (std::size_t i = 0; i < fract.size(); ++i) {
        images.clear();
        const gemmi::Fractional from = inSupercell(super, fract[i], 0, 0, 0);
        search.for_each_cell(cell.orthogonalize(from), [&](std::vector<Mark>& marks, const gemmi::Fractional& shifted) {
            const gemmi::Position at = cell.orthogonalize(shifted);
            for (const Mark& mark : marks)
                if (mark.dist_sq_(at) < radiusSq)
                    images.push_back(imageOf(super, mark, from, shifted));
        });
        near(i, images);
    }
}

} // namespace vestrel::cif::gemmi_bridge
