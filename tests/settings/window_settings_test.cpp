// SPDX-License-Identifier: MIT
// Kept settings and the real windows: a first start restores exactly the
// start state, kept settings come back in every control and reach the frame,
// and "Восстановить настройки по умолчанию" brings the start state back.
#include "tests/support/main_window_controls.h"
#include "app/application.h"
#include "app/colour_list.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "logic/kept_settings.h"
#include "logic/picture_commands.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace vestrel;

namespace vestrel {
// Failures show the settings as text.
void PrintTo(const KeptSettings& s, std::ostream* os)
{
    QStringList items;
    items << QStringLiteral("interval %1").arg(s.frameInterval);
    for (int c : s.axisColours)
        items << QStringLiteral("axis %1").arg(c);
    items << QStringLiteral("screw %1 solid %2 inverted %3 max %4 details %5 side %6 toolbar %7")
                 .arg(s.screwAxisColour).arg(s.solidFaces).arg(s.invertedMouse).arg(s.maxDistance)
                 .arg(s.hideDetails).arg(s.hideSidePanel).arg(s.showToolBar);
    items << QStringLiteral("axes %1 planes %2").arg(s.axesColour).arg(s.planesColour);
    QString tools;
    for (bool b : s.toolButtons)
        tools += b ? '1' : '0';
    items << QStringLiteral("tools %1").arg(tools);
    items << QStringLiteral("rotate %1 bonds %2 screw %3 symaxes %4 symplanes %5")
                 .arg(s.autoRotate).arg(s.showBonds).arg(s.showScrewAxes).arg(s.showSymmetryAxes)
                 .arg(s.showSymmetryPlanes);
    items << QStringLiteral("folder '%1' filter %2").arg(s.saveFolder).arg(s.saveFilter);
    items << QStringLiteral("structure folder '%1'").arg(s.structureFolder);
    if (s.geometry)
        items << QStringLiteral("geometry %1,%2 %3x%4").arg(s.geometry->x()).arg(s.geometry->y())
                     .arg(s.geometry->width()).arg(s.geometry->height());
    items << QStringLiteral("maximized %1").arg(s.maximized);
    *os << items.join(QStringLiteral("; ")).toStdString();
}
} // namespace vestrel

namespace {

// What a user can see of every named control of a window, and the size of
// the side panel and tool bar.
void Describe(QWidget* window, QMap<QString, QString>& out)
{
    const QString prefix = window->objectName() + '.';
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QString state = QStringLiteral("shown %1 enabled %2 width %3..%4")
                            .arg(w->isVisibleTo(window))
                            .arg(w->isEnabledTo(window))
                            .arg(w->minimumWidth())
                            .arg(w->maximumWidth());
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            state += QStringLiteral(" checked %1 text %2").arg(b->isChecked()).arg(b->text());
        if (auto* s = qobject_cast<QSlider*>(w))
            state += QStringLiteral(" value %1").arg(s->value());
        if (auto* c = qobject_cast<QComboBox*>(w))
            state += QStringLiteral(" item %1 text %2").arg(c->currentIndex()).arg(c->currentText());
        if (auto* c = qobject_cast<ColourList*>(w))
            state += QStringLiteral(" colour %1").arg(c->itemIndex());
        if (auto* g = qobject_cast<QGroupBox*>(w))
            state += QStringLiteral(" title %1").arg(g->title());
        out[prefix + w->objectName()] = state;
    }
    for (QAction* a : window->findChildren<QAction*>()) {
        if (a->objectName().isEmpty())
            continue;
        out[prefix + a->objectName()] =
            QStringLiteral("action checked %1 visible %2 enabled %3").arg(a->isChecked()).arg(a->isVisible()).arg(a->isEnabled());
    }
}

QMap<QString, QString> Snapshot(Application& app)
{
    QMap<QString, QString> out;
    Describe(&app.mainWindow(), out);
    Describe(&app.settings(), out);
    MainWindow& m = app.mainWindow();
    out[QStringLiteral("geometry")] = QStringLiteral("%1 %2 %3 %4 maximized %5")
                                          .arg(m.normalGeometry().x())
                                          .arg(m.normalGeometry().y())
                                          .arg(m.normalGeometry().width())
                                          .arg(m.normalGeometry().height())
                                          .arg(m.isMaximized());
    out[QStringLiteral("frame interval")] = QString::number(Controls(m).frameTimer->interval());
    const SaveChoice& dialog = m.pictures().lastSaveChoice();
    out[QStringLiteral("save dialog")] =
        QStringLiteral("%1|%2|%3").arg(dialog.fileName).arg(dialog.filterIndex).arg(m.pictures().lastFolder());
    return out;
}

// The controls whose state differs, with both states; empty when none does.
std::string Differences(const QMap<QString, QString>& a, const QMap<QString, QString>& b)
{
    QStringList out;
    QStringList keys = a.keys() + b.keys();
    keys.removeDuplicates();
    for (const QString& key : keys)
        if (a.value(key) != b.value(key))
            out << key + QStringLiteral(": ") + a.value(key) + QStringLiteral(" / ") + b.value(key);
    return out.join('\n').toStdString();
}

KeptSettings LoadFrom(const QString& path)
{
    QSettings file(path, QSettings::IniFormat);
    return SettingsStore(file).load();
}

