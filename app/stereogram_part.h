// SPDX-License-Identifier: MIT
// The main window's side of "Стереографическая проекция": the command that
// shows the window, what the window is given on every frame (the solid the
// view shows, the view, the operation under way), and the linked marking: a
// pole clicked there outlines its face in the view, a face clicked in the
// view (a press and release within a few pixels, so that dragging still
// turns the model) marks its pole.
#pragma once

#include "frame/frame_inputs.h"
#include "logic/morphology/stereogram.h"
#include "render/view_state.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

namespace vestrel {

class GlPanel;
class MainMenus;
class StereogramWindow;

class StereogramPart : public QObject {
    Q_OBJECT
public:
    StereogramPart(QObject* parent, MainMenus& menus, GlPanel& panel, std::function<FrameInputs()> inputs,
                   std::function<ViewState()> view);

    void setWindow(StereogramWindow* window);
    // What the view shows, projected: none for a structure or nothing.
    static std::optional<morphology::StereoSource> SourceOf(const FrameInputs& in);
    // Hands the window what the view shows now; called on every frame.
    void follow();
    // Adds the marked face's outline to what the frame draws.
    void addMarking(FrameInputs& in) const;
    std::optional<int> markedFace() const { return marked_; }
    // A click on the drawing panel at pixel (x, y).
    void panelClicked(int x, int y);

private:
    void mark(std::optional<int> face);

    MainMenus& menus_;
    GlPanel& panel_;
    std::function<FrameInputs()> inputs_;
    std::function<ViewState()> view_;
    QPointer<StereogramWindow> window_;
    std::optional<morphology::StereoSource> source_;
    std::optional<int> marked_;
    int pressX_ = 0, pressY_ = 0;
    bool pressed_ = false;
};

} // namespace vestrel
