// SPDX-License-Identifier: MIT
#include "app/qt_picture_ui.h"

#include "logic/pictures/picture_files.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QStatusBar>
#include <QWidget>

namespace vestrel {

namespace {

QStringList filterEntries()
{
    QStringList entries;
    for (const PictureFilter& filter : kPictureFilters)
        entries << QCoreApplication::translate("PictureFiles", filter.entry);
    return entries;
}

QMessageBox::StandardButton toButton(Answer answer)
{
    switch (answer) {
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::Cancel:
        break;
    }
    return QMessageBox::Cancel;
}

void showOkBox(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, ProgramCaption(), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

QtPictureUi::QtPictureUi(QWidget* parent) : parent_(parent) {}

void QtPictureUi::message(const QString& text) { showOkBox(parent_, QMessageBox::NoIcon, text); }

void QtPictureUi::error(const QString& text) { showOkBox(parent_, QMessageBox::Critical, text); }

void QtPictureUi::status(const QString& text)
{
    auto* window = qobject_cast<QMainWindow*>(parent_);
    if (!window)
        return;
    // A permanent widget: the hint shown in the same status bar does not
    // replace it.
    if (!statusLabel_) {
        statusLabel_ = new QLabel(window);
        statusLabel_->setObjectName(QStringLiteral("savedPictureLabel"));
        statusLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        window->statusBar()->addPermanentWidget(statusLabel_);
    }
    statusLabel_->setText(text);
    statusLabel_->setVisible(!text.isEmpty());
}

std::optional<SaveChoice> QtPictureUi::askSaveFileName(const SaveChoice& current)
{
    return askSaveFileNameIn(current, QString());
}

std::optional<SaveChoice> QtPictureUi::askSaveFileNameIn(const SaveChoice& current, const QString& folder)
{
    const QStringList entries = filterEntries();
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // An existing file is replaced without a second question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(entries);
    dialog.selectNameFilter(entries.value(current.filterIndex - 1, entries.first()));
    if (!current.fileName.isEmpty())
        dialog.selectFile(current.fileName);
    else if (!folder.isEmpty() && QFileInfo(folder).isDir())
        dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    SaveChoice choice;
    choice.fileName = dialog.selectedFiles().first();
    choice.filterIndex = static_cast<int>(entries.indexOf(dialog.selectedNameFilter())) + 1;
    if (choice.filterIndex < 1)
        choice.filterIndex = current.filterIndex;
    return choice;
}

Answer QtPictureUi::ask(const Question& question)
{
    const QMessageBox::Icon icon =
        question.icon == QuestionIcon::Information ? QMessageBox::Information : QMessageBox::Question;
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (question.withCancel)
        buttons |= QMessageBox::Cancel;
    QMessageBox box(icon, question.caption.isEmpty() ? ProgramCaption() : question.caption,
                    question.text, buttons, parent_);
    box.setDefaultButton(toButton(question.defaultAnswer));
    // Escape and the close box mean Cancel where there is one, else No.
    box.setEscapeButton(question.withCancel ? QMessageBox::Cancel : QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return question.withCancel ? Answer::Cancel : Answer::No;
    }
}

QImage GrabWholeWindow(QWidget* window)
{
    const QRect frame = window->frameGeometry();
    if (QScreen* screen = window->screen()) {
        const QPoint origin = frame.topLeft() - screen->geometry().topLeft();
        const QPixmap shot = screen->grabWindow(0, origin.x(), origin.y(), frame.width(), frame.height());
        if (!shot.isNull())
            return shot.toImage();
    }
    return window->grab().toImage();
}

} // namespace vestrel
