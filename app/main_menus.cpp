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
#include <QCoreApplication>
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
    QMenu* fileMenu = named(bar->addMenu(tr("Файл")), "N1");
    add(fileMenu, Command::OpenStructure, tr("Открыть структуру…"), "openStructureAction")
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    add(fileMenu, Command::StructureLibrary, tr("Библиотека структур…"), "structureLibraryAction")
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    named(fileMenu->addSeparator(), "openStructureSeparator");
    add(fileMenu, Command::SaveImage, tr("Сохранить построение как..."), "N3");
    add(fileMenu, Command::SaveModel, tr("Сохранить 3D-модель…"), "saveModelAction");
    add(fileMenu, Command::Screenshot, tr("Сделать скриншот"), "N4");
    named(fileMenu->addSeparator(), "N2");
    add(fileMenu, Command::Calculator, tr("Расчет символов граней и ребер"), "N39");
    add(fileMenu, Command::Reference, tr("Справочник"), "N40");
    named(fileMenu->addSeparator(), "N41");
    add(fileMenu, Command::Exit, tr("Выход"), "N5");
    QMenu* runMenu = named(bar->addMenu(tr("Запуск")), "N22");
    add(runMenu, Command::Build, tr("Построить объект"), "N36");
    named(runMenu->addSeparator(), "N38");
    add(runMenu, Command::Erase, tr("Стереть построение"), "N37");
    named(runMenu->addSeparator(), "powderSeparator");
    add(runMenu, Command::Powder, tr("Порошковая дифрактограмма"), "powderAction");
    add(runMenu, Command::Stereogram, tr("Стереографическая проекция"), "stereogramAction");
    QMenu* settingsMenu = named(bar->addMenu(tr("Настройки")), "N6");
    QMenu* windowMenu = named(settingsMenu->addMenu(tr("Окно")), "N23");
    QMenu* colourMenu = named(windowMenu->addMenu(tr("Цвет")), "N10");
    QMenu* axesColourMenu = named(colourMenu->addMenu(tr("Оси")), "N12");
    QMenu* planesColourMenu = named(colourMenu->addMenu(tr("Плоскости")), "N13");
    // One item of each colour menu is always checked; clicking the checked
    // item leaves it checked.
    const auto colourItem = [](QMenu* menu, QActionGroup* group, const QString& caption, const char* name) {
        QAction* colour = named(menu->addAction(caption), name);
        colour->setCheckable(true);
        group->addAction(colour);
        return colour;
    };
    auto* axes = new QActionGroup(this);
    axesColourItems_ = {colourItem(axesColourMenu, axes, tr("Красный"), "N14"),
                        colourItem(axesColourMenu, axes, tr("Зеленый"), "N15"),
                        colourItem(axesColourMenu, axes, tr("Синий"), "N16")};
    auto* planes = new QActionGroup(this);
    planesColourItems_ = {colourItem(planesColourMenu, planes, tr("Белый"), "N17"),
                          colourItem(planesColourMenu, planes, tr("Красный"), "N18"),
                          colourItem(planesColourMenu, planes, tr("Зеленый"), "N19"),
                          colourItem(planesColourMenu, planes, tr("Синий"), "N20")};
    BindItems({axesColourItems_.begin(), axesColourItems_.end()}, options_, Option(&KeptSettings::axesColour));
    BindItems({planesColourItems_.begin(), planesColourItems_.end()}, options_, Option(&KeptSettings::planesColour));

    toolBarMenu_ = named(settingsMenu->addMenu(tr("Панель инструментов")), "N21");
    const std::array<std::pair<const char*, const char*>, 11> toolItems{{
        {QT_TRANSLATE_NOOP("vestrel::MainMenus", "Построить"), "N26"},
        {QT_TRANSLATE_NOOP("vestrel::MainMenus", "Стереть построение"), "N27"},
        {QT_TRANSLATE_NOOP("vestrel::MainMenus", "Справочник"), "N28"},
        {QT_TRANSLATE_NOOP("vestrel::MainMenus", "Построить предыдущий объект из списка"), "N11"},
        {QT_TRANSLATE_NOOP("vestrel::MainMenus", "Построить следущий объет из списка"), "N29"},
        {QT_TRANSLATE_NOOP("vestrel::MainMenus", "Сохранить построение как..."), "N30"},
        {QT_TRANSLATE_NOOP("vestrel::MainMenus", "Сделать скриншот экрана"), "N31"},
        {QT_TRANSLATE_NOOP("vestrel::MainMenus", "Показать условные обозначения"), "N32"},
        {QT_TRANSLATE_NOOP("vestrel::MainMenus", "Настройки построения объектов"), "N33"},
        {QT_TRANSLATE_NOOP("vestrel::MainMenus", "Открыть файл справки"), "N34"},
        {QT_TRANSLATE_NOOP("vestrel::MainMenus", "Выход из программы"), "N35"},
    }};
    for (std::size_t i = 0; i < toolItems.size(); ++i) {
        toolBarMenuItems_[i] = named(toolBarMenu_->addAction(QCoreApplication::translate("vestrel::MainMenus", toolItems[i].first)),
                                     toolItems[i].second);
        toolBarMenuItems_[i]->setCheckable(true);
    }
    named(settingsMenu->addSeparator(), "N24");
    add(settingsMenu, Command::DisplaySettings, tr("Построение"), "N25");
    buildLanguageMenu(*settingsMenu);
    QMenu* helpMenu = named(bar->addMenu(tr("Помощь")), "N7");
    add(helpMenu, Command::Help, tr("Справка"), "N8");
    add(helpMenu, Command::About, tr("О Программе"), "N9");
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
    window.addToolBar(Qt::LeftToolBarArea, toolBar_);
    const auto make = [this](Command command, const char* name, int image) {
        auto* b = named(new QToolButton(toolBar_), name);
        b->setIcon(ToolIcon(image));
        b->setIconSize(QSize(32, 32));
        b->setFixedSize(ToolBarWidth, 47);
        b->setAutoRaise(true);
        buttons_[at(command)] = b;
    };
    make(Command::Build, "btn2", 0);
    make(Command::Erase, "btn5", 1);
    make(Command::Reference, "btn7", 2);
    make(Command::Previous, "btn4", 10);
    make(Command::Next, "btn9", 3);
    make(Command::SaveImage, "btn11", 4);
    make(Command::Screenshot, "btn13", 5);
    make(Command::Legend, "btn15", 6);
    make(Command::DisplaySettings, "btn17", 7);
    make(Command::Help, "btn19", 8);
    make(Command::Exit, "btn21", 9);
    make(Command::OpenStructure, "openStructureToolButton", 11);
    for (std::size_t i = 0; i < ToolBarCommands.size(); ++i)
        toolBarEntries_[i] = toolBar_->addWidget(MainMenus::button(ToolBarCommands[i]));
    make(Command::Powder, "powderToolButton", -1);
    MainMenus::button(Command::Powder)->setIcon(PowderIcon());
    // Below the eleven, so that they keep their places; the command that
    // opens a structure file stays last.
    make(Command::Measure, "measureToolButton", -1);
    toolBar_->addWidget(MainMenus::button(Command::Powder));
    make(Command::Stereogram, "stereogramToolButton", -1);
    MainMenus::button(Command::Stereogram)->setIcon(StereogramIcon());
    MainMenus::button(Command::Stereogram)->setEnabled(false);
    toolBar_->addWidget(MainMenus::button(Command::Stereogram));
    toolBar_->addWidget(MainMenus::button(Command::Measure));
    toolBar_->addWidget(MainMenus::button(Command::OpenStructure));
    MainMenus::button(Command::Powder)->setEnabled(false);
    // Commands that other windows bring stay disabled until bound.
    MainMenus::button(Command::Reference)->setEnabled(false);
    MainMenus::button(Command::Legend)->setEnabled(false);
    setToolBarHints();
}

