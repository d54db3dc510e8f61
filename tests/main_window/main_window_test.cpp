// SPDX-License-Identifier: MIT
// The real main window and settings window: captions, start states, the
// commands wired to their controls, the one-second timer's effects, the
// wheel, hints and the exit prompt.
#include "app/application.h"
#include "app/form2.h"
#include "app/form5.h"
#include "app/help_opener.h"
#include "app/colour_list.h"
#include "app/form1.h"
#include "app/form4.h"
#include "app/gl_panel.h"
#include "logic/hints.h"
#include "app/picture_box.h"
#include "logic/pictures/jpeg_codec.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace vestrel {
namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareApplication();
        app = std::make_unique<Application>(programDir());
        form1 = &app->mainWindow();
        form4 = &app->settings();
        form1->showMessageBox = [this](const QString& text) { messages << text; };
    }
    virtual QString programDir() { return QStringLiteral(VESTREL_PROGRAM_DIR); }

    std::unique_ptr<Application> app;
    Form1* form1 = nullptr;
    Form4* form4 = nullptr;
    QStringList messages;
};

TEST_F(MainWindow, HasItsCaptionAndMenusAsWritten)
{
    EXPECT_EQ(form1->windowTitle(), QStringLiteral("Вестрел  Вер. 1.1"));
    QStringList menus;
    for (QAction* a : form1->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"Файл", "Запуск", "Настройки", "Помощь"}));
    QStringList file;
    for (QAction* a : form1->N1->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(file, (QStringList{"Сохранить построение как...", "Сделать скриншот", "-",
                                 "Расчет символов граней и ребер", "Справочник", "-", "Выход"}));
    EXPECT_EQ(form1->N29->text(), QStringLiteral("Построить следущий объет из списка"));
    EXPECT_EQ(form1->N21->actions().size(), 11);
    for (QAction* a : form1->N21->actions())
        EXPECT_TRUE(a->isChecked()) << a->text().toStdString();
    EXPECT_TRUE(form1->N16->isChecked());
    EXPECT_TRUE(form1->N17->isChecked());
    EXPECT_FALSE(form1->N14->isChecked());
}

TEST_F(MainWindow, SidePanelStartsAsWritten)
{
    EXPECT_EQ(form1->grp2->title(), QStringLiteral("Дистанция до центра: 60"));
    EXPECT_EQ(form1->grp8->title(), QStringLiteral("Структура : "));
    EXPECT_EQ(form1->grp5->title(), QStringLiteral("Многогр. и их элем. симметрии : "));
    EXPECT_EQ(form1->TrackBar1->value(), 60);
    EXPECT_EQ(form1->TrackBar1->maximum(), 150);
    EXPECT_EQ(form1->TrackBar1->singleStep(), 3);
    EXPECT_EQ(form1->cbb1->count(), 19);
    EXPECT_EQ(form1->cbb2->count(), 13);
    EXPECT_FALSE(form1->cbb1->isEditable());
    for (QCheckBox* box : {form1->chk1, form1->chk2, form1->chk3, form1->chk4, form1->chk5, form1->chk6,
                           form1->chk7, form1->chk9, form1->chk10})
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_TRUE(form1->chk8->isChecked());
    EXPECT_TRUE(form1->chk11->isChecked());
    EXPECT_EQ(form1->chk1->text(), QStringLiteral("Вращать вокруг Оси OZ"));
    EXPECT_EQ(form1->image11->size(), QSize(147, 99));
    EXPECT_TRUE(form1->mmo1->isReadOnly());
    EXPECT_EQ(form1->pnl2->width(), 224);
    EXPECT_EQ(form1->Timer1->interval(), 50);
    EXPECT_TRUE(form1->Timer1->isActive());
    EXPECT_EQ(form1->tmr1->interval(), 1000);
}

