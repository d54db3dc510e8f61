// SPDX-License-Identifier: MIT
// Magnesium, cadmium iodide and wurtzite: a hexagonal prism of atoms with
// further atoms between its two faces, joined to the prism axis by spokes.
#include "scenes/structures/element_colours.h"
#include "scenes/structures/hexagonal_common.h"
#include "scenes/structures/structure_common.h"
#include "scenes/structures/structures.h"

namespace vestrel::structures {

namespace {

// Entry, the 0.8 scale, line width.
void BeginPrismScene(Draw& gl)
{
    BeginStructureScene(gl, {0, 0, 0});
    ScaleHexagonalScene(gl);
    SetStructureLineWidth(gl);
}

// Grey, then the frame and the spokes if the lines are shown; exit.
void FinishPrismScene(Draw& gl, const DisplayOptions& opt, std::span<const Vec3> spokeAtoms)
{
    SetLineColour(gl);
    if (opt.showLines)
        DrawPrismLines(gl, spokeAtoms);
    EndStructureScene(gl);
}

// Magnesium: one layer of three atoms halfway between the faces.
constexpr std::array<Vec3, 3> MagnesiumInner{{{18, 0, 12}, {-18, 0, 12}, {0, 0, -18}}};
constexpr std::array<Vec3, 3> MagnesiumSpokes{{{-18, 0, 12}, {0, 0, -18}, {18, 0, 12}}};

// Cadmium iodide: cadmium on the faces of the prism, two iodine layers
// between them turned half a turn against each other. Each cadmium layer
// lies between two iodine layers (the one above it belongs to the next
// cell), and the two iodine layers inside the prism face each other across
// the gap between the I-Cd-I sandwiches.
constexpr std::array<Vec3, 6> IodineInner{{
    {18, -20, 12}, {-18, -20, 12}, {0, -20, -18},
    {-18, 20, -12}, {18, 20, -12}, {0, 20, 18},
}};
constexpr std::array<Vec3, 6> IodineSpokes{{
    {-18, -20, 12}, {18, 20, -12}, {0, 20, 18},
    {0, -20, -18}, {-18, 20, -12}, {18, -20, 12},
}};

// Wurtzite: zinc on the prism's edges and axis 30 below the top face, a zinc
// layer and a sulfur layer between the faces.
constexpr Vec3 WurtziteZincHexagonCentre{0, 10, 0};
constexpr std::array<Vec3, 3> WurtziteZincLayer{{{-18, -30, -12}, {18, -30, -12}, {0, -30, 18}}};
constexpr std::array<Vec3, 3> WurtziteSulfurLayer{{{-18, 0, -12}, {18, 0, -12}, {0, 0, 18}}};
constexpr std::array<Vec3, 6> WurtziteSpokes{{
    {18, 0, -12}, {18, -30, -12}, {0, 0, 18},
    {0, -30, 18}, {-18, 0, -12}, {-18, -30, -12},
}};

// The zinc atom on the axis, then one on each vertical edge.
constexpr std::array<Vec3, 7> WurtziteZincHexagon()
{
    std::array<Vec3, 7> atoms{WurtziteZincHexagonCentre};
    for (std::size_t i = 0; i < HexagonOffsets.size(); ++i)
        atoms[i + 1] = WurtziteZincHexagonCentre + HexagonOffsets[i];
    return atoms;
}

} // namespace

void DrawMagnesium(Draw& gl, const DisplayOptions& opt)
{
    BeginPrismScene(gl);
    DrawPrismAtoms(gl, Mg);
    DrawAtomsInCurrentColour(gl, HexagonalAtomSlices, MagnesiumInner);
    FinishPrismScene(gl, opt, MagnesiumSpokes);
}

void DrawCadmiumIodide(Draw& gl, const DisplayOptions& opt)
{
    BeginPrismScene(gl);
    DrawPrismAtoms(gl, Cd);
    DrawAtoms(gl, I, HexagonalAtomSlices, IodineInner);
    FinishPrismScene(gl, opt, IodineSpokes);
}

void DrawWurtzite(Draw& gl, const DisplayOptions& opt)
{
    BeginPrismScene(gl);
    DrawPrismAtoms(gl, S);
    static constexpr auto zincHexagon = WurtziteZincHexagon();
    DrawAtoms(gl, Zn, HexagonalAtomSlices, zincHexagon);
    DrawAtoms(gl, Zn, HexagonalAtomSlices, WurtziteZincLayer);
    DrawAtoms(gl, S, HexagonalAtomSlices, WurtziteSulfurLayer);
    FinishPrismScene(gl, opt, WurtziteSpokes);
}

} // namespace vestrel::structures
