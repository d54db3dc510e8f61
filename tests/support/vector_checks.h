// SPDX-License-Identifier: MIT
// Angles between vectors, for the tests' checks of directions; the vector
// arithmetic itself is that of render/geometry.h.
#pragma once

#include "render/geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vestrel::test {

inline double cosine(const Vec3& a, const Vec3& b) { return dot(a, b) / (length(a) * length(b)); }

inline double angleDegrees(const Vec3& a, const Vec3& b)
{
    return std::acos(std::clamp(cosine(a, b), -1.0, 1.0)) * 180 / std::numbers::pi;
}

} // namespace vestrel::test
