// SPDX-License-Identifier: MIT
// The powder pattern's physics: line positions by Bragg's law from the cell,
// systematic absences, multiplicities of the Laue classes, intensities worked
// by hand from the form-factor table, and a published pattern.
#include "logic/diffraction/powder_job.h"
#include "logic/diffraction/powder_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <set>
#include <sstream>

namespace vestrel::diffraction {
namespace {

const std::string CifData = std::string(VESTREL_SOURCE_DIR) + "/tests/cif/data/";
const std::string OwnData = std::string(VESTREL_SOURCE_DIR) + "/tests/diffraction/data/";
constexpr double CuKa1 = 1.54056;

double degrees(double rad) { return rad * 180 / std::numbers::pi; }

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

sf::ScatteringCrystal crystalOf(const std::string& path)
{
    sf::ScatteringCrystal crystal;
    const std::string problem = crystal.read(readFile(path), path);
    EXPECT_TRUE(problem.empty()) << problem;
    return crystal;
}

PowderPattern patternOf(const std::string& path, PowderSettings settings = {})
{
    PowderResult result = RunPowder(nullptr, path, settings);
    EXPECT_TRUE(result.pattern.ok) << path << ": " << result.pattern.message;
    return result.pattern;
}

const PowderLine* lineWith(const PowderPattern& p, const sf::Miller& hkl)
{
    for (const PowderLine& l : p.lines)
        if (l.hkl == hkl)
            return &l;
    return nullptr;
}

// 1/d² from the cell's metric, written out for the two cells used here.
double cubicD(double a, const sf::Miller& m) { return a / std::sqrt(m[0] * m[0] + m[1] * m[1] + m[2] * m[2]); }
double hexagonalD(double a, double c, const sf::Miller& m)
{
    const double h = m[0], k = m[1], l = m[2];
    return 1 / std::sqrt(4.0 / 3.0 * (h * h + h * k + k * k) / (a * a) + l * l / (c * c));
}

TEST(PowderPattern, LinesLieWhereBraggsLawPutsThemForTheCell)
{
    struct Case {
        std::string file;
        double a, c; // c = 0: cubic
        std::vector<sf::Miller> firstLines;
    };
    const Case cases[] = {
        {CifData + "rock_salt.cif", 5.6402, 0, {{1, 1, 1}, {2, 0, 0}, {2, 2, 0}, {3, 1, 1}, {2, 2, 2}}},
        {CifData + "copper.cif", 3.6149, 0, {{1, 1, 1}, {2, 0, 0}, {2, 2, 0}, {3, 1, 1}}},
        {CifData + "caesium_chloride.cif", 4.123, 0, {{1, 0, 0}, {1, 1, 0}, {1, 1, 1}, {2, 0, 0}, {2, 1, 0}}},
        {CifData + "corundum.cif", 4.7589, 12.991, {{0, 1, 2}, {1, 0, 4}, {1, 1, 0}, {0, 0, 6}, {1, 1, 3}}},
    };
    for (const Case& c : cases) {
        const PowderPattern p = patternOf(c.file);
        ASSERT_GE(p.lines.size(), c.firstLines.size()) << c.file;
        for (std::size_t i = 0; i < c.firstLines.size(); ++i)
            EXPECT_EQ(p.lines[i].hkl, c.firstLines[i]) << c.file << " line " << i;
        for (const PowderLine& l : p.lines) {
            const double d = c.c == 0 ? cubicD(c.a, l.hkl) : hexagonalD(c.a, c.c, l.hkl);
            EXPECT_NEAR(l.d, d, 1e-9) << c.file << " " << HklLabel(l.hkl);
            EXPECT_NEAR(l.twoTheta, 2 * degrees(std::asin(CuKa1 / (2 * d))), 1e-9) << c.file;
            EXPECT_GE(l.twoTheta, 5);
            EXPECT_LE(l.twoTheta, 90);
        }
    }
}

TEST(PowderPattern, CentringAndGlidesRemoveTheirReflections)
{
    struct Case {
        std::string file;
        double a;
        sf::Miller hkl;
        bool present;
    };
    const Case cases[] = {
        {CifData + "rock_salt.cif", 5.6402, {1, 0, 0}, false}, // F centring
        {CifData + "rock_salt.cif", 5.6402, {1, 1, 0}, false},
        {OwnData + "diamond.cif", 3.56679, {2, 0, 0}, false}, // the d glide
        {OwnData + "silicon.cif", 5.43088, {2, 0, 0}, false},
        {OwnData + "silicon.cif", 5.43088, {2, 2, 2}, false}, // atoms on 8a: F vanishes
        {CifData + "caesium_chloride.cif", 4.123, {1, 0, 0}, true}, // primitive: Cs and Cl differ
    };
    for (const Case& c : cases) {
        const PowderPattern p = patternOf(c.file, {CuKa1, 5, 150});
        const double d = cubicD(c.a, c.hkl);
        const bool found = std::any_of(p.lines.begin(), p.lines.end(),
                                       [&](const PowderLine& l) { return std::abs(l.d - d) < 1e-6; });
        EXPECT_EQ(found, c.present) << c.file << " " << HklLabel(c.hkl);
    }
}

// The orbit of (h k l) under m-3m with Friedel's law: every signed permutation.
int cubicMultiplicity(const sf::Miller& m)
{
    std::set<sf::Miller> orbit;
    int p[3] = {0, 1, 2};
    do
        for (int s = 0; s < 8; ++s)
            orbit.insert({(s & 1 ? -1 : 1) * m[p[0]], (s & 2 ? -1 : 1) * m[p[1]], (s & 4 ? -1 : 1) * m[p[2]]});
    while (std::next_permutation(p, p + 3));
    return static_cast<int>(orbit.size());
}

// 6/mmm, for indices written with h >= k >= 0: the textbook table.
int hexagonalMultiplicity(const sf::Miller& m)
{
    const bool special = m[1] == 0 || m[0] == m[1];
    if (m[0] == 0 && m[1] == 0)
        return 2;
    if (m[2] == 0)
        return special ? 6 : 12;
    return special ? 12 : 24;
}

// 2/m, b unique: h0l and 0k0 lie on the mirror or the axis.
int monoclinicMultiplicity(const sf::Miller& m) { return m[1] == 0 || (m[0] == 0 && m[2] == 0) ? 2 : 4; }

TEST(PowderPattern, MultiplicitiesAreThoseOfTheLaueClass)
{
    struct Case {
        std::string file;
        int (*expected)(const sf::Miller&);
        bool nonNegativeHk; // the representative has h >= k >= 0
    };
    const Case cases[] = {
        {CifData + "rock_salt.cif", cubicMultiplicity, false},
        {OwnData + "magnesium.cif", hexagonalMultiplicity, true},
        {OwnData + "baddeleyite.cif", monoclinicMultiplicity, false},
    };
    for (const Case& c : cases) {
        const sf::ScatteringCrystal crystal = crystalOf(c.file);
        std::vector<sf::Reflection> reflections;
        ASSERT_EQ(crystal.reflections(0.8, 100, MaxReflections, nullptr, reflections), sf::Outcome::Done);
        ASSERT_GT(reflections.size(), 10u) << c.file;
        long total = 0;
        for (const sf::Reflection& r : reflections) {
            if (c.nonNegativeHk) {
                EXPECT_TRUE(r.hkl[0] >= r.hkl[1] && r.hkl[1] >= 0) << c.file << " " << HklLabel(r.hkl);
            }
            EXPECT_EQ(r.multiplicity, c.expected(r.hkl)) << c.file << " " << HklLabel(r.hkl);
            total += r.multiplicity;
        }
        EXPECT_GT(total, static_cast<long>(reflections.size()));
    }
}

bool even(int i) { return i % 2 == 0; }

TEST(PowderPattern, IndicesFollowTheFilesOwnSettingAndItsAbsences)
{
    // Each file's reflection conditions as International Tables A gives them
    // for its setting: P2_1/c (b unique); Pbnm, not the standard Pnma;
    // R-3c on hexagonal axes in the obverse setting.
    struct Case {
        std::string file;
        bool (*allowed)(const sf::Miller&);
    };
    const Case cases[] = {
        {OwnData + "baddeleyite.cif",
         [](const sf::Miller& m) {
             return !(m[1] == 0 && !even(m[2])) && !(m[0] == 0 && m[2] == 0 && !even(m[1]));
         }},
        {OwnData + "forsterite.cif",
         [](const sf::Miller& m) {
             return !(m[0] == 0 && !even(m[1])) && !(m[1] == 0 && !even(m[0] + m[2]))
                    && !(m[0] == 0 && m[1] == 0 && !even(m[2]));
         }},
        {CifData + "corundum.cif", [](const sf::Miller& m) { return (-m[0] + m[1] + m[2]) % 3 == 0; }},
    };
    for (const Case& c : cases) {
        const sf::ScatteringCrystal crystal = crystalOf(c.file);
        std::vector<sf::Reflection> reflections;
        ASSERT_EQ(crystal.reflections(0.9, 100, MaxReflections, nullptr, reflections), sf::Outcome::Done);
        ASSERT_GT(reflections.size(), 10u);
        for (const sf::Reflection& r : reflections)
            EXPECT_TRUE(c.allowed(r.hkl)) << c.file << " " << HklLabel(r.hkl);
    }
    // Forsterite's strong 0k0 lines come with k even only, and there are some.
    const PowderPattern forsterite = patternOf(OwnData + "forsterite.cif");
    EXPECT_NE(lineWith(forsterite, {0, 2, 0}), nullptr);
    EXPECT_EQ(lineWith(forsterite, {0, 1, 0}), nullptr);
}

// Form factors for atoms at rest, f(s) = sum a_i exp(-b_i s²) + c with
// s = sin θ / λ: the coefficients of International Tables for
// Crystallography, Vol. C, Table 6.1.1.4.
struct FormFactor {
    double a[4], b[4], c;
    double at(double s) const
    {
        double f = c;
        for (int i = 0; i < 4; ++i)
            f += a[i] * std::exp(-b[i] * s * s);
        return f;
    }
};
const FormFactor Na{{4.7626, 3.1736, 1.2674, 1.1128}, {3.2850, 8.8422, 0.3136, 129.424}, 0.6760};
const FormFactor Cl{{11.4604, 7.1964, 6.2556, 1.6455}, {0.0104, 1.1662, 18.5194, 47.7784}, -9.5574};
const FormFactor Cu{{13.3380, 7.1676, 5.6158, 1.6735}, {3.5828, 0.2470, 11.3966, 64.8126}, 1.1910};

struct HandLine {
    sf::Miller hkl;
    int multiplicity;
    double intensity = 0;
};

// |F|²·p·Lp for the F-centred cells worked by hand: rock salt has
// F = 4 (f_Cl ± f_Na), + for even and − for odd indices; copper F = 4 f_Cu.
std::vector<HandLine> workedByHand(double a, const std::vector<HandLine>& lines, bool rockSalt)
{
    std::vector<HandLine> out = lines;
    double strongest = 0;
    for (HandLine& l : out) {
        const double d = cubicD(a, l.hkl);
        const double s = 1 / (2 * d);
        const double theta = std::asin(CuKa1 * s);
        const double F = rockSalt ? 4 * (Cl.at(s) + (l.hkl[0] % 2 == 0 ? 1 : -1) * Na.at(s)) : 4 * Cu.at(s);
        const double c2 = std::cos(2 * theta);
        const double lp = (1 + c2 * c2) / (std::sin(theta) * std::sin(theta) * std::cos(theta));
        l.intensity = F * F * l.multiplicity * lp;
        strongest = std::max(strongest, l.intensity);
    }
    for (HandLine& l : out)
        l.intensity *= 100 / strongest;
    return out;
}

TEST(PowderPattern, IntensitiesMatchTheFormFactorTableWorkedByHand)
{
    struct Case {
        std::string file;
        double a;
        bool rockSalt;
        std::vector<HandLine> lines; // all lines of 5 ... 90°
    };
    const Case cases[] = {
        {CifData + "rock_salt.cif", 5.6402, true,
         {{{1, 1, 1}, 8}, {{2, 0, 0}, 6}, {{2, 2, 0}, 12}, {{3, 1, 1}, 24}, {{2, 2, 2}, 8}, {{4, 0, 0}, 6},
          {{3, 3, 1}, 24}, {{4, 2, 0}, 24}, {{4, 2, 2}, 24}}},
        {CifData + "copper.cif", 3.6149, false, {{{1, 1, 1}, 8}, {{2, 0, 0}, 6}, {{2, 2, 0}, 12}, {{3, 1, 1}, 24}}},
    };
    for (const Case& c : cases) {
        const PowderPattern p = patternOf(c.file);
        ASSERT_EQ(p.lines.size(), c.lines.size()) << c.file;
        for (const HandLine& expected : workedByHand(c.a, c.lines, c.rockSalt)) {
            const PowderLine* line = lineWith(p, expected.hkl);
            ASSERT_NE(line, nullptr) << c.file << " " << HklLabel(expected.hkl);
            EXPECT_EQ(line->multiplicity, expected.multiplicity) << HklLabel(expected.hkl);
            EXPECT_NEAR(line->intensity, expected.intensity, 0.05) << c.file << " " << HklLabel(expected.hkl);
        }
    }
}

TEST(PowderPattern, SiliconWithItsDisplacementIsNearThePublishedPattern)
{
    // Silicon, Cu Kα₁: PDF 27-1402 (NBS Monograph 25, section 13, 1976),
    // measured at room temperature. A measured pattern loses some of its
    // high-angle intensity to the specimen and the instrument, so the
    // computed one sits up to ten points above it.
    const std::map<sf::Miller, double> published{
        {{1, 1, 1}, 100}, {{2, 2, 0}, 55}, {{3, 1, 1}, 30}, {{4, 0, 0}, 6}, {{3, 3, 1}, 11}, {{4, 2, 2}, 12}};
    const PowderPattern p = patternOf(OwnData + "silicon.cif");
    for (const auto& [hkl, intensity] : published) {
        const PowderLine* line = lineWith(p, hkl);
        ASSERT_NE(line, nullptr) << HklLabel(hkl);
        EXPECT_NEAR(line->intensity, intensity, 10) << HklLabel(hkl);
    }
    // Without the displacement the high-angle lines are stronger still.
    sf::ScatteringCrystal still;
    std::string text = readFile(OwnData + "silicon.cif");
    text.replace(text.find("0.125 0.125 0.125 0.4632"), 24, "0.125 0.125 0.125 0");
    ASSERT_TRUE(still.read(text, "silicon.cif").empty());
    const PowderPattern atRest = ComputePattern(still, {});
    EXPECT_GT(lineWith(atRest, {4, 2, 2})->intensity, lineWith(p, {4, 2, 2})->intensity + 1);
}

TEST(PowderPattern, AnAtomOnASpecialPositionCountsOnce)
{
    // Copper's single atom lies on 4a (site symmetry m-3m): 4 atoms in the
    // cell, so F(111) = 4 f, whatever the 192 operations of Fm-3m.
    const sf::ScatteringCrystal crystal = crystalOf(CifData + "copper.cif");
    std::vector<sf::Reflection> reflections;
    ASSERT_EQ(crystal.reflections(2.08, 2.09, MaxReflections, nullptr, reflections), sf::Outcome::Done);
    ASSERT_EQ(reflections.size(), 1u);
    const double s = 1 / (2 * cubicD(3.6149, {1, 1, 1}));
    EXPECT_NEAR(std::sqrt(reflections[0].f2), 4 * Cu.at(s), 0.01);
}

TEST(PowderPattern, AListOfOperationsGivesWhatTheGroupsSymbolGives)
{
    // P-1 with one atom on the centre of symmetry and one in a general
    // place, its symmetry given three ways.
    const std::string cell = "data_x\n_cell_length_a 5.1\n_cell_length_b 6.2\n_cell_length_c 7.3\n"
                             "_cell_angle_alpha 81\n_cell_angle_beta 95\n_cell_angle_gamma 102\n";
    const std::string atoms = "loop_\n_atom_site_label\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n"
                              "Fe1 0 0 0\nO1 0.21 0.33 0.17\n";
    const std::string ways[] = {
        "_symmetry_space_group_name_H-M 'P -1'\n",
        "loop_\n_symmetry_equiv_pos_as_xyz\n'x, y, z'\n'-x, -y, -z'\n",
        "loop_\n_space_group_symop_operation_xyz\n'-x, -y, -z'\n'x,y,z'\n'x, y, z'\n",
    };
    std::vector<PowderPattern> patterns;
    for (const std::string& symmetry : ways) {
        sf::ScatteringCrystal crystal;
        ASSERT_EQ(crystal.read(cell + symmetry + atoms, "x.cif"), "");
        patterns.push_back(ComputePattern(crystal, {}));
        ASSERT_TRUE(patterns.back().ok);
    }
    for (std::size_t w = 1; w < patterns.size(); ++w) {
        ASSERT_EQ(patterns[w].lines.size(), patterns[0].lines.size());
        for (std::size_t i = 0; i < patterns[0].lines.size(); ++i) {
            EXPECT_EQ(patterns[w].lines[i].hkl, patterns[0].lines[i].hkl);
            EXPECT_EQ(patterns[w].lines[i].multiplicity, patterns[0].lines[i].multiplicity);
            EXPECT_NEAR(patterns[w].lines[i].intensity, patterns[0].lines[i].intensity, 1e-9);
        }
    }
}

TEST(PowderPattern, LinesAtTheSameAngleAreOneWithTheirMultiplicitiesAdded)
{
    // Silicon's 511 and 333 share d = a/√27.
    const PowderPattern p = patternOf(OwnData + "silicon.cif", {CuKa1, 90, 100});
    ASSERT_EQ(p.lines.size(), 1u);
    EXPECT_EQ(p.lines[0].multiplicity, 24 + 8);
    EXPECT_DOUBLE_EQ(p.lines[0].intensity, 100);
}

TEST(PowderPattern, BadSettingsAndTooLargeCellsGetAMessage)
{
    struct Case {
        PowderSettings settings;
        const char* says;
    };
    const Case cases[] = {
        {{0.05, 5, 90}, "Длина волны"},
        {{5.5, 5, 90}, "Длина волны"},
        {{std::nan(""), 5, 90}, "Длина волны"},
        {{CuKa1, 0, 90}, "Диапазон"},
        {{CuKa1, 5, 180}, "Диапазон"},
        {{CuKa1, 60, 60}, "меньше"},
        {{CuKa1, 80, 20}, "меньше"},
    };
    for (const Case& c : cases) {
        EXPECT_NE(CheckSettings(c.settings).find(c.says), std::string::npos) << CheckSettings(c.settings);
        const PowderResult r = RunPowder(nullptr, CifData + "copper.cif", c.settings);
        EXPECT_FALSE(r.pattern.ok);
        EXPECT_TRUE(r.pattern.lines.empty());
    }
    for (const double w : {0.1, 0.70930, 5.0})
        EXPECT_EQ(CheckSettings({w, 5, 90}), "") << w;

    // A cell of 60 Å edges has some 700 000 reflections up to 90°.
    sf::ScatteringCrystal huge;
    ASSERT_EQ(huge.read("data_big\n_cell_length_a 60\n_cell_length_b 60\n_cell_length_c 60\n"
                        "_cell_angle_alpha 90\n_cell_angle_beta 90\n_cell_angle_gamma 90\n"
                        "loop_\n_atom_site_label\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n"
                        "C1 0 0 0\n",
                        "big.cif"),
              "");
    const PowderPattern tooMany = ComputePattern(huge, {});
    EXPECT_FALSE(tooMany.ok);
    EXPECT_NE(tooMany.message.find("200 000"), std::string::npos) << tooMany.message;
    // A narrow range of the same cell is fine.
    EXPECT_TRUE(ComputePattern(huge, {CuKa1, 5, 10}).ok);
    // A cell of two long edges 0.1° apart has few reflections but a vast
    // box of indices: refused, not searched.
    sf::ScatteringCrystal flat;
    ASSERT_EQ(flat.read("data_flat\n_cell_length_a 1000\n_cell_length_b 1000\n_cell_length_c 5\n"
                        "_cell_angle_alpha 90\n_cell_angle_beta 90\n_cell_angle_gamma 0.1\n"
                        "loop_\n_atom_site_label\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n"
                        "C1 0 0 0\n",
                        "flat.cif"),
              "");
    EXPECT_LT(flat.estimatedCount(CuKa1 / (2 * std::sin(std::numbers::pi / 4)), 100), MaxReflections);
    EXPECT_FALSE(ComputePattern(flat, {}).ok);

    for (const char* text : {"", "data_x\n", "not a cif {{{", "data_x\n_cell_length_a 5\n"}) {
        sf::ScatteringCrystal bad;
        EXPECT_FALSE(bad.read(text, "bad.cif").empty()) << text;
        EXPECT_FALSE(ComputePattern(bad, {}).ok);
    }
    EXPECT_FALSE(RunPowder(nullptr, "/nonexistent/x.cif", {}).pattern.message.empty());
}

TEST(PowderPattern, EveryFaultyFileGivesAPatternOrAMessage)
{
    // The reader's collection of faulty files: none may crash or hang the
    // calculation; each gives lines or a message, never both or neither.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(CifData + "bad")) {
        const PowderResult r = RunPowder(nullptr, entry.path().string(), {});
        EXPECT_NE(r.pattern.ok, !r.pattern.message.empty()) << entry.path();
        ++files;
    }
    EXPECT_GE(files, 10);
}

TEST(PowderPattern, CancellingStopsTheWork)
{
    const std::atomic<bool> cancelled{true};
    const PowderResult r = RunPowder(nullptr, OwnData + "baddeleyite.cif", {CuKa1, 5, 170}, &cancelled);
    EXPECT_FALSE(r.pattern.ok);
    EXPECT_TRUE(r.pattern.message.empty());
}

} // namespace
} // namespace vestrel::diffraction
