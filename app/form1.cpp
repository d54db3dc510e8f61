// SPDX-License-Identifier: MIT
#include "app/form1.h"

#include "app/about_form.h"
#include "app/colour_list.h"
#include "app/form2.h"
#include "app/form4.h"
#include "app/form5.h"
#include "app/help_opener.h"
#include "app/gl_panel.h"
#include "logic/hints.h"
#include "logic/info_text.h"
#include "app/picture_box.h"
#include "logic/picture_commands.h"
#include "app/qt_picture_ui.h"
#include "app/form6.h"
#include "logic/pictures/jpeg_codec.h"
#include "app/toolbar_icons.h"
#include "frame/frame.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace vestrel {

namespace {

constexpr int SidePanelWidth = 224;
constexpr int ToolBarWidth = 49;
constexpr int StartFrameInterval = 50;

template <typename T>
T* named(T* object, const char* name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

QString twoPartHint(const QString& shortPart, const QString& longPart) { return shortPart + '|' + longPart; }

} // namespace

Form1::Form1(const QString& programDir, Form4* settings, HintRouter* hints, QWidget* parent)
    : QMainWindow(parent), programDir_(programDir), settings_(settings)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Вестрел  Вер. 1.1"));
    setWindowIcon(ToolIcon(0));
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);
    setGeometry(276, 26, 1024, 840);

    showMessageBox = [this](const QString& text) { QMessageBox::information(this, QStringLiteral("Вестрел"), text); };
    askYesNo = [this](const QString& text) {
        return QMessageBox::question(this, QStringLiteral("Вестрел"), text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No)
            == QMessageBox::Yes;
    };

    catalogue_ = std::make_unique<Catalogue>(static_cast<CatalogueView&>(*this));

    buildMenus();
    buildToolBar();

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    pnl1 = named(new GlPanel(central), "pnl1");
    pnl1->setCursor(Qt::SizeAllCursor);
    pnl1->setMinimumSize(1, 1);
    SetHint(pnl1, QStringLiteral("Окно построения объектов"));
    row->addWidget(pnl1, 1);
    row->addWidget(buildSidePanel());
    setCentralWidget(central);

    stat1 = named(new QStatusBar(this), "stat1");
    setStatusBar(stat1);

    pnl1->setFrameRoutine([this](Draw& gl, bool tick) { drawFrame(gl, tick); });
    connect(pnl1, &GlPanel::mousePressed, this, &Form1::pnl1MouseDown);
    connect(pnl1, &GlPanel::mouseMoved, this, &Form1::pnl1MouseMove);
    connect(pnl1, &GlPanel::mouseReleased, this, &Form1::pnl1MouseUp);

    // FormCreate: the frame timer runs from the start; the OpenGL state is
    // set up when the panel's context is made.
    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(StartFrameInterval);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1Timer);
    tmr1 = named(new QTimer(this), "tmr1");
    tmr1->setInterval(1000);
    connect(tmr1, &QTimer::timeout, this, &Form1::tmr1Timer);
    tmr1->start();
    if (settings_)
        settings_->setFrameTimer(Timer1);
    Timer1->start();

    if (hints)
        hints->addStatusBar(stat1);
    qtPictureUi_ = std::make_unique<QtPictureUi>(this);
    setPictureUi(*qtPictureUi_);
    FormCloseQuery = [this] { return pictures_->closeQuery(); };
    connect(N3, &QAction::triggered, this, &Form1::N3Click);
    connect(btn11, &QToolButton::clicked, this, &Form1::N3Click);
    connect(N4, &QAction::triggered, this, &Form1::N4Click);
    connect(btn13, &QToolButton::clicked, this, &Form1::N4Click);
    helpOpener_ = std::make_unique<HelpOpener>(this);
    // The help tool button opens the help, as the menu item does.
    connect(N8, &QAction::triggered, this, &Form1::N8Click);
    connect(btn19, &QToolButton::clicked, this, &Form1::N8Click);
    qApp->installEventFilter(this);
}

