// SPDX-License-Identifier: MIT
// Everything the frame routine and the scene blocks read from the windows,
// copied from the controls on every frame. Defaults are the controls' start
// values.
#pragma once

#include "scenes/display_options.h"
#include "scenes/scene_id.h"

#include <array>

namespace vestrel {


// The check items of the menu "Настройки" -> "Окно" -> "Цвет".
struct AuxiliaryColourMenus {
    bool axesRed = false;    // "Красный"
    bool axesGreen = false;  // "Зеленый"
    bool axesBlue = true;    // "Синий"
    bool planesWhite = true; // "Белый"
    bool planesRed = false;  // "Красный"
    bool planesGreen = false;// "Зеленый"
    bool planesBlue = false; // "Синий"
};

struct FrameInputs {
    bool autoRotate = false;  // "Вращать вокруг Оси OZ"
    bool maxDistance = false; // "Отдалиться на максимальное расстояние"
    bool planeXZ = false;     // plane "XZ"
    bool planeYZ = false;     // plane "YZ"
    bool planeXY = false;     // plane "XY"
    bool axisOX = false;      // axis "OX"
    bool axisOZ = false;      // axis "OZ"
    bool axisOY = false;      // axis "OY"
    AuxiliaryColourMenus menus;
    SceneFlags scenes{};      // one switch per scene, indexed by SceneId
    DisplayOptions display;
    bool shaded = false;      // "Объёмное изображение": lit balls and faces
    bool smooth = false;      // "Сглаживание": multisampled drawing (the panel's and pictures' business)
};

} // namespace vestrel
