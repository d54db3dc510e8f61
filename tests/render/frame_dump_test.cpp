// SPDX-License-Identifier: MIT
// vestrel-render --dump: what a frame draws, written as JSON in the model
// frame, whatever the camera, with the auxiliary elements when they are on.
#include "frame/frame.h"
#include "render/recording_draw.h"
#include "scenes/scene_registry.h"
#include "tests/support/render_tool.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace vestrel {
namespace {

Vec3 PointOf(const QJsonValue& v)
{
    const QJsonArray a = v.toArray();
    return {a.at(0).toDouble(), a.at(1).toDouble(), a.at(2).toDouble()};
}

Colour ColourOf(const QJsonValue& v)
{
    const Vec3 p = PointOf(v);
    return {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)};
}

bool Near(const Vec3& a, const Vec3& b, double eps = 1e-9) { return distance(a, b) < eps; }

// A scene block run from the identity draws in the model frame itself.
RecordingDraw RecordBlock(SceneId id, const DisplayOptions& opt)
{
    RecordingDraw gl;
    gl.lighting(true);
    gl.colour(0.7f, 0.7f, 0.7f);
    gl.resetRecording();
    sceneRegistry()[index(id)].draw(gl, opt);
    return gl;
}

TEST(Camera, ModelFrameMatrixIsWhatTheFrameMakesCurrent)
{
    RecordingDraw gl;
    FrameInputs in;
    in.scenes[index(SceneId::Cube)] = true;
    ViewState view;
    view.RotY = 37.3;
    view.RotX = -12.9;
    view.PanX = 1.7;
    view.PanY = -2.2;
    view.Distance = 83;
    DrawFrame(gl, in, view);
    const Mat4 m = ModelFrameMatrix(view);
    const auto markers = gl.spheres();
    ASSERT_EQ(markers.size(), 6u);
    EXPECT_TRUE(Near(markers[0]->centre, m.apply({0, -30, 0}), 1e-12));
    EXPECT_TRUE(Near(m.affineInverse().apply(markers[0]->centre), {0, -30, 0}, 1e-12));
}

// The tetrahedron seen from an odd angle, with its planes: the dump holds
// what its block draws in the model frame, in the same order.
TEST(FrameDump, GivesWhatTheSceneDrawsInTheModelFrameWhateverTheCamera)
{
    const QJsonObject dump = test::DumpWithTool({"--scene", "polyhedron:2", "--sym-planes", "on", "--rot-y", "40",
                                                 "--rot-x", "25", "--pan", "1.5,-3", "--distance", "90", "--spin",
                                                 "on", "--frames", "3"});
    DisplayOptions opt;
    opt.showSymPlanes = true;
    const RecordingDraw expected = RecordBlock(SceneId::Tetrahedron, opt);

    const QJsonArray lines = dump["lines"].toArray();
    std::vector<std::pair<RecordedVertex, RecordedVertex>> segments;
    std::vector<bool> dashed;
    for (const RecordedPrimitive& p : expected.primitives)
        if (p.mode == Primitive::Lines)
            for (std::size_t i = 0; i + 1 < p.vertices.size(); i += 2) {
                segments.emplace_back(p.vertices[i], p.vertices[i + 1]);
                dashed.push_back(p.stipple.enabled);
            }
    ASSERT_EQ(static_cast<std::size_t>(lines.size()), segments.size());
    int dashes = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QJsonObject l = lines[i].toObject();
        const auto& [a, b] = segments[static_cast<std::size_t>(i)];
        EXPECT_TRUE(Near(PointOf(l["from"]), a.position)) << "line " << i;
        EXPECT_TRUE(Near(PointOf(l["to"]), b.position)) << "line " << i;
        EXPECT_EQ(ColourOf(l["colour"]), a.colour) << "line " << i;
        EXPECT_DOUBLE_EQ(l["width"].toDouble(), 0.5) << "as the frame before left it";
        EXPECT_EQ(l["dashed"].toBool(), dashed[static_cast<std::size_t>(i)]);
        dashes += l["dashed"].toBool();
    }
    EXPECT_EQ(dashes, 3) << "the three inversion axes";

    const QJsonArray polygons = dump["polygons"].toArray();
    std::vector<std::vector<RecordedVertex>> faces;
    for (const RecordedPrimitive& p : expected.primitives) {
        const std::size_t n = p.mode == Primitive::Triangles ? 3 : p.mode == Primitive::Quads ? 4 : 0;
        for (std::size_t i = 0; n && i + n <= p.vertices.size(); i += n)
            faces.emplace_back(p.vertices.begin() + static_cast<std::ptrdiff_t>(i),
                               p.vertices.begin() + static_cast<std::ptrdiff_t>(i + n));
    }
    ASSERT_EQ(static_cast<std::size_t>(polygons.size()), faces.size());
    EXPECT_EQ(faces.size(), 4u + 6u) << "four faces, six planes";
    for (qsizetype i = 0; i < polygons.size(); ++i) {
        const QJsonObject p = polygons[i].toObject();
        const QJsonArray vertices = p["vertices"].toArray();
        const auto& face = faces[static_cast<std::size_t>(i)];
        ASSERT_EQ(static_cast<std::size_t>(vertices.size()), face.size());
        for (std::size_t k = 0; k < face.size(); ++k)
            EXPECT_TRUE(Near(PointOf(vertices[static_cast<qsizetype>(k)]), face[k].position)) << "polygon " << i;
        EXPECT_EQ(ColourOf(p["colour"]), face.front().colour);
        EXPECT_TRUE(p["filled"].toBool());
    }

    const QJsonArray spheres = dump["spheres"].toArray();
    const auto markers = expected.spheres();
    ASSERT_EQ(static_cast<std::size_t>(spheres.size()), markers.size());
    for (qsizetype i = 0; i < spheres.size(); ++i) {
        const QJsonObject s = spheres[i].toObject();
        EXPECT_TRUE(Near(PointOf(s["centre"]), markers[static_cast<std::size_t>(i)]->centre));
        EXPECT_NEAR(s["radius"].toDouble(), 0.5, 1e-12);
        EXPECT_FALSE(s.contains("semi_axes"));
    }
    EXPECT_TRUE(dump["cones"].toArray().isEmpty());
}