// FormDestroy: the quadric, then the frame timer; the context goes with the
// drawing panel.
Form1::~Form1()
{
    qApp->removeEventFilter(this);
    pnl1->releaseGl();
    Timer1->stop();
}

void Form1::buildMenus()
{
    QMenuBar* bar = menuBar();
    N1 = named(bar->addMenu(QStringLiteral("Файл")), "N1");
    N3 = named(N1->addAction(QStringLiteral("Сохранить построение как...")), "N3");
    N4 = named(N1->addAction(QStringLiteral("Сделать скриншот")), "N4");
    named(N1->addSeparator(), "N2");
    N39 = named(N1->addAction(QStringLiteral("Расчет символов граней и ребер")), "N39");
    N40 = named(N1->addAction(QStringLiteral("Справочник")), "N40");
    named(N1->addSeparator(), "N41");
    N5 = named(N1->addAction(QStringLiteral("Выход")), "N5");
    connect(N5, &QAction::triggered, this, &Form1::N5Click);

    N22 = named(bar->addMenu(QStringLiteral("Запуск")), "N22");
    N36 = named(N22->addAction(QStringLiteral("Построить объект")), "N36");
    named(N22->addSeparator(), "N38");
    N37 = named(N22->addAction(QStringLiteral("Стереть построение")), "N37");
    connect(N36, &QAction::triggered, this, &Form1::btn3Click);
    connect(N37, &QAction::triggered, this, &Form1::btn1Click);

    N6 = named(bar->addMenu(QStringLiteral("Настройки")), "N6");
    N23 = named(N6->addMenu(QStringLiteral("Окно")), "N23");
    N10 = named(N23->addMenu(QStringLiteral("Цвет")), "N10");
    N12 = named(N10->addMenu(QStringLiteral("Оси")), "N12");
    N13 = named(N10->addMenu(QStringLiteral("Плоскости")), "N13");
    // One item of each colour menu is always checked; clicking the checked
    // item leaves it checked.
    const auto colourItem = [](QMenu* menu, QActionGroup* group, const QString& caption, const char* name,
                               bool checked) {
        QAction* item = named(menu->addAction(caption), name);
        item->setCheckable(true);
        item->setChecked(checked);
        group->addAction(item);
        return item;
    };
    auto* axes = new QActionGroup(this);
    N14 = colourItem(N12, axes, QStringLiteral("Красный"), "N14", false);
    N15 = colourItem(N12, axes, QStringLiteral("Зеленый"), "N15", false);
    N16 = colourItem(N12, axes, QStringLiteral("Синий"), "N16", true);
    auto* planes = new QActionGroup(this);
    N17 = colourItem(N13, planes, QStringLiteral("Белый"), "N17", true);
    N18 = colourItem(N13, planes, QStringLiteral("Красный"), "N18", false);
    N19 = colourItem(N13, planes, QStringLiteral("Зеленый"), "N19", false);
    N20 = colourItem(N13, planes, QStringLiteral("Синий"), "N20", false);

    N21 = named(N6->addMenu(QStringLiteral("Панель инструментов")), "N21");
    const auto toolItem = [this](const QString& caption, const char* name) {
        QAction* item = named(N21->addAction(caption), name);
        item->setCheckable(true);
        item->setChecked(true);
        return item;
    };
    N26 = toolItem(QStringLiteral("Построить"), "N26");
    N27 = toolItem(QStringLiteral("Стереть построение"), "N27");
    N28 = toolItem(QStringLiteral("Справочник"), "N28");
    N11 = toolItem(QStringLiteral("Построить предыдущий объект из списка"), "N11");
    N29 = toolItem(QStringLiteral("Построить следущий объет из списка"), "N29");
    N30 = toolItem(QStringLiteral("Сохранить построение как..."), "N30");
    N31 = toolItem(QStringLiteral("Сделать скриншот экрана"), "N31");
    N32 = toolItem(QStringLiteral("Показать условные обозначения"), "N32");
    N33 = toolItem(QStringLiteral("Настройки построения объектов"), "N33");
    N34 = toolItem(QStringLiteral("Открыть файл справки"), "N34");
    N35 = toolItem(QStringLiteral("Выход из программы"), "N35");
    named(N6->addSeparator(), "N24");
    N25 = named(N6->addAction(QStringLiteral("Построение")), "N25");
    connect(N25, &QAction::triggered, this, &Form1::N25Click);

    N7 = named(bar->addMenu(QStringLiteral("Помощь")), "N7");
    N8 = named(N7->addAction(QStringLiteral("Справка")), "N8");
    N9 = named(N7->addAction(QStringLiteral("О Программе")), "N9");

    // Commands that other windows bring stay disabled until bound.
    for (QAction* item : {N39, N40, N9})
        item->setEnabled(false);
}

