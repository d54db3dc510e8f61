// SPDX-License-Identifier: MIT
// Structures whose atoms sit on the points of simple cubic grids: rock salt,
// caesium chloride, alpha iron (body-centred), gamma iron and copper
// (face-centred).
#include "scenes/structures/structures.h"

#include "scenes/structures/cubic_cells.h"
#include "scenes/structures/element_colours.h"
#include "scenes/structures/structure_common.h"

#include <array>

namespace vestrel::structures {

namespace {

constexpr Vec3 NoOffset{0, 0, 0};

// Rock salt: two stacked cells of 2 x 2 x 2 small cubes, Na and Cl
// alternating, with a screw axis through a column of Cl atoms.
namespace rock_salt {

constexpr Vec3 Offset{0, -20, 0};
constexpr int Resolution = 30;
constexpr std::array<int, 3> Grid{-20, 0, 20};

// x/20 + y/20 + z/20 even: the centre and the 12 edge midpoints.
constexpr std::array<Vec3, 13> Sodium{{
    {0, 0, 0},
    {0, -20, -20}, {0, -20, 20}, {0, 20, -20}, {0, 20, 20},
    {-20, -20, 0}, {-20, 20, 0}, {20, -20, 0}, {20, 20, 0},
    {-20, 0, -20}, {-20, 0, 20}, {20, 0, -20}, {20, 0, 20},
}};

// x/20 + y/20 + z/20 odd: the 6 face centres and the 8 corners.
constexpr std::array<Vec3, 14> Chlorine{{
    {-20, 0, 0}, {20, 0, 0}, {0, -20, 0}, {0, 20, 0}, {0, 0, -20}, {0, 0, 20},
    {-20, -20, -20}, {20, -20, -20}, {-20, 20, -20}, {20, 20, -20},
    {-20, -20, 20}, {20, -20, 20}, {-20, 20, 20}, {20, 20, 20},
}};

// The second cell is drawn below the first; the move stays in force.
constexpr Vec3 SecondCellShift{0, -40, 0};

// The axis, then the helix.
constexpr std::array<Segment, 5> ScrewAxis{{
    {{-10, 30, -10}, {-10, -70, -10}},
    {{-20, 20, -20}, {0, 0, -20}},
    {{0, 0, -20}, {0, -20, 0}},
    {{0, -20, 0}, {-20, -40, 0}},
    {{-20, -40, 0}, {-20, -60, -20}},
}};

constexpr std::array<ArrowHead, 4> Arrows{{
    {{0, -10, -10}, -140, {1, 0, 0}},
    {{-10, 10, -20}, -90, {1, 1, 0}},
    {{-10, -30, 0}, 90, {-1, 1, 0}},
    {{-20, -50, -10}, -40, {1, 0, 0}},
}};

void DrawScrewAxis(Draw& gl, const DisplayOptions& opt)
{
    if (!opt.showScrewAxes)
        return;
    SelectScrewAxisColour(gl, opt);
    DrawSegmentBatch(gl, ScrewAxis);
    SetAtomQuadric(gl);
    DrawArrowHeads(gl, Arrows);
}

void DrawCell(Draw& gl, const DisplayOptions& opt)
{
    SetLineColour(gl);
    if (opt.showLines)
        DrawCellGrid(gl, Grid);
    SetAtomQuadric(gl);
    DrawAtoms(gl, Na, Resolution, Sodium);
    DrawAtoms(gl, Cl, Resolution, Chlorine);
}

} // namespace rock_salt

// Caesium chloride: a Cl cube and a Cs cube, each with a corner at the
// other's centre.
namespace caesium_chloride {

constexpr Vec3 Shift{-15, -15, -15};
constexpr int Resolution = 30;
constexpr std::array<int, 2> Grid{-30, 30};
constexpr Vec3 CaesiumCube{30, 30, 30};

constexpr std::array<Vec3, 8> Chlorine{{
    {-30, -30, -30}, {30, -30, -30}, {-30, 30, -30}, {30, 30, -30},
    {-30, -30, 30}, {30, -30, 30}, {-30, 30, 30}, {30, 30, 30},
}};

// The corners of the cube from 0 to 60.
constexpr std::array<Vec3, 8> Caesium{{
    {0, 0, 0}, {60, 0, 0}, {0, 60, 0}, {60, 60, 0},
    {0, 0, 60}, {60, 0, 60}, {0, 60, 60}, {60, 60, 60},
}};

} // namespace caesium_chloride

// Alpha iron: body-centred cube with two body diagonals.
namespace alpha_iron {

constexpr int Resolution = 25;
constexpr std::array<int, 2> Grid{-25, 25};

// Each from a corner to the centre.
constexpr std::array<Segment, 4> HalfDiagonals{{
    {{-25, -25, 25}, {0, 0, 0}},
    {{25, 25, -25}, {0, 0, 0}},
    {{25, 25, 25}, {0, 0, 0}},
    {{-25, -25, -25}, {0, 0, 0}},
}};

constexpr std::array<Vec3, 9> Iron{{
    {0, 0, 0},
    {-25, -25, -25}, {25, -25, -25}, {-25, 25, -25}, {25, 25, -25},
    {-25, -25, 25}, {25, -25, 25}, {-25, 25, 25}, {25, 25, 25},
}};

} // namespace alpha_iron

// Gamma iron and copper: the same face-centred cube of half-edge 25.
namespace face_centred {

constexpr int Resolution = 25;
constexpr std::array<int, 3> GammaIronGrid{-25, 0, 25};
constexpr std::array<int, 2> CopperGrid{-25, 25};

// Opposite face centres joined through the centre.
constexpr std::array<Segment, 3> CopperCentreLines{{
    {{0, -25, 0}, {0, 25, 0}},
    {{-25, 0, 0}, {25, 0, 0}},
    {{0, 0, -25}, {0, 0, 25}},
}};

// The 6 face centres, then the 8 corners.
constexpr std::array<Vec3, 14> Places{{
    {-25, 0, 0}, {25, 0, 0}, {0, -25, 0}, {0, 25, 0}, {0, 0, -25}, {0, 0, 25},
    {-25, -25, -25}, {25, -25, -25}, {-25, 25, -25}, {25, 25, -25},
    {-25, -25, 25}, {25, -25, 25}, {-25, 25, 25}, {25, 25, 25},
}};

} // namespace face_centred

} // namespace

void DrawRockSalt(Draw& gl, const DisplayOptions& opt)
{
    using namespace rock_salt;
    BeginStructureScene(gl, Offset);
    SetStructureLineWidth(gl);
    DrawScrewAxis(gl, opt);
    SetLineColour(gl);
    DrawCell(gl, opt);
    gl.translated(SecondCellShift.x, SecondCellShift.y, SecondCellShift.z);
    SetStructureLineWidth(gl);
    DrawCell(gl, opt);
    EndStructureScene(gl);
}

void DrawCaesiumChloride(Draw& gl, const DisplayOptions& opt)
{
    using namespace caesium_chloride;
    BeginStructureScene(gl, NoOffset);
    gl.translated(Shift.x, Shift.y, Shift.z);
    SetStructureLineWidth(gl);
    SetLineColour(gl);
    if (opt.showLines) {
        DrawCellGrid(gl, Grid);
        gl.translated(CaesiumCube.x, CaesiumCube.y, CaesiumCube.z);
        DrawCellGrid(gl, Grid);
        gl.translated(-CaesiumCube.x, -CaesiumCube.y, -CaesiumCube.z);
    }
    SetAtomQuadric(gl);
    DrawAtoms(gl, Cl, Resolution, Chlorine);
    DrawAtoms(gl, Cs, Resolution, Caesium);
    EndStructureScene(gl);
}

void DrawAlphaIron(Draw& gl, const DisplayOptions& opt)
{
    using namespace alpha_iron;
    BeginStructureScene(gl, NoOffset);
    SetStructureLineWidth(gl);
    SetLineColour(gl);
    if (opt.showLines) {
        DrawCellGrid(gl, Grid);
        DrawSegments(gl, HalfDiagonals);
    }
    SetAtomQuadric(gl);
    DrawAtoms(gl, Fe, Resolution, Iron);
    EndStructureScene(gl);
}

void DrawGammaIron(Draw& gl, const DisplayOptions& opt)
{
    using namespace face_centred;
    BeginStructureScene(gl, NoOffset);
    SetStructureLineWidth(gl);
    SetLineColour(gl);
    if (opt.showLines)
        DrawCellGrid(gl, GammaIronGrid);
    SetAtomQuadric(gl);
    DrawAtoms(gl, Fe, Resolution, Places);
    EndStructureScene(gl);
}

void DrawCopper(Draw& gl, const DisplayOptions& opt)
{
    using namespace face_centred;
    BeginStructureScene(gl, NoOffset);
    SetStructureLineWidth(gl);
    SetLineColour(gl);
    if (opt.showLines) {
        DrawCellGrid(gl, CopperGrid);
        DrawSegments(gl, CopperCentreLines);
    }
    SetAtomQuadric(gl);
    DrawAtoms(gl, Cu, Resolution, Places);
    EndStructureScene(gl);
}

} // namespace vestrel::structures
