// SPDX-License-Identifier: MIT
// The settings window "Настройки построения": frame interval, colours of the
// symmetry and screw axes, the face mode, the mouse direction and the
// interface options. Its controls hold the settings; readers read them on
// every frame.
#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSlider;
class QStatusBar;
class QTabWidget;
class QTimer;

namespace vestrel {

class ColourList;

class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    explicit SettingsWindow(QWidget* parent = nullptr);

    // The main window's frame timer, whose interval the track bar sets.
    void setFrameTimer(QTimer* timer) { frameTimer_ = timer; }
    // Shown, brought forward, centred on the screen the first time.
    void showSettings();

    QTabWidget* tabs;
    // Tab "Настройки объектов"
    QGroupBox* frameIntervalGroup;
    QSlider* frameIntervalSlider;
    QGroupBox* axisColoursGroup;
    ColourList* axisOrder2ColourList; // axes of order 2
    ColourList* axisOrder3ColourList; // order 3
    ColourList* axisOrder4ColourList; // order 4
    ColourList* axisOrder6ColourList; // order 6
    QGroupBox* polyhedraGroup;
    QGroupBox* faceModeGroup;
    QRadioButton* seeThroughFacesRadio; // "Прозрачные грани"
    QRadioButton* solidFacesRadio; // "Сплошные грани"
    QGroupBox* screwAxesGroup;
    QGroupBox* screwColourGroup;
    ColourList* screwAxisColourList; // screw axes
    QPushButton* objectsOkButton;
    // Tab "Параметры программы"
    QGroupBox* controlGroup;
    QGroupBox* mouseInversionGroup;
    QRadioButton* directMouseRadio; // "Прямая"
    QRadioButton* invertedMouseRadio; // "Обратная"
    QGroupBox* interfaceGroup;
    QCheckBox* maxDistanceCheck;
    QCheckBox* hideDetailsCheck;
    QCheckBox* hideSidePanelCheck;
    QCheckBox* showToolBarCheck;
    QGroupBox* pictureGroup;   // "Изображение :"
    QCheckBox* shadedCheck;    // "Объёмное изображение"
    QCheckBox* smoothCheck;    // "Сглаживание"
    QPushButton* programOkButton;
    QPushButton* resetButton; // "Восстановить настройки по умолчанию"
    QStatusBar* statusLine;

signals:
    // The user asked for the start values of every kept setting back.
    void resetRequested();

public slots:
    void objectsOk();
    void programOk();
    void frameIntervalChanged(int position);
    // What the drawing panel's context offers for "Сглаживание": samples
    // per pixel, 0 when it has no multisampling (the box is then disabled
    // and its hint says why).
    void setSmoothingSamples(int samples);

private:
    QWidget* buildObjectsTab();
    QWidget* buildProgramTab();
    QGroupBox* buildPictureGroup(QWidget* parent);

    QTimer* frameTimer_ = nullptr;
    bool shownBefore_ = false;
};

} // namespace vestrel
