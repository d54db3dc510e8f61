// SPDX-License-Identifier: MIT
// The window "Стереографическая проекция" beside the main window: what it
// shows for nothing, a polyhedron and a class, its two modes, the marking
// linked both ways with the 3-D view, and its pictures.
#include "app/application.h"
#include "app/stereogram_part.h"
#include "app/stereogram_window.h"
#include "frame/frame.h"
#include "frame/projection.h"
#include "render/recording_draw.h"
#include "logic/morphology/crystal_forms.h"
#include "tests/support/main_window_controls.h"

#include <gtest/gtest.h>

#include <cmath>

#include <QComboBox>
#include <QLineEdit>
#include <QImage>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

namespace vestrel {
namespace {

class StereogramWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareApplication();
        app = std::make_unique<Application>(QStringLiteral(VESTREL_PROGRAM_DIR));
        main = &app->mainWindow();
        window = &app->stereogram();
        main->showMessageBox = [](const QString&) {};
    }
    void buildPolyhedron(int item)
    {
        Controls(main).polyhedronList->setCurrentIndex(item);
        emit Controls(main).polyhedronList->activated(item);
        Controls(main).buildAction->trigger();
        main->nextFrame();
    }
    std::unique_ptr<Application> app;
    MainWindow* main = nullptr;
    StereogramWindow* window = nullptr;
};

TEST_F(StereogramWindowTest, CommandShowsTheWindowWithAMessageForAStructure)
{
    EXPECT_EQ(Controls(main).stereogramAction->text(), QStringLiteral("Стереографическая проекция"));
    EXPECT_TRUE(Controls(main).stereogramToolButton->isEnabled());
    EXPECT_TRUE(Controls(main).stereogramToolButton->toolTip().contains(QStringLiteral("Стереографическая проекция")));
    Controls(main).stereogramAction->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->stereogram(), nullptr);
    EXPECT_EQ(window->statusBar()->currentMessage(), QString::fromUtf8(StereogramEmptyText));
}

TEST_F(StereogramWindowTest, StandardSettingStaysAndModelSettingTurnsWithTheView)
{
    Controls(main).stereogramToolButton->click();
    buildPolyhedron(2); // the tetrahedron
    ASSERT_NE(window->stereogram(), nullptr);
    ASSERT_EQ(window->stereogram()->poles.size(), 4u);
    const auto standardBefore = window->stereogram()->poles[0].at;
    window->modeBox()->setCurrentIndex(1);
    const auto modelBefore = window->stereogram()->poles[0].at;
    main->viewState().RotY += 40;
    main->nextFrame();
    const auto modelAfter = window->stereogram()->poles[0].at;
    EXPECT_GT(std::hypot(modelAfter.x - modelBefore.x, modelAfter.y - modelBefore.y), 0.05);
    window->modeBox()->setCurrentIndex(0);
    EXPECT_NEAR(window->stereogram()->poles[0].at.x, standardBefore.x, 1e-12);
    EXPECT_NEAR(window->stereogram()->poles[0].at.y, standardBefore.y, 1e-12);
}

TEST_F(StereogramWindowTest, MarkingIsLinkedBothWays)
{
    Controls(main).stereogramToolButton->click();
    buildPolyhedron(1); // the cube
    window->resize(500, 560);
    QTest::qWait(10);
    // A pole clicked outlines its face (four corners) in the view.
    const auto pole = window->poleOnCanvas(4);
    ASSERT_TRUE(pole.has_value());
    QTest::mouseClick(reinterpret_cast<QWidget*>(window->canvas()), Qt::LeftButton, {}, pole->toPoint());
    EXPECT_EQ(window->markedFace(), 4);
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Грань 5"));
    EXPECT_EQ(main->readFrameInputs().markedFace.size(), 4u);
    // The view draws the outline in its light colour over the face.
    const auto outlines = [&] {
        RecordingDraw gl;
        ViewState view = main->viewState();
        DrawFrame(gl, main->readFrameInputs(), view, false);
        int count = 0;
        for (const auto* p : gl.primitivesOf(Primitive::LineLoop))
            count += !p->vertices.empty() && p->vertices[0].colour == forms::MarkedFaceColour;
        return count;
    };
    EXPECT_EQ(outlines(), 1);

    // A face clicked in the view marks its pole: the face nearest the viewer.
    const auto source = StereogramPart::SourceOf(main->readFrameInputs());
    ASSERT_TRUE(source.has_value());
    const ViewState view = main->viewState();
    std::size_t front = 0;
    double nearest = -1e9;
    for (std::size_t i = 0; i < source->faces.size(); ++i) {
        const double towards = ModelToEye(view, source->faces[i].normal).z - ModelToEye(view, {0, 0, 0}).z;
        if (towards > nearest) {
            nearest = towards;
            front = i;
        }
    }
    Vec3 centre;
    for (const Vec3& c : source->faces[front].corners)
        centre += c / static_cast<double>(source->faces[front].corners.size());
    GlPanel* panel = Controls(main).glPanel;
    const PanelPoint at = ProjectToPanel(view, centre, panel->width(), panel->height());
    emit panel->mousePressed(Qt::LeftButton, static_cast<int>(at.x), static_cast<int>(at.y));
    emit panel->mouseReleased(Qt::LeftButton, static_cast<int>(at.x) + 1, static_cast<int>(at.y));
    EXPECT_EQ(window->markedFace(), static_cast<int>(front));
    EXPECT_EQ(outlines(), 1);
    // A click beside the solid marks nothing.
    emit panel->mousePressed(Qt::LeftButton, 2, 2);
    emit panel->mouseReleased(Qt::LeftButton, 2, 2);
    EXPECT_EQ(window->markedFace(), std::nullopt);
    EXPECT_EQ(outlines(), 0);
    emit panel->mousePressed(Qt::LeftButton, static_cast<int>(at.x), static_cast<int>(at.y));
    emit panel->mouseReleased(Qt::LeftButton, static_cast<int>(at.x), static_cast<int>(at.y));
    // A drag turns the model and marks nothing new.
    emit panel->mousePressed(Qt::LeftButton, 10, 10);
    emit panel->mouseReleased(Qt::LeftButton, 60, 10);
    EXPECT_EQ(window->markedFace(), static_cast<int>(front));
}

