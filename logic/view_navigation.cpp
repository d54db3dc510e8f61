// SPDX-License-Identifier: MIT
#include "logic/view_navigation.h"

#include <algorithm>

namespace vestrel {

void ViewNavigation::mouseDown(MouseButton button, int x, int y)
{
    if (button == MouseButton::Left) {
        Rotating = true;
        Panning = false;
    }
    if (button == MouseButton::Right) {
        Panning = true;
        Rotating = false;
    }
    LastX = x;
    LastY = y;
}

bool ViewNavigation::mouseMove(int x, int y, bool inverted)
{
    const double dx = x - LastX;
    const double dy = y - LastY;
    const double sign = inverted ? -1.0 : 1.0;
    bool changed = false;
    if (Rotating) {
        view_.RotY += sign * dx;       // a degree per pixel
        view_.RotX += sign * dy / 2;   // half a degree per pixel
        changed = true;
    }
    if (Panning) {
        view_.PanX -= sign * dx / 8;   // an eighth of an eye unit per pixel
        view_.PanY += sign * dy / 8;
        changed = true;
    }
    LastX = x;
    LastY = y;
    return changed;
}

void ViewNavigation::mouseUp(MouseButton button)
{
    if (button == MouseButton::Left)
        Rotating = false;
    if (button == MouseButton::Right)
        Panning = false;
}

int ViewNavigation::wheelNotch(int position, bool awayFromUser)
{
    return std::clamp(position + (awayFromUser ? -1 : 1), MinDistance, MaxDistance);
}

} // namespace vestrel
