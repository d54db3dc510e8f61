// SPDX-License-Identifier: MIT
// Axes of symmetry and their marker balls: shown on request, group by group
// as the colour lists say, through the centre, and true rotation axes of the
// solid.
#include "tests/polyhedra/polyhedron_cases.h"

#include "frame/frame.h"
#include "tests/support/render_tool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace vestrel::test {
namespace {

struct DrawnAxis {
    Vec3 a, b;
    Colour colour;
};

using AxisGroups = std::vector<std::vector<DrawnAxis>>;
using MarkerGroups = std::vector<std::vector<const RecordedSolid*>>;

bool Drawn(const DisplayOptions& opt, int order)
{
    DisplayOptions copy = opt;
    return ListOf(copy, order) != 0;
}

// The axis primitive cut into the groups that the lists let through.
AxisGroups AxesByGroup(const SceneRecording& r, const PolyhedronCase& c, const DisplayOptions& opt)
{
    AxisGroups out;
    if (!r.axes) {
        ADD_FAILURE() << "no axis primitive";
        return out;
    }
    std::size_t v = 0;
    const auto& vs = r.axes->vertices;
    for (const GroupCount& g : c.axes) {
        std::vector<DrawnAxis> group;
        for (int i = 0; Drawn(opt, g.order) && i < g.count && v + 1 < vs.size(); ++i, v += 2) {
            EXPECT_EQ(vs[v].colour, vs[v + 1].colour);
            group.push_back({vs[v].position, vs[v + 1].position, vs[v].colour});
        }
        out.push_back(group);
    }
    EXPECT_EQ(v, vs.size()) << "no axis beyond the groups";
    return out;
}

// The dashed primitive cut into the groups of inversion axes.
AxisGroups InversionAxesByGroup(const SceneRecording& r, const PolyhedronCase& c, const DisplayOptions& opt)
{
    AxisGroups out;
    std::size_t v = 0;
    const std::vector<RecordedVertex> none;
    const auto& vs = r.inversionAxes ? r.inversionAxes->vertices : none;
    for (const GroupCount& g : c.inversionAxes) {
        std::vector<DrawnAxis> group;
        for (int i = 0; Drawn(opt, g.order) && i < g.count && v + 1 < vs.size(); ++i, v += 2) {
            EXPECT_EQ(vs[v].colour, vs[v + 1].colour);
            group.push_back({vs[v].position, vs[v + 1].position, vs[v].colour});
        }
        out.push_back(group);
    }
    EXPECT_EQ(v, vs.size()) << "no inversion axis beyond the groups";
    return out;
}

MarkerGroups MarkersByGroup(const SceneRecording& r, const PolyhedronCase& c, const DisplayOptions& opt)
{
    MarkerGroups out;
    const auto spheres = r.gl.spheres();
    std::size_t s = 0;
    for (const GroupCount& g : c.markers) {
        std::vector<const RecordedSolid*> group;
        for (int i = 0; Drawn(opt, g.order) && i < g.count && s < spheres.size(); ++i)
            group.push_back(spheres[s++]);
        out.push_back(group);
    }
    EXPECT_EQ(s, spheres.size()) << "no marker beyond the groups";
    return out;
}

std::set<int> OrdersOf(const PolyhedronCase& c)
{
    std::set<int> orders;
    for (const auto& g : c.axes)
        orders.insert(g.order);
    for (const auto& g : c.markers)
        orders.insert(g.order);
    for (const auto& g : c.inversionAxes)
        orders.insert(g.order);
    return orders;
}

// Options with only one order's list at an item and the others at "Не строить".
DisplayOptions OnlyOrder(int order, int item, bool planes = false)
{
    DisplayOptions opt = Options(true, planes, true, 0, 0, 0, 0);
    ListOf(opt, order) = item;
    return opt;
}

int CountOf(const std::vector<GroupCount>& groups, int order)
{
    int n = 0;
    for (const auto& g : groups)
        if (g.order == order)
            n += g.count;
    return n;
}

Vec3 SemiAxes(const RecordedSolid& s)
{
    const auto column = [&](int c) { return length({s.transform.at(0, c), s.transform.at(1, c), s.transform.at(2, c)}); };
    return {s.radius * column(0), s.radius * column(1), s.radius * column(2)};
}

class SymmetryAxes : public ::testing::TestWithParam<PolyhedronCase> {};

TEST_P(SymmetryAxes, AxesAndMarkersAreDrawnOnlyWhenShown)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording r;
    Record(r, c.id, Options(true, true, false));
    EXPECT_EQ(r.axes, nullptr);
    EXPECT_TRUE(r.gl.spheres().empty());
}