TEST(FrameDump, HoldsTheAuxiliaryAxesAndTheArrowheadsAsCones)
{
    const QJsonObject dump = test::DumpWithTool({"--scene", "structure:1", "--screw", "on", "--lines", "off",
                                                 "--axes", "ox", "--rot-y", "70"});
    const QJsonArray cones = dump["cones"].toArray();
    ASSERT_EQ(cones.size(), 5) << "the arrowhead of OX and rock salt's four";
    const QJsonObject ox = cones[0].toObject();
    EXPECT_TRUE(Near(PointOf(ox["tip"]), {70, 0, 0}));
    EXPECT_TRUE(Near(PointOf(ox["base"]), {68, 0, 0}));
    EXPECT_NEAR(ox["radius"].toDouble(), 0.5, 1e-12);
    for (qsizetype i = 1; i < cones.size(); ++i) {
        const QJsonObject c = cones[i].toObject();
        EXPECT_NEAR(distance(PointOf(c["tip"]), PointOf(c["base"])), 3, 1e-9);
        EXPECT_NEAR(c["radius"].toDouble(), 1, 1e-12);
        EXPECT_EQ(ColourOf(c["colour"]), (Colour{0, 1, 0})) << "the first item of the screw-axis list";
    }
    const QJsonArray lines = dump["lines"].toArray();
    ASSERT_EQ(lines.size(), 1 + 5) << "the axis OX, then rock salt's axis and helix";
    EXPECT_TRUE(Near(PointOf(lines[0].toObject()["from"]), {-70, 0, 0}));
    EXPECT_DOUBLE_EQ(lines[1].toObject()["width"].toDouble(), 2);
    const QJsonArray spheres = dump["spheres"].toArray();
    ASSERT_EQ(spheres.size(), 54);
    EXPECT_TRUE(Near(PointOf(spheres[0].toObject()["centre"]), {0, -20, 0})) << "the scene's offset and half turn";
    EXPECT_NEAR(spheres[0].toObject()["radius"].toDouble(), 4, 1e-12);
    EXPECT_EQ(ColourOf(spheres[0].toObject()["colour"]), (Colour{0.7f, 0, 0})) << "as set";
}

TEST(FrameDump, GivesTheSemiAxesOfMarkersUnderAnUnequalScale)
{
    const QJsonObject dump = test::DumpWithTool({"--scene", "polyhedron:3"});
    const QJsonArray spheres = dump["spheres"].toArray();
    ASSERT_EQ(spheres.size(), 6);
    for (const QJsonValue& v : spheres) {
        const QJsonObject s = v.toObject();
        ASSERT_TRUE(s.contains("semi_axes"));
        EXPECT_TRUE(Near(PointOf(s["semi_axes"]), {0.15, 0.5, 0.15}));
    }
}

} // namespace
} // namespace vestrel
