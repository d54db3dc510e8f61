// SPDX-License-Identifier: MIT
// Graphite and hexagonal boron nitride: three rings of atoms meeting at one
// atom in the upper layer and one ring in the lower layer, with hexagons of
// connecting lines beside them and three vertical lines between the layers.
#include "scenes/structures/element_colours.h"
#include "scenes/structures/hexagonal_common.h"
#include "scenes/structures/structure_common.h"
#include "scenes/structures/structures.h"

namespace vestrel::structures {

namespace {

// Centres of the atom rings, in drawing order: R1, R2, R3 (lower layer), R4.
constexpr std::array<Vec3, 4> AtomRings{{
    {0, 40, 0},
    {54, 40, 30},
    {36, -40, 1},
    {54, 40, -30},
}};

// Centres of the line hexagons L1 .. L4, each 2 towards -x and 1 towards +z
// from its atom ring.
constexpr Vec3 L1{-2, 40, 1};
constexpr Vec3 L2{52, 40, 31};
constexpr Vec3 L3{34, -40, 2};
constexpr Vec3 L4{52, 40, -29};

// Vertical lines down to the lower layer, from L2 + V4, L4 + V4 and L4 + V1.
constexpr std::array<ConnectingLine, 1> L2Verticals{{{{16, 40, 31}, {16, -40, 31}}}};
constexpr std::array<ConnectingLine, 2> L4Verticals{{
    {{16, 40, -29}, {16, -40, -29}},
    {{70, 40, 1}, {70, -40, 1}},
}};

// Boron nitride: nitrogen at V0, V3 and V5, boron at V1, V2 and V4, so the
// two alternate around every ring.
constexpr std::array<Colour, 6> BoronNitrideRingColours{N, B, B, N, B, N};

void DrawNetLines(Draw& gl, const DisplayOptions& opt)
{
    SetLineColour(gl);
    if (!opt.showLines)
        return;
    DrawLineHexagon(gl, L1);
    DrawLineHexagon(gl, L2, L2Verticals);
    DrawLineHexagon(gl, L3);
    DrawLineHexagon(gl, L4, L4Verticals);
}

} // namespace

void DrawGraphite(Draw& gl, const DisplayOptions& opt)
{
    BeginStructureScene(gl, {0, 50, 0});
    ScaleHexagonalScene(gl);
    gl.translated(-40, 40, 0);
    SetStructureLineWidth(gl);
    gl.colour(C.r, C.g, C.b);
    SetAtomQuadric(gl);
    for (const Vec3& ring : AtomRings)
        DrawAtomRing(gl, ring);
    DrawNetLines(gl, opt);
    EndStructureScene(gl);
}

void DrawBoronNitride(Draw& gl, const DisplayOptions& opt)
{
    BeginStructureScene(gl, {-30, 10, 0});
    ScaleHexagonalScene(gl);
    SetStructureLineWidth(gl);
    SetAtomQuadric(gl);
    for (const Vec3& ring : AtomRings)
        DrawAtomRing(gl, ring, BoronNitrideRingColours);
    DrawNetLines(gl, opt);
    EndStructureScene(gl);
}

} // namespace vestrel::structures
