// SPDX-License-Identifier: MIT
// The zone law in space: a cubic cell with two planes (hkl) and their zone
// axis [uvw], or two directions [uvw] and the plane (hkl) that holds both.
// Indices are taken along the crystal axes X, Y, Z, which the view shows as
// the auxiliary axes OX, OY and OZ (OZ up).
#pragma once

#include "render/draw.h"
#include "render/geometry.h"
#include "scenes/display_options.h"

#include <array>
#include <vector>

namespace vestrel {

using MillerIndices = std::array<int, 3>;

struct ZoneScene {
    enum class Kind {
        FacesToEdge, // two planes and the zone axis they share
        EdgesToFace, // two directions and the plane that holds both
    };
    Kind kind = Kind::FacesToEdge;
    MillerIndices first{};
    MillerIndices second{};
    // The vector product of the two symbols; all zero when they are parallel.
    MillerIndices product{};

    bool parallel() const { return product == MillerIndices{}; }
};

constexpr double ZoneCellEdge = 40;
constexpr Colour ZoneFirstColour{1.0f, 0.55f, 0.0f};  // first plane or direction
constexpr Colour ZoneSecondColour{0.2f, 0.6f, 1.0f};  // second plane or direction
constexpr Colour ZoneProductColour{1.0f, 1.0f, 0.0f}; // zone axis, or the common plane
constexpr float ZonePlaneOpacity = 0.45f;
constexpr float ZoneArrowWidth = 3;

// The scene of two symbols, with their vector product as the calculator
// computes it: (b1c2 - c1b2, c1a2 - a1c2, a1b2 - b1a2).
ZoneScene MakeZoneScene(ZoneScene::Kind kind, const MillerIndices& first, const MillerIndices& second);

// A crystal direction in the scene's coordinates (X, Y, Z -> x, -z, y).
Vec3 ZoneSceneVector(const MillerIndices& indices);

// The section of the cube of the given edge, centred on the origin, by the
// plane through the origin with this normal (scene coordinates): its corners
// in order around the normal. Empty for a zero normal.
std::vector<Vec3> CubeSection(const Vec3& normal, double edge);

void DrawZoneScene(Draw& gl, const ZoneScene& scene, const DisplayOptions& options);

} // namespace vestrel
