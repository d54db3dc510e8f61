// SPDX-License-Identifier: MIT
#include "app/settings_window.h"

#include "app/colour_list.h"
#include "app/option_binding.h"
#include "logic/hints.h"
#include "logic/options.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace vestrel {

namespace {

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QStringList axisColourItems()
{
    return {SettingsWindow::tr("Не строить"),
            SettingsWindow::tr("Зеленый"),
            SettingsWindow::tr("Красный"),
            SettingsWindow::tr("Синий"),
            SettingsWindow::tr("Желтый")};
}

QStringList screwColourItems() { return axisColourItems().mid(1); }

} // namespace

SettingsWindow::SettingsWindow(Options* options, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      ownOptions_(options ? nullptr : std::make_unique<Options>()), options_(options ? options : ownOptions_.get())
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Настройки построения"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tabs = named(new QTabWidget(this), "PageControl1");
    tabs->addTab(buildObjectsTab(), tr("Настройки объектов"));
    tabs->addTab(buildProgramTab(), tr("Параметры программы"));
    layout->addWidget(tabs);
    statusLine = named(new QStatusBar(this), "stat1");
    statusLine->setSizeGripEnabled(false);
    layout->addWidget(statusLine);
    resize(347, 284);
    bindOptions();
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::bindOptions()
{
    Bind(frameIntervalSlider, *options_, Option(&KeptSettings::frameInterval));
    const std::array<ColourList*, 4> axisLists{axisOrder2ColourList, axisOrder3ColourList, axisOrder4ColourList,
                                               axisOrder6ColourList};
    for (std::size_t i = 0; i < axisLists.size(); ++i)
        Bind(axisLists[i], *options_,
             OptionAccess<int>{[i](const Options& o) { return o.kept().axisColours[i]; },
                               [i](Options& o, int item) { o.setAxisColour(static_cast<int>(i), item); }});
    Bind(screwAxisColourList, *options_, Option(&KeptSettings::screwAxisColour));
    BindRadioPair(solidFacesRadio, seeThroughFacesRadio, *options_, Option(&KeptSettings::solidFaces));
    BindRadioPair(invertedMouseRadio, directMouseRadio, *options_, Option(&KeptSettings::invertedMouse));
    Bind(maxDistanceCheck, *options_, Option(&KeptSettings::maxDistance));
    Bind(hideDetailsCheck, *options_, Option(&KeptSettings::hideDetails));
    Bind(hideSidePanelCheck, *options_, Option(&KeptSettings::hideSidePanel));
    Bind(showToolBarCheck, *options_, Option(&KeptSettings::showToolBar));
    Bind(shadedCheck, *options_, Option(&KeptSettings::shaded));
    Bind(smoothCheck, *options_, Option(&KeptSettings::smooth));
    followFrameInterval();
    connect(options_, &Options::changed, this, &SettingsWindow::followFrameInterval);
}

void SettingsWindow::setFrameTimer(QTimer* timer)
{
    frameTimer_ = timer;
    followFrameInterval();
}

void SettingsWindow::followFrameInterval()
{
    const int interval = options_->kept().frameInterval;
    frameIntervalGroup->setTitle(tr("Частота смены кадров : %1 мсек").arg(interval));
    if (frameTimer_)
        frameTimer_->setInterval(interval);
}

QWidget* SettingsWindow::buildObjectsTab()
{
    auto* tab = named(new QWidget, "ts1");
    auto* column = new QVBoxLayout(tab);

    frameIntervalGroup = named(new QGroupBox(tab), "grp5");
    frameIntervalSlider = named(new QSlider(Qt::Horizontal, frameIntervalGroup), "TrackBar1");
    frameIntervalSlider->setRange(1, 100);
    frameIntervalSlider->setTickInterval(5);
    frameIntervalSlider->setTickPosition(QSlider::TicksBelow);
    SetHint(frameIntervalSlider, tr("Частота смены кадров (скорость анимации)"));
    (new QVBoxLayout(frameIntervalGroup))->addWidget(frameIntervalSlider);
    column->addWidget(frameIntervalGroup);

    auto* row = new QHBoxLayout;
    axisColoursGroup = named(new QGroupBox(tr("Цвет осей :"), tab), "grp6");
    SetHint(axisColoursGroup, tr("Область настройки осей"));
    auto* axes = new QGridLayout(axisColoursGroup);
    const auto addAxisList = [&](int rowIndex, const QString& label, ColourList*& list, const char* name,
                                 const QString& hint) {
        axes->addWidget(new QLabel(label, axisColoursGroup), rowIndex, 0);
        list = named(new ColourList(axisColourItems(), -1, axisColoursGroup), name);
        SetHint(list, hint);
        axes->addWidget(list, rowIndex, 1);
    };
    addAxisList(0, tr("2-го порядка:"), axisOrder2ColourList, "cbb1", tr("Список цветов для  оси 2-го порядка"));
    addAxisList(1, tr("3-го порядка:"), axisOrder3ColourList, "cbb3", tr("Список цветов для  оси 3-го порядка"));
    addAxisList(2, tr("4-го порядка:"), axisOrder4ColourList, "cbb4", tr("Список цветов для  оси 4-го порядка"));
    addAxisList(3, tr("6-го порядка:"), axisOrder6ColourList, "cbb5", tr("Список цветов для  оси 6-го порядка"));
    row->addWidget(axisColoursGroup);

    auto* right = new QVBoxLayout;
    polyhedraGroup = named(new QGroupBox(tr("Многогранники :"), tab), "grp7");
    SetHint(polyhedraGroup, tr("Область настройки построения многогранников"));
    faceModeGroup = named(new QGroupBox(tr("Опции построения:"), polyhedraGroup), "grp9");
    SetHint(faceModeGroup, tr("Область настройки построения многогранников"));
    seeThroughFacesRadio = named(new QRadioButton(tr("Прозрачные грани"), faceModeGroup), "rb5");
    SetHint(seeThroughFacesRadio, tr("Построение только ребер"));
    solidFacesRadio = named(new QRadioButton(tr("Сплошные грани"), faceModeGroup), "rb6");
    SetHint(solidFacesRadio, tr("Построение сплошных граней"));
    auto* faces = new QVBoxLayout(faceModeGroup);
    faces->addWidget(seeThroughFacesRadio);
    faces->addWidget(solidFacesRadio);
    (new QVBoxLayout(polyhedraGroup))->addWidget(faceModeGroup);
    right->addWidget(polyhedraGroup);

    screwAxesGroup = named(new QGroupBox(tr("Винтовые оси :"), tab), "grp8");
    SetHint(screwAxesGroup, tr("Область настройки винтовых осей"));
    screwColourGroup = named(new QGroupBox(tr("Цвет :"), screwAxesGroup), "grp11");
    SetHint(screwColourGroup, tr("Область настройки винтовых осей"));
    screwAxisColourList = named(new ColourList(screwColourItems(), -1, screwColourGroup), "cbb2");
    SetHint(screwAxisColourList, tr("Список цветов для  винтовых осей"));
    (new QVBoxLayout(screwColourGroup))->addWidget(screwAxisColourList);
    (new QVBoxLayout(screwAxesGroup))->addWidget(screwColourGroup);
    right->addWidget(screwAxesGroup);
    row->addLayout(right);
    column->addLayout(row);

    objectsOkButton = named(new QPushButton(tr("ОК"), tab), "btn1");
    connect(objectsOkButton, &QPushButton::clicked, this, &SettingsWindow::objectsOk);
    column->addWidget(objectsOkButton, 0, Qt::AlignRight);
    return tab;
}

QWidget* SettingsWindow::buildProgramTab()
{
    auto* tab = named(new QWidget, "ts2");
    auto* column = new QVBoxLayout(tab);

    controlGroup = named(new QGroupBox(tr("Настройки управления :"), tab), "grp2");
    SetHint(controlGroup, tr("Изменение управления мышью"));
    mouseInversionGroup = named(new QGroupBox(tr("Инверсия мыши :"), controlGroup), "grp3");
    SetHint(mouseInversionGroup, tr("Изменение управления мышью"));
    directMouseRadio = named(new QRadioButton(tr("Прямая"), mouseInversionGroup), "rb1");
    SetHint(directMouseRadio, tr("Прямая инверсия(по умолчанию)"));
    invertedMouseRadio = named(new QRadioButton(tr("Обратная"), mouseInversionGroup), "rb2");
    SetHint(invertedMouseRadio, tr("Обратная инверсия"));
    auto* mouse = new QHBoxLayout(mouseInversionGroup);
    mouse->addWidget(directMouseRadio);
    mouse->addWidget(invertedMouseRadio);
    (new QVBoxLayout(controlGroup))->addWidget(mouseInversionGroup);
    column->addWidget(controlGroup);

    interfaceGroup = named(new QGroupBox(tr("Настройки интерфейса :"), tab), "grp1");
    SetHint(interfaceGroup, tr("Область для настройки интерфейса программы"));
    auto* options = new QVBoxLayout(interfaceGroup);
    const auto addOption = [&](QCheckBox*& box, const char* name, const QString& caption, const QString& hint) {
        box = named(new QCheckBox(caption, interfaceGroup), name);
        SetHint(box, hint);
        options->addWidget(box);
    };
    addOption(maxDistanceCheck, "chk1", tr("Отдалиться на максимальное расстояние"),
              tr("Отдалиться на макс. расстояние (150 отн. ед.)"));
    addOption(hideDetailsCheck, "chk2", tr("Убрать детальную информацию"),
              tr("Убрать/показать информацию о кристалле и крист. решетке"));
    addOption(hideSidePanelCheck, "chk3", tr("Убрать вкладку инструментов и опций"),
              tr("Убрать/отображать вкладку инструментов и опций"));
    addOption(showToolBarCheck, "chk4", tr("Отображать панель инструментов"),
              tr("Отображать/убрать панель инструментов"));
    column->addWidget(interfaceGroup);
    column->addWidget(buildPictureGroup(tab));

    auto* buttons = new QHBoxLayout;
    resetButton = named(new QPushButton(tr("Восстановить настройки по умолчанию"), tab), "resetButton");
    SetHint(resetButton, tr("Вернуть всем настройкам значения, с которыми программа запускается впервые"));
    connect(resetButton, &QPushButton::clicked, this, &SettingsWindow::resetRequested);
    buttons->addWidget(resetButton);
    buttons->addStretch(1);
    programOkButton = named(new QPushButton(tr("ОК"), tab), "btn3");
    connect(programOkButton, &QPushButton::clicked, this, &SettingsWindow::programOk);
    buttons->addWidget(programOkButton);
    column->addLayout(buttons);
    return tab;
}

void SettingsWindow::showSettings()
{
    if (!shownBefore_) {
        shownBefore_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    show();
    raise();
    activateWindow();
}

void SettingsWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        followFrameInterval();
        showSmoothingHint();
    }
    QWidget::changeEvent(event);
}

void SettingsWindow::objectsOk() { hide(); }

void SettingsWindow::programOk() { objectsOk(); }

} // namespace vestrel
