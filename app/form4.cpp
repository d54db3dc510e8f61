// SPDX-License-Identifier: MIT
#include "app/form4.h"

#include "app/colour_list.h"
#include "logic/hints.h"

#include <QCheckBox>
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

// The frame timer starts at 50 ms, so the track bar does too: the window
// never shows an interval that is not in force.
constexpr int StartFrameInterval = 50;

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QStringList axisColourItems()
{
    return {QStringLiteral("Не строить"), QStringLiteral("Зеленый"), QStringLiteral("Красный"),
            QStringLiteral("Синий"), QStringLiteral("Желтый")};
}

QStringList screwColourItems()
{
    return {QStringLiteral("Зеленый"), QStringLiteral("Красный"), QStringLiteral("Синий"),
            QStringLiteral("Желтый")};
}

} // namespace

Form4::Form4(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Настройки построения"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    PageControl1 = named(new QTabWidget(this), "PageControl1");
    PageControl1->addTab(buildObjectsTab(), QStringLiteral("Настройки объектов"));
    PageControl1->addTab(buildProgramTab(), QStringLiteral("Параметры программы"));
    layout->addWidget(PageControl1);
    stat1 = named(new QStatusBar(this), "stat1");
    stat1->setSizeGripEnabled(false);
    layout->addWidget(stat1);
    resize(347, 284);
}

QWidget* Form4::buildObjectsTab()
{
    auto* tab = named(new QWidget, "ts1");
    auto* column = new QVBoxLayout(tab);

    grp5 = named(new QGroupBox(tab), "grp5");
    TrackBar1 = named(new QSlider(Qt::Horizontal, grp5), "TrackBar1");
    TrackBar1->setRange(1, 100);
    TrackBar1->setTickInterval(5);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setValue(StartFrameInterval);
    SetHint(TrackBar1, QStringLiteral("Частота смены кадров (скорость анимации)"));
    (new QVBoxLayout(grp5))->addWidget(TrackBar1);
    TrackBar1Change(StartFrameInterval);
    connect(TrackBar1, &QSlider::valueChanged, this, &Form4::TrackBar1Change);
    column->addWidget(grp5);

    auto* row = new QHBoxLayout;
    grp6 = named(new QGroupBox(QStringLiteral("Цвет осей :"), tab), "grp6");
    SetHint(grp6, QStringLiteral("Область настройки осей"));
    auto* axes = new QGridLayout(grp6);
    const auto addAxisList = [&](int rowIndex, const QString& label, ColourList*& list, const char* name,
                                 int start, const QString& hint) {
        axes->addWidget(new QLabel(label, grp6), rowIndex, 0);
        list = named(new ColourList(axisColourItems(), start, grp6), name);
        SetHint(list, hint);
        axes->addWidget(list, rowIndex, 1);
    };
    addAxisList(0, QStringLiteral("2-го порядка:"), cbb1, "cbb1", 3, QStringLiteral("Список цветов для  оси 2-го порядка"));
    addAxisList(1, QStringLiteral("3-го порядка:"), cbb3, "cbb3", 1, QStringLiteral("Список цветов для  оси 3-го порядка"));
    addAxisList(2, QStringLiteral("4-го порядка:"), cbb4, "cbb4", 2, QStringLiteral("Список цветов для  оси 4-го порядка"));
    addAxisList(3, QStringLiteral("6-го порядка:"), cbb5, "cbb5", 4, QStringLiteral("Список цветов для  оси 6-го порядка"));
    row->addWidget(grp6);

    auto* right = new QVBoxLayout;
    grp7 = named(new QGroupBox(QStringLiteral("Многогранники :"), tab), "grp7");
    SetHint(grp7, QStringLiteral("Область настройки построения многогранников"));
    grp9 = named(new QGroupBox(QStringLiteral("Опции построения:"), grp7), "grp9");
    SetHint(grp9, QStringLiteral("Область настройки построения многогранников"));
    rb5 = named(new QRadioButton(QStringLiteral("Прозрачные грани"), grp9), "rb5");
    SetHint(rb5, QStringLiteral("Построение только ребер"));
    rb6 = named(new QRadioButton(QStringLiteral("Сплошные грани"), grp9), "rb6");
    SetHint(rb6, QStringLiteral("Построение сплошных граней"));
    rb6->setChecked(true);
    auto* faces = new QVBoxLayout(grp9);
    faces->addWidget(rb5);
    faces->addWidget(rb6);
    (new QVBoxLayout(grp7))->addWidget(grp9);
    right->addWidget(grp7);

    grp8 = named(new QGroupBox(QStringLiteral("Винтовые оси :"), tab), "grp8");
    SetHint(grp8, QStringLiteral("Область настройки винтовых осей"));
    grp11 = named(new QGroupBox(QStringLiteral("Цвет :"), grp8), "grp11");
    SetHint(grp11, QStringLiteral("Область настройки винтовых осей"));
    cbb2 = named(new ColourList(screwColourItems(), 0, grp11), "cbb2");
    SetHint(cbb2, QStringLiteral("Список цветов для  винтовых осей"));
    (new QVBoxLayout(grp11))->addWidget(cbb2);
    (new QVBoxLayout(grp8))->addWidget(grp11);
    right->addWidget(grp8);
    row->addLayout(right);
    column->addLayout(row);

    btn1 = named(new QPushButton(QStringLiteral("ОК"), tab), "btn1");
    connect(btn1, &QPushButton::clicked, this, &Form4::btn1Click);
    column->addWidget(btn1, 0, Qt::AlignRight);
    return tab;
}

