// SPDX-License-Identifier: MIT
#include "logic/diffraction/powder_text.h"

#include "logic/cif/text_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vestrel::diffraction {

namespace {

const char* const CsvHeader = "two_theta_deg,d_angstrom,h,k,l,multiplicity,intensity";
const char* const TsvHeader = "2theta\td\th\tk\tl\tmult\tI";

std::string index(int i) { return i < 0 ? "\u2212" + std::to_string(-i) : std::to_string(i); }

// Locale-independent: printf would follow LC_NUMERIC.
std::string fixed(double value, int decimals)
{
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, r.ptr);
}

std::string row(const PowderLine& l, char sep, int decimalsTheta, int decimalsD, int decimalsI)
{
    std::string s = fixed(l.twoTheta, decimalsTheta);
    for (const std::string& field : {fixed(l.d, decimalsD), std::to_string(l.hkl[0]), std::to_string(l.hkl[1]),
                                     std::to_string(l.hkl[2]), std::to_string(l.multiplicity),
                                     fixed(l.intensity, decimalsI)}) {
        s += sep;
        s += field;
    }
    return s + "\n";
}

std::vector<std::string_view> split(std::string_view text, char sep)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == sep) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    return parts;
}

template <typename T>
bool parseField(std::string_view s, T& out)
{
    const auto r = std::from_chars(s.data(), s.data() + s.size(), out);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

} // namespace

std::string HklLabel(const sf::Miller& hkl)
{
    return "(" + index(hkl[0]) + " " + index(hkl[1]) + " " + index(hkl[2]) + ")";
}

std::string HoverText(const PowderLine& l)
{
    return "2\u03b8 = " + cif::FormatFixed(l.twoTheta, 2) + "\u00b0, d = " + cif::FormatFixed(l.d, 4) + " \u00c5, "
           + HklLabel(l.hkl) + ", p = " + std::to_string(l.multiplicity) + ", I = " + cif::FormatNumber(l.intensity, 1);
}

std::string TableCsv(const std::vector<PowderLine>& lines)
{
    std::string text = std::string(CsvHeader) + "\n";
    for (const PowderLine& l : lines)
        text += row(l, ',', 4, 5, 2);
    return text;
}

std::optional<std::vector<PowderLine>> ParseTableCsv(std::string_view text)
{
    std::vector<std::string_view> rows = split(text, '\n');
    if (rows.empty() || rows.front() != CsvHeader)
        return std::nullopt;
    std::vector<PowderLine> lines;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].empty() && i + 1 == rows.size())
            break;
        const std::vector<std::string_view> f = split(rows[i], ',');
        PowderLine l;
        if (f.size() != 7 || !parseField(f[0], l.twoTheta) || !parseField(f[1], l.d) || !parseField(f[2], l.hkl[0])
            || !parseField(f[3], l.hkl[1]) || !parseField(f[4], l.hkl[2]) || !parseField(f[5], l.multiplicity)
            || !parseField(f[6], l.intensity))
            return std::nullopt;
        lines.push_back(l);
    }
    return lines;
}

std::string TableTsv(const std::vector<PowderLine>& lines)
{
    std::string text = std::string(TsvHeader) + "\n";
    for (const PowderLine& l : lines)
        text += row(l, '\t', 3, 4, 1);
    return text;
}

std::vector<std::size_t> LabelledLines(const std::vector<PowderLine>& lines, int count, double minIntensity)
{
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].intensity >= minIntensity)
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return lines[a].intensity > lines[b].intensity; });
    if (order.size() > static_cast<std::size_t>(std::max(count, 0)))
        order.resize(static_cast<std::size_t>(std::max(count, 0)));
    std::sort(order.begin(), order.end());
    return order;
}

std::optional<std::size_t> NearestLine(const std::vector<PowderLine>& lines, double twoTheta, double tolerance)
{
    std::optional<std::size_t> best;
    double bestDistance = tolerance;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double distance = std::abs(lines[i].twoTheta - twoTheta);
        if (distance <= bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

std::optional<double> ParseDecimal(std::string_view text)
{
    std::string s(text);
    s.erase(0, s.find_first_not_of(" \t"));
    s.erase(s.find_last_not_of(" \t") + 1);
    std::replace(s.begin(), s.end(), ',', '.');
    if (s.rfind("\u2212", 0) == 0)
        s.replace(0, 3, "-");
    if (!s.empty() && s.front() == '+')
        s.erase(0, 1);
    double value = 0;
    if (s.empty() || !parseField(std::string_view(s), value) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace vestrel::diffraction
