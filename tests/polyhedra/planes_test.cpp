// SPDX-License-Identifier: MIT
// Planes of symmetry: shown only on request, each an opaque quadrilateral
// through the centre, and mirrors of the solid.
#include "tests/polyhedra/polyhedron_cases.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vestrel::test {
namespace {

struct DrawnPlane {
    Colour colour;
    std::vector<Vec3> corners;
    Vec3 normal;
};

std::vector<DrawnPlane> PlanesOf(const SceneRecording& r)
{
    std::vector<DrawnPlane> out;
    if (!r.planes)
        return out;
    const auto& v = r.planes->vertices;
    for (std::size_t i = 0; i + 4 <= v.size(); i += 4) {
        DrawnPlane p{v[i].colour, {}, {}};
        for (std::size_t k = 0; k < 4; ++k) {
            p.corners.push_back(v[i + k].position);
            EXPECT_EQ(v[i + k].colour, p.colour) << "one colour per plane";
        }
        p.normal = normalised(cross(p.corners[1] - p.corners[0], p.corners[2] - p.corners[0]));
        out.push_back(p);
    }
    return out;
}

class SymmetryPlanes : public ::testing::TestWithParam<PolyhedronCase> {};

TEST_P(SymmetryPlanes, AreDrawnOnlyWhenShown)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording hidden, shown;
    Record(hidden, c.id, Options(false, false, true));
    Record(shown, c.id, Options(false, true, true));
    EXPECT_EQ(hidden.planes, nullptr);
    ASSERT_NE(shown.planes, nullptr);
    EXPECT_EQ(static_cast<int>(PlanesOf(shown).size()), c.planes);
    EXPECT_EQ(shown.planes->vertices.size(), 4u * c.planes);
    // The planes come after the edges and before the axes.
    EXPECT_LT(shown.edges, shown.planes);
    EXPECT_LT(shown.planes, shown.axes);
}

TEST_P(SymmetryPlanes, EachIsAFlatQuadrilateralThroughTheCentre)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording r;
    Record(r, c.id, Options(true, true, false));
    for (const DrawnPlane& p : PlanesOf(r)) {
        EXPECT_NEAR(dot(p.corners[0], p.normal), 0, 1e-3) << "passes through the centre";
        EXPECT_NEAR(dot(p.corners[3] - p.corners[0], p.normal), 0, 1e-3) << "flat";
        // Convex, corners in order round the edge: every turn has the same sense.
        for (std::size_t i = 0; i < 4; ++i) {
            const Vec3 a = p.corners[i], b = p.corners[(i + 1) % 4], d = p.corners[(i + 2) % 4];
            EXPECT_GT(dot(cross(b - a, d - b), p.normal), 0) << "corner " << i;
        }
    }
}

TEST_P(SymmetryPlanes, AreDistinctInPlaceAndColour)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording r;
    Record(r, c.id, Options(true, true, false));
    const auto planes = PlanesOf(r);
    for (std::size_t i = 0; i < planes.size(); ++i)
        for (std::size_t j = i + 1; j < planes.size(); ++j) {
            EXPECT_GT(length(cross(planes[i].normal, planes[j].normal)), 0.05) << i << " and " << j;
            EXPECT_NE(planes[i].colour, planes[j].colour) << i << " and " << j;
        }
}

INSTANTIATE_TEST_SUITE_P(Polyhedra, SymmetryPlanes, ::testing::ValuesIn(PolyhedronCases()),
                         [](const auto& info) { return CaseName(info.param); });

// Every solid is exact: each plane is a true mirror of its corners.
class MirrorPlanes : public ::testing::TestWithParam<PolyhedronCase> {};

TEST_P(MirrorPlanes, MirrorTheSolid)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording r;
    Record(r, c.id, Options(true, true, false));
    const auto corners = SolidCorners(r);
    for (const DrawnPlane& p : PlanesOf(r)) {
        std::vector<Vec3> images;
        for (const Vec3& v : corners)
            images.push_back(Reflected(v, p.normal));
        EXPECT_LE(SetMismatch(corners, images), ExactTolerance(r));
    }
}

INSTANTIATE_TEST_SUITE_P(Polyhedra, MirrorPlanes, ::testing::ValuesIn(PolyhedronCases()),
                         [](const auto& info) { return CaseName(info.param); });

