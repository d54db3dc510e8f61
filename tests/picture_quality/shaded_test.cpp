// SPDX-License-Identifier: MIT
// "Объёмное изображение": balls shaded from centre to rim, each face of a
// polyhedron lit by its own normal, mirror planes that let the faces show
// through, and nothing of it left behind once it is switched off.
#include "tests/picture_quality/frame_pictures.h"
#include "scenes/scene_registry.h"
#include "tests/support/render_tool.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vestrel::test {
namespace {

double eyeScale(const Mat4& m) { return std::sqrt(m.at(0, 0) * m.at(0, 0) + m.at(1, 0) * m.at(1, 0) + m.at(2, 0) * m.at(2, 0)); }

QColor screen(const Colour& c) { return QColor::fromRgb(ScreenColour(c)); }

int hueDistance(const QColor& a, const QColor& b)
{
    const int d = std::abs(a.hsvHue() - b.hsvHue()) % 360;
    return std::min(d, 360 - d);
}

class ShadedBalls : public ::testing::TestWithParam<SceneId> {};

// The nearest ball of each structure: brighter in the middle than near the
// rim away from the light, in the hue of its element; a flat disc without
// the option.
TEST_P(ShadedBalls, AreBrighterAtTheCentreThanAtTheRim)
{
    FrameInputs in = SceneInputs(GetParam());
    in.display.showLines = false;
    RecordingDraw gl;
    RecordFrame(gl, in);
    const RecordedSolid* nearest = nullptr;
    for (const RecordedSolid* s : gl.spheres())
        if (!nearest || s->centre.z > nearest->centre.z)
            nearest = s;
    ASSERT_NE(nearest, nullptr);
    const double radius = nearest->radius * eyeScale(nearest->transform);
    const QPointF centre = EyeToPixel(nearest->centre, ProbeSize);
    const double pixels = EyeToPixel({nearest->centre.x + radius, nearest->centre.y, nearest->centre.z}, ProbeSize).x()
        - centre.x();
    ASSERT_GT(pixels, 6) << "the ball is large enough to look at";
    const QPointF rim = centre + QPointF(0.6, 0.6) * pixels; // lower right, 0.85 of the radius out

    const QImage flat = RenderFrame(in);
    in.shaded = true;
    const QImage shaded = RenderFrame(in);
    ASSERT_FALSE(flat.isNull() || shaded.isNull());

    const QColor element = screen(nearest->colour);
    ASSERT_LE(ChannelDistance(MeanAround(flat, centre, 0), element), 2) << "the nearest ball shows in the flat picture";
    EXPECT_LE(ChannelDistance(MeanAround(flat, rim, 0), element), 2) << "a flat disc";

    const QColor middle = MeanAround(shaded, centre), edge = MeanAround(shaded, rim, 0);
    EXPECT_GT(Brightness(middle), Brightness(edge) + 40)
        << "centre " << middle.name().toStdString() << ", rim " << edge.name().toStdString();
    if (element.hsvSaturationF() > 0.3) {
        EXPECT_LE(hueDistance(middle, element), 20) << middle.name().toStdString() << " for " << element.name().toStdString();
        EXPECT_LE(hueDistance(edge, element), 20) << edge.name().toStdString() << " for " << element.name().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Structures, ShadedBalls, ::testing::ValuesIn(StructureScenes()),
                         [](const auto& info) { return SceneName(info.param); });

class ShadedFaces : public ::testing::TestWithParam<SceneId> {};

// Faces turned different ways differ in brightness; faces in one plane (the
// triangles of a fanned hexagon) keep one brightness; the flat picture shows
// every face in its one colour.
TEST_P(ShadedFaces, TakeTheirBrightnessFromTheirOwnNormal)
{
    FrameInputs in = SceneInputs(GetParam());
    in.display.showSymAxes = false;
    RecordingDraw gl;
    RecordFrame(gl, in, ViewFromAbove());
    std::vector<DrawnFace> visible;
    for (const DrawnFace& face : SolidFaces(gl))
        if (FacesTheEye(face))
            visible.push_back(face);
    ASSERT_GE(visible.size(), 2u);

    const QImage flat = RenderFrame(in, ProbeSize, 0, ViewFromAbove());
    in.shaded = true;
    const QImage shaded = RenderFrame(in, ProbeSize, 0, ViewFromAbove());
    ASSERT_FALSE(flat.isNull() || shaded.isNull());

    std::vector<int> brightness;
    for (const DrawnFace& face : visible) {
        const QPointF p = EyeToPixel(face.centroid(), ProbeSize);
        EXPECT_LE(ChannelDistance(MeanAround(flat, p, 0), screen(face.colour)), 2) << "flat face colour";
        brightness.push_back(Brightness(MeanAround(shaded, p)));
    }
    EXPECT_GE(*std::max_element(brightness.begin(), brightness.end())
                  - *std::min_element(brightness.begin(), brightness.end()),
              20);
    for (std::size_t i = 0; i < visible.size(); ++i)
        for (std::size_t k = i + 1; k < visible.size(); ++k) {
            const Vec3 a = visible[i].normal(), b = visible[k].normal();
            if (dot(a, b) > 0.9999) {
                EXPECT_NEAR(brightness[i], brightness[k], 6) << "faces " << i << " and " << k << " lie in one plane";
            }
        }
}

// Where one mirror plane lies in front of a face, the flat picture shows
// the plane and the shaded one half the plane and half the lit face.
TEST_P(ShadedFaces, ShowThroughTheMirrorPlanes)
{
    FrameInputs in = SceneInputs(GetParam());
    in.display.showSymAxes = false;
    in.display.showSymPlanes = true;
    RecordingDraw gl;
    RecordFrame(gl, in, ViewFromAbove());
    const std::vector<DrawnFace> planes = MirrorPlanes(gl);
    ASSERT_FALSE(planes.empty());
    const QImage flat = RenderFrame(in, ProbeSize, 0, ViewFromAbove());
    in.shaded = true;
    const QImage shaded = RenderFrame(in, ProbeSize, 0, ViewFromAbove());
    in.display.showSymPlanes = false;
    const QImage bare = RenderFrame(in, ProbeSize, 0, ViewFromAbove());
    ASSERT_FALSE(flat.isNull() || shaded.isNull() || bare.isNull());

    int seen = 0;
    for (const DrawnFace& face : SolidFaces(gl)) {
        if (!FacesTheEye(face))
            continue;
        for (const Vec3& point : InnerPoints(face)) {
            bool touching = false;
            const std::vector<const DrawnFace*> front = PlanesInFront(planes, point, &touching);
            if (front.size() != 1 || touching)
                continue;
            const QPointF p = EyeToPixel(point, ProbeSize);
            const QColor plane = screen(front[0]->colour);
            if (ChannelDistance(MeanAround(flat, p, 1), plane) > 2)
                continue; // an edge of the plane or of the face passes near here
            ++seen;
            const QColor lit = MeanAround(bare, p, 0);
            const QColor mixed((plane.red() + lit.red()) / 2, (plane.green() + lit.green()) / 2,
                               (plane.blue() + lit.blue()) / 2);
            EXPECT_LE(ChannelDistance(MeanAround(shaded, p, 0), mixed), 4)
                << "at (" << p.x() << ", " << p.y() << "): plane " << plane.name().toStdString() << ", face "
                << lit.name().toStdString() << ", shaded " << MeanAround(shaded, p, 0).name().toStdString();
        }
    }
    EXPECT_GT(seen, 0) << "one plane in front of a visible face somewhere";
}

INSTANTIATE_TEST_SUITE_P(Polyhedra, ShadedFaces, ::testing::ValuesIn(PolyhedronScenes()),
                         [](const auto& info) { return SceneName(info.param); });

// Every scene, and the auxiliary axes and planes: a flat frame drawn after a
// shaded one is the frame drawn by a context that was never shaded.
TEST(ShadedPicture, SwitchedOffLeavesEveryFrameAsItWas)
{
    std::vector<std::pair<std::string, FrameInputs>> cases;
    for (const SceneEntry& e : sceneRegistry()) {
        FrameInputs in = SceneInputs(e.id);
        in.display.showSymPlanes = true;
        in.display.showScrewAxes = true;
        cases.emplace_back(e.name, in);
    }
    FrameInputs auxiliary;
    auxiliary.axisOX = auxiliary.axisOY = auxiliary.axisOZ = true;
    auxiliary.planeXY = true;
    cases.emplace_back("axes and a plane", auxiliary);

    const QSize size(320, 260);
    for (const auto& [name, in] : cases) {
        const QImage never = RenderFrame(in, size);
        FrameInputs shaded = in;
        shaded.shaded = true;
        const QImage after = RenderAfter(shaded, in, size);
        ASSERT_FALSE(never.isNull() || after.isNull());
        EXPECT_TRUE(never == after) << name << ": " << MeanDifference(never, after);
    }
}

} // namespace
} // namespace vestrel::test
