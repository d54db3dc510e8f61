// SPDX-License-Identifier: MIT
// Calcite: calcium in the hexagonal prism with carbonate groups in layers
// between its faces. Rutile: a tetragonal cell with titanium at its corners
// and centre and oxygen on three diagonals.
#include "scenes/structures/element_colours.h"
#include "scenes/structures/hexagonal_common.h"
#include "scenes/structures/structure_common.h"
#include "scenes/structures/structures.h"

#include <cmath>
#include <numbers>

namespace vestrel::structures {

namespace {

// The carbonate group on the axis at half height.
constexpr Vec3 CalciteCentre{0, 0, 0};

// The three oxygen atoms of a carbonate group about its carbon atom: an
// equilateral triangle centred on the carbon, in the plane of the layer.
// The C-O distance is the mean of the three the groups were once drawn with
// (two of √117 and one of 9). In the layer y = 0 one oxygen points towards
// +Z and the other two lie behind the carbon to either side, in this order:
// (-x, -z), (+x, -z), (0, +z); the groups of the layers y = -30 and y = 30,
// next to it across the calcium layers, are turned half a turn about the
// vertical.
const double CarbonOxygen = (2 * std::sqrt(117.0) + 9) / 3;

std::array<Vec3, 3> CarbonateOxygens(const Vec3& carbon)
{
    const double side = CarbonOxygen * std::numbers::sqrt3 / 2, back = CarbonOxygen / 2;
    // Carbonate layers lie 30 apart; every other one is turned.
    const double turn = std::lround(carbon.y / 30) % 2 == 0 ? 1 : -1;
    const std::array<Vec3, 3> offsets{{{-side, 0, -back}, {side, 0, -back}, {0, 0, CarbonOxygen}}};
    std::array<Vec3, 3> oxygens{};
    for (std::size_t i = 0; i < oxygens.size(); ++i)
        oxygens[i] = {carbon.x + turn * offsets[i].x, carbon.y, carbon.z + turn * offsets[i].z};
    return oxygens;
}

// A carbon atom with its three oxygen atoms.
void DrawCarbonateGroup(Draw& gl, double x, double y, double z)
{
    const Vec3 carbon{x, y, z};
    DrawAtoms(gl, C, HexagonalAtomSlices, {carbon});
    DrawAtoms(gl, O, HexagonalAtomSlices, CarbonateOxygens(carbon));
}

void DrawCalcium(Draw& gl, const Vec3& p) { DrawAtoms(gl, Ca, HexagonalAtomSlices, {p}); }

// Columns through the prism vertices: groups at y = 0 and groupY, calcium
// at calciumY between them.
struct ColumnLayers {
    double calciumY;
    double groupY;
};
constexpr ColumnLayers FrontColumns{10, -30}; // V0, V1, V2
constexpr ColumnLayers BackColumns{-10, 30};  // V3, V4, V5

void DrawVertexColumn(Draw& gl, const Vec3& vertex, const ColumnLayers& layers)
{
    DrawCarbonateGroup(gl, vertex.x, 0, vertex.z);
    DrawCalcium(gl, {vertex.x, layers.calciumY, vertex.z});
    DrawCarbonateGroup(gl, vertex.x, layers.groupY, vertex.z);
}

// The axis column; the carbon atom of its middle group is drawn first of
// all the inner atoms.
void DrawAxisColumn(Draw& gl)
{
    DrawAtoms(gl, O, HexagonalAtomSlices, CarbonateOxygens(CalciteCentre));
    DrawCalcium(gl, {0, -10, 0});
    DrawCarbonateGroup(gl, 0, -30, 0);
    DrawCalcium(gl, {0, 10, 0});
    DrawCarbonateGroup(gl, 0, 30, 0);
}

// Oxygen atoms of the three groups on the axis, each joined to its carbon,
// in this order: of the group at y = 0 the second, third and first; then
// the second and third at y = -30, the first at y = 30, the first at y = -30,
// the second and third at y = 30.
std::array<Vec3, 9> CalciteSpokes()
{
    const auto middle = CarbonateOxygens({0, 0, 0});
    const auto below = CarbonateOxygens({0, -30, 0});
    const auto above = CarbonateOxygens({0, 30, 0});
    return {middle[1], middle[2], middle[0], below[1], below[2], above[0], below[0], above[1], above[2]};
}

// Rutile cell coordinates per axis, from the loop counter i = 1, 2.
constexpr std::array<int, 2> CellCoordinates(int spacing, int offset)
{
    std::array<int, 2> k{};
    for (int i = 1; i <= 2; ++i)
        k[i - 1] = spacing * i + offset;
    return k;
}
constexpr auto RutileX = CellCoordinates(100, -150);
constexpr auto RutileY = CellCoordinates(50, -75);
constexpr auto RutileZ = CellCoordinates(100, -150);

constexpr std::array<ConnectingLine, 3> RutileDiagonals{{
    {{-50, 0, -50}, {50, 0, 50}},
    {{-50, 25, 50}, {50, 25, -50}},
    {{-50, -25, 50}, {50, -25, -50}},
}};

constexpr int RutileAtomSlices = 25;
constexpr Vec3 RutileCentre{0, 0, 0};
constexpr std::array<Vec3, 6> RutileOxygens{{
    {-25, 0, -25}, {-25, -25, 25}, {25, 0, 25},
    {25, -25, -25}, {25, 25, -25}, {-25, 25, 25},
}};
constexpr std::array<Vec3, 8> RutileCorners{{
    {-50, 25, 50}, {50, 25, 50}, {50, 25, -50}, {-50, 25, -50},
    {-50, -25, -50}, {50, -25, -50}, {50, -25, 50}, {-50, -25, 50},
}};

void DrawRutileLines(Draw& gl)
{
    DrawCellGrid(gl, RutileX, RutileY, RutileZ);
    gl.begin(Primitive::Lines);
    for (const ConnectingLine& s : RutileDiagonals)
        LineVertices(gl, s);
    gl.end();
}

} // namespace

void DrawCalcite(Draw& gl, const DisplayOptions& opt)
{
    BeginStructureScene(gl, {0, 0, 0});
    ScaleHexagonalScene(gl);
    SetStructureLineWidth(gl);
    DrawPrismAtoms(gl, Ca);
    DrawAtoms(gl, C, HexagonalAtomSlices, {CalciteCentre});
    for (std::size_t v = 0; v < 3; ++v)
        DrawVertexColumn(gl, HexagonOffsets[v], FrontColumns);
    for (std::size_t v = 3; v < 6; ++v)
        DrawVertexColumn(gl, HexagonOffsets[v], BackColumns);
    DrawAxisColumn(gl);
    SetLineColour(gl);
    if (opt.showLines)
        DrawPrismLines(gl, CalciteSpokes());
    EndStructureScene(gl);
}

void DrawRutile(Draw& gl, const DisplayOptions& opt)
{
    BeginStructureScene(gl, {0, 0, 0});
    SetStructureLineWidth(gl);
    SetLineColour(gl);
    if (opt.showLines)
        DrawRutileLines(gl);
    SetAtomQuadric(gl);
    DrawAtoms(gl, Ti, RutileAtomSlices, {RutileCentre});
    DrawAtoms(gl, O, RutileAtomSlices, RutileOxygens);
    DrawAtoms(gl, Ti, RutileAtomSlices, RutileCorners);
    EndStructureScene(gl);
}

} // namespace vestrel::structures
