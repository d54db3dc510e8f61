// SPDX-License-Identifier: MIT
// Saving pictures of other sizes than the panel's: the size asked after the
// file name, the picture drawn for it, PNG, and sizes that cannot be saved.
#include "logic/picture_commands.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>

namespace vestrel {
namespace {

const QSize Panel(40, 30);

struct SizeUi : PictureUi {
    std::deque<std::optional<SaveChoice>> names;
    std::deque<std::optional<QSize>> sizes;
    QList<QSize> sizeDialogsOpenedOn;
    QStringList errors;

    std::optional<SaveChoice> askSaveFileName(const SaveChoice&) override
    {
        auto answer = names.front();
        names.pop_front();
        return answer;
    }
    std::optional<QSize> askPictureSize(const QSize& panel) override
    {
        sizeDialogsOpenedOn << panel;
        auto answer = sizes.front();
        sizes.pop_front();
        return answer;
    }
    Answer ask(const Question&) override { return Answer::Yes; }
    void message(const QString&) override {}
    void error(const QString& text) override { errors << text; }
};

QImage filled(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class PictureSizes : public ::testing::Test {
protected:
    PictureSizes()
        : commands(ui, programDir.path(), [] { return filled(Panel, qRgb(10, 20, 30)); }, [] { return QImage(); })
    {
        commands.setPictureRenderer([this](QSize size) {
            drawnSizes << size;
            return filled(size, qRgb(200, 100, 50));
        });
    }

    QString inTarget(const QString& name) const { return target.filePath(name); }
    QStringList written() const { return QDir(target.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir programDir;
    QTemporaryDir target;
    SizeUi ui;
    PictureCommands commands;
    QList<QSize> drawnSizes;
};

TEST_F(PictureSizes, PanelSizeSavesThePanelsPictureAsBefore)
{
    ui.names.push_back(SaveChoice{inTarget("view"), 4});
    ui.sizes.push_back(Panel);
    ASSERT_EQ(commands.saveAs(), PictureCommands::SaveResult::Written);
    EXPECT_EQ(ui.sizeDialogsOpenedOn, QList<QSize>{Panel});
    EXPECT_TRUE(drawnSizes.isEmpty());
    QImageReader reader(inTarget("view.png"));
    EXPECT_EQ(reader.format(), "png");
    const QImage image = reader.read();
    ASSERT_EQ(image.size(), Panel);
    EXPECT_EQ(image.pixel(3, 3) & 0xffffff, 0x0a141eu);
}

TEST_F(PictureSizes, OtherSizesAreDrawnAndWrittenInEveryFormat)
{
    const struct {
        int filter;
        const char* file;
        QSize size;
    } cases[] = {{1, "a.jpg", {80, 60}}, {2, "b.jpeg", {160, 120}}, {3, "c.bmp", {77, 13}}, {4, "d.png", {8192, 1}}};
    for (const auto& c : cases) {
        ui.names.push_back(SaveChoice{inTarget(QString::fromLatin1(c.file).section('.', 0, 0)), c.filter});
        ui.sizes.push_back(c.size);
        ASSERT_EQ(commands.saveAs(), PictureCommands::SaveResult::Written) << c.file;
        QImageReader reader(inTarget(QString::fromLatin1(c.file)));
        const QImage image = reader.read();
        ASSERT_EQ(image.size(), c.size) << c.file << ": " << reader.errorString().toStdString();
        const QColor pixel = image.pixelColor(c.size.width() / 2, c.size.height() / 2);
        EXPECT_NEAR(pixel.red(), 200, 6) << c.file;
        EXPECT_NEAR(pixel.green(), 100, 6) << c.file;
        EXPECT_NEAR(pixel.blue(), 50, 6) << c.file;
    }
    EXPECT_EQ(drawnSizes.size(), 4);
    EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join(' ').toStdString();
}

TEST_F(PictureSizes, SizesOutOfRangeGiveAMessageAndWriteNothing)
{
    const QSize bad[] = {{0, 30}, {40, 0}, {-5, 30}, {40, -1}, {8193, 30}, {40, 9000}, {0, 0}};
    for (const QSize& size : bad) {
        ui.errors.clear();
        ui.names.push_back(SaveChoice{inTarget("bad"), 4});
        ui.sizes.push_back(size);
        EXPECT_EQ(commands.saveAs(), PictureCommands::SaveResult::Failed);
        EXPECT_EQ(ui.errors, QStringList{BadPictureSizeMessage()}) << size.width() << " x " << size.height();
    }
    EXPECT_TRUE(drawnSizes.isEmpty());
    EXPECT_TRUE(written().isEmpty()) << written().join(' ').toStdString();
    EXPECT_TRUE(BadPictureSizeMessage().contains(QStringLiteral("8192")));
}

TEST_F(PictureSizes, CancelledSizeDialogWritesNothing)
{
    ui.names.push_back(SaveChoice{inTarget("view"), 4});
    ui.sizes.push_back(std::nullopt);
    EXPECT_EQ(commands.saveAs(), PictureCommands::SaveResult::Cancelled);
    EXPECT_TRUE(written().isEmpty());
    EXPECT_TRUE(ui.errors.isEmpty());
}

TEST_F(PictureSizes, APictureThatCannotBeDrawnGivesAMessage)
{
    commands.setPictureRenderer([](QSize) { return QImage(); });
    ui.names.push_back(SaveChoice{inTarget("view"), 4});
    ui.sizes.push_back(QSize(400, 300));
    EXPECT_EQ(commands.saveAs(), PictureCommands::SaveResult::Failed);
    EXPECT_EQ(ui.errors, QStringList{PictureNotDrawnMessage()});
    EXPECT_TRUE(written().isEmpty());
}

TEST_F(PictureSizes, AnUnwritableFolderGivesTheMessageAndLeavesNoFile)
{
    for (int filter = 1; filter <= 4; ++filter) {
        ui.errors.clear();
        ui.names.push_back(SaveChoice{inTarget("no such folder/view"), filter});
        ui.sizes.push_back(QSize(80, 60));
        EXPECT_EQ(commands.saveAs(), PictureCommands::SaveResult::Failed) << "entry " << filter;
        ASSERT_EQ(ui.errors.size(), 1);
        EXPECT_TRUE(ui.errors[0].startsWith(QStringLiteral("Cannot create file \"%1").arg(inTarget("no such folder/view"))))
            << ui.errors[0].toStdString();
    }
    EXPECT_TRUE(written().isEmpty());
    EXPECT_TRUE(QDir(target.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

} // namespace
} // namespace vestrel
