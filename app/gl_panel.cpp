// SPDX-License-Identifier: MIT
#include "app/gl_panel.h"

#include "render/gl_draw.h"
#include "render/offscreen/picture_renderer.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <cmath>

namespace vestrel {

GlPanel::GlPanel(QWidget* parent) : QOpenGLWidget(parent)
{
    setMouseTracking(true);
}

GlPanel::~GlPanel()
{
    // The context goes only in QOpenGLWidget's destructor, when this panel is
    // no longer a GlPanel: nothing of it may be called from there.
    QObject::disconnect(contextGone_);
    releaseGl();
}

void GlPanel::releaseGl()
{
    if (!draw_)
        return;
    makeCurrent();
    multisample_.reset();
    draw_.reset(); // deletes the quadric while its context is current
    doneCurrent();
}

QSize GlPanel::deviceSize() const
{
    const qreal ratio = devicePixelRatioF();
    return {static_cast<int>(std::lround(width() * ratio)), static_cast<int>(std::lround(height() * ratio))};
}

void GlPanel::initializeGL()
{
    GlDraw::initialiseState();
    draw_ = std::make_unique<GlDraw>();
    samples_ = AvailableSamples();
    emit samplesKnown(samples_);
    // A context that goes while the panel lives (the panel moved to another
    // window) takes the quadric with it; the new one gets its own here.
    QObject::disconnect(contextGone_);
    contextGone_ = connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &GlPanel::releaseGl);
}

void GlPanel::resizeGL(int, int)
{
    const QSize size = deviceSize();
    GlDraw::setProjection(size.width(), size.height());
}

void GlPanel::paintGL()
{
    if (drawingPicture_)
        return; // the context is drawing a picture's tiles
    const bool tick = tickPending_;
    tickPending_ = false;
    if (smooth_ && samples_ > 0 && routine_ && draw_) {
        if (!multisample_)
            multisample_ = std::make_unique<MultisampleTarget>();
        if (multisample_->bind(deviceSize(), samples_)) {
            routine_(*draw_, tick);
            multisample_->resolve();
            emit frameDrawn();
            return;
        }
        QOpenGLFramebufferObject::bindDefault();
    }
    if (routine_ && draw_)
        routine_(*draw_, tick);
    emit frameDrawn();
}

void GlPanel::setSmooth(bool on)
{
    if (on == smooth_)
        return;
    smooth_ = on;
    update();
}

QImage GlPanel::renderPicture(QSize size, const std::function<void(Draw&)>& frame,
                              const std::function<bool(int, int)>& progress)
{
    if (!draw_ || drawingPicture_)
        return {};
    makeCurrent();
    drawingPicture_ = true;
    QImage picture;
    {
        PictureRenderer renderer;
        const PictureRequest request{size, deviceSize(), smooth_ ? samples_ : 0};
        TileProgress tiles;
        if (progress)
            tiles = [&](int done, int total) {
                const bool go = progress(done, total);
                makeCurrent(); // events may have made another context current
                return go;
            };
        if (renderer.draw(*draw_, request, [&](Draw& gl, bool) { frame(gl); }, tiles))
            picture = renderer.image();
    }
    drawingPicture_ = false;
    // Back to the panel's own framebuffer and perspective.
    QOpenGLFramebufferObject::bindDefault();
    const QSize panel = deviceSize();
    GlDraw::setProjection(panel.width(), panel.height());
    doneCurrent();
    return picture;
}

void GlPanel::tick()
{
    tickPending_ = true;
    update();
}

void GlPanel::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit mousePressed(event->button(), p.x(), p.y());
}

void GlPanel::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit mouseMoved(p.x(), p.y());
}

void GlPanel::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit mouseReleased(event->button(), p.x(), p.y());
}

} // namespace vestrel
