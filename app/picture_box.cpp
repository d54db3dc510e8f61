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
    update();
}

void PictureBox::clear()
{
    image_ = QImage();
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(FitCentred(image_.size(), size()), image_);
}

} // namespace vestrel
