// SPDX-License-Identifier: MIT
#include "tools/photos/crystal_forms.h"

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace vestrel::photos {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

// Face normals of the cubic forms, in crystal axes.
constexpr Vec3 kCube[] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
constexpr Vec3 kOctahedron[] = {{1, 1, 1},  {1, 1, -1},  {1, -1, 1},  {1, -1, -1},
                                   {-1, 1, 1}, {-1, 1, -1}, {-1, -1, 1}, {-1, -1, -1}};
constexpr Vec3 kDodecahedron[] = {{1, 1, 0},  {1, -1, 0},  {-1, 1, 0}, {-1, -1, 0}, {1, 0, 1},  {1, 0, -1},
                                     {-1, 0, 1}, {-1, 0, -1}, {0, 1, 1},  {0, 1, -1},  {0, -1, 1}, {0, -1, -1}};
constexpr Vec3 kPyritohedron[] = {{2, 1, 0},  {2, -1, 0},  {-2, 1, 0}, {-2, -1, 0}, {0, 2, 1},  {0, 2, -1},
                                     {0, -2, 1}, {0, -2, -1}, {1, 0, 2},  {-1, 0, 2},  {1, 0, -2}, {-1, 0, -2}};
constexpr Vec3 kTetrahedron[] = {{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}};

// A crystal form: all faces with these normals at one distance from the centre.
void AddForm(std::vector<Plane>& planes, std::span<const Vec3> normals, double distance,
             Vec3 axisScale = {1, 1, 1})
{
    for (Vec3 n : normals)
        planes.push_back({normalised({n.x * axisScale.x, n.y * axisScale.y, n.z * axisScale.z}), distance});
}

void AddNegated(std::vector<Plane>& planes, std::span<const Vec3> normals, double distance,
                Vec3 axisScale = {1, 1, 1})
{
    for (Vec3 n : normals)
        planes.push_back({normalised({-n.x * axisScale.x, -n.y * axisScale.y, -n.z * axisScale.z}), distance});
}

// Six faces around the vertical axis, tilted by tilt degrees from the
// horizontal normal towards +y (negative tilts lean towards -y), starting at
// the given azimuth.
void AddHexagonalRing(std::vector<Plane>& planes, double tiltDegrees, double distance, double azimuthDegrees = 0,
                      int count = 6)
{
    const double tilt = tiltDegrees * kDegree;
    for (int k = 0; k < count; ++k) {
        const double phi = (azimuthDegrees + k * 360.0 / count) * kDegree;
        planes.push_back({{std::cos(phi) * std::cos(tilt), std::sin(tilt), std::sin(phi) * std::cos(tilt)}, distance});
    }
}

void AddPinacoid(std::vector<Plane>& planes, double top, double bottom)
{
    planes.push_back({{0, 1, 0}, top});
    planes.push_back({{0, -1, 0}, bottom});
}

int DominantAxis(Vec3 n)
{
    const double ax = std::abs(n.x), ay = std::abs(n.y), az = std::abs(n.z);
    return ax >= ay && ax >= az ? 0 : (ay >= az ? 1 : 2);
}

Vec3 AxisVector(int axis) { return axis == 0 ? Vec3{1, 0, 0} : axis == 1 ? Vec3{0, 1, 0} : Vec3{0, 0, 1}; }

// Pyrite's growth lines: on a face across axis i they run along axis i + 1,
// so that neighbouring faces have them at right angles.
void StriateLikePyrite(Polyhedron& solid)
{
    for (PolyFace& face : solid.faces)
        if (std::abs(face.normal.x) + std::abs(face.normal.y) + std::abs(face.normal.z) < 1.01)
            face.striation = AxisVector((DominantAxis(face.normal) + 1) % 3);
}

// Growth lines on the prism faces: along the vertical axis or across it.
void StriatePrism(Polyhedron& solid, bool alongAxis)
{
    for (PolyFace& face : solid.faces)
        if (std::abs(face.normal.y) < 0.05)
            face.striation = alongAxis ? Vec3{0, 1, 0} : normalised(cross(face.normal, {0, 1, 0}));
}

std::vector<Plane> HabitPlanes(Habit habit)
{
    std::vector<Plane> p;
    switch (habit) {
    case Habit::Cube:
    case Habit::StriatedCube:
        AddForm(p, kCube, 1);
        break;
    case Habit::CubeOctahedron:
        AddForm(p, kCube, 1);
        AddForm(p, kOctahedron, 1.5);
        break;
    case Habit::Cuboctahedron:
        AddForm(p, kCube, 1);
        AddForm(p, kOctahedron, 1.2);
        break;
    case Habit::Octahedron:
        AddForm(p, kOctahedron, 1);
        break;
    case Habit::OctahedronCube:
        AddForm(p, kOctahedron, 1);
        AddForm(p, kCube, 1.5);
        break;
    case Habit::Dodecahedron:
        AddForm(p, kDodecahedron, 1);
        break;
    case Habit::Pyritohedron:
        AddForm(p, kPyritohedron, 1);
        break;
    case Habit::Tetrahedron:
        // Standing on a face, a corner up: the other faces lean in at
        // 19.47 degrees above the horizontal (their normals meet the bottom
        // face's at arccos(-1/3)). The opposite tetrahedron blunts the corners.
        AddPinacoid(p, 2.6, 1);
        AddHexagonalRing(p, 19.47, 1, 90, 3);
        AddHexagonalRing(p, -19.47, 2.6, 270, 3);
        break;
    case Habit::Disphenoid:
        // Flattened along c: the tetragonal cell of chalcopyrite, its faces
        // steeper than the tetrahedron's.
        AddForm(p, kTetrahedron, 1, {1, 0.8, 1});
        AddNegated(p, kTetrahedron, 2.8, {1, 0.8, 1});
        break;
    case Habit::HexagonalPlate:
        AddHexagonalRing(p, 0, 1);
        AddPinacoid(p, 0.2, 0.2);
        AddHexagonalRing(p, 55, 0.68);
        AddHexagonalRing(p, -55, 0.68);
        break;
    case Habit::HexagonalPrism:
        AddHexagonalRing(p, 0, 1);
        AddPinacoid(p, 1.1, 1.1);
        AddHexagonalRing(p, 40, 1.3);
        AddHexagonalRing(p, -40, 1.3);
        break;
    case Habit::HexagonalPyramid:
        AddHexagonalRing(p, 32, 1);
        AddHexagonalRing(p, 0, 1.12);
        AddPinacoid(p, 10, 1.1);
        break;
    case Habit::TetragonalPrism:
        AddForm(p, std::array<Vec3, 4>{{{1, 0, 1}, {1, 0, -1}, {-1, 0, 1}, {-1, 0, -1}}}, 1);
        AddForm(p, std::array<Vec3, 4>{{{1, 0, 0}, {-1, 0, 0}, {0, 0, 1}, {0, 0, -1}}}, 1.12);
        // {111} ends: the dipyramid closes the prism at about y = 3.
        AddForm(p, std::array<Vec3, 4>{{{1, 1.1, 1}, {1, 1.1, -1}, {-1, 1.1, 1}, {-1, 1.1, -1}}}, 2.55);
        AddForm(p, std::array<Vec3, 4>{{{1, -1.1, 1}, {1, -1.1, -1}, {-1, -1.1, 1}, {-1, -1.1, -1}}}, 2.55);
        break;
    case Habit::Rhombohedron:
        // Cleavage faces 44.6 degrees from the c axis, three above and three below.
        AddHexagonalRing(p, 90 - 44.6, 1, 90, 3);
        AddHexagonalRing(p, -(90 - 44.6), 1, 270, 3);
        break;
    case Habit::QuartzPrism:
        AddHexagonalRing(p, 0, 1);
        AddHexagonalRing(p, 90 - 51.8, 2.2);
        AddPinacoid(p, 10, 2.4);
        break;
    }
    return p;
}

} // namespace