void MainMenus::retranslate() { setToolBarHints(); }

// The hints are two-part texts put together here, so that a change of the
// language puts them together anew.
void MainMenus::setToolBarHints()
{
    SetHint(toolBar_, tr("Панель инструментов"));
    const auto hint = [this](Command command, const QString& shortHint, const QString& longHint) {
        SetHint(buttons_[at(command)], twoPartHint(shortHint, longHint));
    };
    const auto same = [&](Command command, const QString& text) { hint(command, text, text); };
    // The status line shows these with a blank after them, as it always has.
    const auto blankAfter = [&](Command command, const QString& text) { hint(command, text, text + ' '); };
    const auto ofWindow = [&](Command command, const char* context, const char* twoParts) {
        const QStringList parts = QCoreApplication::translate(context, twoParts).split(QLatin1Char('|'));
        hint(command, parts.value(0), parts.value(1));
    };
    same(Command::Build, tr("Построить выбранный объект"));
    blankAfter(Command::Erase, tr("Стереть построенную структуру или многогранник"));
    same(Command::Reference, tr("Справочник"));
    blankAfter(Command::Previous, tr("Построить пред. объект из списка"));
    blankAfter(Command::Next, tr("Построить след. объект из списка"));
    same(Command::SaveImage, tr("Сохранить построение"));
    same(Command::Screenshot, tr("Сделать скриншот"));
    same(Command::Legend, tr("Обозначения атомов в структурах"));
    same(Command::DisplaySettings, tr("Настройки построения"));
    same(Command::Help, tr("Справка"));
    same(Command::Exit, tr("Выход из программы"));
    hint(Command::OpenStructure, tr("Открыть структуру"), tr("Открыть файл кристаллической структуры (CIF)"));
    ofWindow(Command::Powder, "vestrel::PowderWindow", PowderHint);
    ofWindow(Command::Stereogram, "vestrel::StereogramWindow", StereogramHint);
    hint(Command::Measure, tr("Измерение"), tr("Измерить расстояния и углы между атомами структуры из файла"));
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
