// SPDX-License-Identifier: MIT
// The camera of the 3-D view: the perspective of the panel and the steps
// from the model frame to eye coordinates,
//   eye = T(PanX, PanY, -Distance) Ry(RotY) Rx(RotX) S(0.3) model.
// The frame routine, the GL back end, the offscreen pictures, the frame
// dumps and the projection of model points onto the panel all take them
// from here.
#pragma once

#include "render/geometry.h"
#include "render/view_state.h"

namespace vestrel {

// A symmetric perspective: vertical field of view in degrees, near and far
// planes in eye units.
struct Perspective {
    double fovY = 30;
    double zNear = 1;
    double zFar = 200;

    // Half the height of the view at the given distance in front of the eye.
    double halfHeightAt(double depth) const;
};

inline constexpr Perspective ViewPerspective{30, 1, 200};

// Model units to eye units, applied after the camera's turns.
constexpr float GlobalScale = 0.3f;

// The matrix gluPerspective makes for the perspective and the width to
// height ratio aspect.
Mat4 ProjectionMatrix(const Perspective& perspective, double aspect);

// The camera as the frame routine passes it to OpenGL, in single precision:
// translate(panX, panY, depth), rotate(rotY about y), rotate(rotX about x),
// scale(scale) on all three axes.
struct CameraSteps {
    float panX = 0, panY = 0, depth = 0;
    float rotY = 0, rotX = 0;
    float scale = GlobalScale;
};

CameraSteps CameraStepsOf(const ViewState& view);

// The matrix those steps make current before the auxiliary elements and the
// scene blocks. Its inverse takes what a frame drew back to the model frame.
Mat4 ModelFrameMatrix(const ViewState& view);

} // namespace vestrel
