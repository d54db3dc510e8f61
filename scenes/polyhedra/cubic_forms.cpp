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

// Regular and centred on the origin: the apex A above the horizontal base
// BCD, every vertex 36 from the centre, every edge 24·√6.
enum : int { A, B, C, D };

constexpr Vec3 Vertices[] = {
    {0, 36, 0},                     // A
    {24 * Root2, -12, 0},           // B
    {-12 * Root2, -12, 12 * Root6}, // C
    {-12 * Root2, -12, -12 * Root6} // D
};

constexpr Colour FaceColour{1, 0.3f, 0};
constexpr Colour EdgeColour{0, 0, 1};
// Set after the axes, inside their primitive: the colour of typed-text markers.
constexpr Colour AfterAxesColour{0, 0, 1};

constexpr Triangle Faces[] = {{A, B, C}, {A, B, D}, {A, D, C}, {B, D, C}};

constexpr Edge Edges[] = {{A, B}, {A, C}, {A, D}, {B, D}, {D, C}, {C, B}};

// Each mirror holds one edge and the midpoint of the opposite edge; each is
// drawn as a quadrilateral of the size it has always had, turned into its
// plane.
const SymmetryPlane Planes[] = {
    {{0, 0.4f, 0}, {{{-50, 50, 0}, {-50, -50, 0}, {50, -50, 0}, {50, 50, 0}}}}, // z = 0: AB
    {{0, 0.6f, 0},
     TurnedIntoPlane({{{30, -50, 50}, {-30, -50, -50}, {-30, 50, -50}, {30, 50, 50}}}, {Root3, 0, -1})}, // AD
    {{0, 0.8f, 0},
     TurnedIntoPlane({{{-30, -50, 50}, {30, -50, -50}, {30, 50, -50}, {-30, 50, 50}}}, {Root3, 0, 1})}, // AC
    {{0, 0, 0.5f},
     TurnedIntoPlane({{{-50, -50, 50}, {-50, -50, -50}, {50, 50, -50}, {50, 50, 50}}}, {1, -Root2, 0})}, // CD
    {{0.2f, 0.2f, 0.2f},
     TurnedIntoPlane({{{-30, -30, 50}, {-50, 25, 0}, {30, 30, -50}, {50, -25, 0}}}, {Root3, 2 * Root6, 3})}, // BC
    {{0.9f, 0.9f, 0.9f},
     TurnedIntoPlane({{{30, 30, 50}, {-50, 25, 0}, {-30, -30, -50}, {50, -25, 0}}}, {Root3, 2 * Root6, -3})}, // BD
};

// Through a vertex and the centre of the opposite face. The vertical one
// reaches 75 both ways; the others reach as far as the one through B, whose
// end beyond B lies at x = 75.
constexpr double Reach = 75 / (24 * Root2); // in units of a vertex vector
constexpr Axis Order3Axes[] = {
    {{0, 75, 0}, {0, -75, 0}},
    {Vertices[D] * -Reach, Vertices[D] * Reach},
    {Vertices[C] * Reach, Vertices[C] * -Reach},
    {Vertices[B] * Reach, Vertices[B] * -Reach},
};

constexpr AxisGroup Order3Group{3, Order3Axes};

// The inversion axes of order 4 join the midpoints of opposite edges (each
// 12·√3 from the centre) and reach 75 both ways.
constexpr double EdgeMidpointReach = 75 / (12 * Root3);
constexpr Axis InversionAxes[] = {
    {(Vertices[A] + Vertices[B]) / 2 * EdgeMidpointReach, (Vertices[C] + Vertices[D]) / 2 * EdgeMidpointReach},
    {(Vertices[A] + Vertices[C]) / 2 * EdgeMidpointReach, (Vertices[B] + Vertices[D]) / 2 * EdgeMidpointReach},
    {(Vertices[A] + Vertices[D]) / 2 * EdgeMidpointReach, (Vertices[B] + Vertices[C]) / 2 * EdgeMidpointReach},
};

constexpr AxisGroup InversionGroup{4, InversionAxes, true};

// The face centres: BCD, ABC, ABD, ACD.
constexpr Vec3 Order3Markers[] = {{0, -12, 0}, {4 * Root2, 4, 4 * Root6}, {4 * Root2, 4, -4 * Root6}, {-8 * Root2, 4, 0}};

constexpr MarkerGroup MarkerGroups[] = {{3, Order3Markers}};

} // namespace tetrahedron

