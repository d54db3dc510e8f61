// SPDX-License-Identifier: MIT
// Every solid shows its whole symmetry formula, exactly: from what one frame
// records, each drawn plane mirrors the corners onto themselves, each drawn
// axis turns them onto themselves (an inversion axis turns and then inverts
// them in the centre), each marker sits at the centre of a face, and the
// axes and planes of each kind are as many as the formula says. The list of
// elements the scenes give for showing the symmetry operations agrees with
// what is drawn.
#include "tests/polyhedra/polyhedron_cases.h"

#include "scenes/polyhedra/symmetry_elements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string_view>

namespace vestrel::test {
namespace {

using AxisKind = std::pair<int, bool>; // order, inversion

struct Formula {
    std::map<AxisKind, int> axes;
    int planes = 0;
    bool centre = false;
};

// "3L4 4L3 6L2 9PC", "3Li4 4L3 6P", "Li6 3L2 3P": a count (1 when left out)
// before L (an axis; "i" for an inversion axis, then its order), P (planes)
// or C (the centre).
Formula Parse(std::string_view text)
{
    Formula f;
    std::size_t i = 0;
    const auto number = [&](int otherwise) {
        int n = 0;
        bool any = false;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            n = n * 10 + (text[i++] - '0');
            any = true;
        }
        return any ? n : otherwise;
    };
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        const int count = number(1);
        const char kind = text[i++];
        if (kind == 'L') {
            const bool inversion = i < text.size() && text[i] == 'i';
            if (inversion)
                ++i;
            f.axes[{number(0), inversion}] += count;
        } else if (kind == 'P') {
            f.planes += count;
        } else if (kind == 'C') {
            f.centre = true;
        } else {
            ADD_FAILURE() << "unreadable formula " << text;
            break;
        }
    }
    return f;
}

// What the scenes draw for a formula: an inversion axis of order 6 is a
// threefold axis with a mirror across it, and it is drawn as those two.
Formula AsDrawn(Formula f)
{
    const auto li6 = f.axes.find({6, true});
    if (li6 != f.axes.end()) {
        f.axes[{3, false}] += li6->second;
        f.planes += li6->second;
        f.axes.erase(li6);
    }
    return f;
}

TEST(SymmetryFormula, IsReadAsTheReferencePlateWritesIt)
{
    const Formula cube = Parse("3L4 4L3 6L2 9PC");
    EXPECT_EQ((cube.axes), (std::map<AxisKind, int>{{{4, false}, 3}, {{3, false}, 4}, {{2, false}, 6}}));
    EXPECT_EQ(cube.planes, 9);
    EXPECT_TRUE(cube.centre);
    const Formula tetrahedron = Parse("3Li4 4L3 6P");
    EXPECT_EQ((tetrahedron.axes), (std::map<AxisKind, int>{{{4, true}, 3}, {{3, false}, 4}}));
    EXPECT_FALSE(tetrahedron.centre);
    const Formula prism = AsDrawn(Parse("Li6 3L2 3P"));
    EXPECT_EQ((prism.axes), (std::map<AxisKind, int>{{{3, false}, 1}, {{2, false}, 3}}));
    EXPECT_EQ(prism.planes, 4);
}

struct DrawnAxis {
    Vec3 a, b;
    int order;
    bool inversion;
};

std::vector<DrawnAxis> DrawnAxes(const SceneRecording& r, const PolyhedronCase& c)
{
    std::vector<DrawnAxis> out;
    const auto take = [&](const RecordedPrimitive* p, const std::vector<GroupCount>& groups, bool inversion) {
        const auto segments = p ? Segments(*p) : std::vector<std::pair<Vec3, Vec3>>{};
        std::size_t s = 0;
        for (const GroupCount& g : groups)
            for (int i = 0; i < g.count && s < segments.size(); ++i, ++s)
                out.push_back({segments[s].first, segments[s].second, g.order, inversion});
        EXPECT_EQ(s, segments.size()) << "every drawn axis belongs to a group";
    };
    take(r.axes, c.axes, false);
    take(r.inversionAxes, c.inversionAxes, true);
    return out;
}

