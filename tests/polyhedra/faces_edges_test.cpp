// SPDX-License-Identifier: MIT
// Faces and edges of the twelve polyhedra, checked against the solid they
// should make rather than against the vertex tables.
#include "tests/polyhedra/polyhedron_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <set>

namespace vestrel::test {
namespace {

class FacesAndEdges : public ::testing::TestWithParam<PolyhedronCase> {};

// Vertices are matched by position, so that a key survives the scale.
using Key = std::tuple<long, long, long>;
Key KeyOf(Vec3 p) { return {std::lround(p.x * 1000), std::lround(p.y * 1000), std::lround(p.z * 1000)}; }
using EdgeKey = std::pair<Key, Key>;
EdgeKey EdgeOf(Vec3 a, Vec3 b) { return std::minmax(KeyOf(a), KeyOf(b)); }

Vec3 NormalOf(const Polygon& f)
{
    return normalised(cross(f.corners[1] - f.corners[0], f.corners[2] - f.corners[0]));
}

// Every side of every face, with the faces that have it.
std::map<EdgeKey, std::vector<int>> FaceSides(const std::vector<Polygon>& faces)
{
    std::map<EdgeKey, std::vector<int>> sides;
    for (int f = 0; f < static_cast<int>(faces.size()); ++f) {
        const auto& v = faces[f].corners;
        for (std::size_t i = 0; i < v.size(); ++i)
            sides[EdgeOf(v[i], v[(i + 1) % v.size()])].push_back(f);
    }
    return sides;
}

std::set<EdgeKey> DrawnEdges(const SceneRecording& r)
{
    std::set<EdgeKey> out;
    for (const auto& [a, b] : Segments(*r.edges))
        out.insert(EdgeOf(a, b));
    return out;
}

TEST_P(FacesAndEdges, FacesAreDrawnOnlyWithSolidFaces)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording solid, edgesOnly;
    Record(solid, c.id, Options(true, false, true));
    Record(edgesOnly, c.id, Options(false, false, true));

    EXPECT_TRUE(edgesOnly.faces.empty());
    EXPECT_TRUE(edgesOnly.gl.primitivesOf(Primitive::Triangles).empty());
    EXPECT_TRUE(edgesOnly.gl.primitivesOf(Primitive::Quads).empty());

    int triangles = 0, quads = 0;
    for (const RecordedPrimitive* p : solid.faces) {
        (p->mode == Primitive::Triangles ? triangles : quads) += static_cast<int>(p->vertices.size());
        for (const auto& v : p->vertices)
            EXPECT_EQ(v.colour, c.face) << "every face is in the face colour";
    }
    EXPECT_EQ(triangles, 3 * c.triangles);
    EXPECT_EQ(quads, 4 * c.quads);
    // Triangles come before quadrilaterals when a scene has both.
    ASSERT_FALSE(solid.faces.empty());
    EXPECT_LE(solid.faces.size(), 2u);
    if (solid.faces.size() == 2) {
        EXPECT_EQ(solid.faces[0]->mode, Primitive::Triangles);
        EXPECT_EQ(solid.faces[1]->mode, Primitive::Quads);
    }
}

TEST_P(FacesAndEdges, FacesCloseTheSolid)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording r;
    Record(r, c.id, Options(true, false, false));
    const auto faces = FacePolygons(r);
    const auto sides = FaceSides(faces);
    for (const auto& [edge, owners] : sides)
        EXPECT_EQ(owners.size(), 2u) << "every side of a face is shared by exactly two faces";

    std::vector<Vec3> corners;
    for (const auto& f : faces)
        corners.insert(corners.end(), f.corners.begin(), f.corners.end());
    const int v = static_cast<int>(DistinctPoints(corners).size());
    const int e = static_cast<int>(sides.size());
    const int f = static_cast<int>(faces.size());
    EXPECT_EQ(v - e + f, 2) << "the faces make one closed surface without holes";

    for (const auto& face : faces) {
        EXPECT_GT(length(cross(face.corners[1] - face.corners[0], face.corners[2] - face.corners[0])), 1)
            << "no face is degenerate";
        for (const Vec3& p : face.corners)
            EXPECT_NEAR(dot(p - face.corners[0], NormalOf(face)), 0, 1e-3) << "faces are flat";
    }
}

