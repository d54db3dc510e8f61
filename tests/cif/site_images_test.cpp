// SPDX-License-Identifier: MIT
// A site of the file's list fills the cell with as many atoms as its Wyckoff
// position's multiplicity in the International Tables (vol. A); images
// closer than SamePlaceDistance are one atom, and a file's own list of
// operations applies as it is, even when it is no group. The cell's mass
// counts every image; atoms that share a place are shown as one.
#include "logic/cif/cif_reader.h"
#include "logic/cif/elements.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>

namespace vestrel::test {
namespace {

struct SiteCase {
    std::string name;
    std::string cell;     // a = b = c, the angles
    std::string symmetry; // the file's lines on symmetry
    std::string site;     // x y z
    int images;           // the cell's contents
    std::size_t shown;    // atoms left where images share a place
};

void PrintTo(const SiteCase& c, std::ostream* os) { *os << c.name; }

const std::string FmThreeM = "_symmetry_space_group_name_H-M 'F m -3 m'";
const std::string PBarOne = "_symmetry_space_group_name_H-M 'P -1'";
const std::string Cube = "10 90 90 90";

std::vector<SiteCase> SiteCases()
{
    return {
        // Fm-3m (No. 225), a = 10 Å: each position by its multiplicity.
        {"Fm3m_4a", Cube, FmThreeM, "0 0 0", 4, 4},
        {"Fm3m_4b", Cube, FmThreeM, "0.5 0.5 0.5", 4, 4},
        {"Fm3m_8c", Cube, FmThreeM, "0.25 0.25 0.25", 8, 8},
        {"Fm3m_24d", Cube, FmThreeM, "0 0.25 0.25", 24, 24},
        {"Fm3m_24e", Cube, FmThreeM, "0.2 0 0", 24, 24},
        {"Fm3m_32f", Cube, FmThreeM, "0.1 0.1 0.1", 32, 32},
        {"Fm3m_48g", Cube, FmThreeM, "0.1 0.25 0.25", 48, 48},
        {"Fm3m_48h", Cube, FmThreeM, "0 0.1 0.1", 48, 48},
        {"Fm3m_96j", Cube, FmThreeM, "0 0.1 0.3", 96, 96},
        {"Fm3m_96k", Cube, FmThreeM, "0.1 0.1 0.3", 96, 96},
        {"Fm3m_192l", Cube, FmThreeM, "0.04 0.17 0.37", 192, 192},
        // 0.1 Å off 4a: its six images lie 0.14 Å apart or less, one atom.
        {"Fm3m_near_4a", Cube, FmThreeM, "0.01 0 0", 4, 4},
        // In P-1 the images of (0.016, 0.01, 0) are 0.38 Å apart: two atoms,
        // one place; of (0.012, 0.008, 0), 0.29 Å: one, on the centre of
        // symmetry.
        {"P-1_0.38_apart", Cube, PBarOne, "0.016 0.01 0", 2, 1},
        {"P-1_0.29_apart", Cube, PBarOne, "0.012 0.008 0", 1, 1},
        // A list without the identity: each of its operations gives one atom.
        {"list_without_identity", "7.1 71.3 103.9 117.2",
         "loop_\n_symmetry_equiv_pos_as_xyz\n'-x,-y,-z'\n'x+1/2,y+1/2,z'", "0.1 0.2 0.3", 2, 2},
    };
}

std::string FileOf(const SiteCase& c)
{
    std::string a, alpha, beta, gamma;
    std::istringstream(c.cell) >> a >> alpha >> beta >> gamma;
    return "data_x\n_cell_length_a " + a + "\n_cell_length_b " + a + "\n_cell_length_c " + a
        + "\n_cell_angle_alpha " + alpha + "\n_cell_angle_beta " + beta + "\n_cell_angle_gamma " + gamma + "\n"
        + c.symmetry + "\nloop_\n_atom_site_label\n_atom_site_type_symbol\n_atom_site_fract_x\n_atom_site_fract_y\n"
          "_atom_site_fract_z\nCu1 Cu " + c.site + "\n";
}

class SiteImages : public testing::TestWithParam<SiteCase> {};

TEST_P(SiteImages, ASiteGivesItsMultiplicityOfAtomsInTheCell)
{
    const SiteCase& c = GetParam();
    const auto crystal = cif::ReadCrystalText(FileOf(c), "x.cif");
    ASSERT_TRUE(crystal) << crystal.failure().message;
    EXPECT_NEAR(crystal.value().cellMass / cif::AtomicMass(29), c.images, 1e-9);
    EXPECT_EQ(crystal.value().atoms.size(), c.shown);
    for (const cif::CellAtom& atom : crystal.value().atoms)
        for (double f : {atom.fract.x, atom.fract.y, atom.fract.z}) {
            EXPECT_GE(f, 0);
            EXPECT_LT(f, 1);
        }
}

INSTANTIATE_TEST_SUITE_P(Sites, SiteImages, testing::ValuesIn(SiteCases()),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

} // namespace
} // namespace vestrel::test
