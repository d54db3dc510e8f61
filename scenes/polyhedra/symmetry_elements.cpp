// SPDX-License-Identifier: MIT
#include "scenes/polyhedra/symmetry_elements.h"

#include "scenes/polyhedra/polyhedron_common.h"

#include <cmath>

namespace vestrel::polyhedra {

namespace {

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
    const Vec3& own = source.ownScale;
    const Mat3 s = Mat3::fromColumns({own.x, 0, 0}, {0, own.y, 0}, {0, 0, own.z});
    SymmetryElements out;
    out.centre = source.centre;
    for (const AxisGroup& group : source.axisGroups)
        for (const Axis& axis : group.axes)
            out.axes.push_back({normalised(s * axis.to - s * axis.from), group.order, group.inversion});
    for (const SymmetryPlane& plane : source.planes) {
        // The plane through the scaled corners: its normal is the cross
        // product of the quadrilateral's diagonals.
        const auto& c = plane.corners;
        const Vec3 d1 = s * c[2] - s * c[0], d2 = s * c[3] - s * c[1];
        out.planes.push_back({normalised(cross(d1, d2))});
    }
    return out;
}

} // namespace vestrel::polyhedra
