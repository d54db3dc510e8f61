// SPDX-License-Identifier: MIT
// The cubic family: cube, regular tetrahedron and octahedron.
#include "scenes/polyhedra/polyhedra.h"
#include "scenes/polyhedra/polyhedron_common.h"

namespace vestrel::polyhedra {

namespace cube {

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

constexpr Colour FaceColour{0, 0.3f, 1};
constexpr Colour EdgeColour{0.8f, 0.4f, 0};

constexpr Quad Faces[] = {{A, B, C, D}, {E, F, G, H}, {H, G, C, D}, {E, F, B, A}, {H, E, A, D}, {G, F, B, C}};

constexpr Edge Edges[] = {{H, G}, {H, E}, {F, E}, {F, G}, {D, C}, {D, A},
                          {B, A}, {B, C}, {H, D}, {G, C}, {E, A}, {F, B}};

constexpr SymmetryPlane Planes[] = {
    {{0.2f, 0.2f, 0.2f}, {{{0, -50, 50}, {0, -50, -50}, {0, 50, -50}, {0, 50, 50}}}},     // x = 0
    {{0.3f, 0.3f, 0.3f}, {{{50, -50, 0}, {-50, -50, 0}, {-50, 50, 0}, {50, 50, 0}}}},     // z = 0
    {{0.5f, 0.5f, 0.5f}, {{{50, -50, -50}, {-50, -50, 50}, {-50, 50, 50}, {50, 50, -50}}}}, // x + z = 0
    {{0, 0.7f, 0}, {{{50, -50, 50}, {-50, -50, -50}, {-50, 50, -50}, {50, 50, 50}}}},     // x - z = 0
    {{0, 0, 0.5f}, {{{-50, 0, 50}, {-50, 0, -50}, {50, 0, -50}, {50, 0, 50}}}},           // y = 0
    {{0.5f, 0, 0}, {{{50, -50, 50}, {-50, -50, 50}, {-50, 50, -50}, {50, 50, -50}}}},     // y + z = 0
    {{0.7f, 0.7f, 0.7f}, {{{50, -50, -50}, {-50, -50, -50}, {-50, 50, 50}, {50, 50, 50}}}}, // y - z = 0
    {{0, 0.3f, 0}, {{{-50, -50, 50}, {-50, -50, -50}, {50, 50, -50}, {50, 50, 50}}}},     // x - y = 0
    {{1, 1, 1}, {{{50, -50, 50}, {50, -50, -50}, {-50, 50, -50}, {-50, 50, 50}}}},        // x + y = 0
};

// Through the face centres.
constexpr Axis Order4Axes[] = {
    {{0, 100, 0}, {0, -100, 0}},
    {{100, 0, 0}, {-100, 0, 0}},
    {{0, 0, 100}, {0, 0, -100}},
};

// The body diagonals.
constexpr Axis Order3Axes[] = {
    {{80, 80, 80}, {-80, -80, -80}},
    {{-80, 80, 80}, {80, -80, -80}},
    {{-80, 80, -80}, {80, -80, 80}},
    {{-80, -80, 80}, {80, 80, -80}},
};

// Through the midpoints of opposite edges.
constexpr Axis Order2Axes[] = {
    {{-80, -80, 0}, {80, 80, 0}},
    {{80, -80, 0}, {-80, 80, 0}},
    {{-80, 0, -80}, {80, 0, 80}},
    {{80, 0, -80}, {-80, 0, 80}},
    {{0, -80, -80}, {0, 80, 80}},
    {{0, 80, -80}, {0, -80, 80}},
};

constexpr AxisGroup AxisGroups[] = {{4, Order4Axes}, {3, Order3Axes}, {2, Order2Axes}};

constexpr Vec3 FaceCentres[] = {{0, -30, 0}, {0, 30, 0}, {-30, 0, 0}, {30, 0, 0}, {0, 0, -30}, {0, 0, 30}};

constexpr MarkerGroup MarkerGroups[] = {{4, FaceCentres}};

} // namespace cube

namespace tetrahedron {

// The apex A above the horizontal base BCD.
enum : int { A, B, C, D };

constexpr Vec3 Vertices[] = {
    {0, 36, 0},     // A
    {36, -18, 0},   // B
    {-18, -18, 30}, // C
    {-18, -18, -30} // D
};

constexpr Colour FaceColour{1, 0.3f, 0};
constexpr Colour EdgeColour{0, 0, 1};
// Set after the axes, inside their primitive: the colour of typed-text markers.
constexpr Colour AfterAxesColour{0, 0, 1};

constexpr Triangle Faces[] = {{A, B, C}, {A, B, D}, {A, D, C}, {B, D, C}};

constexpr Edge Edges[] = {{A, B}, {A, C}, {A, D}, {B, D}, {D, C}, {C, B}};

constexpr SymmetryPlane Planes[] = {
    {{0, 0.4f, 0}, {{{-50, 50, 0}, {-50, -50, 0}, {50, -50, 0}, {50, 50, 0}}}},            // z = 0
    {{0, 0.6f, 0}, {{{30, -50, 50}, {-30, -50, -50}, {-30, 50, -50}, {30, 50, 50}}}},      // 5x - 3z = 0
    {{0, 0.8f, 0}, {{{-30, -50, 50}, {30, -50, -50}, {30, 50, -50}, {-30, 50, 50}}}},      // 5x + 3z = 0
    {{0, 0, 0.5f}, {{{-50, -50, 50}, {-50, -50, -50}, {50, 50, -50}, {50, 50, 50}}}},      // x - y = 0
    {{0.2f, 0.2f, 0.2f}, {{{-30, -30, 50}, {-50, 25, 0}, {30, 30, -50}, {50, -25, 0}}}},   // 5x + 10y + 9z = 0
    {{0.9f, 0.9f, 0.9f}, {{{30, 30, 50}, {-50, 25, 0}, {-30, -30, -50}, {50, -25, 0}}}},   // 5x + 10y - 9z = 0
};

constexpr Axis Order3Axes[] = {
    {{0, 75, 0}, {0, -75, 0}},
    {{45, 45, 75}, {-45, -45, -75}},
    {{-45, -45, 75}, {45, 45, -75}},
    {{75, -37.5, 0}, {-75, 37.5, 0}},
};

constexpr AxisGroup Order3Group{3, Order3Axes};

constexpr Vec3 Order3Markers[] = {{0, -18, 0}, {5, 5, 8.3}, {5, 5, -8.3}, {-10, 5, 0}};

constexpr MarkerGroup MarkerGroups[] = {{3, Order3Markers}};

} // namespace tetrahedron

namespace octahedron {

// Apexes A and F on the Y axis, the square BCDE in the plane y = 0.
enum : int { A, B, C, D, E, F };

constexpr Vec3 Vertices[] = {
    {0, 50, 0},    // A
    {-40, 0, 40},  // B
    {-40, 0, -40}, // C
    {40, 0, -40},  // D
    {40, 0, 40},   // E
    {0, -50, 0},   // F
};

constexpr Colour FaceColour{0.4f, 0.8f, 1.2f};
constexpr Colour EdgeColour{0.8f, 0.4f, 1.2f};

constexpr Triangle Faces[] = {{A, B, C}, {A, C, D}, {A, D, E}, {A, E, B},
                              {F, B, C}, {F, C, D}, {F, D, E}, {F, E, B}};

constexpr Edge Edges[] = {{A, B}, {A, C}, {A, D}, {A, E}, {F, B}, {F, C},
                          {F, D}, {F, E}, {B, C}, {C, D}, {D, E}, {E, B}};

constexpr SymmetryPlane Planes[] = {
    {{0.2f, 0.2f, 0.2f}, {{{-50, 80, 0}, {-50, -80, 0}, {50, -80, 0}, {50, 80, 0}}}},      // z = 0
    {{0.4f, 0.4f, 0.4f}, {{{0, -80, 50}, {0, -80, -50}, {0, 80, -50}, {0, 80, 50}}}},      // x = 0
    {{0.6f, 0.6f, 0.6f}, {{{-70, 0, 70}, {-70, 0, -70}, {70, 0, -70}, {70, 0, 70}}}},      // y = 0
    {{0.8f, 0.8f, 0.8f}, {{{50, -80, 50}, {-50, -80, -50}, {-50, 80, -50}, {50, 80, 50}}}}, // x - z = 0
    {{0, 0.3f, 0}, {{{-50, -80, 50}, {50, -80, -50}, {50, 80, -50}, {-50, 80, 50}}}},      // x + z = 0
    {{0, 0, 0.3f}, {{{50, -50, 50}, {-50, -50, 50}, {-50, 50, -50}, {50, 50, -50}}}},      // y + z = 0
    {{1, 1, 1}, {{{50, -50, -50}, {-50, -50, -50}, {-50, 50, 50}, {50, 50, 50}}}},         // y - z = 0
    {{0, 0.7f, 0}, {{{-50, -50, 50}, {-50, -50, -50}, {50, 50, -50}, {50, 50, 50}}}},      // x - y = 0
    {{0.3f, 0, 0}, {{{50, -50, 50}, {50, -50, -50}, {-50, 50, -50}, {-50, 50, 50}}}},      // x + y = 0
};

// Through opposite vertices.
constexpr Axis Order4Axes[] = {
    {{0, 100, 0}, {0, -100, 0}},
    {{-80, 0, -80}, {80, 0, 80}},
    {{80, 0, -80}, {-80, 0, 80}},
};

constexpr Axis Order3Axes[] = {
    {{-80, -80, 0}, {80, 80, 0}},
    {{80, -80, 0}, {-80, 80, 0}},
    {{0, -80, -80}, {0, 80, 80}},
    {{0, 80, -80}, {0, -80, 80}},
};

constexpr Axis Order2Axes[] = {
    {{100, 0, 0}, {-100, 0, 0}},
    {{0, 0, 100}, {0, 0, -100}},
    {{80, 80, 80}, {-80, -80, -80}},
    {{-80, 80, 80}, {80, -80, -80}},
    {{-80, 80, -80}, {80, -80, 80}},
    {{-80, -80, 80}, {80, 80, -80}},
};

constexpr AxisGroup AxisGroups[] = {{4, Order4Axes}, {3, Order3Axes}, {2, Order2Axes}};

// Where the axes of order 3 pass through the faces.
constexpr Vec3 Order3Markers[] = {{22, 22, 0}, {-22, -22, 0}, {-22, 22, 0}, {22, -22, 0},
                                  {0, -22, 22}, {0, 22, -22}, {0, 22, 22}, {0, -22, -22}};

constexpr MarkerGroup MarkerGroups[] = {{3, Order3Markers}};

} // namespace octahedron

void DrawCube(Draw& gl, const DisplayOptions& opt)
{
    using namespace cube;
    EnterScene(gl, FaceColour);
    if (opt.solidFaces)
        DrawFaces(gl, Vertices, Faces);
    DrawEdges(gl, EdgeColour, Vertices, Edges);
    if (opt.showSymPlanes)
        DrawSymmetryPlanes(gl, Planes);
    if (opt.showSymAxes) {
        DrawAxisGroups(gl, opt, AxisGroups);
        DrawMarkerGroups(gl, opt, MarkerGroups);
    }
}

void DrawTetrahedron(Draw& gl, const DisplayOptions& opt)
{
    using namespace tetrahedron;
    EnterScene(gl, FaceColour);
    if (opt.solidFaces)
        DrawFaces(gl, Vertices, Faces);
    DrawEdges(gl, EdgeColour, Vertices, Edges);
    if (opt.showSymPlanes)
        DrawSymmetryPlanes(gl, Planes);
    if (opt.showSymAxes) {
        gl.begin(Primitive::Lines);
        SendAxisGroup(gl, opt, Order3Group);
        SetColour(gl, AfterAxesColour);
        gl.end();
        DrawMarkerGroups(gl, opt, MarkerGroups);
    }
}

void DrawOctahedron(Draw& gl, const DisplayOptions& opt)
{
    using namespace octahedron;
    EnterScene(gl, FaceColour);
    if (opt.solidFaces)
        DrawFaces(gl, Vertices, Faces);
    DrawEdges(gl, EdgeColour, Vertices, Edges);
    if (opt.showSymPlanes)
        DrawSymmetryPlanes(gl, Planes);
    if (opt.showSymAxes) {
        DrawAxisGroups(gl, opt, AxisGroups);
        DrawMarkerGroups(gl, opt, MarkerGroups);
    }
}

} // namespace vestrel::polyhedra