void Form1::buildToolBar()
{
    tlb1 = named(new QToolBar(this), "tlb1");
    tlb1->setOrientation(Qt::Vertical);
    tlb1->setMovable(false);
    tlb1->setFloatable(false);
    tlb1->setIconSize(QSize(32, 32));
    tlb1->setFixedWidth(ToolBarWidth);
    tlb1->setStyleSheet(QStringLiteral("QToolBar { background: palette(midlight); border: 0; spacing: 0; padding: 0; }"));
    SetHint(tlb1, QStringLiteral("Панель инструментов"));
    addToolBar(Qt::LeftToolBarArea, tlb1);

    const auto button = [this](const char* name, int image, const QString& shortHint, const QString& longHint) {
        auto* b = named(new QToolButton(tlb1), name);
        b->setIcon(ToolIcon(image));
        b->setIconSize(QSize(32, 32));
        b->setFixedSize(ToolBarWidth, 47);
        b->setAutoRaise(true);
        SetHint(b, twoPartHint(shortHint, longHint));
        return b;
    };
    const QString erase = QStringLiteral("Стереть построенную структуру или многогранник");
    const QString previous = QStringLiteral("Построить пред. объект из списка");
    const QString next = QStringLiteral("Построить след. объект из списка");
    const auto same = [&](const char* name, int image, const QString& hint) { return button(name, image, hint, hint); };
    btn2 = same("btn2", 0, QStringLiteral("Построить выбранный объект"));
    btn5 = button("btn5", 1, erase, erase + ' ');
    btn7 = same("btn7", 2, QStringLiteral("Справочник"));
    btn4 = button("btn4", 10, previous, previous + ' ');
    btn9 = button("btn9", 3, next, next + ' ');
    btn11 = same("btn11", 4, QStringLiteral("Сохранить построение"));
    btn13 = same("btn13", 5, QStringLiteral("Сделать скриншот"));
    btn15 = same("btn15", 6, QStringLiteral("Обозначения атомов в структурах"));
    btn17 = same("btn17", 7, QStringLiteral("Настройки построения"));
    btn19 = same("btn19", 8, QStringLiteral("Справка"));
    btn21 = same("btn21", 9, QStringLiteral("Выход из программы"));

    // The visibility of each button follows its check item of the tool-bar
    // menu, in the order tmr1Timer applies them.
    const std::array<QToolButton*, 11> buttons{btn2, btn5, btn7, btn4, btn9, btn11, btn13, btn15, btn17, btn19, btn21};
    const std::array<int, 11> orderOfItems{3, 0, 1, 2, 4, 5, 6, 7, 8, 9, 10}; // N11, N26..N35
    std::array<QAction*, 11> byButton{};
    for (std::size_t i = 0; i < buttons.size(); ++i)
        byButton[i] = tlb1->addWidget(buttons[i]);
    for (std::size_t i = 0; i < orderOfItems.size(); ++i)
        toolActions_[i] = byButton[static_cast<std::size_t>(orderOfItems[i])];

    connect(btn2, &QToolButton::clicked, this, &Form1::btn3Click);
    connect(btn5, &QToolButton::clicked, this, &Form1::btn1Click);
    connect(btn4, &QToolButton::clicked, this, &Form1::btn4Click);
    connect(btn9, &QToolButton::clicked, this, &Form1::btn9Click);
    connect(btn17, &QToolButton::clicked, this, &Form1::N25Click);
    connect(btn21, &QToolButton::clicked, this, &Form1::N5Click);
    for (QToolButton* b : {btn7, btn15})
        b->setEnabled(false);
}

