// SPDX-License-Identifier: MIT
// Renders real frames of the frame routine into an image, without a window:
// an offscreen surface and framebuffer objects with a depth buffer, through
// the picture renderer that also draws the program's large pictures (tiles
// beyond 4096 pixels, multisampled when asked). Needs a display (Xvfb) and a
// QGuiApplication.
#pragma once

#include "frame/frame_inputs.h"
#include "render/view_state.h"

#include <QImage>
#include <QSize>
#include <functional>
#include <memory>

namespace vestrel {

class OffscreenRenderer {
public:
    // samples: per pixel for smooth frames, 0 for none (as many as the
    // context gives, at most 4).
    explicit OffscreenRenderer(QSize size, int samples = 0);
    ~OffscreenRenderer();
    OffscreenRenderer(const OffscreenRenderer&) = delete;
    OffscreenRenderer& operator=(const OffscreenRenderer&) = delete;

    bool isValid() const;
    // Draws one frame; the view changes as the frame routine changes it.
    void drawFrame(const FrameInputs& inputs, ViewState& view);
    // The same, told after each tile how many of how many are drawn; false
    // stops the drawing and returns false.
    bool drawFrame(const FrameInputs& inputs, ViewState& view, const std::function<bool(int, int)>& progress);
    // Draws one picture with whatever the function draws, on the renderer's
    // context and camera set-up (for tests that bring a drawing layer of
    // their own).
    void drawPicture(const std::function<void()>& frame);
    // Waits for the drawing to finish.
    void finish();
    // The samples per pixel the frames are drawn with.
    int samples() const;
    QImage image();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace vestrel
