// SPDX-License-Identifier: MIT
#include "render/offscreen/picture_renderer.h"

#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>

#include <algorithm>
#include <cmath>
#include <cstring>

#ifndef GL_MAX_SAMPLES
#define GL_MAX_SAMPLES 0x8D57
#endif
#ifndef GL_MAX_RENDERBUFFER_SIZE
#define GL_MAX_RENDERBUFFER_SIZE 0x84E8
#endif

namespace vestrel {

namespace {

// Tiles are kept small enough that a multisampled one needs no more than a
// few hundred megabytes.
constexpr int PlainTileSide = 4096;
constexpr int MultisampledTileSide = 2048;

GLint integerOf(QOpenGLFunctions* f, GLenum name)
{
    GLint values[2] = {0, 0};
    f->glGetIntegerv(name, values);
    return values[0];
}

// The largest framebuffer side the context allows, less what a tile needs
// around it.
int contextSideLimit()
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    if (!context)
        return 0;
    QOpenGLFunctions* f = context->functions();
    GLint dims[2] = {0, 0};
    f->glGetIntegerv(GL_MAX_VIEWPORT_DIMS, dims);
    int limit = std::min(dims[0], dims[1]);
    limit = std::min(limit, static_cast<int>(integerOf(f, GL_MAX_TEXTURE_SIZE)));
    limit = std::min(limit, static_cast<int>(integerOf(f, GL_MAX_RENDERBUFFER_SIZE)));
    return limit;
}

std::unique_ptr<QOpenGLFramebufferObject> makeFramebuffer(QSize size, int samples)
{
    QOpenGLFramebufferObjectFormat format;
    format.setAttachment(QOpenGLFramebufferObject::Depth);
    format.setSamples(samples);
    auto fbo = std::make_unique<QOpenGLFramebufferObject>(size, format);
    if (!fbo->isValid())
        return nullptr;
    return fbo;
}

} // namespace

int AvailableSamples()
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    if (!context || !QOpenGLFramebufferObject::hasOpenGLFramebufferObjects()
        || !QOpenGLFramebufferObject::hasOpenGLFramebufferBlit())
        return 0;
    const GLint most = integerOf(context->functions(), GL_MAX_SAMPLES);
    return most >= 2 ? std::min<int>(most, SmoothSamples) : 0;
}

struct PictureRenderer::Impl {
    std::unique_ptr<QOpenGLFramebufferObject> fbo;
    int fboSamples = 0;
    bool tiled = false;
    QImage picture; // of a tiled drawing

    QOpenGLFramebufferObject* framebuffer(QSize size, int samples)
    {
        if (!fbo || fbo->size() != size || fboSamples != samples) {
            fbo.reset();
            fbo = makeFramebuffer(size, samples);
            fboSamples = samples;
        }
        return fbo.get();
    }
};

PictureRenderer::PictureRenderer() : d(std::make_unique<Impl>()) {}
PictureRenderer::~PictureRenderer() = default;

