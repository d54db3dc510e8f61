// SPDX-License-Identifier: MIT
// The windows that the main window's commands show beside it: the
// reference, the atom legend, About, the calculator and the powder pattern.
// Each is created once by the application and only shown and hidden.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace vestrel {

class AboutWindow;
class CalculatorWindow;
class LegendWindow;
class LibraryDialog;
class MainMenus;
class PowderWindow;
class ReferenceWindow;
class StructureFilePart;

class CompanionWindows : public QObject {
    Q_OBJECT
public:
    // window: the main window, beside which the legend opens and on which
    // About is centred; panel: the drawing panel, whose width the legend
    // takes.
    CompanionWindows(QWidget& window, QWidget& panel, MainMenus& menus);

    void setAuxiliaryWindows(AboutWindow* about, LegendWindow* legend, ReferenceWindow* reference);
    void setCalculator(CalculatorWindow* calculator);
    // The powder pattern follows the structure from a file shown.
    void setPowderWindow(PowderWindow* powder, StructureFilePart& structureFile);

    // "Библиотека структур…": the dialog on the library beside the
    // program's data, made at its first use; an entry opened goes to open.
    void bindLibrary(const QString& programDir, std::function<void(const QString& path)> open);

    void showReference();
    void showLegend();
    void showAbout();

private:
    QWidget& window_;
    QWidget& panel_;
    MainMenus& menus_;
    AboutWindow* about_ = nullptr;
    LegendWindow* legend_ = nullptr;
    ReferenceWindow* reference_ = nullptr;
    CalculatorWindow* calculator_ = nullptr;
    LibraryDialog* library_ = nullptr;
};

} // namespace vestrel