// The normal of a drawn quadrilateral by Newell's method, which weighs all
// four corners alike.
Vec3 NormalOf(const std::vector<Vec3>& corners)
{
    Vec3 n;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Vec3& p = corners[i];
        const Vec3& q = corners[(i + 1) % corners.size()];
        n = {n.x + (p.y - q.y) * (p.z + q.z), n.y + (p.z - q.z) * (p.x + q.x), n.z + (p.x - q.x) * (p.y + q.y)};
    }
    return normalised(n);
}

std::vector<std::vector<Vec3>> DrawnPlanes(const SceneRecording& r)
{
    std::vector<std::vector<Vec3>> out;
    if (!r.planes)
        return out;
    const auto& v = r.planes->vertices;
    for (std::size_t i = 0; i + 4 <= v.size(); i += 4)
        out.push_back({v[i].position, v[i + 1].position, v[i + 2].position, v[i + 3].position});
    return out;
}

Vec3 Centroid(const std::vector<Vec3>& points)
{
    Vec3 sum;
    for (const Vec3& p : points)
        sum += p;
    return sum / static_cast<double>(points.size());
}

// The centres of the solid's faces: the drawn triangles and quadrilaterals
// grouped by their plane (a fanned hexagon is one face), each face's centre
// the mean of its corners that are corners of the solid.
std::vector<Vec3> FaceCentres(const SceneRecording& r, const std::vector<Vec3>& corners, double tolerance)
{
    struct Face {
        Vec3 normal;
        double offset;
        std::vector<Vec3> corners;
    };
    std::vector<Face> faces;
    for (const Polygon& p : FacePolygons(r)) {
        const Vec3 n = NormalOf(p.corners);
        const double d = dot(n, p.corners[0]);
        auto face = std::find_if(faces.begin(), faces.end(), [&](const Face& f) {
            return length(f.normal - n) < 1e-6 && std::abs(f.offset - d) < tolerance;
        });
        if (face == faces.end())
            face = faces.insert(faces.end(), Face{n, d, {}});
        for (const Vec3& v : p.corners)
            if (std::any_of(corners.begin(), corners.end(), [&](const Vec3& q) { return Near(q, v, tolerance); }))
                face->corners.push_back(v);
    }
    std::vector<Vec3> centres;
    for (const Face& f : faces)
        centres.push_back(Centroid(DistinctPoints(f.corners)));
    return centres;
}

bool Parallel(Vec3 a, Vec3 b) { return length(cross(normalised(a), normalised(b))) < 1e-6; }

class SymmetryFormulaOfSolid : public ::testing::TestWithParam<PolyhedronCase> {};

