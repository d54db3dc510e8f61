// SPDX-License-Identifier: MIT
// Running a structure block into a recording and reading back what it drew:
// balls, lines and cones in the model frame, and small geometry helpers for
// deriving what a crystal should look like.
#pragma once

#include "frame/frame_inputs.h"
#include "render/geometry.h"
#include "render/recording_draw.h"

#include <gtest/gtest.h>

#include <vector>

namespace vestrel::test {

using Block = void (*)(Draw&, const DisplayOptions&);

// Atom and line colours as the program's colour table states them.
inline constexpr Colour kNa{0.7f, 0, 0};
inline constexpr Colour kCl{0, 0, 1};
inline constexpr Colour kCs{0.7f, 0.7f, 0};
inline constexpr Colour kCu{0, 0, 0.7f};
inline constexpr Colour kO{1, 0, 0};
inline constexpr Colour kC{0.1f, 0, 0.2f};
inline constexpr Colour kZn{0.2f, 0.2f, 0.2f};
inline constexpr Colour kS{1, 1, 0};
inline constexpr Colour kFe{0.4f, 0, 0};
inline constexpr Colour kCa{0, 0.7f, 0};
inline constexpr Colour kF{0, 0.2f, 0.3f};
inline constexpr Colour kGrey{0.7f, 0.7f, 0.7f};
inline constexpr Colour kCyan{0, 1, 1};

DisplayOptions Options(bool lines, bool screw = false, int screwColour = 0);

// The state the frame routine hands a scene block: lighting on, grey, the
// line width of the previous frame, a wire quadric left by the auxiliary
// axes when wire is true.
void PrepareAsFrame(RecordingDraw& gl, bool wire = false);

struct Ball {
    Vec3 at;
    Colour colour;
};
struct Line {
    Vec3 a;
    Vec3 b;
    Colour colour;
};

// Runs the block after PrepareAsFrame.
RecordingDraw RunScene(Block block, const DisplayOptions& opt, bool wire = false);

std::vector<Ball> Balls(const RecordingDraw& gl);
std::vector<Vec3> PlacesOf(const std::vector<Ball>& balls, Colour colour);
std::vector<Vec3> AllPlaces(const std::vector<Ball>& balls);
std::vector<Vec3> Distinct(const std::vector<Vec3>& places);
std::vector<Line> Lines(const RecordingDraw& gl);
// Lines counted once however often they were drawn, either direction.
std::vector<Line> DistinctLines(const std::vector<Line>& lines);
// The cones of the screw axes (10 x 10 cylinders).
std::vector<const RecordedSolid*> Cones(const RecordingDraw& gl);

bool Near(const Vec3& a, const Vec3& b, double tol = 1e-3);
bool SameColour(const Colour& a, const Colour& b);
Vec3 Centroid(const std::vector<Vec3>& places);

// Scene coordinates to the model frame: the half turn about X turns (x, y, z)
// into (x, -y, -z); the offset comes before the turn, shift and scale after.
Vec3 SceneToModel(const Vec3& p, const Vec3& offset = {}, const Vec3& shift = {}, double scale = 1);
std::vector<Vec3> SceneToModel(const std::vector<Vec3>& ps, const Vec3& offset = {}, const Vec3& shift = {},
                               double scale = 1);

// Corners and face centres of a cube of half-edge h about c.
std::vector<Vec3> CubeCorners(double h, const Vec3& c = {});
std::vector<Vec3> FaceCentres(double h, const Vec3& c = {});
// The eight places (±t, ±t, ±t) about c.
std::vector<Vec3> InnerPlaces(double t, const Vec3& c = {});

// Places among `places` at distance d from p.
std::vector<Vec3> NeighboursAt(const std::vector<Vec3>& places, const Vec3& p, double d, double tol = 1e-3);
// Smallest distance between two different places.
double NearestDistance(const std::vector<Vec3>& places);
bool Contains(const std::vector<Vec3>& places, const Vec3& p);

// Whether the two lists hold the same places, each as often (any order).
testing::AssertionResult SamePlaces(std::vector<Vec3> actual, std::vector<Vec3> expected);

// The direction into which a cone opens (its +Z), in the model frame.
Vec3 ConeOpening(const RecordedSolid& cone);

} // namespace vestrel::test
