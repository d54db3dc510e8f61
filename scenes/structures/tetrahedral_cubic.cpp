// SPDX-License-Identifier: MIT
// Structures on one cubic cell with atoms at the tetrahedral places, a
// quarter of the way along the body diagonals: cuprite, diamond, sphalerite
// and fluorite.
#include "scenes/structures/structures.h"

#include "scenes/structures/cubic_cells.h"
#include "scenes/structures/element_colours.h"
#include "scenes/structures/structure_common.h"

#include <array>

namespace vestrel::structures {

namespace {

constexpr Vec3 NoOffset{0, 0, 0};
constexpr double SmallerCell = 0.8;
constexpr int Resolution = 30;

void BeginScaledScene(Draw& gl)
{
    BeginStructureScene(gl, NoOffset);
    gl.scaled(SmallerCell, SmallerCell, SmallerCell);
    SetStructureLineWidth(gl);
}

// Corners, then face centres in the order (-h,0,0), (h,0,0), (0,h,0),
// (0,-h,0), (0,0,h), (0,0,-h).
constexpr std::array<Vec3, 14> OuterPlaces(double h)
{
    return Joined(Scaled(CornerSigns, h), Scaled(FaceCentreSigns, h));
}

void DrawOddInnerBonds(Draw& gl, double h)
{
    for (const Vec3& signs : OddInnerSigns)
        DrawTetrahedralBonds(gl, signs, h);
}

// Cuprite: O on a body-centred cube, Cu halfway between the centre and the
// odd corners; a 4_2 screw axis in a face of the cell.
namespace cuprite {

constexpr std::array<int, 2> Grid{-30, 30};

// Each passes through a Cu atom.
constexpr std::array<Segment, 4> CornerToCentre{{
    {{-30, -30, -30}, {0, 0, 0}},
    {{30, 30, -30}, {0, 0, 0}},
    {{-30, 30, 30}, {0, 0, 0}},
    {{30, -30, 30}, {0, 0, 0}},
}};

// A true 4_2 axis of the cell: the vertical line through the middle of the
// face z = -30. A quarter turn about it followed by half a cell edge along it
// takes the crystal onto itself. The helix runs through three oxygen atoms
// that this operation takes one onto the next, (-30, 30, -30), the centre and
// (30, -30, -30), clear of the copper atoms and their bond lines.
constexpr Segment HelixSteps[] = {
    {{-30, 30, -30}, {0, 0, 0}},
    {{0, 0, 0}, {30, -30, -30}},
};

// The axis, then the helix.
constexpr std::array<Segment, 3> ScrewAxis{{
    {{0, 50, -30}, {0, -50, -30}},
    HelixSteps[0],
    HelixSteps[1],
}};

// On the middle of each step, pointing along it; drawn with whatever quadric
// state is current.
const std::array<ArrowHead, 2> Arrows{{ArrowheadOn(HelixSteps[0]), ArrowheadOn(HelixSteps[1])}};

constexpr std::array<Vec3, 9> Oxygen{{
    {0, 0, 0},
    {-30, -30, -30}, {30, -30, -30}, {-30, 30, -30}, {30, 30, -30},
    {-30, -30, 30}, {30, -30, 30}, {-30, 30, 30}, {30, 30, 30},
}};

constexpr std::array<Vec3, 4> Copper{{
    {-15, -15, -15}, {15, 15, -15}, {-15, 15, 15}, {15, -15, 15},
}};

void DrawScrewAxis(Draw& gl, const DisplayOptions& opt)
{
    if (!opt.showScrewAxes)
        return;
    SelectScrewAxisColour(gl, opt);
    DrawSegmentBatch(gl, ScrewAxis);
    DrawArrowHeads(gl, Arrows);
}

} // namespace cuprite

namespace diamond {

constexpr int H = 30;
constexpr std::array<int, 2> Grid{-H, H};
// One group: corners, face centres, odd inner places.
constexpr auto Carbon = Joined(OuterPlaces(H), Scaled(OddInnerSigns, H / 2));

} // namespace diamond

namespace sphalerite {

constexpr int H = 40;
constexpr std::array<int, 2> Grid{-H, H};
constexpr auto Sulfur = OuterPlaces(H);
constexpr auto Zinc = Scaled(OddInnerSigns, H / 2);

} // namespace sphalerite

// Calcium forms the face-centred array and fluorine fills the eight
// tetrahedral holes, which gives CaF2.
namespace fluorite {

constexpr int H = 30;
constexpr std::array<int, 2> Grid{-H, H};
constexpr auto Calcium = OuterPlaces(H);

constexpr std::array<Vec3, 8> InnerSigns{{
    {-1, -1, -1}, {1, -1, -1}, {-1, -1, 1}, {1, -1, 1},
    {1, 1, 1}, {-1, 1, 1}, {-1, 1, -1}, {1, 1, -1},
}};
constexpr auto Fluorine = Scaled(InnerSigns, H / 2);

} // namespace fluorite

} // namespace

void DrawCuprite(Draw& gl, const DisplayOptions& opt)
{
    using namespace cuprite;
    BeginStructureScene(gl, NoOffset);
    SetStructureLineWidth(gl);
    SetLineColour(gl);
    if (opt.showLines) {
        DrawCellGrid(gl, Grid);
        DrawSegments(gl, CornerToCentre);
    }
    DrawScrewAxis(gl, opt);
    SetAtomQuadric(gl);
    DrawAtoms(gl, O, Resolution, Oxygen);
    DrawAtoms(gl, Cu, Resolution, Copper);
    EndStructureScene(gl);
}

void DrawDiamond(Draw& gl, const DisplayOptions& opt)
{
    using namespace diamond;
    BeginScaledScene(gl);
    SetLineColour(gl);
    if (opt.showLines) {
        DrawCellGrid(gl, Grid);
        DrawOddInnerBonds(gl, H);
    }
    SetAtomQuadric(gl);
    DrawAtoms(gl, C, Resolution, Carbon);
    EndStructureScene(gl);
}

void DrawSphalerite(Draw& gl, const DisplayOptions& opt)
{
    using namespace sphalerite;
    BeginScaledScene(gl);
    SetLineColour(gl);
    if (opt.showLines) {
        DrawCellGrid(gl, Grid);
        DrawOddInnerBonds(gl, H);
    }
    SetAtomQuadric(gl);
    DrawAtoms(gl, S, Resolution, Sulfur);
    DrawAtoms(gl, Zn, Resolution, Zinc);
    EndStructureScene(gl);
}

void DrawFluorite(Draw& gl, const DisplayOptions& opt)
{
    using namespace fluorite;
    BeginScaledScene(gl);
    SetLineColour(gl);
    if (opt.showLines) {
        DrawCellGrid(gl, Grid);
        for (const Vec3& signs : InnerSigns)
            DrawTetrahedralBonds(gl, signs, H);
    }
    SetAtomQuadric(gl);
    DrawAtoms(gl, Ca, Resolution, Calcium);
    DrawAtoms(gl, F, Resolution, Fluorine);
    EndStructureScene(gl);
}

} // namespace vestrel::structures
