// SPDX-License-Identifier: MIT
// The main window: menus, tool bar, drawing panel, side panel, status bar and
// the two timers. Commands hand over to the catalogue, the view navigation
// and the frame routine.
#pragma once

#include "logic/catalogue.h"
#include "logic/symmetry_lesson.h"
#include "logic/view_navigation.h"
#include "frame/frame_inputs.h"
#include "render/view_state.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QMenu;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSlider;
class QSpinBox;
class QStatusBar;
class QTimer;
class QToolBar;
class QToolButton;

namespace vestrel {

namespace cif {
class LoadedStructure;
}

struct ZonePicture;

class AboutWindow;
class Draw;
class CalculatorWindow;
class PictureCommands;
class PictureUi;
class LegendWindow;
class SettingsWindow;
class ReferenceWindow;
class HelpOpener;
class GlPanel;
class HintRouter;
class PictureBox;

class MainWindow : public QMainWindow, private CatalogueView {
    Q_OBJECT
public:
    // programDir: the folder of the executable, where Data/ lies.
    MainWindow(const QString& programDir, SettingsWindow* settings, HintRouter* hints, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Seams for message boxes, so tests can answer them.
    std::function<void(const QString&)> showMessageBox;
    std::function<bool(const QString&)> askYesNo; // true on Yes
    // Seam for the dialog of "Открыть структуру…": opened in `folder`, it
    // returns the chosen file, or an empty string when cancelled.
    std::function<QString(const QString& folder)> askStructureFile;

    // Reads the controls into the frame's inputs, as every frame does.
    FrameInputs readFrameInputs() const;
    ViewState& viewState() { return view_; }
    const Catalogue& catalogue() const { return *catalogue_; }
    const QString& programDir() const { return programDir_; }

    // Main menu
    QMenu* fileMenu;  // "Файл"
    QAction* openStructureAction; // "Открыть структуру…"
    QAction* saveImageAction;
    QAction* screenshotAction;
    QAction* calculatorAction;
    QAction* referenceAction;
    QAction* exitAction;
    QMenu* runMenu; // "Запуск"
    QAction* buildAction;
    QAction* eraseAction;
    QMenu* settingsMenu;  // "Настройки"
    QMenu* windowMenu;
    QMenu* colourMenu;
    QMenu* axesColourMenu;
    QAction* axesRedAction;
    QAction* axesGreenAction;
    QAction* axesBlueAction;
    QMenu* planesColourMenu;
    QAction* planesWhiteAction;
    QAction* planesRedAction;
    QAction* planesGreenAction;
    QAction* planesBlueAction;
    QMenu* toolBarMenu;
    QAction* showBuildToolAction;
    QAction* showEraseToolAction;
    QAction* showReferenceToolAction;
    QAction* showPreviousToolAction;
    QAction* showNextToolAction;
    QAction* showSaveToolAction;
    QAction* showScreenshotToolAction;
    QAction* showLegendToolAction;
    QAction* showSettingsToolAction;
    QAction* showHelpToolAction;
    QAction* showExitToolAction;
    QAction* displaySettingsAction;
    QMenu* helpMenu;  // "Помощь"
    QAction* helpAction;
    QAction* aboutAction;

    // Tool bar, top to bottom
    QToolBar* toolBar;
    QToolButton* buildToolButton;
    QToolButton* eraseToolButton;
    QToolButton* referenceToolButton;
    QToolButton* previousToolButton;
    QToolButton* nextToolButton;
    QToolButton* saveToolButton;
    QToolButton* screenshotToolButton;
    QToolButton* legendToolButton;
    QToolButton* settingsToolButton;
    QToolButton* helpToolButton;
    QToolButton* exitToolButton;
    QToolButton* openStructureToolButton; // last, below "Выход из программы"

    GlPanel* glPanel;
    QFrame* sidePanel;
    QScrollArea* sideScroll;
    QGroupBox* toolsGroup;
    QPushButton* buildButton;
    QPushButton* eraseButton;
    QGroupBox* structureGroup;
    QComboBox* structureList;
    QGroupBox* polyhedronGroup;
    QComboBox* polyhedronList;
    QGroupBox* distanceGroup;
    QSlider* distanceSlider;
    QGroupBox* optionsGroup;
    QGroupBox* axesGroup;
    QCheckBox* axisOXCheck;
    QCheckBox* axisOYCheck;
    QCheckBox* axisOZCheck;
    QGroupBox* planesGroup;
    QCheckBox* planeXYCheck;
    QCheckBox* planeYZCheck;
    QCheckBox* planeXZCheck;
    QGroupBox* presentationGroup;
    QCheckBox* autoRotateCheck;
    QCheckBox* showBondsCheck;
    QCheckBox* showScrewAxesCheck;
    QCheckBox* showSymmetryAxesCheck;
    QCheckBox* showSymmetryPlanesCheck;
    QGroupBox* photoGroup;
    PictureBox* photoBox;
    QGroupBox* informationGroup;
    QPlainTextEdit* informationMemo;
    QGroupBox* symmetryGroup;        // "Операции симметрии :"
    QListWidget* symmetryList;       // the built polyhedron's elements
    QPushButton* performButton;      // "Выполнить"
    QGroupBox* cellsGroup;           // shown while a structure from a file is
    QSpinBox* cellsSpin;             // "Ячеек по осям", 1 to 4
    QStatusBar* statusLine;

    QTimer* frameTimer;
    QTimer* interfaceTimer;

    // Picture output and the calculator plug in here: each gets the menu
    // item and tool button that run it.
    void bindCommand(QAction* item, QToolButton* button, std::function<void()> command);
    // The reference, legend and About windows, shown by their commands.
    void setAuxiliaryWindows(AboutWindow* about, LegendWindow* legend, ReferenceWindow* reference);
    void setSettings(SettingsWindow* settings);
    void setCalculator(CalculatorWindow* calculator);
    // Message boxes and the save dialog of picture output go through ui
    // (the Qt dialogs by default).
    void setPictureUi(PictureUi& ui);
    PictureCommands& pictures() { return *pictures_; }
    HelpOpener& helpOpener() { return *helpOpener_; }

    // A crystal structure from a CIF file in place of the scene shown: on
    // success the structure list gets the file's name as its last item;
    // otherwise the loader's message and the scene shown stays.
    bool openStructureFile(const QString& path);
    // Whether a structure from a file is shown, and that structure.
    bool showsLoadedStructure() const { return structureShown_; }
    const cif::LoadedStructure& loadedStructure() const { return *loaded_; }
    // The folder the open dialog starts in (kept between runs).
    const QString& structureFolder() const { return structureFolder_; }
    void setStructureFolder(const QString& folder) { structureFolder_ = folder; }

public slots:
    void build();
    void performSymmetryOperation(); // "Выполнить"
    void symmetryElementChosen(int row);
    void eraseScene();
    // The calculator's zone law in space: replaces the scene, as erasing
    // would, and says in the status bar what it shows.
    void showZonePicture(const ZonePicture& picture);
    void nextObject();
    void previousObject();
    void structureChosen(int item);
    void polyhedronChosen(int item);
    void exitProgram();
    void showSettings();
    void applyInterfaceOptions();
    void nextFrame();
    void distanceChanged(int position);
    void panelMousePressed(Qt::MouseButton button, int x, int y);
    void panelMouseMoved(int x, int y);
    void panelMouseReleased(Qt::MouseButton button, int x, int y);
    void wheelTurned(int notches);
    void showReference();  // reference window
    void referenceToolClicked(); // does what the menu item "Справочник" does
    void showLegend(); // atom legend beside the drawing panel
    void showAbout();   // About window, modal, centred on the main window
    void openHelp();   // the help pages in the desktop's browser
    void saveImage();   // save the drawing panel's picture as
    void takeScreenshot();   // screenshot of the whole main window
    void showCalculator();  // the face and edge symbol calculator
    void openStructure();   // "Открыть структуру…": the dialog, then the file
    void cellsChanged(int cells); // "Ячеек по осям"

    // closeQuery: the save prompt on every close; returns whether the
    // window may close. Tests may replace it.
public:
    std::function<bool()> closeQuery;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A .cif file dropped on the window opens.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // CatalogueView
    void setStructureItem(int item) override;
    void setPolyhedronItem(int item) override;
    bool loadPhoto(const QString& relativePath) override;
    bool loadInformation(const QString& relativePath) override;
    void clearPhoto() override;
    void clearInformation() override;
    void enableStructureOptions(bool structures) override;
    void showMessage(const QString& text) override;

    void buildMenus();
    void buildToolBar();
    QWidget* buildSidePanel();
    QGroupBox* buildToolsGroup(QWidget* parent);
    QGroupBox* buildOptionsGroup(QWidget* parent);
    QGroupBox* buildSymmetryGroup(QWidget* parent);
    QGroupBox* buildCellsGroup(QWidget* parent);
    // Takes the structure from a file off the screen and its item off the
    // structure list.
    void removeLoadedStructure();
    // After a catalogue command: a built-in scene on replaces the structure
    // from a file.
    void syncLoadedStructure();
    // Follows the built polyhedron: its elements in the list, the group
    // shown only while a polyhedron is built.
    void syncSymmetryPanel();
    void advanceSymmetryOperation();
    void enableSceneCommands(bool on);
    void drawFrame(Draw& gl, bool tick);
    void connectPictureOptions(); // the settings window's picture options and the panel
    QImage renderPicture(QSize size); // the view as a picture of that size, drawn offscreen

    QString programDir_;
    SettingsWindow* settings_;
    AboutWindow* about_ = nullptr;
    LegendWindow* legend_ = nullptr;
    ReferenceWindow* reference_ = nullptr;
    std::unique_ptr<HelpOpener> helpOpener_;
    std::unique_ptr<PictureUi> qtPictureUi_;
    std::unique_ptr<PictureCommands> pictures_;
    CalculatorWindow* calculator_ = nullptr;
    ViewState view_;
    std::optional<ZoneScene> zone_;
    SymmetryLesson symmetry_;
    ViewNavigation navigation_{view_};
    std::unique_ptr<Catalogue> catalogue_;
    std::unique_ptr<cif::LoadedStructure> loaded_;
    bool structureShown_ = false;
    QString structureFolder_;
    std::array<QAction*, 11> toolActions_{}; // the tool bar's actions, in showPreviousToolAction, showBuildToolAction..showExitToolAction order
};

} // namespace vestrel
