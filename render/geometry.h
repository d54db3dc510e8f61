// SPDX-License-Identifier: MIT
// Small value types shared by the drawing layer and the scenes.
#pragma once

#include <array>
#include <cmath>

namespace vestrel {

struct Vec3 {
    double x = 0, y = 0, z = 0;
    bool operator==(const Vec3&) const = default;
};

// An RGB triple as passed to the colour call; components above 1 are kept
// as given (OpenGL clamps them on the screen).
struct Colour {
    float r = 0, g = 0, b = 0;
    bool operator==(const Colour&) const = default;
};

inline double distance(const Vec3& a, const Vec3& b)
{
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

// Column-major 4x4 matrix, the layout OpenGL uses.
struct Mat4 {
    std::array<double, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    static Mat4 identity() { return {}; }
    static Mat4 translation(double x, double y, double z);
    static Mat4 rotation(double angleDegrees, double x, double y, double z);
    static Mat4 scaling(double x, double y, double z);

    Mat4 operator*(const Mat4& o) const;
    Vec3 apply(const Vec3& p) const;
    // The inverse of an affine matrix (last row 0, 0, 0, 1).
    Mat4 affineInverse() const;
    double at(int row, int col) const { return m[col * 4 + row]; }
};

} // namespace vestrel
