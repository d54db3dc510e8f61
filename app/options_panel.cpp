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
    group_ = named(new QGroupBox(QStringLiteral("Опции :"), parent), "grp1");
    SetHint(group_, QStringLiteral("Опции построения и отображения"));
    auto* column = new QVBoxLayout(group_);
    const auto check = [&options](QWidget* box, const char* name, const QString& caption, const QString& hint,
                                  auto option) {
        auto* check = named(new QCheckBox(caption, box), name);
        if (!hint.isEmpty())
            SetHint(check, hint);
        Bind(check, options, Option(option));
        return check;
    };
    auto* axesGroup = named(new QGroupBox(QStringLiteral("Оси :"), group_), "grp6");
    SetHint(axesGroup, QStringLiteral("Вспомогательные оси"));
    auto* axesRow = new QHBoxLayout(axesGroup);
    axesRow->addWidget(check(axesGroup, "chk5", QStringLiteral("OX"), QStringLiteral("Построить ось OX"), &AuxiliaryOptions::axisOX));
    axesRow->addWidget(check(axesGroup, "chk7", QStringLiteral("OY"), QStringLiteral("Построить ось OY"), &AuxiliaryOptions::axisOY));
    axesRow->addWidget(check(axesGroup, "chk6", QStringLiteral("OZ"), QStringLiteral("Построить ось OZ"), &AuxiliaryOptions::axisOZ));
    column->addWidget(axesGroup);
    auto* planesGroup = named(new QGroupBox(QStringLiteral("Плоскости :"), group_), "grp4");
    SetHint(planesGroup, QStringLiteral("Вспомогательные плоскости"));
    auto* planesRow = new QHBoxLayout(planesGroup);
    planesRow->addWidget(check(planesGroup, "chk4", QStringLiteral("XY"), QStringLiteral("Построить плоскость XY"), &AuxiliaryOptions::planeXY));
    planesRow->addWidget(check(planesGroup, "chk3", QStringLiteral("YZ"), QStringLiteral("Построить плоскость YZ"), &AuxiliaryOptions::planeYZ));
    planesRow->addWidget(check(planesGroup, "chk2", QStringLiteral("XZ"), QStringLiteral("Построить плоскость XZ"), &AuxiliaryOptions::planeXZ));
    column->addWidget(planesGroup);
    auto* presentation = named(new QGroupBox(QStringLiteral("Презентация :"), group_), "grp3");
    auto* switches = new QVBoxLayout(presentation);
    switches->addWidget(check(presentation, "chk1", QStringLiteral("Вращать вокруг Оси OZ"),
                              QStringLiteral("Вращать/не вращать  объект вокруг оси OZ"), &KeptSettings::autoRotate));
    showBonds_ = check(presentation, "chk8", QStringLiteral("Показывать соед. линии"),
                       QStringLiteral("Отображать/скрыть линии, соединяющие атомы в структурах кристаллов"),
                       &KeptSettings::showBonds);
    switches->addWidget(showBonds_);
    switches->addWidget(check(presentation, "chk9", QStringLiteral("Показывать винт. оси"), QString(), &KeptSettings::showScrewAxes));
    showSymmetryAxes_ = check(presentation, "chk11", QStringLiteral("Показ. оси симметрии"),
                              QStringLiteral("Отображать/скрыть оси симметрии в многогранниках"),
                              &KeptSettings::showSymmetryAxes);
    switches->addWidget(showSymmetryAxes_);
    showSymmetryPlanes_ = check(presentation, "chk10", QStringLiteral("Показ. плоск. симметрии"),
                                QStringLiteral("Отображать/скрыть плоскости симметрии в многогранниках"),
                                &KeptSettings::showSymmetryPlanes);
    switches->addWidget(showSymmetryPlanes_);
    switches->addWidget(check(presentation, "showFaceSymbolsCheck", QStringLiteral("Показывать символы граней"),
                              QStringLiteral("Писать на гранях кристалла их символы (hkl)"),
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
