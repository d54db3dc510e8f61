// SPDX-License-Identifier: MIT
#include "app/gl_panel.h"

#include "render/gl_draw.h"

#include <QMouseEvent>
#include <QOpenGLContext>

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
    const bool tick = tickPending_;
    tickPending_ = false;
    if (routine_ && draw_)
        routine_(*draw_, tick);
    emit frameDrawn();
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
