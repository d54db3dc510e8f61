// SPDX-License-Identifier: MIT
// JPEG pictures through libjpeg (IJG API). Errors never end the process and
// libjpeg never prints: every failure comes back as a message text.
#pragma once

#include "logic/pictures/write_progress.h"

#include "logic/pictures/file_io.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace vestrel {

// The largest picture decoded: 64 megapixels (8192 x 8192), far above any
// picture of the program. A larger one is refused from its header, before
// any memory is given to it.
inline constexpr qint64 kMaxJpegPixels = 64LL * 1024 * 1024;
// The largest JPEG file read; a file of kMaxJpegPixels pixels at the highest
// quality stays well below it.
inline constexpr qint64 kMaxJpegFileBytes = 256LL * 1024 * 1024;

// Decodes a JPEG file. On failure returns a null image and sets *error to
// "Cannot open file "<path>". <reason>" when the file cannot be read (missing,
// a folder, no rights, larger than kMaxJpegFileBytes), to the picture-size
// message when it claims more than kMaxJpegPixels, or to libjpeg's own
// message when the data is not a readable JPEG picture. A corrupt-data
// warning (a truncated file, for one) counts as a failure.
QImage LoadJpeg(const QString& path, QString* error);

// Decodes JPEG data held in memory, as LoadJpeg does with a file's bytes;
// `name` stands for the data in the picture-size message.
QImage DecodeJpeg(const QByteArray& data, const QString& name, QString* error);

// "The picture "<name>" is too large: <w> x <h> pixels, at most 64 megapixels."
QString PictureTooLargeMessage(const QString& name, qint64 width, qint64 height);

// Encodes a picture as a baseline JPEG file (RGB, 4:2:0 as libjpeg defaults),
// complete or not at all: a failed write leaves no partial file and a
// previous file of that name as it was. On failure returns false and sets
// *error to "Cannot create file "<path>". <reason>" or libjpeg's message.
bool SaveJpeg(const QImage& image, const QString& path, int quality, QString* error,
              const WriteProgress& progress = {});

// Encodes a picture as JPEG data in memory; an empty array on failure.
QByteArray EncodeJpeg(const QImage& image, int quality, QString* error, const WriteProgress& progress = {});

} // namespace vestrel
