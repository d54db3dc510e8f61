// SPDX-License-Identifier: MIT
// Pictures and screenshots of the main window: "Сохранить построение
// как...", "Сделать скриншот", the save prompt on closing, pictures of any
// size drawn offscreen, and the smoothing that the settings window offers.
#pragma once

#include "frame/frame_inputs.h"
#include "render/view_state.h"

#include <QObject>
#include <QSize>

#include <functional>
#include <memory>

class QImage;
class QWidget;

namespace vestrel {

class GlPanel;
class Options;
class PictureCommands;
class PictureUi;
class SettingsWindow;

class PicturePart : public QObject {
    Q_OBJECT
public:
    // frame: the frame's inputs and the view now, for pictures drawn
    // offscreen.
    PicturePart(QWidget& window, const QString& programDir, GlPanel& panel, Options& options,
                std::function<FrameInputs()> frame, std::function<ViewState()> view);
    ~PicturePart() override;

    PictureCommands& commands() { return *commands_; }
    // Message boxes and the save dialog go through ui (the Qt dialogs by
    // default).
    void setUi(PictureUi& ui);
    // The settings window's smoothing box learns what the panel's context
    // offers.
    void connectSettings(SettingsWindow* settings);

    void saveAs();
    void screenshot();

private:
    QImage render(QSize size);
    void followSmoothing();

    QWidget& window_;
    QString programDir_;
    GlPanel& panel_;
    Options& options_;
    std::function<FrameInputs()> frame_;
    std::function<ViewState()> view_;
    std::unique_ptr<PictureUi> qtUi_;
    std::unique_ptr<PictureCommands> commands_;
};

} // namespace vestrel
