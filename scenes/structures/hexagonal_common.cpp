// SPDX-License-Identifier: MIT
#include "scenes/structures/hexagonal_common.h"

#include "scenes/structures/structure_common.h"

namespace vestrel::structures {

void ScaleHexagonalScene(Draw& gl) { gl.scaled(0.8, 0.8, 0.8); }

namespace {

void Vertex(Draw& gl, const Vec3& p)
{
    gl.vertex(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
}

} // namespace

void LineVertices(Draw& gl, const ConnectingLine& s)
{
    Vertex(gl, s.from);
    Vertex(gl, s.to);
}

void DrawAtomsInCurrentColour(Draw& gl, int slices, std::span<const Vec3> positions)
{
    for (const Vec3& p : positions) {
        gl.translated(p.x, p.y, p.z);
        gl.sphere(AtomRadius, slices, slices);
        gl.translated(-p.x, -p.y, -p.z);
    }
}

namespace {

// Each face centre followed by its six hexagon vertices, top face first.
constexpr std::array<Vec3, 14> PrismAtomPositions()
{
    std::array<Vec3, 14> atoms{};
    std::size_t n = 0;
    for (const Vec3& centre : {PrismTop, PrismBottom}) {
        atoms[n++] = centre;
        for (const Vec3& v : HexagonOffsets)
            atoms[n++] = centre + v;
    }
    return atoms;
}

void HexagonEdgeVertices(Draw& gl, const Vec3& centre)
{
    for (const auto& [from, to] : HexagonEdges)
        LineVertices(gl, {centre + HexagonOffsets[from], centre + HexagonOffsets[to]});
}

// The vertical edges of the prism, in drawing order.
constexpr std::array<int, 6> VerticalEdgeVertices{0, 2, 3, 4, 5, 1};

std::array<Vec3, 6> RingAtoms(const Vec3& centre)
{
    std::array<Vec3, 6> atoms{};
    for (std::size_t i = 0; i < HexagonOffsets.size(); ++i)
        atoms[i] = centre + HexagonOffsets[i];
    return atoms;
}

} // namespace

void DrawPrismAtoms(Draw& gl, Colour colour)
{
    SetAtomQuadric(gl);
    static constexpr auto positions = PrismAtomPositions();
    DrawAtoms(gl, colour, HexagonalAtomSlices, positions);
}

void DrawPrismFrame(Draw& gl)
{
    HexagonEdgeVertices(gl, PrismTop);
    HexagonEdgeVertices(gl, PrismBottom);
    for (int v : VerticalEdgeVertices)
        LineVertices(gl, {PrismTop + HexagonOffsets[v], PrismBottom + HexagonOffsets[v]});
    LineVertices(gl, {PrismTop, PrismBottom});
}

void DrawAxisSpokes(Draw& gl, std::span<const Vec3> atoms)
{
    for (const Vec3& p : atoms)
        LineVertices(gl, {p, AxisPoint(p)});
}

void DrawPrismLines(Draw& gl, std::span<const Vec3> spokeAtoms)
{
    gl.begin(Primitive::Lines);
    DrawPrismFrame(gl);
    DrawAxisSpokes(gl, spokeAtoms);
    gl.end();
}

void DrawAtomRing(Draw& gl, const Vec3& centre, const std::array<Colour, 6>& colours)
{
    const auto atoms = RingAtoms(centre);
    for (std::size_t i = 0; i < atoms.size(); ++i)
        DrawAtoms(gl, colours[i], HexagonalAtomSlices, std::span<const Vec3>(&atoms[i], 1));
}

void DrawAtomRing(Draw& gl, const Vec3& centre)
{
    DrawAtomsInCurrentColour(gl, HexagonalAtomSlices, RingAtoms(centre));
}

void DrawLineHexagon(Draw& gl, const Vec3& centre, std::span<const ConnectingLine> extra)
{
    gl.begin(Primitive::Lines);
    HexagonEdgeVertices(gl, centre);
    for (const ConnectingLine& s : extra)
        LineVertices(gl, s);
    gl.end();
}

} // namespace vestrel::structures
