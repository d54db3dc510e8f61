// SPDX-License-Identifier: MIT
#include "app/scene_commands.h"

#include "app/catalogue_part.h"
#include "app/crystal_class_part.h"
#include "app/gl_panel.h"
#include "app/main_menus.h"
#include "app/structure_file_part.h"
#include "app/symmetry_part.h"
#include "logic/zone_picture.h"

#include <QComboBox>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>

namespace vestrel {

SceneCommands::SceneCommands(QObject* parent, CataloguePart& catalogue, CrystalClassPart& crystal,
                             StructureFilePart& structureFile, SymmetryPart& symmetry, MainMenus& menus,
                             GlPanel& panel, QStatusBar& status)
    : QObject(parent), catalogue_(catalogue), crystal_(crystal), structureFile_(structureFile), symmetry_(symmetry),
      menus_(menus), panel_(panel), status_(status)
{
    connect(&crystal_, &CrystalClassPart::classChosen, this, &SceneCommands::chooseClass);
    connect(&crystal_, &CrystalClassPart::shownChanged, this, &SceneCommands::crystalChanged);
}

void SceneCommands::build()
{
    if (crystal_.chosen()) {
        crystal_.build();
        return;
    }
    // The structure from a file is the list's choice: it is built already.
    if (structureFile_.shown() && catalogue_.fileItemChosen() && catalogue_.catalogue().polyhedronItem() == 0)
        return;
    catalogue_.catalogue().build();
    sceneChanged();
}

void SceneCommands::erase()
{
    catalogue_.catalogue().erase();
    zone_.reset();
    structureFile_.remove();
    crystal_.hide();
    sceneChanged();
}

void SceneCommands::showZonePicture(const ZonePicture& picture)
{
    erase();
    zone_ = picture.scene;
    status_.showMessage(picture.status);
    panel_.update();
}

void SceneCommands::next()
{
    if (crystal_.chosen()) {
        crystal_.step(1);
        return;
    }
    catalogue_.catalogue().next();
    sceneChanged();
}

void SceneCommands::previous()
{
    if (crystal_.chosen()) {
        crystal_.step(-1);
        return;
    }
    catalogue_.catalogue().previous();
    sceneChanged();
}

void SceneCommands::chooseStructure(int item)
{
    // The item after the catalogue's is the structure from a file, shown
    // already: the catalogue has nothing chosen then.
    catalogue_.catalogue().chooseStructure(item > StructureCount ? 0 : item);
    if (item != 0)
        crystal_.clearChoice();
    sceneChanged();
}

void SceneCommands::choosePolyhedron(int item)
{
    catalogue_.catalogue().choosePolyhedron(item);
    // A polyhedron chosen takes the structure shown off at once.
    if (item != 0) {
        structureFile_.remove();
        crystal_.clearChoice();
    }
    sceneChanged();
}

bool SceneCommands::openStructureFile(const QString& path)
{
    // As "Построить" does for a new object: the scene shown and its photo
    // and text go, the polyhedron list returns to "Не выбрано".
    const bool opened = structureFile_.openFile(path, [this] {
        Catalogue& catalogue = catalogue_.catalogue();
        catalogue.choosePolyhedron(0);
        catalogue.chooseStructure(0);
        catalogue_.polyhedronList()->setCurrentIndex(0);
        catalogue.erase();
        zone_.reset();
        crystal_.clearChoice();
    });
    if (opened)
        symmetry_.follow(catalogue_.catalogue().sceneFlags());
    return opened;
}

void SceneCommands::chooseClass()
{
    Catalogue& catalogue = catalogue_.catalogue();
    catalogue.chooseStructure(0);
    catalogue.choosePolyhedron(0);
    catalogue_.structureList()->setCurrentIndex(0);
    catalogue_.polyhedronList()->setCurrentIndex(0);
    catalogue.erase();
    zone_.reset();
    structureFile_.remove();
    sceneChanged();
}

void SceneCommands::crystalChanged()
{
    if (const morphology::BuiltCrystal* built = crystal_.shown()) {
        catalogue_.catalogue().erase();
        zone_.reset();
        structureFile_.remove();
        QStringList memo;
        for (const std::string& line : built->memo)
            memo << QString::fromStdString(line);
        catalogue_.setInformation(memo.join(QLatin1Char('\n')));
        catalogue_.useStructureOptions(false);
        if (!built->status.empty())
            status_.showMessage(QString::fromStdString(built->status));
    }
    sceneChanged();
    panel_.update();
}

void SceneCommands::sceneChanged()
{
    const SceneFlags& scenes = catalogue_.catalogue().sceneFlags();
    if (std::ranges::any_of(scenes, [](bool on) { return on; })) {
        zone_.reset();
        if (structureFile_.shown())
            structureFile_.remove();
        crystal_.hide();
    }
    symmetry_.follow(scenes, crystal_.shown(), crystal_.generation());
}

void SceneCommands::enableSceneCommands(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{catalogue_.buildButton(), catalogue_.structureList(),
                                                      catalogue_.polyhedronList()})
        w->setEnabled(on);
    for (Command command : {Command::Build, Command::Next, Command::Previous})
        menus_.enable(command, on);
    symmetry_.enablePerform(on);
}

} // namespace vestrel
