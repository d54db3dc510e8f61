// SPDX-License-Identifier: MIT
// The symmetry lesson in the main window: the group "Операции симметрии :"
// lists the built polyhedron's elements, picks one out and carries out its
// operation. It follows the built scene when the scene changes.
#pragma once

#include "logic/morphology/crystal_forms.h"
#include "logic/symmetry_lesson.h"

#include <QObject>

#include <functional>

class QGroupBox;
class QListWidget;
class QPushButton;
class QStatusBar;
class QWidget;

namespace vestrel {

class GlPanel;

class SymmetryPart : public QObject {
    Q_OBJECT
public:
    // enableSceneCommands: what would change the scene is disabled while an
    // operation runs.
    SymmetryPart(QWidget* parent, GlPanel& panel, QStatusBar& status,
                 std::function<void(bool)> enableSceneCommands);

    QGroupBox* group() const { return group_; }
    QListWidget* list() const { return list_; }
    QPushButton* performButton() const { return performButton_; }
    const SymmetryLesson& lesson() const { return lesson_; }

    // The scene was built, erased or changed: the built polyhedron's
    // elements, or those of the crystal of a class shown (generation tells
    // a crystal built anew).
    void follow(const SceneFlags& scenes, const morphology::BuiltCrystal* crystal = nullptr, int generation = 0);
    void choose(int row);
    void perform();
    // A frame went by: the running operation moves on.
    void advance(double seconds);
    // The perform button as the choice allows, once the scene commands are on.
    void enablePerform(bool on);

private:
    void refill(bool wasRunning);

    GlPanel& panel_;
    QStatusBar& status_;
    std::function<void(bool)> enableSceneCommands_;
    SymmetryLesson lesson_;
    int crystalGeneration_ = -1; // of the crystal whose elements are listed; -1 for none
    QGroupBox* group_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* performButton_ = nullptr;
};

} // namespace vestrel
