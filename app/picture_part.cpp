// SPDX-License-Identifier: MIT
#include "app/picture_part.h"

#include "app/gl_panel.h"
#include "app/qt_picture_ui.h"
#include "app/settings_window.h"
#include "frame/frame.h"
#include "logic/options.h"
#include "logic/picture_commands.h"

#include <algorithm>

#include <QApplication>
#include <QCoreApplication>
#include <QProgressDialog>

namespace vestrel {

ProgressWindow::ProgressWindow(QWidget* parent, const QString& label)
    : dialog_(std::make_unique<QProgressDialog>(label, QCoreApplication::translate("PicturePart", "Отмена"), 0, 1000, parent))
{
    dialog_->setObjectName(QStringLiteral("writeProgressDialog"));
    dialog_->setWindowTitle(ProgramCaption());
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(ProgressDelayMs);
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    dialog_->setValue(0);
}

ProgressWindow::~ProgressWindow() = default;

bool ProgressWindow::report(double fraction)
{
    if (fraction < 0) {
        // Busy: the end is not known. Set once: every value at the minimum
        // would restart the dialog's half-second clock.
        if (dialog_->maximum() != 0) {
            dialog_->setRange(0, 0);
            dialog_->setValue(0);
        }
    } else {
        if (dialog_->maximum() == 0)
            dialog_->setRange(0, 1000);
        dialog_->setValue(std::clamp(static_cast<int>(fraction * 1000), 0, 999));
    }
    QCoreApplication::processEvents();
    return !dialog_->wasCanceled();
}

void ProgressWindow::finish() { dialog_->hide(); }

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
    commands_->setPictureRenderer(
        [this](QSize size, const WriteProgress& progress) { return render(size, progress); });
    commands_->setProgress(
        [this](double fraction) {
            if (!progress_)
                progress_ = std::make_unique<ProgressWindow>(&window_, QCoreApplication::translate("PicturePart", "Сохранение рисунка…"));
            return progress_->report(fraction);
        },
        [this] { progress_.reset(); });
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

QImage PicturePart::render(QSize size, const WriteProgress& progress)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const FrameInputs in = frame_();
    ViewState view = view_();
    if (progress)
        progress(0); // the dialog's clock starts with the drawing
    const QImage picture = panel_.renderPicture(
        size, [&](Draw& gl) { DrawFrame(gl, in, view, false); },
        [&](int done, int total) { return !progress || progress(static_cast<double>(done) / total); });
    QApplication::restoreOverrideCursor();
    return picture;
}

} // namespace vestrel