bool PictureRenderer::draw(GlDraw& gl, const PictureRequest& request, const TileFrame& frame,
                           const TileProgress& progress)
{
    const int width = request.size.width(), height = request.size.height();
    if (width < 1 || height < 1 || width > MaxPictureSide || height > MaxPictureSide)
        return false;
    const QSize view = request.view.isValid() && !request.view.isEmpty() ? request.view : request.size;
    const int samples = request.samples > 0 ? std::min(request.samples, AvailableSamples()) : 0;

    // The panel's frustum on the near plane, and the picture's, which holds
    // it whole: with other proportions the picture shows more at two sides.
    const double halfHeight = ViewPerspective.halfHeightAt(ViewPerspective.zNear);
    const double viewAspect = static_cast<double>(view.width()) / view.height();
    const double aspect = static_cast<double>(width) / height;
    const bool sameShape = static_cast<qint64>(width) * view.height() == static_cast<qint64>(height) * view.width();
    double top = halfHeight, right = halfHeight * viewAspect;
    if (!sameShape) {
        if (aspect >= viewAspect)
            right = top * aspect;
        else
            top = right / aspect;
    }
    const float lineScale = static_cast<float>(height * halfHeight / (view.height() * top));

    const int limit = contextSideLimit();
    const int side = std::min(samples > 0 ? MultisampledTileSide : PlainTileSide, limit);
    const float oldScale = gl.lineScale();
    d->picture = QImage();
    d->tiled = width > side || height > side;

    if (!d->tiled) {
        QOpenGLFramebufferObject* fbo = d->framebuffer(request.size, samples);
        if (!fbo || !fbo->bind())
            return false;
        gl.setLineScale(lineScale);
        if (sameShape)
            GlDraw::setProjection(width, height);
        else
            GlDraw::setFrustum(width, height, -right, right, -top, top);
        frame(gl, true);
        gl.setLineScale(oldScale);
        return true;
    }

    // Tiles with a guard band, so that wide lines and points whose centres
    // lie just outside a tile still show in it.
    const int guard = std::min(16 + static_cast<int>(std::ceil(4 * lineScale)), 256);
    const int tileSide = std::min(side, limit - 2 * guard);
    if (tileSide < 64)
        return false;
    const int fboSide = tileSide + 2 * guard;
    QOpenGLFramebufferObject* fbo = d->framebuffer(QSize(fboSide, fboSide), samples);
    if (!fbo)
        return false;
    QImage picture(width, height, QImage::Format_RGB32);
    if (picture.isNull())
        return false;
    const GlDraw::CarriedState carried = gl.carriedState();
    gl.setLineScale(lineScale);
    bool first = true;
    const int tiles = ((width + tileSide - 1) / tileSide) * ((height + tileSide - 1) / tileSide);
    int done = 0;
    const double unitX = 2 * right / width, unitY = 2 * top / height; // near-plane size of a pixel
    for (int y0 = 0; y0 < height; y0 += tileSide) {     // rows counted from the bottom, as OpenGL does
        for (int x0 = 0; x0 < width; x0 += tileSide) {
            const int w = std::min(tileSide, width - x0), h = std::min(tileSide, height - y0);
            if (!fbo->bind())
                return false;
            if (!first)
                gl.restoreCarriedState(carried);
            GlDraw::setFrustum(w + 2 * guard, h + 2 * guard, -right + unitX * (x0 - guard),
                               -right + unitX * (x0 + w + guard), -top + unitY * (y0 - guard),
                               -top + unitY * (y0 + h + guard));
            frame(gl, first);
            first = false;
            // The drawn part is the bottom-left corner of the framebuffer;
            // the picture, like the image, counts rows from the top.
            const QImage tile = fbo->toImage().convertToFormat(QImage::Format_RGB32);
            const int tileTop = fboSide - h - guard;
            const int pictureTop = height - y0 - h;
            for (int row = 0; row < h; ++row)
                std::memcpy(picture.scanLine(pictureTop + row) + static_cast<std::size_t>(x0) * 4,
                            tile.constScanLine(tileTop + row) + guard * 4, static_cast<std::size_t>(w) * 4);
            if (progress && !progress(++done, tiles)) {
                gl.setLineScale(oldScale);
                return false;
            }
        }
    }
    gl.setLineScale(oldScale);
    d->picture = std::move(picture);
    return true;
}

QImage PictureRenderer::image() const
{
    if (d->tiled)
        return d->picture;
    if (!d->fbo)
        return {};
    return d->fbo->toImage().convertToFormat(QImage::Format_RGB32);
}

struct MultisampleTarget::Impl {
    std::unique_ptr<QOpenGLFramebufferObject> fbo;
    int samples = 0;
};

MultisampleTarget::MultisampleTarget() : d(std::make_unique<Impl>()) {}
MultisampleTarget::~MultisampleTarget() = default;

bool MultisampleTarget::bind(QSize size, int samples)
{
    if (!d->fbo || d->fbo->size() != size || d->samples != samples) {
        d->fbo.reset();
        d->fbo = makeFramebuffer(size, samples);
        d->samples = samples;
    }
    return d->fbo && d->fbo->bind();
}

void MultisampleTarget::resolve()
{
    if (!d->fbo)
        return;
    const QRect all(QPoint(0, 0), d->fbo->size());
    QOpenGLFramebufferObject::blitFramebuffer(nullptr, all, d->fbo.get(), all, GL_COLOR_BUFFER_BIT, GL_NEAREST, 0, 0,
                                              QOpenGLFramebufferObject::RestoreFramebufferBindingToDefault);
}

void MultisampleTarget::release() { d->fbo.reset(); }

} // namespace vestrel
