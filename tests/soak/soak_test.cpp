// SPDX-License-Identifier: MIT
// The soak: the real main window builds each of the 30 scenes in turn and
// draws 2,000 frames in all through the real frame routine, every display
// option switched on and off on the way. Resident memory after the last
// frame stays within 2 MB of that after the first 100: nothing grows from
// frame to frame or from build to build. (Under the sanitizers, which hold
// freed memory back, memory is not compared; their leak check at exit
// stands in for it.) CTest runs it with llvmpipe on one thread
// (LP_NUM_THREADS=0), so Mesa's worker threads do not blur the figure.
#include "tests/support/main_window_controls.h"
#include "app/application.h"
#include "app/colour_list.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "app/gl_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <malloc.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define VESTREL_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VESTREL_UNDER_ASAN 1
#endif
#endif

namespace vestrel {
namespace {

constexpr int kFrames = 2000;
constexpr int kFirstFrames = 100;
constexpr int kScenes = 30; // 18 structures, then 12 polyhedra

double residentMb()
{
    long pages = 0;
    long resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Memory freed but kept by the allocator is not growth of ours.
double settledResidentMb()
{
    malloc_trim(0);
    return residentMb();
}

class Soak : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareApplication();
        app = std::make_unique<Application>(QStringLiteral(VESTREL_PROGRAM_DIR));
        mainWindow = &app->mainWindow();
        settingsWindow = &app->settings();
        mainWindow->showMessageBox = [this](const QString& text) { messages << text; };
        Controls(mainWindow).frameTimer->stop(); // the test draws each frame itself
        mainWindow->resize(640, 480);
        mainWindow->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(mainWindow));
    }

    // Scene k of 30: the structures of the first list, then the polyhedra.
    void build(int scene)
    {
        QComboBox* list = scene < 18 ? Controls(mainWindow).structureList : Controls(mainWindow).polyhedronList;
        const int item = scene < 18 ? scene + 1 : scene - 18 + 1;
        list->setCurrentIndex(item);
        emit list->activated(item);
        mainWindow->build();
    }

    // Every option flips on its own period, so that over the run each is
    // seen on and off with every scene and in many combinations.
    void switchOptions(int frame)
    {
        QCheckBox* const boxes[] = {Controls(mainWindow).autoRotateCheck, Controls(mainWindow).planeXZCheck, Controls(mainWindow).planeYZCheck, Controls(mainWindow).planeXYCheck, Controls(mainWindow).axisOXCheck, Controls(mainWindow).axisOZCheck,
                                    Controls(mainWindow).axisOYCheck, Controls(mainWindow).showBondsCheck, Controls(mainWindow).showScrewAxesCheck, Controls(mainWindow).showSymmetryPlanesCheck, Controls(mainWindow).showSymmetryAxesCheck, settingsWindow->maxDistanceCheck};
        for (int i = 0; i < static_cast<int>(std::size(boxes)); ++i)
            if (frame % (7 + 2 * i) == 0)
                boxes[i]->setChecked(!boxes[i]->isChecked());
        QAction* const axisColours[] = {Controls(mainWindow).axesRedAction, Controls(mainWindow).axesGreenAction, Controls(mainWindow).axesBlueAction};
        QAction* const planeColours[] = {Controls(mainWindow).planesWhiteAction, Controls(mainWindow).planesRedAction, Controls(mainWindow).planesGreenAction, Controls(mainWindow).planesBlueAction};
        if (frame % 11 == 0)
            axisColours[(frame / 11) % 3]->trigger();
        if (frame % 13 == 0)
            planeColours[(frame / 13) % 4]->trigger();
        if (frame % 17 == 0)
            (settingsWindow->seeThroughFacesRadio->isChecked() ? settingsWindow->solidFacesRadio : settingsWindow->seeThroughFacesRadio)->setChecked(true);
        ColourList* const lists[] = {settingsWindow->axisOrder2ColourList, settingsWindow->screwAxisColourList, settingsWindow->axisOrder3ColourList, settingsWindow->axisOrder4ColourList, settingsWindow->axisOrder6ColourList};
        for (int i = 0; i < 5; ++i)
            if (frame % (19 + 4 * i) == 0)
                lists[i]->setItemIndex((lists[i]->itemIndex() + 2) % (lists[i]->count() + 1) - 1);
    }

    void drawFrame(QSignalSpy& frames)
    {
        const auto before = frames.count();
        Controls(mainWindow).glPanel->tick();
        if (frames.count() == before) {
            ASSERT_TRUE(frames.wait(10000)) << "no frame came";
        }
    }

    std::unique_ptr<Application> app;
    MainWindow* mainWindow = nullptr;
    SettingsWindow* settingsWindow = nullptr;
    QStringList messages;
};

TEST_F(Soak, TwoThousandFramesOverAllScenesKeepMemoryLevel)
{
    QSignalSpy frames(Controls(mainWindow).glPanel, &GlPanel::frameDrawn);
    double afterFirst = 0;
    int built = -1;
    for (int frame = 0; frame < kFrames; ++frame) {
        const int scene = frame * kScenes / kFrames;
        if (scene != built) {
            build(scene);
            built = scene;
        }
        switchOptions(frame);
        drawFrame(frames);
        if (HasFatalFailure())
            return;
        if (frame + 1 == kFirstFrames)
            afterFirst = settledResidentMb();
    }
    const double afterLast = settledResidentMb();
    EXPECT_EQ(built, kScenes - 1);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    std::printf("resident memory: %.1f MB after %d frames, %.1f MB after %d frames\n", afterFirst, kFirstFrames,
                afterLast, kFrames);
    RecordProperty("resident_mb_after_100_frames", std::to_string(afterFirst));
    RecordProperty("resident_mb_after_2000_frames", std::to_string(afterLast));
#ifndef VESTREL_UNDER_ASAN
    constexpr double allowedGrowthMb = 2.0;
    EXPECT_LE(afterLast - afterFirst, allowedGrowthMb);
#endif
}

} // namespace
} // namespace vestrel