QWidget* Form1::buildSidePanel()
{
    pnl2 = named(new QFrame(this), "pnl2");
    pnl2->setFrameShape(QFrame::Box);
    pnl2->setFixedWidth(SidePanelWidth);
    auto* layout = new QVBoxLayout(pnl2);
    layout->setContentsMargins(3, 3, 3, 3);
    ScrollBox1 = named(new QScrollArea(pnl2), "ScrollBox1");
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(2, 2, 2, 2);
    column->addWidget(buildToolsGroup(content));
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
    ScrollBox1->setWidget(content);
    layout->addWidget(ScrollBox1);
    return pnl2;
}

QGroupBox* Form1::buildToolsGroup(QWidget* parent)
{
    grp7 = named(new QGroupBox(QStringLiteral("Инструменты :"), parent), "grp7");
    auto* column = new QVBoxLayout(grp7);

    btn3 = named(new QPushButton(QStringLiteral("Построить"), grp7), "btn3");
    SetHint(btn3, QStringLiteral("Построить в среднем окне выбранную структуру или многогранник"));
    connect(btn3, &QPushButton::clicked, this, &Form1::btn3Click);
    column->addWidget(btn3);
    btn1 = named(new QPushButton(QStringLiteral("Стереть построение"), grp7), "btn1");
    SetHint(btn1, QStringLiteral("Стереть построенную структуру или многогранник"));
    connect(btn1, &QPushButton::clicked, this, &Form1::btn1Click);
    column->addWidget(btn1);

    grp8 = named(new QGroupBox(QStringLiteral("Структура : "), grp7), "grp8");
    cbb1 = named(new QComboBox(grp8), "cbb1");
    cbb1->addItems(StructureListItems());
    cbb1->setMaxVisibleItems(19);
    SetHint(cbb1, QStringLiteral("Список структур для построения"));
    // Only the user's choice runs the change handler; selections made by
    // the program do not.
    connect(cbb1, &QComboBox::activated, this, &Form1::cbb1Change);
    (new QVBoxLayout(grp8))->addWidget(cbb1);
    column->addWidget(grp8);

    grp5 = named(new QGroupBox(QStringLiteral("Многогр. и их элем. симметрии : "), grp7), "grp5");
    cbb2 = named(new QComboBox(grp5), "cbb2");
    cbb2->addItems(PolyhedronListItems());
    cbb2->setMaxVisibleItems(13);
    SetHint(cbb2, QStringLiteral("Список многогранников для построения"));
    connect(cbb2, &QComboBox::activated, this, &Form1::cbb2Change);
    (new QVBoxLayout(grp5))->addWidget(cbb2);
    column->addWidget(grp5);

    grp2 = named(new QGroupBox(QStringLiteral("Дистанция до центра: 60"), grp7), "grp2");
    TrackBar1 = named(new QSlider(Qt::Horizontal, grp2), "TrackBar1");
    TrackBar1->setRange(MinDistance, MaxDistance);
    TrackBar1->setValue(view_.Distance);
    TrackBar1->setSingleStep(3);
    TrackBar1->setPageStep(3);
    TrackBar1->setTickPosition(QSlider::TicksBothSides);
    TrackBar1->setTickInterval(MaxDistance); // only the end ticks
    SetHint(TrackBar1, QStringLiteral("Расстояние (в отн. единицах) до центра области построения"));
    connect(TrackBar1, &QSlider::valueChanged, this, &Form1::TrackBar1Change);
    (new QVBoxLayout(grp2))->addWidget(TrackBar1);
    column->addWidget(grp2);
    return grp7;
}

