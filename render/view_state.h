// SPDX-License-Identifier: MIT
// The camera: two angles, two shifts and the distance. The distance is the
// position of the main window's distance track bar.
#pragma once

namespace vestrel {

struct ViewState {
    double RotY = -30; // degrees, about the vertical (OpenGL y) axis
    double RotX = 0;   // degrees, about the model's own x axis
    double PanX = 0;   // eye units, to the right
    double PanY = -2;  // eye units, upwards
    int Distance = 60; // eye units from the eye to the scene centre, 0 to 150
};

constexpr int MinDistance = 0;
constexpr int MaxDistance = 150;

} // namespace vestrel
