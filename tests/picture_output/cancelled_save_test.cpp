// SPDX-License-Identifier: MIT
// A save of an 8192 x 8192 picture cancelled half-way, while its tiles are
// drawn or while the file is written, in each format: no file is left
// beside the old one, which stays as it was, and no error is shown.
#include "logic/picture_commands.h"
#include "logic/pictures/file_io.h"
#include "logic/pictures/picture_files.h"
#include "tools/render/offscreen_renderer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

namespace vestrel {
namespace {

class LargeSaveUi final : public PictureUi {
public:
    explicit LargeSaveUi(QString path, int filter) : path_(std::move(path)), filter_(filter) {}
    void message(const QString&) override {}
    void error(const QString& text) override { errors.push_back(text); }
    std::optional<SaveChoice> askSaveFileName(const SaveChoice&) override { return SaveChoice{path_, filter_}; }
    Answer ask(const Question&) override { return Answer::No; }
    std::optional<QSize> askPictureSize(const QSize&) override { return QSize(8192, 8192); }
    QStringList errors;

private:
    QString path_;
    int filter_;
};

struct Case {
    int filter;        // of the save dialog: 1 JPEG, 3 BMP, 4 PNG
    double cancelAt;   // the part of the whole save at which "Отмена" is pressed
};

QByteArray contentsOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(CancelledSave, LeavesTheOldFileAndNothingElse)
{
    OffscreenRenderer renderer(QSize(8192, 8192));
    ASSERT_TRUE(renderer.isValid());
    FrameInputs inputs;
    inputs.scenes[index(SceneId::Cube)] = true;
    // Writing takes the part after 0.6: 0.8 is half-way through it (PNG
    // says bytes only, so any report after the drawing stops it).
    for (const Case c : {Case{3, 0.3}, Case{3, 0.8}, Case{1, 0.3}, Case{1, 0.8}, Case{4, 0.8}}) {
        SCOPED_TRACE(testing::Message() << "filter " << c.filter << " at " << c.cancelAt);
        QTemporaryDir dir;
        const QString path = AppendFilterExtension(dir.filePath("picture"), c.filter);
        ASSERT_TRUE(WriteFileAtomically(path, "the old picture", nullptr));
        LargeSaveUi ui(path, c.filter);
        PictureCommands commands(ui, dir.path(), [] { return QImage(900, 750, QImage::Format_RGB32); },
                                 [] { return QImage(); });
        int tilesDrawn = 0;
        commands.setPictureRenderer([&](QSize size, const WriteProgress& progress) {
            EXPECT_EQ(size, QSize(8192, 8192));
            ViewState view;
            const bool drawn = renderer.drawFrame(inputs, view, [&](int done, int total) {
                tilesDrawn = done;
                return progress(static_cast<double>(done) / total);
            });
            return drawn ? renderer.image() : QImage();
        });
        double last = 0;
        bool ended = false;
        commands.setProgress(
            [&](double f) {
                if (f >= 0)
                    last = f;
                return f < 0 ? last < 0.6 : f < c.cancelAt;
            },
            [&] { ended = true; });
        EXPECT_EQ(commands.saveAs(), PictureCommands::SaveResult::Cancelled);
        EXPECT_TRUE(ended);
        EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join(' ').toStdString();
        if (c.cancelAt < 0.6)
            EXPECT_LT(tilesDrawn, 4); // 4 tiles of 4096 x 4096 make the picture
        else
            EXPECT_EQ(tilesDrawn, 4);
        EXPECT_EQ(contentsOf(path), "the old picture");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
            << QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString();
    }
}

} // namespace
} // namespace vestrel
