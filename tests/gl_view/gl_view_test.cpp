// SPDX-License-Identifier: MIT
// Real frames through OpenGL: the main window's drawing panel and the
// offscreen renderer, probed at the pixels where the camera puts the model.
// Runs twice under CTest, the second time with QT_SCALE_FACTOR=2.
#include "tests/support/main_window_controls.h"
#include "app/application.h"
#include "app/main_window.h"
#include "app/gl_panel.h"
#include "frame/frame.h"
#include "frame/projection.h"
#include "render/gl_draw.h"
#include "tests/support/render_tool.h"
#include "tools/render/offscreen_renderer.h"

#include <QAction>
#include <QCheckBox>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace vestrel {
namespace {

// Whether a pixel near p has the colour (lines may fall a pixel aside).
bool colourNear(const QImage& image, PanelPoint p, QRgb colour, int radius = 2)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const int x = static_cast<int>(std::lround(p.x)) + dx;
            const int y = static_cast<int>(std::lround(p.y)) + dy;
            if (image.valid(x, y) && test::CountPixels(image.copy(x, y, 1, 1), colour, 40) == 1)
                return true;
        }
    return false;
}

TEST(MainWindowView, DrawsTheAxisInItsMenuColourWhereTheCameraPutsIt)
{
    PrepareApplication();
    Application app(QStringLiteral(VESTREL_PROGRAM_DIR));
    MainWindow& mainWindow = app.mainWindow();
    mainWindow.resize(1000, 800);
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    Controls(mainWindow).axisOXCheck->setChecked(true); // OX
    Controls(mainWindow).axesRedAction->trigger();         // red
    QTest::qWait(400);

    const QImage image = Controls(mainWindow).glPanel->grabFramebuffer();
    const QSize device = Controls(mainWindow).glPanel->deviceSize();
    ASSERT_EQ(image.size(), device) << "the picture covers the whole panel in device pixels";
    ASSERT_GT(device.width(), 100);

    const ViewState& view = mainWindow.viewState();
    for (double x : {-50.0, -20.0, 25.0, 45.0}) {
        const PanelPoint p = ProjectToPanel(view, {x, 0, 0}, device.width(), device.height());
        EXPECT_TRUE(colourNear(image, p, qRgb(255, 0, 0))) << "OX at x = " << x << " (" << p.x << ", " << p.y << ")";
    }
    // Far from the axis the view is black.
    const PanelPoint off = ProjectToPanel(view, {0, 30, 0}, device.width(), device.height());
    EXPECT_TRUE(colourNear(image, off, qRgb(0, 0, 0), 0));
    EXPECT_FALSE(colourNear(image, off, qRgb(255, 0, 0), 3));
}

TEST(OffscreenView, DrawsTheVerticalAxisInGreen)
{
    OffscreenRenderer renderer(QSize(600, 500));
    ASSERT_TRUE(renderer.isValid());
    FrameInputs in;
    in.axisOZ = true;
    in.menus.axesBlue = false;
    in.menus.axesGreen = true;
    ViewState view;
    renderer.drawFrame(in, view);
    const QImage image = renderer.image();
    for (double y : {-40.0, -10.0, 30.0}) {
        const PanelPoint p = ProjectToPanel(view, {0, y, 0}, 600, 500);
        EXPECT_TRUE(colourNear(image, p, qRgb(0, 255, 0))) << "OZ at y = " << y;
    }
    const PanelPoint off = ProjectToPanel(view, {20, 10, 0}, 600, 500);
    EXPECT_FALSE(colourNear(image, off, qRgb(0, 255, 0), 3));
}

// The panel's quadric goes with the context it was made in: when the panel
// moves to another window (Qt gives it a new context) and when the panel
// itself goes. Nothing of the panel is called once its destructor has run
// (the sanitizer build checks that as well).
TEST(GlPanelLifetime, FreesItsQuadricWhenMovedAndWhenDestroyed)
{
    PrepareApplication();
    const int before = GlDraw::liveQuadrics();
    QWidget first;
    QWidget second;
    for (QWidget* w : {&first, &second}) {
        new QVBoxLayout(w);
        w->resize(300, 200);
    }
    auto* panel = new GlPanel(&first);
    first.layout()->addWidget(panel);
    QSignalSpy frames(panel, &GlPanel::frameDrawn);
    first.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
    ASSERT_TRUE(frames.wait(5000) || !frames.isEmpty());
    EXPECT_EQ(GlDraw::liveQuadrics(), before + 1);

    second.layout()->addWidget(panel); // a new top-level window: a new context
    second.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
    frames.clear();
    panel->update();
    EXPECT_TRUE(frames.wait(5000) || !frames.isEmpty());
    EXPECT_EQ(GlDraw::liveQuadrics(), before + 1);

    delete panel;
    EXPECT_EQ(GlDraw::liveQuadrics(), before);
}

} // namespace
} // namespace vestrel
