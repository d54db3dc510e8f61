// SPDX-License-Identifier: MIT
// The main window's menu bar and its tool bar of picture buttons. Each
// command is one entry; the feature parts bind their handlers to it, and one
// handler then serves the menu item and the tool button alike.
#pragma once

#include "logic/text/language.h"

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;

namespace vestrel {

class Options;

enum class Command {
    OpenStructure, SaveImage, Screenshot, Calculator, Reference, Exit, // "Файл"
    Build, Erase,                                                      // "Запуск"
    DisplaySettings,                                                   // "Настройки"
    Help, About,                                                       // "Помощь"
    Previous, Next, Legend,                                            // tool bar only
    Powder,                                                            // "Запуск"
    Stereogram,                                                        // "Запуск"
    StructureLibrary,                                                  // "Файл"
    Measure,                                                           // tool bar only: "Измерение"
    SaveModel,                                                         // "Файл"
    LanguageRussian, LanguageEnglish,                                  // "Настройки" → "Язык / Language"
    Count
};

class MainMenus : public QObject {
    Q_OBJECT
public:
    MainMenus(QMainWindow& window, Options& options);

    // The menu item and the tool button of a command (either may be null).
    QAction* item(Command command) const;
    QToolButton* button(Command command) const;
    // Runs handler from the command's menu item and tool button.
    void bind(Command command, const std::function<void()>& handler);
    // Enables the menu item and the tool button.
    void enable(Command command, bool on);

    // "Настройки" → "Язык / Language": choose runs with the language picked;
    // showLanguage checks the item of the language the interface speaks.
    void bindLanguage(const std::function<void(Language)>& choose);
    void showLanguage(Language language);

    QToolBar* toolBar() const { return toolBar_; }
    // The tool bar's buttons shown as the options say.
    void applyToolButtonOptions();
    // Puts the tool buttons' two-part hints together again in the language
    // the interface now speaks.
    void retranslate();

private:
    void buildMenus(QMainWindow& window);
    void buildLanguageMenu(QMenu& settingsMenu);
    void buildToolBar(QMainWindow& window);
    void bindToolBarMenu();
    void setToolBarHints();

    Options& options_;
    std::array<QAction*, static_cast<std::size_t>(Command::Count)> items_{};
    std::array<QToolButton*, static_cast<std::size_t>(Command::Count)> buttons_{};
    QMenu* toolBarMenu_ = nullptr;
    std::array<QAction*, 11> toolBarMenuItems_{}; // in the menu's order
    std::array<QAction*, 11> toolBarEntries_{};   // the buttons' places on the bar, in the same order
    std::array<QAction*, 3> axesColourItems_{};
    std::array<QAction*, 4> planesColourItems_{};
    QToolBar* toolBar_ = nullptr;
};

} // namespace vestrel
