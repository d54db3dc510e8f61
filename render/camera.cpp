// SPDX-License-Identifier: MIT
#include "render/camera.h"

#include <cmath>

namespace vestrel {

double Perspective::halfHeightAt(double depth) const { return std::tan(fovY / 2 * M_PI / 180) * depth; }

Mat4 ProjectionMatrix(const Perspective& perspective, double aspect)
{
    const double f = 1 / perspective.halfHeightAt(1);
    const double n = perspective.zNear, far = perspective.zFar;
    Mat4 p;
    p.m = {f / aspect, 0, 0, 0,
           0, f, 0, 0,
           0, 0, (far + n) / (n - far), -1,
           0, 0, 2 * far * n / (n - far), 0};
    return p;
}

CameraSteps CameraStepsOf(const ViewState& view)
{
    return {static_cast<float>(view.PanX), static_cast<float>(view.PanY), static_cast<float>(-view.Distance),
            static_cast<float>(view.RotY), static_cast<float>(view.RotX), GlobalScale};
}

Mat4 ModelFrameMatrix(const ViewState& view)
{
    const CameraSteps c = CameraStepsOf(view);
    return Mat4::translation(c.panX, c.panY, c.depth) * Mat4::rotation(c.rotY, 0, 1, 0)
        * Mat4::rotation(c.rotX, 1, 0, 0) * Mat4::scaling(c.scale, c.scale, c.scale);
}

} // namespace vestrel
