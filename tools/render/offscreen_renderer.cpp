// SPDX-License-Identifier: MIT
#include "tools/render/offscreen_renderer.h"

#include "frame/frame.h"
#include "render/gl_draw.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>

#include <GL/gl.h>

namespace vestrel {

struct OffscreenRenderer::Impl {
    QOffscreenSurface surface;
    QOpenGLContext context;
    std::unique_ptr<QOpenGLFramebufferObject> fbo;
    std::unique_ptr<GlDraw> draw;
    bool valid = false;
};

OffscreenRenderer::OffscreenRenderer(QSize size) : d(std::make_unique<Impl>())
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
    d->fbo = std::make_unique<QOpenGLFramebufferObject>(size, QOpenGLFramebufferObject::Depth);
    d->fbo->bind();
    GlDraw::initialiseState();
    GlDraw::setProjection(size.width(), size.height());
    d->draw = std::make_unique<GlDraw>();
    d->valid = d->fbo->isValid();
}

OffscreenRenderer::~OffscreenRenderer()
{
    if (d->context.makeCurrent(&d->surface)) {
        d->draw.reset();
        d->fbo.reset();
        d->context.doneCurrent();
    }
}

bool OffscreenRenderer::isValid() const { return d->valid; }

void OffscreenRenderer::drawFrame(const FrameInputs& inputs, ViewState& view)
{
    DrawFrame(*d->draw, inputs, view);
}

void OffscreenRenderer::finish() { glFinish(); }

QImage OffscreenRenderer::image()
{
    glFinish();
    return d->fbo->toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace vestrel
