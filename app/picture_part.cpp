// SPDX-License-Identifier: MIT
#include "app/picture_part.h"

#include "app/gl_panel.h"
#include "app/qt_picture_ui.h"
#include "app/settings_window.h"
#include "frame/frame.h"
#include "logic/options.h"
#include "logic/picture_commands.h"

#include <QApplication>

namespace vestrel {

PicturePart::PicturePart(QWidget& window, const QString& programDir, GlPanel& panel, Options& options,
                         std::function<FrameInputs()> frame, std::function<ViewState()> view)
    : QObject(&window), window_(window), programDir_(programDir), panel_(panel), options_(options),
      frame_(std::move(frame)), view_(std::move(view)), qtUi_(std::make_unique<QtPictureUi>(&window))
{
    setUi(*qtUi_);
    connect(&options_, &Options::changed, this, &PicturePart::followSmoothing);
    followSmoothing();
}

PicturePart::~PicturePart() = default;

void PicturePart::setUi(PictureUi& ui)
{
    const PictureFolders folders = commands_ ? commands_->folders() : PictureFolders(programDir_);
    commands_ = std::make_unique<PictureCommands>(
        ui, programDir_, [this] { return panel_.grabFramebuffer(); }, [this] { return GrabWholeWindow(&window_); });
    commands_->setFolders(folders);
    commands_->setPictureRenderer([this](QSize size) { return render(size); });
}

void PicturePart::connectSettings(SettingsWindow* settings)
{
    if (!settings)
        return;
    connect(&panel_, &GlPanel::samplesKnown, settings, &SettingsWindow::setSmoothingSamples, Qt::UniqueConnection);
    if (panel_.availableSamples() >= 0)
        settings->setSmoothingSamples(panel_.availableSamples());
    followSmoothing();
}

void PicturePart::followSmoothing() { panel_.setSmooth(options_.kept().smooth); }

void PicturePart::saveAs() { commands_->saveAs(); }
void PicturePart::screenshot() { commands_->screenshot(); }

QImage PicturePart::render(QSize size)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const FrameInputs in = frame_();
    ViewState view = view_();
    const QImage picture = panel_.renderPicture(size, [&](Draw& gl) { DrawFrame(gl, in, view, false); });
    QApplication::restoreOverrideCursor();
    return picture;
}

} // namespace vestrel