TEST_F(MainWindow, ToolButtonsCarryTheirTwoPartHints)
{
    EXPECT_EQ(HintOf(form1->btn2), QStringLiteral("Построить выбранный объект|Построить выбранный объект"));
    EXPECT_EQ(form1->btn5->toolTip(), QStringLiteral("Стереть построенную структуру или многогранник"));
    EXPECT_EQ(LongHint(HintOf(form1->btn5)), QStringLiteral("Стереть построенную структуру или многогранник "));
    EXPECT_EQ(LongHint(HintOf(form1->btn9)), QStringLiteral("Построить след. объект из списка "));
    EXPECT_EQ(form1->btn21->toolTip(), QStringLiteral("Выход из программы"));
}

TEST_F(MainWindow, HintsReachTheMainAndSettingsStatusBars)
{
    app->hints().ApplicationEvents1Hint(form1->chk5);
    EXPECT_EQ(form1->stat1->currentMessage(), QStringLiteral("Построить ось OX"));
    EXPECT_EQ(form4->stat1->currentMessage(), QStringLiteral("Построить ось OX"));
    // "Показывать винт. оси" has no hint of its own: the group "Опции :" speaks for it.
    app->hints().ApplicationEvents1Hint(form1->chk9);
    EXPECT_EQ(form1->stat1->currentMessage(), HintOf(form1->grp1));
    EXPECT_FALSE(HintOf(form1->grp1).isEmpty());
    app->hints().ApplicationEvents1Hint(form1->btn5);
    EXPECT_EQ(form4->stat1->currentMessage(), QStringLiteral("Стереть построенную структуру или многогранник "));
    app->hints().ApplicationEvents1Hint(form4->cbb2);
    EXPECT_EQ(form1->stat1->currentMessage(), QStringLiteral("Список цветов для  винтовых осей"));
}

TEST_F(MainWindow, BuildThroughTheSidePanelButtonShowsPhotoAndText)
{
    form1->cbb1->setCurrentIndex(1);
    emit form1->cbb1->activated(1);
    QTest::mouseClick(form1->btn3, Qt::LeftButton);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    EXPECT_TRUE(form1->catalogue().SceneFlag()[index(SceneId::RockSalt)]);
    EXPECT_FALSE(form1->image11->isEmpty());
    EXPECT_TRUE(form1->mmo1->toPlainText().contains(QStringLiteral("NaCl")));
    EXPECT_TRUE(form1->grp9->isEnabled());
    EXPECT_FALSE(form1->chk11->isEnabled());
    form1->N37->trigger(); // Erase from the menu
    EXPECT_TRUE(form1->image11->isEmpty());
    EXPECT_TRUE(form1->mmo1->toPlainText().isEmpty());
}

TEST_F(MainWindow, ToolButtonsStepThroughTheList)
{
    form1->cbb2->setCurrentIndex(12);
    emit form1->cbb2->activated(12);
    QTest::mouseClick(form1->btn9, Qt::LeftButton);
    EXPECT_EQ(form1->cbb2->currentIndex(), 1);
    EXPECT_TRUE(form1->catalogue().SceneFlag()[index(SceneId::Cube)]);
    QTest::mouseClick(form1->btn4, Qt::LeftButton);
    EXPECT_EQ(form1->cbb2->currentIndex(), 12);
    EXPECT_FALSE(form1->chk8->isEnabled());
    EXPECT_TRUE(form1->chk10->isEnabled());
}

TEST_F(MainWindow, BuildWithNothingChosenAsksForAChoice)
{
    form1->N36->trigger();
    EXPECT_EQ(messages, QStringList{QStringLiteral("Выберите структуру или тип многогранников!")});
}

TEST_F(MainWindow, ExitAsksAndNoKeepsTheWindow)
{
    QStringList questions;
    form1->askYesNo = [&](const QString& q) {
        questions << q;
        return false;
    };
    form1->show();
    form1->N5->trigger();
    EXPECT_EQ(questions, QStringList{QStringLiteral("Выйти из программы?")});
    EXPECT_TRUE(form1->isVisible());
    form1->askYesNo = [](const QString&) { return true; };
    int closeQueries = 0;
    form1->FormCloseQuery = [&] {
        ++closeQueries;
        return true;
    };
    QTest::mouseClick(form1->btn21, Qt::LeftButton);
    EXPECT_EQ(closeQueries, 1) << "Yes goes on to the close query";
    EXPECT_FALSE(form1->isVisible());
}

