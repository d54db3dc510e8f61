// SPDX-License-Identifier: MIT
// The drawing panel: an OpenGL view with a double-buffered RGBA context and a
// depth buffer. It owns the drawing layer (and so the one quadric object) and
// hands each paint to the frame routine it is given.
#pragma once

#include "render/draw.h"

#include <QOpenGLWidget>
#include <functional>
#include <memory>

namespace vestrel {

class GlDraw;
class MultisampleTarget;

class GlPanel : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit GlPanel(QWidget* parent = nullptr);
    ~GlPanel() override;

    // Called for every paint with the drawing layer and whether the paint
    // comes from a frame timer tick.
    void setFrameRoutine(std::function<void(Draw&, bool tick)> routine) { routine_ = std::move(routine); }
    // A frame timer tick: draw the next frame now.
    void tick();
    // The panel's size in device pixels, which the viewport and aspect use.
    QSize deviceSize() const;
    // Deletes the quadric while the context is still current.
    void releaseGl();

    // Samples per pixel the context offers for smooth drawing (0: none);
    // -1 until the context is made.
    int availableSamples() const { return samples_; }
    // "Сглаживание": the frames are drawn multisampled where the context can.
    void setSmooth(bool on);
    // A picture of w x h pixels of what the panel shows: drawn offscreen
    // with the panel's camera, multisampled when the panel is smooth. Null
    // when it cannot be drawn.
    // progress (after each tile: done, total; false stops) may let events
    // run; the panel draws no frame of its own meanwhile.
    QImage renderPicture(QSize size, const std::function<void(Draw&)>& frame,
                         const std::function<bool(int, int)>& progress = {});

signals:
    void frameDrawn(); // after each paint of a frame
    void samplesKnown(int samples); // once the context is made
    void mousePressed(Qt::MouseButton button, int x, int y);
    void mouseMoved(int x, int y);
    void mouseReleased(Qt::MouseButton button, int x, int y);

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<GlDraw> draw_;
    std::function<void(Draw&, bool)> routine_;
    bool tickPending_ = false;
    QMetaObject::Connection contextGone_;
    int samples_ = -1;
    bool smooth_ = false;
    bool drawingPicture_ = false;
    std::unique_ptr<MultisampleTarget> multisample_;
};

} // namespace vestrel
