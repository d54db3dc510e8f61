// SPDX-License-Identifier: MIT
// The settings kept between runs: the choices of the settings window, the
// colour and tool-bar menus, the presentation switches of the side panel, the
// save dialog's last folder and entry, the folder of the structure-file
// dialog, and the main window's place and size.
// A missing item, or one of the wrong type or out of range, gives its start
// value; the others are used as they are.
#pragma once

#include "frame/frame_inputs.h"
#include "logic/text/language.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

class QSettings;

namespace vestrel {

// Item indices follow the lists and menus they come from. The start values
// of the options the frame reads are the frame's own (FrameInputs,
// DisplayOptions); the others are written here, and only here.
struct KeptSettings {
    // Settings window, tab "Настройки объектов".
    int frameInterval = 50; // ms, 1 to 100
    // Axes of order 2, 3, 4, 6: 0 "Не строить", 1 "Зеленый", 2 "Красный",
    // 3 "Синий", 4 "Желтый".
    std::array<int, 4> axisColours{DisplayOptions{}.axisColour2, DisplayOptions{}.axisColour3,
                                   DisplayOptions{}.axisColour4, DisplayOptions{}.axisColour6};
    // 0 "Зеленый", 1 "Красный", 2 "Синий", 3 "Желтый"
    int screwAxisColour = DisplayOptions{}.screwColour;
    bool solidFaces = DisplayOptions{}.solidFaces; // "Сплошные грани", else "Прозрачные грани"
    // Tab "Параметры программы".
    bool invertedMouse = false;
    bool maxDistance = FrameInputs{}.maxDistance;
    bool hideDetails = false;
    bool hideSidePanel = false;
    bool showToolBar = true;
    bool shaded = FrameInputs{}.shaded; // "Объёмное изображение"
    bool smooth = FrameInputs{}.smooth; // "Сглаживание"
    // Menu "Настройки" → "Окно" → "Цвет".
    int axesColour = AuxiliaryColourMenus{}.axesItem();     // 0 "Красный", 1 "Зеленый", 2 "Синий"
    int planesColour = AuxiliaryColourMenus{}.planesItem(); // 0 "Белый", 1 "Красный", 2 "Зеленый", 3 "Синий"
    // Menu "Настройки" → "Панель инструментов", in the menu's order.
    std::array<bool, 11> toolButtons{true, true, true, true, true, true, true, true, true, true, true};
    // Side panel, group "Презентация :".
    bool autoRotate = FrameInputs{}.autoRotate;
    bool showBonds = DisplayOptions{}.showLines;
    bool showScrewAxes = DisplayOptions{}.showScrewAxes;
    bool showSymmetryAxes = DisplayOptions{}.showSymAxes;
    bool showSymmetryPlanes = DisplayOptions{}.showSymPlanes;
    // Save dialog: the folder of the last picture saved, and its entry.
    QString saveFolder;
    int saveFilter = 1; // 1 to 4, the last "Рисунок PNG (*.png)"
    // "Открыть структуру…": the folder of the last file chosen.
    QString structureFolder;
    // Main window: its normal (not maximized) place and size, when one was
    // kept, and whether it was maximized.
    std::optional<QRect> geometry;
    bool maximized = true;
    // "Настройки" → "Язык / Language": the language chosen; none while the
    // system's locale decides.
    std::optional<Language> language;

    bool operator==(const KeptSettings&) const = default;
};

// The kept settings in a settings file.
class SettingsStore {
public:
    // Reads and writes `file`, which stays the caller's.
    explicit SettingsStore(QSettings& file) : file_(file) {}

    // Every item from the file; an item that is missing, of the wrong type or
    // out of range gives its start value. rejectedKeys() then lists the keys
    // of the items that were present but unusable.
    KeptSettings load();
    QStringList rejectedKeys() const { return rejected_; }

    // Writes every item and flushes the file. QSettings writes a new file
    // beside the old one and renames it over the old one (QSaveFile), so a
    // crash or a full disk never leaves half a settings file. Returns whether
    // the file was written.
    bool save(const KeptSettings& settings);

    // Removes every kept item, so the next load gives the start values.
    bool reset();

private:
    void readLanguage(std::optional<Language>& language);
    QSettings& file_;
    QStringList rejected_;
};

// The user's settings file: organisation "Vestrel", application "Vestrel"
// (~/.config/Vestrel/Vestrel.conf, or under $XDG_CONFIG_HOME).
std::unique_ptr<QSettings> OpenUserSettings();

} // namespace vestrel
