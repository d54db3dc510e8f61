// SPDX-License-Identifier: MIT
// The project's own CIF files of well-known crystals and what is known of
// each: the formula, Z, the space group, the coordination number of every
// site by the bond rule (the textbook ones) and the published density.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace vestrel::test {

struct CifCase {
    std::string name;                      // file name without ".cif"
    std::map<std::string, int> formula;    // atoms per formula unit
    int z = 1;
    int spaceGroup = 0;                    // International Tables number
    std::string symbol;                    // Hermann-Mauguin, as spglib writes it
    std::string sumFormula;
    std::map<std::string, int> coordination; // by site label
    double density = 0;                    // g/cm^3, published
};

inline void PrintTo(const CifCase& c, std::ostream* os) { *os << c.name; }

// Densities: CRC Handbook of Chemistry and Physics (salts, metals, SrTiO3)
// and the Handbook of Mineralogy (Anthony et al.) for the minerals.
inline const std::vector<CifCase>& CifCases()
{
    static const std::vector<CifCase> cases{
        {"rock_salt", {{"Na", 1}, {"Cl", 1}}, 4, 225, "Fm-3m", "NaCl", {{"Na1", 6}, {"Cl1", 6}}, 2.165},
        {"caesium_chloride", {{"Cs", 1}, {"Cl", 1}}, 1, 221, "Pm-3m", "CsCl", {{"Cs1", 8}, {"Cl1", 8}}, 3.988},
        {"rutile", {{"Ti", 1}, {"O", 2}}, 2, 136, "P4_2/mnm", "TiO2", {{"Ti1", 6}, {"O1", 3}}, 4.25},
        {"calcite", {{"Ca", 1}, {"C", 1}, {"O", 3}}, 6, 167, "R-3c", "CaCO3", {{"Ca1", 6}, {"C1", 3}, {"O1", 3}},
         2.711},
        {"wurtzite", {{"Zn", 1}, {"S", 1}}, 2, 186, "P6_3mc", "ZnS", {{"Zn1", 4}, {"S1", 4}}, 4.10},
        {"strontium_titanate", {{"Sr", 1}, {"Ti", 1}, {"O", 3}}, 1, 221, "Pm-3m", "SrTiO3",
         {{"Sr1", 12}, {"Ti1", 6}, {"O1", 6}}, 5.117},
        {"corundum", {{"Al", 2}, {"O", 3}}, 6, 167, "R-3c", "Al2O3", {{"Al1", 6}, {"O1", 4}}, 3.98},
        {"quartz", {{"Si", 1}, {"O", 2}}, 3, 154, "P3_221", "SiO2", {{"Si1", 4}, {"O1", 2}}, 2.648},
        {"spinel", {{"Mg", 1}, {"Al", 2}, {"O", 4}}, 8, 227, "Fd-3m", "MgAl2O4", {{"Mg1", 4}, {"Al1", 6}, {"O1", 4}},
         3.578},
        // Metal-metal bonds: in copper, not in cuprite.
        {"copper", {{"Cu", 1}}, 4, 225, "Fm-3m", "Cu", {{"Cu1", 12}}, 8.96},
        {"cuprite", {{"Cu", 2}, {"O", 1}}, 2, 224, "Pn-3m", "Cu2O", {{"Cu1", 2}, {"O1", 4}}, 6.14},
    };
    return cases;
}

inline std::string CifPath(const std::string& fileName)
{
    return std::string(VESTREL_SOURCE_DIR) + "/tests/cif/data/" + fileName;
}

} // namespace vestrel::test
