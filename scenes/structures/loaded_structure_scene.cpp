// SPDX-License-Identifier: MIT
#include "scenes/structures/loaded_structure_scene.h"

#include "scenes/structures/structure_common.h"

namespace vestrel::structures {

void DrawLoadedStructure(Draw& gl, const LoadedStructureScene& scene, const DisplayOptions& opt)
{
    BeginStructureScene(gl, {0, 0, 0});
    SetStructureLineWidth(gl);
    SetLineColour(gl);
    if (opt.showLines) {
        gl.segments(scene.cellEdges);
        gl.segments(scene.bonds);
    }
    SetAtomQuadric(gl);
    gl.balls(scene.atoms, scene.slices);
    EndStructureScene(gl);
}

} // namespace vestrel::structures