Polyhedron MakeHabit(Habit habit, double stretch)
{
    const std::vector<Plane> planes = HabitPlanes(habit);
    Polyhedron solid = PolyhedronFromPlanes(planes);
    if (habit == Habit::StriatedCube)
        StriateLikePyrite(solid);
    if (habit == Habit::TetragonalPrism)
        StriatePrism(solid, true);
    if (habit == Habit::QuartzPrism)
        StriatePrism(solid, false);
    const Mat3 scale = Scaling(1, stretch, 1);
    return Transformed(solid, scale, -(scale * Centroid(solid)));
}

Polyhedron RockLump(Vec3 radii, std::uint64_t seed)
{
    FixedRandom random(seed);
    std::vector<Plane> planes;
    for (int i = 0; i < 90; ++i) {
        // Directions spread over the sphere: uniform in height and azimuth.
        const double y = random.Uniform(-1, 1);
        const double phi = random.Uniform(0, 2 * std::numbers::pi);
        const double r = std::sqrt(1 - y * y);
        planes.push_back({{r * std::cos(phi), y, r * std::sin(phi)}, random.Uniform(0.93, 1.03)});
    }
    // Close the lump whatever the random directions left open.
    AddForm(planes, kOctahedron, 1.45);
    AddForm(planes, kCube, 1.1);
    return Transformed(PolyhedronFromPlanes(planes), Scaling(radii.x, radii.y, radii.z), {});
}

} // namespace vestrel::photos
