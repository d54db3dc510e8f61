// SPDX-License-Identifier: MIT
// The crystal-form scene as drawn, the lesson over a class's elements, and
// the rendering tool's --class, --form, --describe and --dump.
#include "frame/frame.h"
#include "logic/morphology/crystal_forms.h"
#include "logic/symmetry_lesson.h"
#include "render/recording_draw.h"
#include "tests/support/render_tool.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QProcess>

#include <map>

namespace vestrel::test {
namespace {

using namespace morphology;

BuiltCrystal Build(int number, std::initializer_list<FormSpec> forms)
{
    Combination c(number);
    for (const FormSpec& f : forms)
        c.addForm(f.face, f.distance);
    return c.build();
}

// Marker balls sit where an axis leaves through the inside of a face, as on
// the catalogue's cube, octahedron and tetrahedron: the cube's on its axes
// of order 4, the octahedron's and the tetrahedron's on those of order 3.
TEST(CrystalFormScene, MarkersAndInversionAxesAsOnThePolyhedra)
{
    struct Case {
        int number;
        IntVector face;
        std::map<int, int> markersByOrder;
        std::size_t dashedAxes;
    } cases[] = {
        {32, {1, 0, 0}, {{4, 6}}, 0},
        {32, {1, 1, 1}, {{3, 8}}, 0},
        {31, {1, 1, 1}, {{3, 4}}, 3},
    };
    for (const Case& c : cases) {
        const BuiltCrystal built = Build(c.number, {{c.face, 1}});
        std::map<int, int> markers;
        for (const auto& m : built.scene.markers)
            ++markers[m.order];
        EXPECT_EQ(markers, c.markersByOrder) << c.number;

        RecordingDraw gl;
        DisplayOptions options;
        forms::DrawCrystalFormScene(gl, built.scene, options);
        EXPECT_TRUE(gl.errors.empty());
        std::size_t dashed = 0;
        for (const auto& p : gl.primitives)
            if (p.stipple.enabled)
                dashed += p.vertices.size() / 2;
        EXPECT_EQ(dashed, c.dashedAxes) << c.number;
        // Markers in their order's colour (order 3 green, order 4 red at
        // the start), and the centre of m-3m as a white ball.
        int coloured = 0;
        for (const auto* s : gl.spheres())
            coloured += s->colour == (c.markersByOrder.begin()->first == 3 ? Colour{0, 1, 0} : Colour{1, 0, 0});
        EXPECT_EQ(coloured, c.markersByOrder.begin()->second);
        EXPECT_EQ(gl.spheres().size(), built.scene.markers.size() + (built.scene.centre ? 1 : 0));
    }
}

TEST(CrystalFormScene, DisplayOptionsSwitchElementsAndSymbols)
{
    const BuiltCrystal built = Build(32, {{{1, 0, 0}, 1}});
    const auto draw = [&](bool axes, bool planes, bool symbols) {
        RecordingDraw gl;
        DisplayOptions o;
        o.showSymAxes = axes;
        o.showSymPlanes = planes;
        o.showFaceSymbols = symbols;
        forms::DrawCrystalFormScene(gl, built.scene, o);
        return gl;
    };
    const RecordingDraw bare = draw(false, false, false);
    EXPECT_TRUE(bare.spheres().empty());
    EXPECT_TRUE(bare.primitivesOf(Primitive::Quads).empty());
    EXPECT_TRUE(bare.labels.empty());
    EXPECT_EQ(bare.primitivesOf(Primitive::Polygon).size(), 6u);
    const RecordingDraw all = draw(true, true, true);
    ASSERT_EQ(all.primitivesOf(Primitive::Quads).size(), 1u);
    EXPECT_EQ(all.primitivesOf(Primitive::Quads)[0]->vertices.size(), 9u * 4);
    EXPECT_EQ(all.labels.size(), 6u);
    std::vector<std::string> texts;
    for (const auto& l : all.labels)
        texts.push_back(l.text);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "(-100)"), texts.end());
}

