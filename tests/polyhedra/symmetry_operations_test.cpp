// SPDX-License-Identifier: MIT
// Symmetry operations carried out on the polyhedra: every operation brings
// its solid onto itself, the list names the elements in the school
// notation, and the main window runs an operation and gives the scene back.
#include "app/application.h"
#include "app/gl_panel.h"
#include "app/main_window.h"
#include "logic/symmetry_lesson.h"
#include "scenes/polyhedra/symmetry_elements.h"
#include "tests/support/render_tool.h"

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <gtest/gtest.h>

#include <algorithm>

namespace vestrel {
namespace {

using polyhedra::SymmetryOperationAt;
using polyhedra::SymmetryOperationsOf;
using Kind = SymmetryOperationElement::Kind;

constexpr SceneId Solids[] = {SceneId::Cube, SceneId::Tetrahedron, SceneId::TetragonalPrism,
                              SceneId::TrigonalPrism, SceneId::TrigonalPyramid, SceneId::DitrigonalPyramid,
                              SceneId::TrigonalBipyramid, SceneId::TetragonalPyramid, SceneId::Octahedron,
                              SceneId::HexagonalPyramid, SceneId::HexagonalPrism, SceneId::HexagonalBipyramid};

double shortestDistance(const std::vector<Vec3>& corners)
{
    double d = 1e300;
    for (std::size_t i = 0; i < corners.size(); ++i)
        for (std::size_t j = i + 1; j < corners.size(); ++j)
            d = std::min(d, distance(corners[i], corners[j]));
    return d;
}

// Whether the transform maps every corner onto some corner.
bool mapsOntoItself(const Mat4& m, const std::vector<Vec3>& corners, double tolerance)
{
    return std::all_of(corners.begin(), corners.end(), [&](const Vec3& c) {
        const Vec3 image = m.apply(c);
        return std::any_of(corners.begin(), corners.end(),
                           [&](const Vec3& d) { return distance(image, d) < tolerance; });
    });
}

class EverySolid : public ::testing::TestWithParam<SceneId> {};

TEST_P(EverySolid, EveryOperationBringsTheSolidOntoItself)
{
    const std::vector<Vec3> corners = polyhedra::PolyhedronCorners(GetParam());
    ASSERT_GE(corners.size(), 4u);
    const double tolerance = 1e-6 * shortestDistance(corners);
    for (const SymmetryOperationElement& e : SymmetryOperationsOf(GetParam()))
        EXPECT_TRUE(mapsOntoItself(SymmetryOperationAt(e, 1), corners, tolerance))
            << SymmetryElementCaption(e).toStdString();
}

TEST_P(EverySolid, TheListHoldsEachDrawnElementOnceAndTheCentreWhereThereIsOne)
{
    const polyhedra::SymmetryElements drawn = polyhedra::SymmetryElementsOf(GetParam());
    const auto list = SymmetryOperationsOf(GetParam());
    const auto count = [&](Kind k) { return std::count_if(list.begin(), list.end(), [&](auto& e) { return e.kind == k; }); };
    const auto inversionAxes = std::count_if(drawn.axes.begin(), drawn.axes.end(), [](auto& a) { return a.inversion; });
    EXPECT_EQ(count(Kind::Axis), static_cast<long>(drawn.axes.size()) - inversionAxes);
    EXPECT_EQ(count(Kind::InversionAxis), inversionAxes);
    EXPECT_EQ(count(Kind::Plane), static_cast<long>(drawn.planes.size()));
    EXPECT_EQ(count(Kind::Centre), drawn.centre ? 1 : 0);
    // Captions are all different, so the list can be read aloud.
    QStringList captions;
    for (const auto& e : list)
        captions << SymmetryElementCaption(e);
    EXPECT_EQ(captions.removeDuplicates(), 0);
}

INSTANTIATE_TEST_SUITE_P(Polyhedra, EverySolid, ::testing::ValuesIn(Solids));

TEST(SymmetryOperations, AreNamedInTheSchoolNotation)
{
    const auto cube = SymmetryOperationsOf(SceneId::Cube);
    ASSERT_EQ(cube.size(), 23u); // 3L4 4L3 6L2 9P C
    EXPECT_EQ(SymmetryElementCaption(cube.front()), QStringLiteral("L4 — ось 4-го порядка (1)"));
    EXPECT_EQ(SymmetryElementCaption(cube[4]), QStringLiteral("L3 — ось 3-го порядка (2)"));
    EXPECT_EQ(SymmetryElementCaption(cube[22]), QStringLiteral("C — центр симметрии"));
    EXPECT_EQ(SymmetryElementCaption(cube[15]), QStringLiteral("P — плоскость симметрии (3)"));
    EXPECT_EQ(SymmetryOperationDoneMessage(cube.front()),
              QStringLiteral("Поворот вокруг L4 на 90° — многогранник совместился сам с собой"));
    const auto tetrahedron = SymmetryOperationsOf(SceneId::Tetrahedron);
    const auto li4 = std::find_if(tetrahedron.begin(), tetrahedron.end(), [](auto& e) { return e.kind == Kind::InversionAxis; });
    ASSERT_NE(li4, tetrahedron.end());
    EXPECT_EQ(SymmetryElementCaption(*li4), QStringLiteral("Li4 — инверсионная ось 4-го порядка (1)"));
    EXPECT_EQ(SymmetryOperationDoneMessage(*li4),
              QStringLiteral("Поворот вокруг Li4 на 90° и инверсия — многогранник совместился сам с собой"));
}

TEST(SymmetryOperations, HalfWayThroughAQuarterTurnTheSolidIsNotOnItself)
{
    const std::vector<Vec3> corners = polyhedra::PolyhedronCorners(SceneId::Cube);
    const auto l4 = SymmetryOperationsOf(SceneId::Cube).front();
    EXPECT_FALSE(mapsOntoItself(SymmetryOperationAt(l4, 0.5), corners, 1e-3));
    // A reflection passes through a flat solid half-way.
    const auto plane = SymmetryOperationsOf(SceneId::Cube)[13];
    ASSERT_EQ(plane.kind, Kind::Plane);
    const Vec3 n = plane.direction;
    for (const Vec3& c : corners) {
        const Vec3 p = SymmetryOperationAt(plane, 0.5).apply(c);
        EXPECT_NEAR(dot(p, n), 0, 1e-9);
    }
}

int differingPixels(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

TEST(SymmetryOperations, TheFrameAfterAFullOperationIsThePictureBeforeIt)
{
    // Axes of one order share their colour, so a quarter turn that swaps
    // them gives the same picture; each mirror plane has a colour of its own.
    const QStringList scene{"--scene", "polyhedron:1", "--operation", "1"};
    const QImage before = test::RenderWithTool(scene + QStringList{"--at", "0"});
    const QImage half = test::RenderWithTool(scene + QStringList{"--at", "0.5"});
    const QImage after = test::RenderWithTool(scene + QStringList{"--at", "1"});
    ASSERT_FALSE(before.isNull());
    ASSERT_EQ(before.size(), after.size());
    const int pixels = before.width() * before.height();
    // The same picture, but for rounding along a few edges.
    EXPECT_LT(differingPixels(before, after), pixels / 1000);
    EXPECT_GT(differingPixels(before, half), pixels / 20);
}

TEST(SymmetryLesson, RunsForOneSecondAndThenStopsOnTheStartPicture)
{
    SymmetryLesson lesson;
    lesson.setPolyhedron(SceneId::Cube);
    EXPECT_FALSE(lesson.start()); // nothing chosen
    lesson.choose(0);
    ASSERT_TRUE(lesson.start());
    int frames = 0;
    while (!lesson.advance(0.05))
        ASSERT_LT(++frames, 100);
    EXPECT_EQ(frames + 1, 20); // twenty frames of 50 ms
    EXPECT_FALSE(lesson.running());
    EXPECT_EQ(lesson.frameElement()->time, 0);
}

TEST(SymmetryPanel, FollowsTheBuiltPolyhedronAndHoldsTheSceneWhileAnOperationRuns)
{
    Application app(QStringLiteral(VESTREL_PROGRAM_DIR));
    MainWindow& main = app.mainWindow();
    main.showMessageBox = [](const QString&) {};
    main.show();
    main.polyhedronList->setCurrentIndex(1);
    main.polyhedronChosen(1);
    main.build();
    EXPECT_TRUE(main.symmetryGroup->isVisible());
    ASSERT_EQ(main.symmetryList->count(), 23);
    EXPECT_FALSE(main.performButton->isEnabled());

    main.symmetryList->setCurrentRow(0);
    ASSERT_TRUE(main.readFrameInputs().chosen);
    main.performButton->click();
    EXPECT_FALSE(main.buildButton->isEnabled());
    EXPECT_FALSE(main.polyhedronList->isEnabled());
    EXPECT_TRUE(main.eraseButton->isEnabled());

    // Erasing stops the operation and gives the commands back.
    main.eraseScene();
    EXPECT_TRUE(main.buildButton->isEnabled());
    EXPECT_FALSE(main.symmetryGroup->isVisible());
    EXPECT_FALSE(main.readFrameInputs().chosen);
}

} // namespace
} // namespace vestrel
