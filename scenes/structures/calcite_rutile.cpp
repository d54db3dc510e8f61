// SPDX-License-Identifier: MIT
// Calcite: calcium in the hexagonal prism with carbonate groups in layers
// between its faces. Rutile: a tetragonal cell with titanium at its corners
// and centre and oxygen on three diagonals.
#include "scenes/structures/element_colours.h"
#include "scenes/structures/hexagonal_common.h"
#include "scenes/structures/structure_common.h"
#include "scenes/structures/structures.h"

namespace vestrel::structures {

namespace {

// The carbonate group on the axis at half height.
constexpr Vec3 CalciteCentre{0, 0, 0};

// The three oxygen atoms of a carbonate group about its carbon atom.
constexpr std::array<Vec3, 3> CarbonateOxygenOffsets{{{-9, 0, -6}, {9, 0, -6}, {0, 0, 9}}};

std::array<Vec3, 3> CarbonateOxygens(const Vec3& carbon)
{
    std::array<Vec3, 3> oxygens{};
    for (std::size_t i = 0; i < oxygens.size(); ++i)
        oxygens[i] = Moved(carbon, CarbonateOxygenOffsets[i]);
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

// Oxygen atoms of the three groups on the axis, each joined to its carbon.
constexpr std::array<Vec3, 9> CalciteSpokes{{
    {9, 0, -6}, {0, 0, 9}, {-9, 0, -6},
    {9, -30, -6}, {0, -30, 9}, {-9, 30, -6},
    {-9, -30, -6}, {9, 30, -6}, {0, 30, 9},
}};

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
        DrawPrismLines(gl, CalciteSpokes);
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
