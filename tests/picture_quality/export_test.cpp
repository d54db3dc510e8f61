// SPDX-License-Identifier: MIT
// "Сохранить построение как..." at other sizes through the real main window:
// 2x and 4x pictures have exactly that many device pixels and, scaled back
// down, show what the panel shows; 8192 x 8192 is written; the rendering
// tool draws large and smooth pictures through the same path.
#include "tests/support/main_window_controls.h"
#include "app/application.h"
#include "app/gl_panel.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "logic/picture_commands.h"
#include "logic/pictures/jpeg_codec.h"
#include "tests/picture_quality/frame_pictures.h"
#include "tests/support/render_tool.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>

namespace vestrel::test {
namespace {

struct ExportUi : PictureUi {
    std::deque<SaveChoice> names;
    std::deque<QSize> sizes;
    QStringList errors;

    std::optional<SaveChoice> askSaveFileName(const SaveChoice&) override
    {
        const SaveChoice c = names.front();
        names.pop_front();
        return c;
    }
    std::optional<QSize> askPictureSize(const QSize&) override
    {
        const QSize s = sizes.front();
        sizes.pop_front();
        return s;
    }
    Answer ask(const Question&) override { return Answer::No; }
    void message(const QString&) override {}
    void error(const QString& text) override { errors << text; }
};

class MainWindowExport : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QImageReader::setAllocationLimit(1024); // megabytes: an 8192 x 8192 picture is 256
        PrepareApplication();
        app = new Application(QStringLiteral(VESTREL_PROGRAM_DIR));
        MainWindow& w = app->mainWindow();
        w.resize(1400, 1000);
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        Controls(w).structureList->setCurrentIndex(1); // rock salt
        emit Controls(w).structureList->activated(1);
        w.build();
        QTest::qWait(300);
    }
    static void TearDownTestSuite()
    {
        delete app;
        app = nullptr;
    }
    void SetUp() override { app->mainWindow().setPictureUi(ui); }

    // Saves through the main window's command and reads the file back.
    QImage save(int filter, const QString& name, QSize size)
    {
        ui.names.push_back(SaveChoice{dir.filePath(name), filter});
        ui.sizes.push_back(size);
        EXPECT_EQ(app->mainWindow().pictures().saveAs(), PictureCommands::SaveResult::Written)
            << ui.errors.join(' ').toStdString();
        QImageReader reader(dir.filePath(name));
        const QImage image = reader.read();
        EXPECT_FALSE(image.isNull()) << name.toStdString() << ": " << reader.errorString().toStdString();
        return image.convertToFormat(QImage::Format_RGB32);
    }

    static Application* app;
    ExportUi ui;
    QTemporaryDir dir;
};

Application* MainWindowExport::app = nullptr;

TEST_F(MainWindowExport, TwiceAndFourTimesThePanelShowTheSameView)
{
    GlPanel* panel = Controls(app->mainWindow()).glPanel;
    const QSize device = panel->deviceSize();
    // 4x is more than one tile wide: the tiles must join up.
    ASSERT_GT(device.width() * 4, 4096);
    const QImage window = panel->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    const struct {
        int scale;
        int filter;
        const char* name;
        double tolerance;
    } cases[] = {{2, 4, "twice.png", 3.0}, {4, 1, "four.jpg", 4.0}, {2, 3, "twice.bmp", 3.0}};
    for (const auto& c : cases) {
        const QImage picture = save(c.filter, QString::fromLatin1(c.name), device * c.scale);
        ASSERT_EQ(picture.size(), device * c.scale) << c.name;
        const QImage down = picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(MeanDifference(down, window), c.tolerance) << c.name;
        // The atoms, red and blue, are there at the larger size too.
        EXPECT_GT(CountPixels(picture, ScreenColour({1, 0, 0}), 60) + CountPixels(picture, ScreenColour({0, 0, 1}), 60),
                  1000 * c.scale * c.scale)
            << c.name;
    }
    // The JPEG file decodes with the program's own libjpeg reader as well.
    QString error;
    EXPECT_EQ(LoadJpeg(dir.filePath(QStringLiteral("four.jpg")), &error).size(), device * 4) << error.toStdString();
}