TEST_F(MainWindow, OneSecondTimerAppliesToolBarAndInterfaceOptions)
{
    form1->show();
    form1->N26->trigger(); // uncheck "Построить"
    EXPECT_FALSE(form1->N26->isChecked());
    form4->chk2->setChecked(true);
    form4->chk3->setChecked(true);
    form4->chk4->setChecked(false);
    form1->tmr1Timer();
    EXPECT_FALSE(form1->btn2->isVisible());
    EXPECT_TRUE(form1->btn5->isVisible());
    EXPECT_FALSE(form1->grp9->isVisible());
    EXPECT_FALSE(form1->grp10->isVisible());
    EXPECT_EQ(form1->pnl2->width(), 1);
    EXPECT_EQ(form1->tlb1->width(), 1);
    // The menu command still works with the button hidden.
    form1->N36->trigger();
    EXPECT_EQ(messages.size(), 1);
    form4->chk3->setChecked(false);
    form4->chk4->setChecked(true);
    form4->chk2->setChecked(false);
    form1->N26->trigger();
    form1->tmr1Timer();
    EXPECT_EQ(form1->pnl2->width(), 224);
    EXPECT_EQ(form1->tlb1->width(), 49);
    EXPECT_TRUE(form1->btn2->isVisible());
    EXPECT_TRUE(form1->grp10->isVisible());
}

TEST_F(MainWindow, ColourMenusKeepOneItemChecked)
{
    form1->N14->trigger();
    EXPECT_TRUE(form1->N14->isChecked());
    EXPECT_FALSE(form1->N16->isChecked());
    form1->N14->trigger(); // the checked item stays checked
    EXPECT_TRUE(form1->N14->isChecked());
    form1->N20->trigger();
    const FrameInputs in = form1->readFrameInputs();
    EXPECT_TRUE(in.menus.axesRed);
    EXPECT_TRUE(in.menus.planesBlue);
    EXPECT_FALSE(in.menus.planesWhite);
}

