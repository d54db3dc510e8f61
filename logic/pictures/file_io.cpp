// SPDX-License-Identifier: MIT
#include "logic/pictures/file_io.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vestrel {

namespace {

std::optional<WriteFault> activeFault;

QString systemReason(int errnoValue) { return QString::fromLocal8Bit(std::strerror(errnoValue)); }

QByteArray encoded(const QString& path) { return QFile::encodeName(path); }

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

FileContents cannotOpen(const QString& path, int errnoValue)
{
    FileContents result;
    result.status = ReadStatus::CannotOpen;
    result.error = CannotOpenMessage(path, errnoValue);
    return result;
}

// The file a name finally stands for: a symbolic link is replaced in its
// target's place, so the link stays.
QString resolvedTarget(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty())
            return target;
    }
    return info.absoluteFilePath();
}

} // namespace

QString CannotOpenMessage(const QString& path, int errnoValue)
{
    return CannotOpenMessage(path, systemReason(errnoValue));
}

QString CannotOpenMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason);
}

QString CannotCreateMessage(const QString& path, int errnoValue)
{
    return QStringLiteral("Cannot create file \"%1\". %2").arg(path, systemReason(errnoValue));
}

FileContents ReadWholeFile(const QString& path, qint64 maxBytes)
{
    // Without O_NONBLOCK, opening a pipe would wait for a writer forever.
    const FileDescriptor fd(::open(encoded(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        return cannotOpen(path, errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return cannotOpen(path, errno);
    if (S_ISDIR(info.st_mode))
        return cannotOpen(path, EISDIR);
    if (!S_ISREG(info.st_mode)) {
        FileContents result;
        result.error = CannotOpenMessage(path, QStringLiteral("Not a regular file"));
        return result;
    }
    FileContents result;
    result.size = static_cast<qint64>(info.st_size);
    if (result.size > maxBytes) {
        result.status = ReadStatus::TooLarge;
        return result;
    }
    try {
        // One byte more than the file had, to notice a file that grows.
        result.bytes.resize(static_cast<qsizetype>(result.size + 1));
    } catch (const std::bad_alloc&) {
        return cannotOpen(path, ENOMEM);
    }
    qint64 done = 0;
    for (;;) {
        const ssize_t n = ::read(fd.get(), result.bytes.data() + done, static_cast<std::size_t>(result.bytes.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return cannotOpen(path, errno);
        }
        if (n == 0)
            break;
        done += n;
        if (done == result.bytes.size()) {
            if (done > maxBytes) {
                result.status = ReadStatus::TooLarge;
                result.size = done;
                result.bytes.clear();
                return result;
            }
            try {
                result.bytes.resize(qMin<qint64>(2 * done, maxBytes + 1));
            } catch (const std::bad_alloc&) {
                return cannotOpen(path, ENOMEM);
            }
        }
    }
    result.bytes.truncate(static_cast<qsizetype>(done));
    result.size = done;
    result.status = ReadStatus::Ok;
    return result;
}

// Qt's image writers write through this device, so that their bytes meet
// the same checks and the same fault seam as write().
class AtomicFileWriter::Device final : public QIODevice {
public:
    explicit Device(AtomicFileWriter& writer) : writer_(writer) { QIODevice::open(WriteOnly | Unbuffered); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        return writer_.write(data, static_cast<std::size_t>(size)) ? size : -1;
    }

private:
    AtomicFileWriter& writer_;
};

AtomicFileWriter::AtomicFileWriter(const QString& path) : target_(QFileInfo(path).absoluteFilePath()) {}

AtomicFileWriter::~AtomicFileWriter()
{
    discard();
    device_.reset();
}

bool AtomicFileWriter::fail(int errnoValue, const QString& fallbackReason)
{
    error_ = errnoValue != 0 || fallbackReason.isEmpty()
        ? CannotCreateMessage(target_, errnoValue)
        : QStringLiteral("Cannot create file \"%1\". %2").arg(target_, fallbackReason);
    discard();
    return false;
}

// QSaveFile removes its temporary file when it is destroyed uncommitted.
// The device stays: an image writer may be inside it.
void AtomicFileWriter::discard()
{
    if (file_)
        file_->cancelWriting();
    file_.reset();
}

bool AtomicFileWriter::open()
{
    discard();
    device_.reset();
    error_.clear();
    const QString finalPath = resolvedTarget(target_);
    const QByteArray finalName = encoded(finalPath);
    struct stat existing {};
    const bool exists = ::stat(finalName.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return fail(EISDIR);
    // A file the user may not write is not replaced behind its back.
    if (exists && ::access(finalName.constData(), W_OK) != 0)
        return fail(errno);
    if (activeFault && activeFault->createError != 0)
        return fail(activeFault->createError);
    // The folder's own reason, which QSaveFile does not always pass on.
    const QByteArray folder = encoded(QFileInfo(finalPath).absolutePath());
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        return fail(errno);

    file_ = std::make_unique<QSaveFile>(target_);
    errno = 0;
    if (!file_->open(QIODevice::WriteOnly))
        return fail(errno, file_->errorString());
    return true;
}

QIODevice* AtomicFileWriter::device()
{
    if (!file_)
        return nullptr;
    if (!device_)
        device_ = std::make_unique<Device>(*this);
    return device_.get();
}

bool AtomicFileWriter::write(const void* data, std::size_t size)
{
    // In pieces, so that a long write reports as it goes.
    constexpr std::size_t Piece = std::size_t{1} << 20;
    const char* bytes = static_cast<const char*>(data);
    if (progress_ && size > Piece) {
        for (std::size_t done = 0; done < size; done += Piece)
            if (!write(bytes + done, std::min(Piece, size - done)))
                return false;
        return true;
    }
    if (!writePiece(bytes, size))
        return false;
    written_ += static_cast<qint64>(size);
    if (progress_ && !progress_(written_)) {
        cancelled_ = true;
        return fail(ECANCELED);
    }
    return true;
}

bool AtomicFileWriter::writePiece(const char* bytes, std::size_t size)
{
    if (!file_)
        return false;
    if (activeFault && activeFault->bytesBeforeError >= 0) {
        const auto room = static_cast<std::size_t>(activeFault->bytesBeforeError);
        if (size > room) {
            // As a disk that fills up: what fits is written, then the write fails.
            file_->write(bytes, static_cast<qint64>(room));
            activeFault->bytesBeforeError = 0;
            return fail(activeFault->writeError);
        }
        activeFault->bytesBeforeError -= static_cast<qint64>(size);
    }
    errno = 0;
    if (file_->write(bytes, static_cast<qint64>(size)) != static_cast<qint64>(size))
        return fail(errno, file_->errorString());
    return true;
}

bool AtomicFileWriter::commit()
{
    if (!file_)
        return false;
    errno = 0;
    // A full disk may only show when the data reaches it.
    if (!file_->commit())
        return fail(errno, file_->errorString());
    file_.reset();
    return true;
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    AtomicFileWriter writer(path);
    if (writer.open() && writer.write(bytes) && writer.commit())
        return true;
    if (error)
        *error = writer.errorMessage();
    return false;
}

ScopedWriteFault::ScopedWriteFault(const WriteFault& fault) { activeFault = fault; }

ScopedWriteFault::~ScopedWriteFault() { activeFault.reset(); }

} // namespace vestrel
