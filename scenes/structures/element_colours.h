// SPDX-License-Identifier: MIT
// One colour per chemical element, used by every structure scene and by the
// atom legend picture, so the two always agree.
#pragma once

#include "render/geometry.h"

#include <array>
#include <string_view>

namespace vestrel::structures {

struct ElementColour {
    std::string_view symbol;
    Colour colour;
};

inline constexpr Colour Na{0.7f, 0, 0};
inline constexpr Colour Cl{0, 0, 1};
inline constexpr Colour Cs{0.7f, 0.7f, 0};
inline constexpr Colour Cu{0, 0, 0.7f};
inline constexpr Colour O{1, 0, 0};
inline constexpr Colour C{0.1f, 0, 0.2f};
inline constexpr Colour Zn{0.2f, 0.2f, 0.2f};
inline constexpr Colour S{1, 1, 0};
inline constexpr Colour Fe{0.4f, 0, 0};
inline constexpr Colour Ca{0, 0.7f, 0};
inline constexpr Colour F{0, 0.2f, 0.3f};
inline constexpr Colour B{0, 0, 1};
inline constexpr Colour N{1, 0.7f, 0.7f};
inline constexpr Colour Ti{0.3f, 0.3f, 1};
inline constexpr Colour Cd{0, 0.4f, 0};
inline constexpr Colour I{0, 0.3f, 0.3f};
inline constexpr Colour Mg{0.4f, 0.4f, 0.4f};

// The legend's two columns, top to bottom.
inline constexpr std::array<ElementColour, 10> LegendLeftColumn{{
    {"Na", Na}, {"Cl", Cl}, {"Ti", Ti}, {"Cs", Cs}, {"Cu", Cu},
    {"O", O}, {"C", C}, {"Zn", Zn}, {"S", S}, {"Fe", Fe},
}};
inline constexpr std::array<ElementColour, 7> LegendRightColumn{{
    {"B", B}, {"N", N}, {"Cd", Cd}, {"I", I}, {"Ca", Ca}, {"Mg", Mg}, {"F", F},
}};

} // namespace vestrel::structures
