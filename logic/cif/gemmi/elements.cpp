// SPDX-License-Identifier: MIT
#include "logic/cif/elements.h"

#include <gemmi/elem.hpp>

#include <array>

namespace vestrel::cif {

namespace {

constexpr double None = -1;

// Pauling electronegativities, hydrogen to lawrencium: CRC Handbook of
// Chemistry and Physics, "Electronegativity" (after A. L. Allred, J. Inorg.
// Nucl. Chem. 17 (1961) 215); promethium, europium, terbium, ytterbium and
// americium onwards as given by WebElements (webelements.com), which fills
// the Handbook's gaps. None where no value is given.
constexpr std::array<double, 104> Pauling{{
    None,                                                      // (no element 0)
    2.20, None,                                                // H He
    0.98, 1.57, 2.04, 2.55, 3.04, 3.44, 3.98, None,            // Li .. Ne
    0.93, 1.31, 1.61, 1.90, 2.19, 2.58, 3.16, None,            // Na .. Ar
    0.82, 1.00, 1.36, 1.54, 1.63, 1.66, 1.55, 1.83, 1.88,      // K .. Co
    1.91, 1.90, 1.65, 1.81, 2.01, 2.18, 2.55, 2.96, 3.00,      // Ni .. Kr
    0.82, 0.95, 1.22, 1.33, 1.60, 2.16, 1.90, 2.20, 2.28,      // Rb .. Rh
    2.20, 1.93, 1.69, 1.78, 1.96, 2.05, 2.10, 2.66, 2.60,      // Pd .. Xe
    0.79, 0.89, 1.10, 1.12, 1.13, 1.14, 1.13, 1.17, 1.20,      // Cs .. Eu
    1.20, 1.10, 1.22, 1.23, 1.24, 1.25, 1.10, 1.27,            // Gd .. Lu
    1.30, 1.50, 2.36, 1.90, 2.20, 2.20, 2.28, 2.54, 2.00,      // Hf .. Hg
    1.62, 2.33, 2.02, 2.00, 2.20, None,                        // Tl .. Rn
    0.70, 0.90, 1.10, 1.30, 1.50, 1.38, 1.36, 1.28, 1.30,      // Fr .. Am
    1.30, 1.30, 1.30, 1.30, 1.30, 1.30, 1.30, 1.30,            // Cm .. Lr
}};

gemmi::Element element(int z) { return gemmi::Element(z); }

} // namespace

int AtomicNumberOf(std::string_view symbol)
{
    if (symbol.empty() || symbol.size() > 3)
        return 0;
    const gemmi::Element e{std::string(symbol)};
    if (e.elem == gemmi::El::X)
        return 0;
    if (symbol == "X" || symbol == "x")
        return 0;
    return e.atomic_number(); // deuterium counts as hydrogen
}

std::string ElementSymbol(int z)
{
    if (z < 1 || z > MaxAtomicNumber)
        return "?";
    return element(z).name();
}

double CovalentRadius(int z) { return z >= 1 && z <= MaxAtomicNumber ? element(z).covalent_r() : 0.0; }

double AtomicMass(int z) { return z >= 1 && z <= MaxAtomicNumber ? element(z).weight() : 0.0; }

std::optional<double> PaulingElectronegativity(int z)
{
    if (z < 1 || z >= static_cast<int>(Pauling.size()) || Pauling[z] == None)
        return std::nullopt;
    return Pauling[z];
}

} // namespace vestrel::cif
