// SPDX-License-Identifier: MIT
#include "logic/cif/crystal.h"

#include <cmath>

namespace vestrel::cif {

double Crystal::volume() const
{
    const Vec3 &a = axes[0], &b = axes[1], &c = axes[2];
    return std::abs(a.x * (b.y * c.z - b.z * c.y) - a.y * (b.x * c.z - b.z * c.x) + a.z * (b.x * c.y - b.y * c.x));
}

Vec3 Crystal::toCartesian(const Vec3& f) const
{
    return {axes[0].x * f.x + axes[1].x * f.y + axes[2].x * f.z,
            axes[0].y * f.x + axes[1].y * f.y + axes[2].y * f.z,
            axes[0].z * f.x + axes[1].z * f.y + axes[2].z * f.z};
}

} // namespace vestrel::cif
