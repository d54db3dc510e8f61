// SPDX-License-Identifier: MIT
// Records one structure scene and reads what it drew back in the scene's own
// coordinates, for comparison with geometry the tests build themselves.
#pragma once

#include "frame/frame_inputs.h"
#include "render/recording_draw.h"

#include <string>
#include <vector>

namespace vestrel::test {

using SceneBlock = void (*)(Draw&, const DisplayOptions&);

// How a scene's coordinates reach the model frame: translate by offset,
// half turn about X, scale, then the extra translation shift.
struct SceneFrame {
    Vec3 offset;
    double scale = 1;
    Vec3 shift;

    Vec3 toModel(const Vec3& p) const;
    Vec3 toScene(const Vec3& model) const;
};

struct Atom {
    Vec3 position; // scene coordinates
    Colour colour;
};

struct Line {
    Vec3 from, to; // scene coordinates
};

struct SceneDrawing {
    RecordingDraw gl;
    std::vector<Atom> atoms;
    std::vector<Line> lines;
};

// Runs the block once on a fresh recording and maps spheres and GL_LINES
// segments back through the frame.
SceneDrawing RecordScene(SceneBlock block, const SceneFrame& frame, const DisplayOptions& opt = {});

constexpr double Tolerance = 1e-3;

bool Near(const Vec3& a, const Vec3& b, double tolerance = Tolerance);
bool SameLine(const Line& a, const Line& b, double tolerance = Tolerance);

// Empty when both lists hold the same points (or lines) with the same
// multiplicities, in any order; otherwise a description of the difference.
std::string DiffPoints(const std::vector<Vec3>& actual, const std::vector<Vec3>& expected);
std::string DiffLines(const std::vector<Line>& actual, const std::vector<Line>& expected);

std::vector<Vec3> Positions(const std::vector<Atom>& atoms);
std::vector<Vec3> PositionsOfColour(const std::vector<Atom>& atoms, const Colour& colour);
// Lines counted once however often they were drawn.
std::vector<Line> DistinctLines(const std::vector<Line>& lines);
std::vector<Vec3> DistinctPoints(const std::vector<Vec3>& points);

// The six vertices of the scenes' hexagon about the origin in the plane
// y = 0: (+-36, 0) and (+-18, +-30) in (x, z).
std::vector<Vec3> HexagonVertices();
// The hexagon's vertices about centre.
std::vector<Vec3> HexagonAround(const Vec3& centre);
// The six edges of a convex polygon lying in a plane y = const, found by
// going round its vertices by angle about centre.
std::vector<Line> PolygonEdges(const Vec3& centre, std::vector<Vec3> vertices);

double Length(const Line& l);

std::string ToString(const Vec3& p);

} // namespace vestrel::test
