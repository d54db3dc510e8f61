// SPDX-License-Identifier: MIT
#include "logic/pictures/jpeg_codec.h"

#include <cerrno>
#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <new>

extern "C" {
#include <jpeglib.h>
}

namespace vestrel {

namespace {

// What libjpeg may allocate for itself while decoding (coefficient buffers of
// progressive pictures above all); a picture within kMaxJpegPixels needs less.
constexpr long kMaxLibjpegMemory = 1024L * 1024 * 1024;

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

// Why decoding stopped short of a picture, when libjpeg did not say.
enum class DecodeRefusal { None, TooLarge, OutOfMemory };

struct DecodeState {
    QImage image;
    DecodeRefusal refusal = DecodeRefusal::None;
    qint64 width = 0;
    qint64 height = 0;
};

// The frame that calls setjmp holds no object with a destructor, so none is
// skipped by the jump; what must outlive a jump lives in `state`, outside it.
bool decode(const QByteArray& data, DecodeState& state, QString* error)
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
    cinfo.mem->max_memory_to_use = kMaxLibjpegMemory;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    // The header alone decides whether the picture may be allocated at all.
    state.width = cinfo.image_width;
    state.height = cinfo.image_height;
    if (state.width * state.height > kMaxJpegPixels) {
        state.refusal = DecodeRefusal::TooLarge;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    state.image = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                         QImage::Format_RGB888);
    if (state.image.isNull()) {
        state.refusal = DecodeRefusal::OutOfMemory;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = state.image.scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

// libjpeg's memory destination allocates the output with malloc; the buffer
// is freed by the caller, also after a jump.
struct EncodeBuffer {
    unsigned char* data = nullptr;
    unsigned long size = 0;
};

bool encode(const QImage& rgb, int quality, EncodeBuffer& out, QString* error, const WriteProgress& progress)
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
    // Room for more than the raw pixels, given to libjpeg beforehand: a
    // buffer it grows itself is only handed back when the picture is
    // finished, so a stopped encoding would leave out.data stale. The
    // pages are only touched as far as the data goes.
    out.size = static_cast<unsigned long>(rgb.width()) * static_cast<unsigned long>(rgb.height()) * 3 + 65536;
    out.data = static_cast<unsigned char*>(std::malloc(out.size));
    if (!out.data) {
        out.size = 0;
        jpeg_destroy_compress(&cinfo);
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(ENOMEM));
        return false;
    }
    jpeg_mem_dest(&cinfo, &out.data, &out.size);
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
        if (progress && cinfo.next_scanline % 64 == 0
            && !progress(static_cast<double>(cinfo.next_scanline) / cinfo.image_height)) {
            jpeg_destroy_compress(&cinfo);
            if (error)
                *error = QString::fromLocal8Bit(std::strerror(ECANCELED));
            return false;
        }
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

QString PictureTooLargeMessage(const QString& name, qint64 width, qint64 height)
{
    return QStringLiteral("The picture \"%1\" is too large: %2 x %3 pixels, at most 64 megapixels.")
        .arg(name)
        .arg(width)
        .arg(height);
}

QImage DecodeJpeg(const QByteArray& data, const QString& name, QString* error)
{
    DecodeState state;
    if (decode(data, state, error))
        return state.image;
    switch (state.refusal) {
    case DecodeRefusal::TooLarge:
        if (error)
            *error = PictureTooLargeMessage(name, state.width, state.height);
        break;
    case DecodeRefusal::OutOfMemory:
        if (error)
            *error = CannotOpenMessage(name, ENOMEM);
        break;
    case DecodeRefusal::None:
        break;
    }
    return {};
}

QImage LoadJpeg(const QString& path, QString* error)
{
    const FileContents file = ReadWholeFile(path, kMaxJpegFileBytes);
    if (!file.ok()) {
        if (error)
            *error = file.status == ReadStatus::TooLarge ? CannotOpenMessage(path, EFBIG) : file.error;
        return {};
    }
    return DecodeJpeg(file.bytes, path, error);
}

QByteArray EncodeJpeg(const QImage& image, int quality, QString* error, const WriteProgress& progress)
{
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("Empty picture");
        return {};
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(ENOMEM));
        return {};
    }
    EncodeBuffer out;
    QByteArray bytes;
    if (encode(rgb, quality, out, error, progress)) {
        try {
            bytes = QByteArray(reinterpret_cast<const char*>(out.data), static_cast<qsizetype>(out.size));
        } catch (const std::bad_alloc&) {
            if (error)
                *error = QString::fromLocal8Bit(std::strerror(ENOMEM));
        }
    }
    std::free(out.data);
    return bytes;
}

bool SaveJpeg(const QImage& image, const QString& path, int quality, QString* error, const WriteProgress& progress)
{
    const QByteArray bytes = EncodeJpeg(image, quality, error, ProgressPart(progress, 0, 0.9));
    if (bytes.isEmpty())
        return false;
    AtomicFileWriter writer(path);
    if (progress)
        writer.setProgress([&](qint64 written) { return progress(0.9 + 0.1 * written / bytes.size()); });
    if (writer.open() && writer.write(bytes) && writer.commit())
        return true;
    if (error)
        *error = writer.errorMessage();
    return false;
}

} // namespace vestrel
