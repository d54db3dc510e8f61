// SPDX-License-Identifier: MIT
#include "tests/picture_quality/frame_pictures.h"

#include "frame/frame.h"
#include "render/gl_draw.h"
#include "scenes/scene_registry.h"
#include "tools/render/offscreen_renderer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vestrel::test {

namespace {

constexpr int PolyhedronCount = 12;

Vec3 mean(const std::vector<Vec3>& points)
{
    Vec3 m;
    for (const Vec3& p : points)
        m += p;
    return m / static_cast<double>(points.size());
}

} // namespace

std::vector<SceneId> PolyhedronScenes()
{
    std::vector<SceneId> ids;
    for (const SceneEntry& e : sceneRegistry())
        if (index(e.id) < PolyhedronCount)
            ids.push_back(e.id);
    return ids;
}

std::vector<SceneId> StructureScenes()
{
    std::vector<SceneId> ids;
    for (const SceneEntry& e : sceneRegistry())
        if (index(e.id) >= PolyhedronCount)
            ids.push_back(e.id);
    return ids;
}

std::string SceneName(SceneId id)
{
    std::string name = sceneRegistry()[index(id)].name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

FrameInputs SceneInputs(SceneId id)
{
    FrameInputs in;
    in.scenes[index(id)] = true;
    return in;
}

ViewState ViewFromAbove()
{
    ViewState view;
    view.RotY = 35;
    view.RotX = 30;
    return view;
}

QImage RenderFrame(const FrameInputs& in, QSize size, int samples, const ViewState& start)
{
    OffscreenRenderer renderer(size, samples);
    if (!renderer.isValid()) {
        ADD_FAILURE() << "no OpenGL context";
        return {};
    }
    ViewState view = start;
    renderer.drawFrame(in, view);
    return renderer.image();
}

QImage RenderAfter(const FrameInputs& first, const FrameInputs& second, QSize size)
{
    OffscreenRenderer renderer(size);
    if (!renderer.isValid()) {
        ADD_FAILURE() << "no OpenGL context";
        return {};
    }
    ViewState view;
    renderer.drawFrame(first, view);
    view = ViewState();
    renderer.drawFrame(second, view);
    return renderer.image();
}

void RecordFrame(RecordingDraw& gl, const FrameInputs& in, const ViewState& start)
{
    ViewState view = start;
    DrawFrame(gl, in, view);
}

QPointF EyeToPixel(const Vec3& eye, QSize size)
{
    const double f = 1.0 / ViewPerspective.halfHeightAt(1);
    const double aspect = static_cast<double>(size.width()) / size.height();
    const double ndcX = f / aspect * eye.x / -eye.z;
    const double ndcY = f * eye.y / -eye.z;
    return {(ndcX + 1) / 2 * size.width(), (1 - ndcY) / 2 * size.height()};
}

QColor MeanAround(const QImage& image, QPointF p, int r)
{
    int red = 0, green = 0, blue = 0, n = 0;
    const int cx = static_cast<int>(std::floor(p.x())), cy = static_cast<int>(std::floor(p.y()));
    for (int y = cy - r; y <= cy + r; ++y)
        for (int x = cx - r; x <= cx + r; ++x) {
            if (!image.valid(x, y))
                continue;
            const QRgb c = image.pixel(x, y);
            red += qRed(c);
            green += qGreen(c);
            blue += qBlue(c);
            ++n;
        }
    if (n == 0)
        return {};
    return QColor(red / n, green / n, blue / n);
}

int Brightness(const QColor& c) { return c.red() + c.green() + c.blue(); }

int ChannelDistance(const QColor& a, const QColor& b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

Vec3 DrawnFace::centroid() const { return mean(corners); }

Vec3 DrawnFace::normal() const
{
    return normalised(cross(corners[1] - corners[0], corners[2] - corners[0]));
}

std::vector<DrawnFace> SolidFaces(const RecordingDraw& gl)
{
    std::vector<DrawnFace> faces;
    std::vector<Vec3> all;
    for (const RecordedPrimitive& p : gl.primitives) {
        if (p.surface != Surface::Faces)
            continue;
        const std::size_t size = p.mode == Primitive::Triangles ? 3 : p.mode == Primitive::Quads ? 4 : p.vertices.size();
        for (std::size_t i = 0; i + size <= p.vertices.size(); i += size) {
            DrawnFace face;
            for (std::size_t k = 0; k < size; ++k)
                face.corners.push_back(p.vertices[i + k].position);
            face.colour = p.vertices[i].colour;
            all.insert(all.end(), face.corners.begin(), face.corners.end());
            faces.push_back(face);
        }
    }
    if (all.empty())
        return faces;
    const Vec3 inside = mean(all);
    for (DrawnFace& face : faces)
        if (dot(face.normal(), face.centroid() - inside) < 0)
            std::reverse(face.corners.begin(), face.corners.end());
    return faces;
}

bool FacesTheEye(const DrawnFace& face)
{
    const Vec3 c = face.centroid();
    const double length = std::sqrt(dot(c, c));
    return -dot(face.normal(), c) / length > 0.15; // well turned towards the eye, not seen edge on
}

std::vector<DrawnFace> MirrorPlanes(const RecordingDraw& gl)
{
    std::vector<DrawnFace> planes;
    for (const RecordedPrimitive& p : gl.primitives) {
        if (p.surface != Surface::MirrorPlanes || p.mode != Primitive::Quads)
            continue;
        for (std::size_t i = 0; i + 4 <= p.vertices.size(); i += 4) {
            DrawnFace plane;
            for (std::size_t k = 0; k < 4; ++k)
                plane.corners.push_back(p.vertices[i + k].position);
            plane.colour = p.vertices[i].colour;
            planes.push_back(plane);
        }
    }
    return planes;
}

std::vector<const DrawnFace*> PlanesInFront(const std::vector<DrawnFace>& planes, const Vec3& p, bool* touching)
{
    constexpr double Near = 0.02; // of the distance from the eye
    *touching = false;
    std::vector<const DrawnFace*> crossed;
    for (const DrawnFace& plane : planes) {
        const Vec3 n = plane.normal();
        const double along = dot(n, p);
        if (std::abs(along) < 1e-9)
            continue;
        const double t = dot(n, plane.corners[0]) / along; // the crossing is t * p
        if (t <= 0 || t >= 1 + Near)
            continue;
        const Vec3 x{t * p.x, t * p.y, t * p.z};
        int side = 0;
        bool inside = true;
        for (std::size_t i = 0; i < plane.corners.size() && inside; ++i) {
            const Vec3& a = plane.corners[i];
            const Vec3& b = plane.corners[(i + 1) % plane.corners.size()];
            const double s = dot(cross(b - a, x - a), n);
            const int sign = s > 0 ? 1 : -1;
            if (side == 0)
                side = sign;
            inside = sign == side;
        }
        if (inside && t > 1 - Near)
            *touching = true;
        else if (inside)
            crossed.push_back(&plane);
    }
    return crossed;
}

std::vector<Vec3> InnerPoints(const DrawnFace& face)
{
    const Vec3 c = face.centroid();
    std::vector<Vec3> points;
    for (std::size_t i = 0; i < face.corners.size(); ++i) {
        const Vec3 a = face.corners[i] - c;
        const Vec3 b = face.corners[(i + 1) % face.corners.size()] - c;
        for (double u = 0.1; u < 0.9; u += 0.15)
            for (double v = 0.1; u + v < 0.9; v += 0.15)
                points.push_back(c + u * a + v * b);
    }
    return points;
}

double MeanDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 255;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace vestrel::test
