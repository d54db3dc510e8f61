// SPDX-License-Identifier: MIT
#include "app/main_menus.h"

#include "app/main_window_parts.h"
#include "app/option_binding.h"
#include "app/powder_window.h"
#include "app/stereogram_window.h"
#include "app/toolbar_icons.h"
#include "logic/hints.h"
#include "logic/options.h"

#include <QActionGroup>
#include <QMenu>
#include <tuple>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace vestrel {

namespace {

QString twoPartHint(const QString& shortPart, const QString& longPart) { return shortPart + '|' + longPart; }

std::size_t at(Command command) { return static_cast<std::size_t>(command); }

// The commands of the tool-bar menu, in its order: the buttons stand on
// the bar in the same order.
constexpr std::array<Command, 11> ToolBarCommands{Command::Build,      Command::Erase,     Command::Reference,
                                                  Command::Previous,   Command::Next,      Command::SaveImage,
                                                  Command::Screenshot, Command::Legend,    Command::DisplaySettings,
                                                  Command::Help,       Command::Exit};

} // namespace

MainMenus::MainMenus(QMainWindow& window, Options& options) : QObject(&window), options_(options)
{
    buildMenus(window);
    buildToolBar(window);
    bindToolBarMenu();
}

QAction* MainMenus::item(Command command) const { return items_[at(command)]; }
QToolButton* MainMenus::button(Command command) const { return buttons_[at(command)]; }

void MainMenus::bind(Command command, const std::function<void()>& handler)
{
    if (QAction* menuItem = item(command))
        connect(menuItem, &QAction::triggered, this, [handler] { handler(); });
    if (QToolButton* toolButton = button(command))
        connect(toolButton, &QToolButton::clicked, this, [handler] { handler(); });
}

void MainMenus::enable(Command command, bool on)
{
    if (QAction* menuItem = item(command))
        menuItem->setEnabled(on);
    if (QToolButton* toolButton = button(command))
        toolButton->setEnabled(on);
}

// Each language's name in its own words, the same in either interface.
void MainMenus::buildLanguageMenu(QMenu& settingsMenu)
{
    QMenu* languageMenu = named(settingsMenu.addMenu(QString::fromUtf8("Язык / Language")), "languageMenu");
    auto* group = new QActionGroup(this);
    for (const auto& [command, caption, name] :
         {std::tuple{Command::LanguageRussian, "Русский", "russianLanguageAction"},
          std::tuple{Command::LanguageEnglish, "English", "englishLanguageAction"}}) {
        QAction* item = named(languageMenu->addAction(QString::fromUtf8(caption)), name);
        item->setCheckable(true);
        group->addAction(item);
        items_[at(command)] = item;
    }
}

void MainMenus::bindLanguage(const std::function<void(Language)>& choose)
{
    bind(Command::LanguageRussian, [choose] { choose(Language::Russian); });
    bind(Command::LanguageEnglish, [choose] { choose(Language::English); });
}

void MainMenus::showLanguage(Language language)
{
    item(language == Language::English ? Command::LanguageEnglish : Command::LanguageRussian)->setChecked(true);
}

