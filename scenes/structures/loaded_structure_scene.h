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

#include <string>
#include <vector>

namespace vestrel::structures {

struct LoadedStructureScene {
    std::vector<Ball> atoms;        // grouped by colour
    std::vector<Segment> cellEdges; // the edges of every cell of the block
    std::vector<Segment> bonds;     // from atom centre to atom centre
    int slices = 30;                // the most slices (and stacks) of a ball
};

// A flat polygon drawn half transparent, in the scene frame.
struct TranslucentPolygon {
    std::vector<Vec3> corners;
    Colour colour;
    int tag = -1; // names the polygon in recordings
};

struct SceneLabel {
    Vec3 at;
    std::string text;
};

// What the structure tools add over the structure: picked atoms with a light
// see-through halo, dashed measurement lines with their figures, coordination polyhedra
// (faces and darker edges) and lattice planes. Tags: a polyhedron face has
// PolyhedronTag + the index of its centre in polyhedronCentres, a plane
// PlaneTag + the index of its plane.
struct StructureOverlay {
    static constexpr int PolyhedronTag = 1000000;
    static constexpr int PlaneTag = 2000000;
    std::vector<Ball> halos;
    std::vector<Segment> measureLines;
    std::vector<SceneLabel> labels;
    std::vector<TranslucentPolygon> polyhedronFaces;
    std::vector<Segment> polyhedronEdges;
    std::vector<Colour> polyhedronEdgeColours; // one per edge
    std::vector<std::string> polyhedronCentres; // site labels
    std::vector<TranslucentPolygon> planes;
    bool empty() const
    {
        return halos.empty() && measureLines.empty() && polyhedronFaces.empty() && planes.empty();
    }
};

// The structure scene's block: entry transform, grey connecting lines when
// opt.showLines, the balls, exit.
// The overlay, when given, follows the balls.
void DrawLoadedStructure(Draw& gl, const LoadedStructureScene& scene, const DisplayOptions& opt,
                         const StructureOverlay* overlay = nullptr);

} // namespace vestrel::structures
