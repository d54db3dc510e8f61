// SPDX-License-Identifier: MIT
#include "logic/morphology/class_elements.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <numeric>

namespace vestrel::morphology {

namespace {

using Kind = ClassElement::Kind;

IntVector CrossInt(const IntVector& a, const IntVector& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// The primitive lattice vector along a line, its first non-zero index positive.
IntVector Canonical(IntVector v)
{
    const int g = std::gcd(std::gcd(std::abs(v[0]), std::abs(v[1])), std::abs(v[2]));
    if (g == 0)
        return v;
    for (int& x : v)
        x /= g;
    const int first = v[0] != 0 ? v[0] : v[1] != 0 ? v[1] : v[2];
    if (first < 0)
        for (int& x : v)
            x = -x;
    return v;
}

// The axis of a rotation R ≠ 1: the kernel of R − 1, from two of its rows.
IntVector RotationAxis(const IntMatrix& r)
{
    IntMatrix m = r;
    for (int i = 0; i < 3; ++i)
        m[i][i] -= 1;
    for (int i = 0; i < 3; ++i)
        for (int j = i + 1; j < 3; ++j) {
            const IntVector c = CrossInt(m[i], m[j]);
            if (c != IntVector{0, 0, 0})
                return Canonical(c);
        }
    return {0, 0, 1};
}

struct AxisLine {
    int rotation = 1;  // highest proper rotation about the line
    int inversion = 0; // an inversion axis of order 4 or 6 without its rotation
};

} // namespace

int RotationOrder(const IntMatrix& w)
{
    const IntMatrix proper = Determinant(w) > 0 ? w : Negated(w);
    switch (Trace(proper)) {
    case 3: return 1;
    case 2: return 6;
    case 1: return 4;
    case 0: return 3;
    default: return 2;
    }
}

std::vector<ClassElement> ElementsOf(int classNumber)
{
    const std::vector<IntMatrix>& group = ClassOperations(classNumber);
    const Lattice lattice = LatticeOf(ClassInfo(classNumber).system);
    const auto inGroup = [&](const IntMatrix& m) { return std::find(group.begin(), group.end(), m) != group.end(); };
    std::map<IntVector, AxisLine> lines;
    std::vector<IntVector> mirrors;
    bool centre = false;
    for (const IntMatrix& w : group) {
        const int n = RotationOrder(w);
        const bool proper = Determinant(w) > 0;
        if (!proper && n == 1) {
            centre = true;
            continue;
        }
        if (n == 1)
            continue;
        const IntMatrix rotation = proper ? w : Negated(w);
        const IntVector axis = RotationAxis(rotation);
        if (proper)
            lines[axis].rotation = std::max(lines[axis].rotation, n);
        else if (n == 2)
            mirrors.push_back(axis);
        else if ((n == 4 || n == 6) && !inGroup(rotation))
            lines[axis].inversion = std::max(lines[axis].inversion, n);
    }
    std::vector<ClassElement> out;
    const auto add = [&](Kind kind, int order, const IntVector& v) {
        out.push_back({kind, order, v, normalised(LatticeDirection(lattice, v))});
    };
    for (int order : {6, 4, 3, 2})
        for (const auto& [axis, line] : lines)
            if (line.inversion == 0 && line.rotation == order)
                add(Kind::Axis, order, axis);
    for (int order : {6, 4})
        for (const auto& [axis, line] : lines)
            if (line.inversion == order)
                add(Kind::InversionAxis, order, axis);
    std::sort(mirrors.begin(), mirrors.end());
    mirrors.erase(std::unique(mirrors.begin(), mirrors.end()), mirrors.end());
    for (const IntVector& normal : mirrors) {
        // Li6 is 3/m: its mirror is part of it.
        const auto line = lines.find(normal);
        if (line != lines.end() && line->second.inversion == 6)
            continue;
        // A mirror's normal is the axis of the 2-fold rotation −m.
        add(Kind::Plane, 2, normal);
    }
    if (centre)
        add(Kind::Centre, 1, {0, 0, 0});
    return out;
}

} // namespace vestrel::morphology