TEST_F(MainWindowExport, ShadedAndSmoothOptionsReachTheSavedPicture)
{
    SettingsWindow& settings = app->settings();
    GlPanel* panel = Controls(app->mainWindow()).glPanel;
    settings.shadedCheck->setChecked(true);
    if (settings.smoothCheck->isEnabled())
        settings.smoothCheck->setChecked(true);
    QTest::qWait(200);
    const QSize device = panel->deviceSize();
    const QImage window = panel->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    const QImage picture = save(4, QStringLiteral("shaded.png"), device * 2);
    settings.shadedCheck->setChecked(false);
    settings.smoothCheck->setChecked(false);
    QTest::qWait(200);
    const QImage flatWindow = panel->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.size(), device * 2);
    const QImage down = picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(MeanDifference(down, window), 3.0);
    EXPECT_GT(MeanDifference(window, flatWindow), 1.0) << "the shaded panel differs from the flat one";
}

// The colour that covers most of the picture after black.
QRgb commonestColour(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) != 0)
                ++counts[image.pixel(x, y)];
    QRgb best = 0;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it.value() > counts.value(best))
            best = it.key();
    return best;
}

TEST_F(MainWindowExport, TheLargestPictureIsWritten)
{
    const QImage window = Controls(app->mainWindow()).glPanel->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    const QRgb atoms = commonestColour(window);
    ASSERT_GT(CountPixels(window, atoms, 0), 1000);
    const QImage picture = save(4, QStringLiteral("largest.png"), QSize(8192, 8192));
    ASSERT_EQ(picture.size(), QSize(8192, 8192));
    // The balls of the panel's commonest colour cover tens of times the area.
    EXPECT_GT(CountPixels(picture, atoms, 0), 20 * CountPixels(window, atoms, 0));
}

TEST(RenderingTool, DrawsLargePicturesInTilesThatJoinUp)
{
    QImageReader::setAllocationLimit(1024);
    const QStringList scene{"--scene", "structure:1", "--shaded", "on"};
    const QImage small = RenderWithTool(QStringList(scene) << "--size" << "1024x1024");
    const QImage large = RenderWithTool(QStringList(scene) << "--size" << "8192x8192");
    ASSERT_EQ(large.size(), QSize(8192, 8192));
    ASSERT_EQ(small.size(), QSize(1024, 1024));
    const QImage down = large.scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_RGB32);
    EXPECT_LT(MeanDifference(down, small.convertToFormat(QImage::Format_RGB32)), 3.0);
}

TEST(RenderingTool, ShadedAndSmoothAreOptions)
{
    const QStringList axes{"--axes", "ox,oy", "--scene", "structure:1", "--size", "300x250"};
    const QImage plain = RenderWithTool(axes);
    const QImage off = RenderWithTool(QStringList(axes) << "--shaded" << "off" << "--smooth" << "off");
    const QImage shaded = RenderWithTool(QStringList(axes) << "--shaded" << "on");
    const QImage smooth = RenderWithTool(QStringList(axes) << "--smooth" << "on");
    ASSERT_FALSE(plain.isNull() || off.isNull() || shaded.isNull() || smooth.isNull());
    EXPECT_TRUE(plain == off);
    EXPECT_GT(MeanDifference(plain.convertToFormat(QImage::Format_RGB32), shaded.convertToFormat(QImage::Format_RGB32)), 1.0);
    EXPECT_FALSE(plain == smooth);

    for (const QStringList& bad : {QStringList{"--shaded", "yes"}, QStringList{"--smooth", "1"},
                                   QStringList{"--size", "8193x100"}, QStringList{"--size", "0x100"}}) {
        QProcess tool;
        tool.start(QStringLiteral(VESTREL_RENDER_TOOL), QStringList(bad) << "--out" << "/dev/null");
        ASSERT_TRUE(tool.waitForFinished(60000));
        EXPECT_EQ(tool.exitCode(), 2) << bad.join(' ').toStdString();
    }
}

} // namespace
} // namespace vestrel::test
