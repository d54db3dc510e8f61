// SPDX-License-Identifier: MIT
#include "app/window_settings.h"

#include "app/colour_list.h"
#include "app/main_window.h"
#include "app/main_window_parts.h"
#include "app/settings_window.h"
#include "logic/picture_commands.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>

namespace vestrel {

namespace {

std::array<QAction*, 11> toolBarItems(const MainWindow& m)
{
    // The order of the tool-bar menu.
    return {m.showBuildToolAction, m.showEraseToolAction, m.showReferenceToolAction, m.showPreviousToolAction,
            m.showNextToolAction, m.showSaveToolAction, m.showScreenshotToolAction, m.showLegendToolAction,
            m.showSettingsToolAction, m.showHelpToolAction, m.showExitToolAction};
}

std::array<ColourList*, 4> axisLists(const SettingsWindow& s)
{
    return {s.axisOrder2ColourList, s.axisOrder3ColourList, s.axisOrder4ColourList, s.axisOrder6ColourList};
}

std::array<QAction*, 3> axesColourItems(const MainWindow& m)
{
    return {m.axesRedAction, m.axesGreenAction, m.axesBlueAction};
}

std::array<QAction*, 4> planesColourItems(const MainWindow& m)
{
    return {m.planesWhiteAction, m.planesRedAction, m.planesGreenAction, m.planesBlueAction};
}

template <std::size_t N>
int checkedItem(const std::array<QAction*, N>& items, int fallback)
{
    for (std::size_t i = 0; i < N; ++i)
        if (items[i]->isChecked())
            return static_cast<int>(i);
    return fallback;
}

// Checks one item of an exclusive menu group; an index outside the menu
// changes nothing.
template <std::size_t N>
void checkItem(const std::array<QAction*, N>& items, int item)
{
    if (item >= 0 && static_cast<std::size_t>(item) < N)
        items[static_cast<std::size_t>(item)]->setChecked(true);
}

bool onSomeScreen(const QRect& geometry)
{
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(geometry))
            return true;
    return false;
}

} // namespace

KeptSettings CollectSettings(MainWindow& main, const SettingsWindow& settings)
{
    KeptSettings kept;
    kept.frameInterval = settings.frameIntervalSlider->value();
    const auto lists = axisLists(settings);
    for (std::size_t i = 0; i < lists.size(); ++i)
        kept.axisColours[i] = lists[i]->itemIndex();
    kept.screwAxisColour = settings.screwAxisColourList->itemIndex();
    kept.solidFaces = settings.solidFacesRadio->isChecked();
    kept.invertedMouse = settings.invertedMouseRadio->isChecked();
    kept.maxDistance = settings.maxDistanceCheck->isChecked();
    kept.hideDetails = settings.hideDetailsCheck->isChecked();
    kept.hideSidePanel = settings.hideSidePanelCheck->isChecked();
    kept.showToolBar = settings.showToolBarCheck->isChecked();
    kept.shaded = settings.shadedCheck->isChecked();
    kept.smooth = settings.smoothCheck->isChecked();

    kept.axesColour = checkedItem(axesColourItems(main), kept.axesColour);
    kept.planesColour = checkedItem(planesColourItems(main), kept.planesColour);
    const auto tools = toolBarItems(main);
    for (std::size_t i = 0; i < tools.size(); ++i)
        kept.toolButtons[i] = tools[i]->isChecked();
    kept.autoRotate = main.autoRotateCheck->isChecked();
    kept.showBonds = main.showBondsCheck->isChecked();
    kept.showScrewAxes = main.showScrewAxesCheck->isChecked();
    kept.showSymmetryAxes = main.showSymmetryAxesCheck->isChecked();
    kept.showSymmetryPlanes = main.showSymmetryPlanesCheck->isChecked();

    kept.saveFolder = main.pictures().lastFolder();
    kept.saveFilter = main.pictures().lastSaveChoice().filterIndex;
    kept.structureFolder = main.structureFolder();

    // A window never shown has no normal geometry yet; its start geometry
    // is not kept then.
    const QRect normal = main.normalGeometry();
    if (normal.isValid())
        kept.geometry = normal;
    kept.maximized = main.isMaximized();
    return kept;
}

void ApplySettings(const KeptSettings& kept, MainWindow& main, SettingsWindow& settings)
{
    settings.frameIntervalSlider->setValue(kept.frameInterval);
    const auto lists = axisLists(settings);
    for (std::size_t i = 0; i < lists.size(); ++i)
        lists[i]->setItemIndex(kept.axisColours[i]);
    settings.screwAxisColourList->setItemIndex(kept.screwAxisColour);
    (kept.solidFaces ? settings.solidFacesRadio : settings.seeThroughFacesRadio)->setChecked(true);
    (kept.invertedMouse ? settings.invertedMouseRadio : settings.directMouseRadio)->setChecked(true);
    settings.maxDistanceCheck->setChecked(kept.maxDistance);
    settings.hideDetailsCheck->setChecked(kept.hideDetails);
    settings.hideSidePanelCheck->setChecked(kept.hideSidePanel);
    settings.showToolBarCheck->setChecked(kept.showToolBar);
    settings.shadedCheck->setChecked(kept.shaded);
    settings.smoothCheck->setChecked(kept.smooth);

    checkItem(axesColourItems(main), kept.axesColour);
    checkItem(planesColourItems(main), kept.planesColour);
    const auto tools = toolBarItems(main);
    for (std::size_t i = 0; i < tools.size(); ++i)
        tools[i]->setChecked(kept.toolButtons[i]);
    main.autoRotateCheck->setChecked(kept.autoRotate);
    main.showBondsCheck->setChecked(kept.showBonds);
    main.showScrewAxesCheck->setChecked(kept.showScrewAxes);
    main.showSymmetryAxesCheck->setChecked(kept.showSymmetryAxes);
    main.showSymmetryPlanesCheck->setChecked(kept.showSymmetryPlanes);

    main.pictures().setSaveDialogStart(kept.saveFolder, kept.saveFilter);
    main.setStructureFolder(kept.structureFolder);

    const QRect geometry = kept.geometry && onSomeScreen(*kept.geometry) ? *kept.geometry : StartGeometry;
    if (main.isVisible() && main.isMaximized())
        main.showNormal();
    main.setGeometry(geometry);
    // The tool bar and interface options show at once rather than on the
    // next tick of the interface timer.
    main.applyInterfaceOptions();
}

} // namespace vestrel
