// SPDX-License-Identifier: MIT
// The 32 crystal classes by crystal system, for the plate of the classes:
// the program's own table (logic/morphology), which also names them.
#pragma once

#include "logic/morphology/crystal_classes.h"

namespace vestrel::reference {

using morphology::CrystalClass;
using morphology::CrystalClasses;
using morphology::CrystalSystem;
using morphology::CrystalSystemCount;
using morphology::CrystalSystemInfo;
using morphology::CrystalSystems;

} // namespace vestrel::reference
