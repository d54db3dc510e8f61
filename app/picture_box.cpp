// SPDX-License-Identifier: MIT
#include "app/picture_box.h"

#include <QPainter>

namespace vestrel {

QRect FitCentred(QSize picture, QSize box)
{
    QSize shown = picture;
    if (picture.width() > box.width() || picture.height() > box.height())
        shown = picture.scaled(box, Qt::KeepAspectRatio);
    return QRect(QPoint((box.width() - shown.width()) / 2, (box.height() - shown.height()) / 2), shown);
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QImage& image)
{
    image_ = image;
    shown_ = QImage();
    update();
}

void PictureBox::clear()
{
    image_ = QImage();
    shown_ = QImage();
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (image_.isNull())
        return;
    const QRect target = FitCentred(image_.size(), size());
    if (shown_.size() != target.size())
        shown_ = target.size() == image_.size()
            ? image_
            : image_.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter painter(this);
    painter.drawImage(target.topLeft(), shown_);
}

} // namespace vestrel
