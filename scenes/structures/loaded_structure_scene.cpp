// SPDX-License-Identifier: MIT
#include "scenes/structures/loaded_structure_scene.h"

#include "scenes/structures/structure_common.h"

namespace vestrel::structures {

namespace {

void sendSegments(Draw& gl, const std::vector<Segment>& segments)
{
    for (const Segment& s : segments) {
        gl.vertex(static_cast<float>(s.from.x), static_cast<float>(s.from.y), static_cast<float>(s.from.z));
        gl.vertex(static_cast<float>(s.to.x), static_cast<float>(s.to.y), static_cast<float>(s.to.z));
    }
}

} // namespace

void DrawLoadedStructure(Draw& gl, const LoadedStructureScene& scene, const DisplayOptions& opt)
{
    BeginStructureScene(gl, {0, 0, 0});
    SetStructureLineWidth(gl);
    SetLineColour(gl);
    if (opt.showLines && (!scene.cellEdges.empty() || !scene.bonds.empty())) {
        gl.begin(Primitive::Lines);
        sendSegments(gl, scene.cellEdges);
        sendSegments(gl, scene.bonds);
        gl.end();
    }
    SetAtomQuadric(gl);
    gl.balls(scene.atoms, scene.slices);
    EndStructureScene(gl);
}

} // namespace vestrel::structures
