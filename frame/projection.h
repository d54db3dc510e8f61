// SPDX-License-Identifier: MIT
// Where a point of the model frame appears on the drawing panel: the camera
// of the frame routine and the perspective of the panel (render/camera.h).
#pragma once

#include "render/geometry.h"
#include "render/view_state.h"

namespace vestrel {

struct PanelPoint {
    double x = 0; // pixels from the left edge
    double y = 0; // pixels from the top edge
};

// Eye coordinates of a model-frame point:
// eye = T(PanX, PanY, -Distance) Ry(RotY) Rx(RotX) S(0.3) model.
Vec3 ModelToEye(const ViewState& view, const Vec3& model);

// The panel pixel of a model-frame point for a panel of width x height
// pixels.
PanelPoint ProjectToPanel(const ViewState& view, const Vec3& model, int width, int height);

} // namespace vestrel
