// SPDX-License-Identifier: MIT
#include "app/legend_window.h"
#include "app/picture_box.h"
#include "tests/aux_windows/program_folder.h"

#include <QApplication>
#include <QGroupBox>
#include <QTest>

namespace vestrel {
namespace {

using testing::BoundsOfColour;
using testing::ProgramFolder;

const QString LegendFile = QStringLiteral("Data/Legend/Atoms.jpg");

TEST(LegendWindow, IsAFixedSizeToolWindowWithoutCaptionThatStaysOnTop)
{
    ProgramFolder folder;
    LegendWindow form(folder.path());
    EXPECT_EQ(form.objectName(), "Form2");
    EXPECT_TRUE(form.windowTitle().isEmpty());
    EXPECT_EQ(form.windowType(), Qt::Tool);
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(form.size(), QSize(152, 456));
    EXPECT_EQ(form.minimumSize(), QSize(152, 456));
    EXPECT_EQ(form.maximumSize(), QSize(152, 456));
}

TEST(LegendWindow, HoldsThePictureInTheGroupBox)
{
    ProgramFolder folder;
    LegendWindow form(folder.path());
    EXPECT_EQ(form.group()->title(), QString::fromUtf8("Обозначения атомов :"));
    EXPECT_EQ(form.picture()->parentWidget(), form.group());
    EXPECT_EQ(form.picture()->size(), QSize(145, 437));
    // The picture lies wholly inside the window's client area.
    const QRect inWindow(form.picture()->mapTo(&form, QPoint(0, 0)), form.picture()->size());
    EXPECT_TRUE(form.rect().contains(inWindow));
}

TEST(LegendWindow, ShowsTheAtomsPicture)
{
    ProgramFolder folder;
    const QColor colour(200, 40, 40);
    folder.writePicture(LegendFile, QSize(145, 437), colour);
    LegendWindow form(folder.path());
    ASSERT_FALSE(form.picture()->isEmpty()) << form.loadError().toStdString();
    EXPECT_EQ(form.picture()->picture().size(), QSize(145, 437));

    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QImage screen = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect drawn = BoundsOfColour(screen, colour);
    EXPECT_EQ(drawn.size(), QSize(145, 437));
}

TEST(LegendWindow, WithoutThePictureTheBoxStaysEmptyAndEveryShowingSaysWhy)
{
    ProgramFolder folder;
    LegendWindow form(folder.path());
    QStringList messages;
    form.showMessageBox = [&](const QString& text) { messages << text; };
    EXPECT_TRUE(form.picture()->isEmpty());
    EXPECT_TRUE(messages.isEmpty()) << "nothing is said before the window is shown";
    form.presentBeside(800);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.presentBeside(800);
    const QString expected = QStringLiteral("Cannot open file \"%1\". No such file or directory")
                                 .arg(folder.file(LegendFile));
    EXPECT_EQ(messages, QStringList({expected, expected}));
}

TEST(LegendWindow, EveryClickPutsItBackAtTheFixedPlace)
{
    ProgramFolder folder;
    LegendWindow form(folder.path());
    form.showMessageBox = [](const QString&) {};
    form.presentBeside(751);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.pos(), QPoint(601, 70));
    EXPECT_TRUE(form.isVisible());

    form.move(15, 300); // the user drags it away
    QApplication::processEvents();
    form.presentBeside(751);
    QApplication::processEvents();
    EXPECT_EQ(form.pos(), QPoint(601, 70));

    form.hide();
    form.presentBeside(1001);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.pos(), QPoint(851, 70));
}

} // namespace
} // namespace vestrel
