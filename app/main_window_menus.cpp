// SPDX-License-Identifier: MIT
// The main window's menu bar and its tool bar of picture buttons.
#include "app/main_window.h"

#include "app/main_window_parts.h"
#include "app/toolbar_icons.h"
#include "logic/hints.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace vestrel {

namespace {

QString twoPartHint(const QString& shortPart, const QString& longPart) { return shortPart + '|' + longPart; }

} // namespace

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    fileMenu = named(bar->addMenu(QStringLiteral("Файл")), "N1");
    openStructureAction = named(fileMenu->addAction(QStringLiteral("Открыть структуру…")), "openStructureAction");
    openStructureAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    named(fileMenu->addSeparator(), "openStructureSeparator");
    saveImageAction = named(fileMenu->addAction(QStringLiteral("Сохранить построение как...")), "N3");
    screenshotAction = named(fileMenu->addAction(QStringLiteral("Сделать скриншот")), "N4");
    named(fileMenu->addSeparator(), "N2");
    calculatorAction = named(fileMenu->addAction(QStringLiteral("Расчет символов граней и ребер")), "N39");
    referenceAction = named(fileMenu->addAction(QStringLiteral("Справочник")), "N40");
    named(fileMenu->addSeparator(), "N41");
    exitAction = named(fileMenu->addAction(QStringLiteral("Выход")), "N5");
    connect(exitAction, &QAction::triggered, this, &MainWindow::exitProgram);

    runMenu = named(bar->addMenu(QStringLiteral("Запуск")), "N22");
    buildAction = named(runMenu->addAction(QStringLiteral("Построить объект")), "N36");
    named(runMenu->addSeparator(), "N38");
    eraseAction = named(runMenu->addAction(QStringLiteral("Стереть построение")), "N37");
    connect(buildAction, &QAction::triggered, this, &MainWindow::build);
    connect(eraseAction, &QAction::triggered, this, &MainWindow::eraseScene);

    settingsMenu = named(bar->addMenu(QStringLiteral("Настройки")), "N6");
    windowMenu = named(settingsMenu->addMenu(QStringLiteral("Окно")), "N23");
    colourMenu = named(windowMenu->addMenu(QStringLiteral("Цвет")), "N10");
    axesColourMenu = named(colourMenu->addMenu(QStringLiteral("Оси")), "N12");
    planesColourMenu = named(colourMenu->addMenu(QStringLiteral("Плоскости")), "N13");
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
    axesRedAction = colourItem(axesColourMenu, axes, QStringLiteral("Красный"), "N14", false);
    axesGreenAction = colourItem(axesColourMenu, axes, QStringLiteral("Зеленый"), "N15", false);
    axesBlueAction = colourItem(axesColourMenu, axes, QStringLiteral("Синий"), "N16", true);
    auto* planes = new QActionGroup(this);
    planesWhiteAction = colourItem(planesColourMenu, planes, QStringLiteral("Белый"), "N17", true);
    planesRedAction = colourItem(planesColourMenu, planes, QStringLiteral("Красный"), "N18", false);
    planesGreenAction = colourItem(planesColourMenu, planes, QStringLiteral("Зеленый"), "N19", false);
    planesBlueAction = colourItem(planesColourMenu, planes, QStringLiteral("Синий"), "N20", false);

    toolBarMenu = named(settingsMenu->addMenu(QStringLiteral("Панель инструментов")), "N21");
    const auto toolItem = [this](const QString& caption, const char* name) {
        QAction* item = named(toolBarMenu->addAction(caption), name);
        item->setCheckable(true);
        item->setChecked(true);
        return item;
    };
    showBuildToolAction = toolItem(QStringLiteral("Построить"), "N26");
    showEraseToolAction = toolItem(QStringLiteral("Стереть построение"), "N27");
    showReferenceToolAction = toolItem(QStringLiteral("Справочник"), "N28");
    showPreviousToolAction = toolItem(QStringLiteral("Построить предыдущий объект из списка"), "N11");
    showNextToolAction = toolItem(QStringLiteral("Построить следущий объет из списка"), "N29");
    showSaveToolAction = toolItem(QStringLiteral("Сохранить построение как..."), "N30");
    showScreenshotToolAction = toolItem(QStringLiteral("Сделать скриншот экрана"), "N31");
    showLegendToolAction = toolItem(QStringLiteral("Показать условные обозначения"), "N32");
    showSettingsToolAction = toolItem(QStringLiteral("Настройки построения объектов"), "N33");
    showHelpToolAction = toolItem(QStringLiteral("Открыть файл справки"), "N34");
    showExitToolAction = toolItem(QStringLiteral("Выход из программы"), "N35");
    named(settingsMenu->addSeparator(), "N24");
    displaySettingsAction = named(settingsMenu->addAction(QStringLiteral("Построение")), "N25");
    connect(displaySettingsAction, &QAction::triggered, this, &MainWindow::showSettings);

    helpMenu = named(bar->addMenu(QStringLiteral("Помощь")), "N7");
    helpAction = named(helpMenu->addAction(QStringLiteral("Справка")), "N8");
    aboutAction = named(helpMenu->addAction(QStringLiteral("О Программе")), "N9");

    // Commands that other windows bring stay disabled until bound.
    for (QAction* item : {calculatorAction, referenceAction, aboutAction})
        item->setEnabled(false);
}

