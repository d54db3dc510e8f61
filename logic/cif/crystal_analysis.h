// SPDX-License-Identifier: MIT
// What the information text says about a crystal read from a file: its space
// group as found from the atoms (spglib), the cell's contents, Z, the sum
// formula, the density and each site's coordination number by the bond rule.
#pragma once

#include "logic/cif/crystal.h"

#include <string>
#include <vector>

namespace vestrel::cif {

// Atoms may stray this far (angstroms) from where the symmetry puts them.
constexpr double SymmetryTolerance = 0.01;
constexpr double AvogadroNumber = 6.02214076e23;
// Above this many atoms in the cell the space group is not searched for:
// the search would take seconds.
constexpr int MaxAtomsForSymmetrySearch = 2000;

struct ElementCount {
    int element = 0; // atomic number
    int atoms = 0;   // in the unit cell
};

struct SiteCoordination {
    std::string label;
    int element = 0;
    int coordination = 0; // bonded neighbours by the bond rule
};

struct CrystalAnalysis {
    bool symmetrySearched = true;   // false for cells of more than MaxAtomsForSymmetrySearch atoms
    int spaceGroupNumber = 0;       // 0 when spglib found none
    std::string spaceGroupSymbol;   // Hermann-Mauguin, short: "Fm-3m", "P6_3mc"
    std::string pointGroupSymbol;   // "m-3m"
    std::vector<ElementCount> elements; // in the order of the sum formula
    int z = 1;                      // formula units in the cell
    std::string sumFormula;         // "MgAl2O4"
    double volume = 0;              // cubic angstroms
    double density = 0;             // g/cm^3
    std::vector<SiteCoordination> sites; // one per site of the file that has atoms in the cell
};

CrystalAnalysis AnalyseCrystal(const Crystal& crystal);

// The coordination number of every atom of the cell, in the order of
// crystal.atoms.
std::vector<int> CoordinationNumbers(const Crystal& crystal);

} // namespace vestrel::cif
