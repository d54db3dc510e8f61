// SPDX-License-Identifier: MIT
// The information text of a structure read from a file, in Russian.
#pragma once

#include "logic/cif/crystal.h"
#include "logic/cif/crystal_analysis.h"

#include <string>

namespace vestrel::cif {

// UTF-8, lines separated by "\n".
std::string MemoText(const Crystal& crystal, const CrystalAnalysis& analysis);

} // namespace vestrel::cif
