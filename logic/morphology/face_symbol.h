// SPDX-License-Identifier: MIT
// A face symbol typed by the user: "(100)", "1 0 0", "1,-1,0", "(10-11)",
// "2 -1 -1 0". Three indices (hkl), or in a hexagonal class four (hkil)
// with i = −(h + k); a bad symbol gets the Russian message that says why.
#pragma once

#include "logic/morphology/point_group.h"

#include <string>
#include <string_view>
#include <variant>

namespace vestrel::morphology {

inline constexpr int MaxIndex = 20;

struct FaceSymbolError {
    std::string message; // UTF-8, for a message box
};

// The symbol on three indices (hkl), or the message.
std::variant<IntVector, FaceSymbolError> ParseFaceSymbol(std::string_view text, bool hexagonal);

// The same from indices already split: three, or four for hexagonal axes.
std::variant<IntVector, FaceSymbolError> CheckFaceIndices(const std::vector<int>& indices, bool hexagonal);

} // namespace vestrel::morphology