TEST(SymmetryLessonOfAClass, CaptionsFromTheClassElements)
{
    const BuiltCrystal built = Build(32, {{{3, 2, 1}, 1}});
    SymmetryLesson lesson;
    lesson.setCrystalForm(built.elements, built.extent);
    const QStringList captions = lesson.captions();
    ASSERT_EQ(captions.size(), 3 + 4 + 6 + 9 + 1);
    EXPECT_EQ(captions.front(), QStringLiteral("L4 — ось 4-го порядка (1)"));
    EXPECT_EQ(captions[7], QStringLiteral("L2 — ось 2-го порядка (1)"));
    EXPECT_EQ(captions.back(), QStringLiteral("C — центр симметрии"));
    lesson.choose(0);
    ASSERT_TRUE(lesson.start());
    EXPECT_TRUE(lesson.advance(SymmetryLesson::DurationSeconds));
    // Back to no class: the list empties.
    lesson.setPolyhedron(std::nullopt);
    EXPECT_TRUE(lesson.elements().empty());

    const BuiltCrystal tetrahedron = Build(31, {{{1, 1, 1}, 1}});
    lesson.setCrystalForm(tetrahedron.elements, tetrahedron.extent);
    EXPECT_TRUE(lesson.captions().contains(QStringLiteral("Li4 — инверсионная ось 4-го порядка (3)")));
}

std::map<int, int> FacesByForm(const QJsonObject& dump, int* closing)
{
    std::map<int, int> out;
    *closing = 0;
    for (const auto& p : dump["polygons"].toArray()) {
        const QJsonObject o = p.toObject();
        if (!o.contains("hkl"))
            continue;
        if (o["closing"].toBool())
            ++*closing;
        else
            ++out[o["form"].toInt()];
    }
    return out;
}

TEST(RenderToolClasses, DumpNamesFormsAndSymbols)
{
    int closing = 0;
    const QJsonObject combination = DumpWithTool({"--class", "-43m", "--form", "1,1,1", "--form", "1,0,0,1.2",
                                                  "--face-symbols", "on"});
    EXPECT_EQ(FacesByForm(combination, &closing), (std::map<int, int>{{0, 4}, {1, 6}}));
    EXPECT_EQ(closing, 0);
    EXPECT_EQ(combination["labels"].toArray().size(), 10);

    const QJsonObject pyramid = DumpWithTool({"--class", "6mm", "--form", "1,0,-1,1"});
    EXPECT_EQ(FacesByForm(pyramid, &closing), (std::map<int, int>{{0, 6}}));
    EXPECT_EQ(closing, 1);
    for (const auto& p : pyramid["polygons"].toArray())
        if (p.toObject().contains("hkl"))
            EXPECT_EQ(p.toObject()["hkl"].toArray().size(), 4);

    // Half of the quarter turn about the first L4: the cube stands on an edge.
    const QJsonObject turned = DumpWithTool({"--class", "32", "--form", "1,0,0", "--operation", "1", "--at", "0.5"});
    double reach = 0;
    for (const auto& p : turned["polygons"].toArray())
        for (const auto& v : p.toObject()["vertices"].toArray())
            reach = std::max(reach, std::abs(v.toArray()[0].toDouble()));
    EXPECT_NEAR(reach, 30 * std::sqrt(2.0), 1e-3);
}

QProcess* RunTool(const QStringList& args)
{
    auto* p = new QProcess;
    p->start(QStringLiteral(VESTREL_RENDER_TOOL), args);
    p->waitForFinished(60000);
    return p;
}

TEST(RenderToolClasses, DescribeAndBadInput)
{
    std::unique_ptr<QProcess> ok(RunTool({"--class", "-3m", "--form", "1,0,-1,1", "--describe"}));
    EXPECT_EQ(ok->exitCode(), 0);
    const QString text = QString::fromUtf8(ok->readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("дитригонально-скаленоэдрический"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("L3 3L2 3PC")));
    EXPECT_TRUE(text.contains(QStringLiteral("ромбоэдр, граней: 6")));

    const QStringList bad[] = {
        {"--class", "33", "--describe"},
        {"--class", "-4-3m", "--describe"},
        {"--class", "-3m", "--form", "1,0,1,1", "--describe"},
        {"--class", "m-3m", "--form", "1,x,0", "--describe"},
        {"--class", "m-3m", "--form", "0,0,0", "--describe"},
        {"--class", "m-3m", "--form", "30,0,1", "--describe"},
    };
    for (const QStringList& args : bad) {
        std::unique_ptr<QProcess> p(RunTool(args));
        EXPECT_EQ(p->exitCode(), 2) << args.join(' ').toStdString();
        EXPECT_FALSE(p->readAllStandardError().isEmpty());
    }
}

} // namespace
} // namespace vestrel::test