// Every item away from its start value; the window's place lies on the
// test's screen.
KeptSettings Changed(const QString& folder)
{
    KeptSettings s;
    s.frameInterval = 7;
    s.axisColours = {0, 4, 3, 1};
    s.screwAxisColour = 3;
    s.solidFaces = false;
    s.invertedMouse = true;
    s.maxDistance = true;
    s.hideDetails = true;
    s.hideSidePanel = true;
    s.showToolBar = false;
    s.shaded = true;
    s.axesColour = 0;
    s.planesColour = 3;
    s.toolButtons = {false, true, false, true, false, true, false, true, false, true, false};
    s.autoRotate = true;
    s.showBonds = false;
    s.showScrewAxes = true;
    s.showSymmetryAxes = false;
    s.showSymmetryPlanes = true;
    s.saveFolder = folder;
    s.saveFilter = 3;
    s.structureFolder = QDir(folder).filePath(QStringLiteral("cif"));
    s.geometry = QRect(40, 30, 900, 700);
    s.maximized = false;
    return s;
}

class WindowSettings : public ::testing::Test {
protected:
    void SetUp() override { PrepareApplication(); }
    std::unique_ptr<Application> start() { return std::make_unique<Application>(QStringLiteral(VESTREL_PROGRAM_DIR)); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(WindowSettings, AFirstStartIsExactlyTheStartState)
{
    auto today = start();
    auto restored = start();
    const KeptSettings none = LoadFrom(dir.filePath(QStringLiteral("missing.conf")));
    restored->restoreSettings(none);
    EXPECT_EQ(Differences(Snapshot(*restored), Snapshot(*today)), "");
    today->show();
    restored->show();
    EXPECT_TRUE(restored->mainWindow().isMaximized());
    EXPECT_EQ(Differences(Snapshot(*restored), Snapshot(*today)), "");
    // And the start state is what the settings call their start values.
    KeptSettings collected = restored->keptSettings();
    EXPECT_EQ(collected.geometry, std::optional<QRect>(QRect(276, 26, 1024, 840)));
    collected.geometry.reset();
    EXPECT_EQ(collected, KeptSettings{});
}

TEST_F(WindowSettings, KeptSettingsComeBackInEveryControl)
{
    const KeptSettings changed = Changed(dir.path());
    auto app = start();
    app->restoreSettings(changed);
    app->show();
    EXPECT_FALSE(app->mainWindow().isMaximized());
    EXPECT_EQ(app->keptSettings(), changed);

    // What the user sees at once: the interval, the hidden panels and
    // buttons, the frame's colours and switches.
    MainWindow& m = app->mainWindow();
    EXPECT_EQ(Controls(m).frameTimer->interval(), 7);
    EXPECT_EQ(app->settings().frameIntervalGroup->title(), QStringLiteral("Частота смены кадров : 7 мсек"));
    EXPECT_EQ(Controls(m).sidePanel->width(), 1);
    EXPECT_EQ(Controls(m).toolBar->width(), 1);
    EXPECT_FALSE(Controls(m).photoGroup->isVisibleTo(&m));
    EXPECT_FALSE(Controls(m).buildToolButton->isVisibleTo(&m));
    EXPECT_TRUE(Controls(m).eraseToolButton->isVisibleTo(&m));
    const FrameInputs in = m.readFrameInputs();
    EXPECT_TRUE(in.menus.axesRed);
    EXPECT_FALSE(in.menus.axesBlue);
    EXPECT_TRUE(in.menus.planesBlue);
    EXPECT_FALSE(in.menus.planesWhite);
    EXPECT_TRUE(in.autoRotate);
    EXPECT_TRUE(in.maxDistance);
    EXPECT_FALSE(in.display.showLines);
    EXPECT_TRUE(in.display.showScrewAxes);
    EXPECT_FALSE(in.display.solidFaces);
    EXPECT_EQ(in.display.axisColour2, 0);
    EXPECT_EQ(in.display.axisColour6, 1);
    EXPECT_EQ(in.display.screwColour, 3);
    EXPECT_EQ(m.pictures().lastFolder(), dir.path());
    EXPECT_EQ(m.pictures().lastSaveChoice().filterIndex, 3);
}

TEST_F(WindowSettings, SavedAtTheEndOfOneRunRestoredAtTheStartOfTheNext)
{
    const QString path = dir.filePath(QStringLiteral("Vestrel.conf"));
    const KeptSettings changed = Changed(dir.path());
    {
        auto first = start();
        first->show();
        first->restoreSettings(changed);
        QSettings file(path, QSettings::IniFormat);
        ASSERT_TRUE(SettingsStore(file).save(first->keptSettings()));
    }
    auto second = start();
    second->restoreSettings(LoadFrom(path));
    second->show();
    EXPECT_EQ(second->keptSettings(), changed);
}

TEST_F(WindowSettings, APlaceOffEveryScreenGivesTheStartPlace)
{
    KeptSettings kept;
    kept.geometry = QRect(15000, 15000, 800, 600);
    kept.maximized = false;
    auto app = start();
    app->restoreSettings(kept);
    app->show();
    EXPECT_EQ(app->mainWindow().normalGeometry(), QRect(276, 26, 1024, 840));
}

TEST_F(WindowSettings, ResetButtonBringsBackTheStartState)
{
    auto today = start();
    today->show();
    today->settings().showSettings();
    auto app = start();
    app->restoreSettings(Changed(dir.path()));
    app->show();
    ASSERT_NE(Differences(Snapshot(*app), Snapshot(*today)), "");
    QPushButton* reset = app->settings().resetButton;
    EXPECT_EQ(reset->text(), QStringLiteral("Восстановить настройки по умолчанию"));
    app->settings().showSettings();
    app->settings().tabs->setCurrentIndex(1);
    QTest::mouseClick(reset, Qt::LeftButton);
    EXPECT_TRUE(app->mainWindow().isMaximized());
    // The page shown in the settings window is no setting.
    app->settings().tabs->setCurrentIndex(0);
    EXPECT_EQ(Differences(Snapshot(*app), Snapshot(*today)), "");
}
