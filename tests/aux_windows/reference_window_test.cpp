// SPDX-License-Identifier: MIT
#include "app/reference_window.h"
#include "app/picture_box.h"
#include "tests/aux_windows/program_folder.h"

#include <QApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

namespace vestrel {
namespace {

using testing::BoundsOfColour;
using testing::Near;
using testing::ProgramFolder;

struct PageFile {
    const char* file;
    QSize size;
    QColor colour;
};

// A picture per page, each of its own colour and size, so a page showing
// another page's picture is noticed.
const PageFile PageFiles[ReferenceWindow::PageCount] = {
    {"Data/Reference/Classes32.jpg", QSize(197, 140), QColor(200, 30, 30)},
    {"Data/Reference/Bravais.jpg", QSize(50, 36), QColor(30, 180, 40)},
    {"Data/Reference/CubicForms.jpg", QSize(123, 95), QColor(40, 60, 210)},
    {"Data/Reference/Packings.jpg", QSize(32, 30), QColor(220, 200, 30)},
    {"Data/Reference/Wulff.jpg", QSize(236, 236), QColor(30, 200, 200)},
};

void WriteAllPages(const ProgramFolder& folder)
{
    for (const PageFile& page : PageFiles)
        folder.writePicture(page.file, page.size, page.colour);
}

QImage ShowPage(ReferenceWindow& form, int page)
{
    form.pages()->setCurrentIndex(page);
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    QApplication::processEvents();
    return form.picture(page)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(ReferenceWindow, HasItsCaptionWithTheDoubleBlank)
{
    ProgramFolder folder;
    ReferenceWindow form(folder.path());
    EXPECT_EQ(form.objectName(), "Form5");
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Краткий  справочник по кристаллографии"));
}

TEST(ReferenceWindow, HasTheFivePagesInOrderAndStartsOnTheFirst)
{
    ProgramFolder folder;
    ReferenceWindow form(folder.path());
    const char* const captions[] = {
        "Распределение 32 видов симметрии по сингониям",
        "Пространственные решетки Браве",
        "Простые формы кубической сингонии",
        "Плотнейшие упаковки",
        "Сетка Вульфа",
    };
    QTabWidget* pages = form.pages();
    ASSERT_EQ(pages->count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(pages->tabText(i), QString::fromUtf8(captions[i])) << "page " << i;
        EXPECT_EQ(pages->widget(i)->objectName(), QStringLiteral("ts%1").arg(i + 1));
    }
    EXPECT_EQ(pages->currentIndex(), 0);
}

TEST(ReferenceWindow, IsAResizableToolWindowThatStaysOnTop)
{
    ProgramFolder folder;
    ReferenceWindow form(folder.path());
    EXPECT_EQ(form.windowType(), Qt::Tool);
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(form.size(), QSize(906, 669));

    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.resize(700, 500);
    EXPECT_EQ(form.size(), QSize(700, 500));
    form.resize(1000, 760);
    EXPECT_EQ(form.size(), QSize(1000, 760));
}

TEST(ReferenceWindow, IsCentredOnTheScreenWhenFirstShownOnly)
{
    ProgramFolder folder;
    ReferenceWindow form(folder.path());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QRect work = form.screen()->availableGeometry();
    const QPoint offCentre = form.frameGeometry().center() - work.center();
    EXPECT_LE(std::abs(offCentre.x()), 1);
    EXPECT_LE(std::abs(offCentre.y()), 1);

    // Where the user put it, it stays the next time it is shown.
    form.move(20, 30);
    form.hide();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.pos(), QPoint(20, 30));
}

TEST(ReferenceWindow, EachPageHoldsItsOwnPicture)
{
    ProgramFolder folder;
    WriteAllPages(folder);
    ReferenceWindow form(folder.path());
    EXPECT_TRUE(form.loadErrors().isEmpty()) << form.loadErrors().join("; ").toStdString();
    for (int i = 0; i < ReferenceWindow::PageCount; ++i) {
        const QImage& shown = form.picture(i)->picture();
        ASSERT_FALSE(shown.isNull()) << PageFiles[i].file;
        EXPECT_EQ(shown.size(), PageFiles[i].size) << PageFiles[i].file;
        const QColor centre = shown.pixelColor(shown.width() / 2, shown.height() / 2);
        EXPECT_TRUE(Near(centre, PageFiles[i].colour)) << PageFiles[i].file;
    }
}

TEST(ReferenceWindow, ASmallPictureIsShownCentredAtItsOwnSize)
{
    ProgramFolder folder;
    WriteAllPages(folder);
    ReferenceWindow form(folder.path());
    const QImage screen = ShowPage(form, 3);
    const QRect drawn = BoundsOfColour(screen, PageFiles[3].colour);
    EXPECT_EQ(drawn.size(), QSize(32, 30));
    EXPECT_LE(std::abs(drawn.center().x() - screen.rect().center().x()), 1);
    EXPECT_LE(std::abs(drawn.center().y() - screen.rect().center().y()), 1);
}

TEST(ReferenceWindow, ALargePictureIsScaledDownKeepingItsProportions)
{
    ProgramFolder folder;
    WriteAllPages(folder);
    const QColor wide(190, 40, 190);
    folder.writePicture("Data/Reference/Classes32.jpg", QSize(3000, 600), wide);
    ReferenceWindow form(folder.path());
    const QImage screen = ShowPage(form, 0);
    ASSERT_LT(screen.width(), 3000);
    const QRect drawn = BoundsOfColour(screen, wide);
    // Five to one, as wide as the page, in the middle of its height.
    EXPECT_EQ(drawn.width(), screen.width());
    EXPECT_NEAR(drawn.height(), screen.width() / 5.0, 1.0);
    EXPECT_LE(std::abs(drawn.center().y() - screen.rect().center().y()), 1);
}

TEST(ReferenceWindow, AMissingOrUnreadablePictureLeavesOnlyItsPageEmpty)
{
    ProgramFolder folder;
    WriteAllPages(folder);
    QFile::remove(folder.file("Data/Reference/Bravais.jpg"));
    folder.writeBytes("Data/Reference/Wulff.jpg", "not a picture at all");
    ReferenceWindow form(folder.path());

    EXPECT_TRUE(form.picture(1)->isEmpty());
    EXPECT_TRUE(form.picture(4)->isEmpty());
    for (int i : {0, 2, 3})
        EXPECT_FALSE(form.picture(i)->isEmpty()) << PageFiles[i].file;
    ASSERT_EQ(form.loadErrors().size(), 2);
    EXPECT_TRUE(form.loadErrors()[0].contains("Bravais.jpg")) << form.loadErrors()[0].toStdString();

    // Shown, the empty page draws none of the other pictures' colours.
    const QImage screen = ShowPage(form, 1);
    for (const PageFile& page : PageFiles)
        EXPECT_TRUE(BoundsOfColour(screen, page.colour).isNull()) << page.file;
}

TEST(ReferenceWindow, WithoutAnyPicturesTheWindowStillOpensOnEveryPage)
{
    ProgramFolder folder;
    ReferenceWindow form(folder.path());
    EXPECT_EQ(form.loadErrors().size(), ReferenceWindow::PageCount);
    for (int i = 0; i < ReferenceWindow::PageCount; ++i) {
        ShowPage(form, i);
        EXPECT_TRUE(form.picture(i)->isEmpty());
    }
    EXPECT_TRUE(form.isVisible());
}

TEST(ReferenceWindow, PicturesOfTheProgramFolderLoad)
{
    const QDir data(QStringLiteral(VESTREL_PROGRAM_DIR "/Data/Reference"));
    if (!data.exists())
        GTEST_SKIP() << "the reference pictures have not been generated in " << data.path().toStdString();
    ReferenceWindow form(QStringLiteral(VESTREL_PROGRAM_DIR));
    EXPECT_TRUE(form.loadErrors().isEmpty()) << form.loadErrors().join("; ").toStdString();
}

TEST(ReferenceWindow, EachShowingTellsWhichPicturesCouldNotBeRead)
{
    ProgramFolder folder;
    WriteAllPages(folder);
    QFile::remove(folder.file("Data/Reference/Bravais.jpg"));
    QFile::remove(folder.file("Data/Reference/Wulff.jpg"));
    ASSERT_TRUE(QDir().mkpath(folder.file("Data/Reference/Wulff.jpg")));
    ReferenceWindow form(folder.path());
    QStringList messages;
    form.showMessageBox = [&](const QString& text) { messages << text; };
    form.present();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QString expected =
        QStringLiteral("Cannot open file \"%1\". No such file or directory\nCannot open file \"%2\". Is a directory")
            .arg(folder.file("Data/Reference/Bravais.jpg"), folder.file("Data/Reference/Wulff.jpg"));
    EXPECT_EQ(messages.join('|').toStdString(), expected.toStdString());
    form.hide();
    form.present();
    EXPECT_EQ(messages.size(), 2);
}

TEST(ReferenceWindow, AllPicturesReadSaysNothing)
{
    ProgramFolder folder;
    WriteAllPages(folder);
    ReferenceWindow form(folder.path());
    QStringList messages;
    form.showMessageBox = [&](const QString& text) { messages << text; };
    form.present();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

} // namespace
} // namespace vestrel