TEST_P(FacesAndEdges, EdgesAreTheCreasesOfTheSurface)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording r;
    Record(r, c.id, Options(true, false, false));
    ASSERT_NE(r.edges, nullptr);
    const auto faces = FacePolygons(r);

    std::set<EdgeKey> creases;
    for (const auto& [edge, owners] : FaceSides(faces)) {
        if (owners.size() != 2)
            continue;
        // Sides inside a flat face (the fans of the hexagons) are no edges.
        if (length(cross(NormalOf(faces[owners[0]]), NormalOf(faces[owners[1]]))) > 1e-6)
            creases.insert(edge);
    }
    const auto drawn = DrawnEdges(r);
    EXPECT_EQ(drawn, creases);
    EXPECT_EQ(static_cast<int>(r.edges->vertices.size()), 2 * c.edges) << "each edge is drawn once";
    EXPECT_EQ(static_cast<int>(drawn.size()), c.edges);
    for (const auto& v : r.edges->vertices)
        EXPECT_EQ(v.colour, c.edge);

    // Euler's formula for the solid: its corners, its edges, its faces.
    std::vector<Vec3> ends;
    for (const auto& [a, b] : Segments(*r.edges)) {
        ends.push_back(a);
        ends.push_back(b);
    }
    EXPECT_EQ(static_cast<int>(DistinctPoints(ends).size()) - c.edges + c.polyhedronFaces, 2);
}

TEST_P(FacesAndEdges, QuadrilateralsGoRoundTheirEdges)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording r;
    Record(r, c.id, Options(true, false, false));
    const auto drawn = DrawnEdges(r);
    for (const auto& face : FacePolygons(r)) {
        if (face.corners.size() != 4)
            continue;
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_TRUE(drawn.count(EdgeOf(face.corners[i], face.corners[(i + 1) % 4])))
                << "corner " << i << " and the next are joined by an edge of the solid";
    }
}

TEST_P(FacesAndEdges, EdgesAreDrawnWhateverTheOptions)
{
    const PolyhedronCase& c = GetParam();
    for (bool faces : {false, true})
        for (bool planes : {false, true})
            for (bool axes : {false, true}) {
                SceneRecording r;
                Record(r, c.id, Options(faces, planes, axes));
                ASSERT_NE(r.edges, nullptr);
                EXPECT_EQ(static_cast<int>(r.edges->vertices.size()), 2 * c.edges);
            }
}

TEST_P(FacesAndEdges, LightingGoesOffBeforeAnythingIsDrawn)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording r;
    Record(r, c.id, Options(true, true, true, -1, -1, -1, -1));
    ASSERT_FALSE(r.gl.events.empty());
    bool lightingOff = false;
    for (const RecordedEvent& e : r.gl.events) {
        if (e.kind == RecordedEvent::Kind::Lighting)
            lightingOff = e.index == 0;
        if (e.kind == RecordedEvent::Kind::Primitive || e.kind == RecordedEvent::Kind::Solid) {
            EXPECT_TRUE(lightingOff);
        }
    }
    EXPECT_FALSE(r.gl.lightingOn);
    EXPECT_TRUE(r.gl.errors.empty()) << r.gl.errors.front();
}

TEST_P(FacesAndEdges, TheFaceColourIsMadeCurrentOnEntry)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording r;
    // Without faces, the entry colour is still the first colour call.
    Record(r, c.id, Options(false, false, false));
    ASSERT_FALSE(r.gl.colours.empty());
    EXPECT_EQ(r.gl.colours.front(), c.face);
    EXPECT_EQ(r.gl.currentColour, c.afterEdges) << "the colour current when the edges are done";
}

TEST_P(FacesAndEdges, TheSceneLeavesOnlyItsOwnScaleBehind)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording r;
    Record(r, c.id, Options(true, true, true));
    EXPECT_EQ(r.gl.stackDepth(), 0);
    EXPECT_TRUE(r.gl.errors.empty());
    const Mat4 expected = Mat4::scaling(c.ownScale.x, c.ownScale.y, c.ownScale.z);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(r.gl.matrix().m[i], expected.m[i], 1e-9) << "element " << i;
}

