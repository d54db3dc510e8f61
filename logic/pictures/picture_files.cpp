// SPDX-License-Identifier: MIT
#include "logic/pictures/picture_files.h"

#include "logic/pictures/file_io.h"
#include "logic/pictures/jpeg_codec.h"
#include "logic/pictures/png_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <vector>

namespace vestrel {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kBitsPerPixel = 24;

class LittleEndianWriter {
public:
    void u16(quint16 v) { bytes(v, 2); }
    void u32(quint32 v) { bytes(v, 4); }
    void i32(qint32 v) { bytes(static_cast<quint32>(v), 4); }
    const std::vector<unsigned char>& data() const { return data_; }

private:
    void bytes(quint32 v, int count)
    {
        for (int i = 0; i < count; ++i)
            data_.push_back(static_cast<unsigned char>(v >> (8 * i)));
    }
    std::vector<unsigned char> data_;
};

// Rows of a bitmap are padded to a multiple of four bytes.
int rowStride(int width) { return (width * 3 + 3) / 4 * 4; }

std::vector<unsigned char> bitmapHeaders(const QImage& image)
{
    const quint32 pixelBytes = static_cast<quint32>(rowStride(image.width()) * image.height());
    LittleEndianWriter w;
    // BITMAPFILEHEADER
    w.u16(0x4D42); // "BM"
    w.u32(kFileHeaderSize + kInfoHeaderSize + pixelBytes);
    w.u16(0);
    w.u16(0);
    w.u32(kFileHeaderSize + kInfoHeaderSize);
    // BITMAPINFOHEADER; a positive height means the rows run bottom-up.
    w.u32(kInfoHeaderSize);
    w.i32(image.width());
    w.i32(image.height());
    w.u16(1);
    w.u16(kBitsPerPixel);
    w.u32(0); // BI_RGB, uncompressed
    w.u32(pixelBytes);
    w.i32(image.dotsPerMeterX());
    w.i32(image.dotsPerMeterY());
    w.u32(0);
    w.u32(0);
    return w.data();
}

// One row of the picture in the bitmap's blue-green-red order with padding.
std::vector<unsigned char> bitmapRow(const QImage& rgb, int y)
{
    std::vector<unsigned char> row(static_cast<std::size_t>(rowStride(rgb.width())), 0);
    const uchar* source = rgb.constScanLine(y);
    for (int x = 0; x < rgb.width(); ++x) {
        row[3 * x] = source[3 * x + 2];
        row[3 * x + 1] = source[3 * x + 1];
        row[3 * x + 2] = source[3 * x];
    }
    return row;
}

// Streams the bitmap into the writer a row at a time.
bool writeBitmap(AtomicFileWriter& file, const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull() && !image.isNull())
        return false;
    const std::vector<unsigned char> headers = bitmapHeaders(rgb);
    if (!file.write(headers.data(), headers.size()))
        return false;
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const std::vector<unsigned char> row = bitmapRow(rgb, y);
        if (!file.write(row.data(), row.size()))
            return false;
    }
    return true;
}

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

bool SaveBmp24(const QImage& image, const QString& path, QString* error)
{
    AtomicFileWriter file(fullPath(path));
    if (file.open() && writeBitmap(file, image) && file.commit())
        return true;
    setError(error, file.errorMessage().isEmpty() ? CannotCreateMessage(file.path(), ENOMEM) : file.errorMessage());
    return false;
}

bool SavePictureForFilter(const QImage& image, const QString& path, int filterIndex, QString* error)
{
    if (!validFilter(filterIndex)) {
        setError(error, QStringLiteral("Unknown picture format %1").arg(filterIndex));
        return false;
    }
    if (kPictureFilters[filterIndex - 1].format == PictureFormat::Bmp)
        return SaveBmp24(image, path, error);
    if (kPictureFilters[filterIndex - 1].format == PictureFormat::Png)
        return SavePng(image, path, error);
    return SaveJpeg(image, fullPath(path), kJpegQuality, error);
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
