// SPDX-License-Identifier: MIT
// The main window's controls for tests, found by their objectNames (the
// identifiers each control has always had).
#pragma once

#include "app/gl_panel.h"
#include "app/main_window.h"
#include "app/picture_box.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <memory>

namespace vestrel {

struct MainWindowControls {
    QMenu* fileMenu = nullptr; // "N1"
    QAction* openStructureAction = nullptr; // "openStructureAction"
    QAction* saveImageAction = nullptr; // "N3"
    QAction* saveModelAction = nullptr; // "saveModelAction"
    QAction* screenshotAction = nullptr; // "N4"
    QAction* calculatorAction = nullptr; // "N39"
    QAction* referenceAction = nullptr; // "N40"
    QAction* exitAction = nullptr; // "N5"
    QMenu* runMenu = nullptr; // "N22"
    QAction* buildAction = nullptr; // "N36"
    QAction* eraseAction = nullptr; // "N37"
    QMenu* settingsMenu = nullptr; // "N6"
    QMenu* windowMenu = nullptr; // "N23"
    QMenu* colourMenu = nullptr; // "N10"
    QMenu* axesColourMenu = nullptr; // "N12"
    QAction* axesRedAction = nullptr; // "N14"
    QAction* axesGreenAction = nullptr; // "N15"
    QAction* axesBlueAction = nullptr; // "N16"
    QMenu* planesColourMenu = nullptr; // "N13"
    QAction* planesWhiteAction = nullptr; // "N17"
    QAction* planesRedAction = nullptr; // "N18"
    QAction* planesGreenAction = nullptr; // "N19"
    QAction* planesBlueAction = nullptr; // "N20"
    QMenu* toolBarMenu = nullptr; // "N21"
    QAction* showBuildToolAction = nullptr; // "N26"
    QAction* showEraseToolAction = nullptr; // "N27"
    QAction* showReferenceToolAction = nullptr; // "N28"
    QAction* showPreviousToolAction = nullptr; // "N11"
    QAction* showNextToolAction = nullptr; // "N29"
    QAction* showSaveToolAction = nullptr; // "N30"
    QAction* showScreenshotToolAction = nullptr; // "N31"
    QAction* showLegendToolAction = nullptr; // "N32"
    QAction* showSettingsToolAction = nullptr; // "N33"
    QAction* showHelpToolAction = nullptr; // "N34"
    QAction* showExitToolAction = nullptr; // "N35"
    QAction* displaySettingsAction = nullptr; // "N25"
    QMenu* helpMenu = nullptr; // "N7"
    QAction* helpAction = nullptr; // "N8"
    QAction* aboutAction = nullptr; // "N9"
    QToolBar* toolBar = nullptr; // "tlb1"
    QToolButton* buildToolButton = nullptr; // "btn2"
    QToolButton* eraseToolButton = nullptr; // "btn5"
    QToolButton* referenceToolButton = nullptr; // "btn7"
    QToolButton* previousToolButton = nullptr; // "btn4"
    QToolButton* nextToolButton = nullptr; // "btn9"
    QToolButton* saveToolButton = nullptr; // "btn11"
    QToolButton* screenshotToolButton = nullptr; // "btn13"
    QToolButton* legendToolButton = nullptr; // "btn15"
    QToolButton* settingsToolButton = nullptr; // "btn17"
    QToolButton* helpToolButton = nullptr; // "btn19"
    QToolButton* exitToolButton = nullptr; // "btn21"
    QToolButton* openStructureToolButton = nullptr; // "openStructureToolButton"
    QAction* stereogramAction = nullptr; // "stereogramAction"
    QToolButton* stereogramToolButton = nullptr; // "stereogramToolButton"
    GlPanel* glPanel = nullptr; // "pnl1"
    QFrame* sidePanel = nullptr; // "pnl2"
    QScrollArea* sideScroll = nullptr; // "ScrollBox1"
    QGroupBox* toolsGroup = nullptr; // "grp7"
    QPushButton* buildButton = nullptr; // "btn3"
    QPushButton* eraseButton = nullptr; // "btn1"
    QGroupBox* structureGroup = nullptr; // "grp8"
    QComboBox* structureList = nullptr; // "cbb1"
    QGroupBox* polyhedronGroup = nullptr; // "grp5"
    QComboBox* polyhedronList = nullptr; // "cbb2"
    QGroupBox* distanceGroup = nullptr; // "grp2"
    QSlider* distanceSlider = nullptr; // "TrackBar1"
    QGroupBox* optionsGroup = nullptr; // "grp1"
    QGroupBox* axesGroup = nullptr; // "grp6"
    QCheckBox* axisOXCheck = nullptr; // "chk5"
    QCheckBox* axisOYCheck = nullptr; // "chk7"
    QCheckBox* axisOZCheck = nullptr; // "chk6"
    QGroupBox* planesGroup = nullptr; // "grp4"
    QCheckBox* planeXYCheck = nullptr; // "chk4"
    QCheckBox* planeYZCheck = nullptr; // "chk3"
    QCheckBox* planeXZCheck = nullptr; // "chk2"
    QGroupBox* presentationGroup = nullptr; // "grp3"
    QCheckBox* autoRotateCheck = nullptr; // "chk1"
    QCheckBox* showBondsCheck = nullptr; // "chk8"
    QCheckBox* showScrewAxesCheck = nullptr; // "chk9"
    QCheckBox* showSymmetryAxesCheck = nullptr; // "chk11"
    QCheckBox* showSymmetryPlanesCheck = nullptr; // "chk10"
    QGroupBox* photoGroup = nullptr; // "grp9"
    PictureBox* photoBox = nullptr; // "image11"
    QGroupBox* informationGroup = nullptr; // "grp10"
    QPlainTextEdit* informationMemo = nullptr; // "mmo1"
    QGroupBox* symmetryGroup = nullptr; // "symmetryGroup"
    QListWidget* symmetryList = nullptr; // "symmetryList"
    QPushButton* performButton = nullptr; // "performButton"
    QGroupBox* cellsGroup = nullptr; // "cellsGroup"
    QSpinBox* cellsSpin = nullptr; // "cellsSpin"
    QGroupBox* structureToolsGroup = nullptr; // "structureToolsGroup"
    QCheckBox* measureCheck = nullptr; // "measureCheck"
    QCheckBox* polyhedraCheck = nullptr; // "polyhedraCheck"
    QLineEdit* polyhedraCentresEdit = nullptr; // "polyhedraCentresEdit"
    QLineEdit* planesEdit = nullptr; // "planesEdit"
    QToolButton* measureToolButton = nullptr; // "measureToolButton"
    QStatusBar* statusLine = nullptr; // "stat1"
    QTimer* frameTimer = nullptr; // "Timer1"
    QTimer* interfaceTimer = nullptr; // "tmr1"

    explicit MainWindowControls(const MainWindow& window);
};

// Controls(window).showBondsCheck, for a window, a pointer or a unique_ptr to one.
inline MainWindowControls Controls(const MainWindow& window) { return MainWindowControls(window); }
inline MainWindowControls Controls(const MainWindow* window) { return MainWindowControls(*window); }
inline MainWindowControls Controls(const std::unique_ptr<MainWindow>& window) { return MainWindowControls(*window); }

} // namespace vestrel
