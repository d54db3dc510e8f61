// SPDX-License-Identifier: MIT
#include "frame/projection.h"

#include "render/camera.h"

#include <algorithm>
#include <cmath>

namespace vestrel {

Vec3 ModelToEye(const ViewState& view, const Vec3& model)
{
    return ModelFrameMatrix(view).apply(model);
}

PanelPoint ProjectToPanel(const ViewState& view, const Vec3& model, int width, int height)
{
    const Vec3 eye = ModelToEye(view, model);
    const double aspect = static_cast<double>(width) / std::max(height, 1);
    const Mat4 p = ProjectionMatrix(ViewPerspective, aspect);
    // Clip coordinates over w, which is -eye.z for a perspective.
    const double w = p.at(3, 2) * eye.z;
    const double ndcX = (p.at(0, 0) * eye.x + p.at(0, 2) * eye.z) / w;
    const double ndcY = (p.at(1, 1) * eye.y + p.at(1, 2) * eye.z) / w;
    return {(ndcX + 1) / 2 * width, (1 - ndcY) / 2 * height};
}

} // namespace vestrel
