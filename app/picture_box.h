// SPDX-License-Identifier: MIT
// A picture box that shows its picture centred, scaled down proportionally
// when it is larger than the box, never enlarged.
#pragma once

#include <QImage>
#include <QWidget>

namespace vestrel {

// Where a picture of size picture goes in a box of size box.
QRect FitCentred(QSize picture, QSize box);

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void setPicture(const QImage& image);
    void clear();
    const QImage& picture() const { return image_; }
    bool isEmpty() const { return image_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    QImage shown_; // image_ scaled to fit the box, kept until the size changes
};

} // namespace vestrel
