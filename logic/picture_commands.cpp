// SPDX-License-Identifier: MIT
#include "logic/picture_commands.h"

#include "logic/pictures/picture_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vestrel {

QString ProgramCaption() { return QCoreApplication::translate("PictureCommands", "Вестрел"); }

QString ScreenshotSavedMessage() { return QCoreApplication::translate("PictureCommands", "Скриншот сохранен в  папку Screenshots!"); }

Question SaveBeforeClosingQuestion()
{
    Question q;
    q.text = QCoreApplication::translate("PictureCommands", "Сохранить изображение структуры перед выходом?");
    q.caption = ProgramCaption();
    q.withCancel = true;
    q.icon = QuestionIcon::Information;
    q.defaultAnswer = Answer::Cancel;
    return q;
}

QString ScreenshotSavedInMessage(const QString& folder)
{
    return QCoreApplication::translate("PictureCommands", "Скриншот сохранен в  папку %1!").arg(QDir::toNativeSeparators(folder));
}

QString ScreenshotStatusText(const QString& path)
{
    return QCoreApplication::translate("PictureCommands", "Скриншот сохранен: %1").arg(QDir::toNativeSeparators(path));
}

void ReportScreenshot(MessageUi& ui, const ScreenshotTarget& target)
{
    if (!target.inPictures) {
        ui.message(ScreenshotSavedMessage());
        return;
    }
    ui.status(ScreenshotStatusText(target.path));
    ui.message(ScreenshotSavedInMessage(target.folder));
}

bool ValidPictureSize(const QSize& size)
{
    return size.width() >= 1 && size.height() >= 1 && size.width() <= MaxPictureSize
        && size.height() <= MaxPictureSize;
}

QString BadPictureSizeMessage()
{
    return QCoreApplication::translate("PictureCommands", "Неверный размер рисунка: ширина и высота должны быть от 1 до %1 точек.")
        .arg(MaxPictureSize);
}

QString PictureNotDrawnMessage()
{
    return QCoreApplication::translate("PictureCommands", "Не удалось построить рисунок такого размера: не хватает памяти или возможностей OpenGL.");
}

PictureCommands::PictureCommands(PictureUi& ui, QString programDir, Capture capturePanel,
                                 Capture captureWindow)
    : ui_(ui),
      programDir_(std::move(programDir)),
      capturePanel_(std::move(capturePanel)),
      captureWindow_(std::move(captureWindow)),
      folders_(programDir_),
      clock_([] { return QDateTime::currentDateTime(); })
{
}

PictureCommands::SaveResult PictureCommands::saveAs()
{
    // The picture is taken before the dialog covers the panel.
    const QImage picture = capturePanel_();
    QString folder;
    if (lastSaveChoice_.fileName.isEmpty())
        folder = lastFolder_.isEmpty() ? folders_.saveDialogStart() : lastFolder_;
    const std::optional<SaveChoice> choice = ui_.askSaveFileNameIn(lastSaveChoice_, folder);
    if (!choice)
        return SaveResult::Cancelled;
    lastSaveChoice_ = *choice;
    if (!lastSaveChoice_.fileName.isEmpty())
        lastFolder_ = QFileInfo(lastSaveChoice_.fileName).absolutePath();
    const QString path = AppendFilterExtension(choice->fileName, choice->filterIndex);
    const std::optional<QSize> size = ui_.askPictureSize(picture.size());
    if (!size)
        return SaveResult::Cancelled;
    if (!ValidPictureSize(*size)) {
        ui_.error(BadPictureSizeMessage());
        return SaveResult::Failed;
    }
    const SaveResult result = writePicture(picture, *size, path, choice->filterIndex);
    if (progressDone_)
        progressDone_();
    return result;
}

// Drawing a picture of another size takes the first part of the progress,
// writing the rest; once the report says stop, it says so to every later
// question.
PictureCommands::SaveResult PictureCommands::writePicture(const QImage& picture, const QSize& size,
                                                          const QString& path, int filterIndex)
{
    bool cancelled = false;
    WriteProgress progress;
    if (progress_)
        progress = [this, &cancelled](double f) {
            cancelled = cancelled || !progress_(f);
            return !cancelled;
        };
    const bool drawn = size != picture.size();
    QImage output = picture;
    if (drawn) {
        output = renderPicture_ ? renderPicture_(size, ProgressPart(progress, 0, 0.6)) : QImage();
        if (cancelled)
            return SaveResult::Cancelled;
        if (output.size() != size) {
            ui_.error(PictureNotDrawnMessage());
            return SaveResult::Failed;
        }
    }
    QString error;
    if (!SavePictureForFilter(output, path, filterIndex, &error, ProgressPart(progress, drawn ? 0.6 : 0, 1))) {
        if (cancelled)
            return SaveResult::Cancelled;
        ui_.error(error);
        return SaveResult::Failed;
    }
    return SaveResult::Written;
}

bool PictureCommands::screenshot()
{
    const ScreenshotTarget target = folders_.screenshotTarget(QStringLiteral("Structure"), clock_(), locale_);
    QString error;
    if (!SaveBmp24(captureWindow_(), target.path, &error)) {
        ui_.error(error);
        return false;
    }
    ReportScreenshot(ui_, target);
    return true;
}

void PictureCommands::setSaveDialogStart(const QString& folder, int filterIndex)
{
    lastSaveChoice_ = SaveChoice{};
    lastSaveChoice_.filterIndex = filterIndex;
    lastFolder_ = folder;
}

bool PictureCommands::closeQuery()
{
    switch (ui_.ask(SaveBeforeClosingQuestion())) {
    case Answer::Yes:
        return saveAs() != SaveResult::Failed;
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

} // namespace vestrel
