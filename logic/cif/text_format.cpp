// SPDX-License-Identifier: MIT
#include "logic/cif/text_format.h"

#include "logic/text/language.h"

#include <cmath>
#include <cstdio>

namespace vestrel::cif {

namespace {

const std::string Minus = "\u2212";

// The decimal separator of the interface's language and a real minus sign.
std::string localised(std::string s)
{
    const char separator = DecimalSeparator();
    for (char& c : s)
        if (c == '.')
            c = separator;
    if (!s.empty() && s[0] == '-')
        s = Minus + s.substr(1);
    return s;
}

} // namespace

std::string FormatFixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return "?";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    std::string s = buf;
    if (s.find_first_not_of("-0.") == std::string::npos && s[0] == '-')
        s = s.substr(1); // no "-0"
    return localised(s);
}

std::string FormatNumber(double value, int decimals)
{
    if (!std::isfinite(value))
        return "?";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    std::string s = buf;
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    if (s == "-0")
        s = "0";
    return localised(s);
}

std::string FormatCount(long long value)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0 && n > 4)
            out += " ";
        out += digits[i];
    }
    return value < 0 ? Minus + out : out;
}

} // namespace vestrel::cif
