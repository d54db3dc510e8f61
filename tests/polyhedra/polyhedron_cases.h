// SPDX-License-Identifier: MIT
// What the tests know about each polyhedron scene from its description: its
// colours, how many faces, edges, planes, axes and markers it shows, its own
// scale. Positions are not listed here: the tests derive them from geometry.
#pragma once

#include "frame/frame_inputs.h"
#include "render/geometry.h"
#include "render/recording_draw.h"
#include "scenes/scene_registry.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vestrel::test {

struct GroupCount {
    int order;
    int count;
};

struct PolyhedronCase {
    const char* name;
    SceneId id;
    int listItem;             // item of the polyhedron list, 1..12
    Colour face;              // as passed, components above 1 included
    Colour edge;
    Colour afterEdges;        // current colour when the edge step is over
    int triangles;            // faces drawn as triangles
    int quads;                // faces drawn as quadrilaterals
    int polyhedronFaces;      // faces of the solid (a fanned hexagon is one)
    int edges;
    int planes;
    std::vector<GroupCount> axes;    // axis groups in drawing order
    std::vector<GroupCount> markers; // marker groups in drawing order
    Vec3 ownScale;
    std::optional<Colour> afterAxes; // set after the last axis group, inside its primitive
    // Groups of inversion axes, each drawn dashed in a primitive of its own
    // after the markers.
    std::vector<GroupCount> inversionAxes;
    // The solid's elements of symmetry as the reference plate writes them:
    // Ln an axis of order n, Lin an inversion axis, P a plane, C the centre.
    const char* formula;
};

inline std::ostream& operator<<(std::ostream& os, const PolyhedronCase& c) { return os << c.name; }
inline std::string CaseName(const PolyhedronCase& c)
{
    std::string s = c.name;
    for (char& ch : s)
        if (ch == ' ')
            ch = '_';
    return s;
}

const std::vector<PolyhedronCase>& PolyhedronCases();
const PolyhedronCase& CaseOf(SceneId id);

SceneBlock BlockOf(SceneId id);

// Display options with the faces, planes and axes switches and the four
// lists as given; the lists are indexed by order 2, 3, 4, 6.
DisplayOptions Options(bool faces, bool planes, bool axes, int list2 = 3, int list3 = 1, int list4 = 2, int list6 = 4);
int& ListOf(DisplayOptions& opt, int order);

// The colour of an item of the axis lists.
Colour ListColour(int item);

// A recording of one block, run from the identity, split into the steps of a
// polyhedron block.
struct SceneRecording {
    RecordingDraw gl;
    std::vector<const RecordedPrimitive*> faces;  // triangles and quads before the edges
    const RecordedPrimitive* edges = nullptr;     // the first GL_LINES primitive
    const RecordedPrimitive* planes = nullptr;    // GL_QUADS after the edges
    const RecordedPrimitive* axes = nullptr;      // GL_LINES after the edges
    const RecordedPrimitive* inversionAxes = nullptr; // dashed GL_LINES
};

void Record(SceneRecording& r, SceneId id, const DisplayOptions& opt);

// Geometry on what was drawn.
struct Polygon {
    std::vector<Vec3> corners;
};

std::vector<Polygon> FacePolygons(const SceneRecording& r);
// The corners of the solid: the distinct ends of its edges.
std::vector<Vec3> SolidCorners(const SceneRecording& r);
// How far an image of a corner may lie from a corner for the solid to count
// as mapped onto itself: a millionth of its shortest edge.
double ExactTolerance(const SceneRecording& r);
std::vector<std::pair<Vec3, Vec3>> Segments(const RecordedPrimitive& p);

double DistanceToLine(Vec3 p, Vec3 a, Vec3 b);
double DistanceToPolygon(Vec3 p, const Polygon& polygon);
Vec3 Rotated(Vec3 p, Vec3 axis, double degrees);
Vec3 Reflected(Vec3 p, Vec3 unitNormal);
Vec3 Inverted(Vec3 p, Vec3 centre);
// The largest distance from an image of a vertex to the nearest vertex.
double SetMismatch(const std::vector<Vec3>& points, const std::vector<Vec3>& images);
std::vector<Vec3> DistinctPoints(const std::vector<Vec3>& points);
bool Near(Vec3 a, Vec3 b, double tolerance = 1e-3);

} // namespace vestrel::test
