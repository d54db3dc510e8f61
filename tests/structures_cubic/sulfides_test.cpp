// SPDX-License-Identifier: MIT
// Pyrite and chalcopyrite, read back in the model frame.
#include "scenes/structures/structures.h"
#include "tests/structures_cubic/scene_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <tuple>

namespace vestrel::test {
namespace {

using namespace structures;

const double kRoot3 = std::sqrt(3.0);


std::vector<Vec3> FaceCentred(double h)
{
    auto places = CubeCorners(h);
    for (const Vec3& f : FaceCentres(h))
        places.push_back(f);
    return places;
}

// Pyrite -------------------------------------------------------------------

// The octahedral holes of the face-centred cube: its centre and the 12 edge
// midpoints.
std::vector<Vec3> OctahedralHoles(double h)
{
    std::vector<Vec3> holes{{0, 0, 0}};
    for (double a : {-h, h})
        for (double b : {-h, h}) {
            holes.push_back({0, a, b});
            holes.push_back({a, 0, b});
            holes.push_back({a, b, 0});
        }
    return holes;
}

TEST(Pyrite, IronFaceCentredSulfurInPairs)
{
    const auto balls = Balls(RunScene(DrawPyrite, Options(false)));
    ASSERT_EQ(balls.size(), 40u);
    const auto fe = PlacesOf(balls, kFe);
    const auto s = PlacesOf(balls, kS);
    ASSERT_EQ(fe.size(), 14u);
    ASSERT_EQ(s.size(), 26u);
    EXPECT_TRUE(SamePlaces(fe, FaceCentred(25)));

    // Drawn pair by pair: each S's nearest S is its partner, 10·√3 away
    // along a body diagonal, and the pairs sit on the octahedral holes.
    std::vector<Vec3> midpoints;
    for (std::size_t i = 14; i < balls.size(); i += 2) {
        const Vec3 a = balls[i].at, b = balls[i + 1].at;
        const Vec3 d = b - a;
        EXPECT_NEAR(length(d), 10 * kRoot3, 1e-4);
        EXPECT_NEAR(std::abs(d.x), 10, 1e-4);
        EXPECT_NEAR(std::abs(d.y), 10, 1e-4);
        EXPECT_NEAR(std::abs(d.z), 10, 1e-4);
        for (const Vec3& other : s)
            if (!Near(other, a) && !Near(other, b)) {
                EXPECT_GT(distance(other, a), 10 * kRoot3 + 1);
            }
        midpoints.push_back((a + b) / 2);
    }
    EXPECT_TRUE(SamePlaces(midpoints, OctahedralHoles(25)));
}

TEST(Pyrite, PairAxesAsListed)
{
    // (1,1,-1) once (the pair at the centre), (1,1,1), (1,-1,1) and
    // (1,-1,-1) four times each, in scene axes; the half turn reverses y
    // and z.
    const auto balls = Balls(RunScene(DrawPyrite, Options(false)));
    ASSERT_EQ(balls.size(), 40u);
    std::map<std::tuple<int, int, int>, int> axes;
    for (std::size_t i = 14; i < balls.size(); i += 2) {
        Vec3 d = balls[i + 1].at - balls[i].at;
        if (d.x < 0)
            d = -d;
        const Vec3 scene{d.x, -d.y, -d.z};
        ++axes[{int(std::lround(scene.x / 10)), int(std::lround(scene.y / 10)), int(std::lround(scene.z / 10))}];
    }
    EXPECT_EQ((axes[{1, 1, -1}]), 1);
    EXPECT_EQ((axes[{1, 1, 1}]), 4);
    EXPECT_EQ((axes[{1, -1, 1}]), 4);
    EXPECT_EQ((axes[{1, -1, -1}]), 4);
}

Vec3 Turned(const Vec3& p, const Vec3& axis, double degrees)
{
    const Vec3 k = axis * (1 / length(axis));
    const double a = degrees * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
    const Vec3 kxp{k.y * p.z - k.z * p.y, k.z * p.x - k.x * p.z, k.x * p.y - k.y * p.x};
    return p * c + kxp * s + k * (dot(k, p) * (1 - c));
}

// A place taken into the cubic cell of edge 50 that starts at the corner
// iron atom (-25, -25, -25).
Vec3 InCell(const Vec3& p)
{
    const auto wrap = [](double v) {
        double w = std::fmod(v + 25, 50);
        if (w < 0)
            w += 50;
        return w > 50 - 1e-6 ? 0 : w;
    };
    return {wrap(p.x), wrap(p.y), wrap(p.z)};
}

std::vector<Vec3> InCell(const std::vector<Vec3>& places)
{
    std::vector<Vec3> out;
    for (const Vec3& p : places)
        out.push_back(InCell(p));
    return Distinct(out);
}

bool SameSet(const std::vector<Vec3>& a, const std::vector<Vec3>& b)
{
    if (a.size() != b.size())
        return false;
    for (const Vec3& p : a)
        if (!Contains(b, p))
            return false;
    return true;
}

// Pa-3: the cell is primitive, so pairs one cell edge apart are parallel,
// and the four pairs of a cell lie along the four body diagonals. Taken into
// one cell the 26 sulfur atoms make the eight places of the structure, which
// the inversion in every iron atom and the threefold turn about every pair's
// own axis take onto themselves.
TEST(Pyrite, SulfurPairsSitOnThePa3Places)
{
    const auto balls = Balls(RunScene(DrawPyrite, Options(false)));
    ASSERT_EQ(balls.size(), 40u);
    struct Pair {
        Vec3 a, b, mid;
    };
    std::vector<Pair> pairs;
    for (std::size_t i = 14; i + 1 < balls.size(); i += 2)
        pairs.push_back({balls[i].at, balls[i + 1].at, (balls[i].at + balls[i + 1].at) / 2});
    const auto parallel = [](const Vec3& u, const Vec3& v) {
        return std::abs(std::abs(dot(u, v)) - length(u) * length(v)) < 1e-6;
    };
    std::vector<Vec3> directions;
    for (const Pair& p : pairs) {
        const Vec3 d = p.b - p.a;
        EXPECT_NEAR(std::abs(d.x), std::abs(d.y), 1e-6) << "along a body diagonal";
        EXPECT_NEAR(std::abs(d.y), std::abs(d.z), 1e-6) << "along a body diagonal";
        if (std::none_of(directions.begin(), directions.end(), [&](const Vec3& e) { return parallel(d, e); }))
            directions.push_back(d);
        for (const Pair& q : pairs)
            if (Near(InCell(p.mid), InCell(q.mid))) {
                EXPECT_TRUE(parallel(d, q.b - q.a)) << "pairs a cell edge apart point the same way";
            }
    }
    EXPECT_EQ(directions.size(), 4u);

    const auto sulfur = InCell(PlacesOf(balls, kS));
    EXPECT_EQ(sulfur.size(), 8u);
    for (const Vec3& fe : PlacesOf(balls, kFe)) {
        std::vector<Vec3> images;
        for (const Vec3& s : PlacesOf(balls, kS))
            images.push_back(fe * 2 - s);
        EXPECT_TRUE(SameSet(InCell(images), sulfur)) << "inversion in an iron atom";
    }
    for (const Pair& p : pairs) {
        std::vector<Vec3> images;
        for (const Vec3& s : PlacesOf(balls, kS))
            images.push_back(Turned(s - p.mid, p.b - p.a, 120) + p.mid);
        EXPECT_TRUE(SameSet(InCell(images), sulfur)) << "threefold turn about a pair";
    }
}

TEST(Pyrite, GridAndThirteenSulfurBonds)
{
    const RecordingDraw gl = RunScene(DrawPyrite, Options(true));
    const auto balls = Balls(gl);
    const auto lines = Lines(gl);
    ASSERT_EQ(lines.size(), 40u);
    int grid = 0, pairs = 0;
    for (const Line& l : lines) {
        if (std::abs(distance(l.a, l.b) - 50) < 1e-4) {
            ++grid;
            continue;
        }
        EXPECT_NEAR(distance(l.a, l.b), 10 * kRoot3, 1e-4);
        for (std::size_t i = 14; i < balls.size(); i += 2)
            pairs += (Near(l.a, balls[i].at) && Near(l.b, balls[i + 1].at));
    }
    EXPECT_EQ(grid, 27);
    EXPECT_EQ(pairs, 13) << "one line per pair, from its first atom to its second";
}

// Chalcopyrite -------------------------------------------------------------

// The scene's own frame: moved down by 32 and shrunk to 0.8 after the turn.
Vec3 Chalco(const Vec3& p) { return SceneToModel(p, {}, {0, -32, 0}, 0.8); }

Colour ColourAt(const std::vector<Ball>& balls, const Vec3& p)
{
    for (const Ball& b : balls)
        if (Near(b.at, p))
            return b.colour;
    ADD_FAILURE() << "no ball at " << p.x << " " << p.y << " " << p.z;
    return {};
}

TEST(Chalcopyrite, ThirtySixBallsAtThirtyOnePlaces)
{
    const auto balls = Balls(RunScene(DrawChalcopyrite, Options(false)));
    ASSERT_EQ(balls.size(), 36u);
    EXPECT_EQ(Distinct(AllPlaces(balls)).size(), 31u);
    EXPECT_EQ(Distinct(PlacesOf(balls, kCu)).size(), 13u);
    EXPECT_EQ(Distinct(PlacesOf(balls, kFe)).size(), 10u);
    EXPECT_EQ(Distinct(PlacesOf(balls, kS)).size(), 8u);
    // A place drawn twice keeps its element.
    for (const Ball& a : balls)
        for (const Ball& b : balls)
            if (Near(a.at, b.at)) {
                EXPECT_TRUE(SameColour(a.colour, b.colour));
            }
    // Lower cube first, then the upper one; each holds 14 metals and 4 S.
    std::vector<Vec3> lower, upper;
    for (const Vec3& p : FaceCentred(40)) {
        lower.push_back(Chalco(p));
        upper.push_back(Chalco(p + Vec3{0, 80, 0}));
    }
    for (const Vec3& p : InnerPlaces(20)) {
        if (p.x * p.y * p.z < 0) {
            lower.push_back(Chalco(p));
            upper.push_back(Chalco(p + Vec3{0, 80, 0}));
        }
    }
    EXPECT_TRUE(SamePlaces(AllPlaces(std::vector<Ball>(balls.begin(), balls.begin() + 18)), lower));
    EXPECT_TRUE(SamePlaces(AllPlaces(std::vector<Ball>(balls.begin() + 18, balls.end())), upper));
}

// The middle of the tall cell is the centre the view turns about, so the
// cell does not wobble as it turns.
TEST(Chalcopyrite, TheTallCellIsCentredOnTheOrigin)
{
    const auto places = AllPlaces(Balls(RunScene(DrawChalcopyrite, Options(false))));
    Vec3 lo{1e9, 1e9, 1e9}, hi{-1e9, -1e9, -1e9};
    for (const Vec3& p : places) {
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
    }
    EXPECT_TRUE(Near((lo + hi) / 2, {0, 0, 0}, 1e-9));
    EXPECT_NEAR(hi.y - lo.y, 0.8 * 160, 1e-9);
}

TEST(Chalcopyrite, MetalColumnsAlternate)
{
    const auto balls = Balls(RunScene(DrawChalcopyrite, Options(false)));
    for (double x : {-40.0, 40.0})
        for (double z : {-40.0, 40.0}) {
            EXPECT_TRUE(SameColour(ColourAt(balls, Chalco({x, -40, z})), kCu));
            EXPECT_TRUE(SameColour(ColourAt(balls, Chalco({x, 40, z})), kFe));
            EXPECT_TRUE(SameColour(ColourAt(balls, Chalco({x, 120, z})), kCu));
        }
    EXPECT_TRUE(SameColour(ColourAt(balls, Chalco({0, -40, 0})), kFe));
    EXPECT_TRUE(SameColour(ColourAt(balls, Chalco({0, 40, 0})), kCu));
    EXPECT_TRUE(SameColour(ColourAt(balls, Chalco({0, 120, 0})), kFe));
}

TEST(Chalcopyrite, EverySulfurHasTwoCopperAndTwoIronNeighbours)
{
    const auto balls = Balls(RunScene(DrawChalcopyrite, Options(false)));
    const auto cu = Distinct(PlacesOf(balls, kCu));
    const auto fe = Distinct(PlacesOf(balls, kFe));
    const double bond = 0.8 * 20 * kRoot3;
    for (const Vec3& s : Distinct(PlacesOf(balls, kS))) {
        EXPECT_EQ(NeighboursAt(cu, s, bond).size(), 2u);
        EXPECT_EQ(NeighboursAt(fe, s, bond).size(), 2u);
    }
}

TEST(Chalcopyrite, FiftySixLinesFiftyTwoDistinct)
{
    const RecordingDraw gl = RunScene(DrawChalcopyrite, Options(true));
    const auto balls = Balls(gl);
    const auto s = PlacesOf(balls, kS);
    const auto lines = Lines(gl);
    ASSERT_EQ(lines.size(), 56u);
    EXPECT_EQ(DistinctLines(lines).size(), 52u);
    int edges = 0, bonds = 0;
    for (const Line& l : lines) {
        if (std::abs(distance(l.a, l.b) - 64) < 1e-4) {
            ++edges;
            continue;
        }
        EXPECT_NEAR(distance(l.a, l.b), 0.8 * 20 * kRoot3, 1e-4);
        EXPECT_TRUE(Contains(s, l.a)) << "bonds start at a sulfur";
        EXPECT_FALSE(Contains(s, l.b));
        ++bonds;
    }
    EXPECT_EQ(edges, 24);
    EXPECT_EQ(bonds, 32);
}

} // namespace
} // namespace vestrel::test
