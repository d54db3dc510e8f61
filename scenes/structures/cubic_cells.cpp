// SPDX-License-Identifier: MIT
#include "scenes/structures/cubic_cells.h"

#include "scenes/structures/structure_common.h"

#include <cmath>
#include <numbers>

namespace vestrel::structures {

namespace {

void vertex(Draw& gl, const Vec3& p)
{
    gl.vertex(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
}

} // namespace

ArrowHead ArrowheadOn(const Segment& step)
{
    const Vec3 d = step.to - step.from;
    // The cone opens along its turned +Z, so +Z is turned onto the step's
    // backward direction t, about Z x t.
    const Vec3 t = -d / length(d);
    const double angle = std::acos(t.z) * 180 / std::numbers::pi;
    const Vec3 middle = (step.from + step.to) / 2;
    return {middle, static_cast<float>(angle), {-t.y, t.x, 0}};
}

void DrawSegmentBatch(Draw& gl, std::span<const Segment> segments)
{
    gl.begin(Primitive::Lines);
    for (const Segment& s : segments) {
        vertex(gl, s.from);
        vertex(gl, s.to);
    }
    gl.end();
}

void DrawSegments(Draw& gl, std::span<const Segment> segments)
{
    for (const Segment& s : segments)
        DrawLine(gl, s.from, s.to);
}

void DrawArrowHeads(Draw& gl, std::span<const ArrowHead> arrows)
{
    for (const ArrowHead& a : arrows)
        DrawArrowCone(gl, a.point, a.angle, a.axis);
}

void DrawTetrahedralBonds(Draw& gl, Vec3 s, double h)
{
    const double t = h / 2;
    const Vec3 inner = s * t;
    DrawLine(gl, inner, s * h);
    DrawLine(gl, inner, {s.x * h, 0, 0});
    DrawLine(gl, inner, {0, s.y * h, 0});
    DrawLine(gl, inner, {0, 0, s.z * h});
}

} // namespace vestrel::structures
