// SPDX-License-Identifier: MIT
#include "logic/pictures/file_io.h"

#include <QFile>
#include <QFileInfo>

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

// Writes everything or fails with errno set.
bool writeFully(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
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

AtomicFileWriter::AtomicFileWriter(const QString& path) : target_(QFileInfo(path).absoluteFilePath()) {}

AtomicFileWriter::~AtomicFileWriter() { discard(); }

bool AtomicFileWriter::fail(int errnoValue)
{
    error_ = CannotCreateMessage(target_, errnoValue);
    discard();
    return false;
}

void AtomicFileWriter::discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.isEmpty()) {
        ::unlink(temporary_.constData());
        temporary_.clear();
    }
}

bool AtomicFileWriter::open()
{
    discard();
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

    const QFileInfo info(finalPath);
    const QString stem = info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".part-%1-%2");
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = encoded(stem.arg(::getpid()).arg(++counter));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_ = fd;
            temporary_ = name;
            break;
        }
        if (errno != EEXIST)
            return fail(errno);
    }
    if (fd_ < 0)
        return fail(EEXIST);
    // The replacement keeps the permissions of the file it replaces.
    if (exists && ::fchmod(fd_, existing.st_mode & 07777) != 0)
        return fail(errno);
    return true;
}

bool AtomicFileWriter::write(const void* data, std::size_t size)
{
    if (fd_ < 0)
        return false;
    const char* bytes = static_cast<const char*>(data);
    if (activeFault && activeFault->bytesBeforeError >= 0) {
        const auto room = static_cast<std::size_t>(activeFault->bytesBeforeError);
        if (size > room) {
            // As a disk that fills up: what fits is written, then the write fails.
            if (!writeFully(fd_, bytes, room))
                return fail(errno);
            activeFault->bytesBeforeError = 0;
            return fail(activeFault->writeError);
        }
        activeFault->bytesBeforeError -= static_cast<qint64>(size);
    }
    if (!writeFully(fd_, bytes, size))
        return fail(errno);
    return true;
}

bool AtomicFileWriter::commit()
{
    if (fd_ < 0)
        return false;
    // A full disk may only show when the data reaches it.
    if (::fsync(fd_) != 0)
        return fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        return fail(errno);
    if (::rename(temporary_.constData(), encoded(resolvedTarget(target_)).constData()) != 0)
        return fail(errno);
    temporary_.clear();
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
