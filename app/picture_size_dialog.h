// SPDX-License-Identifier: MIT
// The small dialog after the picture save dialog: the size of the picture.
#pragma once

#include <QDialog>
#include <QSize>

class QButtonGroup;
class QLineEdit;
class QRadioButton;

namespace vestrel {

class PictureSizeDialog : public QDialog {
    Q_OBJECT
public:
    // panel: the drawing panel's size in device pixels, the start choice.
    explicit PictureSizeDialog(const QSize& panel, QWidget* parent = nullptr);

    // The chosen size; a typed width or height that is not a whole number
    // counts as 0 (out of range).
    QSize chosenSize() const;

    QRadioButton* panelRadio;  // the window's size
    QRadioButton* doubleRadio; // 2x
    QRadioButton* fourfoldRadio; // 4x
    QRadioButton* customRadio; // width and height typed in
    QLineEdit* widthField;
    QLineEdit* heightField;

private:
    QSize panel_;
};

} // namespace vestrel