// Every mirror plane of the vertex set is drawn and nothing else. A mirror
// through the centre swaps two corners at equal distance from it, so its
// normal is their difference.
TEST(SymmetryPlanes, AreAllTheMirrorsOfTheSolids)
{
    for (const PolyhedronCase& c : PolyhedronCases()) {
        const SceneId id = c.id;
        SceneRecording r;
        Record(r, id, Options(false, true, false));
        const auto corners = SolidCorners(r);
        const double tolerance = ExactTolerance(r);
        std::vector<Vec3> mirrors;
        for (const Vec3& a : corners)
            for (const Vec3& b : corners) {
                if (Near(a, b) || std::abs(length(a) - length(b)) > tolerance)
                    continue;
                const Vec3 n = normalised(a - b);
                std::vector<Vec3> images;
                for (const Vec3& v : corners)
                    images.push_back(Reflected(v, n));
                const bool known = std::any_of(mirrors.begin(), mirrors.end(),
                                               [&](const Vec3& m) { return length(cross(m, n)) < 1e-6; });
                if (!known && SetMismatch(corners, images) < tolerance)
                    mirrors.push_back(n);
            }
        const auto planes = PlanesOf(r);
        EXPECT_EQ(planes.size(), mirrors.size()) << sceneRegistry()[index(id)].name;
        for (const DrawnPlane& p : planes)
            EXPECT_TRUE(std::any_of(mirrors.begin(), mirrors.end(),
                                    [&](const Vec3& m) { return length(cross(m, p.normal)) < 1e-6; }));
    }
}

double Extent(const DrawnPlane& p, double Vec3::*axis)
{
    double e = 0;
    for (const Vec3& v : p.corners)
        e = std::max(e, std::abs(v.*axis));
    return e;
}

TEST(SymmetryPlanes, TheTetragonalPrismsPlanesAreSqueezedWithIt)
{
    SceneRecording r;
    Record(r, SceneId::TetragonalPrism, Options(false, true, false));
    const auto planes = PlanesOf(r);
    ASSERT_EQ(planes.size(), 5u);
    const DrawnPlane& horizontal = planes.back();
    EXPECT_NEAR(Extent(horizontal, &Vec3::x), 24, 1e-3);
    EXPECT_NEAR(Extent(horizontal, &Vec3::z), 24, 1e-3);
    EXPECT_NEAR(Extent(planes.front(), &Vec3::y), 50, 1e-3) << "Y keeps its scale";
}

TEST(SymmetryPlanes, TheTrigonalPyramidsPlanesReach80InHeight)
{
    SceneRecording r;
    Record(r, SceneId::TrigonalPyramid, Options(false, true, false));
    for (const DrawnPlane& p : PlanesOf(r))
        EXPECT_NEAR(Extent(p, &Vec3::y), 80, 1e-3);
}

TEST(SymmetryPlanes, TheOctahedronsCoordinatePlanesReachBeyondItsApexes)
{
    SceneRecording r;
    Record(r, SceneId::Octahedron, Options(false, true, false));
    const auto planes = PlanesOf(r);
    ASSERT_EQ(planes.size(), 9u);
    EXPECT_NEAR(Extent(planes[0], &Vec3::y), 80, 1e-3);
    EXPECT_NEAR(Extent(planes[1], &Vec3::y), 80, 1e-3);
    EXPECT_NEAR(Extent(planes[2], &Vec3::x), 70, 1e-3);
    EXPECT_NEAR(Extent(planes[2], &Vec3::y), 0, 1e-9);
}

TEST(SymmetryPlanes, TheHexagonalFormsShareTheirVerticalPlanes)
{
    SceneRecording pyramid, prism, bipyramid;
    Record(pyramid, SceneId::HexagonalPyramid, Options(false, true, false));
    Record(prism, SceneId::HexagonalPrism, Options(false, true, false));
    Record(bipyramid, SceneId::HexagonalBipyramid, Options(false, true, false));
    const auto a = PlanesOf(pyramid), b = PlanesOf(prism), h = PlanesOf(bipyramid);
    ASSERT_EQ(a.size(), 6u);
    ASSERT_EQ(b.size(), 7u);
    ASSERT_EQ(h.size(), 7u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_NEAR(a[i].normal.y, 0, 1e-9) << "vertical";
        EXPECT_EQ(a[i].colour, b[i].colour);
        EXPECT_EQ(a[i].colour, h[i].colour);
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_TRUE(Near(a[i].corners[k], b[i].corners[k]));
            EXPECT_TRUE(Near(a[i].corners[k], h[i].corners[k]));
        }
    }
    EXPECT_NEAR(std::abs(b[6].normal.y), 1, 1e-9) << "the seventh is horizontal";
    EXPECT_EQ(b[6].colour, (Colour{1, 1, 1}));
}

} // namespace
} // namespace vestrel::test