// The class chosen in the main window, 4/mmm (class 15), with the form the
// list builds: its 4-fold axis at the centre, the class's symbols on the poles.
TEST_F(StereogramWindowTest, FollowsTheClassOfTheMainWindow)
{
    Controls(main).stereogramToolButton->click();
    auto* classes = main->findChild<QComboBox*>(QStringLiteral("classList"));
    ASSERT_NE(classes, nullptr);
    classes->setCurrentIndex(15);
    emit classes->activated(15);
    main->build();
    main->nextFrame();
    ASSERT_NE(window->stereogram(), nullptr);
    const auto* shown = main->readFrameInputs().crystalForm;
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(window->stereogram()->poles.size(), shown->faces.size());
    bool fourAtCentre = false;
    for (const auto& a : window->stereogram()->axes)
        fourAtCentre = fourAtCentre || (a.order == 4 && !a.inversion && std::hypot(a.at.x, a.at.y) < 1e-9);
    EXPECT_TRUE(fourAtCentre);
    EXPECT_FALSE(window->stereogram()->poles.front().symbol.empty());
}

// Half-way through a 4-fold turn about the cube's vertical axis the side
// faces' poles have turned by 45°; at the end they are back on the faces'.
TEST_F(StereogramWindowTest, PolesMoveWithTheOperation)
{
    const auto source = morphology::SourceOfPolyhedron(SceneId::Cube);
    polyhedra::SymmetryOperationElement turn;
    turn.kind = polyhedra::SymmetryOperationElement::Kind::Axis;
    turn.order = 4;
    turn.direction = {0, 1, 0};
    StereogramInput input;
    input.source = source;
    window->setInput(input);
    const auto before = window->stereogram()->poles;
    for (double t : {0.5, 1.0}) {
        input.motion = morphology::MotionAt(turn, t);
        window->setInput(input);
        const auto& during = window->stereogram()->poles;
        ASSERT_EQ(during.size(), before.size());
        for (std::size_t i = 0; i < before.size(); ++i) {
            const double r = std::hypot(before[i].at.x, before[i].at.y);
            if (r < 0.99)
                continue; // the top and the bottom stay at the centre
            const double turned = std::remainder(std::atan2(during[i].at.y, during[i].at.x) - std::atan2(before[i].at.y, before[i].at.x), 2 * M_PI);
            EXPECT_NEAR(std::abs(turned), t * M_PI / 2, 1e-9);
        }
    }
}

TEST_F(StereogramWindowTest, ClassPolesCarryTheirSymbolsAndPicturesAreWritten)
{
    morphology::Combination combination(32);
    combination.addForm({1, 1, 1});
    const auto built = combination.build();
    StereogramInput input;
    input.source = morphology::SourceOfCrystal(built.scene, 32);
    window->show();
    window->setInput(input);
    window->symbolsBox()->setChecked(true);
    window->netBox()->setChecked(true);
    ASSERT_NE(window->stereogram(), nullptr);
    EXPECT_EQ(window->stereogram()->poles.size(), 8u);
    const auto pole = window->poleOnCanvas(0);
    ASSERT_TRUE(pole.has_value());
    window->clickAt(*pole);
    EXPECT_EQ(window->statusBar()->currentMessage(), QStringLiteral("Грань ") + QString::fromStdString(built.scene.faces[0].label));

    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(window->saveTo(dir.filePath("m3m.svg"), QSize(400, 400), &error)) << error.toStdString();
    QSvgRenderer svg(dir.filePath("m3m.svg"));
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBoxF().size(), QSizeF(400, 400));
    ASSERT_TRUE(window->saveTo(dir.filePath("m3m.png"), QSize(300, 300), &error)) << error.toStdString();
    const QImage png(dir.filePath("m3m.png"));
    EXPECT_EQ(png.size(), QSize(300, 300));
    // Each upper pole is a dark dot where the frame of the picture puts it.
    const StereogramFrame frame = StereogramFrame::Inside(QRectF(0, 0, 300, 300));
    for (const auto& p : window->stereogram()->poles)
        if (p.upper && window->markedFace() != p.face)
            EXPECT_LT(png.pixelColor(frame.toPixels(p.at).toPoint()).lightness(), 80);
    EXPECT_FALSE(window->saveTo(dir.filePath("m3m.bmp"), QSize(300, 300), &error));
    EXPECT_TRUE(error.contains(QStringLiteral(".svg")));
    // Through the button, with the dialogs answered.
    QStringList messages;
    window->showMessage = [&](const QString& text) { messages << text; };
    window->askSaveTarget = [&] { return std::make_pair(dir.filePath("button.svg"), QSize(200, 200)); };
    window->saveButton()->click();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(QSvgRenderer(dir.filePath("button.svg")).isValid());
}

} // namespace
} // namespace vestrel
