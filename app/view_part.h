// SPDX-License-Identifier: MIT
// View navigation in the main window: turning and shifting the model with
// the mouse on the drawing panel, and its distance with the track bar
// "Дистанция до центра" and the wheel, which belongs to the whole window
// while it is active.
#pragma once

#include "logic/view_navigation.h"
#include "render/view_state.h"

#include <QObject>

class QGroupBox;
class QSlider;
class QWidget;

namespace vestrel {

class GlPanel;
class Options;

class ViewPart : public QObject {
    Q_OBJECT
public:
    ViewPart(QWidget& window, GlPanel& panel, Options& options);
    ~ViewPart() override;

    ViewState& view() { return view_; }
    const ViewState& view() const { return view_; }
    QGroupBox* distanceGroup() const { return distanceGroup_; }

    void mousePressed(Qt::MouseButton button, int x, int y);
    void mouseMoved(int x, int y);
    void mouseReleased(Qt::MouseButton button, int x, int y);
    void wheelTurned(int notches);
    // After a frame moved the model away on its own (the largest distance),
    // the track bar follows, and hides while that option is on.
    void followView();
    // The distance group's title again in the interface's language.
    void retranslate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void distanceChanged(int position);

    QWidget& window_;
    GlPanel& panel_;
    Options& options_;
    ViewState view_;
    ViewNavigation navigation_{view_};
    QGroupBox* distanceGroup_ = nullptr;
    QSlider* distanceSlider_ = nullptr;
};

} // namespace vestrel
