// SPDX-License-Identifier: MIT
#include "app/symmetry_part.h"

#include "app/gl_panel.h"
#include "logic/hints.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
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

SymmetryPart::SymmetryPart(QWidget* parent, GlPanel& panel, QStatusBar& status,
                           std::function<void(bool)> enableSceneCommands)
    : QObject(parent), panel_(panel), status_(status), enableSceneCommands_(std::move(enableSceneCommands))
{
    group_ = new QGroupBox(QCoreApplication::translate("SymmetryPart", "Операции симметрии :"), parent);
    group_->setObjectName(QStringLiteral("symmetryGroup"));
    SetHint(group_, QCoreApplication::translate("SymmetryPart", "Элементы симметрии построенного многогранника"));
    auto* column = new QVBoxLayout(group_);
    list_ = new QListWidget(group_);
    list_->setObjectName(QStringLiteral("symmetryList"));
    list_->setMinimumHeight(110);
    SetHint(list_, QCoreApplication::translate("SymmetryPart", "Выбранный элемент выделяется в окне построения"));
    connect(list_, &QListWidget::currentRowChanged, this, &SymmetryPart::choose);
    column->addWidget(list_);
    performButton_ = new QPushButton(QCoreApplication::translate("SymmetryPart", "Выполнить"), group_);
    performButton_->setObjectName(QStringLiteral("performButton"));
    SetHint(performButton_, QCoreApplication::translate("SymmetryPart", "Выполнить операцию симметрии выбранного элемента"));
    connect(performButton_, &QPushButton::clicked, this, &SymmetryPart::perform);
    column->addWidget(performButton_);
    group_->setVisible(false);
}

void SymmetryPart::follow(const SceneFlags& scenes, const morphology::BuiltCrystal* crystal, int generation)
{
    const std::optional<SceneId> built = builtPolyhedron(scenes);
    const bool wasRunning = lesson_.running();
    if (crystal && !built) {
        if (generation != crystalGeneration_) {
            crystalGeneration_ = generation;
            lesson_.setCrystalForm(crystal->elements, crystal->extent);
            refill(wasRunning);
        }
    } else if (built != lesson_.polyhedron() || crystalGeneration_ >= 0) {
        crystalGeneration_ = -1;
        lesson_.setPolyhedron(built);
        refill(wasRunning);
    }
    group_->setVisible(built.has_value() || crystal);
}

void SymmetryPart::refill(bool wasRunning)
{
    const QSignalBlocker quiet(list_);
    list_->clear();
    list_->addItems(lesson_.captions());
    if (wasRunning)
        enableSceneCommands_(true);
    performButton_->setEnabled(false);
}

void SymmetryPart::choose(int row)
{
    lesson_.choose(row);
    enableSceneCommands_(true);
    panel_.update();
}

void SymmetryPart::perform()
{
    if (!lesson_.start())
        return;
    enableSceneCommands_(false);
}

void SymmetryPart::advance(double seconds)
{
    if (!lesson_.running())
        return;
    if (lesson_.advance(seconds)) {
        status_.showMessage(SymmetryOperationDoneMessage(lesson_.elements()[static_cast<std::size_t>(lesson_.chosen())]));
        enableSceneCommands_(true);
    }
}

void SymmetryPart::enablePerform(bool on)
{
    list_->setEnabled(on);
    performButton_->setEnabled(on && lesson_.chosen() >= 0);
}

} // namespace vestrel
