// SPDX-License-Identifier: MIT
// A crystal structure opened from a CIF file, as the windows use it: load a
// file into a block of cells, change the number of cells, and hand the scene
// to the frame routine and the text to the information memo. A failed load
// or change leaves what was there before.
#pragma once

#include "logic/cif/crystal.h"
#include "logic/cif/crystal_analysis.h"
#include "logic/cif/structure_block.h"
#include "scenes/structures/loaded_structure_scene.h"

#include <string>
#include <vector>

namespace vestrel::cif {

struct LoadResult {
    bool ok = false;
    std::string message;    // for the user when !ok (Russian, UTF-8)
    int suggestedCells = 0; // a block too big: the most cells per axis that fit
};

class LoadedStructure {
public:
    // Reads the file and builds a block of cells x cells x cells.
    LoadResult load(const std::string& path, int cells = 1);
    // The same from text in memory; name stands for the file's name.
    LoadResult loadText(const std::string& text, const std::string& name, int cells = 1);
    // Rebuilds the block of the structure that is loaded.
    LoadResult setCells(int cells);
    // Forgets the structure.
    void clear();

    bool isLoaded() const { return loaded_; }
    int cells() const { return block_.cells; }
    const std::string& fileName() const { return crystal_.fileName; }
    // For FrameInputs::loadedStructure while the structure is shown.
    const structures::LoadedStructureScene& sceneData() const { return scene_; }
    // The information memo's text, UTF-8, lines separated by "\n", in the
    // interface's language when it was made.
    const std::string& memoText() const { return memo_; }
    // Writes the memo again, in the interface's language now.
    void retranslateMemo();

    const Crystal& crystal() const { return crystal_; }
    const CrystalAnalysis& analysis() const { return analysis_; }
    const StructureBlock& block() const { return block_; }
    // Ball radius per angstrom of covalent radius (BallScale), and the
    // coordination number of each atom of the cell by the bond rule.
    double ballScale() const { return ballScale_; }
    const std::vector<int>& coordination() const { return coordination_; }

private:
    LoadResult adopt(Result<Crystal> read, int cells);

    bool loaded_ = false;
    Crystal crystal_;
    CrystalAnalysis analysis_;
    StructureBlock block_;
    structures::LoadedStructureScene scene_;
    std::string memo_;
    double ballScale_ = 1;
    std::vector<int> coordination_;
};

} // namespace vestrel::cif
