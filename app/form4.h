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

class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

    // The main window's frame timer, whose interval the track bar sets.
    void setFrameTimer(QTimer* timer) { frameTimer_ = timer; }
    // Shown, brought forward, centred on the screen the first time.
    void showSettings();

    QTabWidget* PageControl1;
    // Tab "Настройки объектов"
    QGroupBox* grp5;
    QSlider* TrackBar1;
    QGroupBox* grp6;
    ColourList* cbb1; // axes of order 2
    ColourList* cbb3; // order 3
    ColourList* cbb4; // order 4
    ColourList* cbb5; // order 6
    QGroupBox* grp7;
    QGroupBox* grp9;
    QRadioButton* rb5; // "Прозрачные грани"
    QRadioButton* rb6; // "Сплошные грани"
    QGroupBox* grp8;
    QGroupBox* grp11;
    ColourList* cbb2; // screw axes
    QPushButton* btn1;
    // Tab "Параметры программы"
    QGroupBox* grp2;
    QGroupBox* grp3;
    QRadioButton* rb1; // "Прямая"
    QRadioButton* rb2; // "Обратная"
    QGroupBox* grp1;
    QCheckBox* chk1;
    QCheckBox* chk2;
    QCheckBox* chk3;
    QCheckBox* chk4;
    QPushButton* btn3;
    QStatusBar* stat1;

public slots:
    void btn1Click();
    void btn3Click();
    void TrackBar1Change(int position);

private:
    QWidget* buildObjectsTab();
    QWidget* buildProgramTab();

    QTimer* frameTimer_ = nullptr;
    bool shownBefore_ = false;
};

} // namespace vestrel
