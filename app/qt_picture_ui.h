// SPDX-License-Identifier: MIT
// The picture commands' dialogs and message boxes as Qt shows them, and the
// capture of a whole window from the screen.
#pragma once

#include "logic/picture_commands.h"

class QLabel;
class QWidget;

namespace vestrel {

class QtPictureUi : public PictureUi {
public:
    // The dialogs and message boxes are owned by `parent`.
    explicit QtPictureUi(QWidget* parent);

    void message(const QString& text) override;
    void error(const QString& text) override;
    // A label at the right end of the parent's status bar, beside the hints.
    void status(const QString& text) override;
    std::optional<SaveChoice> askSaveFileName(const SaveChoice& current) override;
    std::optional<SaveChoice> askSaveFileNameIn(const SaveChoice& current, const QString& folder) override;
    Answer ask(const Question& question) override;
    std::optional<QSize> askPictureSize(const QSize& panel) override; // picture_size_dialog.cpp

private:
    QWidget* parent_;
    QLabel* statusLabel_ = nullptr;
};

// The window as it shows on the screen, frame, caption and menu bar included,
// at the size of its outer rectangle. Where the window system does not let a
// program read the screen, the window's own rendering without the frame.
QImage GrabWholeWindow(QWidget* window);

} // namespace vestrel