QGroupBox* Form1::buildOptionsGroup(QWidget* parent)
{
    grp1 = named(new QGroupBox(QStringLiteral("Опции :"), parent), "grp1");
    SetHint(grp1, QStringLiteral("Опции построения и отображения"));
    auto* column = new QVBoxLayout(grp1);
    const auto check = [](QWidget* group, const char* name, const QString& caption, const QString& hint) {
        auto* box = named(new QCheckBox(caption, group), name);
        if (!hint.isEmpty())
            SetHint(box, hint);
        return box;
    };

    grp6 = named(new QGroupBox(QStringLiteral("Оси :"), grp1), "grp6");
    SetHint(grp6, QStringLiteral("Вспомогательные оси"));
    chk5 = check(grp6, "chk5", QStringLiteral("OX"), QStringLiteral("Построить ось OX"));
    chk7 = check(grp6, "chk7", QStringLiteral("OY"), QStringLiteral("Построить ось OY"));
    chk6 = check(grp6, "chk6", QStringLiteral("OZ"), QStringLiteral("Построить ось OZ"));
    auto* axesRow = new QHBoxLayout(grp6);
    for (QCheckBox* box : {chk5, chk7, chk6})
        axesRow->addWidget(box);
    column->addWidget(grp6);

    grp4 = named(new QGroupBox(QStringLiteral("Плоскости :"), grp1), "grp4");
    SetHint(grp4, QStringLiteral("Вспомогательные плоскости"));
    chk4 = check(grp4, "chk4", QStringLiteral("XY"), QStringLiteral("Построить плоскость XY"));
    chk3 = check(grp4, "chk3", QStringLiteral("YZ"), QStringLiteral("Построить плоскость YZ"));
    chk2 = check(grp4, "chk2", QStringLiteral("XZ"), QStringLiteral("Построить плоскость XZ"));
    auto* planesRow = new QHBoxLayout(grp4);
    for (QCheckBox* box : {chk4, chk3, chk2})
        planesRow->addWidget(box);
    column->addWidget(grp4);

    grp3 = named(new QGroupBox(QStringLiteral("Презентация :"), grp1), "grp3");
    chk1 = check(grp3, "chk1", QStringLiteral("Вращать вокруг Оси OZ"), QStringLiteral("Вращать/не вращать  объект вокруг оси OZ"));
    chk8 = check(grp3, "chk8", QStringLiteral("Показывать соед. линии"),
                 QStringLiteral("Отображать/скрыть линии, соединяющие атомы в структурах кристаллов"));
    chk9 = check(grp3, "chk9", QStringLiteral("Показывать винт. оси"), QString());
    chk11 = check(grp3, "chk11", QStringLiteral("Показ. оси симметрии"),
                  QStringLiteral("Отображать/скрыть оси симметрии в многогранниках"));
    chk10 = check(grp3, "chk10", QStringLiteral("Показ. плоск. симметрии"),
                  QStringLiteral("Отображать/скрыть плоскости симметрии в многогранниках"));
    chk8->setChecked(true);
    chk11->setChecked(true);
    auto* presentation = new QVBoxLayout(grp3);
    for (QCheckBox* box : {chk1, chk8, chk9, chk11, chk10})
        presentation->addWidget(box);
    column->addWidget(grp3);

    grp9 = named(new QGroupBox(QStringLiteral("Внешний вид кристалла :"), grp1), "grp9");
    image11 = named(new PictureBox(grp9), "image11");
    image11->setFixedSize(147, 99);
    SetHint(image11, QStringLiteral("Внешний вид кристалла"));
    (new QVBoxLayout(grp9))->addWidget(image11, 0, Qt::AlignHCenter);
    column->addWidget(grp9);

    grp10 = named(new QGroupBox(QStringLiteral("Доп. информация :"), grp1), "grp10");
    mmo1 = named(new QPlainTextEdit(grp10), "mmo1");
    mmo1->setReadOnly(true);
    mmo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSize(9);
    mmo1->setFont(serif);
    mmo1->setMinimumHeight(180);
    SetHint(mmo1, QStringLiteral("Информация о кристалле и его кристаллической решетке"));
    (new QVBoxLayout(grp10))->addWidget(mmo1);
    column->addWidget(grp10);
    return grp1;
}

