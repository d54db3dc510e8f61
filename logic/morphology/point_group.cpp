// SPDX-License-Identifier: MIT
#include "logic/morphology/point_group.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vestrel::morphology {

IntMatrix operator*(const IntMatrix& a, const IntMatrix& b)
{
    IntMatrix r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    return r;
}

IntVector operator*(const IntMatrix& m, const IntVector& v)
{
    IntVector r{};
    for (int i = 0; i < 3; ++i)
        r[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return r;
}

int Determinant(const IntMatrix& m)
{
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0])
        + m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

int Trace(const IntMatrix& m) { return m[0][0] + m[1][1] + m[2][2]; }

IntMatrix Inverse(const IntMatrix& m)
{
    // The adjugate divided by the determinant, which is ±1.
    const int d = Determinant(m);
    IntMatrix r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            const int r1 = (j + 1) % 3, r2 = (j + 2) % 3, c1 = (i + 1) % 3, c2 = (i + 2) % 3;
            r[i][j] = (m[r1][c1] * m[r2][c2] - m[r1][c2] * m[r2][c1]) * d;
        }
    return r;
}

IntMatrix Negated(const IntMatrix& m)
{
    IntMatrix r = m;
    for (auto& row : r)
        for (int& v : row)
            v = -v;
    return r;
}

std::vector<IntMatrix> ClosedGroup(const std::vector<IntMatrix>& generators)
{
    std::vector<IntMatrix> group{IntMatrix{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}};
    // Multiply every element by every generator until nothing new appears;
    // a crystallographic point group has at most 48 elements.
    for (std::size_t i = 0; i < group.size() && group.size() <= 48; ++i)
        for (const IntMatrix& g : generators) {
            const IntMatrix p = group[i] * g;
            if (std::find(group.begin(), group.end(), p) == group.end())
                group.push_back(p);
        }
    return group;
}

