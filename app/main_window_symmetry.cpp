// SPDX-License-Identifier: MIT
// The main window's symmetry operations: the group of the side panel that
// lists the built polyhedron's elements of symmetry, picks one out and
// carries out its operation.
#include "app/main_window.h"

#include "app/gl_panel.h"
#include "app/main_window_parts.h"
#include "logic/hints.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace vestrel {

namespace {

std::optional<SceneId> builtPolyhedron(const SceneFlags& flags)
{
    for (int i = 0; i < SceneCount; ++i)
        if (flags[static_cast<std::size_t>(i)] && IsPolyhedron(static_cast<SceneId>(i)))
            return static_cast<SceneId>(i);
    return std::nullopt;
}

} // namespace

QGroupBox* MainWindow::buildSymmetryGroup(QWidget* parent)
{
    symmetryGroup = new QGroupBox(QStringLiteral("Операции симметрии :"), parent);
    symmetryGroup->setObjectName(QStringLiteral("symmetryGroup"));
    SetHint(symmetryGroup, QStringLiteral("Элементы симметрии построенного многогранника"));
    auto* column = new QVBoxLayout(symmetryGroup);
    symmetryList = new QListWidget(symmetryGroup);
    symmetryList->setObjectName(QStringLiteral("symmetryList"));
    symmetryList->setMinimumHeight(110);
    SetHint(symmetryList, QStringLiteral("Выбранный элемент выделяется в окне построения"));
    connect(symmetryList, &QListWidget::currentRowChanged, this, &MainWindow::symmetryElementChosen);
    column->addWidget(symmetryList);
    performButton = new QPushButton(QStringLiteral("Выполнить"), symmetryGroup);
    performButton->setObjectName(QStringLiteral("performButton"));
    SetHint(performButton, QStringLiteral("Выполнить операцию симметрии выбранного элемента"));
    connect(performButton, &QPushButton::clicked, this, &MainWindow::performSymmetryOperation);
    column->addWidget(performButton);
    symmetryGroup->setVisible(false);
    return symmetryGroup;
}

void MainWindow::syncSymmetryPanel()
{
    const std::optional<SceneId> built = builtPolyhedron(catalogue_->sceneFlags());
    if (built != symmetry_.polyhedron()) {
        const bool wasRunning = symmetry_.running();
        symmetry_.setPolyhedron(built);
        const QSignalBlocker quiet(symmetryList);
        symmetryList->clear();
        symmetryList->addItems(symmetry_.captions());
        if (wasRunning)
            enableSceneCommands(true);
        performButton->setEnabled(false);
    }
    symmetryGroup->setVisible(built.has_value());
}

void MainWindow::symmetryElementChosen(int row)
{
    symmetry_.choose(row);
    enableSceneCommands(true);
    glPanel->update();
}

void MainWindow::performSymmetryOperation()
{
    if (!symmetry_.start())
        return;
    enableSceneCommands(false);
}

void MainWindow::advanceSymmetryOperation()
{
    if (!symmetry_.running())
        return;
    if (symmetry_.advance(frameTimer->interval() / 1000.0)) {
        statusLine->showMessage(SymmetryOperationDoneMessage(symmetry_.elements()[static_cast<std::size_t>(symmetry_.chosen())]));
        enableSceneCommands(true);
    }
}

// While an operation runs, what would change the scene waits; erasing stays
// possible and stops it.
void MainWindow::enableSceneCommands(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{buildButton, structureList, polyhedronList, symmetryList,
                                                      performButton, buildToolButton, nextToolButton,
                                                      previousToolButton})
        w->setEnabled(on);
    buildAction->setEnabled(on);
    performButton->setEnabled(on && symmetry_.chosen() >= 0);
}

} // namespace vestrel
