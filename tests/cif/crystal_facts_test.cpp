// SPDX-License-Identifier: MIT
// Well-known crystals read from the project's CIF files: the cell holds Z
// formula units, the space group found is the known one, the bond rule gives
// the textbook coordination numbers, the density is the published one, and
// the information text says so.
#include "logic/cif/bond_rule.h"
#include "logic/cif/crystal_analysis.h"
#include "logic/cif/elements.h"
#include "logic/cif/loaded_structure.h"
#include "tests/cif/cif_cases.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vestrel::test {
namespace {

class CrystalFacts : public testing::TestWithParam<CifCase> {
protected:
    void SetUp() override
    {
        const auto result = structure.load(CifPath(GetParam().name + ".cif"));
        ASSERT_TRUE(result.ok) << result.message;
    }
    cif::LoadedStructure structure;
};

TEST_P(CrystalFacts, CellHoldsZFormulaUnits)
{
    std::map<std::string, int> counted;
    for (const cif::ElementCount& e : structure.analysis().elements)
        counted[cif::ElementSymbol(e.element)] = e.atoms;
    std::map<std::string, int> expected;
    for (const auto& [symbol, n] : GetParam().formula)
        expected[symbol] = n * GetParam().z;
    EXPECT_EQ(counted, expected);
    EXPECT_EQ(structure.analysis().z, GetParam().z);
    EXPECT_EQ(structure.analysis().sumFormula, GetParam().sumFormula);
}

TEST_P(CrystalFacts, SpaceGroupFound)
{
    EXPECT_EQ(structure.analysis().spaceGroupNumber, GetParam().spaceGroup);
    EXPECT_EQ(structure.analysis().spaceGroupSymbol, GetParam().symbol);
}

TEST_P(CrystalFacts, CoordinationNumbersByTheBondRule)
{
    std::map<std::string, int> found;
    for (const cif::SiteCoordination& s : structure.analysis().sites)
        found[s.label] = s.coordination;
    EXPECT_EQ(found, GetParam().coordination);
}

TEST_P(CrystalFacts, EveryAtomOfASiteHasTheSiteCoordination)
{
    const std::vector<int> numbers = cif::CoordinationNumbers(structure.crystal());
    const auto& crystal = structure.crystal();
    for (std::size_t i = 0; i < crystal.atoms.size(); ++i)
        EXPECT_EQ(numbers[i], GetParam().coordination.at(crystal.sites[crystal.atoms[i].site].label))
            << "atom " << i << " of site " << crystal.sites[crystal.atoms[i].site].label;
}

TEST_P(CrystalFacts, DensityWithinOnePercentOfThePublishedOne)
{
    EXPECT_NEAR(structure.analysis().density, GetParam().density, 0.01 * GetParam().density);
}

TEST_P(CrystalFacts, InformationTextNamesGroupFormulaAndSites)
{
    const std::string& memo = structure.memoText();
    const CifCase& c = GetParam();
    EXPECT_NE(memo.find("Брутто-формула: " + c.sumFormula + "\n"), std::string::npos) << memo;
    EXPECT_NE(memo.find("Пространственная группа " + c.symbol + " (№ " + std::to_string(c.spaceGroup) + ")"),
              std::string::npos)
        << memo;
    EXPECT_NE(memo.find("число формульных единиц в ячейке Z = " + std::to_string(c.z) + "."), std::string::npos)
        << memo;
    for (const auto& [label, n] : c.coordination)
        EXPECT_NE(memo.find("\n" + label + " \u2014 "), std::string::npos) << label;
    // The file states the group the atoms have: no second group is named.
    EXPECT_EQ(memo.find("В файле указана группа"), std::string::npos) << memo;
    EXPECT_EQ(memo.find("частично заселённые"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Files, CrystalFacts, testing::ValuesIn(CifCases()),
                         [](const testing::TestParamInfo<CifCase>& info) { return info.param.name; });

TEST(InformationText, RockSaltInFull)
{
    cif::LoadedStructure s;
    ASSERT_TRUE(s.load(CifPath("rock_salt.cif")).ok);
    EXPECT_EQ(s.memoText(),
              "Halite\n"
              "Формула в файле: Cl Na\n"
              "Файл: rock_salt.cif\n"
              "Брутто-формула: NaCl\n"
              "Пространственная группа Fm-3m (№ 225), класс m-3m.\n"
              "Параметры ячейки: a = 5,6402 Å, b = 5,6402 Å, c = 5,6402 Å; α = 90°, β = 90°, γ = 90°.\n"
              "Объём ячейки V = 179,43 Å³; число формульных единиц в ячейке Z = 4.\n"
              "Атомов в ячейке: Na — 4, Cl — 4.\n"
              "Плотность (по содержимому ячейки): 2,163 г/см³.\n"
              "Позиции (элемент, координационное число КЧ):\n"
              "Cl1 — Cl, КЧ 6\n"
              "Na1 — Na, КЧ 6\n");
}

TEST(InformationText, NamesTheFilesGroupWhereItDiffersFromTheOneFound)
{
    // Rock salt written out in P1: every atom listed, the file says P 1.
    const std::string text = R"(data_p1
_cell_length_a 5.6402
_cell_length_b 5.6402
_cell_length_c 5.6402
_cell_angle_alpha 90
_cell_angle_beta 90
_cell_angle_gamma 90
_symmetry_space_group_name_H-M 'P 1'
loop_
_atom_site_label
_atom_site_type_symbol
_atom_site_fract_x
_atom_site_fract_y
_atom_site_fract_z
Cl1 Cl 0 0 0
Cl2 Cl 0 0.5 0.5
Cl3 Cl 0.5 0 0.5
Cl4 Cl 0.5 0.5 0
Na1 Na 0.5 0.5 0.5
Na2 Na 0.5 0 0
Na3 Na 0 0.5 0
Na4 Na 0 0 0.5
)";
    cif::LoadedStructure s;
    ASSERT_TRUE(s.loadText(text, "p1.cif").ok);
    EXPECT_EQ(s.analysis().spaceGroupNumber, 225);
    EXPECT_NE(s.memoText().find("Пространственная группа Fm-3m (№ 225), класс m-3m.\n"
                                "В файле указана группа «P 1» (№ 1).\n"),
              std::string::npos)
        << s.memoText();
}

// Rutile's cell and atoms with the symmetry given in one way or another.
std::string Rutile(const std::string& symmetry)
{
    return "data_rutile\n_cell_length_a 4.5937\n_cell_length_b 4.5937\n_cell_length_c 2.9587\n"
           "_cell_angle_alpha 90\n_cell_angle_beta 90\n_cell_angle_gamma 90\n"
        + symmetry
        + "\nloop_\n_atom_site_label\n_atom_site_type_symbol\n_atom_site_fract_x\n_atom_site_fract_y\n"
          "_atom_site_fract_z\nTi1 Ti 0 0 0\nO1 O 0.3048 0.3048 0\n";
}

TEST(Symmetry, FromTheHallSymbolOrTheNumberAlone)
{
    for (const std::string symmetry : {"_space_group_name_Hall '-P 4n 2n'", "_space_group_IT_number 136",
                                       "_symmetry_space_group_name_H-M 'P 42/m n m'"}) {
        cif::LoadedStructure s;
        const auto result = s.loadText(Rutile(symmetry), "rutile.cif");
        ASSERT_TRUE(result.ok) << symmetry << ": " << result.message;
        EXPECT_EQ(s.analysis().spaceGroupNumber, 136) << symmetry;
        EXPECT_EQ(s.analysis().sumFormula, "TiO2") << symmetry;
        EXPECT_EQ(s.crystal().atoms.size(), 6u) << symmetry;
        EXPECT_EQ(s.memoText().find("В файле"), std::string::npos) << s.memoText();
    }
}

TEST(Symmetry, NoneGivenTakesTheListedAtomsAsTheWholeCell)
{
    cif::LoadedStructure s;
    ASSERT_TRUE(s.loadText(Rutile(""), "rutile.cif").ok);
    EXPECT_EQ(s.crystal().atoms.size(), 2u);
    EXPECT_TRUE(s.crystal().symmetryAssumed);
    EXPECT_NE(s.memoText().find("В файле нет сведений о симметрии: атомы списка взяты как вся ячейка.\n"),
              std::string::npos)
        << s.memoText();
}

TEST(Sites, ElementFromTheLabelWhenTheFileGivesNoTypeAndCoordinatesNearAFace)
{
    // No type symbols: "OX1" is oxygen. Chlorine written at 0.99995 lies on
    // the cell's faces and corners all the same.
    const std::string text = R"(data_x
_cell_length_a 4.5937
_cell_length_b 4.5937
_cell_length_c 2.9587
_cell_angle_alpha 90
_cell_angle_beta 90
_cell_angle_gamma 90
_symmetry_space_group_name_H-M 'P 42/m n m'
loop_
_atom_site_label
_atom_site_fract_x
_atom_site_fract_y
_atom_site_fract_z
Ti1 0.99995 0.99995 0.0
OX1 0.3048 0.3048 0.0
)";
    cif::LoadedStructure s;
    const auto result = s.loadText(text, "rutile.cif");
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(s.analysis().sumFormula, "TiO2");
    // 8 corners and the centre.
    int titanium = 0;
    for (const cif::BlockAtom& a : s.block().atoms)
        titanium += cif::ElementSymbol(a.element) == "Ti";
    EXPECT_EQ(titanium, 9);
}

TEST(BondRule, MetalsAreBondedOnlyWhereNoNonMetalIs)
{
    // Silicon counts as a metal; oxygen, sulfur and boron do not.
    EXPECT_TRUE(cif::IsMetal(cif::AtomicNumberOf("Si")));
    EXPECT_TRUE(cif::IsMetal(cif::AtomicNumberOf("Cu")));
    EXPECT_FALSE(cif::IsMetal(cif::AtomicNumberOf("O")));
    EXPECT_FALSE(cif::IsMetal(cif::AtomicNumberOf("B")));
    const int cu = cif::AtomicNumberOf("Cu"), o = cif::AtomicNumberOf("O");
    EXPECT_GT(cif::BondRule({cu}).bondLimit(cu, cu), 2.556); // Cu-Cu in copper
    EXPECT_EQ(cif::BondRule({cu, o}).bondLimit(cu, cu), 0);  // and not in cuprite
    EXPECT_NEAR(cif::BondRule({cu, o}).bondLimit(cu, o), cif::BondLengthFactor * (1.32 + 0.66), 1e-6);
}

} // namespace
} // namespace vestrel::test
