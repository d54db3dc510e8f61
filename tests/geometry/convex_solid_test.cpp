// SPDX-License-Identifier: MIT
// Convex solids cut out of half-spaces: counts of corners, edges and faces
// against the textbook solids, orientation of the faces, open and empty
// intersections, and a combination of three general forms of m3m checked
// corner by corner against the plain search over all plane triples.
#include "logic/morphology/convex_solid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <vector>

using namespace vestrel;
using namespace vestrel::morphology;

namespace {

// All planes h.x <= offset for the permutations and sign changes of hkl
// that are distinct: the form {hkl} of the class m3m.
std::vector<Plane> CubicForm(std::array<int, 3> hkl, double offset)
{
    std::set<std::array<int, 3>> normals;
    std::array<int, 3> p = hkl;
    std::sort(p.begin(), p.end());
    do {
        for (int signs = 0; signs < 8; ++signs)
            normals.insert({(signs & 1 ? -1 : 1) * p[0], (signs & 2 ? -1 : 1) * p[1], (signs & 4 ? -1 : 1) * p[2]});
    } while (std::next_permutation(p.begin(), p.end()));
    std::vector<Plane> planes;
    for (const auto& n : normals)
        planes.push_back({Vec3{double(n[0]), double(n[1]), double(n[2])}, offset * length(Vec3{double(n[0]), double(n[1]), double(n[2])})});
    return planes;
}

std::vector<Plane> Joined(std::vector<std::vector<Plane>> forms)
{
    std::vector<Plane> all;
    for (const auto& form : forms)
        all.insert(all.end(), form.begin(), form.end());
    return all;
}

struct SolidCase {
    const char* name;
    std::vector<Plane> planes;
    std::size_t vertices, edges, faces;
};

void PrintTo(const SolidCase& c, std::ostream* os) { *os << c.name; }

std::vector<SolidCase> Cases()
{
    std::vector<Plane> cubeWithRedundant = CubicForm({1, 0, 0}, 1);
    cubeWithRedundant.push_back({{1, 1, 1}, 5});  // misses the cube
    cubeWithRedundant.push_back({{1, 1, 1}, 3});  // touches it in one corner only
    cubeWithRedundant.push_back({{1, 1, 0}, 2});  // touches it along one edge only
    std::vector<Plane> truncatedCorner = CubicForm({1, 0, 0}, 1);
    truncatedCorner.push_back({{1, 1, 1}, 2.5});
    return {
        {"cube", CubicForm({1, 0, 0}, 1), 8, 12, 6},
        {"octahedron", CubicForm({1, 1, 1}, 1), 6, 12, 8},
        {"rhombic_dodecahedron", CubicForm({1, 1, 0}, 1), 14, 24, 12},
        {"cube_with_planes_that_only_touch", cubeWithRedundant, 8, 12, 6},
        {"cube_with_one_corner_cut", truncatedCorner, 10, 15, 7},
        // Cube and octahedron in equal measure: the cuboctahedron.
        {"cuboctahedron", Joined({CubicForm({1, 0, 0}, 1), CubicForm({1, 1, 1}, 2 / std::sqrt(3.0))}), 12, 24, 14},
    };
}

class Solid : public ::testing::TestWithParam<SolidCase> {};

TEST_P(Solid, HasTheCornersEdgesAndFacesOfTheTextbookSolid)
{
    const SolidCase& c = GetParam();
    const ConvexSolid solid = IntersectHalfSpaces(c.planes);
    ASSERT_TRUE(solid.bounded);
    EXPECT_EQ(solid.vertices.size(), c.vertices);
    EXPECT_EQ(EdgesOf(solid).size(), c.edges);
    EXPECT_EQ(solid.faces.size(), c.faces);
    EXPECT_EQ(int(solid.vertices.size()) - int(EdgesOf(solid).size()) + int(solid.faces.size()), 2) << "Euler";
}

TEST_P(Solid, FacesPointOutwardsWithCornersCounterClockwise)
{
    const SolidCase& c = GetParam();
    const ConvexSolid solid = IntersectHalfSpaces(c.planes);
    for (const SolidFace& face : solid.faces) {
        const Plane& plane = c.planes[face.plane];
        EXPECT_NEAR(length(face.normal - normalised(plane.normal)), 0, 1e-12);
        for (std::size_t i = 0; i < face.corners.size(); ++i) {
            const Vec3 a = solid.vertices[face.corners[i]];
            const Vec3 b = solid.vertices[face.corners[(i + 1) % face.corners.size()]];
            const Vec3 d = solid.vertices[face.corners[(i + 2) % face.corners.size()]];
            EXPECT_NEAR(dot(plane.normal, a), plane.offset, 1e-9);
            EXPECT_GT(dot(cross(b - a, d - b), face.normal), 0) << "corner " << i;
        }
    }
    for (const SolidEdge& edge : EdgesOf(solid))
        EXPECT_GE(edge.rightFace, 0) << "every edge joins two faces";
}

INSTANTIATE_TEST_SUITE_P(Solids, Solid, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<SolidCase>& info) { return info.param.name; });

