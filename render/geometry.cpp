// SPDX-License-Identifier: MIT
#include "render/geometry.h"

namespace vestrel {

Mat4 Mat4::translation(double x, double y, double z)
{
    Mat4 t;
    t.m[12] = x;
    t.m[13] = y;
    t.m[14] = z;
    return t;
}

// The matrix glRotate builds: a right-handed turn about the normalised axis.
Mat4 Mat4::rotation(double angleDegrees, double x, double y, double z)
{
    const double len = std::sqrt(x * x + y * y + z * z);
    Mat4 r;
    if (len == 0)
        return r;
    x /= len;
    y /= len;
    z /= len;
    const double a = angleDegrees * M_PI / 180.0;
    const double c = std::cos(a), s = std::sin(a), t = 1 - c;
    r.m = {t * x * x + c,     t * x * y + s * z, t * x * z - s * y, 0,
           t * x * y - s * z, t * y * y + c,     t * y * z + s * x, 0,
           t * x * z + s * y, t * y * z - s * x, t * z * z + c,     0,
           0,                 0,                 0,                 1};
    return r;
}

Mat4 Mat4::scaling(double x, double y, double z)
{
    Mat4 s;
    s.m[0] = x;
    s.m[5] = y;
    s.m[10] = z;
    return s;
}

Mat4 Mat4::operator*(const Mat4& o) const
{
    Mat4 r;
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += at(row, k) * o.at(k, col);
            r.m[col * 4 + row] = sum;
        }
    return r;
}

Vec3 Mat4::apply(const Vec3& p) const
{
    return {at(0, 0) * p.x + at(0, 1) * p.y + at(0, 2) * p.z + at(0, 3),
            at(1, 0) * p.x + at(1, 1) * p.y + at(1, 2) * p.z + at(1, 3),
            at(2, 0) * p.x + at(2, 1) * p.y + at(2, 2) * p.z + at(2, 3)};
}

Mat4 Mat4::affineInverse() const
{
    // The inverse of the linear part by cofactors, then the translation
    // taken back through it.
    const double a = at(0, 0), b = at(0, 1), c = at(0, 2);
    const double d = at(1, 0), e = at(1, 1), f = at(1, 2);
    const double g = at(2, 0), h = at(2, 1), k = at(2, 2);
    const double det = a * (e * k - f * h) - b * (d * k - f * g) + c * (d * h - e * g);
    const double inv[3][3] = {
        {(e * k - f * h) / det, (c * h - b * k) / det, (b * f - c * e) / det},
        {(f * g - d * k) / det, (a * k - c * g) / det, (c * d - a * f) / det},
        {(d * h - e * g) / det, (b * g - a * h) / det, (a * e - b * d) / det},
    };
    Mat4 r;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col)
            r.m[col * 4 + row] = inv[row][col];
        r.m[12 + row] = -(inv[row][0] * at(0, 3) + inv[row][1] * at(1, 3) + inv[row][2] * at(2, 3));
    }
    return r;
}

} // namespace vestrel