namespace octahedron {

// Regular: apexes A and F on the Y axis, the square BCDE in the plane y = 0;
// every edge 80.
enum : int { A, B, C, D, E, F };

constexpr Vec3 Vertices[] = {
    {0, 40 * Root2, 0},  // A
    {-40, 0, 40},        // B
    {-40, 0, -40},       // C
    {40, 0, -40},        // D
    {40, 0, 40},         // E
    {0, -40 * Root2, 0}, // F
};

constexpr Colour FaceColour{0.4f, 0.8f, 1.2f};
constexpr Colour EdgeColour{0.8f, 0.4f, 1.2f};

constexpr Triangle Faces[] = {{A, B, C}, {A, C, D}, {A, D, E}, {A, E, B},
                              {F, B, C}, {F, C, D}, {F, D, E}, {F, E, B}};

constexpr Edge Edges[] = {{A, B}, {A, C}, {A, D}, {A, E}, {F, B}, {F, C},
                          {F, D}, {F, E}, {B, C}, {C, D}, {D, E}, {E, B}};

// Five mirrors hold four vertices or two vertices and two edge midpoints
// across the square; the last four each hold two opposite vertices and two
// opposite edge midpoints, x ± √2·y ± z = 0, drawn as the quadrilaterals of
// their table turned into their planes.
const SymmetryPlane Planes[] = {
    {{0.2f, 0.2f, 0.2f}, {{{-50, 80, 0}, {-50, -80, 0}, {50, -80, 0}, {50, 80, 0}}}},      // z = 0
    {{0.4f, 0.4f, 0.4f}, {{{0, -80, 50}, {0, -80, -50}, {0, 80, -50}, {0, 80, 50}}}},      // x = 0
    {{0.6f, 0.6f, 0.6f}, {{{-70, 0, 70}, {-70, 0, -70}, {70, 0, -70}, {70, 0, 70}}}},      // y = 0
    {{0.8f, 0.8f, 0.8f}, {{{50, -80, 50}, {-50, -80, -50}, {-50, 80, -50}, {50, 80, 50}}}}, // x - z = 0
    {{0, 0.3f, 0}, {{{-50, -80, 50}, {50, -80, -50}, {50, 80, -50}, {-50, 80, 50}}}},      // x + z = 0
    {{0, 0, 0.3f},
     TurnedIntoPlane({{{50, -50, 50}, {-50, -50, 50}, {-50, 50, -50}, {50, 50, -50}}}, {1, Root2, 1})},
    {{1, 1, 1},
     TurnedIntoPlane({{{50, -50, -50}, {-50, -50, -50}, {-50, 50, 50}, {50, 50, 50}}}, {1, -Root2, 1})},
    {{0, 0.7f, 0},
     TurnedIntoPlane({{{-50, -50, 50}, {-50, -50, -50}, {50, 50, -50}, {50, 50, 50}}}, {1, -Root2, -1})},
    {{0.3f, 0, 0},
     TurnedIntoPlane({{{50, -50, 50}, {50, -50, -50}, {-50, 50, -50}, {-50, 50, 50}}}, {1, Root2, -1})},
};

// Through opposite vertices.
constexpr Axis Order4Axes[] = {
    {{0, 100, 0}, {0, -100, 0}},
    {{-80, 0, -80}, {80, 0, 80}},
    {{80, 0, -80}, {-80, 0, 80}},
};

// Along the normals of opposite faces.
constexpr Axis Order3Axes[] = {
    {{-80, -40 * Root2, 0}, {80, 40 * Root2, 0}},
    {{80, -40 * Root2, 0}, {-80, 40 * Root2, 0}},
    {{0, -40 * Root2, -80}, {0, 40 * Root2, 80}},
    {{0, 40 * Root2, -80}, {0, -40 * Root2, 80}},
};

// Through the midpoints of opposite edges: two across the square, four
// through the sloping edges, these 80·√3 long each way as they have always
// been.
constexpr Axis Order2Axes[] = {
    {{100, 0, 0}, {-100, 0, 0}},
    {{0, 0, 100}, {0, 0, -100}},
    {{40 * Root3, 40 * Root6, 40 * Root3}, {-40 * Root3, -40 * Root6, -40 * Root3}},
    {{-40 * Root3, 40 * Root6, 40 * Root3}, {40 * Root3, -40 * Root6, -40 * Root3}},
    {{-40 * Root3, 40 * Root6, -40 * Root3}, {40 * Root3, -40 * Root6, 40 * Root3}},
    {{-40 * Root3, -40 * Root6, 40 * Root3}, {40 * Root3, 40 * Root6, -40 * Root3}},
};

constexpr AxisGroup AxisGroups[] = {{4, Order4Axes}, {3, Order3Axes}, {2, Order2Axes}};

// The face centres, where the axes of order 3 pass through the faces.
constexpr double Across = 80.0 / 3, Up = 40 * Root2 / 3;
constexpr Vec3 Order3Markers[] = {{Across, Up, 0}, {-Across, -Up, 0}, {-Across, Up, 0}, {Across, -Up, 0},
                                  {0, -Up, Across}, {0, Up, -Across}, {0, Up, Across}, {0, -Up, -Across}};

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
        DrawInversionAxisGroup(gl, opt, InversionGroup);
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

namespace vestrel::polyhedra {

SymmetrySource CubeSymmetry()
{
    return {{1, 1, 1}, {std::begin(cube::AxisGroups), std::end(cube::AxisGroups)}, cube::Planes, true};
}

SymmetrySource TetrahedronSymmetry()
{
    return {{1, 1, 1}, {tetrahedron::Order3Group, tetrahedron::InversionGroup}, tetrahedron::Planes, false};
}

SymmetrySource OctahedronSymmetry()
{
    return {{1, 1, 1}, {std::begin(octahedron::AxisGroups), std::end(octahedron::AxisGroups)}, octahedron::Planes, true};
}

} // namespace vestrel::polyhedra
