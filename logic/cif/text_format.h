// SPDX-License-Identifier: MIT
// Numbers in the interface's language: a decimal comma in Russian, a point in
// English, and a real minus sign.
#pragma once

#include <string>

namespace vestrel::cif {

// At most `decimals` places, trailing zeros dropped: 5.6402 -> "5,6402",
// 90.0 -> "90", -1.5 -> "−1,5".
std::string FormatNumber(double value, int decimals);
// Exactly `decimals` places: (2.1635, 3) -> "2,164".
std::string FormatFixed(double value, int decimals);
// Thousands apart by a space: 50000 -> "50 000".
std::string FormatCount(long long value);

} // namespace vestrel::cif