TEST(OpenAndEmptySolids, AreReportedInsteadOfCut)
{
    std::vector<Plane> prism = CubicForm({1, 0, 0}, 1);
    prism.pop_back();
    prism.pop_back();  // the two faces across z
    const std::vector<Plane> octant{{{1, 0, 0}, 0}, {{0, 1, 0}, 0}, {{0, 0, 1}, 0}};
    for (const auto& open : {prism, octant, std::vector<Plane>{}}) {
        const ConvexSolid solid = IntersectHalfSpaces(open);
        EXPECT_FALSE(solid.bounded);
        EXPECT_TRUE(solid.vertices.empty());
        EXPECT_TRUE(solid.faces.empty());
    }
    std::vector<Plane> disjoint = CubicForm({1, 0, 0}, 1);
    disjoint.push_back({{1, 0, 0}, -2});
    const ConvexSolid none = IntersectHalfSpaces(disjoint);
    EXPECT_TRUE(none.vertices.empty());
    EXPECT_TRUE(none.faces.empty());
}

// The plain search: every triple of planes, its meeting point kept when it
// lies inside all half-spaces.
std::vector<Vec3> CornersByAllTriples(const std::vector<Plane>& planes)
{
    std::vector<Vec3> corners;
    const std::size_t n = planes.size();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            for (std::size_t k = j + 1; k < n; ++k) {
                const Mat3 m{{{{planes[i].normal.x, planes[i].normal.y, planes[i].normal.z},
                               {planes[j].normal.x, planes[j].normal.y, planes[j].normal.z},
                               {planes[k].normal.x, planes[k].normal.y, planes[k].normal.z}}}};
                const double det = m.determinant();
                if (std::abs(det) < 1e-9)
                    continue;
                // Cramer's rule.
                const Vec3 d{planes[i].offset, planes[j].offset, planes[k].offset};
                auto replaced = [&](int column) {
                    Mat3 r = m;
                    for (int row = 0; row < 3; ++row)
                        r.rows[row][column] = row == 0 ? d.x : row == 1 ? d.y : d.z;
                    return r.determinant() / det;
                };
                const Vec3 p{replaced(0), replaced(1), replaced(2)};
                const bool inside = std::all_of(planes.begin(), planes.end(),
                                                [&](const Plane& q) { return dot(q.normal, p) <= q.offset + 1e-7; });
                const bool known = std::any_of(corners.begin(), corners.end(),
                                               [&](const Vec3& q) { return distance(p, q) < 1e-6; });
                if (inside && !known)
                    corners.push_back(p);
            }
    return corners;
}

TEST(ThreeGeneralFormsOfM3m, GiveTheCornersThePlainSearchFinds)
{
    const std::vector<Plane> planes =
        Joined({CubicForm({3, 2, 1}, 1), CubicForm({4, 2, 1}, 1.02), CubicForm({5, 3, 1}, 1.03)});
    ASSERT_EQ(planes.size(), 144u);
    const ConvexSolid solid = IntersectHalfSpaces(planes);
    ASSERT_TRUE(solid.bounded);
    const std::vector<Vec3> expected = CornersByAllTriples(planes);
    ASSERT_EQ(solid.vertices.size(), expected.size());
    for (const Vec3& v : solid.vertices)
        EXPECT_TRUE(std::any_of(expected.begin(), expected.end(), [&](const Vec3& e) { return distance(v, e) < 1e-9; }));
    EXPECT_EQ(int(solid.vertices.size()) - int(EdgesOf(solid).size()) + int(solid.faces.size()), 2) << "Euler";
}

} // namespace