TEST_P(SymmetryAxes, WithEveryListAtNotDrawnTheAxisPrimitiveIsEmpty)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording r;
    Record(r, c.id, Options(true, false, true, 0, 0, 0, 0));
    ASSERT_NE(r.axes, nullptr) << "begun and ended all the same";
    EXPECT_TRUE(r.axes->vertices.empty());
    EXPECT_TRUE(r.gl.spheres().empty());
    EXPECT_TRUE(r.gl.errors.empty());
}

TEST_P(SymmetryAxes, EachOrderAloneDrawsItsAxesInItsListColour)
{
    const PolyhedronCase& c = GetParam();
    for (int order : OrdersOf(c))
        for (int item = 1; item <= 4; ++item) {
            SCOPED_TRACE(testing::Message() << "order " << order << ", item " << item);
            SceneRecording r;
            const DisplayOptions opt = OnlyOrder(order, item);
            Record(r, c.id, opt);
            ASSERT_NE(r.axes, nullptr);
            EXPECT_EQ(static_cast<int>(r.axes->vertices.size()), 2 * CountOf(c.axes, order));
            for (const auto& v : r.axes->vertices)
                EXPECT_EQ(v.colour, ListColour(item));
            const int inversion = CountOf(c.inversionAxes, order);
            ASSERT_EQ(r.inversionAxes != nullptr, inversion > 0) << "dashed only where there are inversion axes";
            if (r.inversionAxes) {
                EXPECT_EQ(static_cast<int>(r.inversionAxes->vertices.size()), 2 * inversion);
                for (const auto& v : r.inversionAxes->vertices)
                    EXPECT_EQ(v.colour, ListColour(item));
            }
            const auto spheres = r.gl.spheres();
            EXPECT_EQ(static_cast<int>(spheres.size()), CountOf(c.markers, order));
            for (const RecordedSolid* s : spheres)
                EXPECT_EQ(s->colour, ListColour(item));
        }
}

TEST_P(SymmetryAxes, AxesPassThroughTheCentreAndAreDistinct)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording r;
    const DisplayOptions opt = Options(true, false, true);
    Record(r, c.id, opt);
    std::vector<DrawnAxis> all;
    for (const auto& group : AxesByGroup(r, c, opt))
        all.insert(all.end(), group.begin(), group.end());
    for (const auto& group : InversionAxesByGroup(r, c, opt))
        all.insert(all.end(), group.begin(), group.end());
    for (const DrawnAxis& axis : all) {
        EXPECT_LT(DistanceToLine({0, 0, 0}, axis.a, axis.b), 1e-3);
        EXPECT_LT(dot(axis.a, axis.b), 0) << "the ends lie on either side of the centre";
    }
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j)
            EXPECT_GT(length(cross(normalised(all[i].b - all[i].a), normalised(all[j].b - all[j].a))), 0.05);
}

// Every solid is exact: each axis of order n takes the corners onto
// themselves by a turn of 360/n degrees, each inversion axis by the turn and
// then the inversion in the centre.
class RotationAxes : public ::testing::TestWithParam<PolyhedronCase> {};

