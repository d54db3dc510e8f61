// SPDX-License-Identifier: MIT
#include "app/options_panel.h"

#include "app/main_window_parts.h"
#include "app/option_binding.h"
#include "logic/hints.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vestrel {

OptionsPanel::OptionsPanel(QWidget* parent, Options& options) : QObject(parent)
{
    group_ = named(new QGroupBox(tr("Опции :"), parent), "grp1");
    SetHint(group_, tr("Опции построения и отображения"));
    auto* column = new QVBoxLayout(group_);
    const auto check = [&options](QWidget* box, const char* name, const QString& caption, const QString& hint,
                                  auto option) {
        auto* check = named(new QCheckBox(caption, box), name);
        if (!hint.isEmpty())
            SetHint(check, hint);
        Bind(check, options, Option(option));
        return check;
    };
    auto* axesGroup = named(new QGroupBox(tr("Оси :"), group_), "grp6");
    SetHint(axesGroup, tr("Вспомогательные оси"));
    auto* axesRow = new QHBoxLayout(axesGroup);
    axesRow->addWidget(check(axesGroup, "chk5", QStringLiteral("OX"), tr("Построить ось OX"), &AuxiliaryOptions::axisOX));
    axesRow->addWidget(check(axesGroup, "chk7", QStringLiteral("OY"), tr("Построить ось OY"), &AuxiliaryOptions::axisOY));
    axesRow->addWidget(check(axesGroup, "chk6", QStringLiteral("OZ"), tr("Построить ось OZ"), &AuxiliaryOptions::axisOZ));
    column->addWidget(axesGroup);
    auto* planesGroup = named(new QGroupBox(tr("Плоскости :"), group_), "grp4");
    SetHint(planesGroup, tr("Вспомогательные плоскости"));
    auto* planesRow = new QHBoxLayout(planesGroup);
    planesRow->addWidget(check(planesGroup, "chk4", QStringLiteral("XY"), tr("Построить плоскость XY"), &AuxiliaryOptions::planeXY));
    planesRow->addWidget(check(planesGroup, "chk3", QStringLiteral("YZ"), tr("Построить плоскость YZ"), &AuxiliaryOptions::planeYZ));
    planesRow->addWidget(check(planesGroup, "chk2", QStringLiteral("XZ"), tr("Построить плоскость XZ"), &AuxiliaryOptions::planeXZ));
    column->addWidget(planesGroup);
    auto* presentation = named(new QGroupBox(tr("Презентация :"), group_), "grp3");
    auto* switches = new QVBoxLayout(presentation);
    switches->addWidget(check(presentation, "chk1", tr("Вращать вокруг Оси OZ"),
                              tr("Вращать/не вращать  объект вокруг оси OZ"), &KeptSettings::autoRotate));
    showBonds_ = check(presentation, "chk8", tr("Показывать соед. линии"),
                       tr("Отображать/скрыть линии, соединяющие атомы в структурах кристаллов"),
                       &KeptSettings::showBonds);
    switches->addWidget(showBonds_);
    switches->addWidget(check(presentation, "chk9", tr("Показывать винт. оси"), QString(), &KeptSettings::showScrewAxes));
    showSymmetryAxes_ = check(presentation, "chk11", tr("Показ. оси симметрии"),
                              tr("Отображать/скрыть оси симметрии в многогранниках"),
                              &KeptSettings::showSymmetryAxes);
    switches->addWidget(showSymmetryAxes_);
    showSymmetryPlanes_ = check(presentation, "chk10", tr("Показ. плоск. симметрии"),
                                tr("Отображать/скрыть плоскости симметрии в многогранниках"),
                                &KeptSettings::showSymmetryPlanes);
    switches->addWidget(showSymmetryPlanes_);
    switches->addWidget(check(presentation, "showFaceSymbolsCheck", tr("Показывать символы граней"),
                              tr("Писать на гранях кристалла их символы (hkl)"),
                              &AuxiliaryOptions::showFaceSymbols));
    column->addWidget(presentation);
}

void OptionsPanel::addAtFoot(QWidget* widget) { group_->layout()->addWidget(widget); }

void OptionsPanel::enableFor(bool structures)
{
    showBonds_->setEnabled(structures);
    showSymmetryPlanes_->setEnabled(!structures);
    showSymmetryAxes_->setEnabled(!structures);
}

} // namespace vestrel
