// SPDX-License-Identifier: MIT
// Everything the frame routine and the scene blocks read from the windows,
// copied from the controls on every frame. Defaults are the controls' start
// values.
#pragma once

#include "scenes/display_options.h"
#include "scenes/scene_id.h"
#include "scenes/structures/loaded_structure_scene.h"

#include <array>

namespace vestrel {


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
    // A structure read from a file, drawn after the built-in blocks; none
    // when null. Owned by whoever loaded it.
    const structures::LoadedStructureScene* loadedStructure = nullptr;
};

} // namespace vestrel