TEST_P(RotationAxes, AxesAreRotationAxesOfTheSolid)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording r;
    const DisplayOptions opt = Options(true, false, true);
    Record(r, c.id, opt);
    const auto corners = SolidCorners(r);
    const auto groups = AxesByGroup(r, c, opt);
    for (std::size_t g = 0; g < groups.size(); ++g)
        for (const DrawnAxis& axis : groups[g]) {
            std::vector<Vec3> images;
            for (const Vec3& v : corners)
                images.push_back(Rotated(v, axis.b - axis.a, 360.0 / c.axes[g].order));
            EXPECT_LE(SetMismatch(corners, images), ExactTolerance(r)) << "order " << c.axes[g].order;
        }
    const auto inversion = InversionAxesByGroup(r, c, opt);
    for (std::size_t g = 0; g < inversion.size(); ++g)
        for (const DrawnAxis& axis : inversion[g]) {
            std::vector<Vec3> images;
            for (const Vec3& v : corners)
                images.push_back(Inverted(Rotated(v, axis.b - axis.a, 360.0 / c.inversionAxes[g].order), {}));
            EXPECT_LE(SetMismatch(corners, images), ExactTolerance(r)) << "inversion axis";
        }
}

INSTANTIATE_TEST_SUITE_P(Polyhedra, RotationAxes, ::testing::ValuesIn(PolyhedronCases()),
                         [](const auto& info) { return CaseName(info.param); });

TEST_P(SymmetryAxes, MarkersSitOnTheirAxesWhereTheyMeetTheSurface)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording r;
    const DisplayOptions opt = Options(true, false, true);
    Record(r, c.id, opt);
    const auto axes = AxesByGroup(r, c, opt);
    const auto markers = MarkersByGroup(r, c, opt);
    const auto faces = FacePolygons(r);
    for (std::size_t g = 0; g < markers.size(); ++g) {
        EXPECT_EQ(static_cast<int>(markers[g].size()), c.markers[g].count);
        for (const RecordedSolid* s : markers[g]) {
            double toAxis = 1e300;
            for (std::size_t a = 0; a < axes.size(); ++a)
                if (c.axes[a].order == c.markers[g].order)
                    for (const DrawnAxis& axis : axes[a])
                        toAxis = std::min(toAxis, DistanceToLine(s->centre, axis.a, axis.b));
            EXPECT_LT(toAxis, 0.1) << "on an axis of its own order";
            double toSurface = 1e300;
            for (const Polygon& f : faces)
                toSurface = std::min(toSurface, DistanceToPolygon(s->centre, f));
            EXPECT_LT(toSurface, 0.5) << "on the surface";
        }
        std::vector<Vec3> centres;
        for (const RecordedSolid* s : markers[g])
            centres.push_back(s->centre);
        EXPECT_EQ(DistinctPoints(centres).size(), centres.size());
    }
}

TEST_P(SymmetryAxes, MarkersAreSmallBallsUnderTheScenesScale)
{
    const PolyhedronCase& c = GetParam();
    SceneRecording r;
    Record(r, c.id, Options(true, false, true));
    for (const RecordedSolid* s : r.gl.spheres()) {
        EXPECT_EQ(s->radius, 0.5);
        EXPECT_EQ(s->slices, 10);
        EXPECT_EQ(s->stacks, 10);
        EXPECT_FALSE(s->lighting);
        EXPECT_TRUE(Near(SemiAxes(*s), {0.5 * c.ownScale.x, 0.5 * c.ownScale.y, 0.5 * c.ownScale.z}, 1e-9));
    }
}

