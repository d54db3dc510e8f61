// SPDX-License-Identifier: MIT
#include "tools/photos/crystal_renderer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <utility>

namespace vestrel::photos {

// ---------------------------------------------------------------- vectors

Vec3 Reflected(Vec3 d, Vec3 n) { return d - n * (2 * dot(d, n)); }

Rgb Mix(Rgb a, Rgb b, double t) { return a * (1 - t) + b * t; }

namespace {

constexpr double kDegree = std::numbers::pi / 180;

Mat3 AxisRotation(int axis, double degrees)
{
    const double c = std::cos(degrees * kDegree), s = std::sin(degrees * kDegree);
    Mat3 r;
    const int i = (axis + 1) % 3, j = (axis + 2) % 3;
    r.rows[i][i] = c;
    r.rows[i][j] = -s;
    r.rows[j][i] = s;
    r.rows[j][j] = c;
    return r;
}

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double SmoothStep(double edge0, double edge1, double x)
{
    const double t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

double Luminance(Rgb c) { return 0.3 * c.r + 0.59 * c.g + 0.11 * c.b; }

} // namespace

Mat3 RotationXYZ(double xDegrees, double yDegrees, double zDegrees)
{
    return AxisRotation(2, zDegrees) * AxisRotation(1, yDegrees) * AxisRotation(0, xDegrees);
}

Mat3 Scaling(double sx, double sy, double sz)
{
    Mat3 r;
    r.rows[0][0] = sx;
    r.rows[1][1] = sy;
    r.rows[2][2] = sz;
    return r;
}

std::uint64_t FixedRandom::Next()
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double FixedRandom::Uniform(double low, double high)
{
    return low + (high - low) * static_cast<double>(Next() >> 11) / static_cast<double>(1ull << 53);
}

// ---------------------------------------------------------------- polyhedra

namespace {

// Newell's normal of a face: robust for any planar polygon.
Vec3 FaceNormal(const std::vector<int>& corners, const std::vector<Vec3>& vertices)
{
    Vec3 n;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Vec3 a = vertices[corners[i]];
        const Vec3 b = vertices[corners[(i + 1) % corners.size()]];
        n = n + Vec3{(a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y)};
    }
    return normalised(n);
}

Vec3 FaceCentre(const PolyFace& face, const std::vector<Vec3>& vertices)
{
    Vec3 c;
    for (int i : face.corners)
        c = c + vertices[i];
    return c * (1.0 / face.corners.size());
}

} // namespace

Polyhedron PolyhedronFromPlanes(std::span<const Plane> input)
{
    std::vector<Plane> planes;
    for (const Plane& p : input) {
        const double len = length(p.normal);
        planes.push_back({p.normal * (1 / len), p.offset / len});
    }
    const morphology::ConvexSolid cut = morphology::IntersectHalfSpaces(planes);
    Polyhedron solid;
    solid.vertices = cut.vertices;
    for (const morphology::SolidFace& face : cut.faces)
        solid.faces.push_back({face.corners, planes[face.plane].normal, {}});
    return solid;
}

Vec3 Centroid(const Polyhedron& solid)
{
    Vec3 c;
    for (Vec3 v : solid.vertices)
        c = c + v;
    return solid.vertices.empty() ? c : c * (1.0 / solid.vertices.size());
}

Polyhedron Transformed(const Polyhedron& solid, const Mat3& linear, Vec3 offset)
{
    Polyhedron out = solid;
    for (Vec3& v : out.vertices)
        v = linear * v + offset;
    const Vec3 centre = Centroid(out);
    for (PolyFace& face : out.faces) {
        face.normal = FaceNormal(face.corners, out.vertices);
        if (dot(face.normal, FaceCentre(face, out.vertices) - centre) < 0) {
            // A mirroring transformation turns the corner order over.
            std::reverse(face.corners.begin(), face.corners.end());
            face.normal = -face.normal;
        }
        if (length(face.striation) > 0) {
            const Vec3 s = linear * face.striation;
            face.striation = normalised(s - face.normal * dot(s, face.normal));
        }
    }
    return out;
}

int EdgeCount(const Polyhedron& solid)
{
    std::map<std::pair<int, int>, int> edges;
    for (const PolyFace& face : solid.faces)
        for (std::size_t i = 0; i < face.corners.size(); ++i) {
            const int a = face.corners[i], b = face.corners[(i + 1) % face.corners.size()];
            ++edges[{std::min(a, b), std::max(a, b)}];
        }
    return static_cast<int>(edges.size());
}

// ---------------------------------------------------------------- camera

Projection::Projection(const Camera& camera, int width, int height)
{
    const double el = camera.elevation * kDegree, az = camera.azimuth * kDegree;
    back_ = {std::sin(az) * std::cos(el), std::sin(el), std::cos(az) * std::cos(el)};
    eye_ = camera.target + back_ * camera.distance;
    right_ = normalised(cross({0, 1, 0}, back_));
    up_ = cross(back_, right_);
    centreX_ = width / 2.0;
    centreY_ = height / 2.0;
    focal_ = (height / 2.0) / std::tan(camera.fieldOfView * kDegree / 2);
}

ScreenPoint Projection::ToScreen(Vec3 world) const
{
    const Vec3 d = world - eye_;
    const double depth = -dot(d, back_);
    return {centreX_ + focal_ * dot(d, right_) / depth, centreY_ - focal_ * dot(d, up_) / depth, depth};
}

Vec3 Projection::Ray(double x, double y) const
{
    return normalised(right_ * ((x - centreX_) / focal_) - up_ * ((y - centreY_) / focal_) - back_);
}

// ---------------------------------------------------------------- lighting

namespace {

struct Light {
    Vec3 direction; // towards the light, world space
    Rgb colour;
};

const Light kKey{normalised({-0.55, 0.85, 0.5}), {0.86, 0.82, 0.76}};
const Light kFill{normalised({0.85, 0.3, 0.45}), {0.26, 0.27, 0.30}};
const Light kRim{normalised({0.35, 0.6, -0.7}), {0.32, 0.32, 0.32}};
const Vec3 kUp{0, 1, 0};

double AmbientLight(Vec3 n) { return 0.24 + 0.08 * n.y; }

// Brightness of the studio seen in direction r from the specimen: a light
// ceiling and dark table, bright soft boxes where the lights are, and a
// darker photographer's side towards the camera.
Rgb Environment(Vec3 r, Vec3 towardsCamera)
{
    const double e = r.y;
    const Rgb horizon{0.56, 0.54, 0.51}, zenith{0.95, 0.95, 0.96}, table{0.30, 0.28, 0.25};
    Rgb c = e >= 0 ? Mix(horizon, zenith, SmoothStep(0, 0.9, e)) : Mix(horizon, table, SmoothStep(0, 0.5, -e));
    // A dark band just under the horizon and the darker photographer's side
    // give metals their contrast.
    c = c * (1 - 0.45 * SmoothStep(0.0, 0.12, -e) * (1 - SmoothStep(0.12, 0.45, -e)));
    c = c * (1 - 0.25 * SmoothStep(0.4, 0.95, dot(r, towardsCamera)));
    c = c + Rgb{1, 0.97, 0.92} * (2.4 * SmoothStep(0.93, 0.985, dot(r, kKey.direction)));
    c = c + Rgb{0.9, 0.95, 1.0} * (0.9 * SmoothStep(0.88, 0.97, dot(r, kFill.direction)));
    c = c + Rgb{1, 1, 1} * (1.1 * SmoothStep(0.93, 0.99, dot(r, kRim.direction)));
    return c;
}

// ---------------------------------------------------------------- noise

std::uint32_t HashLattice(int x, int y, int z)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8DA6B343u ^ static_cast<std::uint32_t>(y) * 0xD8163841u ^
                      static_cast<std::uint32_t>(z) * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return h;
}

double LatticeValue(int x, int y, int z) { return (HashLattice(x, y, z) & 0xFFFFFF) / double(0xFFFFFF); }

double ValueNoise(Vec3 p)
{
    const double fx = std::floor(p.x), fy = std::floor(p.y), fz = std::floor(p.z);
    const int x = int(fx), y = int(fy), z = int(fz);
    auto fade = [](double t) { return t * t * (3 - 2 * t); };
    const double tx = fade(p.x - fx), ty = fade(p.y - fy), tz = fade(p.z - fz);
    auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
    const double c00 = lerp(LatticeValue(x, y, z), LatticeValue(x + 1, y, z), tx);
    const double c10 = lerp(LatticeValue(x, y + 1, z), LatticeValue(x + 1, y + 1, z), tx);
    const double c01 = lerp(LatticeValue(x, y, z + 1), LatticeValue(x + 1, y, z + 1), tx);
    const double c11 = lerp(LatticeValue(x, y + 1, z + 1), LatticeValue(x + 1, y + 1, z + 1), tx);
    return lerp(lerp(c00, c10, ty), lerp(c01, c11, ty), tz);
}

// Fractal noise in 0..1.
double Fractal(Vec3 p, int octaves)
{
    double sum = 0, amplitude = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * ValueNoise(p);
        total += amplitude;
        p = p * 2.03 + Vec3{17.1, 5.3, 9.7};
        amplitude *= 0.5;
    }
    return sum / total;
}

