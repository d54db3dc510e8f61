// SPDX-License-Identifier: MIT
// Powder patterns: the time to compute one (structure factors of every
// reflection, multiplicities, merging) for cells of growing size. Not a
// test: it prints a table. The target is a 100-atom cell to 90° with Cu Kα
// in under 100 ms.
//   build/vestrel-powder-bench [repetitions]
#include "logic/diffraction/powder_pattern.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace vestrel::diffraction;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// A cell without symmetry (P1) of `atoms` atoms of four
// elements at scattered places, with a displacement on every atom.
std::string scatteredCell(int atoms, double a, double b, double c, double beta)
{
    std::ostringstream cif;
    cif << "data_bench\n_cell_length_a " << a << "\n_cell_length_b " << b << "\n_cell_length_c " << c
        << "\n_cell_angle_alpha 90\n_cell_angle_beta " << beta << "\n_cell_angle_gamma 90\n"
        << "_symmetry_space_group_name_H-M 'P 1'\n"
        << "loop_\n_atom_site_label\n_atom_site_type_symbol\n_atom_site_fract_x\n_atom_site_fract_y\n"
           "_atom_site_fract_z\n_atom_site_U_iso_or_equiv\n";
    const char* elements[4] = {"O", "Si", "Mg", "Fe"};
    unsigned seed = 12345;
    const auto next = [&] {
        seed = seed * 1103515245u + 12345u;
        return ((seed >> 8) % 100000) / 100000.0;
    };
    for (int i = 0; i < atoms; ++i)
        cif << elements[i % 4] << i + 1 << ' ' << elements[i % 4] << ' ' << next() << ' ' << next() << ' ' << next()
            << " 0.01\n";
    return cif.str();
}

struct Case {
    const char* name;
    std::string text;
    PowderSettings settings;
};

} // namespace

int main(int argc, char** argv)
{
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    std::ifstream spinelFile(VESTREL_SOURCE_DIR "/tests/cif/data/spinel.cif");
    std::stringstream spinel;
    spinel << spinelFile.rdbuf();
    const std::vector<Case> cases{
        {"spinel MgAl2O4 (Fd-3m, 56 atoms), 5-90 deg", spinel.str(), {}},
        {"100 atoms, P1, 10 x 11 x 12 A, 5-90 deg", scatteredCell(100, 10, 11, 12, 100), {}},
        {"100 atoms, P1, 10 x 11 x 12 A, 5-150 deg", scatteredCell(100, 10, 11, 12, 100), {1.54056, 5, 150}},
        {"400 atoms, P1, 20 x 22 x 12 A, 5-90 deg", scatteredCell(400, 20, 22, 12, 100), {}},
        {"1000 atoms, P1, 30 x 30 x 30 A, 5-60 deg", scatteredCell(1000, 30, 30, 30, 90), {1.54056, 5, 60}},
    };
    std::printf("%-46s %10s %8s %10s\n", "case (Cu Ka1)", "read, ms", "lines", "pattern, ms");
    for (const Case& c : cases) {
        sf::ScatteringCrystal crystal;
        const auto t0 = Clock::now();
        const std::string problem = crystal.read(c.text, "bench.cif");
        const double readMs = msSince(t0);
        if (!problem.empty()) {
            std::printf("%-46s %s\n", c.name, problem.c_str());
            continue;
        }
        std::vector<double> times;
        std::size_t lines = 0;
        for (int i = 0; i < repetitions; ++i) {
            const auto t1 = Clock::now();
            const PowderPattern p = ComputePattern(crystal, c.settings);
            times.push_back(msSince(t1));
            lines = p.lines.size();
        }
        std::printf("%-46s %10.1f %8zu %10.1f\n", c.name, readMs, lines, median(times));
    }
    return 0;
}
