// SPDX-License-Identifier: MIT
// Graphite and hexagonal boron nitride: three rings of atoms meeting at one
// atom in the upper layer and one ring in the lower layer, with hexagons of
// connecting lines along the rings and three vertical lines between the
// layers.
#include "scenes/structures/element_colours.h"
#include "scenes/structures/hexagonal_common.h"
#include "scenes/structures/structure_common.h"
#include "scenes/structures/structures.h"

namespace vestrel::structures {

namespace {

// Three rings meeting at one atom in the upper layer (R1, R2, R4) and one ring
// in the lower layer (R3), with a hexagon of connecting lines through the
// atom centres of every ring and vertical lines from upper atoms down to the
// atoms right below them.
struct LayeredNet {
    std::array<Vec3, 4> rings; // centres, in drawing order: R1, R2, R3, R4
    std::array<ConnectingLine, 1> r2Verticals;
    std::array<ConnectingLine, 2> r4Verticals;
};

constexpr Vec3 Below(const Vec3& p) { return {p.x, -40, p.z}; }
constexpr ConnectingLine Down(const Vec3& centre, int vertex)
{
    return {centre + HexagonOffsets[vertex], Below(centre + HexagonOffsets[vertex])};
}

constexpr Vec3 R1{0, 40, 0};
constexpr Vec3 R2{54, 40, 30};
constexpr Vec3 R4{54, 40, -30};

// Graphite: the lower ring shifted against the upper ones (ABAB stacking),
// centred under the atom the three upper rings share; every other atom of
// the upper layer has an atom right below it.
constexpr LayeredNet Graphite{
    {{R1, R2, {36, -40, 0}, R4}},
    {{Down(R2, 4)}},
    {{Down(R4, 4), Down(R4, 1)}},
};

// Hexagonal boron nitride: the rings of the two layers right above each
// other (the lower ring under R1), B and N exchanged between the layers, so
// that every N lies over a B and every B over an N.
constexpr LayeredNet BoronNitride{
    {{R1, R2, {0, -40, 0}, R4}},
    {{Down(R2, 4)}},
    {{Down(R4, 4), Down(R4, 5)}},
};
constexpr std::size_t LowerRing = 2;

// Boron nitride: nitrogen at V0, V3 and V5, boron at V1, V2 and V4, so the
// two alternate around every ring; the lower layer has them the other way.
constexpr std::array<Colour, 6> BoronNitrideRingColours{N, B, B, N, B, N};
constexpr std::array<Colour, 6> BoronNitrideLowerRingColours{B, N, N, B, N, B};

void DrawNetLines(Draw& gl, const DisplayOptions& opt, const LayeredNet& net)
{
    SetLineColour(gl);
    if (!opt.showLines)
        return;
    DrawLineHexagon(gl, net.rings[0]);
    DrawLineHexagon(gl, net.rings[1], net.r2Verticals);
    DrawLineHexagon(gl, net.rings[2]);
    DrawLineHexagon(gl, net.rings[3], net.r4Verticals);
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
    for (const Vec3& ring : Graphite.rings)
        DrawAtomRing(gl, ring);
    DrawNetLines(gl, opt, Graphite);
    EndStructureScene(gl);
}

void DrawBoronNitride(Draw& gl, const DisplayOptions& opt)
{
    BeginStructureScene(gl, {-30, 10, 0});
    ScaleHexagonalScene(gl);
    SetStructureLineWidth(gl);
    SetAtomQuadric(gl);
    for (std::size_t i = 0; i < BoronNitride.rings.size(); ++i)
        DrawAtomRing(gl, BoronNitride.rings[i],
                     i == LowerRing ? BoronNitrideLowerRingColours : BoronNitrideRingColours);
    DrawNetLines(gl, opt, BoronNitride);
    EndStructureScene(gl);
}

} // namespace vestrel::structures
