// SPDX-License-Identifier: MIT
// Everything the frame routine and the scene blocks read from the windows,
// copied from the controls on every frame. Defaults are the controls' start
// values.
#pragma once

#include "scenes/scene_id.h"

#include <array>

namespace vestrel {

// Options the scene blocks read.
struct DisplayOptions {
    bool showLines = true;      // Form1.chk8 "Показывать соед. линии"
    bool showScrewAxes = false; // Form1.chk9 "Показывать винт. оси"
    bool showSymPlanes = false; // Form1.chk10 "Показ. плоск. симметрии"
    bool showSymAxes = true;    // Form1.chk11 "Показ. оси симметрии"
    bool solidFaces = true;     // Form4.rb6 "Сплошные грани" (rb5 is its partner)
    // Item indices of the settings window's colour lists; -1 when text was
    // typed into the list and no item is selected.
    int axisColour2 = 3;        // Form4.cbb1, axes of order 2
    int axisColour3 = 1;        // Form4.cbb3, axes of order 3
    int axisColour4 = 2;        // Form4.cbb4, axes of order 4
    int axisColour6 = 4;        // Form4.cbb5, axes of order 6
    int screwColour = 0;        // Form4.cbb2, screw axes
};

// The check items of the menu "Настройки" -> "Окно" -> "Цвет".
struct AuxiliaryColourMenus {
    bool axesRed = false;    // N14
    bool axesGreen = false;  // N15
    bool axesBlue = true;    // N16
    bool planesWhite = true; // N17
    bool planesRed = false;  // N18
    bool planesGreen = false;// N19
    bool planesBlue = false; // N20
};

struct FrameInputs {
    bool autoRotate = false;  // Form1.chk1
    bool maxDistance = false; // Form4.chk1
    bool planeXZ = false;     // Form1.chk2
    bool planeYZ = false;     // Form1.chk3
    bool planeXY = false;     // Form1.chk4
    bool axisOX = false;      // Form1.chk5
    bool axisOZ = false;      // Form1.chk6
    bool axisOY = false;      // Form1.chk7
    AuxiliaryColourMenus menus;
    SceneFlags scenes{};      // SceneFlag, indexed by SceneId
    DisplayOptions display;
};

} // namespace vestrel