void MainMenus::buildMenus(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    const auto add = [this](QMenu* menu, Command command, const QString& caption, const char* name) {
        items_[at(command)] = named(menu->addAction(caption), name);
        return items_[at(command)];
    };
    QMenu* fileMenu = named(bar->addMenu(QStringLiteral("Файл")), "N1");
    add(fileMenu, Command::OpenStructure, QStringLiteral("Открыть структуру…"), "openStructureAction")
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    add(fileMenu, Command::StructureLibrary, QStringLiteral("Библиотека структур…"), "structureLibraryAction")
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    named(fileMenu->addSeparator(), "openStructureSeparator");
    add(fileMenu, Command::SaveImage, QStringLiteral("Сохранить построение как..."), "N3");
    add(fileMenu, Command::SaveModel, QStringLiteral("Сохранить 3D-модель…"), "saveModelAction");
    add(fileMenu, Command::Screenshot, QStringLiteral("Сделать скриншот"), "N4");
    named(fileMenu->addSeparator(), "N2");
    add(fileMenu, Command::Calculator, QStringLiteral("Расчет символов граней и ребер"), "N39");
    add(fileMenu, Command::Reference, QStringLiteral("Справочник"), "N40");
    named(fileMenu->addSeparator(), "N41");
    add(fileMenu, Command::Exit, QStringLiteral("Выход"), "N5");
    QMenu* runMenu = named(bar->addMenu(QStringLiteral("Запуск")), "N22");
    add(runMenu, Command::Build, QStringLiteral("Построить объект"), "N36");
    named(runMenu->addSeparator(), "N38");
    add(runMenu, Command::Erase, QStringLiteral("Стереть построение"), "N37");
    named(runMenu->addSeparator(), "powderSeparator");
    add(runMenu, Command::Powder, QStringLiteral("Порошковая дифрактограмма"), "powderAction");
    add(runMenu, Command::Stereogram, QStringLiteral("Стереографическая проекция"), "stereogramAction");
    QMenu* settingsMenu = named(bar->addMenu(QStringLiteral("Настройки")), "N6");
    QMenu* windowMenu = named(settingsMenu->addMenu(QStringLiteral("Окно")), "N23");
    QMenu* colourMenu = named(windowMenu->addMenu(QStringLiteral("Цвет")), "N10");
    QMenu* axesColourMenu = named(colourMenu->addMenu(QStringLiteral("Оси")), "N12");
    QMenu* planesColourMenu = named(colourMenu->addMenu(QStringLiteral("Плоскости")), "N13");
    // One item of each colour menu is always checked; clicking the checked
    // item leaves it checked.
    const auto colourItem = [](QMenu* menu, QActionGroup* group, const QString& caption, const char* name) {
        QAction* colour = named(menu->addAction(caption), name);
        colour->setCheckable(true);
        group->addAction(colour);
        return colour;
    };
    auto* axes = new QActionGroup(this);
    axesColourItems_ = {colourItem(axesColourMenu, axes, QStringLiteral("Красный"), "N14"),
                        colourItem(axesColourMenu, axes, QStringLiteral("Зеленый"), "N15"),
                        colourItem(axesColourMenu, axes, QStringLiteral("Синий"), "N16")};
    auto* planes = new QActionGroup(this);
    planesColourItems_ = {colourItem(planesColourMenu, planes, QStringLiteral("Белый"), "N17"),
                          colourItem(planesColourMenu, planes, QStringLiteral("Красный"), "N18"),
                          colourItem(planesColourMenu, planes, QStringLiteral("Зеленый"), "N19"),
                          colourItem(planesColourMenu, planes, QStringLiteral("Синий"), "N20")};
    BindItems({axesColourItems_.begin(), axesColourItems_.end()}, options_, Option(&KeptSettings::axesColour));
    BindItems({planesColourItems_.begin(), planesColourItems_.end()}, options_, Option(&KeptSettings::planesColour));

    toolBarMenu_ = named(settingsMenu->addMenu(QStringLiteral("Панель инструментов")), "N21");
    const std::array<std::pair<const char*, const char*>, 11> toolItems{{
        {"Построить", "N26"},
        {"Стереть построение", "N27"},
        {"Справочник", "N28"},
        {"Построить предыдущий объект из списка", "N11"},
        {"Построить следущий объет из списка", "N29"},
        {"Сохранить построение как...", "N30"},
        {"Сделать скриншот экрана", "N31"},
        {"Показать условные обозначения", "N32"},
        {"Настройки построения объектов", "N33"},
        {"Открыть файл справки", "N34"},
        {"Выход из программы", "N35"},
    }};
    for (std::size_t i = 0; i < toolItems.size(); ++i) {
        toolBarMenuItems_[i] = named(toolBarMenu_->addAction(QString::fromUtf8(toolItems[i].first)), toolItems[i].second);
        toolBarMenuItems_[i]->setCheckable(true);
    }
    named(settingsMenu->addSeparator(), "N24");
    add(settingsMenu, Command::DisplaySettings, QStringLiteral("Построение"), "N25");
    buildLanguageMenu(*settingsMenu);
    QMenu* helpMenu = named(bar->addMenu(QStringLiteral("Помощь")), "N7");
    add(helpMenu, Command::Help, QStringLiteral("Справка"), "N8");
    add(helpMenu, Command::About, QStringLiteral("О Программе"), "N9");
    // Commands that other windows bring stay disabled until bound.
    for (Command command : {Command::Calculator, Command::Reference, Command::About, Command::Powder, Command::Stereogram})
        item(command)->setEnabled(false);
}