// Typed text in a list selects no colour: the group takes whatever colour is
// current, which follows from the colours set before it.
TEST_P(SymmetryAxes, TypedTextTakesTheColourCurrentAtThatPoint)
{
    const PolyhedronCase& c = GetParam();
    for (bool planes : {false, true}) {
        const auto orders = OrdersOf(c);
        std::vector<int> typed(orders.begin(), orders.end());
        typed.push_back(0); // 0: every list at once
        for (int order : typed) {
            SCOPED_TRACE(testing::Message() << "planes " << planes << ", typed text in list " << order);
            DisplayOptions opt = Options(true, planes, true);
            for (int o : OrdersOf(c))
                if (order == 0 || o == order)
                    ListOf(opt, o) = -1;
            SceneRecording r;
            Record(r, c.id, opt);
            Colour current = planes ? r.planes->vertices.back().colour : c.afterEdges;
            const auto follow = [&](int groupOrder) {
                const int item = ListOf(opt, groupOrder);
                if (item >= 1 && item <= 4)
                    current = ListColour(item);
                return current;
            };
            const auto axes = AxesByGroup(r, c, opt);
            for (std::size_t g = 0; g < axes.size(); ++g) {
                const Colour expected = follow(c.axes[g].order);
                EXPECT_EQ(static_cast<int>(axes[g].size()), c.axes[g].count);
                for (const DrawnAxis& axis : axes[g])
                    EXPECT_EQ(axis.colour, expected) << "axis group " << g;
            }
            if (c.afterAxes)
                current = *c.afterAxes;
            const auto markers = MarkersByGroup(r, c, opt);
            for (std::size_t g = 0; g < markers.size(); ++g) {
                const Colour expected = follow(c.markers[g].order);
                EXPECT_EQ(static_cast<int>(markers[g].size()), c.markers[g].count);
                for (const RecordedSolid* s : markers[g])
                    EXPECT_EQ(s->colour, expected) << "marker group " << g;
            }
            const auto inversion = InversionAxesByGroup(r, c, opt);
            for (std::size_t g = 0; g < inversion.size(); ++g) {
                const Colour expected = follow(c.inversionAxes[g].order);
                EXPECT_EQ(static_cast<int>(inversion[g].size()), c.inversionAxes[g].count);
                for (const DrawnAxis& axis : inversion[g])
                    EXPECT_EQ(axis.colour, expected) << "inversion axis group " << g;
            }
        }
    }
}

bool SameDrawing(const RecordingDraw& a, const RecordingDraw& b)
{
    if (a.primitives.size() != b.primitives.size() || a.solids.size() != b.solids.size())
        return false;
    for (std::size_t p = 0; p < a.primitives.size(); ++p) {
        const auto &va = a.primitives[p].vertices, &vb = b.primitives[p].vertices;
        if (va.size() != vb.size())
            return false;
        for (std::size_t i = 0; i < va.size(); ++i)
            if (!(va[i].position == vb[i].position) || !(va[i].colour == vb[i].colour))
                return false;
    }
    for (std::size_t s = 0; s < a.solids.size(); ++s)
        if (!(a.solids[s].centre == b.solids[s].centre) || !(a.solids[s].colour == b.solids[s].colour))
            return false;
    return true;
}

