// SPDX-License-Identifier: MIT
// Reading and writing the program's files safely: a file read is a regular
// file of bounded size (a folder, a pipe or a device in its place is refused
// without blocking), and a file written is complete or absent (QSaveFile: its
// bytes go to a temporary file in the same folder that replaces the target
// only once everything is on the disk).
#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <cerrno>
#include <cstddef>
#include <functional>
#include <memory>

namespace vestrel {

// "Cannot open file "%s". %s" and "Cannot create file "%s". %s" with the
// system's reason for an errno value, or a reason given as text.
QString CannotOpenMessage(const QString& path, int errnoValue);
QString CannotCreateMessage(const QString& path, int errnoValue);
QString CannotOpenMessage(const QString& path, const QString& reason);

enum class ReadStatus { Ok, CannotOpen, TooLarge };

struct FileContents {
    ReadStatus status = ReadStatus::CannotOpen;
    QByteArray bytes;  // the whole file when Ok
    qint64 size = 0;   // the file's size as far as it was seen
    QString error;     // "Cannot open file ..." when CannotOpen
    bool ok() const { return status == ReadStatus::Ok; }
};

// Reads a whole regular file of at most maxBytes bytes. A missing file, a
// folder, a file without read rights, a pipe or a device give CannotOpen with
// the real reason; a larger file gives TooLarge without being read.
FileContents ReadWholeFile(const QString& path, qint64 maxBytes);

// Writes one file so that it is complete or absent, through QSaveFile: the
// bytes go to a temporary file beside the target, and commit() renames it
// over the target once everything is on the disk. Any failure, or destruction
// without commit(), removes the temporary file and leaves a previous file of
// the target's name untouched. Beyond QSaveFile it gives the program's
// messages with the system's reason, refuses a target the user may not
// write, and honours ScopedWriteFault.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const QString& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool open();
    bool write(const void* data, std::size_t size);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), static_cast<std::size_t>(bytes.size())); }
    // The open file as a device for Qt's image writers; what they write goes
    // through write().
    QIODevice* device();
    bool commit();

    // Called after each piece written with the bytes written so far; false
    // stops the write as a failure that leaves no file (cancelled() then
    // says so).
    void setProgress(std::function<bool(qint64 written)> progress) { progress_ = std::move(progress); }
    bool cancelled() const { return cancelled_; }

    // "Cannot create file "<full path>". <system's reason>" after a failure.
    const QString& errorMessage() const { return error_; }
    // The target's full path.
    const QString& path() const { return target_; }

private:
    class Device;

    bool fail(int errnoValue, const QString& fallbackReason = QString());
    bool writePiece(const char* bytes, std::size_t size);
    void discard();

    QString target_;
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<Device> device_;
    QString error_;
    std::function<bool(qint64)> progress_;
    qint64 written_ = 0;
    bool cancelled_ = false;
};

// Writes the bytes as one file, complete or absent.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// A seam for tests: while one of these lives, every AtomicFileWriter fails as
// a full disk or a folder without rights would, without touching the file
// system's real state.
struct WriteFault {
    int createError = 0;            // errno for creating the temporary file; 0: creation succeeds
    qint64 bytesBeforeError = -1;   // bytes written before writing fails; -1: writing never fails
    int writeError = ENOSPC;        // errno of the failing write
};

class ScopedWriteFault {
public:
    explicit ScopedWriteFault(const WriteFault& fault);
    ~ScopedWriteFault();
    ScopedWriteFault(const ScopedWriteFault&) = delete;
    ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;
};

} // namespace vestrel
