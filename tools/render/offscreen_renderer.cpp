// SPDX-License-Identifier: MIT
#include "tools/render/offscreen_renderer.h"

#include "frame/frame.h"
#include "render/gl_draw.h"
#include "render/offscreen/picture_renderer.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <GL/gl.h>

#include <algorithm>

namespace vestrel {

struct OffscreenRenderer::Impl {
    QOffscreenSurface surface;
    QOpenGLContext context;
    std::unique_ptr<PictureRenderer> picture;
    std::unique_ptr<GlDraw> draw;
    QSize size;
    int samples = 0;
    bool valid = false;
};

OffscreenRenderer::OffscreenRenderer(QSize size, int samples) : d(std::make_unique<Impl>())
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    d->surface.setFormat(format);
    d->surface.create();
    d->context.setFormat(format);
    if (!d->context.create() || !d->context.makeCurrent(&d->surface))
        return;
    d->size = size;
    d->samples = samples > 0 ? std::min(samples, AvailableSamples()) : 0;
    d->picture = std::make_unique<PictureRenderer>();
    GlDraw::initialiseState();
    d->draw = std::make_unique<GlDraw>();
    d->valid = size.width() >= 1 && size.height() >= 1 && size.width() <= MaxPictureSide
        && size.height() <= MaxPictureSide;
}

OffscreenRenderer::~OffscreenRenderer()
{
    if (d->context.makeCurrent(&d->surface)) {
        d->draw.reset();
        d->picture.reset();
        d->context.doneCurrent();
    }
}

bool OffscreenRenderer::isValid() const { return d->valid; }

int OffscreenRenderer::samples() const { return d->samples; }

// The tool's picture is its own panel: the camera of a view of that size.
// A picture in tiles advances the view once, with its first tile.
void OffscreenRenderer::drawFrame(const FrameInputs& inputs, ViewState& view)
{
    const PictureRequest request{d->size, d->size, d->samples};
    d->valid = d->picture->draw(*d->draw, request, [&](Draw& gl, bool firstTile) {
        DrawFrame(gl, inputs, view, firstTile);
    }) && d->valid;
}

bool OffscreenRenderer::drawFrame(const FrameInputs& inputs, ViewState& view,
                                  const std::function<bool(int, int)>& progress)
{
    const PictureRequest request{d->size, d->size, d->samples};
    return d->picture->draw(
        *d->draw, request, [&](Draw& gl, bool firstTile) { DrawFrame(gl, inputs, view, firstTile); }, progress);
}

void OffscreenRenderer::drawPicture(const std::function<void()>& frame)
{
    const PictureRequest request{d->size, d->size, d->samples};
    d->valid = d->picture->draw(*d->draw, request, [&](Draw&, bool) { frame(); }) && d->valid;
}

void OffscreenRenderer::finish() { glFinish(); }

QImage OffscreenRenderer::image()
{
    glFinish();
    return d->picture->image();
}

} // namespace vestrel
