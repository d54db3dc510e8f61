// SPDX-License-Identifier: MIT
// JPEG pictures through libjpeg (IJG API). Errors never end the process and
// libjpeg never prints: every failure comes back as a message text.
#pragma once

#include <QImage>
#include <QString>

namespace vestrel {

// Decodes a JPEG file. On failure returns a null image and sets *error to
// "Cannot open file "<path>". <reason>" when the file cannot be opened, or to
// libjpeg's own message when the data is not a readable JPEG picture. A
// corrupt-data warning (a truncated file, for one) counts as a failure.
QImage LoadJpeg(const QString& path, QString* error);

// Encodes a picture as a baseline JPEG file (RGB, 4:2:0 as libjpeg defaults).
// On failure returns false and sets *error to
// "Cannot create file "<path>". <reason>" or libjpeg's message.
bool SaveJpeg(const QImage& image, const QString& path, int quality, QString* error);

// "Cannot open file "%s". %s" and "Cannot create file "%s". %s" for a path
// and errno value.
QString CannotOpenMessage(const QString& path, int errnoValue);
QString CannotCreateMessage(const QString& path, int errnoValue);

} // namespace vestrel