TEST_P(SymmetryAxes, ListsOfOrdersTheSceneLacksChangeNothing)
{
    const PolyhedronCase& c = GetParam();
    const auto orders = OrdersOf(c);
    for (bool planes : {false, true}) {
        SceneRecording reference;
        Record(reference, c.id, Options(true, planes, true));
        for (int other : {2, 3, 4, 6}) {
            if (orders.count(other))
                continue;
            for (int item : {0, -1, 1, 4}) {
                DisplayOptions opt = Options(true, planes, true);
                ListOf(opt, other) = item;
                SceneRecording r;
                Record(r, c.id, opt);
                EXPECT_TRUE(SameDrawing(reference.gl, r.gl)) << "list of order " << other << " at " << item;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Polyhedra, SymmetryAxes, ::testing::ValuesIn(PolyhedronCases()),
                         [](const auto& info) { return CaseName(info.param); });

// The drawn axes are all the rotation axes of the vertex set, each with its
// highest order; an inversion axis of order 4 is also a rotation axis of
// order 2. Candidate directions run from the centre to the corners, edge
// midpoints and face centres, and to the points the hexagons are fanned
// from.
TEST(SymmetryAxesDerived, AreAllTheRotationAxesOfTheSolids)
{
    for (const PolyhedronCase& c : PolyhedronCases()) {
        const SceneId id = c.id;
        SCOPED_TRACE(sceneRegistry()[index(id)].name);
        SceneRecording r;
        const DisplayOptions opt = Options(true, false, true);
        Record(r, id, opt);
        const auto corners = SolidCorners(r);
        const double tolerance = ExactTolerance(r);
        std::vector<Vec3> candidates = corners;
        for (const auto& [a, b] : Segments(*r.edges))
            candidates.push_back((a + b) / 2);
        for (const Polygon& f : FacePolygons(r)) {
            Vec3 sum;
            for (const Vec3& p : f.corners) {
                sum += p;
                candidates.push_back(p);
            }
            candidates.push_back(sum / static_cast<double>(f.corners.size()));
        }
        std::vector<std::pair<Vec3, int>> derived;
        for (const Vec3& d : candidates) {
            if (length(d) < 1e-9)
                continue;
            const Vec3 u = normalised(d);
            if (std::any_of(derived.begin(), derived.end(), [&](const auto& e) { return length(cross(e.first, u)) < 1e-6; }))
                continue;
            for (int order : {6, 4, 3, 2}) {
                std::vector<Vec3> images;
                for (const Vec3& v : corners)
                    images.push_back(Rotated(v, u, 360.0 / order));
                if (SetMismatch(corners, images) < tolerance) {
                    derived.emplace_back(u, order);
                    break;
                }
            }
        }
        std::vector<std::pair<DrawnAxis, int>> rotations; // each drawn axis with its order as a rotation
        const auto groups = AxesByGroup(r, c, opt);
        for (std::size_t g = 0; g < groups.size(); ++g)
            for (const DrawnAxis& axis : groups[g])
                rotations.emplace_back(axis, c.axes[g].order);
        const auto inversion = InversionAxesByGroup(r, c, opt);
        for (std::size_t g = 0; g < inversion.size(); ++g)
            for (const DrawnAxis& axis : inversion[g])
                rotations.emplace_back(axis, c.inversionAxes[g].order / 2);
        for (const auto& [axis, order] : rotations) {
            const Vec3 u = normalised(axis.b - axis.a);
            const auto match = std::find_if(derived.begin(), derived.end(),
                                            [&](const auto& e) { return length(cross(e.first, u)) < 1e-6; });
            ASSERT_NE(match, derived.end()) << "a drawn axis that is no rotation axis";
            EXPECT_EQ(match->second, order);
        }
        EXPECT_EQ(rotations.size(), derived.size());
    }
}

TEST(SymmetryAxesDerived, TheCubeHasThreeFourFoldFourThreeFoldAndSixTwoFoldAxes)
{
    SceneRecording r;
    const DisplayOptions opt = Options(true, false, true);
    Record(r, SceneId::Cube, opt);
    const auto groups = AxesByGroup(r, CaseOf(SceneId::Cube), opt);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].size(), 3u);
    EXPECT_EQ(groups[1].size(), 4u);
    EXPECT_EQ(groups[2].size(), 6u);
    // Four-fold axes are normal to faces, three-fold ones run along body
    // diagonals, two-fold ones through edge midpoints.
    for (const DrawnAxis& a : groups[0])
        EXPECT_NEAR(std::max({std::abs(a.a.x), std::abs(a.a.y), std::abs(a.a.z)}), length(a.a), 1e-9);
    for (const DrawnAxis& a : groups[1]) {
        EXPECT_NEAR(std::abs(a.a.x), std::abs(a.a.y), 1e-9);
        EXPECT_NEAR(std::abs(a.a.y), std::abs(a.a.z), 1e-9);
    }
    for (const DrawnAxis& a : groups[2]) {
        const int zeros = (a.a.x == 0) + (a.a.y == 0) + (a.a.z == 0);
        EXPECT_EQ(zeros, 1);
    }
}

// The tetrahedron's axes of order 3 run through its corners, its inversion
// axes through the midpoints of opposite edges.
TEST(SymmetryAxesDerived, TheTetrahedronsAxesRunThroughItsCorners)
{
    SceneRecording r;
    Record(r, SceneId::Tetrahedron, Options(true, false, true));
    const auto corners = SolidCorners(r);
    ASSERT_EQ(corners.size(), 4u);
    for (const auto& [a, b] : Segments(*r.axes)) {
        const auto through = std::count_if(corners.begin(), corners.end(),
                                           [&a = a, &b = b](const Vec3& v) { return DistanceToLine(v, a, b) < 1e-3; });
        EXPECT_EQ(through, 1);
    }
    ASSERT_NE(r.inversionAxes, nullptr);
    std::vector<Vec3> midpoints;
    for (const auto& [a, b] : Segments(*r.edges))
        midpoints.push_back((a + b) / 2);
    const auto inversion = Segments(*r.inversionAxes);
    EXPECT_EQ(inversion.size(), 3u);
    for (const auto& axis : inversion) {
        const Vec3 a = axis.first, b = axis.second;
        const auto through = std::count_if(midpoints.begin(), midpoints.end(),
                                           [&](const Vec3& m) { return DistanceToLine(m, a, b) < 1e-4; });
        EXPECT_EQ(through, 2) << "joins the midpoints of two opposite edges";
        EXPECT_NEAR(length(a), 75, 1e-4);
        EXPECT_NEAR(length(b), 75, 1e-4);
    }
    EXPECT_EQ(r.inversionAxes->stipple.enabled, true);
    EXPECT_FALSE(r.gl.currentStipple.enabled) << "the dash is switched off after them";
}

TEST(SymmetryAxesDerived, TheOctahedronsFourFoldAxesJoinOppositeCorners)
{
    SceneRecording r;
    Record(r, SceneId::Octahedron, OnlyOrder(4, 2));
    const auto corners = SolidCorners(r);
    for (const auto& [a, b] : Segments(*r.axes)) {
        const auto through = std::count_if(corners.begin(), corners.end(),
                                           [&a = a, &b = b](const Vec3& v) { return DistanceToLine(v, a, b) < 1e-3; });
        EXPECT_EQ(through, 2);
    }
}

// Examples the users see.

TEST(AxisColours, TheCubeWithTheInitialLists)
{
    SceneRecording r;
    const DisplayOptions opt;
    Record(r, SceneId::Cube, opt);
    const auto axes = AxesByGroup(r, CaseOf(SceneId::Cube), opt);
    for (const auto& a : axes[0])
        EXPECT_EQ(a.colour, (Colour{1, 0, 0}));
    for (const auto& a : axes[1])
        EXPECT_EQ(a.colour, (Colour{0, 1, 0}));
    for (const auto& a : axes[2])
        EXPECT_EQ(a.colour, (Colour{0, 0, 1}));
    ASSERT_EQ(r.gl.spheres().size(), 6u);
    for (const RecordedSolid* s : r.gl.spheres()) {
        EXPECT_EQ(s->colour, (Colour{1, 0, 0}));
        EXPECT_NEAR(length(s->centre), 30, 1e-9) << "at a face centre";
    }
}

TEST(AxisColours, TheCubeWithoutOrderFourShowsNoMarker)
{
    SceneRecording r;
    Record(r, SceneId::Cube, Options(true, false, true, 3, 1, 0, 4));
    EXPECT_TRUE(r.gl.spheres().empty());
    EXPECT_EQ(Segments(*r.axes).size(), 10u) << "the axes of orders 3 and 2 stay";
}

TEST(AxisColours, TheCubeWithTypedTextForOrderFour)
{
    SceneRecording r;
    Record(r, SceneId::Cube, Options(true, false, true, 3, 1, -1, 4));
    const auto& v = r.axes->vertices;
    ASSERT_EQ(v.size(), 26u);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(v[i].colour, (Colour{0.8f, 0.4f, 0})) << "the edge colour";
    ASSERT_EQ(r.gl.spheres().size(), 6u);
    for (const RecordedSolid* s : r.gl.spheres())
        EXPECT_EQ(s->colour, (Colour{0, 0, 1})) << "the colour of the order-2 axes";
}

TEST(AxisColours, TheTetrahedronWithTypedTextForOrderThree)
{
    for (bool planes : {true, false}) {
        SceneRecording r;
        Record(r, SceneId::Tetrahedron, Options(true, planes, true, 3, -1, 2, 4));
        const Colour axis = planes ? Colour{0.9f, 0.9f, 0.9f} : Colour{0, 0, 1};
        for (const auto& v : r.axes->vertices)
            EXPECT_EQ(v.colour, axis);
        ASSERT_EQ(r.gl.spheres().size(), 4u);
        for (const RecordedSolid* s : r.gl.spheres())
            EXPECT_EQ(s->colour, (Colour{0, 0, 1}));
    }
}

TEST(AxisColours, TheTetragonalPrismsTypedTextAxisTakesTheColourSetAfterTheEdges)
{
    SceneRecording r;
    Record(r, SceneId::TetragonalPrism, Options(true, false, true, 3, 1, -1, 4));
    EXPECT_EQ(r.axes->vertices.front().colour, (Colour{0, 1, 0.2f}));
}

TEST(AxisColours, TheTrigonalPrismsTypedTextAxisShowsCyan)
{
    SceneRecording r;
    Record(r, SceneId::TrigonalPrism, Options(true, false, true, 3, -1, 2, 4));
    const Colour c = r.axes->vertices.front().colour;
    EXPECT_EQ(c, (Colour{0, 3, 2}));
    EXPECT_EQ(ScreenColour(c), ScreenColour(CaseOf(SceneId::TrigonalPrism).face)) << "both show cyan";
}

TEST(AxisColours, TheOctahedronWithoutOrderThreeKeepsItsOtherAxes)
{
    SceneRecording r;
    Record(r, SceneId::Octahedron, Options(true, false, true, 3, 0, 2, 4));
    EXPECT_TRUE(r.gl.spheres().empty());
    EXPECT_EQ(Segments(*r.axes).size(), 9u);
}

TEST(AxisColours, TheTrigonalAndHexagonalBipyramidsNeverShowMarkers)
{
    for (SceneId id : {SceneId::TrigonalBipyramid, SceneId::HexagonalBipyramid})
        for (int item : {-1, 0, 1, 2, 3, 4}) {
            SceneRecording r;
            Record(r, id, Options(true, true, true, item, item, item, item));
            EXPECT_TRUE(r.gl.spheres().empty());
        }
}

TEST(AxisColours, TheHexagonalFormsWithTheInitialLists)
{
    for (SceneId id : {SceneId::HexagonalPyramid, SceneId::HexagonalPrism, SceneId::HexagonalBipyramid}) {
        SceneRecording r;
        const DisplayOptions opt;
        Record(r, id, opt);
        const auto axes = AxesByGroup(r, CaseOf(id), opt);
        EXPECT_EQ(axes[0].front().colour, (Colour{1, 1, 0}));
        if (axes.size() > 1) {
            for (const auto& a : axes[1])
                EXPECT_EQ(a.colour, (Colour{0, 0, 1}));
        }
        for (const RecordedSolid* s : r.gl.spheres())
            EXPECT_EQ(s->colour, (Colour{1, 1, 0}));
    }
}

// Positions under a scene's own scale.

TEST(ScaledMarkers, TheTetragonalPrismsMarkersAreFlattenedOnItsFaces)
{
    SceneRecording r;
    Record(r, SceneId::TetragonalPrism, Options(true, false, true));
    const auto spheres = r.gl.spheres();
    ASSERT_EQ(spheres.size(), 6u);
    const Vec3 expected[] = {{0, -30, 0}, {0, 30, 0}, {-9, 0, 0}, {9, 0, 0}, {0, 0, -9}, {0, 0, 9}};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_TRUE(Near(spheres[i]->centre, expected[i], 1e-9)) << i;
        EXPECT_TRUE(Near(SemiAxes(*spheres[i]), {0.15, 0.5, 0.15}, 1e-9));
    }
    EXPECT_EQ(spheres[0]->colour, (Colour{1, 0, 0})) << "order 4";
    EXPECT_EQ(spheres[2]->colour, (Colour{0, 0, 1})) << "order 2";
}

