// SPDX-License-Identifier: MIT
// Renders real frames of the frame routine into an image, without a window:
// an offscreen surface and a framebuffer object with a depth buffer. Needs a
// display (Xvfb) and a QGuiApplication.
#pragma once

#include "frame/frame_inputs.h"
#include "render/view_state.h"

#include <QImage>
#include <QSize>
#include <memory>

namespace vestrel {

class OffscreenRenderer {
public:
    explicit OffscreenRenderer(QSize size);
    ~OffscreenRenderer();
    OffscreenRenderer(const OffscreenRenderer&) = delete;
    OffscreenRenderer& operator=(const OffscreenRenderer&) = delete;

    bool isValid() const;
    // Draws one frame; the view changes as the frame routine changes it.
    void drawFrame(const FrameInputs& inputs, ViewState& view);
    // Waits for the drawing to finish.
    void finish();
    QImage image();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace vestrel
