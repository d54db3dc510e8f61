// SPDX-License-Identifier: MIT
// The hexagonal family: hexagonal pyramid, prism and bipyramid. All three are
// built on one regular hexagon of circumradius 36 with the corners (36, 0),
// (18, 18·√3), (18, -18·√3), (-18, -18·√3), (-36, 0), (-18, 18·√3) as (x, z);
// a face covering a whole hexagon is six triangles fanned around its centre.
#include "scenes/polyhedra/polyhedra.h"
#include "scenes/polyhedra/polyhedron_common.h"

namespace vestrel::polyhedra {

namespace {

// The six vertical planes of all three scenes, then the horizontal one of the
// prism and the bipyramid. Three run through the midpoints of opposite
// hexagon edges (at 90, 150 and 30 degrees from +X towards +Z), three through
// opposite corners (at 0, 120 and 60 degrees); the slanting ones keep the
// size of the quadrilaterals drawn for them before they were true mirrors.
const SymmetryPlane HexagonalPlanes[] = {
    {{0.2f, 0.2f, 0.2f}, {{{0, -50, 50}, {0, -50, -50}, {0, 50, -50}, {0, 50, 50}}}}, // x = 0
    {{0.4f, 0.4f, 0.4f}, {{{50, -50, 0}, {-50, -50, 0}, {-50, 50, 0}, {50, 50, 0}}}}, // z = 0
    {{0.6f, 0.6f, 0.6f},
     TurnedIntoPlane({{{50, -50, -25}, {-50, -50, 25}, {-50, 50, 25}, {50, 50, -25}}}, {1, 0, Root3})},
    {{0.8f, 0.8f, 0.8f},
     TurnedIntoPlane({{{50, -50, 25}, {-50, -50, -25}, {-50, 50, -25}, {50, 50, 25}}}, {1, 0, -Root3})},
    {{0.3f, 0.3f, 0.3f},
     TurnedIntoPlane({{{30, -50, -50}, {-30, -50, 50}, {-30, 50, 50}, {30, 50, -50}}}, {Root3, 0, 1})},
    {{0.5f, 0.5f, 0.5f},
     TurnedIntoPlane({{{30, -50, 50}, {-30, -50, -50}, {-30, 50, -50}, {30, 50, 50}}}, {Root3, 0, -1})},
    {{1, 1, 1}, {{{-80, 0, 80}, {-80, 0, -80}, {80, 0, -80}, {80, 0, 80}}}}, // y = 0
};

constexpr std::span<const SymmetryPlane> VerticalPlanes{HexagonalPlanes, 6};
constexpr std::span<const SymmetryPlane> AllPlanes{HexagonalPlanes};

constexpr Axis Order6Axes[] = {
    {{0, 100, 0}, {0, -100, 0}},
};

// The six horizontal axes of the prism and the bipyramid: three through
// opposite corners of the hexagon (at 120, 240 and 180 degrees from +X
// towards +Z), then three through the midpoints of opposite edges.
const Axis Order2Axes[] = {
    TurnedToAzimuth({{-30, 0, 50}, {30, 0, -50}}, 120),
    TurnedToAzimuth({{-30, 0, -50}, {30, 0, 50}}, 240),
    {{-50, 0, 0}, {50, 0, 0}},
    {{-25 * Root3, 0, -25}, {25 * Root3, 0, 25}},
    {{0, 0, -50}, {0, 0, 50}},
    {{-25 * Root3, 0, 25}, {25 * Root3, 0, -25}},
};

constexpr AxisGroup Order6Only[] = {{6, Order6Axes}};
constexpr AxisGroup Order6And2[] = {{6, Order6Axes}, {2, Order2Axes}};

} // namespace

namespace hexagonal_pyramid {

// The apex A, the base hexagon B to G in the plane y = -20 and its centre H,
// which only fans the base.
enum : int { A, B, C, D, E, F, G, H };

constexpr Vec3 Vertices[] = {
    {0, 40, 0},               // A
    {36, -20, 0},             // B
    {18, -20, 18 * Root3},    // C
    {18, -20, -18 * Root3},   // D
    {-18, -20, -18 * Root3},  // E
    {-36, -20, 0},            // F
    {-18, -20, 18 * Root3},   // G
    {0, -20, 0},              // H
};

constexpr Colour FaceColour{0.8f, 0, 0.3f};
constexpr Colour EdgeColour{0, 1, 0};

constexpr Triangle Faces[] = {
    {A, B, C}, {A, B, D}, {A, D, E}, {E, A, F}, {A, F, G}, {A, G, C}, // sides
    {H, B, C}, {H, B, D}, {H, D, E}, {E, H, F}, {H, F, G}, {H, G, C}, // base
};

constexpr Edge Edges[] = {
    {B, C}, {B, D}, {D, E}, {E, F}, {F, G}, {G, C}, // base
    {A, B}, {A, D}, {A, E}, {A, F}, {A, G}, {A, C}, // sides
};

constexpr Vec3 BaseCentre{0, -20, 0};

} // namespace hexagonal_pyramid

namespace hexagonal_prism {

// The top hexagon B to G in the plane y = 40 with its centre A, the bottom
// hexagon I to N in the plane y = -40 with its centre H; the centres only fan
// the hexagons.
enum : int { A, B, C, D, E, F, G, H, I, J, K, L, M, N };

constexpr Vec3 Vertices[] = {
    {0, 40, 0},               // A
    {36, 40, 0},              // B
    {18, 40, 18 * Root3},     // C
    {18, 40, -18 * Root3},    // D
    {-18, 40, -18 * Root3},   // E
    {-36, 40, 0},             // F
    {-18, 40, 18 * Root3},    // G
    {0, -40, 0},              // H
    {36, -40, 0},             // I
    {18, -40, 18 * Root3},    // J
    {18, -40, -18 * Root3},   // K
    {-18, -40, -18 * Root3},  // L
    {-36, -40, 0},            // M
    {-18, -40, 18 * Root3},   // N
};

constexpr Colour FaceColour{0.4f, 1.1f, 0.7f};
constexpr Colour EdgeColour{1.5f, 0, 0};

constexpr Triangle Hexagons[] = {
    {A, B, C}, {A, B, D}, {A, D, E}, {E, A, F}, {A, F, G}, {A, G, C}, // top
    {H, I, J}, {H, I, K}, {H, K, L}, {L, H, M}, {H, M, N}, {H, N, J}, // bottom
};

constexpr Quad Sides[] = {{J, C, B, I}, {I, B, D, K}, {K, D, E, L}, {L, E, F, M}, {M, F, G, N}, {N, G, C, J}};

constexpr Edge Edges[] = {
    {B, C}, {B, D}, {D, E}, {E, F}, {F, G}, {G, C}, // top
    {I, J}, {I, K}, {K, L}, {L, M}, {M, N}, {N, J}, // bottom
    {B, I}, {D, K}, {E, L}, {F, M}, {G, N}, {C, J}, // vertical
};

// The centres of the two hexagons.
constexpr Vec3 HexagonCentres[] = {{0, -40, 0}, {0, 40, 0}};

constexpr MarkerGroup MarkerGroups[] = {{6, HexagonCentres}};

} // namespace hexagonal_prism

namespace hexagonal_bipyramid {

// The apexes A and H and the equatorial hexagon B to G in the plane y = 0.
enum : int { A, B, C, D, E, F, G, H };

constexpr Vec3 Vertices[] = {
    {0, 50, 0},              // A
    {36, 0, 0},              // B
    {18, 0, 18 * Root3},     // C
    {18, 0, -18 * Root3},    // D
    {-18, 0, -18 * Root3},   // E
    {-36, 0, 0},             // F
    {-18, 0, 18 * Root3},    // G
    {0, -50, 0},             // H
};

constexpr Colour FaceColour{0, 1, 0};
constexpr Colour EdgeColour{0.8f, 0, 0.4f};

constexpr Triangle Faces[] = {
    {A, B, C}, {A, B, D}, {A, D, E}, {E, A, F}, {A, F, G}, {A, G, C}, // upper
    {H, B, C}, {H, B, D}, {H, D, E}, {E, H, F}, {H, F, G}, {H, G, C}, // lower
};

constexpr Edge Edges[] = {
    {B, C}, {B, D}, {D, E}, {E, F}, {F, G}, {G, C}, // equator
    {A, B}, {A, D}, {A, E}, {A, F}, {A, G}, {A, C}, // upper
    {H, B}, {H, D}, {H, E}, {H, F}, {H, G}, {H, C}, // lower
};

} // namespace hexagonal_bipyramid

void DrawHexagonalPyramid(Draw& gl, const DisplayOptions& opt)
{
    using namespace hexagonal_pyramid;
    EnterSceneColourFirst(gl, FaceColour);
    if (opt.solidFaces)
        DrawFaces(gl, Vertices, Faces);
    DrawEdges(gl, EdgeColour, Vertices, Edges);
    if (opt.showSymPlanes)
        DrawSymmetryPlanes(gl, VerticalPlanes);
    if (opt.showSymAxes) {
        DrawAxisGroups(gl, opt, Order6Only);
        // The one scene that sets the quadric itself: its marker is always solid.
        if (SelectAxisColour(gl, opt, 6)) {
            gl.quadricDrawStyle(QuadricStyle::Fill);
            gl.quadricOrientation(QuadricOrientation::Inside);
            gl.quadricNormals(QuadricNormals::Smooth);
            DrawAxisMarker(gl, BaseCentre);
        }
    }
}

void DrawHexagonalPrism(Draw& gl, const DisplayOptions& opt)
{
    using namespace hexagonal_prism;
    EnterSceneColourFirst(gl, FaceColour);
    if (opt.solidFaces) {
        DrawFaces(gl, Vertices, Hexagons);
        DrawFaces(gl, Vertices, Sides);
    }
    DrawEdges(gl, EdgeColour, Vertices, Edges);
    if (opt.showSymPlanes)
        DrawSymmetryPlanes(gl, AllPlanes);
    if (opt.showSymAxes) {
        DrawAxisGroups(gl, opt, Order6And2);
        DrawMarkerGroups(gl, opt, MarkerGroups);
    }
}

void DrawHexagonalBipyramid(Draw& gl, const DisplayOptions& opt)
{
    using namespace hexagonal_bipyramid;
    EnterSceneColourFirst(gl, FaceColour);
    if (opt.solidFaces)
        DrawFaces(gl, Vertices, Faces);
    DrawEdges(gl, EdgeColour, Vertices, Edges);
    if (opt.showSymPlanes)
        DrawSymmetryPlanes(gl, AllPlanes);
    if (opt.showSymAxes)
        DrawAxisGroups(gl, opt, Order6And2);
}

} // namespace vestrel::polyhedra

namespace vestrel::polyhedra {

SymmetrySource HexagonalPyramidSymmetry() { return {{1, 1, 1}, {Order6Only[0]}, VerticalPlanes, false}; }

SymmetrySource HexagonalPrismSymmetry()
{
    return {{1, 1, 1}, {std::begin(Order6And2), std::end(Order6And2)}, AllPlanes, true};
}

SymmetrySource HexagonalBipyramidSymmetry()
{
    return {{1, 1, 1}, {std::begin(Order6And2), std::end(Order6And2)}, AllPlanes, true};
}

} // namespace vestrel::polyhedra