TEST(ScaledMarkers, TheTetragonalPrismsAxesAreSqueezed)
{
    SceneRecording r;
    Record(r, SceneId::TetragonalPrism, Options(true, false, true));
    double longest = 0, farthestX = 0, farthestXZ = 0;
    for (const auto& [a, b] : Segments(*r.axes)) {
        longest = std::max(longest, std::abs(a.y));
        farthestX = std::max(farthestX, std::abs(a.x));
        if (a.x != 0 && a.z != 0)
            farthestXZ = std::max(farthestXZ, std::abs(a.z));
    }
    EXPECT_NEAR(longest, 50, 1e-9);
    EXPECT_NEAR(farthestX, 30, 1e-9);
    EXPECT_NEAR(farthestXZ, 24, 1e-9);
}

TEST(ScaledMarkers, TheTrigonalPyramidsMarkerIsStretched)
{
    SceneRecording r;
    Record(r, SceneId::TrigonalPyramid, Options(true, false, true));
    const auto spheres = r.gl.spheres();
    ASSERT_EQ(spheres.size(), 1u);
    EXPECT_TRUE(Near(spheres[0]->centre, {0, -28.8, 0}, 1e-9));
    EXPECT_TRUE(Near(SemiAxes(*spheres[0]), {0.5, 0.8, 0.5}, 1e-9));
    const auto axis = Segments(*r.axes);
    ASSERT_EQ(axis.size(), 1u);
    EXPECT_NEAR(axis[0].first.y, 112, 1e-9);
    EXPECT_NEAR(axis[0].second.y, -112, 1e-9);
}

