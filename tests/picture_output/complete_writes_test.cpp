// SPDX-License-Identifier: MIT
// Every picture the program writes is complete or absent: a full disk, a
// missing folder or a folder without rights leaves no partial file, keeps the
// file that was there and gives "Cannot create file "<path>". <reason>".
// Run over the four ways a picture is written (bitmap, JPEG, the save-as
// command and the screenshot command) and the ways a write fails.
#include "logic/picture_commands.h"
#include "logic/pictures/file_io.h"
#include "logic/pictures/jpeg_codec.h"
#include "logic/pictures/picture_files.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vestrel {
namespace {

// A picture whose encodings are all far larger than the small file system
// below: noise does not compress.
QImage largePicture()
{
    QImage image(240, 200, QImage::Format_RGB32);
    QRandomGenerator random(12);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, random.generate() | 0xff000000u);
    return image;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers the save dialog with one name and records the message boxes.
struct RecordingUi : PictureUi {
    QString saveAs;
    QStringList messages;
    QStringList errors;
    std::optional<SaveChoice> askSaveFileName(const SaveChoice&) override { return SaveChoice{saveAs, 3}; }
    Answer ask(const Question&) override { return Answer::Yes; }
    void message(const QString& text) override { messages << text; }
    void error(const QString& text) override { errors << text; }
};

// One way the program writes a picture: into `folder`, over a previous file
// named `name`. Returns the error message, empty when the write succeeded.
struct Writer {
    const char* label;
    std::function<QString(const QString& folder, const QImage&)> name;
    std::function<QString(const QString& folder, const QImage&)> write;
};

QString writeBmp(const QString& folder, const QImage& picture)
{
    QString error;
    return SaveBmp24(picture, QDir(folder).filePath(QStringLiteral("view.bmp")), &error) ? QString() : error;
}

QString writeJpeg(const QString& folder, const QImage& picture)
{
    QString error;
    return SavePictureForFilter(picture, QDir(folder).filePath(QStringLiteral("view.jpg")), 1, &error)
        ? QString()
        : error;
}

QString commandSaveAs(const QString& folder, const QImage& picture)
{
    RecordingUi ui;
    ui.saveAs = QDir(folder).filePath(QStringLiteral("view"));
    PictureCommands commands(ui, folder, [&] { return picture; }, [&] { return picture; });
    const bool written = commands.saveAs() == PictureCommands::SaveResult::Written;
    EXPECT_EQ(written, ui.errors.isEmpty());
    return ui.errors.join(QLatin1Char('|'));
}

// The screenshot command's program folder is the folder above Screenshots/.
QString commandScreenshot(const QString& folder, const QImage& picture)
{
    RecordingUi ui;
    PictureCommands commands(ui, QDir::cleanPath(folder + QStringLiteral("/..")), [&] { return picture; },
                             [&] { return picture; });
    commands.setClock([] { return QDateTime(QDate(2026, 12, 6), QTime(21, 5, 33)); });
    commands.setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    const bool written = commands.screenshot();
    // The success message comes only with the file.
    EXPECT_EQ(ui.messages.isEmpty(), !written);
    return ui.errors.join(QLatin1Char('|'));
}

const Writer kWriters[] = {
    {"bitmap", [](const QString& f, const QImage&) { return QDir(f).filePath("view.bmp"); }, writeBmp},
    {"jpeg", [](const QString& f, const QImage&) { return QDir(f).filePath("view.jpg"); }, writeJpeg},
    {"save_as", [](const QString& f, const QImage&) { return QDir(f).filePath("view.bmp"); }, commandSaveAs},
    {"screenshot",
     [](const QString& f, const QImage&) {
         return QDir::cleanPath(f + "/../Screenshots/Structure06.12.2026_21.05.33.bmp");
     },
     commandScreenshot},
};

// Each test writes into <base>/Screenshots, so the screenshot command finds
// its folder there too.
class CompleteWrites : public ::testing::TestWithParam<Writer> {
protected:
    QString folder() const { return QDir(base.path()).filePath(QStringLiteral("Screenshots")); }
    void SetUp() override { ASSERT_TRUE(QDir(base.path()).mkdir(QStringLiteral("Screenshots"))); }

    // Puts a small good picture where the write goes and returns its bytes.
    QByteArray previousFile(const QString& path)
    {
        QImage small(16, 16, QImage::Format_RGB32);
        small.fill(qRgb(10, 200, 30));
        QString error;
        const bool jpeg = path.endsWith(QStringLiteral(".jpg"));
        EXPECT_TRUE(jpeg ? SaveJpeg(small, path, 90, &error) : SaveBmp24(small, path, &error)) << error.toStdString();
        return readAll(path);
    }

