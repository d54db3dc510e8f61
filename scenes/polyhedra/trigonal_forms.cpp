// SPDX-License-Identifier: MIT
// The trigonal family: trigonal prism, trigonal pyramid, trigonal bipyramid
// and ditrigonal pyramid.
#include "scenes/polyhedra/polyhedra.h"
#include "scenes/polyhedra/polyhedron_common.h"

namespace vestrel::polyhedra {

namespace {

// The three vertical mirrors of the trigonal prism, pyramid and bipyramid,
// each through a corner of the triangle and the middle of the opposite side:
// they contain the directions at 0, 60 and 120 degrees from +X towards +Z.
// The two slanting ones keep the size of the quadrilaterals drawn for them
// before they were true mirrors.
const std::array<Vec3, 4> VerticalMirror0{{{-50, 50, 0}, {-50, -50, 0}, {50, -50, 0}, {50, 50, 0}}}; // z = 0
const std::array<Vec3, 4> VerticalMirror60 =
    TurnedIntoPlane({{{30, -50, 50}, {-30, -50, -50}, {-30, 50, -50}, {30, 50, 50}}}, {Root3, 0, -1});
const std::array<Vec3, 4> VerticalMirror120 =
    TurnedIntoPlane({{{-30, -50, 50}, {30, -50, -50}, {30, 50, -50}, {-30, 50, 50}}}, {Root3, 0, 1});

} // namespace

namespace trigonal_prism {

// Top triangle ABC, bottom triangle DEF, vertical edges AD, BE, CF; the
// triangles are regular, their corners 36 from the axis.
enum : int { A, B, C, D, E, F };

constexpr Vec3 Vertices[] = {
    {36, 30, 0},             // A
    {-18, 30, -18 * Root3},  // B
    {-18, 30, 18 * Root3},   // C
    {36, -30, 0},            // D
    {-18, -30, -18 * Root3}, // E
    {-18, -30, 18 * Root3},  // F
};

constexpr Colour FaceColour{0, 2, 2};
constexpr Colour EdgeColour{0.7f, 0.7f, 0.7f};
// The last item of the edge primitive: the colour of a typed-text axis group
// drawn first.
constexpr Colour AfterEdgesColour{0, 3, 2};

constexpr Triangle Ends[] = {{A, B, C}, {D, E, F}};
constexpr Quad Sides[] = {{B, E, D, A}, {F, E, B, C}, {C, F, D, A}};

constexpr Edge Edges[] = {{A, B}, {B, C}, {C, A}, {D, E}, {E, F}, {F, D}, {B, E}, {D, A}, {C, F}};

const SymmetryPlane Planes[] = {
    {{0.2f, 0.2f, 0.2f}, VerticalMirror0},
    {{0.5f, 0.5f, 0.5f}, VerticalMirror60},
    {{0.8f, 0.8f, 0.8f}, VerticalMirror120},
    {{1, 1, 1}, {{{-80, 0, 80}, {-80, 0, -80}, {80, 0, -80}, {80, 0, 80}}}}, // y = 0
};

constexpr Axis Order3Axes[] = {
    {{0, 70, 0}, {0, -70, 0}},
};

// Through the midpoints of the vertical edges and the centres of the
// opposite side faces.
const Axis Order2Axes[] = {
    TurnedToAzimuth({{-30, 0, -50}, {30, 0, 50}}, 240),
    TurnedToAzimuth({{30, 0, -50}, {-30, 0, 50}}, 300),
    {{50, 0, 0}, {-50, 0, 0}},
};

constexpr AxisGroup AxisGroups[] = {{3, Order3Axes}, {2, Order2Axes}};

// The centres of the side faces FEBC, CFDA and BEDA.
constexpr Vec3 SideCentres[] = {{-18, 0, 0}, {9, 0, 9 * Root3}, {9, 0, -9 * Root3}};
// The centres of the triangles DEF and ABC.
constexpr Vec3 EndCentres[] = {{0, -30, 0}, {0, 30, 0}};

// In the reverse order of the axis groups.
constexpr MarkerGroup MarkerGroups[] = {{2, SideCentres}, {3, EndCentres}};

} // namespace trigonal_prism

namespace trigonal_pyramid {

// Stretched by the scene's own scale; everything below is given before the
// scale.
constexpr Vec3 OwnScale{1, 1.6, 1};

// The apex A above the regular triangular base BCD, whose corners lie 36
// from the axis.
enum : int { A, B, C, D };

constexpr Vec3 Vertices[] = {
    {0, 36, 0},               // A
    {36, -18, 0},             // B
    {-18, -18, 18 * Root3},   // C
    {-18, -18, -18 * Root3}   // D
};

constexpr Colour FaceColour{1.2f, 0.8f, 0.4f};
constexpr Colour EdgeColour{0, 0, 1};

constexpr Triangle Faces[] = {{A, B, C}, {A, B, D}, {A, D, C}, {B, D, C}};

constexpr Edge Edges[] = {{A, B}, {A, C}, {A, D}, {B, D}, {D, C}, {C, B}};

const SymmetryPlane Planes[] = {
    {{0.2f, 0.2f, 0.2f}, VerticalMirror0},
    {{0.5f, 0.5f, 0.5f}, VerticalMirror60},
    {{0.8f, 0.8f, 0.8f}, VerticalMirror120},
};

constexpr Axis Order3Axes[] = {
    {{0, 70, 0}, {0, -70, 0}},
};

constexpr AxisGroup AxisGroups[] = {{3, Order3Axes}};

constexpr Vec3 BaseCentre[] = {{0, -18, 0}};

constexpr MarkerGroup MarkerGroups[] = {{3, BaseCentre}};

} // namespace trigonal_pyramid

namespace trigonal_bipyramid {

// Stretched by the scene's own scale; everything below is given before it.
constexpr Vec3 OwnScale{1, 1.6, 1};

// Apexes A and E, the regular equatorial triangle BCD in the plane y = 0,
// its corners 36 from the axis.
enum : int { A, B, C, D, E };

constexpr Vec3 Vertices[] = {
    {0, 36, 0},             // A
    {36, 0, 0},             // B
    {-18, 0, 18 * Root3},   // C
    {-18, 0, -18 * Root3},  // D
    {0, -36, 0},            // E
};

constexpr Colour FaceColour{1.7f, 1, 0.2f};
constexpr Colour EdgeColour{0.8f, 0.4f, 0.4f};

constexpr Triangle Faces[] = {{A, B, C}, {A, B, D}, {A, D, C}, {E, B, C}, {E, B, D}, {E, D, C}};

constexpr Edge Edges[] = {{A, B}, {A, C}, {A, D}, {B, D}, {D, C}, {C, B}, {E, B}, {E, C}, {E, D}};

const SymmetryPlane Planes[] = {
    {{0.2f, 0.2f, 0.2f}, VerticalMirror0},
    {{0.4f, 0.4f, 0.4f}, {{{-70, 0, 70}, {-70, 0, -70}, {70, 0, -70}, {70, 0, 70}}}}, // y = 0
    {{0.5f, 0.5f, 0.5f}, VerticalMirror60},
    {{0.8f, 0.8f, 0.8f}, VerticalMirror120},
};

constexpr Axis Order3Axes[] = {
    {{0, 70, 0}, {0, -70, 0}},
};

// Through the equatorial vertices.
const Axis Order2Axes[] = {
    TurnedToAzimuth({{-30, 0, -50}, {30, 0, 50}}, 240),
    TurnedToAzimuth({{30, 0, -50}, {-30, 0, 50}}, 300),
    {{50, 0, 0}, {-50, 0, 0}},
};

constexpr AxisGroup AxisGroups[] = {{3, Order3Axes}, {2, Order2Axes}};

} // namespace trigonal_bipyramid

namespace ditrigonal_pyramid {

// The apex A, the base corners B to G in the plane y = -20, 60 degrees apart
// and alternately 27 and 36 from the axis (B 0, C 60, G 120, F 180, E 240,
// D 300 degrees from +X towards +Z), and H, the centre of the base, which
// only fans the base.
enum : int { A, B, C, D, E, F, G, H };

constexpr double Inner = 27, Outer = 36; // the two radii of the base

constexpr Vec3 Vertices[] = {
    {0, 40, 0},                                 // A
    {Inner, -20, 0},                            // B
    {Outer / 2, -20, Outer / 2 * Root3},        // C
    {Outer / 2, -20, -Outer / 2 * Root3},       // D
    {-Inner / 2, -20, -Inner / 2 * Root3},      // E
    {-Outer, -20, 0},                           // F
    {-Inner / 2, -20, Inner / 2 * Root3},       // G
    {0, -20, 0},                                // H
};

constexpr Colour FaceColour{0.8f, 0.3f, 0};
constexpr Colour EdgeColour{0.7f, 0.7f, 0.7f};

constexpr Triangle Faces[] = {
    {A, B, C}, {A, B, D}, {A, D, E}, {E, A, F}, {A, F, G}, {A, G, C}, // sides
    {H, B, C}, {H, B, D}, {H, D, E}, {E, H, F}, {H, F, G}, {H, G, C}, // base
};

constexpr Edge Edges[] = {
    {B, C}, {B, D}, {D, E}, {E, F}, {F, G}, {G, C}, // base
    {A, B}, {A, D}, {A, E}, {A, F}, {A, G}, {A, C}, // sides
};

// Through B and F, through G and D, through C and E.
const SymmetryPlane Planes[] = {
    {{0.2f, 0.2f, 0.2f}, {{{50, -50, 0}, {-50, -50, 0}, {-50, 50, 0}, {50, 50, 0}}}}, // z = 0
    {{0.5f, 0.5f, 0.5f},
     TurnedIntoPlane({{{30, -50, -50}, {-30, -50, 50}, {-30, 50, 50}, {30, 50, -50}}}, {Root3, 0, 1})},
    {{0.8f, 0.8f, 0.8f},
     TurnedIntoPlane({{{30, -50, 50}, {-30, -50, -50}, {-30, 50, -50}, {30, 50, 50}}}, {Root3, 0, -1})},
};

constexpr Axis Order3Axes[] = {
    {{0, 100, 0}, {0, -100, 0}},
};

constexpr AxisGroup AxisGroups[] = {{3, Order3Axes}};

constexpr Vec3 BaseCentre[] = {{0, -20, 0}};

constexpr MarkerGroup MarkerGroups[] = {{3, BaseCentre}};

} // namespace ditrigonal_pyramid

void DrawTrigonalPrism(Draw& gl, const DisplayOptions& opt)
{
    using namespace trigonal_prism;
    EnterSceneColourFirst(gl, FaceColour);
    if (opt.solidFaces) {
        DrawFaces(gl, Vertices, Ends);
        DrawFaces(gl, Vertices, Sides);
    }
    gl.begin(Primitive::Lines);
    SetColour(gl, EdgeColour);
    SendEdges(gl, Vertices, Edges);
    SetColour(gl, AfterEdgesColour);
    gl.end();
    if (opt.showSymPlanes)
        DrawSymmetryPlanes(gl, Planes);
    if (opt.showSymAxes) {
        DrawAxisGroups(gl, opt, AxisGroups);
        DrawMarkerGroups(gl, opt, MarkerGroups);
    }
}

void DrawTrigonalPyramid(Draw& gl, const DisplayOptions& opt)
{
    using namespace trigonal_pyramid;
    EnterScene(gl, FaceColour);
    gl.scaled(OwnScale.x, OwnScale.y, OwnScale.z);
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

void DrawTrigonalBipyramid(Draw& gl, const DisplayOptions& opt)
{
    using namespace trigonal_bipyramid;
    EnterScene(gl, FaceColour);
    gl.scaled(OwnScale.x, OwnScale.y, OwnScale.z);
    if (opt.solidFaces)
        DrawFaces(gl, Vertices, Faces);
    DrawEdges(gl, EdgeColour, Vertices, Edges);
    if (opt.showSymPlanes)
        DrawSymmetryPlanes(gl, Planes);
    if (opt.showSymAxes)
        DrawAxisGroups(gl, opt, AxisGroups);
}

void DrawDitrigonalPyramid(Draw& gl, const DisplayOptions& opt)
{
    using namespace ditrigonal_pyramid;
    EnterSceneColourFirst(gl, FaceColour);
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

SymmetrySource TrigonalPrismSymmetry()
{
    using namespace trigonal_prism;
    return {{1, 1, 1}, {std::begin(AxisGroups), std::end(AxisGroups)}, Planes, false};
}

SymmetrySource TrigonalPyramidSymmetry()
{
    using namespace trigonal_pyramid;
    return {OwnScale, {std::begin(AxisGroups), std::end(AxisGroups)}, Planes, false};
}

SymmetrySource TrigonalBipyramidSymmetry()
{
    using namespace trigonal_bipyramid;
    return {OwnScale, {std::begin(AxisGroups), std::end(AxisGroups)}, Planes, false};
}

SymmetrySource DitrigonalPyramidSymmetry()
{
    using namespace ditrigonal_pyramid;
    return {{1, 1, 1}, {std::begin(AxisGroups), std::end(AxisGroups)}, Planes, false};
}

} // namespace vestrel::polyhedra
