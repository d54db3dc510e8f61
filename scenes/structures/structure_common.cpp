// SPDX-License-Identifier: MIT
#include "scenes/structures/structure_common.h"

namespace vestrel::structures {

void BeginStructureScene(Draw& gl, Vec3 offset)
{
    gl.lighting(false);
    gl.pushMatrix();
    gl.colour(EntryColour.r, EntryColour.g, EntryColour.b);
    gl.translated(offset.x, offset.y, offset.z);
    gl.rotatef(180, 1, 0, 0);
}

void SetStructureLineWidth(Draw& gl) { gl.lineWidth(StructureLineWidth); }

void EndStructureScene(Draw& gl)
{
    gl.colour(LineColour.r, LineColour.g, LineColour.b);
    gl.popMatrix();
}

void SetLineColour(Draw& gl) { gl.colour(LineColour.r, LineColour.g, LineColour.b); }

void DrawLine(Draw& gl, Vec3 from, Vec3 to)
{
    gl.begin(Primitive::Lines);
    gl.vertex(static_cast<float>(from.x), static_cast<float>(from.y), static_cast<float>(from.z));
    gl.vertex(static_cast<float>(to.x), static_cast<float>(to.y), static_cast<float>(to.z));
    gl.end();
}

void DrawCellGrid(Draw& gl, std::span<const int> k) { DrawCellGrid(gl, k, k, k); }

// The loops run exactly so: first, for every (a, b), a segment along Z and a
// segment along Y in one primitive; then, for every (a, b), a segment along X.
// a indexes the outer list, b the inner one; the lists per axis let a
// non-cubic cell use its own spacings.
void DrawCellGrid(Draw& gl, std::span<const int> kx, std::span<const int> ky, std::span<const int> kz)
{
    const auto f = [](int v) { return static_cast<float>(v); };
    const float x1 = f(kx.front()), xn = f(kx.back());
    const float y1 = f(ky.front()), yn = f(ky.back());
    const float z1 = f(kz.front()), zn = f(kz.back());
    // In the first loop a runs over the Y values of the Z-segment and the Z
    // values of the Y-segment; for a cubic grid both are the same list.
    for (std::size_t ai = 0; ai < ky.size(); ++ai)
        for (int b : kx) {
            gl.begin(Primitive::Lines);
            gl.vertex(f(b), f(ky[ai]), z1);
            gl.vertex(f(b), f(ky[ai]), zn);
            gl.vertex(f(b), y1, f(kz[ai]));
            gl.vertex(f(b), yn, f(kz[ai]));
            gl.end();
        }
    for (int a : kz)
        for (int b : ky) {
            gl.begin(Primitive::Lines);
            gl.vertex(x1, f(b), f(a));
            gl.vertex(xn, f(b), f(a));
            gl.end();
        }
}

void SetAtomQuadric(Draw& gl)
{
    gl.quadricDrawStyle(QuadricStyle::Fill);
    gl.quadricOrientation(QuadricOrientation::Inside);
    gl.quadricNormals(QuadricNormals::Smooth);
}

void DrawAtoms(Draw& gl, Colour colour, int slices, std::span<const Vec3> positions)
{
    gl.colour(colour.r, colour.g, colour.b);
    for (const Vec3& p : positions) {
        gl.translated(p.x, p.y, p.z);
        gl.sphere(AtomRadius, slices, slices);
        gl.translated(-p.x, -p.y, -p.z);
    }
}

void DrawAtoms(Draw& gl, Colour colour, int slices, std::initializer_list<Vec3> positions)
{
    DrawAtoms(gl, colour, slices, std::span<const Vec3>(positions.begin(), positions.size()));
}

void SelectScrewAxisColour(Draw& gl, const DisplayOptions& opt)
{
    if (opt.screwColour == 0)
        gl.colour(0, 1, 0);
    if (opt.screwColour == 1)
        gl.colour(1, 0, 0);
    if (opt.screwColour == 2)
        gl.colour(0, 0, 1);
    if (opt.screwColour == 3)
        gl.colour(1, 1, 0);
}

void DrawArrowCone(Draw& gl, Vec3 p, float angle, Vec3 axis)
{
    const auto ax = static_cast<float>(axis.x), ay = static_cast<float>(axis.y), az = static_cast<float>(axis.z);
    gl.translated(p.x, p.y, p.z);
    gl.rotatef(angle, ax, ay, az);
    gl.cylinder(0, 1, 3, 10, 10);
    gl.rotatef(-angle, ax, ay, az);
    gl.translated(-p.x, -p.y, -p.z);
}

} // namespace vestrel::structures