QWidget* Form4::buildProgramTab()
{
    auto* tab = named(new QWidget, "ts2");
    auto* column = new QVBoxLayout(tab);

    grp2 = named(new QGroupBox(QStringLiteral("Настройки управления :"), tab), "grp2");
    SetHint(grp2, QStringLiteral("Изменение управления мышью"));
    grp3 = named(new QGroupBox(QStringLiteral("Инверсия мыши :"), grp2), "grp3");
    SetHint(grp3, QStringLiteral("Изменение управления мышью"));
    rb1 = named(new QRadioButton(QStringLiteral("Прямая"), grp3), "rb1");
    SetHint(rb1, QStringLiteral("Прямая инверсия(по умолчанию)"));
    rb1->setChecked(true);
    rb2 = named(new QRadioButton(QStringLiteral("Обратная"), grp3), "rb2");
    SetHint(rb2, QStringLiteral("Обратная инверсия"));
    auto* mouse = new QHBoxLayout(grp3);
    mouse->addWidget(rb1);
    mouse->addWidget(rb2);
    (new QVBoxLayout(grp2))->addWidget(grp3);
    column->addWidget(grp2);

    grp1 = named(new QGroupBox(QStringLiteral("Настройки интерфейса :"), tab), "grp1");
    SetHint(grp1, QStringLiteral("Область для настройки интерфейса программы"));
    auto* options = new QVBoxLayout(grp1);
    const auto addOption = [&](QCheckBox*& box, const char* name, const QString& caption, const QString& hint,
                               bool checked) {
        box = named(new QCheckBox(caption, grp1), name);
        SetHint(box, hint);
        box->setChecked(checked);
        options->addWidget(box);
    };
    addOption(chk1, "chk1", QStringLiteral("Отдалиться на максимальное расстояние"),
              QStringLiteral("Отдалиться на макс. расстояние (150 отн. ед.)"), false);
    addOption(chk2, "chk2", QStringLiteral("Убрать детальную информацию"),
              QStringLiteral("Убрать/показать информацию о кристалле и крист. решетке"), false);
    addOption(chk3, "chk3", QStringLiteral("Убрать вкладку инструментов и опций"),
              QStringLiteral("Убрать/отображать вкладку инструментов и опций"), false);
    addOption(chk4, "chk4", QStringLiteral("Отображать панель инструментов"),
              QStringLiteral("Отображать/убрать панель инструментов"), true);
    column->addWidget(grp1);

    btn3 = named(new QPushButton(QStringLiteral("ОК"), tab), "btn3");
    connect(btn3, &QPushButton::clicked, this, &Form4::btn3Click);
    column->addWidget(btn3, 0, Qt::AlignRight);
    return tab;
}

void Form4::showSettings()
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

void Form4::btn1Click() { hide(); }

void Form4::btn3Click() { btn1Click(); }

void Form4::TrackBar1Change(int position)
{
    grp5->setTitle(QStringLiteral("Частота смены кадров : %1 мсек").arg(position));
    if (frameTimer_)
        frameTimer_->setInterval(position);
}

} // namespace vestrel
