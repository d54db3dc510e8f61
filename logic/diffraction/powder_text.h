// SPDX-License-Identifier: MIT
// The powder pattern as text: the table written as CSV and as the rendering
// tool prints it, the hover text and labels of the plot, and the numbers the
// user types.
#pragma once

#include "logic/diffraction/powder_pattern.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vestrel::diffraction {

// "(2 0 0)", "(1 −1 0)".
std::string HklLabel(const sf::Miller& hkl);
// "2θ = 31,70°, d = 2,8201 Å, (2 0 0), p = 6, I = 100".
std::string HoverText(const PowderLine& line);

// The table as CSV: UTF-8, decimal point, a header line, one line per line
// of the pattern: 2θ, d, h, k, l, multiplicity, I.
std::string TableCsv(const std::vector<PowderLine>& lines);
// Reads such a table back; none when the text is not one.
std::optional<std::vector<PowderLine>> ParseTableCsv(std::string_view text);
// The same columns tab-separated, 2θ with 3 decimals, d with 4, I with 1.
std::string TableTsv(const std::vector<PowderLine>& lines);

// The lines that carry their (hkl) on the plot: the `count` strongest of at
// least `minIntensity`, by 2θ.
constexpr int LabelledLineCount = 8;
constexpr double MinLabelledIntensity = 2;
std::vector<std::size_t> LabelledLines(const std::vector<PowderLine>& lines, int count = LabelledLineCount,
                                       double minIntensity = MinLabelledIntensity);

// The line nearest to 2θ within `tolerance` degrees; none when there is none.
std::optional<std::size_t> NearestLine(const std::vector<PowderLine>& lines, double twoTheta, double tolerance);

// A number as the user types it, with a decimal comma or point; none when the
// text is not a number.
std::optional<double> ParseDecimal(std::string_view text);

} // namespace vestrel::diffraction