TEST_F(MainWindow, WheelMovesTheDistanceByOneWithinItsEnds)
{
    form1->show();
    QWheelEvent away(QPointF(5, 5), form1->pnl1->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(form1->pnl1, &away);
    EXPECT_EQ(form1->TrackBar1->value(), 59);
    EXPECT_EQ(form1->grp2->title(), QStringLiteral("Дистанция до центра: 59"));
    // Over the structure list the wheel still moves the distance.
    QWheelEvent towards(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -240), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(form1->cbb1, &towards);
    EXPECT_EQ(form1->TrackBar1->value(), 61);
    EXPECT_EQ(form1->cbb1->currentIndex(), 0);
    form1->TrackBar1->setValue(150);
    form1->FormMouseWheel(-1);
    EXPECT_EQ(form1->TrackBar1->value(), 150);
    EXPECT_EQ(form1->grp2->title(), QStringLiteral("Дистанция до центра: 150"));
}

TEST_F(MainWindow, DraggingTurnsAndInvertedDraggingTurnsBack)
{
    form1->pnl1MouseDown(Qt::LeftButton, 100, 100);
    form1->pnl1MouseMove(130, 100);
    EXPECT_DOUBLE_EQ(form1->viewState().RotY, 0);
    form4->rb2->setChecked(true);
    form1->pnl1MouseMove(160, 100);
    EXPECT_DOUBLE_EQ(form1->viewState().RotY, -30);
    form1->pnl1MouseUp(Qt::LeftButton, 160, 100);
}

TEST_F(MainWindow, FrameInputsFollowTheControls)
{
    form1->chk5->setChecked(true);
    form1->chk9->setChecked(true);
    form4->rb5->setChecked(true);
    form4->cbb3->setItemIndex(0);
    FrameInputs in = form1->readFrameInputs();
    EXPECT_TRUE(in.axisOX);
    EXPECT_TRUE(in.display.showScrewAxes);
    EXPECT_FALSE(in.display.solidFaces);
    EXPECT_EQ(in.display.axisColour2, 3);
    EXPECT_EQ(in.display.axisColour3, 0);
    EXPECT_EQ(in.display.axisColour4, 2);
    EXPECT_EQ(in.display.axisColour6, 4);
    EXPECT_EQ(in.display.screwColour, 0);
}

TEST(SettingsWindow, StartsAsWrittenAndTheTrackBarSetsTheFrameInterval)
{
    Form4 form4;
    QTimer timer;
    timer.setInterval(50);
    form4.setFrameTimer(&timer);
    EXPECT_EQ(form4.windowTitle(), QStringLiteral("Настройки построения"));
    EXPECT_TRUE(form4.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form4.PageControl1->tabText(0), QStringLiteral("Настройки объектов"));
    EXPECT_EQ(form4.PageControl1->tabText(1), QStringLiteral("Параметры программы"));
    EXPECT_EQ(form4.TrackBar1->value(), 50);
    EXPECT_EQ(form4.grp5->title(), QStringLiteral("Частота смены кадров : 50 мсек"));
    form4.TrackBar1->setValue(1);
    EXPECT_EQ(timer.interval(), 1);
    EXPECT_EQ(form4.grp5->title(), QStringLiteral("Частота смены кадров : 1 мсек"));
    form4.TrackBar1->setValue(100);
    EXPECT_EQ(timer.interval(), 100);
    EXPECT_EQ(form4.cbb1->itemIndex(), 3);
    EXPECT_EQ(form4.cbb3->currentText(), QStringLiteral("Зеленый"));
    EXPECT_EQ(form4.cbb4->itemIndex(), 2);
    EXPECT_EQ(form4.cbb5->itemIndex(), 4);
    EXPECT_EQ(form4.cbb1->itemText(0), QStringLiteral("Не строить"));
    EXPECT_EQ(form4.cbb2->count(), 4);
    EXPECT_TRUE(form4.rb6->isChecked());
    EXPECT_TRUE(form4.rb1->isChecked());
    EXPECT_TRUE(form4.chk4->isChecked());
    EXPECT_EQ(form4.chk1->text(), QStringLiteral("Отдалиться на максимальное расстояние"));
    EXPECT_EQ(form4.btn1->text(), QStringLiteral("ОК"));
}

TEST(SettingsWindow, TypedColourTextLeavesNoItemSelected)
{
    Form4 form4;
    form4.show();
    QLineEdit* edit = form4.cbb2->lineEdit();
    edit->setFocus();
    edit->selectAll();
    for (QChar ch : QStringLiteral("Лиловый"))
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    EXPECT_EQ(form4.cbb2->itemIndex(), -1);
    emit form4.cbb2->activated(2);
    EXPECT_EQ(form4.cbb2->itemIndex(), 2);
}

TEST(SettingsWindow, OkButtonsHideIt)
{
    Form4 form4;
    form4.showSettings();
    EXPECT_TRUE(form4.isVisible());
    QTest::mouseClick(form4.btn3, Qt::LeftButton);
    EXPECT_FALSE(form4.isVisible());
}

// A program folder of the test's own, to see what Build does with missing
// or broken files.
class MainWindowWithOwnData : public MainWindow {
protected:
    QString programDir() override
    {
        QDir(dir.path()).mkpath(QStringLiteral("Data/Nature"));
        QDir(dir.path()).mkpath(QStringLiteral("Data/Information"));
        return dir.path();
    }
    void writeFile(const QString& relative, const QByteArray& bytes)
    {
        QFile f(QDir(dir.path()).filePath(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void build(int structure)
    {
        form1->cbb1->setCurrentIndex(structure);
        emit form1->cbb1->activated(structure);
        form1->btn3Click();
    }
    QTemporaryDir dir;
};

TEST_F(MainWindowWithOwnData, MissingPhotoGivesTheMessageWithTheFullPath)
{
    build(1);
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Data/Nature/NaCl.jpg"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(path));
    EXPECT_TRUE(form1->catalogue().SceneFlag()[index(SceneId::RockSalt)]);
    EXPECT_TRUE(form1->image11->isEmpty());
}

TEST_F(MainWindowWithOwnData, FileThatIsNotJpegGivesTheDecodersMessage)
{
    writeFile(QStringLiteral("Data/Nature/Cu.jpg"), "this is not a picture");
    build(17);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QStringLiteral("Not a JPEG file: starts with 0x74 0x68"));
}

TEST_F(MainWindowWithOwnData, TruncatedJpegIsRefusedNotShownHalfGrey)
{
    QImage picture(64, 48, QImage::Format_RGB888);
    picture.fill(QColor(200, 30, 30));
    const QString full = QDir(dir.path()).filePath(QStringLiteral("full.jpg"));
    ASSERT_TRUE(SaveJpeg(picture, full, 90, nullptr));
    QFile f(full);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    writeFile(QStringLiteral("Data/Nature/Mg.jpg"), f.readAll().left(300));
    build(15);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QStringLiteral("Premature end of JPEG file"));
    EXPECT_TRUE(form1->image11->isEmpty());
}

TEST_F(MainWindowWithOwnData, MissingTextKeepsTheNewPhotoAndEmptiesTheMemo)
{
    QImage picture(300, 100, QImage::Format_RGB888);
    picture.fill(Qt::green);
    ASSERT_TRUE(SaveJpeg(picture, QDir(dir.path()).filePath(QStringLiteral("Data/Nature/BN.jpg")), 90, nullptr));
    build(11);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Cannot open file \"")));
    EXPECT_TRUE(messages[0].contains(QStringLiteral("Data/Information/BN.txt")));
    EXPECT_EQ(form1->image11->picture().size(), QSize(300, 100));
    EXPECT_TRUE(form1->mmo1->toPlainText().isEmpty());
}

