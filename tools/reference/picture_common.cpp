// SPDX-License-Identifier: MIT
#include "tools/reference/reference_pictures.h"

#include <QPainter>

namespace vestrel::reference {

QImage NewPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void SetSmoothRendering(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

} // namespace vestrel::reference