// Peacock tarnish colours around the hue circle.
Rgb TarnishColour(double hue)
{
    static const std::array<Rgb, 5> palette{FromHex(0xC89B3C), FromHex(0xB0407A), FromHex(0x3A4DB8),
                                             FromHex(0x2E9AA0), FromHex(0xD8B040)};
    const double h = (hue - std::floor(hue)) * palette.size();
    const int i = int(h) % int(palette.size());
    return Mix(palette[i], palette[(i + 1) % palette.size()], SmoothStep(0, 1, h - std::floor(h)));
}

struct LustreResponse {
    double fresnelBase; // reflection at normal incidence
    double reflection;  // weight of the mirrored studio
    double specular;    // strength of the light highlights
    double shininess;
    double metal;       // 1: reflections take the body colour, almost no diffuse light
};

LustreResponse ResponseOf(Lustre lustre)
{
    switch (lustre) {
    case Lustre::Metallic: return {0.9, 1.0, 0.9, 70, 1};
    case Lustre::Submetallic: return {0.35, 0.55, 0.9, 90, 0.55};
    case Lustre::Adamantine: return {0.17, 0.75, 1.6, 220, 0};
    case Lustre::Vitreous: return {0.06, 0.6, 1.0, 140, 0};
    case Lustre::Resinous: return {0.06, 0.45, 0.6, 45, 0};
    case Lustre::Pearly: return {0.05, 0.3, 0.35, 10, 0};
    case Lustre::Dull: return {0.02, 0.1, 0.12, 6, 0};
    }
    return {0.04, 0.5, 0.5, 60, 0};
}

} // namespace

