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

class LegendWindow : public QWidget {
    Q_OBJECT
public:
    // Loads Data/Legend/Atoms.jpg from the program folder (in English
    // Data/en/Legend/Atoms.jpg when there is one); a picture that cannot be
    // read leaves the box empty.
    explicit LegendWindow(const QString& programDir, QWidget* parent = nullptr);

    // After a change of the interface's language: reads the picture again.
    void reloadPictures();

    // showLegend: put the window back at its fixed place beside the drawing
    // panel and show it, or bring it to the front.
    void presentBeside(int drawingPanelWidth);

    QGroupBox* group() const { return group_; }
    PictureBox* picture() const { return picture_; }
    const QString& loadError() const { return loadError_; }

    // Seam for the message box that tells why the picture is missing, on
    // every showing; tests answer it.
    std::function<void(const QString&)> showMessageBox;

protected:
    void changeEvent(QEvent* event) override;

private:
    void setTexts();

    QString programDir_;
    QGroupBox* group_ = nullptr;
    PictureBox* picture_ = nullptr;
    QString loadError_;
};

} // namespace vestrel
