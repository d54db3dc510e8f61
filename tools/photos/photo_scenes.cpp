// SPDX-License-Identifier: MIT
#include "tools/photos/photo_scenes.h"

#include <cmath>
#include <numbers>

namespace vestrel::photos {

namespace {

// ---------------------------------------------------------------- materials

const Material kHalite{.colour = FromHex(0xF2CDCC), .lustre = Lustre::Vitreous, .transparency = 0.7,
                       .edgeLight = 0.55, .outline = 0.3};
const Material kCuprite{.colour = FromHex(0x730A07), .lustre = Lustre::Adamantine, .transparency = 0.25,
                        .edgeLight = 0.35, .outline = 0.35};
const Material kDiamond{.colour = FromHex(0xF0F2F5), .lustre = Lustre::Adamantine, .transparency = 0.8,
                        .edgeLight = 0.7, .outline = 0.45, .sparkle = 1};
const Material kGraphite{.colour = FromHex(0x575A60), .lustre = Lustre::Metallic, .edgeLight = 0.3, .outline = 0.3};
const Material kCaesiumChloride{.colour = FromHex(0xF4F4F2), .lustre = Lustre::Vitreous, .transparency = 0.3,
                                .edgeLight = 0.45, .outline = 0.4};
const Material kSphalerite{.colour = FromHex(0x2E1709), .lustre = Lustre::Adamantine, .transparency = 0.2,
                           .edgeLight = 0.35, .outline = 0.35};
const Material kWurtzite{.colour = FromHex(0x3C2616), .lustre = Lustre::Resinous, .edgeLight = 0.3, .outline = 0.35};
const Material kIron{.colour = FromHex(0xA4A7AC), .lustre = Lustre::Metallic, .edgeLight = 0.3, .outline = 0.3};
const Material kSteel{.colour = FromHex(0x8A9099), .lustre = Lustre::Metallic, .edgeLight = 0.3, .outline = 0.3};
const Material kChalcopyrite{.colour = FromHex(0xCFA644), .lustre = Lustre::Metallic, .iridescence = 0.7,
                             .edgeLight = 0.3, .outline = 0.3};
const Material kBoronNitride{.colour = FromHex(0xE4E2DC), .lustre = Lustre::Pearly, .edgeLight = 0.3, .outline = 0.4};
const Material kCadmiumIodide{.colour = FromHex(0xEFE8D2), .lustre = Lustre::Pearly, .transparency = 0.5,
                              .edgeLight = 0.45, .outline = 0.4};
const Material kPyrite{.colour = FromHex(0xD2B45C), .lustre = Lustre::Metallic, .striation = 0.3, .edgeLight = 0.3,
                       .outline = 0.3};
const Material kPurpleFluorite{.colour = FromHex(0x9A5CD6), .lustre = Lustre::Vitreous, .transparency = 0.55,
                               .edgeLight = 0.45, .outline = 0.35};
const Material kGreenFluorite{.colour = FromHex(0x6FCB86), .lustre = Lustre::Vitreous, .transparency = 0.55,
                              .edgeLight = 0.45, .outline = 0.35};
const Material kMagnesium{.colour = FromHex(0xD6D8DC), .lustre = Lustre::Metallic, .edgeLight = 0.35, .outline = 0.3};
const Material kRutile{.colour = FromHex(0x4E1608), .lustre = Lustre::Adamantine, .transparency = 0.1,
                       .striation = 0.3, .edgeLight = 0.3, .outline = 0.35};
const Material kCopper{.colour = FromHex(0xD27A4E), .lustre = Lustre::Metallic, .edgeLight = 0.25, .outline = 0.3};
const Material kTarnishedCopper{.colour = FromHex(0xA8583A), .lustre = Lustre::Metallic, .edgeLight = 0.2,
                                .outline = 0.3};
const Material kCalcite{.colour = FromHex(0xF6F3EC), .lustre = Lustre::Vitreous, .transparency = 0.8,
                        .edgeLight = 0.55, .outline = 0.35};
const Material kQuartz{.colour = FromHex(0xEEF0F4), .lustre = Lustre::Vitreous, .transparency = 0.8, .striation = 0.05,
                       .edgeLight = 0.55, .outline = 0.3};

const Material kGreyRock{.colour = FromHex(0x8A857C), .lustre = Lustre::Dull, .grain = 0.35, .bump = 0.6,
                         .edgeLight = 0, .outline = 0.15};
const Material kDarkRock{.colour = FromHex(0x5E5A55), .lustre = Lustre::Dull, .grain = 0.35, .bump = 0.6,
                         .edgeLight = 0, .outline = 0.15};
const Material kWhiteRock{.colour = FromHex(0xC9C4BA), .lustre = Lustre::Dull, .grain = 0.25, .bump = 0.5,
                          .edgeLight = 0, .outline = 0.15};

// ---------------------------------------------------------------- framing

const Camera kCamera{.target = {0, -0.3, 0}, .distance = 14, .elevation = 22, .azimuth = 0, .fieldOfView = 22};
// Plates lying on the surface are seen from higher up and nearer.
const Camera kCameraAbove{.target = {0, -1.15, 0}, .distance = 12, .elevation = 32, .azimuth = 0, .fieldOfView = 22};
const Backdrop kLight{.floorHeight = -1.9};
// A deeper backdrop, so that white crystals stand out.
const Backdrop kDeeper{.top = FromHex(0xCFC8BD), .bottom = FromHex(0x8F887E), .floorHeight = -1.9};

// The rock a group grows on: a broad lump with two smaller ones beside it,
// its top at about y = -1.
std::vector<RockSpec> Matrix(std::uint64_t seed)
{
    return {{{-0.5, -2.35, -0.3}, {2.7, 1.35, 1.7}, seed},
            {{1.6, -2.5, 0.1}, {1.9, 1.15, 1.3}, seed + 1},
            {{-2.5, -2.55, 0.3}, {1.5, 0.95, 1.1}, seed + 2}};
}

// Native copper grows as a tree of small crystals in parallel position:
// branches leave every other crystal of a stem at 60 degrees, alternately to
// either side, and thin out towards their tips.
void AddCopperBranch(std::vector<CrystalSpec>& out, Vec3 start, Vec3 direction, int count, double size,
                     int depth, FixedRandom& random)
{
    constexpr double kBranchAngle = 60 * std::numbers::pi / 180;
    Vec3 p = start;
    for (int i = 0; i < count; ++i) {
        const double s = size * (1 - 0.45 * i / count);
        const int material = random.Uniform(0, 1) < 0.25 ? 1 : 0;
        out.push_back({Habit::Cuboctahedron, s, p, {random.Uniform(-6, 6), 35 + random.Uniform(-6, 6), 20}, 1, material});
        if (depth < 2 && i >= 1 && i + 1 < count) {
            const double side = i % 2 == 0 ? 1 : -1;
            const double c = std::cos(kBranchAngle), sn = std::sin(kBranchAngle) * side;
            const Vec3 branch = normalised({direction.x * c - direction.y * sn, direction.x * sn + direction.y * c,
                                               random.Uniform(-0.2, 0.2)});
            AddCopperBranch(out, p + branch * (s * 1.2), branch, (count - i) * 2 / 3, s * 0.72, depth + 1, random);
        }
        p = p + direction * (s * 1.3);
    }
}

std::vector<CrystalSpec> CopperDendrite()
{
    std::vector<CrystalSpec> crystals;
    FixedRandom random(17);
    AddCopperBranch(crystals, {-0.6, -1.35, 0}, normalised({0.12, 1, 0}), 9, 0.4, 0, random);
    return crystals;
}

} // namespace

std::vector<PhotoSpec> AllPhotos()
{
    std::vector<PhotoSpec> photos;
    photos.push_back({.file = "Nature/NaCl.jpg",
                      .materials = {kHalite, kHalite},
                      .crystals = {{Habit::Cube, 1.15, {-0.35, -0.72, -0.2}, {4, 32, 3}},
                                   {Habit::Cube, 0.8, {1.55, -1.08, 0.45}, {2, -18, 4}},
                                   {Habit::Cube, 0.62, {-2.15, -1.26, 0.5}, {-3, 55, -2}},
                                   {Habit::Cube, 0.5, {0.85, 0.35, -0.3}, {12, 20, 18}}},
                      .camera = kCamera,
                      .backdrop = kDeeper});
    photos.push_back({.file = "Nature/Cu2O.jpg",
                      .materials = {kCuprite, kCuprite},
                      .crystals = {{Habit::Octahedron, 1.0, {-0.4, 0.05, 0.1}, {10, 25, 8}},
                                   {Habit::Octahedron, 0.7, {1.55, -0.45, 0.35}, {-12, 40, -14}},
                                   {Habit::Octahedron, 0.6, {-2.2, -0.75, 0.5}, {5, 10, 24}}},
                      .rock = kGreyRock,
                      .rocks = Matrix(3),
                      .camera = kCamera,
                      .backdrop = kLight});
    photos.push_back({.file = "Nature/Almaz.jpg",
                      .materials = {kDiamond, kDiamond},
                      .crystals = {{Habit::Octahedron, 1.35, {-0.35, -0.35, 0}, {14, 30, 10}},
                                   {Habit::Octahedron, 0.55, {1.9, -1.35, 0.6}, {-10, 10, 35}}},
                      .camera = kCamera,
                      .backdrop = kDeeper});
    photos.push_back({.file = "Nature/Graphit.jpg",
                      .materials = {kGraphite, kGraphite},
                      .crystals = {{Habit::HexagonalPlate, 1.15, {-0.45, -0.55, 0.1}, {35, 8, 6}, 1.0},
                                   {Habit::HexagonalPlate, 0.85, {1.55, -0.8, 0.4}, {50, 30, -18}, 1.0},
                                   {Habit::HexagonalPlate, 0.7, {-2.25, -1.0, 0.5}, {25, 20, 20}, 1.0}},
                      .rock = kWhiteRock,
                      .rocks = Matrix(5),
                      .camera = kCamera,
                      .backdrop = kLight});
    photos.push_back({.file = "Nature/CsCl.jpg",
                      .materials = {kCaesiumChloride, kCaesiumChloride},
                      .crystals = {{Habit::Cube, 0.7, {-0.55, -1.15, 0}, {3, 30, 2}},
                                   {Habit::Cube, 0.6, {0.75, -1.25, 0.3}, {2, -20, 3}},
                                   {Habit::Cube, 0.55, {0.0, -0.05, -0.3}, {20, 40, 10}},
                                   {Habit::Cube, 0.5, {-1.85, -1.35, 0.6}, {-2, 60, 0}},
                                   {Habit::Cube, 0.48, {1.95, -1.4, 0.6}, {0, 10, -2}},
                                   {Habit::Cube, 0.4, {1.25, -0.2, -0.4}, {25, 5, 15}},
                                   {Habit::Cube, 0.38, {-1.3, -0.3, -0.4}, {10, 25, -20}}},
                      .camera = kCamera,
                      .backdrop = kDeeper});
    photos.push_back({.file = "Nature/Sfalerit.jpg",
                      .materials = {kSphalerite, kSphalerite},
                      .crystals = {{Habit::Tetrahedron, 0.62, {-0.35, -0.45, 0.1}, {10, 20, 5}},
                                   {Habit::Tetrahedron, 0.48, {1.3, -0.75, 0.45}, {15, 50, -12}},
                                   {Habit::Tetrahedron, 0.42, {-1.9, -0.9, 0.5}, {5, 80, 15}},
                                   {Habit::Tetrahedron, 0.36, {0.6, -0.35, -0.5}, {-10, 10, 20}},
                                   {Habit::Tetrahedron, 0.32, {2.5, -1.15, 0.5}, {20, 60, -10}}},
                      .rock = kWhiteRock,
                      .rocks = Matrix(7),
                      .camera = kCamera,
                      .backdrop = kLight});
    photos.push_back({.file = "Nature/Vurtcit.jpg",
                      .materials = {kWurtzite, kWurtzite},
                      .crystals = {{Habit::HexagonalPyramid, 0.8, {-0.4, -0.2, 0.1}, {-4, 10, 6}, 1.0},
                                   {Habit::HexagonalPyramid, 0.62, {1.45, -0.55, 0.35}, {8, 25, -18}, 1.0},
                                   {Habit::HexagonalPyramid, 0.52, {-2.2, -0.9, 0.4}, {4, 40, 22}, 1.0}},
                      .rock = kGreyRock,
                      .rocks = Matrix(9),
                      .camera = kCamera,
                      .backdrop = kLight});
    photos.push_back({.file = "Nature/Alpha-Fe.jpg",
                      .materials = {kIron, kIron},
                      .crystals = {{Habit::CubeOctahedron, 1.15, {-0.5, -0.75, 0}, {0, 30, 0}},
                                   {Habit::CubeOctahedron, 0.75, {1.65, -1.15, 0.5}, {0, -15, 0}},
                                   {Habit::CubeOctahedron, 0.5, {-2.4, -1.4, 0.7}, {0, 50, 0}}},
                      .camera = kCamera,
                      .backdrop = kLight});
    photos.push_back({.file = "Nature/Gamma-Fe.jpg",
                      .materials = {kSteel, kSteel},
                      .crystals = {{Habit::OctahedronCube, 1.15, {-0.35, -0.7, 0}, {0, 20, 0}},
                                   {Habit::OctahedronCube, 0.75, {1.7, -1.15, 0.4}, {10, -25, 5}},
                                   {Habit::OctahedronCube, 0.55, {-2.2, -1.35, 0.5}, {-5, 35, 15}}},
                      .camera = kCamera,
                      .backdrop = kLight});
    photos.push_back({.file = "Nature/CuFeS2.jpg",
                      .materials = {kChalcopyrite, kChalcopyrite},
                      .crystals = {{Habit::Disphenoid, 0.75, {-0.35, -0.3, 0.1}, {0, 45, 0}},
                                   {Habit::Disphenoid, 0.58, {1.4, -0.65, 0.45}, {10, 30, 15}},
                                   {Habit::Disphenoid, 0.5, {-2.0, -0.8, 0.5}, {-5, 60, -20}},
                                   {Habit::Disphenoid, 0.4, {2.5, -1.05, 0.5}, {20, 45, 0}}},
                      .rock = kWhiteRock,
                      .rocks = Matrix(11),
                      .camera = kCamera,
                      .backdrop = kLight});
    photos.push_back({.file = "Nature/BN.jpg",
                      .materials = {kBoronNitride, kBoronNitride},
                      .crystals = {{Habit::HexagonalPlate, 1.3, {-0.4, -1.65, 0}, {12, 10, 0}, 0.7},
                                   {Habit::HexagonalPlate, 1.1, {0.3, -1.2, 0.1}, {25, 30, 5}, 0.7},
                                   {Habit::HexagonalPlate, 0.9, {1.75, -1.35, 0.5}, {20, 15, -14}, 0.7},
                                   {Habit::HexagonalPlate, 0.8, {-2.0, -1.35, 0.5}, {30, 40, 18}, 0.7},
                                   {Habit::HexagonalPlate, 0.7, {-0.5, -0.65, -0.2}, {40, 5, 8}, 0.7}},
                      .camera = kCameraAbove,
                      .backdrop = kDeeper});
    photos.push_back({.file = "Nature/CdI2.jpg",
                      .materials = {kCadmiumIodide, kCadmiumIodide},
                      .crystals = {{Habit::HexagonalPlate, 1.8, {-0.8, -1.55, -0.3}, {16, 0, 0}, 0.25},
                                   {Habit::HexagonalPlate, 1.62, {-0.62, -1.35, -0.25}, {16, 9, 2}, 0.25},
                                   {Habit::HexagonalPlate, 1.44, {-0.44, -1.15, -0.2}, {17, 17, 4}, 0.25},
                                   {Habit::HexagonalPlate, 1.22, {-0.26, -0.95, -0.15}, {18, 26, 5}, 0.25},
                                   {Habit::HexagonalPlate, 0.9, {2.05, -1.45, 0.4}, {25, 40, -10}, 0.25}},
                      .camera = kCameraAbove,
                      .backdrop = kDeeper});
    photos.push_back({.file = "Nature/FeS2.jpg",
                      .materials = {kPyrite, kPyrite},
                      .crystals = {{Habit::StriatedCube, 1.05, {-0.4, -0.4, 0}, {10, 30, 5}},
                                   {Habit::StriatedCube, 0.8, {1.55, -0.65, 0.4}, {-5, -20, 12}},
                                   {Habit::Pyritohedron, 0.72, {-2.3, -0.9, 0.5}, {15, 20, 10}}},
                      .rock = kDarkRock,
                      .rocks = Matrix(13),
                      .camera = kCamera,
                      .backdrop = kLight});
    photos.push_back({.file = "Nature/CaF2.jpg",
                      .materials = {kPurpleFluorite, kGreenFluorite},
                      .crystals = {{Habit::Cube, 1.05, {-0.35, -0.4, 0}, {12, 35, 8}},
                                   {Habit::Cube, 0.7, {1.35, -0.8, 0.6}, {-8, -15, 10}},
                                   {Habit::Octahedron, 0.85, {-2.2, -0.7, 0.4}, {10, 20, 10}, 1, 1}},
                      .rock = kGreyRock,
                      .rocks = Matrix(15),
                      .camera = kCamera,
                      .backdrop = kLight});
    photos.push_back({.file = "Nature/Mg.jpg",
                      .materials = {kMagnesium, kMagnesium},
                      .crystals = {{Habit::HexagonalPrism, 0.95, {-0.5, -0.75, 0}, {0, 10, -10}, 1},
                                   {Habit::HexagonalPrism, 0.75, {1.35, -1.0, 0.3}, {10, 30, 18}, 1},
                                   {Habit::HexagonalPrism, 0.6, {-2.3, -1.25, 0.5}, {-8, 20, 28}, 1}},
                      .camera = kCamera,
                      .backdrop = kLight});
    photos.push_back({.file = "Nature/TiO2.jpg",
                      .materials = {kRutile, kRutile},
                      .crystals = {{Habit::TetragonalPrism, 0.3, {-0.6, -0.35, 0.2}, {10, 25, -58}, 1.45},
                                   {Habit::TetragonalPrism, 0.27, {0.6, 0.05, -0.3}, {0, 40, 22}, 1.35},
                                   {Habit::TetragonalPrism, 0.22, {-2.2, -0.7, 0.5}, {5, 10, 75}, 1.1},
                                   {Habit::TetragonalPrism, 0.24, {2.1, -0.6, 0.6}, {-10, 60, -15}, 1.0}},
                      .rock = kWhiteRock,
                      .rocks = Matrix(19),
                      .camera = kCamera,
                      .backdrop = kLight});
    photos.push_back({.file = "Nature/Cu.jpg",
                      .materials = {kCopper, kTarnishedCopper},
                      .crystals = CopperDendrite(),
                      .rock = kDarkRock,
                      .rocks = {{{-0.5, -2.2, 0}, {1.6, 0.9, 1.1}, 29}},
                      .camera = kCamera,
                      .backdrop = kLight});
    photos.push_back({.file = "Nature/CaCO3.jpg",
                      .materials = {kCalcite, kCalcite},
                      .crystals = {{Habit::Rhombohedron, 1.25, {-0.45, -0.75, 0}, {-44.6, 30, 0}},
                                   {Habit::Rhombohedron, 0.7, {1.95, -1.3, 0.6}, {-44.6, 65, 0}}},
                      .camera = kCamera,
                      .backdrop = kDeeper});

    // Behind the About window: the title band at the top and the button in
    // the lower middle lie on plain backdrop or on broad faces.
    Camera aboutCamera = kCamera;
    aboutCamera.target = {0, 0.3, 0};
    aboutCamera.fieldOfView = 28;
    const Backdrop aboutBackdrop{.top = FromHex(0x2A3550), .bottom = FromHex(0x8A8FA0), .glow = 0.25,
                                 .floor = false};
    photos.push_back({.file = "About/Crystal.jpg",
                      .width = 477,
                      .height = 435,
                      .materials = {kQuartz, kQuartz},
                      .crystals = {{Habit::QuartzPrism, 0.5, {-1.75, 0.25, 0}, {0, 10, 18}, 1.45},
                                   {Habit::QuartzPrism, 0.36, {-2.7, -0.45, 0.4}, {5, 30, 34}, 1.3},
                                   {Habit::QuartzPrism, 0.25, {-1.65, -1.0, 0.9}, {-15, 0, 26}, 1.2},
                                   {Habit::QuartzPrism, 0.46, {1.75, 0.1, 0.1}, {0, 25, -20}, 1.45},
                                   {Habit::QuartzPrism, 0.34, {2.7, -0.45, 0.3}, {0, 40, -36}, 1.3},
                                   {Habit::QuartzPrism, 0.24, {1.35, -1.0, 0.9}, {-10, 10, -32}, 1.2}},
                      .rock = kDarkRock,
                      .rocks = {{{0, -3.75, -0.3}, {3.9, 1.5, 1.9}, 23},
                                {{-2.3, -3.0, 0.2}, {1.8, 1.0, 1.3}, 24},
                                {{2.4, -3.1, 0.2}, {1.7, 1.0, 1.2}, 25}},
                      .camera = aboutCamera,
                      .backdrop = aboutBackdrop});
    return photos;
}

Scene BuildScene(const PhotoSpec& spec)
{
    Scene scene;
    scene.width = spec.width;
    scene.height = spec.height;
    scene.camera = spec.camera;
    scene.backdrop = spec.backdrop;
    for (const RockSpec& r : spec.rocks)
        scene.solids.push_back({Transformed(RockLump(r.radii, r.seed), Mat3{}, r.centre), spec.rock});
    for (const CrystalSpec& c : spec.crystals) {
        const Mat3 place = RotationXYZ(c.turn.x, c.turn.y, c.turn.z) * Scaling(c.size, c.size, c.size);
        scene.solids.push_back({Transformed(MakeHabit(c.habit, c.stretch), place, c.position), spec.materials[c.material]});
    }
    return scene;
}

} // namespace vestrel::photos
