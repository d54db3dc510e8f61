// SPDX-License-Identifier: MIT
// The view's perspective against gluPerspective's textbook matrix, with
// cot 15 degrees = 2 + sqrt 3, and the panel projection at the edges of
// the view.
#include "frame/projection.h"
#include "render/camera.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vestrel;

namespace {

const double Cot15 = 2 + std::sqrt(3.0);

TEST(Perspective, IsGluPerspectiveOfThirtyDegreesFromOneToTwoHundred)
{
    for (const double aspect : {0.5, 1.0, 4.0 / 3.0, 2.0}) {
        const Mat4 p = ProjectionMatrix(ViewPerspective, aspect);
        const double expected[16] = {Cot15 / aspect, 0, 0, 0, 0, Cot15, 0, 0, 0, 0, -201.0 / 199.0, -1,
                                     0, 0, -400.0 / 199.0, 0};
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(p.m[i], expected[i], 1e-12) << "element " << i << ", aspect " << aspect;
    }
}

// A point of the model frame straight ahead of the eye lies at the centre of
// the panel; one at the top of the view's cone at its top edge.
TEST(Perspective, PutsTheEdgesOfTheViewConeOnThePanelEdges)
{
    ViewState view;
    view.RotY = 0;
    view.PanX = 0;
    view.PanY = 0;
    view.Distance = 100;
    const PanelPoint centre = ProjectToPanel(view, {0, 0, 0}, 640, 480);
    EXPECT_NEAR(centre.x, 320, 1e-9);
    EXPECT_NEAR(centre.y, 240, 1e-9);
    // At 100 eye units the view is 2 * 100 / cot 15 high; model units are
    // 0.3 eye units (in single precision, as the frame passes it).
    const double top = 100 / Cot15 / GlobalScale;
    EXPECT_NEAR(ProjectToPanel(view, {0, top, 0}, 640, 480).y, 0, 1e-4);
    EXPECT_NEAR(ProjectToPanel(view, {top * 640 / 480, 0, 0}, 640, 480).x, 640, 1e-4);
}

} // namespace