Vec3 KeyLightDirection() { return kKey.direction; }

// ---------------------------------------------------------------- rendering

namespace {

struct Point2 {
    double x, y;
};

// Calls visit(ix, iy) for every sample centre inside the convex polygon.
template <class Visit>
void RasterizeConvex(const std::vector<Point2>& pts, int width, int height, Visit&& visit)
{
    double minX = 1e30, maxX = -1e30, minY = 1e30, maxY = -1e30;
    for (const Point2& p : pts) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const int x0 = std::max(0, int(std::floor(minX))), x1 = std::min(width - 1, int(std::ceil(maxX)));
    const int y0 = std::max(0, int(std::floor(minY))), y1 = std::min(height - 1, int(std::ceil(maxY)));
    const std::size_t n = pts.size();
    double area = 0;
    for (std::size_t i = 0; i < n; ++i)
        area += pts[i].x * pts[(i + 1) % n].y - pts[(i + 1) % n].x * pts[i].y;
    if (std::abs(area) < 1e-12)
        return;
    const double sign = area > 0 ? 1 : -1;
    for (int iy = y0; iy <= y1; ++iy) {
        const double sy = iy + 0.5;
        for (int ix = x0; ix <= x1; ++ix) {
            const double sx = ix + 0.5;
            bool inside = true;
            for (std::size_t i = 0; i < n && inside; ++i) {
                const Point2 a = pts[i], b = pts[(i + 1) % n];
                inside = sign * ((b.x - a.x) * (sy - a.y) - (b.y - a.y) * (sx - a.x)) >= -1e-9;
            }
            if (inside)
                visit(ix, iy);
        }
    }
}

// Depth seen from a light along parallel rays; larger values are nearer the light.
class ShadowMap {
public:
    static constexpr int kSize = 1024;

    ShadowMap(Vec3 towardsLight, const std::vector<Solid>& solids) : w_(towardsLight)
    {
        u_ = anyPerpendicular(w_);
        v_ = cross(w_, u_);
        double minU = 1e30, maxU = -1e30, minV = 1e30, maxV = -1e30;
        for (const Solid& s : solids)
            for (Vec3 p : s.shape.vertices) {
                minU = std::min(minU, dot(p, u_));
                maxU = std::max(maxU, dot(p, u_));
                minV = std::min(minV, dot(p, v_));
                maxV = std::max(maxV, dot(p, v_));
            }
        const double margin = 0.05 * std::max(maxU - minU, maxV - minV) + 1e-3;
        originU_ = minU - margin;
        originV_ = minV - margin;
        texel_ = std::max(maxU - minU, maxV - minV) / (kSize - 1) * 1.1 + 1e-9;
        depth_.assign(std::size_t(kSize) * kSize, -1e30);
        opacity_.assign(std::size_t(kSize) * kSize, 0);
        for (const Solid& s : solids)
            addSolid(s);
    }

