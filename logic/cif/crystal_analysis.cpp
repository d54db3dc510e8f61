// SPDX-License-Identifier: MIT
#include "logic/cif/crystal_analysis.h"

#include "logic/cif/bond_rule.h"
#include "logic/cif/elements.h"
#include "logic/cif/neighbours.h"

#include <spglib.h>

#include <algorithm>
#include <map>
#include <numeric>

namespace vestrel::cif {

namespace {

std::vector<int> elementsOf(const Crystal& c)
{
    std::vector<int> elements;
    for (const CellAtom& a : c.atoms)
        elements.push_back(c.sites[a.site].element);
    return elements;
}

void findSpaceGroup(const Crystal& c, CrystalAnalysis& out)
{
    const int n = static_cast<int>(c.atoms.size());
    double lattice[3][3];
    for (int i = 0; i < 3; ++i) {
        // spglib takes the cell vectors as columns.
        lattice[0][i] = c.axes[i].x;
        lattice[1][i] = c.axes[i].y;
        lattice[2][i] = c.axes[i].z;
    }
    std::vector<double> positions(3 * static_cast<std::size_t>(n));
    std::vector<int> types(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        positions[3 * i] = c.atoms[i].fract.x;
        positions[3 * i + 1] = c.atoms[i].fract.y;
        positions[3 * i + 2] = c.atoms[i].fract.z;
        types[i] = c.sites[c.atoms[i].site].element;
    }
    SpglibDataset* data = spg_get_dataset(lattice, reinterpret_cast<double(*)[3]>(positions.data()), types.data(), n,
                                          SymmetryTolerance);
    if (!data)
        return;
    out.spaceGroupNumber = data->spacegroup_number;
    out.spaceGroupSymbol = data->international_symbol;
    out.pointGroupSymbol = data->pointgroup_symbol;
    spg_free_dataset(data);
    const auto trim = [](std::string& s) {
        while (!s.empty() && s.back() == ' ')
            s.pop_back();
        while (!s.empty() && s.front() == ' ')
            s.erase(s.begin());
    };
    trim(out.spaceGroupSymbol);
    trim(out.pointGroupSymbol);
}

// Cations first: by electronegativity, the least first (NaCl, CaCO3,
// MgAl2O4); organic compounds (carbon and hydrogen) in the Hill order.
void orderForFormula(std::vector<ElementCount>& elements)
{
    const auto has = [&](int z) {
        return std::any_of(elements.begin(), elements.end(), [&](const ElementCount& e) { return e.element == z; });
    };
    if (has(6) && has(1)) {
        const auto rank = [](int z) { return z == 6 ? 0 : z == 1 ? 1 : 2; };
        std::sort(elements.begin(), elements.end(), [&](const ElementCount& a, const ElementCount& b) {
            if (rank(a.element) != rank(b.element))
                return rank(a.element) < rank(b.element);
            return ElementSymbol(a.element) < ElementSymbol(b.element);
        });
        return;
    }
    std::sort(elements.begin(), elements.end(), [](const ElementCount& a, const ElementCount& b) {
        const double ca = PaulingElectronegativity(a.element).value_or(5.0);
        const double cb = PaulingElectronegativity(b.element).value_or(5.0);
        if (ca != cb)
            return ca < cb;
        return a.element < b.element;
    });
}

} // namespace

std::vector<int> CoordinationNumbers(const Crystal& c)
{
    std::vector<int> numbers(c.atoms.size(), 0);
    const std::vector<int> elements = elementsOf(c);
    const BondRule rule(elements);
    std::vector<Vec3> fract;
    fract.reserve(c.atoms.size());
    for (const CellAtom& a : c.atoms)
        fract.push_back(a.fract);
    ForEachPeriodicNeighbour(c.axes, fract, rule.maxBondLimit(), [&](std::size_t i, std::size_t j, double d) {
        if (rule.bonded(elements[i], elements[j], d))
            ++numbers[i];
    });
    return numbers;
}

CrystalAnalysis AnalyseCrystal(const Crystal& c)
{
    CrystalAnalysis out;
    out.symmetrySearched = static_cast<int>(c.atoms.size()) <= MaxAtomsForSymmetrySearch;
    if (out.symmetrySearched)
        findSpaceGroup(c, out);

    std::map<int, int> counts;
    for (const CellAtom& a : c.atoms)
        ++counts[c.sites[a.site].element];
    for (const auto& [element, atoms] : counts)
        out.elements.push_back({element, atoms});
    orderForFormula(out.elements);

    int divisor = 0;
    for (const ElementCount& e : out.elements)
        divisor = std::gcd(divisor, e.atoms);
    if (c.statedZ && divisor % *c.statedZ == 0)
        out.z = *c.statedZ;
    else
        out.z = std::max(divisor, 1);
    for (const ElementCount& e : out.elements) {
        out.sumFormula += ElementSymbol(e.element);
        if (e.atoms / out.z != 1)
            out.sumFormula += std::to_string(e.atoms / out.z);
    }

    out.volume = c.volume();
    out.density = c.cellMass / (out.volume * 1e-24 * AvogadroNumber);

    // Each site of the file's list by its first atom in the cell.
    const std::vector<int> numbers = CoordinationNumbers(c);
    std::vector<int> firstAtom(c.sites.size(), -1);
    for (std::size_t i = 0; i < c.atoms.size(); ++i)
        if (firstAtom[c.atoms[i].site] < 0)
            firstAtom[c.atoms[i].site] = static_cast<int>(i);
    for (std::size_t s = 0; s < c.sites.size(); ++s)
        if (firstAtom[s] >= 0)
            out.sites.push_back({c.sites[s].label, c.sites[s].element, numbers[firstAtom[s]]});
    return out;
}

} // namespace vestrel::cif