INSTANTIATE_TEST_SUITE_P(Polyhedra, FacesAndEdges, ::testing::ValuesIn(PolyhedronCases()),
                         [](const auto& info) { return CaseName(info.param); });

// Bounding box of what the faces cover, in the model frame.
struct Box {
    Vec3 lo{1e9, 1e9, 1e9}, hi{-1e9, -1e9, -1e9};
};

Box FaceBox(SceneId id)
{
    SceneRecording r;
    Record(r, id, Options(true, false, false));
    Box b;
    for (const auto& f : FacePolygons(r))
        for (const Vec3& p : f.corners) {
            b.lo = {std::min(b.lo.x, p.x), std::min(b.lo.y, p.y), std::min(b.lo.z, p.z)};
            b.hi = {std::max(b.hi.x, p.x), std::max(b.hi.y, p.y), std::max(b.hi.z, p.z)};
        }
    return b;
}

TEST(PolyhedronScale, TheTetragonalPrismIs18WideAndDeepAnd60High)
{
    const Box b = FaceBox(SceneId::TetragonalPrism);
    EXPECT_TRUE(Near(b.lo, {-9, -30, -9}));
    EXPECT_TRUE(Near(b.hi, {9, 30, 9}));
}

TEST(PolyhedronScale, TheTrigonalPyramidIsStretchedAlongY)
{
    const Box b = FaceBox(SceneId::TrigonalPyramid);
    EXPECT_NEAR(b.hi.y, 57.6, 1e-3) << "apex";
    EXPECT_NEAR(b.lo.y, -28.8, 1e-3) << "base";
    EXPECT_NEAR(b.hi.x, 36, 1e-3) << "X keeps its scale";
}

TEST(PolyhedronScale, TheTrigonalBipyramidIsStretchedAlongY)
{
    const Box b = FaceBox(SceneId::TrigonalBipyramid);
    EXPECT_NEAR(b.hi.y, 57.6, 1e-3);
    EXPECT_NEAR(b.lo.y, -57.6, 1e-3);
}

// The trigonal pyramid keeps a table of its own: the tetrahedron's apex and
// the directions of its base corners, but a wider base lower down, and its
// scale.
TEST(PolyhedronScale, TheTrigonalPyramidSharesTheTetrahedronsApexAndCornerDirectionsOnly)
{
    SceneRecording pyramid, tetrahedron;
    Record(pyramid, SceneId::TrigonalPyramid, Options(true, false, false));
    Record(tetrahedron, SceneId::Tetrahedron, Options(true, false, false));
    const auto a = SolidCorners(pyramid), b = SolidCorners(tetrahedron);
    ASSERT_EQ(a.size(), 4u);
    ASSERT_EQ(b.size(), 4u);
    int apexes = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        if (std::hypot(a[i].x, a[i].z) > 1) {
            EXPECT_NEAR(std::atan2(a[i].z, a[i].x), std::atan2(b[i].z, b[i].x), 1e-6) << "corner " << i;
        }
        apexes += Near(a[i], {0, 36 * 1.6, 0}) && Near(b[i], {0, 36, 0});
    }
    EXPECT_EQ(apexes, 1);
    const Box box = FaceBox(SceneId::Tetrahedron);
    EXPECT_NEAR(box.lo.y, -12, 1e-4) << "the tetrahedron's base";
    EXPECT_NEAR(FaceBox(SceneId::TrigonalPyramid).lo.y, -18 * 1.6, 1e-4) << "the pyramid's base";
    EXPECT_NEAR(box.hi.x, 24 * std::sqrt(2.0), 1e-4);
    EXPECT_NEAR(FaceBox(SceneId::TrigonalPyramid).hi.x, 36, 1e-4);
}