    // Fraction of light arriving at p (1 lit, 0 in full shadow), averaged
    // over a square of (2 * taps + 1)^2 samples spaced by spread world units.
    double Lit(Vec3 p, Vec3 normal, double spread, int taps) const
    {
        const double cosine = std::clamp(dot(normal, w_), 0.05, 1.0);
        const double slope = std::sqrt(1 - cosine * cosine) / cosine;
        const double bias = texel_ * (1.5 + 1.5 * std::min(slope, 6.0)) + spread * std::min(slope, 3.0) * taps;
        const double depth = dot(p, w_) + bias;
        const double cu = (dot(p, u_) - originU_) / texel_, cv = (dot(p, v_) - originV_) / texel_;
        const double step = spread / texel_;
        double shade = 0;
        int count = 0;
        for (int j = -taps; j <= taps; ++j)
            for (int i = -taps; i <= taps; ++i) {
                const int x = int(std::lround(cu + i * step)), y = int(std::lround(cv + j * step));
                ++count;
                if (x < 0 || y < 0 || x >= kSize || y >= kSize)
                    continue;
                const std::size_t at = std::size_t(y) * kSize + x;
                if (depth_[at] > depth)
                    shade += opacity_[at];
            }
        return 1 - shade / count;
    }

private:
    void addSolid(const Solid& s)
    {
        const float opacity = float(1 - 0.55 * s.material.transparency);
        for (const PolyFace& face : s.shape.faces) {
            // Depth over the face is linear in (u, v): solve its plane once.
            const Vec3 n = face.normal;
            const double nw = dot(n, w_);
            if (std::abs(nw) < 1e-6)
                continue;
            const double c = dot(n, s.shape.vertices[face.corners[0]]);
            const double du = dot(n, u_), dv = dot(n, v_);
            std::vector<Point2> pts;
            for (int i : face.corners) {
                const Vec3 p = s.shape.vertices[i];
                pts.push_back({(dot(p, u_) - originU_) / texel_, (dot(p, v_) - originV_) / texel_});
            }
            RasterizeConvex(pts, kSize, kSize, [&](int ix, int iy) {
                const double u = originU_ + (ix + 0.5) * texel_, v = originV_ + (iy + 0.5) * texel_;
                const double depth = (c - du * u - dv * v) / nw;
                const std::size_t at = std::size_t(iy) * kSize + ix;
                if (depth > depth_[at]) {
                    depth_[at] = depth;
                    opacity_[at] = opacity;
                }
            });
        }
    }

    Vec3 w_, u_, v_;
    double originU_ = 0, originV_ = 0, texel_ = 1;
    std::vector<double> depth_;
    std::vector<float> opacity_;
};

struct Glint {
    double x, y, strength;
};

class Renderer {
public:
    Renderer(const Scene& scene, int supersample)
        : scene_(scene), s_(supersample), width_(scene.width * supersample), height_(scene.height * supersample),
          projection_(scene.camera, width_, height_), keyShadow_(kKey.direction, scene.solids),
          skyShadow_(kUp, scene.solids), eye_(projection_.Eye()), back_(projection_.Back())
    {
        colour_.assign(std::size_t(width_) * height_, {});
        depth_.assign(std::size_t(width_) * height_, std::numeric_limits<double>::infinity());
    }

    QImage Run()
    {
        drawBackdrop();
        std::vector<const Solid*> clear;
        for (const Solid& s : scene_.solids) {
            if (s.material.transparency > 0)
                clear.push_back(&s);
            else
                drawFaces(s, true);
        }
        for (const Solid& s : scene_.solids)
            if (s.material.transparency == 0)
                drawEdges(s, false);
        // See-through crystals go last, the farthest first.
        std::stable_sort(clear.begin(), clear.end(), [&](const Solid* a, const Solid* b) {
            return distanceTo(Centroid(a->shape)) > distanceTo(Centroid(b->shape));
        });
        for (const Solid* s : clear) {
            behind_ = colour_;
            drawFaces(*s, false);
            drawEdges(*s, true);
            drawFaces(*s, true);
            drawEdges(*s, false);
        }
        drawGlints();
        return resolve();
    }

private:
    double distanceTo(Vec3 p) const { return length(p - eye_); }

    Vec3 worldRay(int ix, int iy) const { return projection_.Ray(ix + 0.5, iy + 0.5); }

    Rgb& at(int ix, int iy) { return colour_[std::size_t(iy) * width_ + ix]; }

    // Key and fill are lamps a few units from the specimen, so their light
    // falls on a flat face at slightly different angles from one side to
    // the other and its highlight is a spot, not the whole face.
    Vec3 towardsLamp(const Light& light, Vec3 p) const
    {
        constexpr double kLampDistance = 7;
        return normalised(scene_.camera.target + light.direction * kLampDistance - p);
    }

    // The studio is not infinitely far: a reflected ray from p meets it in a
    // direction that also depends on where p lies, which shades a flat
    // mirror-like face from one side to the other.
    Vec3 studioDirection(Vec3 p, Vec3 reflected) const
    {
        return normalised(reflected + (p - scene_.camera.target) * 0.28);
    }

