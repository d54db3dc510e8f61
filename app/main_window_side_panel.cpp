// SPDX-License-Identifier: MIT
// The side panel of the main window: the tools group (build, erase, the two
// lists, the distance) and the options group (auxiliary axes and planes,
// presentation switches, the crystal's photo and notes).
#include "app/main_window.h"

#include "app/colour_list.h"
#include "app/main_window_parts.h"
#include "app/picture_box.h"
#include "logic/catalogue.h"
#include "logic/hints.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QVBoxLayout>

namespace vestrel {

QWidget* MainWindow::buildSidePanel()
{
    sidePanel = named(new QFrame(this), "pnl2");
    sidePanel->setFrameShape(QFrame::Box);
    sidePanel->setFixedWidth(SidePanelWidth);
    auto* layout = new QVBoxLayout(sidePanel);
    layout->setContentsMargins(3, 3, 3, 3);
    sideScroll = named(new QScrollArea(sidePanel), "ScrollBox1");
    sideScroll->setWidgetResizable(true);
    sideScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(2, 2, 2, 2);
    column->addWidget(buildToolsGroup(content));
    column->addWidget(buildSymmetryGroup(content));
    column->addWidget(buildCellsGroup(content));
    column->addWidget(buildOptionsGroup(content));
    column->addStretch(1);
    // The side panel is narrow: keep the groups tight.
    for (QLayout* inner : content->findChildren<QLayout*>()) {
        inner->setContentsMargins(4, 2, 4, 2);
        inner->setSpacing(2);
    }
    // Group titles must not widen the panel beyond its 224 pixels.
    for (QGroupBox* group : content->findChildren<QGroupBox*>())
        group->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    for (QComboBox* list : content->findChildren<QComboBox*>()) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(8);
    }
    sideScroll->setWidget(content);
    layout->addWidget(sideScroll);
    return sidePanel;
}

QGroupBox* MainWindow::buildToolsGroup(QWidget* parent)
{
    toolsGroup = named(new QGroupBox(QStringLiteral("Инструменты :"), parent), "grp7");
    auto* column = new QVBoxLayout(toolsGroup);

    buildButton = named(new QPushButton(QStringLiteral("Построить"), toolsGroup), "btn3");
    SetHint(buildButton, QStringLiteral("Построить в среднем окне выбранную структуру или многогранник"));
    connect(buildButton, &QPushButton::clicked, this, &MainWindow::build);
    column->addWidget(buildButton);
    eraseButton = named(new QPushButton(QStringLiteral("Стереть построение"), toolsGroup), "btn1");
    SetHint(eraseButton, QStringLiteral("Стереть построенную структуру или многогранник"));
    connect(eraseButton, &QPushButton::clicked, this, &MainWindow::eraseScene);
    column->addWidget(eraseButton);

    structureGroup = named(new QGroupBox(QStringLiteral("Структура : "), toolsGroup), "grp8");
    structureList = named(new QComboBox(structureGroup), "cbb1");
    structureList->addItems(StructureListItems());
    structureList->setMaxVisibleItems(19);
    SetHint(structureList, QStringLiteral("Список структур для построения"));
    // Only the user's choice runs the change handler; selections made by
    // the program do not.
    connect(structureList, &QComboBox::activated, this, &MainWindow::structureChosen);
    (new QVBoxLayout(structureGroup))->addWidget(structureList);
    column->addWidget(structureGroup);

    polyhedronGroup = named(new QGroupBox(QStringLiteral("Многогр. и их элем. симметрии : "), toolsGroup), "grp5");
    polyhedronList = named(new QComboBox(polyhedronGroup), "cbb2");
    polyhedronList->addItems(PolyhedronListItems());
    polyhedronList->setMaxVisibleItems(13);
    SetHint(polyhedronList, QStringLiteral("Список многогранников для построения"));
    connect(polyhedronList, &QComboBox::activated, this, &MainWindow::polyhedronChosen);
    (new QVBoxLayout(polyhedronGroup))->addWidget(polyhedronList);
    column->addWidget(polyhedronGroup);

    distanceGroup = named(new QGroupBox(QStringLiteral("Дистанция до центра: 60"), toolsGroup), "grp2");
    distanceSlider = named(new QSlider(Qt::Horizontal, distanceGroup), "TrackBar1");
    distanceSlider->setRange(MinDistance, MaxDistance);
    distanceSlider->setValue(view_.Distance);
    distanceSlider->setSingleStep(3);
    distanceSlider->setPageStep(3);
    distanceSlider->setTickPosition(QSlider::TicksBothSides);
    distanceSlider->setTickInterval(MaxDistance); // only the end ticks
    SetHint(distanceSlider, QStringLiteral("Расстояние (в отн. единицах) до центра области построения"));
    connect(distanceSlider, &QSlider::valueChanged, this, &MainWindow::distanceChanged);
    (new QVBoxLayout(distanceGroup))->addWidget(distanceSlider);
    column->addWidget(distanceGroup);
    return toolsGroup;
}

