// SPDX-License-Identifier: MIT
// The frame routine: clear, camera, global scale, auxiliary planes and axes,
// the scene blocks whose switches are on, in frame order.
#pragma once

#include "render/camera.h"
#include "render/draw.h"
#include "frame/frame_inputs.h"
#include "render/geometry.h"
#include "render/view_state.h"

namespace vestrel {

constexpr double AutoRotationStep = 0.3; // degrees per frame
constexpr float FrameEndLineWidth = 0.5f;

// Advances the automatic rotation and wraps RotY; forces the maximum
// distance. Returns whether the distance track bar is to be shown.
bool AdvanceView(const FrameInputs& in, ViewState& view);

// Everything between the buffer clear and the buffer swap. On a timer tick
// (advance) the view changes as AdvanceView does; a repaint for any other
// reason draws the same view again. Returns whether the track bar is to be
// shown.
bool DrawFrame(Draw& gl, const FrameInputs& in, ViewState& view, bool advance = true);

Colour AuxiliaryAxisColour(const AuxiliaryColourMenus& menus);
Colour AuxiliaryPlaneColour(const AuxiliaryColourMenus& menus);

void DrawAuxiliaryPlanes(Draw& gl, const AuxiliaryColourMenus& menus, bool xz, bool yz, bool xy);
void DrawAuxiliaryAxes(Draw& gl, const AuxiliaryColourMenus& menus, bool ox, bool oz, bool oy);

} // namespace vestrel
