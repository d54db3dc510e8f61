// SPDX-License-Identifier: MIT
#include "logic/pictures/jpeg_codec.h"

#include <QFile>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace vestrel {

namespace {

// libjpeg's default error manager prints and calls exit(); this one jumps
// back to the caller with the message instead.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void failWithMessage(j_common_ptr info)
{
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings (level -1) mean corrupt data, such as a file that ends early:
// libjpeg would fill the rest of the picture with grey. Treat them as errors.
void emitMessage(j_common_ptr info, int level)
{
    if (level < 0)
        failWithMessage(info);
}

void silentOutput(j_common_ptr) {}

void installErrorManager(ErrorManager& err)
{
    jpeg_std_error(&err.pub);
    err.pub.error_exit = failWithMessage;
    err.pub.emit_message = emitMessage;
    err.pub.output_message = silentOutput;
}

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

FilePtr openFile(const QString& path, const char* mode)
{
    return FilePtr(std::fopen(QFile::encodeName(path).constData(), mode));
}

QString systemReason(int errnoValue) { return QString::fromLocal8Bit(std::strerror(errnoValue)); }

// Kept out of the function that calls setjmp, so that no object with a
// destructor lives across the jump.
bool decode(FILE* file, QImage& image, QString* error)
{
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = &err.pub;
    installErrorManager(err);
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        if (error)
            *error = QString::fromLocal8Bit(err.message);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    image = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                   QImage::Format_RGB888);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

bool encode(FILE* file, const QImage& rgb, int quality, QString* error)
{
    jpeg_compress_struct cinfo;
    ErrorManager err;
    cinfo.err = &err.pub;
    installErrorManager(err);
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        if (error)
            *error = QString::fromLocal8Bit(err.message);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto* row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

QString CannotOpenMessage(const QString& path, int errnoValue)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, systemReason(errnoValue));
}

QString CannotCreateMessage(const QString& path, int errnoValue)
{
    return QStringLiteral("Cannot create file \"%1\". %2").arg(path, systemReason(errnoValue));
}

QImage LoadJpeg(const QString& path, QString* error)
{
    FilePtr file = openFile(path, "rb");
    if (!file) {
        if (error)
            *error = CannotOpenMessage(path, errno);
        return {};
    }
    QImage image;
    if (!decode(file.get(), image, error))
        return {};
    return image;
}

bool SaveJpeg(const QImage& image, const QString& path, int quality, QString* error)
{
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("Empty picture");
        return false;
    }
    FilePtr file = openFile(path, "wb");
    if (!file) {
        if (error)
            *error = CannotCreateMessage(path, errno);
        return false;
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (!encode(file.get(), rgb, quality, error))
        return false;
    if (std::fflush(file.get()) != 0) {
        if (error)
            *error = CannotCreateMessage(path, errno);
        return false;
    }
    return true;
}

} // namespace vestrel
