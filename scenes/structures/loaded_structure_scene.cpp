// SPDX-License-Identifier: MIT
#include "scenes/structures/loaded_structure_scene.h"

#include "scenes/structures/structure_common.h"

namespace vestrel::structures {

namespace {

constexpr float ToolOpacity = 0.45f;
// Low enough that the picked atom, seen through its halo, keeps its own
// colour rather than the halo's.
constexpr float HaloOpacity = 0.3f;
constexpr Colour MeasureColour{1.0f, 1.0f, 0.6f};

void drawPolygons(Draw& gl, const std::vector<TranslucentPolygon>& polygons)
{
    for (const TranslucentPolygon& p : polygons) {
        gl.primitiveTag(p.tag);
        gl.surface(Surface::Faces);
        gl.begin(Primitive::Polygon);
        gl.colour(p.colour.r, p.colour.g, p.colour.b);
        for (const Vec3& v : p.corners)
            gl.vertex(static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z));
        gl.end();
    }
}

// Each halo a sphere of its own, drawn see-through over the atom's ball:
// balls() would draw the batch opaque whatever the opacity (the OpenGL back
// end sends them as discs of solid colour).
void drawHalos(Draw& gl, const std::vector<Ball>& halos, int slices)
{
    gl.opacity(HaloOpacity);
    for (const Ball& h : halos) {
        gl.colour(h.colour.r, h.colour.g, h.colour.b);
        gl.pushMatrix();
        gl.translated(h.centre.x, h.centre.y, h.centre.z);
        gl.sphere(h.radius, slices, slices);
        gl.popMatrix();
    }
}

void drawOverlay(Draw& gl, const StructureOverlay& o, int slices)
{
    for (std::size_t i = 0; i < o.polyhedronEdges.size(); ++i) {
        const Colour& c = o.polyhedronEdgeColours[i];
        gl.colour(c.r, c.g, c.b);
        gl.segments(std::span<const Segment>(&o.polyhedronEdges[i], 1));
    }
    if (!o.measureLines.empty()) {
        gl.colour(MeasureColour.r, MeasureColour.g, MeasureColour.b);
        gl.lineStipple(2, 0x0F0F);
        gl.lineStippleEnabled(true);
        gl.segments(o.measureLines);
        gl.lineStippleEnabled(false);
    }
    for (const SceneLabel& l : o.labels)
        gl.label(l.at, l.text);
    gl.opacity(ToolOpacity);
    drawPolygons(gl, o.polyhedronFaces);
    drawPolygons(gl, o.planes);
    drawHalos(gl, o.halos, slices);
    gl.opacity(1);
}

} // namespace

void DrawLoadedStructure(Draw& gl, const LoadedStructureScene& scene, const DisplayOptions& opt,
                         const StructureOverlay* overlay)
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
    if (overlay && !overlay->empty())
        drawOverlay(gl, *overlay, scene.slices);
    EndStructureScene(gl);
}

} // namespace vestrel::structures
