// SPDX-License-Identifier: MIT
// Everything the frame routine and the scene blocks read from the windows,
// copied from the controls on every frame. Defaults are the controls' start
// values.
#pragma once

#include "scenes/display_options.h"
#include "scenes/scene_id.h"
#include "scenes/forms/crystal_form_scene.h"
#include "scenes/polyhedra/symmetry_operations.h"
#include "scenes/zone_scene.h"
#include "scenes/structures/loaded_structure_scene.h"

#include <array>
#include <optional>
#include <vector>

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

    // The checked item of each menu, and the menus with those items checked.
    constexpr int axesItem() const { return axesRed ? 0 : axesGreen ? 1 : 2; }
    constexpr int planesItem() const { return planesWhite ? 0 : planesRed ? 1 : planesGreen ? 2 : 3; }
    static constexpr AuxiliaryColourMenus withItems(int axes, int planes)
    {
        return {axes == 0, axes == 1, axes == 2, planes == 0, planes == 1, planes == 2, planes == 3};
    }
};

// A symmetry element chosen in the main window, and how far its operation
// has been carried out on the polyhedron (0 before, 1 when done).
struct ChosenSymmetryElement {
    polyhedra::SymmetryOperationElement element;
    double time = 0;
    double extent = 0; // the solid's circumradius, for the element's size
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
    // The zone law in space, drawn after the scene blocks when present.
    std::optional<ZoneScene> zone;
    // Picked out over the polyhedron, whose drawing follows its operation.
    std::optional<ChosenSymmetryElement> chosen;
    // A structure read from a file, drawn after the built-in blocks; none
    // when null. Owned by whoever loaded it.
    const structures::LoadedStructureScene* loadedStructure = nullptr;
    // Picked atoms, measurements, polyhedra and planes over that structure;
    // none when null. Owned by whoever made it.
    const structures::StructureOverlay* structureOverlay = nullptr;
    // A crystal form or combination of a crystal class, drawn after the
    // built-in blocks (and turned by the chosen element's operation); none
    // when null. Owned by whoever built it.
    const forms::CrystalFormScene* crystalForm = nullptr;
    int crystalClass = 0;     // the class of crystalForm, 1..32
    // The corners of the face marked on the stereogram, outlined over the
    // solid (and moved with it by the chosen element's operation); none when
    // empty.
    std::vector<Vec3> markedFace;
    bool shaded = false;      // "Объёмное изображение": lit balls and faces
    bool smooth = false;      // "Сглаживание": multisampled drawing (the panel's and pictures' business)
};

} // namespace vestrel
