// SPDX-License-Identifier: MIT
// The reference drawings' solids and the orthographic views they are drawn in.
#pragma once

#include "logic/morphology/convex_solid.h"
#include "render/geometry.h"

#include <cmath>
#include <numbers>

namespace vestrel::reference {

using morphology::ConvexSolid;
using morphology::EdgesOf;
using morphology::IntersectHalfSpaces;
using morphology::Plane;
using morphology::SolidEdge;
using morphology::SolidFace;

// An orthographic view: picture axes right and up, and the direction towards
// the viewer; a face is seen when its normal points towards the viewer.
struct View {
    Vec3 right, up, toward;
};

// The view from azimuth (degrees from +x towards +y) and elevation above the
// xy plane, with +z drawn upwards.
inline View ViewFrom(double azimuthDeg, double elevationDeg)
{
    const double a = azimuthDeg * std::numbers::pi / 180.0;
    const double e = elevationDeg * std::numbers::pi / 180.0;
    const Vec3 toward{std::cos(e) * std::cos(a), std::cos(e) * std::sin(a), std::sin(e)};
    const Vec3 right = normalised(cross(Vec3{0, 0, 1}, toward));
    return {right, cross(toward, right), toward};
}

inline bool FacesViewer(const View& view, const SolidFace& face) { return dot(face.normal, view.toward) > 1e-9; }

} // namespace vestrel::reference
