// SPDX-License-Identifier: MIT
#include "logic/cif/structure_block.h"
#include "logic/text/translate.h"

#include "logic/cif/bond_rule.h"
#include "logic/cif/elements.h"
#include "logic/cif/neighbours.h"
#include "logic/cif/text_format.h"
#include "scenes/structures/element_colour_table.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace vestrel::cif {

namespace {

// The offsets along one axis at which an atom at fraction f appears in a
// block of n cells: 0..n-1, and n as well when it lies on the cell's face.
int copiesAlong(double f, int n) { return n + (f < OnFaceTolerance ? 1 : 0); }

} // namespace

long long CountBlockAtoms(const Crystal& crystal, int cells)
{
    long long total = 0;
    for (const CellAtom& a : crystal.atoms)
        total += static_cast<long long>(copiesAlong(a.fract.x, cells)) * copiesAlong(a.fract.y, cells)
            * copiesAlong(a.fract.z, cells);
    return total;
}

Result<StructureBlock> BuildBlock(const Crystal& crystal, int cells)
{
    if (cells < 1 || cells > MaxCellsPerAxis)
        return Failure{VT("StructureBlock", "Число ячеек по осям должно быть от 1 до ") + std::to_string(MaxCellsPerAxis) + ".", 0};
    const long long count = CountBlockAtoms(crystal, cells);
    if (count > MaxBlockAtoms) {
        int fit = 0;
        for (int n = cells - 1; n >= 1; --n)
            if (CountBlockAtoms(crystal, n) <= MaxBlockAtoms) {
                fit = n;
                break;
            }
        const std::string size = std::to_string(cells) + " \u00D7 " + std::to_string(cells) + " \u00D7 "
            + std::to_string(cells);
        std::string message = VT("StructureBlock", "Блок из ") + size + VT("StructureBlock", " ячеек содержал бы ") + FormatCount(count)
            + VT("StructureBlock", " атомов \u2014 больше предела в ") + FormatCount(MaxBlockAtoms) + ". ";
        if (fit > 0)
            message += VT("StructureBlock", "Выберите меньше ячеек по осям: не больше ") + std::to_string(fit) + ".";
        else
            message += VT("StructureBlock", "Такую структуру показать нельзя даже в одной ячейке.");
        return Failure{message, fit};
    }

    StructureBlock block;
    block.cells = cells;
    block.atoms.reserve(static_cast<std::size_t>(count));
    for (std::size_t index = 0; index < crystal.atoms.size(); ++index) {
        const CellAtom& a = crystal.atoms[index];
        const int element = crystal.sites[a.site].element;
        const int nx = copiesAlong(a.fract.x, cells), ny = copiesAlong(a.fract.y, cells),
                  nz = copiesAlong(a.fract.z, cells);
        for (int i = 0; i < nx; ++i)
            for (int j = 0; j < ny; ++j)
                for (int k = 0; k < nz; ++k) {
                    const Vec3 f{a.fract.x + i, a.fract.y + j, a.fract.z + k};
                    block.atoms.push_back({crystal.toCartesian(f), element, a.site, static_cast<int>(index), f});
                }
    }
    const double n = cells;
    block.centre = crystal.toCartesian({n / 2, n / 2, n / 2});

    // The edges of every cell: the lines of the block's lattice grid.
    for (int axis = 0; axis < 3; ++axis)
        for (int j = 0; j <= cells; ++j)
            for (int k = 0; k <= cells; ++k) {
                Vec3 from, to;
                const auto set = [&](Vec3& v, double along) {
                    const double u = j, w = k;
                    v = axis == 0 ? Vec3{along, u, w} : axis == 1 ? Vec3{w, along, u} : Vec3{u, w, along};
                };
                set(from, 0);
                set(to, n);
                block.cellEdges.emplace_back(crystal.toCartesian(from), crystal.toCartesian(to));
            }

    std::vector<int> elements;
    std::vector<Vec3> points;
    points.reserve(block.atoms.size());
    for (const BlockAtom& a : block.atoms) {
        elements.push_back(a.element);
        points.push_back(a.position);
    }
    const BondRule rule(elements);
    ForEachClosePair(points, rule.maxBondLimit(), [&](std::size_t i, std::size_t j, double d) {
        if (rule.bonded(elements[i], elements[j], d))
            block.bonds.emplace_back(static_cast<int>(i), static_cast<int>(j));
    });
    return block;
}

double BallScale(const Crystal& crystal)
{
    std::vector<int> elements;
    std::vector<Vec3> fract;
    for (const CellAtom& a : crystal.atoms) {
        elements.push_back(crystal.sites[a.site].element);
        fract.push_back(a.fract);
    }
    const BondRule rule(elements);
    // The smallest ratio of a distance to the sum of the two covalent radii,
    // over bonds; over any neighbours when nothing is bonded.
    double bonded = HUGE_VAL, any = HUGE_VAL;
    const auto look = [&](double reach) {
        ForEachPeriodicNeighbour(crystal.axes, fract, reach, [&](std::size_t i, std::size_t j, double d) {
            const double ratio = d / (CovalentRadius(elements[i]) + CovalentRadius(elements[j]));
            any = std::min(any, ratio);
            if (rule.bonded(elements[i], elements[j], d))
                bonded = std::min(bonded, ratio);
        });
    };
    look(rule.maxBondLimit());
    if (bonded == HUGE_VAL && any == HUGE_VAL)
        look(ShortestTranslation(crystal.axes) * 1.01); // reaches every atom's nearest neighbour
    const double ratio = bonded != HUGE_VAL ? bonded : any != HUGE_VAL ? any : 1.0;
    return BallShareOfBond * ratio;
}

Vec3 ToScene(const Crystal& crystal, const StructureBlock& block, const Vec3& p)
{
    const CellParameters& c = crystal.cell;
    const double s = CellEdgeInScene / std::max({c.a, c.b, c.c});
    const Vec3 d = (p - block.centre) * s;
    // The structure scenes' half turn about X takes scene (x, y, z) to model
    // (x, -y, -z); so crystal (X, Y, Z) is given as (X, -Z, Y) to reach
    // model (X, Z, -Y): c up ("OZ"), b along the axis "OY" (model -z).
    return {d.x, -d.z, d.y};
}

structures::LoadedStructureScene MakeScene(const Crystal& crystal, const StructureBlock& block)
{
    structures::LoadedStructureScene scene;
    scene.slices = BallSlices;
    const CellParameters& c = crystal.cell;
    const double s = CellEdgeInScene / std::max({c.a, c.b, c.c});
    const double radiusScale = BallScale(crystal) * s;
    scene.atoms.reserve(block.atoms.size());
    for (const BlockAtom& a : block.atoms)
        scene.atoms.push_back({ToScene(crystal, block, a.position), CovalentRadius(a.element) * radiusScale,
                               structures::AtomColour(ElementSymbol(a.element))});
    // Grouped by colour, so that the colour changes seldom.
    std::stable_sort(scene.atoms.begin(), scene.atoms.end(), [](const Ball& x, const Ball& y) {
        return std::tie(x.colour.r, x.colour.g, x.colour.b) < std::tie(y.colour.r, y.colour.g, y.colour.b);
    });
    for (const auto& [from, to] : block.cellEdges)
        scene.cellEdges.push_back({ToScene(crystal, block, from), ToScene(crystal, block, to)});
    for (const auto& [i, j] : block.bonds)
        scene.bonds.push_back({ToScene(crystal, block, block.atoms[i].position),
                               ToScene(crystal, block, block.atoms[j].position)});
    return scene;
}

} // namespace vestrel::cif
