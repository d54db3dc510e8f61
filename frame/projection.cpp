// SPDX-License-Identifier: MIT
#include "frame/projection.h"

#include "frame/frame.h"

#include <algorithm>
#include <cmath>

namespace vestrel {

Vec3 ModelToEye(const ViewState& view, const Vec3& model)
{
    const Mat4 m = Mat4::translation(view.PanX, view.PanY, -view.Distance) * Mat4::rotation(view.RotY, 0, 1, 0)
        * Mat4::rotation(view.RotX, 1, 0, 0) * Mat4::scaling(GlobalScale, GlobalScale, GlobalScale);
    return m.apply(model);
}

PanelPoint ProjectToPanel(const ViewState& view, const Vec3& model, int width, int height)
{
    const Vec3 eye = ModelToEye(view, model);
    const double f = 1.0 / std::tan(15.0 * M_PI / 180.0); // gluPerspective(30, ...)
    const double aspect = static_cast<double>(width) / std::max(height, 1);
    const double ndcX = f / aspect * eye.x / -eye.z;
    const double ndcY = f * eye.y / -eye.z;
    return {(ndcX + 1) / 2 * width, (1 - ndcY) / 2 * height};
}

} // namespace vestrel