// The quadric style that markers inherit.

RecordingDraw& RunFrame(RecordingDraw& gl, SceneId id, bool auxiliaryAxis)
{
    FrameInputs in;
    in.axisOX = auxiliaryAxis;
    in.scenes[index(id)] = true;
    ViewState view;
    gl.resetRecording();
    DrawFrame(gl, in, view);
    return gl;
}

TEST(MarkerQuadric, MarkersAreWireAfterAnAuxiliaryAxis)
{
    for (const PolyhedronCase& c : PolyhedronCases()) {
        if (c.markers.empty())
            continue;
        RecordingDraw gl;
        RunFrame(gl, c.id, true);
        const auto spheres = gl.spheres();
        ASSERT_FALSE(spheres.empty()) << c.name;
        const QuadricStyle expected = c.id == SceneId::HexagonalPyramid ? QuadricStyle::Fill : QuadricStyle::Line;
        for (const RecordedSolid* s : spheres)
            EXPECT_EQ(s->quadric.style, expected) << c.name;
    }
}

TEST(MarkerQuadric, TheHexagonalPyramidsMarkerIsAlwaysSolid)
{
    RecordingDraw gl;
    RunFrame(gl, SceneId::HexagonalPyramid, true);
    ASSERT_EQ(gl.spheres().size(), 1u);
    EXPECT_EQ(gl.spheres()[0]->quadric,
              (QuadricState{QuadricStyle::Fill, QuadricOrientation::Inside, QuadricNormals::Smooth}));
    // Solid from then on, until an auxiliary axis sets wire again.
    RunFrame(gl, SceneId::Cube, false);
    ASSERT_EQ(gl.spheres().size(), 6u);
    for (const RecordedSolid* s : gl.spheres())
        EXPECT_EQ(s->quadric.style, QuadricStyle::Fill);
    RunFrame(gl, SceneId::Cube, true);
    for (const RecordedSolid* s : gl.spheres())
        EXPECT_EQ(s->quadric.style, QuadricStyle::Line);
}