    // After a failed write: the message names the full path and the reason,
    // the previous file is untouched and nothing else is left in the folder.
    void expectNothingChanged(const QString& error, const QString& path, const QByteArray& previous,
                              const char* reason)
    {
        EXPECT_EQ(error, QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::cleanPath(path), reason));
        EXPECT_EQ(readAll(path), previous) << "the previous file was changed";
        const QStringList left = QDir(folder()).entryList(QDir::Files | QDir::Hidden | QDir::System);
        EXPECT_EQ(left, QStringList{QFileInfo(path).fileName()}) << left.join(' ').toStdString();
    }

    QTemporaryDir base;
};

TEST_P(CompleteWrites, SucceedsAndReplacesThePreviousFile)
{
    const Writer& w = GetParam();
    const QString path = QDir::cleanPath(w.name(folder(), largePicture()));
    const QByteArray previous = previousFile(path);
    EXPECT_EQ(w.write(folder(), largePicture()), QString());
    const QImage written(path);
    EXPECT_EQ(written.size(), QSize(240, 200));
    EXPECT_NE(readAll(path), previous);
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_P(CompleteWrites, AFullDiskHalfWayLeavesThePreviousFile)
{
    const Writer& w = GetParam();
    const QString path = QDir::cleanPath(w.name(folder(), largePicture()));
    const QByteArray previous = previousFile(path);
    QString error;
    {
        ScopedWriteFault full({.bytesBeforeError = 10000});
        error = w.write(folder(), largePicture());
    }
    expectNothingChanged(error, path, previous, "No space left on device");
}

TEST_P(CompleteWrites, AFolderWithoutRightsLeavesThePreviousFile)
{
    const Writer& w = GetParam();
    const QString path = QDir::cleanPath(w.name(folder(), largePicture()));
    const QByteArray previous = previousFile(path);
    QString error;
    if (geteuid() != 0) {
        ASSERT_EQ(::chmod(QFile::encodeName(folder()).constData(), 0555), 0);
        error = w.write(folder(), largePicture());
        ::chmod(QFile::encodeName(folder()).constData(), 0755);
    } else {
        // Rights are not checked for root: the seam fails as the system would.
        ScopedWriteFault noRights({.createError = EACCES});
        error = w.write(folder(), largePicture());
    }
    expectNothingChanged(error, path, previous, "Permission denied");
}

TEST_P(CompleteWrites, AMissingFolderGivesTheMessageAndNoFile)
{
    const Writer& w = GetParam();
    const QString path = QDir::cleanPath(w.name(folder(), largePicture()));
    ASSERT_TRUE(QDir(folder()).removeRecursively());
    const QString error = w.write(folder(), largePicture());
    EXPECT_EQ(error, QStringLiteral("Cannot create file \"%1\". No such file or directory").arg(path));
    EXPECT_FALSE(QDir(folder()).exists());
}

// A real file system of 16 KB, mounted in a mount namespace of this test
// process's own main thread (so it cannot outlive the test); only where the
// test may mount one, that is as root.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const QString& at) : at_(QFile::encodeName(at))
    {
        static const bool ownNamespace = geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0
            && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        mounted_ = ownNamespace && ::mount("tmpfs", at_.constData(), "tmpfs", 0, "size=16k") == 0;
    }
    ~SmallFileSystem()
    {
        if (mounted_)
            ::umount2(at_.constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

private:
    QByteArray at_;
    bool mounted_ = false;
};

TEST_P(CompleteWrites, ARealFullDiskLeavesThePreviousFile)
{
    const Writer& w = GetParam();
    SmallFileSystem small(folder());
    if (!small.mounted())
        GTEST_SKIP() << "no file system can be mounted here (" << std::strerror(errno)
                     << "); the seam above stands in for it";
    const QString path = QDir::cleanPath(w.name(folder(), largePicture()));
    const QByteArray previous = previousFile(path);
    const QString error = w.write(folder(), largePicture());
    expectNothingChanged(error, path, previous, "No space left on device");
}

INSTANTIATE_TEST_SUITE_P(Writers, CompleteWrites, ::testing::ValuesIn(kWriters),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(AtomicFileWriter, WithoutCommitLeavesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("never.bin"));
    {
        AtomicFileWriter writer(path);
        ASSERT_TRUE(writer.open());
        ASSERT_TRUE(writer.write(QByteArray(5000, 'x')));
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(AtomicFileWriter, KeepsThePermissionsOfTheFileItReplaces)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shared.bmp"));
    ASSERT_TRUE(WriteFileAtomically(path, "old", nullptr));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(path, "new", nullptr));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(readAll(path), QByteArray("new"));
}

TEST(AtomicFileWriter, ASymbolicLinkStaysAndItsTargetIsReplaced)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("real.bmp"));
    const QString link = dir.filePath(QStringLiteral("link.bmp"));
    ASSERT_TRUE(WriteFileAtomically(target, "old", nullptr));
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(WriteFileAtomically(link, "new", nullptr));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readAll(target), QByteArray("new"));
}

} // namespace
} // namespace vestrel
