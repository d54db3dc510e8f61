// SPDX-License-Identifier: MIT
// Pieces shared by the structures built on cubic cells: the places of a cube
// of half-edge h as sign patterns, tetrahedral bonds, line segments and
// screw-axis arrowheads given as data.
#pragma once

#include "render/draw.h"
#include "render/geometry.h"

#include <array>
#include <cstddef>
#include <span>

namespace vestrel::structures {

struct Segment {
    Vec3 from;
    Vec3 to;
};

// Where a DrawArrowCone goes: tip point, turn angle (degrees) and turn axis.
struct ArrowHead {
    Vec3 point;
    float angle;
    Vec3 axis;
};

// The arrowhead at the middle of a helix step, its point turned the way the
// helix runs from the step's first end to its second.
ArrowHead ArrowheadOn(const Segment& step);

// All segments inside one GL_LINES begin/end (screw axis and helix).
void DrawSegmentBatch(Draw& gl, std::span<const Segment> segments);
// One GL_LINES begin/end per segment.
void DrawSegments(Draw& gl, std::span<const Segment> segments);
void DrawArrowHeads(Draw& gl, std::span<const ArrowHead> arrows);

// Places of a cube centred at the origin, as signs (sx, sy, sz); multiplied
// by the half-edge h (corners, face centres) or by t = h/2 (inner places).
constexpr std::array<Vec3, 8> CornerSigns{{
    {-1, -1, -1}, {1, -1, -1}, {-1, 1, -1}, {1, 1, -1},
    {-1, -1, 1}, {1, -1, 1}, {-1, 1, 1}, {1, 1, 1},
}};
constexpr std::array<Vec3, 6> FaceCentreSigns{{
    {-1, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1},
}};
// The inner places with sx·sy·sz = -1.
constexpr std::array<Vec3, 4> OddInnerSigns{{
    {-1, -1, -1}, {1, 1, -1}, {-1, 1, 1}, {1, -1, 1},
}};

template <std::size_t N>
constexpr std::array<Vec3, N> Scaled(const std::array<Vec3, N>& signs, double factor)
{
    std::array<Vec3, N> out{};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = signs[i] * factor;
    return out;
}

template <std::size_t N, std::size_t M>
constexpr std::array<Vec3, N + M> Joined(const std::array<Vec3, N>& a, const std::array<Vec3, M>& b)
{
    std::array<Vec3, N + M> out{};
    for (std::size_t i = 0; i < N; ++i)
        out[i] = a[i];
    for (std::size_t i = 0; i < M; ++i)
        out[N + i] = b[i];
    return out;
}

// The four bonds of the inner place (sx·t, sy·t, sz·t), t = h/2: to the
// corner (sx·h, sy·h, sz·h) and to the face centres (sx·h, 0, 0),
// (0, sy·h, 0), (0, 0, sz·h).
void DrawTetrahedralBonds(Draw& gl, Vec3 innerSigns, double h);

} // namespace vestrel::structures