TEST(MarkerQuadric, EveryOtherBlockLeavesTheQuadricAlone)
{
    for (const PolyhedronCase& c : PolyhedronCases()) {
        if (c.id == SceneId::HexagonalPyramid)
            continue;
        SceneRecording r;
        Record(r, c.id, Options(true, true, true));
        EXPECT_TRUE(r.gl.quadricCalls.empty()) << c.name;
    }
}

TEST(MarkerQuadric, TheHexagonalPyramidSetsNothingWhenItsMarkerIsNotDrawn)
{
    SceneRecording r;
    Record(r, SceneId::HexagonalPyramid, Options(true, false, true, 3, 1, 2, 0));
    EXPECT_TRUE(r.gl.quadricCalls.empty());
    EXPECT_TRUE(r.gl.spheres().empty());
}

TEST(MarkerQuadric, TheHexagonalPyramidSetsTheQuadricJustBeforeItsMarker)
{
    SceneRecording r;
    Record(r, SceneId::HexagonalPyramid, Options(true, false, true));
    ASSERT_EQ(r.gl.quadricCalls.size(), 3u);
    EXPECT_EQ(r.gl.quadricCalls.back(),
              (QuadricState{QuadricStyle::Fill, QuadricOrientation::Inside, QuadricNormals::Smooth}));
    ASSERT_EQ(r.gl.spheres().size(), 1u);
    EXPECT_TRUE(Near(r.gl.spheres()[0]->centre, {0, -20, 0}, 1e-9));
}

} // namespace
} // namespace vestrel::test