    void drawBackdrop()
    {
        const Backdrop& b = scene_.backdrop;
        for (int iy = 0; iy < height_; ++iy)
            for (int ix = 0; ix < width_; ++ix) {
                const double fy = (iy + 0.5) / height_, fx = (ix + 0.5) / width_;
                Rgb c = Mix(b.top, b.bottom, SmoothStep(0, 1, fy));
                const double dx = (fx - 0.5) * 1.3, dy = fy - 0.45;
                c = c * (1 + b.glow * (1 - SmoothStep(0, 0.6, std::sqrt(dx * dx + dy * dy))));
                const double vignette = 1 - 0.10 * SmoothStep(0.35, 0.8, std::sqrt(dx * dx + dy * dy));
                c = c * vignette;
                if (b.floor)
                    c = c * floorShade(worldRay(ix, iy));
                at(ix, iy) = c;
            }
    }

    // Darkening of the backdrop where the specimen shades the surface it stands on.
    double floorShade(Vec3 ray) const
    {
        const Backdrop& b = scene_.backdrop;
        if (ray.y >= -1e-6)
            return 1;
        const double t = (b.floorHeight - eye_.y) / ray.y;
        if (t <= 0)
            return 1;
        const Vec3 p = eye_ + ray * t;
        const double key = keyShadow_.Lit(p, kUp, 0.02, 2);
        const double sky = skyShadow_.Lit(p, kUp, 0.09, 3);
        return 1 - b.shadowStrength * (0.45 * (1 - key) + 0.55 * (1 - sky));
    }

    bool facesCamera(const Polyhedron& shape, const PolyFace& face) const
    {
        return dot(face.normal, eye_ - shape.vertices[face.corners[0]]) > 0;
    }

    std::vector<Point2> screenCorners(const Polyhedron& shape, const PolyFace& face, bool& visible) const
    {
        std::vector<Point2> pts;
        visible = true;
        for (int i : face.corners) {
            const ScreenPoint sp = projection_.ToScreen(shape.vertices[i]);
            if (sp.depth < 1e-3)
                visible = false;
            pts.push_back({sp.x, sp.y});
        }
        return pts;
    }

    // Front faces (front == true) or the inner side of back faces.
    void drawFaces(const Solid& solid, bool front)
    {
        const Polyhedron& shape = solid.shape;
        for (std::size_t f = 0; f < shape.faces.size(); ++f) {
            const PolyFace& face = shape.faces[f];
            if (facesCamera(shape, face) != front)
                continue;
            bool visible = false;
            const std::vector<Point2> pts = screenCorners(shape, face, visible);
            if (!visible)
                continue;
            const double planeOffset = dot(face.normal, shape.vertices[face.corners[0]]);
            const double faceTone = LatticeValue(int(f) * 7 + 3, int(shape.vertices.size()), 11);
            RasterizeConvex(pts, width_, height_, [&](int ix, int iy) {
                const Vec3 ray = worldRay(ix, iy);
                const double denom = dot(face.normal, ray);
                if (std::abs(denom) < 1e-9)
                    return;
                const double t = (planeOffset - dot(face.normal, eye_)) / denom;
                const std::size_t at = std::size_t(iy) * width_ + ix;
                if (t <= 0 || t >= depth_[at])
                    return;
                const Vec3 p = eye_ + ray * t;
                if (front) {
                    colour_[at] = shadeFront(solid, face, p, ray, faceTone, colour_[at], ix, iy);
                    depth_[at] = t;
                } else {
                    colour_[at] = shadeInside(solid.material, face, p, ray, refracted(face.normal, ix, iy), faceTone);
                }
            });
        }
    }

    // What is seen behind a see-through crystal at a sample: the picture
    // without the crystal, shifted as the light bends at the face it leaves by.
    Rgb refracted(Vec3 normal, int ix, int iy) const
    {
        const double shift = 18.0 * s_;
        const int x = std::clamp(int(ix + shift * dot(normal, projection_.Right())), 0, width_ - 1);
        const int y = std::clamp(int(iy - shift * dot(normal, projection_.Up())), 0, height_ - 1);
        return behind_[std::size_t(y) * width_ + x];
    }

    // The surface normal with growth lines and roughness worked in.
    Vec3 surfaceNormal(const Material& m, const PolyFace& face, Vec3 p) const
    {
        Vec3 n = face.normal;
        if (m.striation > 0 && length(face.striation) > 0) {
            const Vec3 across = cross(n, face.striation);
            const double w = dot(p, across) * 16;
            const double cell = std::floor(w);
            const double jitter = LatticeValue(int(cell), 5, int(dot(n, {3, 5, 7}) * 10));
            const double phase = w - cell;
            const double slope = std::sin(phase * 2 * std::numbers::pi) * (0.4 + jitter);
            n = normalised(n + across * (slope * m.striation));
        }
        if (m.bump > 0) {
            // Fine grain on top of broad lumps.
            auto relief = [](Vec3 q) { return Fractal(q * 9, 4) + 2.2 * Fractal(q * 2.2 + Vec3{3, 7, 1}, 3); };
            const double h = 0.02;
            const double base = relief(p);
            const Vec3 g = Vec3{relief(p + Vec3{h, 0, 0}) - base, relief(p + Vec3{0, h, 0}) - base,
                                      relief(p + Vec3{0, 0, h}) - base} *
                              (1 / h);
            const Vec3 tangent = g - n * dot(g, n);
            n = normalised(n - tangent * (m.bump * 0.12));
        }
        return n;
    }

