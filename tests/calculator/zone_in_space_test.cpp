// SPDX-License-Identifier: MIT
// The zone law in space: what the picture draws for two symbols, what the
// status bar says, and how the calculator and the main window hand it over.
#include "app/application.h"
#include "app/calculator_window.h"
#include "app/main_window.h"
#include "frame/projection.h"
#include "logic/zone_picture.h"
#include "render/recording_draw.h"
#include "scenes/zone_scene.h"
#include "tests/support/render_tool.h"
#include "tests/support/vector_checks.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace vestrel {
namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);

using test::cosine;

struct Drawn {
    std::vector<std::vector<Vec3>> planes;               // filled translucent polygons
    std::vector<std::pair<Vec3, Colour>> arrows;          // direction of each wide line
};

Drawn record(const ZoneScene& scene)
{
    RecordingDraw gl;
    DrawZoneScene(gl, scene, DisplayOptions{});
    EXPECT_TRUE(gl.errors.empty());
    Drawn d;
    for (const RecordedPrimitive& p : gl.primitives) {
        if (p.mode == Primitive::Polygon) {
            EXPECT_LT(p.opacity, 1.0f);
            std::vector<Vec3> v;
            for (const RecordedVertex& r : p.vertices)
                v.push_back(r.position);
            d.planes.push_back(v);
        } else if (p.mode == Primitive::Lines && p.lineWidth == ZoneArrowWidth) {
            d.arrows.push_back({p.vertices[1].position - p.vertices[0].position, p.vertices[0].colour});
        }
    }
    return d;
}

Vec3 polygonNormal(const std::vector<Vec3>& v) { return cross(v[1] - v[0], v[2] - v[0]); }

// Every polygon lies flat, through the centre, inside the cube.
void expectInsideCubeAndFlat(const std::vector<Vec3>& polygon)
{
    ASSERT_GE(polygon.size(), 3u);
    const Vec3 n = polygonNormal(polygon);
    for (const Vec3& p : polygon) {
        EXPECT_NEAR(dot(n, p) / length(n), 0, 1e-4);
        for (double c : {p.x, p.y, p.z})
            EXPECT_LE(std::abs(c), ZoneCellEdge / 2 + 1e-4);
    }
}

struct Pair {
    MillerIndices first, second;
};

class ZoneGeometry : public ::testing::TestWithParam<Pair> {};

TEST_P(ZoneGeometry, FacesToEdgeDrawsTheAxisPerpendicularToBothPlaneNormals)
{
    const ZoneScene scene = MakeZoneScene(ZoneScene::Kind::FacesToEdge, GetParam().first, GetParam().second);
    const Drawn d = record(scene);
    ASSERT_EQ(d.planes.size(), 2u);
    ASSERT_EQ(d.arrows.size(), 1u);
    EXPECT_EQ(d.arrows[0].second, ZoneProductColour);
    for (std::size_t i = 0; i < 2; ++i) {
        expectInsideCubeAndFlat(d.planes[i]);
        EXPECT_NEAR(cosine(d.arrows[0].first, polygonNormal(d.planes[i])), 0, 1e-6);
        // Each drawn plane is the plane of its own symbol.
        const Vec3 symbolNormal = ZoneSceneVector(i == 0 ? scene.first : scene.second);
        EXPECT_NEAR(std::abs(cosine(symbolNormal, polygonNormal(d.planes[i]))), 1, 1e-6);
    }
}

