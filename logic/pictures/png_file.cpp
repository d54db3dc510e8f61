// SPDX-License-Identifier: MIT
#include "logic/pictures/png_file.h"

#include "logic/pictures/jpeg_codec.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <cerrno>

namespace vestrel {

namespace {

constexpr int PngQuality = 80; // Qt maps it to zlib level (100 - 80) * 9 / 91 = 1

} // namespace

bool SavePng(const QImage& image, const QString& path, QString* error)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    const auto fail = [&](int errnoValue, const QString& reason) {
        if (error)
            *error = errnoValue != 0 ? CannotCreateMessage(target, errnoValue)
                                     : QStringLiteral("Cannot create file \"%1\". %2").arg(target, reason);
        return false;
    };
    QSaveFile file(target);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return fail(errno, file.errorString());
    QImageWriter writer(&file, "png");
    // Light compression: pictures are mostly background, which packs well
    // at any level, and an 8192 x 8192 one is written in a fraction of the
    // time the default level takes.
    writer.setQuality(PngQuality);
    errno = 0;
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        return fail(errno, writer.errorString());
    errno = 0;
    if (!file.commit())
        return fail(errno, file.errorString());
    return true;
}

} // namespace vestrel