    Rgb bodyColour(const Material& m, const PolyFace& face, Vec3 p, double faceTone) const
    {
        Rgb c = m.colour;
        if (m.grain > 0) {
            const double mottle = Fractal(p * 6, 4) - 0.5;
            c = c * (1 + m.grain * 2.2 * mottle + m.grain * 0.8 * (faceTone - 0.5));
            if (m.bump > 0) {
                // Scattered light and dark grains of the rock.
                const double speck = ValueNoise(p * 55);
                if (speck > 0.78)
                    c = c * (1 + 2.5 * (speck - 0.78));
                else if (speck < 0.2)
                    c = c * (0.75 + 1.25 * speck);
            }
        }
        if (m.iridescence > 0) {
            const double hue = 0.9 * dot(face.normal, {0.31, 0.62, 0.45}) + 0.8 * Fractal(p * 1.6, 3) + 0.37 * faceTone;
            c = Mix(c, TarnishColour(hue), m.iridescence * SmoothStep(0.2, 0.8, Fractal(p * 1.1 + Vec3{4, 1, 2}, 2) + 0.15));
        }
        return c;
    }

    Rgb shadeFront(const Solid& solid, const PolyFace& face, Vec3 p, Vec3 ray, double faceTone, Rgb behind,
                   int ix, int iy)
    {
        const Material& m = solid.material;
        const LustreResponse lr = ResponseOf(m.lustre);
        const Vec3 n = surfaceNormal(m, face, p);
        const Vec3 view = -ray;
        const Rgb body = bodyColour(m, face, p, faceTone);
        const double keyLit = keyShadow_.Lit(p, face.normal, 0.004, 1);
        const double skyLit = skyShadow_.Lit(p, face.normal, 0.05, 2);

        const Vec3 toKey = towardsLamp(kKey, p), toFill = towardsLamp(kFill, p);
        const double ambient = AmbientLight(n) * (0.55 + 0.45 * skyLit);
        const double diffuse = ambient + std::max(0.0, dot(n, toKey)) * keyLit * Luminance(kKey.colour) +
                               std::max(0.0, dot(n, toFill)) * Luminance(kFill.colour) +
                               std::max(0.0, dot(n, kRim.direction)) * Luminance(kRim.colour) * 0.6;
        double highlight = 0;
        for (const auto& [direction, strength] : {std::pair{toKey, Luminance(kKey.colour) * keyLit},
                                                  std::pair{toFill, Luminance(kFill.colour)},
                                                  std::pair{kRim.direction, Luminance(kRim.colour)}}) {
            const Vec3 h = normalised(direction + view);
            highlight += strength * std::pow(std::max(0.0, dot(n, h)), lr.shininess);
        }
        highlight *= lr.specular;

        const double cosine = std::clamp(dot(n, view), 0.0, 1.0);
        const double fresnel = lr.fresnelBase + (1 - lr.fresnelBase) * std::pow(1 - cosine, 5);
        const Rgb mirror = Environment(studioDirection(p, Reflected(ray, n)), view) * (0.6 + 0.4 * skyLit);

        Rgb c;
        if (lr.metal > 0) {
            const Rgb tint = Mix(body, {1, 1, 1}, 0.15 * std::pow(1 - cosine, 3));
            const Rgb metal = tint * (0.3 * diffuse) + tint * mirror * lr.reflection + Mix(tint, {1, 1, 1}, 0.45) * highlight;
            const Rgb plain = body * diffuse * (1 - fresnel) + mirror * (fresnel * lr.reflection) + Rgb{1, 1, 1} * highlight;
            c = Mix(plain, metal, lr.metal);
        } else {
            Rgb lit = body * diffuse;
            if (m.transparency > 0)
                lit = Mix(lit, behind, m.transparency * (1 - fresnel));
            c = lit * (1 - fresnel) + mirror * (fresnel * lr.reflection * 1.4) + Rgb{1, 1, 1} * highlight;
            if (m.lustre == Lustre::Pearly) {
                const double sheen = std::pow(std::max(0.0, dot(n, normalised(toKey + view))), 4);
                c = c + Rgb{0.95, 0.93, 1.0} * (0.18 * sheen * keyLit);
            }
        }
        if (m.sparkle > 0 && Luminance(c) > 1.2)
            glints_.push_back({ix + 0.5, iy + 0.5, Luminance(c) * m.sparkle});
        return c;
    }

