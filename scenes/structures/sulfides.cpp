// SPDX-License-Identifier: MIT
// Iron sulfides: pyrite, a face-centred iron cube with S-S pairs, and
// chalcopyrite, two sphalerite-type cubes stacked into one tall cell with Cu
// and Fe sharing the metal places.
#include "scenes/structures/structures.h"

#include "scenes/structures/cubic_cells.h"
#include "scenes/structures/element_colours.h"
#include "scenes/structures/structure_common.h"

#include <array>

namespace vestrel::structures {

namespace {

constexpr Vec3 NoOffset{0, 0, 0};

namespace pyrite {

constexpr int Resolution = 25;
constexpr std::array<int, 3> Grid{-25, 0, 25};

// The 6 face centres, then the 8 corners.
constexpr std::array<Vec3, 14> Iron{{
    {-25, 0, 0}, {25, 0, 0}, {0, -25, 0}, {0, 25, 0}, {0, 0, -25}, {0, 0, 25},
    {-25, -25, -25}, {25, -25, -25}, {-25, 25, -25}, {25, 25, -25},
    {-25, -25, 25}, {25, -25, 25}, {-25, 25, 25}, {25, 25, 25},
}};

// Thirteen S-S pairs about the cube centre and the 12 edge midpoints; each
// pair is drawn first atom, second atom, and joined by one line. The pairs
// lie along the four body diagonals as in Pa-3: pairs whose midpoints differ
// by a whole cell edge are parallel, and the sulfur atoms sit 0.1 of the
// cell edge from the midpoints along each axis (u = 0.4).
constexpr std::array<Segment, 13> SulfurPairs{{
    {{-5, -5, 5}, {5, 5, -5}},        // ( 0,   0,   0)
    {{-30, -5, -30}, {-20, 5, -20}},  // (-25,  0, -25)
    {{-20, 5, 30}, {-30, -5, 20}},    // (-25,  0,  25)
    {{20, -5, 20}, {30, 5, 30}},      // ( 25,  0,  25)
    {{30, 5, -20}, {20, -5, -30}},    // ( 25,  0, -25)
    {{30, 20, 5}, {20, 30, -5}},      // ( 25, 25,   0)
    {{-5, 30, -20}, {5, 20, -30}},    // (  0, 25, -25)
    {{-20, 20, 5}, {-30, 30, -5}},    // (-25, 25,   0)
    {{-5, 30, 30}, {5, 20, 20}},      // (  0, 25,  25)
    {{-5, -20, 30}, {5, -30, 20}},    // (  0, -25, 25)
    {{-20, -30, 5}, {-30, -20, -5}},  // (-25, -25,  0)
    {{-5, -20, -20}, {5, -30, -30}},  // (  0, -25, -25)
    {{30, -30, 5}, {20, -20, -5}},    // ( 25, -25,  0)
}};

constexpr std::array<Vec3, 26> SulfurAtoms()
{
    std::array<Vec3, 26> out{};
    for (std::size_t i = 0; i < SulfurPairs.size(); ++i) {
        out[2 * i] = SulfurPairs[i].from;
        out[2 * i + 1] = SulfurPairs[i].to;
    }
    return out;
}

constexpr auto Sulfur = SulfurAtoms();

} // namespace pyrite

namespace chalcopyrite {

// Moves the middle of the two stacked cubes, (0, 40, 0) scaled by 0.8, to the
// centre, so the cell turns about its own middle.
constexpr Vec3 Shift{0, -32, 0};
constexpr double SmallerCell = 0.8;
constexpr int Resolution = 30;
constexpr int H = 40;
constexpr std::array<int, 2> Grid{-H, H};
// From the lower cube to the upper one; stays in force for the upper atoms.
constexpr Vec3 UpperCube{0, 80, 0};

constexpr std::array<Vec3, 4> LowCorners{{
    {-40, -40, -40}, {40, -40, -40}, {-40, -40, 40}, {40, -40, 40},
}};
constexpr std::array<Vec3, 4> HighCorners{{
    {-40, 40, -40}, {40, 40, -40}, {-40, 40, 40}, {40, 40, 40},
}};
constexpr std::array<Vec3, 3> SideAndTopCentres{{
    {-40, 0, 0}, {40, 0, 0}, {0, 40, 0},
}};
constexpr std::array<Vec3, 3> BottomAndFrontCentres{{
    {0, -40, 0}, {0, 0, 40}, {0, 0, -40},
}};
constexpr auto Sulfur = Scaled(OddInnerSigns, H / 2);

void DrawCubeLines(Draw& gl)
{
    DrawCellGrid(gl, Grid);
    for (const Vec3& signs : OddInnerSigns)
        DrawTetrahedralBonds(gl, signs, H);
}

// The upper cube is the lower one with Cu and Fe exchanged.
void DrawCubeAtoms(Draw& gl, Colour first, Colour second)
{
    SetAtomQuadric(gl);
    DrawAtoms(gl, first, Resolution, LowCorners);
    DrawAtoms(gl, second, Resolution, HighCorners);
    DrawAtoms(gl, first, Resolution, SideAndTopCentres);
    DrawAtoms(gl, second, Resolution, BottomAndFrontCentres);
    DrawAtoms(gl, S, Resolution, Sulfur);
}

} // namespace chalcopyrite

} // namespace

void DrawPyrite(Draw& gl, const DisplayOptions& opt)
{
    using namespace pyrite;
    BeginStructureScene(gl, NoOffset);
    SetStructureLineWidth(gl);
    SetLineColour(gl);
    if (opt.showLines) {
        DrawCellGrid(gl, Grid);
        DrawSegments(gl, SulfurPairs);
    }
    SetAtomQuadric(gl);
    DrawAtoms(gl, Fe, Resolution, Iron);
    DrawAtoms(gl, S, Resolution, Sulfur);
    EndStructureScene(gl);
}

void DrawChalcopyrite(Draw& gl, const DisplayOptions& opt)
{
    using namespace chalcopyrite;
    BeginStructureScene(gl, NoOffset);
    gl.translated(Shift.x, Shift.y, Shift.z);
    gl.scaled(SmallerCell, SmallerCell, SmallerCell);
    SetStructureLineWidth(gl);
    SetLineColour(gl);
    if (opt.showLines) {
        DrawCubeLines(gl);
        gl.translated(UpperCube.x, UpperCube.y, UpperCube.z);
        DrawCubeLines(gl);
        gl.translated(-UpperCube.x, -UpperCube.y, -UpperCube.z);
    }
    DrawCubeAtoms(gl, Cu, Fe);
    gl.translated(UpperCube.x, UpperCube.y, UpperCube.z);
    DrawCubeAtoms(gl, Fe, Cu);
    EndStructureScene(gl);
}

} // namespace vestrel::structures