TEST_P(ZoneGeometry, EdgesToFaceDrawsBothDirectionsInTheCommonPlane)
{
    const ZoneScene scene = MakeZoneScene(ZoneScene::Kind::EdgesToFace, GetParam().first, GetParam().second);
    const Drawn d = record(scene);
    ASSERT_EQ(d.planes.size(), 1u);
    ASSERT_EQ(d.arrows.size(), 2u);
    expectInsideCubeAndFlat(d.planes[0]);
    for (const auto& [direction, colour] : d.arrows)
        EXPECT_NEAR(cosine(direction, polygonNormal(d.planes[0])), 0, 1e-6);
    EXPECT_NEAR(cosine(d.arrows[0].first, ZoneSceneVector(scene.first)), 1, 1e-6);
    EXPECT_NEAR(cosine(d.arrows[1].first, ZoneSceneVector(scene.second)), 1, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Symbols, ZoneGeometry,
                         ::testing::Values(Pair{{1, 1, 0}, {1, -1, 0}}, Pair{{1, 0, 0}, {0, 1, 1}},
                                           Pair{{1, 1, 1}, {1, -1, 0}}, Pair{{2, 1, 3}, {0, -1, 2}},
                                           Pair{{1, 0, 0}, {0, 0, 1}}, Pair{{3, -2, 5}, {-1, 4, 2}}));

TEST(ZonePicture, SaysWhatItShowsInBothModes)
{
    const auto faces = MakeZonePicture({"1", "0", "0", "0", "1", "1"}, SymbolMode::Edge, kUs);
    ASSERT_TRUE(faces.picture);
    EXPECT_EQ(faces.picture->status,
              QStringLiteral("Ось зоны [0 -1 1] — линия пересечения плоскостей (1 0 0) и (0 1 1)"));
    const auto edges = MakeZonePicture({"1", "0", "0", "0", "1", "0"}, SymbolMode::Face, kUs);
    ASSERT_TRUE(edges.picture);
    EXPECT_EQ(edges.picture->status, QStringLiteral("Плоскость (0 0 1) содержит направления [1 0 0] и [0 1 0]"));
}

TEST(ZonePicture, ParallelSymbolsShowOneElementAndSaySo)
{
    const auto faces = MakeZonePicture({"1", "1", "1", "2", "2", "2"}, SymbolMode::Edge, kUs);
    ASSERT_TRUE(faces.picture);
    EXPECT_EQ(faces.picture->status, QStringLiteral("Плоскости (1 1 1) и (2 2 2) параллельны и не задают зону"));
    const Drawn d = record(faces.picture->scene);
    EXPECT_EQ(d.planes.size(), 1u);
    EXPECT_TRUE(d.arrows.empty());

    const auto edges = MakeZonePicture({"1", "0", "0", "-3", "0", "0"}, SymbolMode::Face, kUs);
    ASSERT_TRUE(edges.picture);
    EXPECT_EQ(edges.picture->status,
              QStringLiteral("Направления [1 0 0] и [-3 0 0] параллельны и не задают плоскость"));
    const Drawn e = record(edges.picture->scene);
    EXPECT_TRUE(e.planes.empty());
    EXPECT_EQ(e.arrows.size(), 1u);
}

TEST(ZonePicture, RefusesWhatItCannotDrawWithAMessage)
{
    struct Case {
        SymbolInputs inputs;
        QString message;
        bool isError;
    };
    const Case cases[] = {
        {{"1", "", "0", "0", "1", "1"}, QStringLiteral("Не введены символы граней!"), false},
        {{"x", "0", "0", "0", "1", "1"}, QStringLiteral("'x' is not a valid integer value"), true},
        {{"0", "0", "0", "0", "1", "1"}, QStringLiteral("Символ (0 0 0) не задаёт плоскости."), false},
        {{"1", "0", "0", "0", "1", "5000"},
         QStringLiteral("Для построения в пространстве индексы должны быть не больше 1000 по модулю."), true},
    };
    for (const Case& c : cases) {
        const auto out = MakeZonePicture(c.inputs, SymbolMode::Edge, kUs);
        EXPECT_FALSE(out.picture);
        EXPECT_EQ(out.message, c.message);
        EXPECT_EQ(out.isError, c.isError);
    }
}

TEST(ZoneInSpace, TheCalculatorsButtonReplacesTheSceneAndTheStatusBarSaysWhat)
{
    Application app(QStringLiteral(VESTREL_PROGRAM_DIR));
    MainWindow& main = app.mainWindow();
    main.showMessageBox = [](const QString&) {};
    main.structureList->setCurrentIndex(1);
    main.structureChosen(1);
    main.build();
    ASSERT_TRUE(main.readFrameInputs().scenes[index(SceneId::RockSalt)]);

    CalculatorWindow& calc = app.calculator();
    const QStringList values{"1", "1", "0", "1", "-1", "0"};
    QLineEdit* fields[] = {calc.first1Field, calc.first2Field, calc.first3Field,
                           calc.second1Field, calc.second2Field, calc.second3Field};
    for (int i = 0; i < 6; ++i)
        fields[i]->setText(values[i]);
    calc.showInSpaceButton->click();

    const FrameInputs in = main.readFrameInputs();
    EXPECT_FALSE(std::ranges::any_of(in.scenes, [](bool on) { return on; }));
    ASSERT_TRUE(in.zone);
    EXPECT_EQ(in.zone->product, (MillerIndices{0, 0, -2}));
    EXPECT_EQ(main.statusLine->currentMessage(),
              QStringLiteral("Ось зоны [0 0 -2] — линия пересечения плоскостей (1 1 0) и (1 -1 0)"));

    main.eraseScene();
    EXPECT_FALSE(main.readFrameInputs().zone);
}

// The worked example of the help: faces (1 1 0) and (1 -1 0) meet along
// [0 0 -2], the vertical axis; its arrowhead shows below the cube.
TEST(ZoneInSpace, TheWorkedExamplesAxisShowsWhereTheProjectionPutsIt)
{
    const QImage image = test::RenderWithTool({"--zone", "1,1,0:1,-1,0"});
    ASSERT_FALSE(image.isNull());
    const ViewState view;
    const PanelPoint below = ProjectToPanel(view, {0, -22, 0}, image.width(), image.height());
    const QRgb yellow = test::ScreenColour(ZoneProductColour);
    int found = 0;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const QRgb px = image.pixel(int(std::lround(below.x)) + dx, int(std::lround(below.y)) + dy);
            found += std::abs(qRed(px) - qRed(yellow)) < 8 && std::abs(qGreen(px) - qGreen(yellow)) < 8
                && qBlue(px) < 40;
        }
    EXPECT_GT(found, 0);
}

} // namespace
} // namespace vestrel
