// SPDX-License-Identifier: MIT
// The commands that change the scene shown: Build, Erase, Next, Previous,
// the two lists' choices, a structure from a file and the zone law in space.
// After each, a built-in scene on replaces the structure from a file and the
// zone picture, and the symmetry lesson follows the built polyhedron.
#pragma once

#include "scenes/zone_scene.h"

#include <QObject>

#include <optional>

class QStatusBar;

namespace vestrel {

struct ZonePicture;

class CataloguePart;
class CrystalClassPart;
class GlPanel;
class MainMenus;
class StructureFilePart;
class SymmetryPart;

class SceneCommands : public QObject {
    Q_OBJECT
public:
    SceneCommands(QObject* parent, CataloguePart& catalogue, CrystalClassPart& crystal,
                  StructureFilePart& structureFile, SymmetryPart& symmetry, MainMenus& menus, GlPanel& panel,
                  QStatusBar& status);

    void build();
    void erase();
    void next();
    void previous();
    void chooseStructure(int item);
    void choosePolyhedron(int item);
    // A class chosen in "Классы симметрии :": the other lists back to
    // "Не выбрано", their scenes off.
    void chooseClass();
    void showZonePicture(const ZonePicture& picture);
    bool openStructureFile(const QString& path);
    // While an operation runs, what would change the scene waits; erasing
    // stays possible and stops it.
    void enableSceneCommands(bool on);

    const std::optional<ZoneScene>& zone() const { return zone_; }

private:
    void sceneChanged();
    // A class's crystal was shown, built anew or taken off: its notes, the
    // options for polyhedra, the status bar for an open form.
    void crystalChanged();

    CataloguePart& catalogue_;
    CrystalClassPart& crystal_;
    StructureFilePart& structureFile_;
    SymmetryPart& symmetry_;
    MainMenus& menus_;
    GlPanel& panel_;
    QStatusBar& status_;
    std::optional<ZoneScene> zone_;
};

} // namespace vestrel
