// SPDX-License-Identifier: MIT
// Pictures and screenshots of the main window: "Сохранить построение
// как...", "Сделать скриншот", the save prompt on closing, pictures of any
// size drawn offscreen, and the smoothing that the settings window offers.
#pragma once

#include "frame/frame_inputs.h"
#include "logic/pictures/write_progress.h"
#include "render/view_state.h"

#include <QObject>
#include <QSize>

#include <functional>
#include <memory>

class QImage;
class QProgressDialog;
class QWidget;

namespace vestrel {

class GlPanel;
class Options;
class PictureCommands;
class PictureUi;
class SettingsWindow;

// The progress of a long write: a window-modal progress dialog with
// "Отмена" that appears once the work has taken half a second; every report
// lets the events run, so the windows keep painting.
class ProgressWindow {
public:
    ProgressWindow(QWidget* parent, const QString& label);
    ~ProgressWindow();
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    // fraction 0..1, negative when not known; false once "Отмена" was pressed.
    bool report(double fraction);
    void finish();
    QProgressDialog* dialog() const { return dialog_.get(); }

private:
    std::unique_ptr<QProgressDialog> dialog_;
};

constexpr int ProgressDelayMs = 500;

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
    QImage render(QSize size, const WriteProgress& progress);
    void followSmoothing();

    QWidget& window_;
    QString programDir_;
    GlPanel& panel_;
    Options& options_;
    std::function<FrameInputs()> frame_;
    std::function<ViewState()> view_;
    std::unique_ptr<PictureUi> qtUi_;
    std::unique_ptr<PictureCommands> commands_;
    std::unique_ptr<ProgressWindow> progress_; // while a picture is saved
};

} // namespace vestrel
