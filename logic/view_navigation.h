// SPDX-License-Identifier: MIT
// Turning and shifting the model with the mouse, and the distance with the
// wheel: the arithmetic of the drawing panel's mouse handlers.
#pragma once

#include "render/view_state.h"

namespace vestrel {

enum class MouseButton { Left, Right, Middle };

class ViewNavigation {
public:
    explicit ViewNavigation(ViewState& view) : view_(view) {}

    void mouseDown(MouseButton button, int x, int y);
    // Returns whether the angles or shifts changed (a repaint is due).
    // inverted is the settings window's "Обратная".
    bool mouseMove(int x, int y, bool inverted);
    void mouseUp(MouseButton button);

    // One wheel notch: away from the user moves nearer. Returns the new
    // track bar position, kept within its range.
    static int wheelNotch(int position, bool awayFromUser);

    bool rotating() const { return Rotating; }
    bool panning() const { return Panning; }

private:
    ViewState& view_;
    bool Rotating = false;
    bool Panning = false;
    int LastX = 0;
    int LastY = 0;
};

} // namespace vestrel
