// SPDX-License-Identifier: MIT
#include "logic/cif/bond_rule.h"

#include "logic/cif/elements.h"

#include <algorithm>

namespace vestrel::cif {

bool IsMetal(int element)
{
    const auto chi = PaulingElectronegativity(element);
    if (chi)
        return *chi < MetalElectronegativityBelow;
    // No value: the noble gases are not metals, the heaviest elements are.
    switch (element) {
    case 2: case 10: case 18: case 36: case 54: case 86: case 118:
        return false;
    default:
        return element > 0;
    }
}

BondRule::BondRule(const std::vector<int>& present)
{
    std::vector<int> elements = present;
    std::sort(elements.begin(), elements.end());
    elements.erase(std::unique(elements.begin(), elements.end()), elements.end());
    for (int e : elements)
        if (!IsMetal(e))
            hasNonMetal_ = true;
    for (int a : elements)
        for (int b : elements)
            maxLimit_ = std::max(maxLimit_, bondLimit(a, b));
}

double BondRule::bondLimit(int a, int b) const
{
    if (hasNonMetal_ && IsMetal(a) && IsMetal(b))
        return 0;
    return BondLengthFactor * (CovalentRadius(a) + CovalentRadius(b));
}

} // namespace vestrel::cif
