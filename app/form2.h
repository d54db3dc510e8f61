// SPDX-License-Identifier: MIT
// The atom legend: a fixed-size tool window with the picture of the element
// colours, staying on top.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QGroupBox;

namespace vestrel {

class PictureBox;

class Form2 : public QWidget {
    Q_OBJECT
public:
    // Loads Data/Legend/Atoms.jpg from the program folder; a picture that
    // cannot be read leaves the box empty.
    explicit Form2(const QString& programDir, QWidget* parent = nullptr);

    // btn15Click: put the window back at its fixed place beside the drawing
    // panel and show it, or bring it to the front.
    void presentBeside(int drawingPanelWidth);

    QGroupBox* group() const { return grp1; }
    PictureBox* picture() const { return img1; }
    const QString& loadError() const { return loadError_; }

    // Seam for the message box that tells why the picture is missing, on
    // every showing; tests answer it.
    std::function<void(const QString&)> showMessageBox;

private:
    QGroupBox* grp1 = nullptr;
    PictureBox* img1 = nullptr;
    QString loadError_;
};

} // namespace vestrel
