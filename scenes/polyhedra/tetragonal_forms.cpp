// SPDX-License-Identifier: MIT
// The tetragonal family: tetragonal prism and tetragonal pyramid.
#include "scenes/polyhedra/polyhedra.h"
#include "scenes/polyhedra/polyhedron_common.h"

namespace vestrel::polyhedra {

namespace tetragonal_prism {

// A cube of half-edge 30, squeezed by the scene's own scale into a prism
// 18 wide and deep and 60 high. Everything below is given before the scale.
constexpr Vec3 OwnScale{0.3, 1, 0.3};

enum : int { A, B, C, D, E, F, G, H };

constexpr Vec3 Vertices[] = {
    {30, -30, 30},   // A
    {30, -30, -30},  // B
    {30, 30, -30},   // C
    {30, 30, 30},    // D
    {-30, -30, 30},  // E
    {-30, -30, -30}, // F
    {-30, 30, -30},  // G
    {-30, 30, 30},   // H
};

constexpr Colour FaceColour{0, 1, 0.2f};
constexpr Colour EdgeColour{1, 0.3f, 0};
// Set again after the edges: the colour of a typed-text axis group drawn first.
constexpr Colour AfterEdgesColour{0, 1, 0.2f};

constexpr Quad Faces[] = {{A, B, C, D}, {E, F, G, H}, {H, G, C, D}, {E, F, B, A}, {H, E, A, D}, {G, F, B, C}};

constexpr Edge Edges[] = {{H, G}, {H, E}, {F, E}, {F, G}, {D, C}, {D, A},
                          {B, A}, {B, C}, {H, D}, {G, C}, {E, A}, {F, B}};

constexpr SymmetryPlane Planes[] = {
    {{0.2f, 0.2f, 0.2f}, {{{0, -50, 50}, {0, -50, -50}, {0, 50, -50}, {0, 50, 50}}}},      // x = 0
    {{0.4f, 0.4f, 0.4f}, {{{50, -50, 0}, {-50, -50, 0}, {-50, 50, 0}, {50, 50, 0}}}},      // z = 0
    {{0.6f, 0.6f, 0.6f}, {{{50, -50, -50}, {-50, -50, 50}, {-50, 50, 50}, {50, 50, -50}}}}, // x + z = 0
    {{0.8f, 0.8f, 0.8f}, {{{50, -50, 50}, {-50, -50, -50}, {-50, 50, -50}, {50, 50, 50}}}}, // x - z = 0
    {{1, 1, 1}, {{{-80, 0, 80}, {-80, 0, -80}, {80, 0, -80}, {80, 0, 80}}}},               // y = 0
};

constexpr Axis Order4Axes[] = {
    {{0, 50, 0}, {0, -50, 0}},
};

constexpr Axis Order2Axes[] = {
    {{-80, 0, -80}, {80, 0, 80}},
    {{80, 0, -80}, {-80, 0, 80}},
    {{100, 0, 0}, {-100, 0, 0}},
    {{0, 0, 100}, {0, 0, -100}},
};

constexpr AxisGroup AxisGroups[] = {{4, Order4Axes}, {2, Order2Axes}};

constexpr Vec3 EndCentres[] = {{0, -30, 0}, {0, 30, 0}};
constexpr Vec3 SideCentres[] = {{-30, 0, 0}, {30, 0, 0}, {0, 0, -30}, {0, 0, 30}};

constexpr MarkerGroup MarkerGroups[] = {{4, EndCentres}, {2, SideCentres}};

} // namespace tetragonal_prism

namespace tetragonal_pyramid {

// The apex A above the square base BCDE.
enum : int { A, B, C, D, E };

constexpr Vec3 Vertices[] = {
    {0, 36, 0},      // A
    {-40, -18, 40},  // B
    {-40, -18, -40}, // C
    {40, -18, -40},  // D
    {40, -18, 40},   // E
};

constexpr Colour FaceColour{1, 0.3f, 0};
constexpr Colour EdgeColour{0.7f, 0.7f, 0.7f};

constexpr Triangle SideFaces[] = {{A, B, C}, {A, C, D}, {A, D, E}, {A, E, B}};
constexpr Quad Base[] = {{B, C, D, E}};

constexpr Edge Edges[] = {{A, B}, {A, C}, {A, D}, {A, E}, {B, C}, {C, D}, {D, E}, {E, B}};

constexpr SymmetryPlane Planes[] = {
    {{0.2f, 0.2f, 0.2f}, {{{-50, 50, 0}, {-50, -50, 0}, {50, -50, 0}, {50, 50, 0}}}},      // z = 0
    {{0.4f, 0.4f, 0.4f}, {{{0, -50, 50}, {0, -50, -50}, {0, 50, -50}, {0, 50, 50}}}},      // x = 0
    {{0.6f, 0.6f, 0.6f}, {{{50, -50, 50}, {-50, -50, -50}, {-50, 50, -50}, {50, 50, 50}}}}, // x - z = 0
    {{0.8f, 0.8f, 0.8f}, {{{-50, -50, 50}, {50, -50, -50}, {50, 50, -50}, {-50, 50, 50}}}}, // x + z = 0
};

constexpr Axis Order4Axes[] = {
    {{0, 100, 0}, {0, -100, 0}},
};

constexpr AxisGroup AxisGroups[] = {{4, Order4Axes}};

constexpr Vec3 BaseCentre[] = {{0, -18, 0}};

constexpr MarkerGroup MarkerGroups[] = {{4, BaseCentre}};

} // namespace tetragonal_pyramid

void DrawTetragonalPrism(Draw& gl, const DisplayOptions& opt)
{
    using namespace tetragonal_prism;
    gl.lighting(false);
    gl.scaled(OwnScale.x, OwnScale.y, OwnScale.z);
    SetColour(gl, FaceColour);
    if (opt.solidFaces)
        DrawFaces(gl, Vertices, Faces);
    DrawEdges(gl, EdgeColour, Vertices, Edges);
    SetColour(gl, AfterEdgesColour);
    if (opt.showSymPlanes)
        DrawSymmetryPlanes(gl, Planes);
    if (opt.showSymAxes) {
        DrawAxisGroups(gl, opt, AxisGroups);
        DrawMarkerGroups(gl, opt, MarkerGroups);
    }
}

void DrawTetragonalPyramid(Draw& gl, const DisplayOptions& opt)
{
    using namespace tetragonal_pyramid;
    EnterScene(gl, FaceColour);
    if (opt.solidFaces) {
        DrawFaces(gl, Vertices, SideFaces);
        DrawFaces(gl, Vertices, Base);
    }
    DrawEdges(gl, EdgeColour, Vertices, Edges);
    if (opt.showSymPlanes)
        DrawSymmetryPlanes(gl, Planes);
    if (opt.showSymAxes) {
        DrawAxisGroups(gl, opt, AxisGroups);
        DrawMarkerGroups(gl, opt, MarkerGroups);
    }
}

} // namespace vestrel::polyhedra

namespace vestrel::polyhedra {

SymmetrySource TetragonalPrismSymmetry()
{
    using namespace tetragonal_prism;
    return {OwnScale, {std::begin(AxisGroups), std::end(AxisGroups)}, Planes, true};
}

SymmetrySource TetragonalPyramidSymmetry()
{
    using namespace tetragonal_pyramid;
    return {{1, 1, 1}, {std::begin(AxisGroups), std::end(AxisGroups)}, Planes, false};
}

} // namespace vestrel::polyhedra
