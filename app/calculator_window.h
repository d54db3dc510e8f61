// SPDX-License-Identifier: MIT
// The face and edge symbol calculator "Расчет символов граней и ребер": two
// Miller symbols in, their zone-law product out, in one of two modes (faces
// to edge, edges to face). A tool window that the main window shows and that
// "Выход" only hides; it lives for the whole run.
#pragma once

#include "logic/picture_folders.h"
#include "logic/zone_law.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QFrame;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTimer;

namespace vestrel {

struct ZonePicture;

class MessageUi;

class CalculatorWindow : public QMainWindow {
    Q_OBJECT

public:
    // `programDir` is the folder of the executable; screenshots go into its
    // "Screenshots/" folder.
    explicit CalculatorWindow(const QString& programDir = QString(), QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    void setProgramDir(const QString& programDir)
    {
        programDir_ = programDir;
        folders_ = PictureFolders(programDir);
    }
    // Where screenshots go when they cannot go beside the program.
    void setPictureFolders(const PictureFolders& folders)
    {
        programDir_ = folders.programDir();
        folders_ = folders;
    }
    const QString& programDir() const { return programDir_; }

    // Message boxes go to `ui` (not owned) instead of Qt's message boxes;
    // nullptr goes back to Qt's.
    void setMessageUi(MessageUi* ui);

    SymbolMode mode() const;

    // Controls, named as the window's design names them (objectName too).
    QMenuBar* menus = nullptr;
    QMenu* fileMenu = nullptr;      // "Файл"
    QAction* screenshotAction = nullptr;    // "Сделать скриншот"
    QAction* fileSeparator = nullptr;    // separator
    QAction* exitAction = nullptr;    // "Выход"
    QMenu* runMenu = nullptr;      // "Запуск"
    QAction* calculateAction = nullptr;    // "Рассчитать"
    QAction* runSeparator = nullptr;    // separator
    QAction* clearAction = nullptr;    // "Стереть введенные данные"
    QFrame* modePanel = nullptr;
    QLabel* modeLabel = nullptr;
    QRadioButton* facesToEdgeRadio = nullptr;
    QRadioButton* edgesToFaceRadio = nullptr;
    QGroupBox* inputGroup = nullptr;
    QLabel* firstLabel = nullptr;
    QLabel* secondLabel = nullptr;
    QLabel* inputHeader1 = nullptr;
    QLabel* inputHeader2 = nullptr;
    QLabel* inputHeader3 = nullptr;
    QLabel* inputHeader4 = nullptr;
    QLineEdit* first1Field = nullptr;
    QLineEdit* first2Field = nullptr;
    QLineEdit* first3Field = nullptr;
    QLineEdit* second1Field = nullptr;
    QLineEdit* second2Field = nullptr;
    QLineEdit* second3Field = nullptr;
    QGroupBox* resultGroup = nullptr;
    QLabel* resultLabel1 = nullptr;
    QLabel* resultLabel2 = nullptr;
    QLabel* resultLabel3 = nullptr;
    QLineEdit* result1Field = nullptr;
    QLineEdit* result2Field = nullptr;
    QLineEdit* result3Field = nullptr;
    QPushButton* showInSpaceButton = nullptr;
    QCheckBox* inStructureCheck = nullptr; // "Показать в открытой структуре": the planes in the structure from a file
    QStatusBar* statusLine = nullptr;

    // Receives the zone law drawn in space; the main window shows it.
    std::function<void(const ZonePicture&)> showInSpace;
    // Whether a structure from a file is shown, and what receives the
    // planes to draw in it when inStructureCheck is checked.
    std::function<bool()> structureShown;
    std::function<void(const std::vector<std::array<int, 3>>&)> showPlanesInStructure;
    QTimer* modeTimer = nullptr;

public slots:
    void relabelForMode(); // relabels the window for the checked mode
    void calculate();   // calculates
    void clearFields();   // clears the nine fields
    void facesToEdgeChosen();
    void edgesToFaceChosen();
    void showZoneInSpace(); // "Показать в пространстве"
    void takeScreenshot();   // screenshot into Screenshots/Calc<date>_<time>.bmp
    void hideWindow();   // hides the window
    // The program's current hint: shown in statusLine, which leaves simple-text
    // mode when the hint is empty.
    void showHint(const QString& hint);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void followLanguage();
    void createMenu();
    void createModePanel(QWidget* client);
    void createInputGroup(QWidget* client);
    void createResultGroup(QWidget* client);
    void createShowInSpaceButton(QWidget* client);
    void createStatusBar();
    MessageUi& messageUi();

    QString programDir_;
    PictureFolders folders_;
    std::unique_ptr<MessageUi> qtMessageUi_;
    MessageUi* messageUi_ = nullptr;
    bool placed_ = false;
};

} // namespace vestrel
