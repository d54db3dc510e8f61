// SPDX-License-Identifier: MIT
// Turning and shifting with the mouse, and the wheel on the distance.
#include "logic/view_navigation.h"

#include <gtest/gtest.h>

namespace vestrel {
namespace {

TEST(LeftDrag, TurnsADegreePerPixelAcrossAndHalfADegreeDown)
{
    ViewState view;
    ViewNavigation nav(view);
    nav.mouseDown(MouseButton::Left, 100, 100);
    EXPECT_TRUE(nav.mouseMove(110, 103, false));
    EXPECT_DOUBLE_EQ(view.RotY, -20);
    EXPECT_DOUBLE_EQ(view.RotX, 1.5); // halves are kept
    EXPECT_DOUBLE_EQ(view.PanX, 0);
    EXPECT_DOUBLE_EQ(view.PanY, -2);
}

TEST(RightDrag, ShiftsAgainstTheMouseByAnEighthPerPixel)
{
    ViewState view;
    ViewNavigation nav(view);
    nav.mouseDown(MouseButton::Right, 10, 10);
    nav.mouseMove(13, 15, false);
    EXPECT_DOUBLE_EQ(view.PanX, -0.375); // mouse right: model left
    EXPECT_DOUBLE_EQ(view.PanY, -2 + 0.625); // mouse down: model up
    EXPECT_DOUBLE_EQ(view.RotY, -30);
}

TEST(InvertedMouse, ReversesAllFourChanges)
{
    ViewState view;
    ViewNavigation nav(view);
    nav.mouseDown(MouseButton::Left, 0, 0);
    nav.mouseMove(4, 6, true);
    EXPECT_DOUBLE_EQ(view.RotY, -34);
    EXPECT_DOUBLE_EQ(view.RotX, -3);
    nav.mouseDown(MouseButton::Right, 0, 0);
    nav.mouseMove(8, -8, true);
    EXPECT_DOUBLE_EQ(view.PanX, 1);
    EXPECT_DOUBLE_EQ(view.PanY, -1);
}

TEST(MouseMove, WithoutAButtonOnlyRemembersThePosition)
{
    ViewState view;
    ViewNavigation nav(view);
    EXPECT_FALSE(nav.mouseMove(500, 400, false));
    EXPECT_DOUBLE_EQ(view.RotY, -30);
    // The next drag starts from where the mouse was, without a jump.
    nav.mouseDown(MouseButton::Middle, 500, 400);
    EXPECT_FALSE(nav.mouseMove(501, 401, false));
    nav.mouseDown(MouseButton::Left, 501, 401);
    nav.mouseMove(502, 401, false);
    EXPECT_DOUBLE_EQ(view.RotY, -29);
}

TEST(BothButtons, TheLastPressedDecidesAndItsReleaseEndsTheDrag)
{
    ViewState view;
    ViewNavigation nav(view);
    nav.mouseDown(MouseButton::Left, 0, 0);
    nav.mouseDown(MouseButton::Right, 0, 0);
    EXPECT_TRUE(nav.panning());
    EXPECT_FALSE(nav.rotating());
    nav.mouseUp(MouseButton::Right);
    EXPECT_FALSE(nav.mouseMove(10, 10, false)); // the left drag does not resume
    EXPECT_DOUBLE_EQ(view.RotY, -30);
    nav.mouseUp(MouseButton::Middle); // changes nothing
}

TEST(MouseDirection, SwitchedMidDragActsFromTheNextMove)
{
    ViewState view;
    ViewNavigation nav(view);
    nav.mouseDown(MouseButton::Left, 0, 0);
    nav.mouseMove(10, 0, false);
    nav.mouseMove(20, 0, true);
    EXPECT_DOUBLE_EQ(view.RotY, -30);
}

TEST(Wheel, MovesTheTrackBarByOneWithinItsRange)
{
    EXPECT_EQ(ViewNavigation::wheelNotch(60, true), 59);  // away: nearer
    EXPECT_EQ(ViewNavigation::wheelNotch(60, false), 61); // towards: farther
    EXPECT_EQ(ViewNavigation::wheelNotch(0, true), 0);
    EXPECT_EQ(ViewNavigation::wheelNotch(150, false), 150);
    EXPECT_EQ(ViewNavigation::wheelNotch(1, true), 0);
}

} // namespace
} // namespace vestrel
