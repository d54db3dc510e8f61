// SPDX-License-Identifier: MIT
// Frames drawn into framebuffer objects of the current OpenGL context:
// pictures of any size up to 8192 x 8192, drawn in tiles with the camera of
// the panel they show, and multisampled drawing for smooth edges. Knows no
// scene and no window: a frame is a function of the drawing layer.
#pragma once

#include "render/gl_draw.h"

#include <QImage>
#include <QSize>

#include <functional>
#include <memory>

namespace vestrel {

constexpr int MaxPictureSide = 8192; // pixels, either side
constexpr int SmoothSamples = 4;     // samples per pixel of the smooth picture

// The samples per pixel that framebuffer objects of the current context can
// have for smooth drawing, at most SmoothSamples; 0 when it has none.
int AvailableSamples();

struct PictureRequest {
    QSize size;      // of the picture, in pixels
    QSize view;      // of the panel whose view it shows
    int samples = 0; // per pixel; 0 draws without multisampling
};

// Draws one frame; called once per tile. firstTile is true for the first
// call, which may advance the view; later calls draw the same frame again.
using TileFrame = std::function<void(Draw& gl, bool firstTile)>;
// Told after each tile how many of how many are drawn; false stops the
// drawing, which then gives no picture.
using TileProgress = std::function<bool(int done, int total)>;

// A picture of the panel's view at another size: the same camera and field
// of view, fitted into the picture so that all the panel shows is in it
// (exactly the panel's view when the proportions agree), and line widths
// scaled with the picture.
class PictureRenderer {
public:
    PictureRenderer();
    ~PictureRenderer(); // the context must be current
    PictureRenderer(const PictureRenderer&) = delete;
    PictureRenderer& operator=(const PictureRenderer&) = delete;

    // Draws the picture in the current context. False when the size is out
    // of range or no framebuffer object can be made.
    bool draw(GlDraw& gl, const PictureRequest& request, const TileFrame& frame, const TileProgress& progress = {});
    // The picture last drawn (RGB32); null when none.
    QImage image() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// The panel's own multisampled frame: drawn into a framebuffer object of the
// panel's size, then resolved into the context's default framebuffer.
class MultisampleTarget {
public:
    MultisampleTarget();
    ~MultisampleTarget(); // the context must be current
    MultisampleTarget(const MultisampleTarget&) = delete;
    MultisampleTarget& operator=(const MultisampleTarget&) = delete;

    // Binds a framebuffer object of the size and samples; false when none
    // can be made.
    bool bind(QSize size, int samples);
    // Copies what was drawn into the default framebuffer and binds it.
    void resolve();
    // Deletes the framebuffer object; the context must be current.
    void release();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace vestrel
