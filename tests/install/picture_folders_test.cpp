// SPDX-License-Identifier: MIT
// Where screenshots and saved pictures go: beside the program when it runs
// from its own folder, in "Вестрел" in the user's pictures folder when it is
// installed or its folder cannot be written.
#include "app/calculator_window.h"
#include "app/qt_picture_ui.h"
#include "logic/picture_commands.h"
#include "logic/picture_folders.h"
#include "logic/pictures/picture_files.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace vestrel;

namespace {

const QDateTime When(QDate(2026, 12, 6), QTime(21, 5, 33));
const QLocale Russian(QLocale::Russian, QLocale::Russia);

struct RecordingUi : PictureUi {
    QList<SaveChoice> dialogsOpenedOn;
    QStringList dialogFolders;
    QStringList messages, errors, statusLines;
    std::optional<SaveChoice> askSaveFileName(const SaveChoice& current) override
    {
        return askSaveFileNameIn(current, QString());
    }
    std::optional<SaveChoice> askSaveFileNameIn(const SaveChoice& current, const QString& folder) override
    {
        dialogsOpenedOn << current;
        dialogFolders << folder;
        return std::nullopt;
    }
    Answer ask(const Question&) override { return Answer::No; }
    void message(const QString& text) override { messages << text; }
    void error(const QString& text) override { errors << text; }
    void status(const QString& text) override { statusLines << text; }
};

QImage windowPicture()
{
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(qRgb(10, 120, 200));
    return image;
}

class PictureFoldersTest : public ::testing::Test {
protected:
    PictureFoldersTest()
    {
        QDir(program.path()).mkdir(QStringLiteral("Screenshots"));
        QDir(home.path()).mkdir(QStringLiteral("Pictures"));
    }
    QString pictures() const { return home.filePath(QStringLiteral("Pictures")); }
    QString ours() const { return QDir(pictures()).filePath(QStringLiteral("Вестрел")); }
    PictureFolders folders(bool installed, bool writable) const
    {
        PictureFolders f(program.path(), installed);
        f.setPicturesLocation(pictures());
        f.setWritableCheck([writable](const QString&) { return writable; });
        return f;
    }
    QStringList filesIn(const QString& folder) const { return QDir(folder).entryList(QDir::Files); }

    QTemporaryDir program;
    QTemporaryDir home;
};

} // namespace

TEST_F(PictureFoldersTest, FromItsOwnWritableFolderScreenshotsStayBesideTheProgram)
{
    const PictureFolders f = folders(false, true);
    EXPECT_FALSE(f.usePicturesFolder());
    const ScreenshotTarget target = f.screenshotTarget(QStringLiteral("Structure"), When, Russian);
    EXPECT_FALSE(target.inPictures);
    EXPECT_EQ(target.path, ScreenshotFileName(program.path(), QStringLiteral("Structure"), When, Russian));
    EXPECT_TRUE(f.saveDialogStart().isEmpty());
    EXPECT_FALSE(QDir(ours()).exists());
}

TEST_F(PictureFoldersTest, InstalledOrUnwritableScreenshotsGoToThePicturesFolder)
{
    for (const auto& [installed, writable] : {std::pair{true, true}, std::pair{false, false}, std::pair{true, false}}) {
        SCOPED_TRACE(QStringLiteral("installed %1, writable %2").arg(installed).arg(writable).toStdString());
        QDir(ours()).removeRecursively();
        const PictureFolders f = folders(installed, writable);
        EXPECT_TRUE(f.usePicturesFolder());
        EXPECT_EQ(f.saveDialogStart(), pictures()); // "Вестрел" is not there yet
        const ScreenshotTarget target = f.screenshotTarget(QStringLiteral("Calc"), When, Russian);
        EXPECT_TRUE(target.inPictures);
        EXPECT_EQ(target.folder, ours());
        EXPECT_EQ(target.path, QDir(ours()).filePath(QStringLiteral("Calc06.12.2026_21.05.33.bmp")));
        EXPECT_TRUE(QDir(ours()).exists()) << "created when missing";
        EXPECT_EQ(f.saveDialogStart(), ours());
    }
}

// The writability check asks the file system, so it agrees with the kernel
// for any user: a folder made read-only stops everybody but root, and /proc
// stops root too.
TEST_F(PictureFoldersTest, WritableCheckAgreesWithTheFileSystem)
{
    EXPECT_TRUE(CanCreateFilesIn(program.path()));
    EXPECT_TRUE(filesIn(program.path()).isEmpty()) << "the probe file is removed";
    const QString locked = program.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(locked));
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0555), 0);
    const bool kernelLetsUsWrite = ::access(QFile::encodeName(locked).constData(), W_OK) == 0;
    EXPECT_EQ(CanCreateFilesIn(locked), kernelLetsUsWrite);
    ::chmod(QFile::encodeName(locked).constData(), 0755);
    EXPECT_FALSE(CanCreateFilesIn(QStringLiteral("/proc")));
    EXPECT_FALSE(CanCreateFilesIn(program.filePath(QStringLiteral("missing"))));
}

