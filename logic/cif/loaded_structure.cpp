// SPDX-License-Identifier: MIT
#include "logic/cif/loaded_structure.h"
#include "logic/text/translate.h"

#include "logic/cif/cif_reader.h"
#include "logic/cif/memo_text.h"

namespace vestrel::cif {

LoadResult LoadedStructure::load(const std::string& path, int cells) { return adopt(ReadCrystalFile(path), cells); }

LoadResult LoadedStructure::loadText(const std::string& text, const std::string& name, int cells)
{
    return adopt(ReadCrystalText(text, name), cells);
}

LoadResult LoadedStructure::adopt(Result<Crystal> read, int cells)
{
    if (!read)
        return {false, read.failure().message, 0};
    Result<StructureBlock> block = BuildBlock(read.value(), cells);
    if (!block)
        return {false, block.failure().message, block.failure().suggestedCells};
    crystal_ = std::move(read.value());
    analysis_ = AnalyseCrystal(crystal_);
    block_ = std::move(block.value());
    scene_ = MakeScene(crystal_, block_);
    memo_ = MemoText(crystal_, analysis_);
    ballScale_ = BallScale(crystal_);
    coordination_ = CoordinationNumbers(crystal_);
    loaded_ = true;
    return {true, {}, 0};
}

LoadResult LoadedStructure::setCells(int cells)
{
    if (!loaded_)
        return {false, VT("LoadedStructure", "Структура не загружена."), 0};
    Result<StructureBlock> block = BuildBlock(crystal_, cells);
    if (!block)
        return {false, block.failure().message, block.failure().suggestedCells};
    block_ = std::move(block.value());
    scene_ = MakeScene(crystal_, block_);
    return {true, {}, 0};
}

void LoadedStructure::clear()
{
    *this = LoadedStructure();
}

void LoadedStructure::retranslateMemo()
{
    if (!memo_.empty())
        memo_ = MemoText(crystal_, analysis_);
}

} // namespace vestrel::cif
