// SPDX-License-Identifier: MIT
// When two atoms are bonded: closer than BondLengthFactor times the sum of
// their covalent radii, except that two metals are not bonded in a structure
// that also holds a non-metal (so Cu-Cu bonds exist in copper, not in
// cuprite). The same rule gives the bonds drawn and the coordination numbers
// of the information text.
#pragma once

#include <array>
#include <vector>

namespace vestrel::cif {

constexpr double BondLengthFactor = 1.15;
// An element whose Pauling electronegativity is below this counts as a metal
// (silicon, 1.90, among them).
constexpr double MetalElectronegativityBelow = 2.0;

bool IsMetal(int element);

class BondRule {
public:
    // elements: the atomic numbers present in the structure, in any order
    // and with repeats.
    explicit BondRule(const std::vector<int>& elements);

    // The distance below which atoms of the two elements are bonded; 0 when
    // they never are.
    double bondLimit(int a, int b) const;
    bool bonded(int a, int b, double distance) const { return distance < bondLimit(a, b); }
    // The largest bond limit of the structure's elements.
    double maxBondLimit() const { return maxLimit_; }
    bool hasNonMetal() const { return hasNonMetal_; }

private:
    bool hasNonMetal_ = false;
    double maxLimit_ = 0;
};

} // namespace vestrel::cif
