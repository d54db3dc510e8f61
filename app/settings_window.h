// SPDX-License-Identifier: MIT
// The settings window "Настройки построения": frame interval, colours of the
// symmetry and screw axes, the face mode, the mouse direction and the
// interface options. Its controls are bound to the program's options.
#pragma once

#include <QWidget>

#include <memory>

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
class Options;

class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    // Without options of its own to show, the window keeps a set of its own.
    explicit SettingsWindow(Options* options = nullptr, QWidget* parent = nullptr);
    ~SettingsWindow() override;

    Options& options() { return *options_; }
    // A frame timer whose interval follows the track bar.
    void setFrameTimer(QTimer* timer);
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
    // What the drawing panel's context offers for "Сглаживание": samples
    // per pixel, 0 when it has no multisampling (the box is then disabled
    // and its hint says why).
    void setSmoothingSamples(int samples);

protected:
    // A change of the language: the texts with numbers in them anew.
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildObjectsTab();
    QWidget* buildProgramTab();
    QGroupBox* buildPictureGroup(QWidget* parent);
    void bindOptions();
    void followFrameInterval();
    void showSmoothingHint();

    std::unique_ptr<Options> ownOptions_;
    Options* options_;
    QTimer* frameTimer_ = nullptr;
    bool shownBefore_ = false;
    int smoothingSamples_ = 0;
};

} // namespace vestrel