namespace {

constexpr double Degree = std::numbers::pi / 180;

// c along z, b in the yz plane, a completing a right-handed frame.
Lattice MakeLattice(double a, double b, double c, double alpha, double beta, double gamma)
{
    Lattice l{a, b, c, alpha, beta, gamma, {}, {}};
    const double ca = std::cos(alpha * Degree), sa = std::sin(alpha * Degree);
    const double cb = std::cos(beta * Degree), cg = std::cos(gamma * Degree);
    l.basis[2] = {0, 0, c};
    l.basis[1] = {0, b * sa, b * ca};
    const double az = a * cb, ay = a * (cg - cb * ca) / sa;
    l.basis[0] = {std::sqrt(std::max(0.0, a * a - ay * ay - az * az)), ay, az};
    const double volume = dot(l.basis[0], cross(l.basis[1], l.basis[2]));
    for (int i = 0; i < 3; ++i)
        l.reciprocal[i] = cross(l.basis[(i + 1) % 3], l.basis[(i + 2) % 3]) / volume;
    return l;
}

// Operations on direct-lattice coordinates (x, y, z) of the settings used.
constexpr IntMatrix Centre{{{-1, 0, 0}, {0, -1, 0}, {0, 0, -1}}};
constexpr IntMatrix TwoX{{{1, 0, 0}, {0, -1, 0}, {0, 0, -1}}};
constexpr IntMatrix TwoY{{{-1, 0, 0}, {0, 1, 0}, {0, 0, -1}}};
constexpr IntMatrix TwoZ{{{-1, 0, 0}, {0, -1, 0}, {0, 0, 1}}};
constexpr IntMatrix MirrorX{{{-1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
constexpr IntMatrix MirrorY{{{1, 0, 0}, {0, -1, 0}, {0, 0, 1}}};
constexpr IntMatrix FourZ{{{0, -1, 0}, {1, 0, 0}, {0, 0, 1}}};
constexpr IntMatrix InverseFourZ{{{0, 1, 0}, {-1, 0, 0}, {0, 0, -1}}};
constexpr IntMatrix ThreeXYZ{{{0, 0, 1}, {1, 0, 0}, {0, 1, 0}}}; // along [111]
// Hexagonal axes.
constexpr IntMatrix ThreeZ{{{0, -1, 0}, {1, -1, 0}, {0, 0, 1}}};
constexpr IntMatrix SixZ{{{1, -1, 0}, {1, 0, 0}, {0, 0, 1}}};
constexpr IntMatrix InverseSixZ{{{-1, 1, 0}, {-1, 0, 0}, {0, 0, -1}}};
constexpr IntMatrix TwoA{{{1, -1, 0}, {0, -1, 0}, {0, 0, -1}}};   // along a1 = [100]
constexpr IntMatrix MirrorA{{{-1, 1, 0}, {0, 1, 0}, {0, 0, 1}}};  // normal to a1

std::vector<IntMatrix> GeneratorsOf(int number)
{
    switch (number) {
    case 1: return {};
    case 2: return {Centre};
    case 3: return {TwoY};
    case 4: return {MirrorY};
    case 5: return {TwoY, Centre};
    case 6: return {TwoZ, TwoY};
    case 7: return {TwoZ, MirrorX};
    case 8: return {TwoZ, TwoY, Centre};
    case 9: return {FourZ};
    case 10: return {InverseFourZ};
    case 11: return {FourZ, Centre};
    case 12: return {FourZ, TwoX};
    case 13: return {FourZ, MirrorX};
    case 14: return {InverseFourZ, TwoX};       // -42m: 2-fold axes along a and b
    case 15: return {FourZ, TwoX, Centre};
    case 16: return {ThreeZ};
    case 17: return {ThreeZ, Centre};
    case 18: return {ThreeZ, TwoA};             // 321
    case 19: return {ThreeZ, MirrorA};          // 3m1
    case 20: return {ThreeZ, TwoA, Centre};     // -3m1
    case 21: return {SixZ};
    case 22: return {InverseSixZ};
    case 23: return {SixZ, Centre};
    case 24: return {SixZ, TwoA};
    case 25: return {SixZ, MirrorA};
    case 26: return {InverseSixZ, MirrorA};     // -6m2: mirrors normal to a
    case 27: return {SixZ, TwoA, Centre};
    case 28: return {TwoZ, TwoY, ThreeXYZ};
    case 29: return {TwoZ, TwoY, ThreeXYZ, Centre};
    case 30: return {FourZ, ThreeXYZ};
    case 31: return {InverseFourZ, ThreeXYZ};
    case 32: return {FourZ, ThreeXYZ, Centre};
    default: return {};
    }
}

} // namespace

// Axial ratios chosen so that the forms look as they do in crystal drawings:
// the trigonal c/a is calcite's, whose cleavage rhombohedron is {10-11}.
Lattice LatticeOf(CrystalSystem system)
{
    switch (system) {
    case CrystalSystem::Triclinic: return MakeLattice(0.85, 1, 0.9, 96, 104, 87);
    case CrystalSystem::Monoclinic: return MakeLattice(0.9, 1, 0.8, 90, 110, 90);
    case CrystalSystem::Orthorhombic: return MakeLattice(0.8, 1, 1.25, 90, 90, 90);
    case CrystalSystem::Tetragonal: return MakeLattice(1, 1, 1.3, 90, 90, 90);
    case CrystalSystem::Trigonal: return MakeLattice(1, 1, 0.854, 90, 90, 120);
    case CrystalSystem::Hexagonal: return MakeLattice(1, 1, 1.1, 90, 90, 120);
    case CrystalSystem::Cubic: return MakeLattice(1, 1, 1, 90, 90, 90);
    }
    return MakeLattice(1, 1, 1, 90, 90, 90);
}

const CrystalClass& ClassInfo(int number) { return CrystalClasses[static_cast<std::size_t>(std::clamp(number, 1, 32) - 1)]; }

bool UsesHexagonalAxes(CrystalSystem system)
{
    return system == CrystalSystem::Trigonal || system == CrystalSystem::Hexagonal;
}

const std::vector<IntMatrix>& ClassOperations(int number)
{
    static const std::array<std::vector<IntMatrix>, ClassCount> groups = [] {
        std::array<std::vector<IntMatrix>, ClassCount> all;
        for (int n = 1; n <= ClassCount; ++n)
            all[static_cast<std::size_t>(n - 1)] = ClosedGroup(GeneratorsOf(n));
        return all;
    }();
    return groups[static_cast<std::size_t>(std::clamp(number, 1, 32) - 1)];
}

Mat3 CartesianOperation(const Lattice& l, const IntMatrix& w)
{
    // basis⁻¹ has the reciprocal vectors as its rows.
    const Mat3 basis = Mat3::fromColumns(l.basis[0], l.basis[1], l.basis[2]);
    const Mat3 inverse = Mat3::fromColumns(l.reciprocal[0], l.reciprocal[1], l.reciprocal[2]).transposed();
    Mat3 m;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            m.rows[i][j] = w[i][j];
    return basis * m * inverse;
}

IntVector FaceImage(const IntMatrix& w, const IntVector& hkl)
{
    const IntMatrix inv = Inverse(w);
    IntVector r{};
    for (int j = 0; j < 3; ++j)
        r[j] = hkl[0] * inv[0][j] + hkl[1] * inv[1][j] + hkl[2] * inv[2][j];
    return r;
}

Vec3 FaceNormal(const Lattice& l, const IntVector& hkl)
{
    return hkl[0] * l.reciprocal[0] + hkl[1] * l.reciprocal[1] + hkl[2] * l.reciprocal[2];
}

Vec3 LatticeDirection(const Lattice& l, const IntVector& uvw)
{
    return uvw[0] * l.basis[0] + uvw[1] * l.basis[1] + uvw[2] * l.basis[2];
}

} // namespace vestrel::morphology
