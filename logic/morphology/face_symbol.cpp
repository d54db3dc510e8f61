// SPDX-License-Identifier: MIT
#include "logic/morphology/face_symbol.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <vector>

#include "logic/text/translate.h"

namespace vestrel::morphology {

namespace {

const char* const NotIntegers = VT_NOOP("FaceSymbol", "Символ грани должен состоять из целых чисел, например (100) или (1 -1 0).");
const char* const AllZero = VT_NOOP("FaceSymbol", "Индексы грани не могут быть все равны нулю.");
const char* const TooLarge = VT_NOOP("FaceSymbol", "Индексы грани не должны превышать 20 по абсолютной величине.");
const char* const BadI = VT_NOOP("FaceSymbol", "В символе (hkil) индекс i должен быть равен −(h + k).");
const char* const ThreeIndices = VT_NOOP("FaceSymbol", "Символ грани должен содержать три индекса (hkl).");
const char* const ThreeOrFour = VT_NOOP("FaceSymbol", "Символ грани должен содержать три индекса (hkl) или четыре (hkil).");

bool Separator(char c) { return c == ' ' || c == ',' || c == ';' || c == '\t'; }

// "1 -1 0" or "1,-1,0": numbers between separators. "10-11": one digit per
// index, a minus sign before its digit.
bool SplitIndices(std::string_view s, std::vector<long long>& out)
{
    const bool separated = std::any_of(s.begin(), s.end(), Separator);
    std::size_t i = 0;
    while (i < s.size()) {
        if (Separator(s[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        if (s[end] == '-' || s[end] == '+')
            ++end;
        const std::size_t digits = end;
        while (end < s.size() && std::isdigit(static_cast<unsigned char>(s[end])) && (separated || end == digits))
            ++end;
        if (end == digits)
            return false;
        if (end < s.size() && separated && !Separator(s[end]))
            return false;
        long long v = 0;
        const char* from = s.data() + (s[i] == '+' ? i + 1 : i);
        const auto [ptr, ec] = std::from_chars(from, s.data() + end, v);
        if (ec == std::errc::result_out_of_range) {
            v = s[i] == '-' ? -1000 : 1000; // too large anyway
        } else if (ec != std::errc() || ptr != s.data() + end) {
            return false;
        }
        out.push_back(v);
        i = end;
    }
    return true;
}

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::variant<IntVector, FaceSymbolError> CheckFaceIndices(const std::vector<int>& v, bool hexagonal)
{
    if (v.size() != 3 && !(hexagonal && v.size() == 4))
        return FaceSymbolError{Translate("FaceSymbol", hexagonal ? ThreeOrFour : ThreeIndices)};
    if (std::all_of(v.begin(), v.end(), [](int x) { return x == 0; }))
        return FaceSymbolError{Translate("FaceSymbol", AllZero)};
    if (std::any_of(v.begin(), v.end(), [](int x) { return std::abs(x) > MaxIndex; }))
        return FaceSymbolError{Translate("FaceSymbol", TooLarge)};
    if (v.size() == 4 && v[2] != -(v[0] + v[1]))
        return FaceSymbolError{Translate("FaceSymbol", BadI)};
    return IntVector{v[0], v[1], v.back()};
}

std::variant<IntVector, FaceSymbolError> ParseFaceSymbol(std::string_view text, bool hexagonal)
{
    std::string_view s = Trimmed(text);
    if (s.size() >= 2 && ((s.front() == '(' && s.back() == ')') || (s.front() == '{' && s.back() == '}')))
        s = Trimmed(s.substr(1, s.size() - 2));
    std::vector<long long> parsed;
    if (s.empty() || !SplitIndices(s, parsed))
        return FaceSymbolError{Translate("FaceSymbol", NotIntegers)};
    std::vector<int> indices;
    for (long long v : parsed)
        indices.push_back(static_cast<int>(std::clamp<long long>(v, -1000, 1000)));
    return CheckFaceIndices(indices, hexagonal);
}

} // namespace vestrel::morphology
