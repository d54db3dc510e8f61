// SPDX-License-Identifier: MIT
// A crystal structure as read from a file: the cell, the sites of the file
// and every atom of one unit cell.
#pragma once

#include "render/geometry.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vestrel::cif {

// The most atoms a block of cells, and so one cell, may hold.
constexpr int MaxBlockAtoms = 50000;
// An atom this close (in fractions of an axis) to a face of the cell lies on
// it: 0.99995 is taken as 0.
constexpr double OnFaceTolerance = 1e-4;

struct CellParameters {
    double a = 0, b = 0, c = 0;            // angstroms
    double alpha = 0, beta = 0, gamma = 0; // degrees
};

// The site of the file's atom list.
struct Site {
    std::string label;
    int element = 0;        // atomic number
    double occupancy = 1;
};

// An atom of the unit cell, fractional coordinates in [0, 1).
struct CellAtom {
    int site = 0;
    Vec3 fract;
    double occupancy = 1;
};

struct Crystal {
    std::string fileName;     // without the folder
    std::string name;         // the substance's name the file gives; may be empty
    std::string statedFormula; // the formula the file gives; may be empty
    std::string statedSymbol; // the space-group symbol the file gives, as written
    int statedNumber = 0;     // the space-group number the file gives or implies; 0 when unknown
    std::optional<int> statedZ;
    bool symmetryAssumed = false; // the file has no symmetry at all: P1 was taken

    CellParameters cell;
    std::array<Vec3, 3> axes; // a, b, c in angstroms: a along x, b in the xy plane

    std::vector<Site> sites;
    // One atom per place: where sites share a place (mixed or split
    // occupancy) the main one, the most occupied, is kept.
    std::vector<CellAtom> atoms;
    double cellMass = 0;          // g/mol of the cell's contents, occupancies counted
    bool partialOccupancy = false;

    double volume() const;         // cubic angstroms
    Vec3 toCartesian(const Vec3& fract) const;
};

} // namespace vestrel::cif
