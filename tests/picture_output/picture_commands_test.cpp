// SPDX-License-Identifier: MIT
// The main window's picture commands driven through a fake dialog and fake
// message boxes: save as, screenshot and the save prompt on closing.
#include "logic/picture_commands.h"

#include "logic/pictures/jpeg_codec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>

namespace vestrel {
namespace {

// Answers the dialogs from queues and records everything it was shown.
struct FakePictureUi : PictureUi {
    std::deque<std::optional<SaveChoice>> dialogAnswers;
    std::deque<Answer> questionAnswers;
    QList<SaveChoice> dialogsOpenedOn;
    QList<Question> questions;
    QStringList messages;
    QStringList errors;
    QStringList events; // the order of captures and dialogs

    std::optional<SaveChoice> askSaveFileName(const SaveChoice& current) override
    {
        events << QStringLiteral("dialog");
        dialogsOpenedOn << current;
        auto answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        return answer;
    }
    Answer ask(const Question& question) override
    {
        questions << question;
        const Answer a = questionAnswers.front();
        questionAnswers.pop_front();
        return a;
    }
    void message(const QString& text) override { messages << text; }
    void error(const QString& text) override { errors << text; }
};

QImage panelPicture()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(qRgb(20, 180, 60));
    return image;
}

QImage windowPicture()
{
    QImage image(50, 70, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 200));
    return image;
}

quint16 bitsPerPixel(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(30);
    if (header.size() < 30 || !header.startsWith("BM"))
        return 0;
    return static_cast<quint16>(static_cast<quint8>(header[28]) | static_cast<quint8>(header[29]) << 8);
}

class PictureCommandsTest : public ::testing::Test {
protected:
    PictureCommandsTest()
        : commands(ui, programDir.path(),
                   [this] {
                       ui.events << QStringLiteral("panel");
                       return panelPicture();
                   },
                   [this] {
                       ui.events << QStringLiteral("window");
                       return windowPicture();
                   })
    {
        commands.setClock([] { return QDateTime(QDate(2026, 12, 6), QTime(21, 5, 33)); });
        commands.setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    }

    QString inTarget(const QString& name) const { return targetDir.filePath(name); }
    void makeScreenshotsFolder() { ASSERT_TRUE(QDir(programDir.path()).mkdir(QStringLiteral("Screenshots"))); }

    QTemporaryDir programDir;
    QTemporaryDir targetDir;
    FakePictureUi ui;
    PictureCommands commands;
};

TEST_F(PictureCommandsTest, DialogStartsOnTheFirstEntryWithNoName)
{
    EXPECT_EQ(commands.lastSaveChoice().filterIndex, 1);
    EXPECT_TRUE(commands.lastSaveChoice().fileName.isEmpty());
}

TEST_F(PictureCommandsTest, SaveAsBitmapWritesA24BitFileOfThePanel)
{
    ui.dialogAnswers.push_back(SaveChoice{inTarget("view"), 3});
    EXPECT_EQ(commands.saveAs(), PictureCommands::SaveResult::Written);
    const QString written = inTarget("view.bmp");
    EXPECT_EQ(bitsPerPixel(written), 24);
    const QImage loaded(written);
    ASSERT_EQ(loaded.size(), QSize(40, 30));
    EXPECT_EQ(loaded.pixel(5, 5) & 0xffffff, panelPicture().pixel(5, 5) & 0xffffff);
    EXPECT_FALSE(QFile::exists(inTarget("view")));
    EXPECT_TRUE(ui.messages.isEmpty() && ui.errors.isEmpty());
    // The panel is taken before the dialog opens over it.
    EXPECT_EQ(ui.events, (QStringList{"panel", "dialog"}));
}

