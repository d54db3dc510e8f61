// SPDX-License-Identifier: MIT
// The crystal classes' and forms' names and symmetry formulas in the
// interface's language. The tables keep the Russian names; these give what
// the user reads.
#pragma once

#include "logic/morphology/crystal_classes.h"

#include <string>

namespace vestrel::morphology {

std::string ClassNameText(const CrystalClass& c);
std::string SystemNameText(CrystalSystem system);
// A simple form's name ("куб", "тетрагональная призма") as the user reads it.
std::string FormNameText(const std::string& russianName);

// The formula of the class's elements of symmetry: the Russian school
// formula ("3L4 4L3 6L2 9PC") in Russian; in English the notation of English
// mineralogy texts ("i, 3A4, 4A3, 6A2, 9m"): the centre i first, rotation
// axes An, rotoinversion axes Ān, mirror planes m: the elements of the
// Russian formula, one for one (so the class 3̄ reads "i, A3", the same
// elements as Ā3).
std::string SymmetryFormulaText(const CrystalClass& c);
std::string EnglishSymmetryFormula(const CrystalClass& c);

} // namespace vestrel::morphology