TEST_P(SymmetryFormulaOfSolid, IsShownWholeAndExactly)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording r;
    Record(r, c.id, Options(true, true, true));
    ASSERT_NE(r.edges, nullptr);
    const auto corners = SolidCorners(r);
    const double tolerance = ExactTolerance(r);
    const Vec3 centre = Centroid(corners);

    // Mirrors.
    const auto planes = DrawnPlanes(r);
    for (std::size_t i = 0; i < planes.size(); ++i) {
        const Vec3 n = NormalOf(planes[i]);
        std::vector<Vec3> images;
        for (const Vec3& v : corners)
            images.push_back(Reflected(v - planes[i][0], n) + planes[i][0]);
        EXPECT_LE(SetMismatch(corners, images), tolerance) << "plane " << i;
    }

    // Axes: a turn about the drawn line, then for an inversion axis the
    // inversion in the centre.
    const auto axes = DrawnAxes(r, c);
    std::map<AxisKind, int> drawnAxes;
    for (std::size_t i = 0; i < axes.size(); ++i) {
        const DrawnAxis& axis = axes[i];
        ++drawnAxes[{axis.order, axis.inversion}];
        std::vector<Vec3> images;
        for (const Vec3& v : corners) {
            const Vec3 turned = Rotated(v - axis.a, axis.b - axis.a, 360.0 / axis.order) + axis.a;
            images.push_back(axis.inversion ? Inverted(turned, centre) : turned);
        }
        EXPECT_LE(SetMismatch(corners, images), tolerance) << "axis " << i << " of order " << axis.order;
        if (axis.inversion) {
            EXPECT_LT(DistanceToLine(centre, axis.a, axis.b), tolerance) << "through the centre";
        }
    }

    // Markers at face centres.
    const auto centres = FaceCentres(r, corners, tolerance);
    const auto markers = r.gl.spheres();
    int expectedMarkers = 0;
    for (const GroupCount& g : c.markers)
        expectedMarkers += g.count;
    EXPECT_EQ(static_cast<int>(markers.size()), expectedMarkers);
    for (const RecordedSolid* m : markers) {
        double nearest = 1e300;
        for (const Vec3& f : centres)
            nearest = std::min(nearest, distance(f, m->centre));
        EXPECT_LE(nearest, tolerance) << "a marker off every face centre";
    }

    // The centre of symmetry, which is not drawn.
    std::vector<Vec3> inverted;
    for (const Vec3& v : corners)
        inverted.push_back(Inverted(v, centre));
    const bool hasCentre = SetMismatch(corners, inverted) <= tolerance;

    // As many of each kind as the formula says.
    const Formula formula = Parse(c.formula);
    const Formula drawn = AsDrawn(formula);
    EXPECT_EQ(drawnAxes, drawn.axes) << c.formula;
    EXPECT_EQ(static_cast<int>(planes.size()), drawn.planes) << c.formula;
    EXPECT_EQ(hasCentre, formula.centre) << c.formula;

    // The scene's own list of its elements agrees with the drawing, and
    // each of its elements is itself an operation of the solid.
    const polyhedra::SymmetryElements elements = polyhedra::SymmetryElementsOf(c.id);
    EXPECT_EQ(elements.centre, formula.centre);
    ASSERT_EQ(elements.axes.size(), axes.size());
    for (std::size_t i = 0; i < axes.size(); ++i) {
        const auto& e = elements.axes[i];
        EXPECT_TRUE(Parallel(e.direction, axes[i].b - axes[i].a)) << "axis " << i;
        EXPECT_GT(dot(e.direction, axes[i].b - axes[i].a), 0) << "from the first end to the second";
        EXPECT_NEAR(length(e.direction), 1, 1e-12);
        EXPECT_EQ(e.order, axes[i].order);
        EXPECT_EQ(e.inversion, axes[i].inversion);
        std::vector<Vec3> images;
        for (const Vec3& v : corners) {
            const Vec3 turned = Rotated(v, e.direction, 360.0 / e.order);
            images.push_back(e.inversion ? Inverted(turned, {}) : turned);
        }
        EXPECT_LE(SetMismatch(corners, images), tolerance) << "listed axis " << i;
    }
    ASSERT_EQ(elements.planes.size(), planes.size());
    for (std::size_t i = 0; i < planes.size(); ++i) {
        const Vec3 n = elements.planes[i].normal;
        EXPECT_TRUE(Parallel(n, NormalOf(planes[i]))) << "plane " << i;
        EXPECT_NEAR(length(n), 1, 1e-12);
        std::vector<Vec3> images;
        for (const Vec3& v : corners)
            images.push_back(Reflected(v, n));
        EXPECT_LE(SetMismatch(corners, images), tolerance) << "listed plane " << i;
    }
    if (elements.centre) {
        std::vector<Vec3> images;
        for (const Vec3& v : corners)
            images.push_back(Inverted(v, {}));
        EXPECT_LE(SetMismatch(corners, images), tolerance) << "the centre is the origin";
    }
}

INSTANTIATE_TEST_SUITE_P(Polyhedra, SymmetryFormulaOfSolid, ::testing::ValuesIn(PolyhedronCases()),
                         [](const auto& info) { return CaseName(info.param); });

TEST(SymmetryElements, StructureScenesHaveNone)
{
    for (const SceneEntry& scene : sceneRegistry()) {
        if (index(scene.id) < index(SceneId::RockSalt))
            continue;
        const auto elements = polyhedra::SymmetryElementsOf(scene.id);
        EXPECT_TRUE(elements.axes.empty() && elements.planes.empty() && !elements.centre) << scene.name;
    }
}

} // namespace
} // namespace vestrel::test