TEST_F(PictureCommandsTest, SaveAsJpegWritesRealJpegFiles)
{
    ui.dialogAnswers.push_back(SaveChoice{inTarget("first"), 1});
    ui.dialogAnswers.push_back(SaveChoice{inTarget("second"), 2});
    ASSERT_EQ(commands.saveAs(), PictureCommands::SaveResult::Written);
    ASSERT_EQ(commands.saveAs(), PictureCommands::SaveResult::Written);
    for (const QString& name : {QStringLiteral("first.jpg"), QStringLiteral("second.jpeg")}) {
        QString error;
        const QImage decoded = LoadJpeg(inTarget(name), &error);
        ASSERT_EQ(decoded.size(), QSize(40, 30)) << name.toStdString() << ": " << error.toStdString();
        const QColor centre = decoded.pixelColor(20, 15);
        EXPECT_NEAR(centre.red(), 20, 8);
        EXPECT_NEAR(centre.green(), 180, 8);
        EXPECT_NEAR(centre.blue(), 60, 8);
    }
}

TEST_F(PictureCommandsTest, NameEndingInTheEntrysExtensionKeepsIt)
{
    ui.dialogAnswers.push_back(SaveChoice{inTarget("picture.bmp"), 3});
    ASSERT_EQ(commands.saveAs(), PictureCommands::SaveResult::Written);
    EXPECT_TRUE(QFile::exists(inTarget("picture.bmp")));
    EXPECT_FALSE(QFile::exists(inTarget("picture.bmp.bmp")));
    EXPECT_EQ(bitsPerPixel(inTarget("picture.bmp")), 24);
}

TEST_F(PictureCommandsTest, FirstSaveUsesTheEntryChosenNotTheOneShown)
{
    ui.dialogAnswers.push_back(SaveChoice{inTarget("chosen"), 2});
    ASSERT_EQ(commands.saveAs(), PictureCommands::SaveResult::Written);
    EXPECT_EQ(ui.dialogsOpenedOn[0].filterIndex, 1);
    EXPECT_TRUE(QFile::exists(inTarget("chosen.jpeg")));
    EXPECT_FALSE(QFile::exists(inTarget("chosen.jpg")));
}

TEST_F(PictureCommandsTest, DialogRemembersTheLastEntryAndName)
{
    ui.dialogAnswers.push_back(SaveChoice{inTarget("one"), 3});
    ui.dialogAnswers.push_back(std::nullopt);
    ui.dialogAnswers.push_back(SaveChoice{inTarget("two"), 2});
    commands.saveAs();
    EXPECT_EQ(commands.saveAs(), PictureCommands::SaveResult::Cancelled);
    commands.saveAs();
    ASSERT_EQ(ui.dialogsOpenedOn.size(), 3);
    EXPECT_EQ(ui.dialogsOpenedOn[1].fileName, inTarget("one"));
    EXPECT_EQ(ui.dialogsOpenedOn[1].filterIndex, 3);
    // A cancelled dialog leaves the last choice as it was.
    EXPECT_EQ(ui.dialogsOpenedOn[2].fileName, inTarget("one"));
    EXPECT_EQ(ui.dialogsOpenedOn[2].filterIndex, 3);
    EXPECT_EQ(commands.lastSaveChoice().fileName, inTarget("two"));
    EXPECT_EQ(commands.lastSaveChoice().filterIndex, 2);
}

