// SPDX-License-Identifier: MIT
// What the structure reader needs to know of the chemical elements, by
// atomic number (1 hydrogen ... 118): symbol, covalent radius, mass and
// electronegativity.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vestrel::cif {

constexpr int MaxAtomicNumber = 118;

// 0 when the text names no element. "D" and "T" are hydrogen.
int AtomicNumberOf(std::string_view symbol);
std::string ElementSymbol(int z);
// Covalent radius in angstroms (Cordero et al., Dalton Trans. 2008, 2832).
double CovalentRadius(int z);
// Standard atomic weight, g/mol.
double AtomicMass(int z);
// Pauling electronegativity; none for the elements that have no value
// (helium, neon, argon, radon and the heaviest).
std::optional<double> PaulingElectronegativity(int z);

} // namespace vestrel::cif
