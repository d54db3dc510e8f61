// SPDX-License-Identifier: MIT
// The crystal renderer of the photo tool: the habits are closed convex solids
// with the faces crystallography gives them, the camera projects as a
// camera does, and the shading follows the light.
#include "tools/photos/crystal_forms.h"
#include "tools/photos/crystal_renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numbers>
#include <set>
#include <utility>

namespace vestrel::photos {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

Vec3 FaceCentre(const Polyhedron& s, const PolyFace& f)
{
    Vec3 c;
    for (int i : f.corners)
        c = c + s.vertices[i];
    return c * (1.0 / f.corners.size());
}

// ---------------------------------------------------------------- habits

struct HabitCase {
    Habit habit;
    const char* name;
    int faces;           // from the forms the habit combines
    int cornersPerFace;  // 0 when the faces differ
};

// Face counts: {100} 6, {111} 8, {110} 12, {210} pyritohedron 12; a corner
// cut by another form adds one face per corner; hexagonal prism 6, pinacoid
// 2, bevels 6 + 6; tetragonal {110} 4 + {100} 4 + two dipyramid ends 4 + 4.
const HabitCase kHabits[] = {
    {Habit::Cube, "Cube", 6, 4},
    {Habit::StriatedCube, "StriatedCube", 6, 4},
    {Habit::CubeOctahedron, "CubeOctahedron", 14, 0},
    {Habit::Cuboctahedron, "Cuboctahedron", 14, 0},
    {Habit::Octahedron, "Octahedron", 8, 3},
    {Habit::OctahedronCube, "OctahedronCube", 14, 0},
    {Habit::Dodecahedron, "Dodecahedron", 12, 4},
    {Habit::Pyritohedron, "Pyritohedron", 12, 5},
    {Habit::Tetrahedron, "Tetrahedron", 8, 0},
    {Habit::Disphenoid, "Disphenoid", 8, 0},
    {Habit::HexagonalPlate, "HexagonalPlate", 20, 0},
    {Habit::HexagonalPrism, "HexagonalPrism", 20, 0},
    {Habit::HexagonalPyramid, "HexagonalPyramid", 13, 0},
    {Habit::TetragonalPrism, "TetragonalPrism", 16, 0},
    {Habit::Rhombohedron, "Rhombohedron", 6, 4},
    {Habit::QuartzPrism, "QuartzPrism", 13, 0},
};

class HabitShape : public ::testing::TestWithParam<HabitCase> {};

TEST_P(HabitShape, HasTheFacesOfItsForms)
{
    const HabitCase& c = GetParam();
    const Polyhedron s = MakeHabit(c.habit);
    EXPECT_EQ(int(s.faces.size()), c.faces);
    if (c.cornersPerFace > 0) {
        for (const PolyFace& f : s.faces)
            EXPECT_EQ(int(f.corners.size()), c.cornersPerFace);
    }
}

TEST_P(HabitShape, IsAClosedConvexSolidWithOutwardFaces)
{
    const Polyhedron s = MakeHabit(GetParam().habit);
    const int v = int(s.vertices.size()), e = EdgeCount(s), f = int(s.faces.size());
    EXPECT_EQ(v - e + f, 2) << "Euler's formula";

    // Every edge is shared by exactly two faces, once in each direction.
    std::map<std::pair<int, int>, int> directed;
    for (const PolyFace& face : s.faces)
        for (std::size_t i = 0; i < face.corners.size(); ++i)
            ++directed[{face.corners[i], face.corners[(i + 1) % face.corners.size()]}];
    for (const auto& [edge, count] : directed) {
        EXPECT_EQ(count, 1);
        EXPECT_EQ(directed.count({edge.second, edge.first}), 1u);
    }

    const Vec3 centre = Centroid(s);
    for (const PolyFace& face : s.faces) {
        EXPECT_NEAR(length(face.normal), 1, 1e-9);
        EXPECT_GT(dot(face.normal, FaceCentre(s, face) - centre), 0) << "normal points inwards";
        // Corners run counter-clockwise seen from outside.
        const Vec3 a = s.vertices[face.corners[0]], b = s.vertices[face.corners[1]], c = s.vertices[face.corners[2]];
        EXPECT_GT(dot(cross(b - a, c - b), face.normal), 0);
        // All corners lie in the face's plane, every vertex on its inner side.
        const double offset = dot(face.normal, a);
        for (int i : face.corners)
            EXPECT_NEAR(dot(face.normal, s.vertices[i]), offset, 1e-6);
        for (Vec3 p : s.vertices)
            EXPECT_LE(dot(face.normal, p), offset + 1e-6);
    }
    EXPECT_NEAR(length(centre), 0, 1e-9) << "centred on the origin";
}

INSTANTIATE_TEST_SUITE_P(AllHabits, HabitShape, ::testing::ValuesIn(kHabits),
                         [](const ::testing::TestParamInfo<HabitCase>& info) { return info.param.name; });

TEST(PolyhedronFromPlanes, CutsTheCubeOutOfSixHalfSpaces)
{
    const Plane planes[] = {{{1, 0, 0}, 2}, {{-1, 0, 0}, 2}, {{0, 1, 0}, 2},
                            {{0, -1, 0}, 2}, {{0, 0, 1}, 2}, {{0, 0, -1}, 2}};
    const Polyhedron s = PolyhedronFromPlanes(planes);
    ASSERT_EQ(s.vertices.size(), 8u);
    for (Vec3 v : s.vertices) {
        EXPECT_NEAR(std::abs(v.x), 2, 1e-9);
        EXPECT_NEAR(std::abs(v.y), 2, 1e-9);
        EXPECT_NEAR(std::abs(v.z), 2, 1e-9);
    }
    EXPECT_EQ(EdgeCount(s), 12);
}

TEST(PolyhedronFromPlanes, IgnoresAPlaneThatMissesTheSolid)
{
    const Plane planes[] = {{{1, 0, 0}, 1}, {{-1, 0, 0}, 1}, {{0, 1, 0}, 1}, {{0, -1, 0}, 1},
                            {{0, 0, 1}, 1}, {{0, 0, -1}, 1}, {{1, 1, 1}, 5}};
    EXPECT_EQ(PolyhedronFromPlanes(planes).faces.size(), 6u);
}

TEST(Rhombohedron, HasTheRhombFacesOfCalciteCleavage)
{
    // Calcite cleaves into rhombs with angles of 101.9 and 78.1 degrees.
    const Polyhedron s = MakeHabit(Habit::Rhombohedron);
    for (const PolyFace& f : s.faces) {
        ASSERT_EQ(f.corners.size(), 4u);
        const Vec3 p0 = s.vertices[f.corners[0]], p1 = s.vertices[f.corners[1]], p2 = s.vertices[f.corners[2]],
                      p3 = s.vertices[f.corners[3]];
        EXPECT_NEAR(length(p1 - p0), length(p2 - p1), 1e-9);
        EXPECT_NEAR(length(p2 - p1), length(p3 - p2), 1e-9);
        const double angle = std::acos(dot(normalised(p1 - p0), normalised(p3 - p0))) / kDegree;
        const double acute = std::min(angle, 180 - angle);
        EXPECT_NEAR(acute, 78.1, 1.0);
    }
}

TEST(Striations, RunAtRightAnglesOnNeighbouringFacesOfPyrite)
{
    const Polyhedron s = MakeHabit(Habit::StriatedCube);
    for (const PolyFace& f : s.faces) {
        EXPECT_NEAR(length(f.striation), 1, 1e-9);
        EXPECT_NEAR(dot(f.striation, f.normal), 0, 1e-9);
    }
    int neighbours = 0;
    for (std::size_t i = 0; i < s.faces.size(); ++i)
        for (std::size_t j = i + 1; j < s.faces.size(); ++j) {
            if (std::abs(dot(s.faces[i].normal, s.faces[j].normal)) > 0.5)
                continue; // opposite faces
            ++neighbours;
            EXPECT_NEAR(dot(s.faces[i].striation, s.faces[j].striation), 0, 1e-9);
        }
    EXPECT_EQ(neighbours, 12);
}

TEST(Striations, RunAlongTheAxisOfRutileAndAcrossTheAxisOfQuartz)
{
    const Vec3 axis{0, 1, 0};
    int rutile = 0, quartz = 0;
    for (const PolyFace& f : MakeHabit(Habit::TetragonalPrism).faces)
        if (length(f.striation) > 0) {
            ++rutile;
            EXPECT_NEAR(std::abs(dot(f.striation, axis)), 1, 1e-9);
        }
    for (const PolyFace& f : MakeHabit(Habit::QuartzPrism).faces)
        if (length(f.striation) > 0) {
            ++quartz;
            EXPECT_NEAR(dot(f.striation, axis), 0, 1e-9);
        }
    EXPECT_EQ(rutile, 8) << "the eight prism faces";
    EXPECT_EQ(quartz, 6) << "the six prism faces";
}

TEST(Transformed, KeepsFacesOutwardUnderAMirrorAndMovesTheSolid)
{
    const Polyhedron cube = MakeHabit(Habit::Cube);
    const Polyhedron moved = Transformed(cube, Scaling(-2, 1, 1), {5, 0, 0});
    const Vec3 centre = Centroid(moved);
    EXPECT_NEAR(centre.x, 5, 1e-9);
    for (const PolyFace& f : moved.faces) {
        EXPECT_GT(dot(f.normal, FaceCentre(moved, f) - centre), 0);
        const Vec3 a = moved.vertices[f.corners[0]], b = moved.vertices[f.corners[1]],
                      c = moved.vertices[f.corners[2]];
        EXPECT_GT(dot(cross(b - a, c - b), f.normal), 0);
    }
}

TEST(RockLump, IsAConvexLumpWithinItsRadii)
{
    const Polyhedron rock = RockLump({3, 1, 2}, 7);
    EXPECT_GT(rock.faces.size(), 30u);
    EXPECT_EQ(int(rock.vertices.size()) - EdgeCount(rock) + int(rock.faces.size()), 2);
    for (Vec3 v : rock.vertices) {
        const double r = std::sqrt(v.x * v.x / 9 + v.y * v.y + v.z * v.z / 4);
        EXPECT_GT(r, 0.85);
        EXPECT_LT(r, 1.5);
    }
    // The same seed gives the same rock.
    const Polyhedron again = RockLump({3, 1, 2}, 7);
    ASSERT_EQ(again.vertices.size(), rock.vertices.size());
    for (std::size_t i = 0; i < rock.vertices.size(); ++i)
        EXPECT_EQ(length(again.vertices[i] - rock.vertices[i]), 0);
}

// ---------------------------------------------------------------- camera

TEST(Projection, ActsLikeACameraLookingAtItsTarget)
{
    const Camera camera{.target = {1, 2, 3}, .distance = 10, .elevation = 20, .azimuth = 30, .fieldOfView = 25};
    const Projection p(camera, 400, 300);
    const ScreenPoint centre = p.ToScreen(camera.target);
    EXPECT_NEAR(centre.x, 200, 1e-9);
    EXPECT_NEAR(centre.y, 150, 1e-9);
    EXPECT_NEAR(centre.depth, 10, 1e-9);

    EXPECT_LT(p.ToScreen(camera.target + Vec3{0, 1, 0}).y, 150) << "up is up on the screen";
    EXPECT_GT(p.ToScreen(camera.target + p.Right()).x, 200);
    // The eye is raised above the target.
    EXPECT_NEAR(p.Eye().y - camera.target.y, 10 * std::sin(20 * kDegree), 1e-9);

    // A sideways offset looks smaller farther away.
    const Vec3 side = p.Right() * 1.0;
    const double near = p.ToScreen(camera.target + side + p.Back() * 2).x - 200;
    const double far = p.ToScreen(camera.target + side - p.Back() * 2).x - 200;
    EXPECT_GT(near, far);
    EXPECT_GT(far, 0);

    // The vertical field of view spans the picture's height.
    const double half = 10 * std::tan(12.5 * kDegree);
    EXPECT_NEAR(p.ToScreen(camera.target + p.Up() * half).y, 0, 1e-6);
}

TEST(Projection, CastsTheRayThroughTheScreenPositionOfAPoint)
{
    const Camera camera{.target = {0, 0, 0}, .distance = 12, .elevation = 25, .azimuth = -15, .fieldOfView = 22};
    const Projection p(camera, 320, 240);
    for (Vec3 world : {Vec3{1, 1, 0}, Vec3{-2, 0.5, 1}, Vec3{0.3, -1.2, -2}}) {
        const ScreenPoint s = p.ToScreen(world);
        const Vec3 ray = p.Ray(s.x, s.y);
        EXPECT_NEAR(length(ray), 1, 1e-12);
        const Vec3 toPoint = normalised(world - p.Eye());
        EXPECT_NEAR(dot(ray, toPoint), 1, 1e-12);
    }
}

// ---------------------------------------------------------------- shading

Material Matte(Rgb colour)
{
    return {.colour = colour, .lustre = Lustre::Dull, .grain = 0, .edgeLight = 0, .outline = 0};
}

Scene OneCube(const Material& m, Mat3 turn = RotationXYZ(0, 45, 0), Habit habit = Habit::Cube)
{
    Scene scene;
    scene.width = 200;
    scene.height = 150;
    scene.camera = {.target = {0, 0, 0}, .distance = 12, .elevation = 25, .azimuth = 0, .fieldOfView = 25};
    scene.backdrop.floor = false;
    scene.solids.push_back({Transformed(MakeHabit(habit), turn, {}), m});
    return scene;
}

double MeanLuminance(const QImage& image, QPoint at, int radius)
{
    double sum = 0;
    int n = 0;
    for (int y = at.y() - radius; y <= at.y() + radius; ++y)
        for (int x = at.x() - radius; x <= at.x() + radius; ++x) {
            const QRgb c = image.pixel(x, y);
            sum += 0.3 * qRed(c) + 0.59 * qGreen(c) + 0.11 * qBlue(c);
            ++n;
        }
    return sum / n;
}

QPoint ScreenPixel(const Scene& scene, Vec3 world)
{
    const ScreenPoint s = Projection(scene.camera, scene.width, scene.height).ToScreen(world);
    return {int(s.x), int(s.y)};
}

TEST(RenderScene, GivesThePictureSizeAndTheSamePictureEveryTime)
{
    const Scene scene = OneCube({.colour = FromHex(0xC08040), .lustre = Lustre::Vitreous, .transparency = 0.4});
    const QImage a = RenderScene(scene, 2);
    const QImage b = RenderScene(scene, 2);
    EXPECT_EQ(a.size(), QSize(200, 150));
    EXPECT_TRUE(a == b);
}

TEST(RenderScene, LightsTheFacesTheMoreTheCloserTheyTurnToTheKeyLight)
{
    const Scene scene = OneCube(Matte({0.7, 0.7, 0.7}));
    const QImage image = RenderScene(scene, 2);
    const Polyhedron& cube = scene.solids[0].shape;
    const Vec3 eye = Projection(scene.camera, scene.width, scene.height).Eye();
    std::vector<std::pair<double, double>> faces; // (cosine to the light, brightness)
    for (const PolyFace& f : cube.faces) {
        const Vec3 centre = FaceCentre(cube, f);
        if (dot(f.normal, eye - centre) <= 0)
            continue;
        faces.push_back({dot(f.normal, KeyLightDirection()), MeanLuminance(image, ScreenPixel(scene, centre), 2)});
    }
    ASSERT_EQ(faces.size(), 3u) << "top and two sides in view";
    std::sort(faces.begin(), faces.end());
    EXPECT_LT(faces[0].second + 10, faces[1].second);
    EXPECT_LT(faces[1].second + 5, faces[2].second);
}

TEST(RenderScene, ShowsWhatLiesBehindASeeThroughCrystal)
{
    auto overlapColour = [](const Material& front) {
        // A red cube, and in front of it a slab that hides its middle.
        const Vec3 red{0, -1.5, -3};
        Scene scene = OneCube(Matte({0.85, 0.1, 0.1}), Scaling(0.8, 0.8, 0.8));
        scene.solids[0].shape = Transformed(scene.solids[0].shape, Mat3{}, red);
        scene.solids.push_back({Transformed(MakeHabit(Habit::Cube), Scaling(1.2, 1.2, 0.4), {0, 0, 1}), front});
        const QImage image = RenderScene(scene, 2);
        return image.pixel(ScreenPixel(scene, red));
    };
    const QRgb clear = overlapColour({.colour = {0.95, 0.95, 0.95}, .lustre = Lustre::Vitreous, .transparency = 0.9});
    const QRgb opaque = overlapColour(Matte({0.95, 0.95, 0.95}));
    EXPECT_GT(qRed(clear), qGreen(clear) + 40) << "the red cube shows through";
    EXPECT_LT(std::abs(qRed(opaque) - qGreen(opaque)), 12) << "an opaque crystal hides it";
}

TEST(RenderScene, CastsAShadowOnTheSurfaceUnderTheSpecimen)
{
    // A small cube floating above the surface, seen from the side the
    // shadow falls to (the key light shines from the left front).
    Scene scene = OneCube(Matte({0.6, 0.6, 0.6}), Scaling(0.6, 0.6, 0.6));
    scene.camera.azimuth = 90;
    scene.backdrop.floor = true;
    scene.backdrop.floorHeight = -1;
    // Where the ray from the cube's centre away from the key light meets the surface.
    const Vec3 key = KeyLightDirection();
    const Vec3 shaded = key * (-1 / key.y);
    const Vec3 lit{shaded.x, -1, 2.0};
    const QImage image = RenderScene(scene, 2);
    scene.backdrop.floor = false;
    const QImage bare = RenderScene(scene, 2);
    const QPoint s = ScreenPixel(scene, shaded), l = ScreenPixel(scene, lit);
    EXPECT_LT(MeanLuminance(image, s, 1) + 15, MeanLuminance(bare, s, 1));
    EXPECT_NEAR(MeanLuminance(image, l, 1), MeanLuminance(bare, l, 1), 6);
}

TEST(RenderScene, DrawsTheStriationsOfAFaceAsLightAndDarkLines)
{
    auto faceDeviation = [](double striation) {
        const Material brass{.colour = FromHex(0xD2B45C), .lustre = Lustre::Metallic, .striation = striation,
                             .grain = 0, .edgeLight = 0, .outline = 0};
        const Scene scene = OneCube(brass, RotationXYZ(0, 30, 0), Habit::StriatedCube);
        const QImage image = RenderScene(scene, 2);
        const Polyhedron& cube = scene.solids[0].shape;
        // The face that looks most towards the camera.
        const Vec3 eye = Projection(scene.camera, scene.width, scene.height).Eye();
        const PolyFace* best = &cube.faces[0];
        for (const PolyFace& f : cube.faces)
            if (dot(f.normal, normalised(eye)) > dot(best->normal, normalised(eye)))
                best = &f;
        const QPoint c = ScreenPixel(scene, FaceCentre(cube, *best));
        double sum = 0, sum2 = 0;
        int n = 0;
        for (int y = c.y() - 8; y <= c.y() + 8; ++y)
            for (int x = c.x() - 8; x <= c.x() + 8; ++x) {
                const double l = qGreen(image.pixel(x, y));
                sum += l;
                sum2 += l * l;
                ++n;
            }
        return std::sqrt(sum2 / n - (sum / n) * (sum / n));
    };
    EXPECT_GT(faceDeviation(0.4), faceDeviation(0) + 4);
}

} // namespace
} // namespace vestrel::photos
