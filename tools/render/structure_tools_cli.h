// SPDX-License-Identifier: MIT
// vestrel-render's structure tools for --cif: --pick and --measure print the
// status bar's line, --polyhedra and --plane add to the drawing and to
// --describe, and the dump names atoms, polyhedra and planes.
#pragma once

#include "logic/cif/loaded_structure.h"
#include "logic/cif/structure_tools.h"
#include "tools/render/frame_dump.h"
#include "tools/render/render_options.h"

#include <string>

namespace vestrel {

struct StructureToolsRun {
    cif::ToolRequest request;
    std::string printed; // the lines to print, each ending in "\n"
    structures::StructureOverlay overlay;
    StructureDumpNames names;
};

// What the options ask of the structure: the picks, the lines and the overlay.
StructureToolsRun RunStructureTools(const RenderOptions& options, const cif::LoadedStructure& structure);

// The polyhedron and plane lines --describe adds after the memo.
std::string DescribeStructureTools(const RenderOptions& options, const cif::LoadedStructure& structure);

} // namespace vestrel
