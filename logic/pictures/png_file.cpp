// SPDX-License-Identifier: MIT
#include "logic/pictures/png_file.h"

#include "logic/pictures/file_io.h"
#include "logic/pictures/jpeg_codec.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <cerrno>

namespace vestrel {

namespace {

constexpr int PngQuality = 80; // Qt maps it to zlib level (100 - 80) * 9 / 91 = 1

} // namespace

bool SavePng(const QImage& image, const QString& path, QString* error, const WriteProgress& progress)
{
    AtomicFileWriter file(QFileInfo(path).absoluteFilePath());
    if (progress)
        file.setProgress([&](qint64) { return progress(-1); });
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = !file.errorMessage().isEmpty()
                ? file.errorMessage()
                : QStringLiteral("Cannot create file \"%1\". %2").arg(file.path(), reason);
        return false;
    };
    if (!file.open())
        return fail(QString());
    QImageWriter writer(file.device(), "png");
    // Light compression: pictures are mostly background, which packs well
    // at any level, and an 8192 x 8192 one is written in a fraction of the
    // time the default level takes.
    writer.setQuality(PngQuality);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        return fail(writer.errorString());
    if (!file.commit())
        return fail(QString());
    return true;
}

} // namespace vestrel
