// SPDX-License-Identifier: MIT
#include "logic/pictures/picture_files.h"

#include "logic/pictures/file_io.h"
#include "logic/pictures/jpeg_codec.h"
#include "logic/pictures/png_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include <algorithm>
#include <cerrno>

namespace vestrel {

namespace {

QString fullPath(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

bool validFilter(int filterIndex)
{
    return filterIndex >= 1 && filterIndex <= static_cast<int>(kPictureFilters.size());
}

// The locale's long time format without its time zone field ("t"), which a
// clock reading in a file name has no use for.
QString longTimeFormatWithoutZone(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (c == u't' && !quoted)
            continue;
        result += c;
    }
    return result.simplified();
}

QString fileNameSafe(QString text)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : text) {
        if (forbidden.contains(c) || c.category() == QChar::Other_Control)
            c = u'.';
    }
    return text;
}

} // namespace

// Qt's BMP writer gives, for a picture in 24-bit RGB, byte for byte the file
// the program has always written: the 14-byte file header, the 40-byte
// BITMAPINFOHEADER with the picture's dots per metre, and bottom-up rows of
// blue, green, red padded to four bytes (checked for pictures from 1 x 1 to
// 1024 x 768 made from every usual QImage format through RGB888). So the
// program writes its bitmaps through it. A picture without pixels cannot be
// written and gives the writer's reason.
bool SaveBmp24(const QImage& image, const QString& path, QString* error, const WriteProgress& progress)
{
    AtomicFileWriter file(fullPath(path));
    // 54 bytes of headers, then rows of 3 bytes a pixel padded to 4.
    const double expected = 54.0 + static_cast<double>(image.height()) * ((image.width() * 3 + 3) / 4 * 4);
    if (progress)
        file.setProgress([&](qint64 written) { return progress(std::min(1.0, written / expected)); });
    if (!file.open()) {
        setError(error, file.errorMessage());
        return false;
    }
    QImageWriter writer(file.device(), "bmp");
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull() && !image.isNull()) {
        setError(error, CannotCreateMessage(file.path(), ENOMEM));
        return false;
    }
    if (writer.write(rgb) && file.commit())
        return true;
    setError(error, !file.errorMessage().isEmpty()
                        ? file.errorMessage()
                        : QStringLiteral("Cannot create file \"%1\". %2").arg(file.path(), writer.errorString()));
    return false;
}

bool SavePictureForFilter(const QImage& image, const QString& path, int filterIndex, QString* error,
                          const WriteProgress& progress)
{
    if (!validFilter(filterIndex)) {
        setError(error, QStringLiteral("Unknown picture format %1").arg(filterIndex));
        return false;
    }
    if (kPictureFilters[filterIndex - 1].format == PictureFormat::Bmp)
        return SaveBmp24(image, path, error, progress);
    if (kPictureFilters[filterIndex - 1].format == PictureFormat::Png)
        return SavePng(image, path, error, progress);
    return SaveJpeg(image, fullPath(path), kJpegQuality, error, progress);
}

QString AppendFilterExtension(const QString& name, int filterIndex)
{
    if (!validFilter(filterIndex))
        return name;
    const QString extension = QString::fromLatin1(kPictureFilters[filterIndex - 1].extension);
    if (name.endsWith(extension, Qt::CaseInsensitive))
        return name;
    return name + extension;
}

QString ScreenshotFileName(const QString& programDir, const QString& prefix,
                           const QDateTime& when, const QLocale& locale)
{
    const QString date = fileNameSafe(locale.toString(when.date(), QLocale::ShortFormat));
    const QString time = fileNameSafe(locale.toString(when.time(), longTimeFormatWithoutZone(locale)));
    return QDir(programDir).filePath(QStringLiteral("Screenshots/") + prefix + date
                                     + QStringLiteral("_") + time + QStringLiteral(".bmp"));
}

} // namespace vestrel