// The bases of the trigonal and hexagonal forms are regular polygons of
// circumradius 36 (the ditrigonal pyramid's alternates 27 and 36), their
// corners 60 degrees apart from the one on +X.
TEST(PolyhedronFaces, TheBasesAreExactlyRegular)
{
    struct Base {
        SceneId id;
        double y;          // the plane of the base, as drawn
        std::vector<double> radii;
    };
    const Base bases[] = {
        {SceneId::TrigonalPrism, -30, {36, 36, 36}},
        {SceneId::TrigonalPyramid, -18 * 1.6, {36, 36, 36}},
        {SceneId::TrigonalBipyramid, 0, {36, 36, 36}},
        {SceneId::HexagonalPyramid, -20, {36, 36, 36, 36, 36, 36}},
        {SceneId::HexagonalPrism, -40, {36, 36, 36, 36, 36, 36}},
        {SceneId::HexagonalBipyramid, 0, {36, 36, 36, 36, 36, 36}},
        {SceneId::DitrigonalPyramid, -20, {27, 36, 27, 36, 27, 36}},
    };
    for (const Base& base : bases) {
        SCOPED_TRACE(sceneRegistry()[index(base.id)].name);
        SceneRecording r;
        Record(r, base.id, Options(true, false, false));
        std::vector<Vec3> corners;
        for (const Vec3& p : SolidCorners(r))
            if (std::abs(p.y - base.y) < 1e-4)
                corners.push_back(p);
        ASSERT_EQ(corners.size(), base.radii.size());
        const double step = 360.0 / static_cast<double>(base.radii.size());
        for (const Vec3& p : corners) {
            double azimuth = std::atan2(p.z, p.x) * 180 / std::numbers::pi;
            if (azimuth < 0)
                azimuth += 360;
            const auto k = static_cast<std::size_t>(std::lround(azimuth / step)) % base.radii.size();
            EXPECT_NEAR(azimuth, std::fmod(static_cast<double>(k) * step, 360), 1e-5);
            EXPECT_NEAR(std::hypot(p.x, p.z), base.radii[k], 1e-4);
        }
    }
}

// The tetrahedron and the octahedron are regular: all edges equal, the
// tetrahedron's corners 36 from the centre, the octahedron's edges 80.
TEST(PolyhedronFaces, TheTetrahedronAndTheOctahedronAreRegular)
{
    for (const auto& [id, edge] : {std::pair{SceneId::Tetrahedron, 24 * std::sqrt(6.0)}, std::pair{SceneId::Octahedron, 80.0}}) {
        SceneRecording r;
        Record(r, id, Options(true, false, false));
        for (const auto& [a, b] : Segments(*r.edges))
            EXPECT_NEAR(distance(a, b), edge, 1e-4) << sceneRegistry()[index(id)].name;
    }
    SceneRecording r;
    Record(r, SceneId::Tetrahedron, Options(true, false, false));
    for (const Vec3& p : SolidCorners(r))
        EXPECT_NEAR(length(p), 36, 1e-4) << "centred on the origin";
}

TEST(PolyhedronFaces, TheHexagonalBasesAreFlatHexagonsFannedFromTheirCentres)
{
    for (SceneId id : {SceneId::HexagonalPyramid, SceneId::DitrigonalPyramid, SceneId::HexagonalPrism}) {
        SceneRecording r;
        Record(r, id, Options(true, false, false));
        // The fan centres are corners of faces but ends of no edge.
        std::vector<Vec3> corners, ends;
        for (const auto& f : FacePolygons(r))
            corners.insert(corners.end(), f.corners.begin(), f.corners.end());
        for (const auto& [a, b] : Segments(*r.edges)) {
            ends.push_back(a);
            ends.push_back(b);
        }
        int centres = 0;
        for (const Vec3& p : DistinctPoints(corners))
            if (std::none_of(ends.begin(), ends.end(), [&](const Vec3& q) { return Near(p, q); })) {
                ++centres;
                EXPECT_NEAR(p.x, 0, 1e-9);
                EXPECT_NEAR(p.z, 0, 1e-9);
            }
        EXPECT_EQ(centres, id == SceneId::HexagonalPrism ? 2 : 1) << sceneRegistry()[index(id)].name;
    }
}

} // namespace
} // namespace vestrel::test
