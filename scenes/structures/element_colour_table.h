// SPDX-License-Identifier: MIT
// The colour of any element's atoms: the atom legend's colour for the
// elements the built-in structures show, a standard table for the others.
#pragma once

#include "render/geometry.h"

#include <string_view>

namespace vestrel::structures {

// The legend's colour for the symbol ("Na", "Cl", ...), else the standard
// table's; an unknown symbol gets a light pink that no element has.
Colour AtomColour(std::string_view symbol);

// Whether the atom legend has a colour for the symbol.
bool HasLegendColour(std::string_view symbol);

} // namespace vestrel::structures