    // Light seen through the crystal: what lies behind it, tinted by the body
    // colour, and the inner faces mirroring the studio. Adamantine crystals
    // reflect more inside and split the light into colours.
    Rgb shadeInside(const Material& m, const PolyFace& face, Vec3 p, Vec3 ray, Rgb behind, double faceTone) const
    {
        const bool adamantine = m.lustre == Lustre::Adamantine;
        const Rgb tint = Mix({1, 1, 1}, m.colour, 0.75);
        Rgb inner = Environment(studioDirection(p, Reflected(ray, -face.normal)), -ray);
        {
            // Brilliance: the inner reflections swing between dark and bright,
            // the more so the higher the refraction.
            const double gain = adamantine ? 1.8 : 1.5;
            auto contrast = [gain](double v) { return std::max(0.0, (v - 0.45) * gain + 0.45); };
            inner = {contrast(inner.r), contrast(inner.g), contrast(inner.b)};
        }
        inner = inner * tint;
        const double grazing = std::abs(dot(face.normal, ray));
        Rgb through = behind * tint * (0.8 + 0.2 * grazing);
        Rgb c = Mix(through, inner, adamantine ? 0.55 : 0.35);
        if (adamantine && m.transparency > 0.5)
            c = c * Mix({1, 1, 1}, TarnishColour(faceTone * 2.3), 0.35);
        return Mix(m.colour * 0.75, c, m.transparency);
    }

    // Highlight lines along the edges that face the camera, a darker line along
    // the outline, and for see-through crystals the edges at the back.
    void drawEdges(const Solid& solid, bool backEdges)
    {
        const Polyhedron& shape = solid.shape;
        const Material& m = solid.material;
        std::map<std::pair<int, int>, std::vector<int>> edgeFaces;
        for (std::size_t f = 0; f < shape.faces.size(); ++f) {
            const auto& corners = shape.faces[f].corners;
            for (std::size_t i = 0; i < corners.size(); ++i) {
                const int a = corners[i], b = corners[(i + 1) % corners.size()];
                edgeFaces[{std::min(a, b), std::max(a, b)}].push_back(int(f));
            }
        }
        for (const auto& [edge, faces] : edgeFaces) {
            if (faces.size() != 2)
                continue;
            const bool f0 = facesCamera(shape, shape.faces[faces[0]]);
            const bool f1 = facesCamera(shape, shape.faces[faces[1]]);
            const Vec3 a = shape.vertices[edge.first], b = shape.vertices[edge.second];
            if (backEdges) {
                if (!f0 && !f1)
                    drawLine(a, b, 0.5, m.colour * 0.4 + Rgb{0.75, 0.75, 0.75}, m.edgeLight * 0.55 * m.transparency, true);
                continue;
            }
            if (f0 && f1) {
                const Vec3 bisector = normalised(shape.faces[faces[0]].normal + shape.faces[faces[1]].normal);
                const double lit = 0.55 + 0.45 * std::max(0.0, dot(bisector, kKey.direction));
                drawLine(a, b, 0.45, Mix(m.colour, {1, 1, 0.97}, 0.85), m.edgeLight * lit, false);
            } else if (f0 != f1) {
                drawLine(a, b, 0.6, m.colour * 0.25, m.outline, false);
            }
        }
    }

    // An anti-aliased line of halfWidth output pixels between two world points,
    // hidden where something lies in front of it.
    void drawLine(Vec3 a, Vec3 b, double halfWidth, Rgb colour, double alpha, bool behindSurfaces)
    {
        if (alpha <= 0)
            return;
        const ScreenPoint pa = projection_.ToScreen(a);
        const ScreenPoint pb = projection_.ToScreen(b);
        const double w = halfWidth * s_;
        const int x0 = std::max(0, int(std::floor(std::min(pa.x, pb.x) - w - 1)));
        const int x1 = std::min(width_ - 1, int(std::ceil(std::max(pa.x, pb.x) + w + 1)));
        const int y0 = std::max(0, int(std::floor(std::min(pa.y, pb.y) - w - 1)));
        const int y1 = std::min(height_ - 1, int(std::ceil(std::max(pa.y, pb.y) + w + 1)));
        const double dx = pb.x - pa.x, dy = pb.y - pa.y;
        const double len2 = dx * dx + dy * dy;
        if (len2 < 1e-9)
            return;
        for (int iy = y0; iy <= y1; ++iy)
            for (int ix = x0; ix <= x1; ++ix) {
                const double px = ix + 0.5 - pa.x, py = iy + 0.5 - pa.y;
                const double t = std::clamp((px * dx + py * dy) / len2, 0.0, 1.0);
                const double ex = px - t * dx, ey = py - t * dy;
                const double dist = std::sqrt(ex * ex + ey * ey);
                const double cover = Clamp01(w + 0.5 - dist);
                if (cover <= 0)
                    continue;
                // Perspective-correct distance along the ray at this point of the edge.
                const double inv = (1 - t) / pa.depth + t / pb.depth;
                const double depth = 1 / inv;
                const Vec3 ray = worldRay(ix, iy);
                const double rayDistance = depth / std::max(1e-6, -dot(ray, back_));
                const std::size_t at = std::size_t(iy) * width_ + ix;
                if (!behindSurfaces && rayDistance > depth_[at] * 1.004 + 1e-3)
                    continue;
                if (behindSurfaces && rayDistance > depth_[at])
                    continue;
                colour_[at] = Mix(colour_[at], colour, alpha * cover);
            }
    }