void MainMenus::buildToolBar(QMainWindow& window)
{
    toolBar_ = named(new QToolBar(&window), "tlb1");
    toolBar_->setOrientation(Qt::Vertical);
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(32, 32));
    toolBar_->setFixedWidth(ToolBarWidth);
    toolBar_->setStyleSheet(QStringLiteral("QToolBar { background: palette(midlight); border: 0; spacing: 0; padding: 0; }"));
    SetHint(toolBar_, QStringLiteral("Панель инструментов"));
    window.addToolBar(Qt::LeftToolBarArea, toolBar_);
    const auto make = [this](Command command, const char* name, int image, const QString& shortHint,
                               const QString& longHint) {
        auto* b = named(new QToolButton(toolBar_), name);
        b->setIcon(ToolIcon(image));
        b->setIconSize(QSize(32, 32));
        b->setFixedSize(ToolBarWidth, 47);
        b->setAutoRaise(true);
        SetHint(b, twoPartHint(shortHint, longHint));
        buttons_[at(command)] = b;
    };
    const QString erase = QStringLiteral("Стереть построенную структуру или многогранник");
    const QString previous = QStringLiteral("Построить пред. объект из списка");
    const QString next = QStringLiteral("Построить след. объект из списка");
    const auto same = [&](Command command, const char* name, int image, const QString& hint) {
        make(command, name, image, hint, hint);
    };
    same(Command::Build, "btn2", 0, QStringLiteral("Построить выбранный объект"));
    make(Command::Erase, "btn5", 1, erase, erase + ' ');
    same(Command::Reference, "btn7", 2, QStringLiteral("Справочник"));
    make(Command::Previous, "btn4", 10, previous, previous + ' ');
    make(Command::Next, "btn9", 3, next, next + ' ');
    same(Command::SaveImage, "btn11", 4, QStringLiteral("Сохранить построение"));
    same(Command::Screenshot, "btn13", 5, QStringLiteral("Сделать скриншот"));
    same(Command::Legend, "btn15", 6, QStringLiteral("Обозначения атомов в структурах"));
    same(Command::DisplaySettings, "btn17", 7, QStringLiteral("Настройки построения"));
    same(Command::Help, "btn19", 8, QStringLiteral("Справка"));
    same(Command::Exit, "btn21", 9, QStringLiteral("Выход из программы"));
    make(Command::OpenStructure, "openStructureToolButton", 11, QStringLiteral("Открыть структуру"),
           QStringLiteral("Открыть файл кристаллической структуры (CIF)"));
    for (std::size_t i = 0; i < ToolBarCommands.size(); ++i)
        toolBarEntries_[i] = toolBar_->addWidget(MainMenus::button(ToolBarCommands[i]));
    const QStringList powderHint = QString::fromUtf8(PowderHint).split(QLatin1Char('|'));
    make(Command::Powder, "powderToolButton", -1, powderHint.value(0), powderHint.value(1));
    MainMenus::button(Command::Powder)->setIcon(PowderIcon());
    // Below the eleven, so that they keep their places; the command that
    // opens a structure file stays last.
    make(Command::Measure, "measureToolButton", -1, QStringLiteral("Измерение"),
         QStringLiteral("Измерить расстояния и углы между атомами структуры из файла"));
    toolBar_->addWidget(MainMenus::button(Command::Powder));
    const QStringList stereogramHint = QString::fromUtf8(StereogramHint).split(QLatin1Char('|'));
    make(Command::Stereogram, "stereogramToolButton", -1, stereogramHint.value(0), stereogramHint.value(1));
    MainMenus::button(Command::Stereogram)->setIcon(StereogramIcon());
    MainMenus::button(Command::Stereogram)->setEnabled(false);
    toolBar_->addWidget(MainMenus::button(Command::Stereogram));
    toolBar_->addWidget(MainMenus::button(Command::Measure));
    toolBar_->addWidget(MainMenus::button(Command::OpenStructure));
    MainMenus::button(Command::Powder)->setEnabled(false);
    // Commands that other windows bring stay disabled until bound.
    MainMenus::button(Command::Reference)->setEnabled(false);
    MainMenus::button(Command::Legend)->setEnabled(false);
}

void MainMenus::bindToolBarMenu()
{
    for (std::size_t i = 0; i < toolBarMenuItems_.size(); ++i)
        Bind(toolBarMenuItems_[i], options_,
             OptionAccess<bool>{[i](const Options& o) { return o.kept().toolButtons[i]; },
                                [i](Options& o, bool shown) { o.setToolButton(static_cast<int>(i), shown); }});
}

void MainMenus::applyToolButtonOptions()
{
    for (std::size_t i = 0; i < toolBarEntries_.size(); ++i)
        toolBarEntries_[i]->setVisible(options_.kept().toolButtons[i]);
}

} // namespace vestrel