void Form1::bindCommand(QAction* item, QToolButton* button, std::function<void()> command)
{
    if (item) {
        item->setEnabled(true);
        connect(item, &QAction::triggered, this, [command] { command(); });
    }
    if (button) {
        button->setEnabled(true);
        connect(button, &QToolButton::clicked, this, [command] { command(); });
    }
}

void Form1::setSettings(Form4* settings)
{
    settings_ = settings;
    if (settings_)
        settings_->setFrameTimer(Timer1);
}

void Form1::setAuxiliaryWindows(AboutForm* about, Form2* legend, Form5* reference)
{
    about_ = about;
    legend_ = legend;
    reference_ = reference;
    N40->setEnabled(true);
    N9->setEnabled(true);
    btn7->setEnabled(true);
    btn15->setEnabled(true);
    connect(N40, &QAction::triggered, this, &Form1::N40Click);
    connect(btn7, &QToolButton::clicked, this, &Form1::btn7Click);
    connect(btn15, &QToolButton::clicked, this, &Form1::btn15Click);
    connect(N9, &QAction::triggered, this, &Form1::N9Click);
}

void Form1::setCalculator(Form6* calculator)
{
    calculator_ = calculator;
    N39->setEnabled(calculator_ != nullptr);
    connect(N39, &QAction::triggered, this, &Form1::N39Click, Qt::UniqueConnection);
}

void Form1::setPictureUi(PictureUi& ui)
{
    pictures_ = std::make_unique<PictureCommands>(
        ui, programDir_, [this] { return pnl1->grabFramebuffer(); }, [this] { return GrabWholeWindow(this); });
}

void Form1::N3Click() { pictures_->saveAs(); }
void Form1::N4Click() { pictures_->screenshot(); }

void Form1::N39Click()
{
    if (!calculator_)
        return;
    calculator_->show();
    calculator_->raise();
    calculator_->activateWindow();
}

void Form1::N40Click()
{
    if (reference_)
        reference_->present();
}

void Form1::btn7Click() { N40->trigger(); }

void Form1::btn15Click()
{
    if (legend_)
        legend_->presentBeside(pnl1->width());
}

void Form1::N9Click()
{
    if (about_)
        about_->showCentredOn(this);
}

void Form1::N8Click() { helpOpener_->open(programDir_); }

// ---- Catalogue commands ----

void Form1::btn3Click() { catalogue_->btn3Click(); }
void Form1::btn1Click() { catalogue_->btn1Click(); }
void Form1::btn9Click() { catalogue_->btn9Click(); }
void Form1::btn4Click() { catalogue_->btn4Click(); }
void Form1::cbb1Change(int item) { catalogue_->cbb1Change(item); }
void Form1::cbb2Change(int item) { catalogue_->cbb2Change(item); }

void Form1::setStructureItem(int item) { cbb1->setCurrentIndex(item); }
void Form1::setPolyhedronItem(int item) { cbb2->setCurrentIndex(item); }

bool Form1::loadPhoto(const QString& relativePath)
{
    QString error;
    const QImage photo = LoadJpeg(QDir(programDir_).filePath(relativePath), &error);
    if (photo.isNull()) {
        showMessage(error);
        return false;
    }
    image11->setPicture(photo);
    return true;
}

bool Form1::loadInformation(const QString& relativePath)
{
    QString error;
    const auto lines = LoadInformationText(QDir(programDir_).filePath(relativePath), &error);
    if (!lines) {
        showMessage(error);
        return false;
    }
    mmo1->setPlainText(lines->join(QLatin1Char('\n')));
    return true;
}

void Form1::clearPhoto() { image11->clear(); }
void Form1::clearInformation() { mmo1->clear(); }

void Form1::enableStructureOptions(bool structures)
{
    grp9->setEnabled(structures);
    chk8->setEnabled(structures);
    chk10->setEnabled(!structures);
    chk11->setEnabled(!structures);
}

void Form1::showMessage(const QString& text) { showMessageBox(text); }

// ---- Exit, settings, interface options ----