QGroupBox* MainWindow::buildOptionsGroup(QWidget* parent)
{
    optionsGroup = named(new QGroupBox(QStringLiteral("Опции :"), parent), "grp1");
    SetHint(optionsGroup, QStringLiteral("Опции построения и отображения"));
    auto* column = new QVBoxLayout(optionsGroup);
    const auto check = [](QWidget* group, const char* name, const QString& caption, const QString& hint) {
        auto* box = named(new QCheckBox(caption, group), name);
        if (!hint.isEmpty())
            SetHint(box, hint);
        return box;
    };

    axesGroup = named(new QGroupBox(QStringLiteral("Оси :"), optionsGroup), "grp6");
    SetHint(axesGroup, QStringLiteral("Вспомогательные оси"));
    axisOXCheck = check(axesGroup, "chk5", QStringLiteral("OX"), QStringLiteral("Построить ось OX"));
    axisOYCheck = check(axesGroup, "chk7", QStringLiteral("OY"), QStringLiteral("Построить ось OY"));
    axisOZCheck = check(axesGroup, "chk6", QStringLiteral("OZ"), QStringLiteral("Построить ось OZ"));
    auto* axesRow = new QHBoxLayout(axesGroup);
    for (QCheckBox* box : {axisOXCheck, axisOYCheck, axisOZCheck})
        axesRow->addWidget(box);
    column->addWidget(axesGroup);

    planesGroup = named(new QGroupBox(QStringLiteral("Плоскости :"), optionsGroup), "grp4");
    SetHint(planesGroup, QStringLiteral("Вспомогательные плоскости"));
    planeXYCheck = check(planesGroup, "chk4", QStringLiteral("XY"), QStringLiteral("Построить плоскость XY"));
    planeYZCheck = check(planesGroup, "chk3", QStringLiteral("YZ"), QStringLiteral("Построить плоскость YZ"));
    planeXZCheck = check(planesGroup, "chk2", QStringLiteral("XZ"), QStringLiteral("Построить плоскость XZ"));
    auto* planesRow = new QHBoxLayout(planesGroup);
    for (QCheckBox* box : {planeXYCheck, planeYZCheck, planeXZCheck})
        planesRow->addWidget(box);
    column->addWidget(planesGroup);

    presentationGroup = named(new QGroupBox(QStringLiteral("Презентация :"), optionsGroup), "grp3");
    autoRotateCheck = check(presentationGroup, "chk1", QStringLiteral("Вращать вокруг Оси OZ"), QStringLiteral("Вращать/не вращать  объект вокруг оси OZ"));
    showBondsCheck = check(presentationGroup, "chk8", QStringLiteral("Показывать соед. линии"),
                 QStringLiteral("Отображать/скрыть линии, соединяющие атомы в структурах кристаллов"));
    showScrewAxesCheck = check(presentationGroup, "chk9", QStringLiteral("Показывать винт. оси"), QString());
    showSymmetryAxesCheck = check(presentationGroup, "chk11", QStringLiteral("Показ. оси симметрии"),
                  QStringLiteral("Отображать/скрыть оси симметрии в многогранниках"));
    showSymmetryPlanesCheck = check(presentationGroup, "chk10", QStringLiteral("Показ. плоск. симметрии"),
                  QStringLiteral("Отображать/скрыть плоскости симметрии в многогранниках"));
    showBondsCheck->setChecked(true);
    showSymmetryAxesCheck->setChecked(true);
    auto* presentation = new QVBoxLayout(presentationGroup);
    for (QCheckBox* box : {autoRotateCheck, showBondsCheck, showScrewAxesCheck, showSymmetryAxesCheck, showSymmetryPlanesCheck})
        presentation->addWidget(box);
    column->addWidget(presentationGroup);

    photoGroup = named(new QGroupBox(QStringLiteral("Внешний вид кристалла :"), optionsGroup), "grp9");
    photoBox = named(new PictureBox(photoGroup), "image11");
    photoBox->setFixedSize(147, 99);
    SetHint(photoBox, QStringLiteral("Внешний вид кристалла"));
    (new QVBoxLayout(photoGroup))->addWidget(photoBox, 0, Qt::AlignHCenter);
    column->addWidget(photoGroup);

    informationGroup = named(new QGroupBox(QStringLiteral("Доп. информация :"), optionsGroup), "grp10");
    informationMemo = named(new QPlainTextEdit(informationGroup), "mmo1");
    informationMemo->setReadOnly(true);
    informationMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSize(9);
    informationMemo->setFont(serif);
    informationMemo->setMinimumHeight(180);
    SetHint(informationMemo, QStringLiteral("Информация о кристалле и его кристаллической решетке"));
    (new QVBoxLayout(informationGroup))->addWidget(informationMemo);
    column->addWidget(informationGroup);
    return optionsGroup;
}

} // namespace vestrel
