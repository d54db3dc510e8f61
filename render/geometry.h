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

// The vector arithmetic of the whole program: scenes, frame, logic, tools
// and tests take it from here.
constexpr Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
constexpr Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
constexpr Vec3 operator-(const Vec3& a) { return {-a.x, -a.y, -a.z}; }
constexpr Vec3 operator*(double s, const Vec3& a) { return {s * a.x, s * a.y, s * a.z}; }
constexpr Vec3 operator*(const Vec3& a, double s) { return s * a; }
constexpr Vec3 operator/(const Vec3& a, double s) { return {a.x / s, a.y / s, a.z / s}; }
inline Vec3& operator+=(Vec3& a, const Vec3& b) { return a = a + b; }
inline Vec3& operator-=(Vec3& a, const Vec3& b) { return a = a - b; }

constexpr double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
constexpr Vec3 cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(const Vec3& a) { return std::sqrt(dot(a, a)); }
// a of unit length; the zero vector stays zero.
inline Vec3 normalised(const Vec3& a)
{
    const double l = length(a);
    return l > 0 ? a / l : a;
}

inline double distance(const Vec3& a, const Vec3& b) { return length(a - b); }

// Some unit vector at right angles to the unit vector n, always the same one
// for the same n.
inline Vec3 anyPerpendicular(const Vec3& n)
{
    const Vec3 helper = std::abs(n.x) < 0.9 ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
    return normalised(cross(helper, n));
}

// A 3x3 matrix, row-major: rows[r][c].
struct Mat3 {
    std::array<std::array<double, 3>, 3> rows{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

    static Mat3 identity() { return {}; }
    static Mat3 fromColumns(const Vec3& a, const Vec3& b, const Vec3& c)
    {
        return {{{{a.x, b.x, c.x}, {a.y, b.y, c.y}, {a.z, b.z, c.z}}}};
    }
    double at(int r, int c) const { return rows[r][c]; }
    Vec3 operator*(const Vec3& v) const
    {
        return {rows[0][0] * v.x + rows[0][1] * v.y + rows[0][2] * v.z,
                rows[1][0] * v.x + rows[1][1] * v.y + rows[1][2] * v.z,
                rows[2][0] * v.x + rows[2][1] * v.y + rows[2][2] * v.z};
    }
    Mat3 operator*(const Mat3& o) const
    {
        Mat3 r;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                r.rows[i][j] = rows[i][0] * o.rows[0][j] + rows[i][1] * o.rows[1][j] + rows[i][2] * o.rows[2][j];
        return r;
    }
    Mat3 transposed() const
    {
        Mat3 r;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                r.rows[i][j] = rows[j][i];
        return r;
    }
    double determinant() const
    {
        return dot(Vec3{rows[0][0], rows[0][1], rows[0][2]},
                   cross(Vec3{rows[1][0], rows[1][1], rows[1][2]}, Vec3{rows[2][0], rows[2][1], rows[2][2]}));
    }
    bool operator==(const Mat3&) const = default;
};

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