void Form1::N5Click()
{
    if (askYesNo(QStringLiteral("Выйти из программы?")))
        close();
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void Form1::N25Click()
{
    if (settings_)
        settings_->showSettings();
}

void Form1::tmr1Timer()
{
    const std::array<QAction*, 11> items{N11, N26, N27, N28, N29, N30, N31, N32, N33, N34, N35};
    for (std::size_t i = 0; i < items.size(); ++i)
        toolActions_[i]->setVisible(items[i]->isChecked());
    if (!settings_)
        return;
    const bool hideDetails = settings_->chk2->isChecked();
    grp9->setVisible(!hideDetails);
    grp10->setVisible(!hideDetails);
    pnl2->setFixedWidth(settings_->chk3->isChecked() ? 1 : SidePanelWidth);
    tlb1->setFixedWidth(settings_->chk4->isChecked() ? ToolBarWidth : 1);
}

// ---- Frames and view navigation ----

FrameInputs Form1::readFrameInputs() const
{
    FrameInputs in;
    in.autoRotate = chk1->isChecked();
    in.maxDistance = settings_ && settings_->chk1->isChecked();
    in.planeXZ = chk2->isChecked();
    in.planeYZ = chk3->isChecked();
    in.planeXY = chk4->isChecked();
    in.axisOX = chk5->isChecked();
    in.axisOZ = chk6->isChecked();
    in.axisOY = chk7->isChecked();
    in.menus = {N14->isChecked(), N15->isChecked(), N16->isChecked(), N17->isChecked(),
                N18->isChecked(), N19->isChecked(), N20->isChecked()};
    in.scenes = catalogue_->SceneFlag();
    DisplayOptions& d = in.display;
    d.showLines = chk8->isChecked();
    d.showScrewAxes = chk9->isChecked();
    d.showSymPlanes = chk10->isChecked();
    d.showSymAxes = chk11->isChecked();
    if (settings_) {
        d.solidFaces = settings_->rb6->isChecked();
        d.axisColour2 = settings_->cbb1->itemIndex();
        d.axisColour3 = settings_->cbb3->itemIndex();
        d.axisColour4 = settings_->cbb4->itemIndex();
        d.axisColour6 = settings_->cbb5->itemIndex();
        d.screwColour = settings_->cbb2->itemIndex();
    }
    return in;
}

void Form1::Timer1Timer() { pnl1->tick(); }

void Form1::drawFrame(Draw& gl, bool tick)
{
    view_.Distance = TrackBar1->value();
    const bool trackBarVisible = DrawFrame(gl, readFrameInputs(), view_, tick);
    if (TrackBar1->value() != view_.Distance)
        TrackBar1->setValue(view_.Distance);
    TrackBar1->setVisible(trackBarVisible);
}

void Form1::TrackBar1Change(int position)
{
    view_.Distance = position;
    grp2->setTitle(QStringLiteral("Дистанция до центра: %1").arg(position));
}

namespace {
MouseButton toMouseButton(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        return MouseButton::Left;
    if (button == Qt::RightButton)
        return MouseButton::Right;
    return MouseButton::Middle;
}
} // namespace

void Form1::pnl1MouseDown(Qt::MouseButton button, int x, int y) { navigation_.mouseDown(toMouseButton(button), x, y); }

void Form1::pnl1MouseMove(int x, int y)
{
    const bool inverted = settings_ && settings_->rb2->isChecked();
    if (navigation_.mouseMove(x, y, inverted))
        pnl1->update();
}

void Form1::pnl1MouseUp(Qt::MouseButton button, int, int) { navigation_.mouseUp(toMouseButton(button)); }

void Form1::FormMouseWheel(int notches)
{
    for (int i = 0; i < std::abs(notches); ++i)
        TrackBar1->setValue(ViewNavigation::wheelNotch(TrackBar1->value(), notches > 0));
}

// The wheel belongs to the whole main window while it is active, whatever
// control is under the mouse.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == this) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const int notches = wheel->angleDelta().y() / 120;
        if (notches != 0)
            FormMouseWheel(notches);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace vestrel