// A program folder on which nobody can write, with the real check: /proc
// stands for it, since the tests run as root.
TEST_F(PictureFoldersTest, AFolderNobodyCanWriteSendsScreenshotsToPictures)
{
    PictureFolders f(QStringLiteral("/proc"), false);
    f.setPicturesLocation(pictures());
    EXPECT_TRUE(f.usePicturesFolder());
    EXPECT_TRUE(f.screenshotTarget(QStringLiteral("Structure"), When, Russian).inPictures);
}

TEST_F(PictureFoldersTest, ScreenshotInPicturesSaysWhereTheFileWent)
{
    RecordingUi ui;
    PictureCommands commands(ui, program.path(), [] { return QImage(); }, windowPicture);
    commands.setClock([] { return When; });
    commands.setLocale(Russian);
    commands.setFolders(folders(false, false));
    ASSERT_TRUE(commands.screenshot());
    const QString file = QDir(ours()).filePath(QStringLiteral("Structure06.12.2026_21.05.33.bmp"));
    EXPECT_EQ(QImage(file).size(), QSize(60, 40));
    EXPECT_TRUE(filesIn(program.filePath(QStringLiteral("Screenshots"))).isEmpty());
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("Скриншот сохранен в  папку %1!").arg(ours())});
    EXPECT_EQ(ui.statusLines, QStringList{QStringLiteral("Скриншот сохранен: %1").arg(file)});
    EXPECT_TRUE(ui.errors.isEmpty());
}

TEST_F(PictureFoldersTest, ScreenshotBesideTheProgramIsReportedAsAlways)
{
    RecordingUi ui;
    PictureCommands commands(ui, program.path(), [] { return QImage(); }, windowPicture);
    commands.setClock([] { return When; });
    commands.setLocale(Russian);
    commands.setFolders(folders(false, true));
    ASSERT_TRUE(commands.screenshot());
    EXPECT_EQ(filesIn(program.filePath(QStringLiteral("Screenshots"))).size(), 1);
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("Скриншот сохранен в  папку Screenshots!")});
    EXPECT_TRUE(ui.statusLines.isEmpty());
}

TEST_F(PictureFoldersTest, SaveDialogStartsInThePicturesFolderWhenInstalled)
{
    QDir().mkpath(ours());
    RecordingUi ui;
    PictureCommands commands(ui, program.path(), [] { return QImage(); }, windowPicture);
    commands.setFolders(folders(true, true));
    commands.saveAs();
    ASSERT_EQ(ui.dialogsOpenedOn.size(), 1);
    EXPECT_EQ(ui.dialogFolders[0], ours());
    EXPECT_TRUE(ui.dialogsOpenedOn[0].fileName.isEmpty());

    // A folder kept from an earlier run comes first.
    commands.setSaveDialogStart(home.path(), 3);
    commands.saveAs();
    EXPECT_EQ(ui.dialogFolders[1], home.path());
    EXPECT_EQ(ui.dialogsOpenedOn[1].filterIndex, 3);
}

TEST_F(PictureFoldersTest, CalculatorScreenshotGoesToPicturesToo)
{
    RecordingUi ui;
    CalculatorWindow calculator;
    calculator.setPictureFolders(folders(true, true));
    calculator.setMessageUi(&ui);
    calculator.show();
    calculator.takeScreenshot();
    ASSERT_TRUE(ui.errors.isEmpty()) << ui.errors.join(' ').toStdString();
    const QStringList shots = filesIn(ours());
    ASSERT_EQ(shots.size(), 1);
    EXPECT_TRUE(shots[0].startsWith(QStringLiteral("Calc")));
    EXPECT_EQ(ui.statusLines, QStringList{QStringLiteral("Скриншот сохранен: %1").arg(QDir(ours()).filePath(shots[0]))});
}

// The status line stays when hints come and go in the same status bar.
TEST(PictureStatusLine, StaysBesideTheHints)
{
    QMainWindow window;
    window.statusBar(); // as the program's windows have one from the start
    QtPictureUi ui(&window);
    window.show();
    ui.status(QStringLiteral("Скриншот сохранен: /tmp/x.bmp"));
    window.statusBar()->showMessage(QStringLiteral("Окно построения объектов"));
    window.statusBar()->clearMessage();
    const auto* label = window.statusBar()->findChild<QLabel*>(QStringLiteral("savedPictureLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Скриншот сохранен: /tmp/x.bmp"));
    EXPECT_TRUE(label->isVisible());
}