    // Four-pointed stars on the strongest highlights of sparkling crystals:
    // bright samples are gathered into spots, and the two strongest spots
    // get a star at their middle.
    void drawGlints()
    {
        struct Spot {
            double x = 0, y = 0, weight = 0, peak = 0;
            double firstX, firstY;
        };
        std::vector<Spot> spots;
        for (const Glint& g : glints_) {
            auto near = std::find_if(spots.begin(), spots.end(), [&](const Spot& s) {
                return std::hypot(s.firstX - g.x, s.firstY - g.y) < 30.0 * s_;
            });
            if (near == spots.end())
                near = spots.insert(spots.end(), Spot{0, 0, 0, 0, g.x, g.y});
            near->x += g.x * g.strength;
            near->y += g.y * g.strength;
            near->weight += g.strength;
            near->peak = std::max(near->peak, g.strength);
        }
        std::stable_sort(spots.begin(), spots.end(), [](const Spot& a, const Spot& b) { return a.weight > b.weight; });
        for (std::size_t i = 0; i < spots.size() && i < 2; ++i) {
            const double size = (i == 0 ? 26 : 15) * s_;
            drawStar(spots[i].x / spots[i].weight, spots[i].y / spots[i].weight, size, i == 0 ? 1.0 : 0.7);
        }
    }

    void drawStar(double cx, double cy, double size, double strength)
    {
        const int r = int(size) + 1;
        for (int iy = std::max(0, int(cy) - r); iy <= std::min(height_ - 1, int(cy) + r); ++iy)
            for (int ix = std::max(0, int(cx) - r); ix <= std::min(width_ - 1, int(cx) + r); ++ix) {
                const double dx = ix + 0.5 - cx, dy = iy + 0.5 - cy;
                const double d = std::hypot(dx, dy) / size;
                if (d >= 1)
                    continue;
                const double thin = 0.9 * s_;
                const double ray = std::exp(-std::abs(dx) / thin) + std::exp(-std::abs(dy) / thin);
                const double diag = 0.5 * (std::exp(-std::abs(dx - dy) / thin) + std::exp(-std::abs(dx + dy) / thin));
                const double core = std::exp(-d * d * 60);
                const double v = strength * ((ray * (1 - d) + diag * (1 - d) * (1 - d) * 0.6) * 0.8 + core);
                at(ix, iy) = at(ix, iy) + Rgb{1, 1, 1} * v;
            }
    }

    static int ToByte(double v)
    {
        // A soft shoulder instead of hard clipping of the highlights.
        const double knee = 0.82;
        if (v > knee)
            v = knee + (1 - knee) * (1 - std::exp(-(v - knee) / (1 - knee)));
        return std::clamp(int(std::lround(v * 255)), 0, 255);
    }

    QImage resolve() const
    {
        QImage image(scene_.width, scene_.height, QImage::Format_RGB32);
        const double n = double(s_ * s_);
        for (int y = 0; y < scene_.height; ++y)
            for (int x = 0; x < scene_.width; ++x) {
                // Tone-map each sample first, so that bright highlights do not
                // bleed over their neighbours.
                double r = 0, g = 0, b = 0;
                for (int j = 0; j < s_; ++j)
                    for (int i = 0; i < s_; ++i) {
                        const Rgb c = colour_[std::size_t(y * s_ + j) * width_ + x * s_ + i];
                        r += ToByte(c.r);
                        g += ToByte(c.g);
                        b += ToByte(c.b);
                    }
                image.setPixel(x, y, qRgb(int(std::lround(r / n)), int(std::lround(g / n)), int(std::lround(b / n))));
            }
        return image;
    }

    const Scene& scene_;
    int s_;
    int width_, height_;
    Projection projection_;
    ShadowMap keyShadow_, skyShadow_;
    Vec3 eye_, back_;
    std::vector<Rgb> colour_;
    std::vector<Rgb> behind_; // the picture before the current see-through crystal
    std::vector<double> depth_;
    std::vector<Glint> glints_;
};

} // namespace

QImage RenderScene(const Scene& scene, int supersample)
{
    Renderer renderer(scene, std::max(1, supersample));
    return renderer.Run();
}

} // namespace vestrel::photos
