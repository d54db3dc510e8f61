// SPDX-License-Identifier: MIT
// A small software renderer for the crystal photographs: convex polyhedra cut
// out of half-spaces, a perspective camera, flat faces shaded per sample with
// a studio lighting set (key, fill and rim light, a soft environment for
// reflections, shadow maps), see-through crystals and highlighted edges.
// Everything is deterministic: the same scene always gives the same picture.
#pragma once

#include "logic/morphology/convex_solid.h"
#include "render/geometry.h"

#include <QImage>

#include <cstdint>
#include <span>
#include <vector>

namespace vestrel::photos {

// The mirror image of the direction d in a surface with unit normal n.
Vec3 Reflected(Vec3 d, Vec3 n);

struct Rgb {
    double r = 0, g = 0, b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb operator*(Rgb a, double s) { return {a.r * s, a.g * s, a.b * s}; }
inline Rgb operator*(double s, Rgb a) { return a * s; }
Rgb Mix(Rgb a, Rgb b, double t);
// An 8-bit colour written as 0xRRGGBB.
constexpr Rgb FromHex(std::uint32_t hex)
{
    return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0};
}

// Turns about x, then y, then z (degrees, right-handed).
Mat3 RotationXYZ(double xDegrees, double yDegrees, double zDegrees);
Mat3 Scaling(double sx, double sy, double sz);

using morphology::Plane;

struct PolyFace {
    std::vector<int> corners; // counter-clockwise seen from outside
    Vec3 normal;           // unit, pointing out of the solid
    Vec3 striation;        // direction of the growth lines on the face, or zero
};

struct Polyhedron {
    std::vector<Vec3> vertices;
    std::vector<PolyFace> faces;
};

// The convex solid bounded by the planes (morphology::IntersectHalfSpaces,
// on the planes scaled to unit normals). Planes that do not touch the solid
// give no face; planes that leave it open give an empty solid.
Polyhedron PolyhedronFromPlanes(std::span<const Plane> planes);
// The solid moved by p -> linear * p + offset (normals and striations follow).
Polyhedron Transformed(const Polyhedron& solid, const Mat3& linear, Vec3 offset);
Vec3 Centroid(const Polyhedron& solid);
// Number of edges: each pair of faces that share two corners.
int EdgeCount(const Polyhedron& solid);

enum class Lustre { Metallic, Submetallic, Adamantine, Vitreous, Resinous, Pearly, Dull };

struct Material {
    Rgb colour;               // body colour in diffuse light
    Lustre lustre = Lustre::Vitreous;
    double transparency = 0;  // 0 opaque ... 1 water-clear
    double iridescence = 0;   // strength of a tarnish in peacock colours
    double striation = 0;     // depth of the growth lines on faces that have them
    double grain = 0.03;      // irregular mottling of the surface colour
    double bump = 0;          // roughness of the surface (rock)
    double edgeLight = 0.25;  // brightness of the highlight along front edges
    double outline = 0.2;     // darkening along the outline against the background
    double sparkle = 0;       // star glints on the brightest highlights
};

struct Solid {
    Polyhedron shape;
    Material material;
};

// Looks at target from a point raised by elevation (degrees, looking down) and
// turned about the vertical by azimuth; the view spans fieldOfView vertically.
struct Camera {
    Vec3 target;
    double distance = 10;
    double elevation = 20;
    double azimuth = 0;
    double fieldOfView = 25;
};

struct Backdrop {
    Rgb top = FromHex(0xE9E4DC);
    Rgb bottom = FromHex(0xB9B2A7);
    double glow = 0.06;           // lighter halo behind the specimen
    bool floor = true;            // a surface under the specimen that takes shadows
    double floorHeight = -1;      // world y of that surface
    double shadowStrength = 0.45;
};

struct Scene {
    int width = 400;
    int height = 270;
    Camera camera;
    Backdrop backdrop;
    std::vector<Solid> solids;
};

// Screen position in pixels (x right, y down) and distance in front of the camera.
struct ScreenPoint {
    double x = 0, y = 0, depth = 0;
};

// The camera's view of a scene of the given size in pixels.
class Projection {
public:
    Projection(const Camera& camera, int width, int height);
    // Screen position of a world point.
    ScreenPoint ToScreen(Vec3 world) const;
    // Unit world direction of the ray from the eye through a screen position.
    Vec3 Ray(double x, double y) const;
    Vec3 Eye() const { return eye_; }
    Vec3 Right() const { return right_; }
    Vec3 Up() const { return up_; }
    // Unit vector from the target towards the eye.
    Vec3 Back() const { return back_; }

private:
    Vec3 eye_, right_, up_, back_;
    double centreX_, centreY_, focal_;
};

// Unit world vector towards the key light, the main lamp of the studio
// (above, to the left and in front of the specimen); it casts the shadows.
Vec3 KeyLightDirection();

// The picture of the scene, anti-aliased by rendering supersample^2 samples
// per pixel.
QImage RenderScene(const Scene& scene, int supersample = 3);

// Deterministic pseudo-random numbers (splitmix64), the same on every platform.
class FixedRandom {
public:
    explicit FixedRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    double Uniform(double low, double high);

private:
    std::uint64_t state_;
};

} // namespace vestrel::photos
