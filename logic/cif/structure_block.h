// SPDX-License-Identifier: MIT
// A block of N x N x N unit cells of a crystal read from a file, and the
// scene drawn from it. Atoms on a face, edge or corner of the block are
// repeated on every face, edge or corner they belong to, as in the built-in
// cells (a face-centred cubic cell has 14 atoms).
#pragma once

#include "logic/cif/crystal.h"
#include "logic/cif/result.h"
#include "scenes/structures/loaded_structure_scene.h"

#include <utility>
#include <vector>

namespace vestrel::cif {

constexpr int MaxCellsPerAxis = 10;
// The longest edge of one cell in scene units, as long as a cell of the
// built-in structures.
constexpr double CellEdgeInScene = 40;
// On the most crowded bond, the two balls together cover this share of it,
// as the rock-salt scene's balls (radius 4 on bonds of 20) do.
constexpr double BallShareOfBond = 0.4;
// The most slices a ball is drawn with.
constexpr int BallSlices = 30;

struct BlockAtom {
    Vec3 position; // angstroms, in the cell's Cartesian frame (a along x)
    int element = 0;
    int site = 0;
    int cellAtom = 0; // index into Crystal::atoms
    Vec3 fract;       // fractional coordinates in the block, 0..cells
};

struct StructureBlock {
    int cells = 1;
    std::vector<BlockAtom> atoms;
    std::vector<std::pair<int, int>> bonds; // atom indices
    std::vector<std::pair<Vec3, Vec3>> cellEdges; // angstroms
    Vec3 centre;  // of the block, angstroms
};

// How many atoms a block of cells x cells x cells holds.
long long CountBlockAtoms(const Crystal& crystal, int cells);
// The block, or a message when cells is out of 1..MaxCellsPerAxis or the
// block would hold more than MaxBlockAtoms atoms (then suggestedCells is the
// most that fit, 0 when not even one cell does).
Result<StructureBlock> BuildBlock(const Crystal& crystal, int cells);

// Ball radius per angstrom of covalent radius, in angstroms: the balls of
// the most crowded bond of the crystal cover BallShareOfBond of it.
double BallScale(const Crystal& crystal);

// The scene: the block centred on the origin, the longest cell edge
// CellEdgeInScene long, crystal axis c upright on the screen (the program's
// axis "OZ"), a along "OX" and b towards "OY".
structures::LoadedStructureScene MakeScene(const Crystal& crystal, const StructureBlock& block);

// Where a point of the cell's Cartesian frame (angstroms) goes in the scene
// frame of the structure scenes.
Vec3 ToScene(const Crystal& crystal, const StructureBlock& block, const Vec3& angstroms);

} // namespace vestrel::cif
