// SPDX-License-Identifier: MIT
#include "app/about_window.h"
#include "tests/aux_windows/program_folder.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace vestrel {
namespace {

using testing::Near;
using testing::ProgramFolder;

TEST(AboutWindow, IsAModalDialogThatStaysOnTop)
{
    ProgramFolder folder;
    AboutWindow form(folder.path());
    EXPECT_EQ(form.objectName(), "AboutForm");
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("О программе"));
    EXPECT_TRUE(form.isModal());
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(form.size(), QSize(477, 435));
}

struct LabelCase {
    const char* text;
    int pixelSize;
    QPoint at;
};

void ExpectBanner(const QLabel* label, const LabelCase& expected)
{
    EXPECT_EQ(label->text(), QString::fromUtf8(expected.text));
    EXPECT_EQ(label->pos(), expected.at) << expected.text;
    EXPECT_TRUE(label->font().bold()) << expected.text;
    EXPECT_EQ(label->font().pixelSize(), expected.pixelSize) << expected.text;
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white)) << expected.text;
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(0, 0, 128)) << expected.text;
    EXPECT_TRUE(label->autoFillBackground()) << expected.text;
}

TEST(AboutWindow, ShowsTheNameAndVersionInWhiteOnNavy)
{
    ProgramFolder folder;
    AboutWindow form(folder.path());
    ExpectBanner(form.titleLabel(), {"Вестрел", 24, QPoint(144, 8)});
    ExpectBanner(form.versionLabel(), {"Вер. 1.1", 13, QPoint(208, 56)});

    // On the screen, the band behind the name is navy.
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QImage screen = form.grab().toImage();
    EXPECT_TRUE(Near(screen.pixelColor(QPoint(145, 9)), QColor(0, 0, 128)));
}

TEST(AboutWindow, HasTheOkButton)
{
    ProgramFolder folder;
    AboutWindow form(folder.path());
    const QPushButton* button = form.okButton();
    EXPECT_EQ(button->objectName(), "Button1");
    EXPECT_EQ(button->text(), QString::fromUtf8("ОК"));
    EXPECT_EQ(button->geometry(), QRect(168, 280, 129, 33));
    EXPECT_TRUE(button->font().bold());
    EXPECT_EQ(button->font().pixelSize(), 16);
}

TEST(AboutWindow, TheBackgroundPictureFillsTheWholeWindow)
{
    ProgramFolder folder;
    const QColor green(40, 170, 60);
    folder.writePicture("Data/About/Crystal.jpg", QSize(16, 16), green);
    AboutWindow form(folder.path());
    ASSERT_FALSE(form.background().isNull());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QImage screen = form.grab().toImage();
    ASSERT_EQ(screen.size(), QSize(477, 435));
    for (QPoint corner : {QPoint(1, 1), QPoint(475, 1), QPoint(1, 433), QPoint(475, 433), QPoint(238, 400)})
        EXPECT_TRUE(Near(screen.pixelColor(corner), green)) << corner.x() << "," << corner.y();
}

TEST(AboutWindow, WithoutTheBackgroundPictureItStillOpens)
{
    ProgramFolder folder;
    AboutWindow form(folder.path());
    form.showMessageBox = [](const QString&) {};
    EXPECT_TRUE(form.background().isNull());
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
}

TEST(AboutWindow, OkButtonClosesWithAccepted)
{
    ProgramFolder folder;
    AboutWindow form(folder.path());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.okButton()->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

// Runs the dialog modally over a main window at the given place; while it
// is open, records where it stands and then does what `finish` says.
struct ModalRun {
    int result = -1;
    QPoint shownAt;
    bool wasModal = false;
};

ModalRun RunCentredOn(AboutWindow& form, QWidget& main, std::function<void()> finish)
{
    ModalRun run;
    form.showMessageBox = [](const QString&) {};
    QTimer::singleShot(0, [&] {
        run.shownAt = form.pos();
        run.wasModal = QApplication::activeModalWidget() == &form;
        finish();
    });
    run.result = form.showCentredOn(&main);
    return run;
}

TEST(AboutWindow, OpensModallyCentredOnTheMainWindowAndClosesWithTheButton)
{
    ProgramFolder folder;
    QWidget main;
    main.setGeometry(100, 50, 1024, 840);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    ASSERT_EQ(main.frameGeometry(), QRect(100, 50, 1024, 840));

    AboutWindow form(folder.path());
    const ModalRun run = RunCentredOn(form, main, [&] {
        QTest::mouseClick(form.okButton(), Qt::LeftButton);
    });
    // 100 + 1024 / 2 - 477 / 2 = 373.5 and 50 + 840 / 2 - 435 / 2 = 252.5.
    EXPECT_EQ(run.shownAt, QPoint(373, 252));
    EXPECT_TRUE(run.wasModal);
    EXPECT_EQ(run.result, QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
}

TEST(AboutWindow, FollowsTheMainWindowWhereverItIsAndItsCloseBoxClosesIt)
{
    ProgramFolder folder;
    QWidget main;
    main.setGeometry(-1000, -800, 1024, 840);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    ASSERT_EQ(main.frameGeometry(), QRect(-1000, -800, 1024, 840));

    AboutWindow form(folder.path());
    const ModalRun run = RunCentredOn(form, main, [&] { form.close(); });
    // -726.5 and -597.5 lose their fractions towards zero.
    EXPECT_EQ(run.shownAt, QPoint(-726, -597));
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(run.result, QDialog::Rejected);
}

TEST(AboutWindow, AMissingBackgroundIsToldOverTheOpenWindowEachTime)
{
    ProgramFolder folder;
    QWidget main;
    main.setGeometry(100, 50, 1024, 840);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    AboutWindow form(folder.path());
    QStringList messages;
    bool shownOverTheWindow = true;
    form.showMessageBox = [&](const QString& text) {
        messages << text;
        shownOverTheWindow = shownOverTheWindow && form.isVisible();
        form.okButton()->click();
    };
    for (int showing = 1; showing <= 2; ++showing) {
        EXPECT_EQ(form.showCentredOn(&main), QDialog::Accepted);
        ASSERT_EQ(messages.size(), showing);
    }
    EXPECT_TRUE(shownOverTheWindow);
    EXPECT_EQ(messages[0], QStringLiteral("Cannot open file \"%1\". No such file or directory")
                               .arg(folder.file("Data/About/Crystal.jpg")));
    EXPECT_EQ(messages[0], form.loadError());
}

} // namespace
} // namespace vestrel
