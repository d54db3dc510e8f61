// SPDX-License-Identifier: MIT
// A crystal structure read from a file, ready to draw: balls, cell edges and
// bonds in the scene frame of the structure scenes (the half turn about X is
// applied by the drawing). Drawn with the conventions of the built-in
// structures: flat colours with lighting off, grey lines of width 2 under the
// connecting-lines option.
#pragma once

#include "render/draw.h"
#include "render/geometry.h"
#include "scenes/display_options.h"

#include <vector>

namespace vestrel::structures {

struct LoadedStructureScene {
    std::vector<Ball> atoms;        // grouped by colour
    std::vector<Segment> cellEdges; // the edges of every cell of the block
    std::vector<Segment> bonds;     // from atom centre to atom centre
    int slices = 30;                // the most slices (and stacks) of a ball
};

// The structure scene's block: entry transform, grey connecting lines when
// opt.showLines, the balls, exit.
void DrawLoadedStructure(Draw& gl, const LoadedStructureScene& scene, const DisplayOptions& opt);

} // namespace vestrel::structures
