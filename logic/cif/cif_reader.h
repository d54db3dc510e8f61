// SPDX-License-Identifier: MIT
// Reads a crystal structure from a CIF file (CIF 1.1, small-molecule
// dictionary): the cell, the atom sites and the symmetry, from the file's own
// list of operations or else from its space-group symbol, expanded to every
// atom of the unit cell. Anything wrong with the file gives a message, never
// an exception.
#pragma once

#include "logic/cif/crystal.h"
#include "logic/cif/result.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vestrel::cif {

// Larger files are refused before they are read.
constexpr std::uintmax_t MaxCifFileBytes = 5u * 1024u * 1024u;
// Images of one site closer than this are one atom (a special position).
constexpr double SamePlaceDistance = 0.3;  // angstroms
// Atoms of different sites closer than this share a place: only the most
// occupied is kept.
constexpr double SharedPlaceDistance = 0.5; // angstroms
// The longest cell edge a file may give (an endless one among them).
constexpr double MaxCellEdge = 10000; // angstroms
// The shortest lattice translation a crystal may have: no two atoms are
// closer than about this, so neither are an atom and its image.
constexpr double MinLatticeTranslation = 1.0; // angstroms
// The most symmetry operations a list may have (the order of Fm-3m).
constexpr int MaxSymmetryOperations = 192;

Result<Crystal> ReadCrystalFile(const std::string& path);
// The same for text already in memory; name is the file's name for messages.
Result<Crystal> ReadCrystalText(std::string_view text, const std::string& name);

} // namespace vestrel::cif
