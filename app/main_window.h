// SPDX-License-Identifier: MIT
// The main window: menus, tool bar, drawing panel, side panel and status
// bar, composed of its feature parts (catalogue, view navigation, options,
// structure files, symmetry lesson, pictures, timers). Its commands hand over
// to the parts; tests reach its controls by their objectNames.
#pragma once

#include "frame/frame_inputs.h"
#include "logic/catalogue.h"
#include "logic/text/language.h"
#include "render/view_state.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

namespace vestrel {

namespace cif {
class LoadedStructure;
}

struct ZonePicture;

class AboutWindow;
class CalculatorWindow;
class CataloguePart;
class CompanionWindows;
class CrystalClassPart;
class Draw;
class GlPanel;
class HelpOpener;
class HintRouter;
class InterfacePart;
class LegendWindow;
class MainMenus;
class Options;
class OptionsPanel;
class PicturePart;
class ModelExportPart;
class PowderWindow;
class PictureCommands;
class PictureUi;
class ReferenceWindow;
class SceneCommands;
class SettingsWindow;
class StereogramPart;
class StereogramWindow;
class StructureFilePart;
class StructureToolsPart;
class SymmetryPart;
class ViewPart;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // programDir: the folder of the executable, where Data/ lies. options:
    // the program's options, which the window's controls are bound to.
    MainWindow(const QString& programDir, Options& options, HintRouter* hints, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Seams for message boxes, so tests can answer them.
    std::function<void(const QString&)> showMessageBox;
    std::function<bool(const QString&)> askYesNo; // true on Yes
    // Seam for the dialog of "Открыть структуру…": opened in `folder`, it
    // returns the chosen file, or an empty string when cancelled.
    std::function<QString(const QString& folder)> askStructureFile;
    // The save prompt on every close; returns whether the window may close.
    // Tests may replace it.
    std::function<bool()> closeQuery;

    // What the frame reads: the options, the scene and the view.
    FrameInputs readFrameInputs() const;
    ViewState& viewState();
    const Catalogue& catalogue() const;
    const QString& programDir() const { return programDir_; }
    Options& options() { return options_; }

    // The reference, legend and About windows, shown by their commands.
    void setAuxiliaryWindows(AboutWindow* about, LegendWindow* legend, ReferenceWindow* reference);
    void setSettings(SettingsWindow* settings);
    void setCalculator(CalculatorWindow* calculator);
    // "Порошковая дифрактограмма" of the structure from a file shown.
    void setPowderWindow(PowderWindow* powder);
    // "Стереографическая проекция" of the polyhedron or class shown.
    void setStereogramWindow(StereogramWindow* window);
    StereogramPart& stereogram() { return *stereogram_; }
    // Message boxes and the save dialog of picture output go through ui
    // (the Qt dialogs by default).
    void setPictureUi(PictureUi& ui);
    // "Настройки" → "Язык / Language": runs choose with the language picked;
    // showLanguage checks the item of the language the interface speaks.
    void bindLanguageChoice(const std::function<void(Language)>& choose);
    void showLanguage(Language language);
    PictureCommands& pictures();
    HelpOpener& helpOpener() { return *helpOpener_; }

    // A crystal structure from a CIF file in place of the scene shown: on
    // success the structure list gets the file's name as its last item;
    // otherwise the loader's message and the scene shown stays.
    bool openStructureFile(const QString& path);
    bool showsLoadedStructure() const;
    const cif::LoadedStructure& loadedStructure() const;
    // The folder the open dialog starts in (kept between runs).
    QString structureFolder() const;
    void setStructureFolder(const QString& folder);

    // The tool-bar buttons and interface options applied now, as the
    // one-second timer applies them.
    void applyInterfaceOptions();

public slots:
    void build();
    void eraseScene();
    void nextObject();
    void previousObject();
    void structureChosen(int item);
    void polyhedronChosen(int item);
    void performSymmetryOperation(); // "Выполнить"
    void symmetryElementChosen(int row);
    // The calculator's zone law in space: replaces the scene, as erasing
    // would, and says in the status bar what it shows.
    void showZonePicture(const ZonePicture& picture);
    void exitProgram();
    void showSettings();
    void nextFrame(); // one tick of the frame timer
    void panelMousePressed(Qt::MouseButton button, int x, int y);
    void panelMouseMoved(int x, int y);
    void panelMouseReleased(Qt::MouseButton button, int x, int y);
    void wheelTurned(int notches);
    void openStructure(); // "Открыть структуру…": the dialog, then the file
    void showReference(); // reference window
    void showLegend();    // atom legend beside the drawing panel
    void showAbout();     // About window, modal, centred on the main window

protected:
    void closeEvent(QCloseEvent* event) override;
    // The texts the parts compose, again in the interface's language (the
    // plain captions are relabelled where they stand).
    void changeEvent(QEvent* event) override;
    // A .cif file dropped on the window opens.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QWidget* buildSidePanel();
    void bindCommands();
    void drawFrame(Draw& gl, bool tick);

    QString programDir_;
    Options& options_;
    SettingsWindow* settings_ = nullptr;
    CompanionWindows* companions_ = nullptr;
    std::unique_ptr<HelpOpener> helpOpener_;
    GlPanel* panel_ = nullptr;
    QWidget* sidePanel_ = nullptr;
    MainMenus* menus_ = nullptr;
    CataloguePart* catalogue_ = nullptr;
    CrystalClassPart* crystal_ = nullptr;
    OptionsPanel* optionsPanel_ = nullptr;
    ViewPart* view_ = nullptr;
    StructureFilePart* structureFile_ = nullptr;
    StructureToolsPart* structureTools_ = nullptr;
    SymmetryPart* symmetry_ = nullptr;
    SceneCommands* scene_ = nullptr;
    PicturePart* pictures_ = nullptr;
    ModelExportPart* models_ = nullptr;
    InterfacePart* interface_ = nullptr;
    StereogramPart* stereogram_ = nullptr;
};

} // namespace vestrel
