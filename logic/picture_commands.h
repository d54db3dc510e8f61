// SPDX-License-Identifier: MIT
// The picture commands of the main window: save the drawing panel's picture
// under a chosen name, take a screenshot of the window, and offer to save the
// picture before the window closes. Dialogs and message boxes go through
// PictureUi, so the commands run the same with Qt's dialogs or a test's fake.
#pragma once

#include "logic/picture_folders.h"
#include "logic/pictures/write_progress.h"

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

namespace vestrel {

enum class Answer { Yes, No, Cancel };

enum class QuestionIcon { Question, Information };

// A message box with Yes and No, and Cancel when asked for.
struct Question {
    QString text;
    QString caption;
    bool withCancel = false;
    QuestionIcon icon = QuestionIcon::Question;
    Answer defaultAnswer = Answer::No;
};

// The file name and filter entry (1 to 4) of the picture save dialog.
struct SaveChoice {
    QString fileName;
    int filterIndex = 1;
};

// Plain message boxes with an OK button.
class MessageUi {
public:
    virtual ~MessageUi() = default;
    // No icon: a notice such as "Скриншот сохранен в  папку Screenshots!".
    virtual void message(const QString& text) = 0;
    // Error icon: a file that could not be written, a number that could not
    // be read.
    virtual void error(const QString& text) = 0;
    // A line in the window's status bar that stays until the next one: where
    // a file went when it did not go where the program usually puts it.
    virtual void status(const QString& text) { (void)text; }
};

class PictureUi : public MessageUi {
public:
    // Shows the save dialog opened on `current`; empty when cancelled.
    virtual std::optional<SaveChoice> askSaveFileName(const SaveChoice& current) = 0;
    // The same, opened in `folder` while `current` names no file yet (an
    // empty folder: the dialog's own choice).
    virtual std::optional<SaveChoice> askSaveFileNameIn(const SaveChoice& current, const QString& folder)
    {
        (void)folder;
        return askSaveFileName(current);
    }
    virtual Answer ask(const Question& question) = 0;
    // After the save dialog: the size of the picture, offered as the
    // panel's size (the start choice), twice or four times that, or a width
    // and height typed in, which may be out of range. Empty when cancelled.
    // Without a dialog of its own a UI takes the panel's size.
    virtual std::optional<QSize> askPictureSize(const QSize& panel) { return panel; }
};

QString ProgramCaption();                 // "Вестрел"
QString ScreenshotSavedMessage();         // "Скриншот сохранен в  папку Screenshots!"
Question SaveBeforeClosingQuestion();     // the close prompt
// "Скриншот сохранен в  папку <folder>!": a screenshot that went into the
// user's pictures folder.
QString ScreenshotSavedInMessage(const QString& folder);
// The status-bar line naming the file of such a screenshot.
QString ScreenshotStatusText(const QString& path);
// Tells the user that a screenshot was written: the usual message, or, for
// the pictures folder, the folder in the message and the file in the status
// bar.
void ReportScreenshot(MessageUi& ui, const ScreenshotTarget& target);

// Pictures are saved from 1 x 1 to MaxPictureSize x MaxPictureSize pixels.
constexpr int MaxPictureSize = 8192;
bool ValidPictureSize(const QSize& size);
QString BadPictureSizeMessage();          // a size out of range
QString PictureNotDrawnMessage();         // the picture could not be drawn

class PictureCommands {
public:
    enum class SaveResult { Written, Cancelled, Failed };
    using Capture = std::function<QImage()>;

    // `capturePanel` gives the drawing panel's picture, `captureWindow` the
    // whole main window with its frame; `programDir` is the folder of the
    // executable, which holds "Screenshots/".
    PictureCommands(PictureUi& ui, QString programDir, Capture capturePanel, Capture captureWindow);

    // saveImage: capture, ask for a name, write. A failed write is reported.
    SaveResult saveAs();

    // takeScreenshot: writes "Screenshots/Structure<date>_<time>.bmp" and says so;
    // returns false (after the error message) when the file was not written.
    bool screenshot();

    // closeQuery: whether the main window may close. Yes saves first and
    // closes unless the write failed; No closes; Cancel stays.
    bool closeQuery();

    // The save dialog's entry and name as the user left them last.
    const SaveChoice& lastSaveChoice() const { return lastSaveChoice_; }
    // The folder of the last picture saved, kept for the next run.
    const QString& lastFolder() const { return lastFolder_; }
    // A kept folder and entry for the save dialog (the last ones of an
    // earlier run); no name is chosen yet.
    void setSaveDialogStart(const QString& folder, int filterIndex);

    // Where screenshots go and where the save dialog starts.
    void setFolders(const PictureFolders& folders) { folders_ = folders; }
    const PictureFolders& folders() const { return folders_; }

    // Draws the panel's view as a picture of another size; without it only
    // the panel's own size can be saved.
    void setPictureRenderer(std::function<QImage(QSize)> render)
    {
        renderPicture_ = [render = std::move(render)](QSize size, const WriteProgress&) { return render(size); };
    }
    // The same, told how to report how far the drawing has come (and to
    // stop when the report says so: the picture is then null).
    void setPictureRenderer(std::function<QImage(QSize, const WriteProgress&)> render)
    {
        renderPicture_ = std::move(render);
    }
    // Where a save reports its progress (drawing, then writing) while it
    // runs, and what ends the report; a report that returns false cancels
    // the save, which then leaves no file and the old one as it was.
    void setProgress(WriteProgress report, std::function<void()> done)
    {
        progress_ = std::move(report);
        progressDone_ = std::move(done);
    }

    // Where the screenshot's date and time come from (the clock and the
    // user's locale unless set).
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    void setLocale(const QLocale& locale) { locale_ = locale; }

private:
    PictureUi& ui_;
    QString programDir_;
    Capture capturePanel_;
    Capture captureWindow_;
    std::function<QImage(QSize, const WriteProgress&)> renderPicture_;
    WriteProgress progress_;
    std::function<void()> progressDone_;
    SaveResult writePicture(const QImage& picture, const QSize& size, const QString& path, int filterIndex);
    SaveChoice lastSaveChoice_;
    QString lastFolder_;
    PictureFolders folders_;
    std::function<QDateTime()> clock_;
    QLocale locale_;
};

} // namespace vestrel
