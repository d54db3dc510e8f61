// SPDX-License-Identifier: MIT
#include "scenes/polyhedra/symmetry_elements.h"

#include "scenes/polyhedra/polyhedron_common.h"

#include <cmath>

namespace vestrel::polyhedra {

namespace {

Vec3 scaled(const Vec3& p, const Vec3& s) { return {p.x * s.x, p.y * s.y, p.z * s.z}; }
Vec3 sub(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Vec3 unit(const Vec3& a)
{
    const double l = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
    return {a.x / l, a.y / l, a.z / l};
}

SymmetrySource sourceOf(SceneId id)
{
    switch (id) {
    case SceneId::Cube: return CubeSymmetry();
    case SceneId::Tetrahedron: return TetrahedronSymmetry();
    case SceneId::TetragonalPrism: return TetragonalPrismSymmetry();
    case SceneId::TrigonalPrism: return TrigonalPrismSymmetry();
    case SceneId::TrigonalPyramid: return TrigonalPyramidSymmetry();
    case SceneId::DitrigonalPyramid: return DitrigonalPyramidSymmetry();
    case SceneId::TrigonalBipyramid: return TrigonalBipyramidSymmetry();
    case SceneId::TetragonalPyramid: return TetragonalPyramidSymmetry();
    case SceneId::Octahedron: return OctahedronSymmetry();
    case SceneId::HexagonalPyramid: return HexagonalPyramidSymmetry();
    case SceneId::HexagonalPrism: return HexagonalPrismSymmetry();
    case SceneId::HexagonalBipyramid: return HexagonalBipyramidSymmetry();
    default: return {};
    }
}

} // namespace

SymmetryElements SymmetryElementsOf(SceneId id)
{
    const SymmetrySource source = sourceOf(id);
    const Vec3& s = source.ownScale;
    SymmetryElements out;
    out.centre = source.centre;
    for (const AxisGroup& group : source.axisGroups)
        for (const Axis& axis : group.axes)
            out.axes.push_back({unit(sub(scaled(axis.to, s), scaled(axis.from, s))), group.order, group.inversion});
    for (const SymmetryPlane& plane : source.planes) {
        // The plane through the scaled corners: its normal is the cross
        // product of the quadrilateral's diagonals.
        const auto& c = plane.corners;
        const Vec3 d1 = sub(scaled(c[2], s), scaled(c[0], s)), d2 = sub(scaled(c[3], s), scaled(c[1], s));
        out.planes.push_back({unit({d1.y * d2.z - d1.z * d2.y, d1.z * d2.x - d1.x * d2.z, d1.x * d2.y - d1.y * d2.x})});
    }
    return out;
}

} // namespace vestrel::polyhedra