TEST_F(PictureCommandsTest, CancelledDialogWritesNothing)
{
    ui.dialogAnswers.push_back(std::nullopt);
    EXPECT_EQ(commands.saveAs(), PictureCommands::SaveResult::Cancelled);
    EXPECT_TRUE(QDir(targetDir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(ui.messages.isEmpty() && ui.errors.isEmpty());
}

TEST_F(PictureCommandsTest, UnwritableTargetReportsItsFullPath)
{
    const QString name = inTarget("missing folder/view");
    ui.dialogAnswers.push_back(SaveChoice{name, 1});
    EXPECT_EQ(commands.saveAs(), PictureCommands::SaveResult::Failed);
    ASSERT_EQ(ui.errors.size(), 1);
    EXPECT_TRUE(ui.errors[0].startsWith(QStringLiteral("Cannot create file \"%1.jpg\". ").arg(name)))
        << ui.errors[0].toStdString();
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(PictureCommandsTest, ScreenshotWritesTheWindowUnderADatedName)
{
    makeScreenshotsFolder();
    EXPECT_TRUE(commands.screenshot());
    const QString path = programDir.filePath(QStringLiteral("Screenshots/Structure06.12.2026_21.05.33.bmp"));
    EXPECT_EQ(bitsPerPixel(path), 24);
    const QImage loaded(path);
    ASSERT_EQ(loaded.size(), QSize(50, 70));
    EXPECT_EQ(loaded.pixel(10, 60) & 0xffffff, 0x0000c8u);
    EXPECT_EQ(ui.messages, QStringList{"Скриншот сохранен в  папку Screenshots!"});
    EXPECT_TRUE(ui.errors.isEmpty());
    EXPECT_EQ(ui.events, QStringList{"window"});
}

TEST_F(PictureCommandsTest, ScreenshotWithAUsDateIsWritten)
{
    makeScreenshotsFolder();
    commands.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(commands.screenshot());
    EXPECT_TRUE(QFile::exists(programDir.filePath(QStringLiteral("Screenshots/Structure12.6.26_9.05.33 PM.bmp"))));
    EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join(' ').toStdString();
}

TEST_F(PictureCommandsTest, ScreenshotInTheSameSecondReplacesTheFirst)
{
    makeScreenshotsFolder();
    ASSERT_TRUE(commands.screenshot());
    ASSERT_TRUE(commands.screenshot());
    EXPECT_EQ(QDir(programDir.filePath(QStringLiteral("Screenshots"))).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(ui.messages.size(), 2);
}

TEST_F(PictureCommandsTest, ScreenshotWithoutTheFolderReportsThePathAndNoSuccess)
{
    EXPECT_FALSE(commands.screenshot());
    const QString path = programDir.filePath(QStringLiteral("Screenshots/Structure06.12.2026_21.05.33.bmp"));
    ASSERT_EQ(ui.errors.size(), 1);
    EXPECT_TRUE(ui.errors[0].startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)))
        << ui.errors[0].toStdString();
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_FALSE(QDir(programDir.path()).exists(QStringLiteral("Screenshots")));
}

TEST_F(PictureCommandsTest, ClosePromptAsksWithCancelAsDefault)
{
    ui.questionAnswers.push_back(Answer::Cancel);
    commands.closeQuery();
    ASSERT_EQ(ui.questions.size(), 1);
    const Question& q = ui.questions[0];
    EXPECT_EQ(q.text, QStringLiteral("Сохранить изображение структуры перед выходом?"));
    EXPECT_EQ(q.caption, QStringLiteral("Вестрел"));
    EXPECT_TRUE(q.withCancel);
    EXPECT_EQ(q.icon, QuestionIcon::Information);
    EXPECT_EQ(q.defaultAnswer, Answer::Cancel);
}

TEST_F(PictureCommandsTest, ClosePromptCancelStaysAndNoClosesWithoutSaving)
{
    ui.questionAnswers = {Answer::Cancel, Answer::No};
    EXPECT_FALSE(commands.closeQuery());
    EXPECT_TRUE(commands.closeQuery());
    EXPECT_TRUE(ui.dialogsOpenedOn.isEmpty());
    EXPECT_FALSE(ui.events.contains(QStringLiteral("panel")));
}

TEST_F(PictureCommandsTest, ClosePromptYesSavesThenCloses)
{
    ui.questionAnswers = {Answer::Yes};
    ui.dialogAnswers.push_back(SaveChoice{inTarget("last"), 3});
    EXPECT_TRUE(commands.closeQuery());
    EXPECT_EQ(bitsPerPixel(inTarget("last.bmp")), 24);
}

TEST_F(PictureCommandsTest, ClosePromptYesThenCancelledDialogStillCloses)
{
    ui.questionAnswers = {Answer::Yes};
    ui.dialogAnswers.push_back(std::nullopt);
    EXPECT_TRUE(commands.closeQuery());
}

TEST_F(PictureCommandsTest, ClosePromptYesWithAFailedWriteStaysOpen)
{
    ui.questionAnswers = {Answer::Yes};
    ui.dialogAnswers.push_back(SaveChoice{inTarget("gone/away"), 3});
    EXPECT_FALSE(commands.closeQuery());
    ASSERT_EQ(ui.errors.size(), 1);
    EXPECT_TRUE(ui.errors[0].contains(inTarget("gone/away.bmp")));
}

} // namespace
} // namespace vestrel