TEST(PictureBox, CentresAndScalesDownButNeverEnlarges)
{
    const QRect big = FitCentred(QSize(400, 270), QSize(147, 99));
    EXPECT_LE(big.width(), 147);
    EXPECT_EQ(big.height(), 99);
    EXPECT_NEAR(static_cast<double>(big.width()) / big.height(), 400.0 / 270.0, 0.02);
    EXPECT_EQ(big.left(), (147 - big.width()) / 2);
    const QRect small = FitCentred(QSize(50, 20), QSize(147, 99));
    EXPECT_EQ(small, QRect(48, 39, 50, 20));
}

} // namespace
} // namespace vestrel

namespace vestrel {
namespace {

TEST_F(MainWindow, ToolButtonsOpenTheReferenceTheLegendAndTheHelp)
{
    form1->show();
    QTest::mouseClick(form1->btn7, Qt::LeftButton);
    EXPECT_TRUE(app->reference().isVisible());
    QTest::mouseClick(form1->btn15, Qt::LeftButton);
    EXPECT_TRUE(app->legend().isVisible());
    EXPECT_EQ(app->legend().geometry().top(), 70);
    EXPECT_EQ(app->legend().geometry().left(), form1->pnl1->width() - 150);

    QList<QUrl> opened;
    form1->helpOpener().setOpener([&](const QUrl& url) {
        opened << url;
        return true;
    });
    QTest::mouseClick(form1->btn19, Qt::LeftButton);
    form1->N8->trigger();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0].toLocalFile(), QDir(QStringLiteral(VESTREL_PROGRAM_DIR)).absoluteFilePath("help/index.html"));
}

} // namespace
} // namespace vestrel