void MainWindow::buildToolBar()
{
    toolBar = named(new QToolBar(this), "tlb1");
    toolBar->setOrientation(Qt::Vertical);
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(32, 32));
    toolBar->setFixedWidth(ToolBarWidth);
    toolBar->setStyleSheet(QStringLiteral("QToolBar { background: palette(midlight); border: 0; spacing: 0; padding: 0; }"));
    SetHint(toolBar, QStringLiteral("Панель инструментов"));
    addToolBar(Qt::LeftToolBarArea, toolBar);

    const auto button = [this](const char* name, int image, const QString& shortHint, const QString& longHint) {
        auto* b = named(new QToolButton(toolBar), name);
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
    buildToolButton = same("btn2", 0, QStringLiteral("Построить выбранный объект"));
    eraseToolButton = button("btn5", 1, erase, erase + ' ');
    referenceToolButton = same("btn7", 2, QStringLiteral("Справочник"));
    previousToolButton = button("btn4", 10, previous, previous + ' ');
    nextToolButton = button("btn9", 3, next, next + ' ');
    saveToolButton = same("btn11", 4, QStringLiteral("Сохранить построение"));
    screenshotToolButton = same("btn13", 5, QStringLiteral("Сделать скриншот"));
    legendToolButton = same("btn15", 6, QStringLiteral("Обозначения атомов в структурах"));
    settingsToolButton = same("btn17", 7, QStringLiteral("Настройки построения"));
    helpToolButton = same("btn19", 8, QStringLiteral("Справка"));
    exitToolButton = same("btn21", 9, QStringLiteral("Выход из программы"));
    openStructureToolButton = button("openStructureToolButton", 11, QStringLiteral("Открыть структуру"),
                                     QStringLiteral("Открыть файл кристаллической структуры (CIF)"));

    // The visibility of each button follows its check item of the tool-bar
    // menu, in the order applyInterfaceOptions applies them.
    const std::array<QToolButton*, 11> buttons{buildToolButton, eraseToolButton, referenceToolButton, previousToolButton, nextToolButton, saveToolButton, screenshotToolButton, legendToolButton, settingsToolButton, helpToolButton, exitToolButton};
    const std::array<int, 11> orderOfItems{3, 0, 1, 2, 4, 5, 6, 7, 8, 9, 10}; // showPreviousToolAction, showBuildToolAction..showExitToolAction
    std::array<QAction*, 11> byButton{};
    for (std::size_t i = 0; i < buttons.size(); ++i)
        byButton[i] = toolBar->addWidget(buttons[i]);
    for (std::size_t i = 0; i < orderOfItems.size(); ++i)
        toolActions_[i] = byButton[static_cast<std::size_t>(orderOfItems[i])];
    // Last, so that the buttons above keep their places.
    toolBar->addWidget(openStructureToolButton);

    connect(buildToolButton, &QToolButton::clicked, this, &MainWindow::build);
    connect(eraseToolButton, &QToolButton::clicked, this, &MainWindow::eraseScene);
    connect(previousToolButton, &QToolButton::clicked, this, &MainWindow::previousObject);
    connect(nextToolButton, &QToolButton::clicked, this, &MainWindow::nextObject);
    connect(settingsToolButton, &QToolButton::clicked, this, &MainWindow::showSettings);
    connect(exitToolButton, &QToolButton::clicked, this, &MainWindow::exitProgram);
    for (QToolButton* b : {referenceToolButton, legendToolButton})
        b->setEnabled(false);
}

} // namespace vestrel
