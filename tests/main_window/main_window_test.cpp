// SPDX-License-Identifier: MIT
// The real main window and settings window: captions, start states, the
// commands wired to their controls, the one-second timer's effects, the
// wheel, hints and the exit prompt.
#include "tests/support/main_window_controls.h"
#include "app/application.h"
#include "app/legend_window.h"
#include "app/reference_window.h"
#include "app/help_opener.h"
#include "app/colour_list.h"
#include "app/main_window.h"
#include "app/settings_window.h"
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

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareApplication();
        app = std::make_unique<Application>(programDir());
        mainWindow = &app->mainWindow();
        settingsWindow = &app->settings();
        mainWindow->showMessageBox = [this](const QString& text) { messages << text; };
    }
    virtual QString programDir() { return QStringLiteral(VESTREL_PROGRAM_DIR); }

    std::unique_ptr<Application> app;
    MainWindow* mainWindow = nullptr;
    SettingsWindow* settingsWindow = nullptr;
    QStringList messages;
};

TEST_F(MainWindowTest, HasItsCaptionAndMenusAsWritten)
{
    EXPECT_EQ(mainWindow->windowTitle(), QStringLiteral("Вестрел  Вер. 1.1"));
    QStringList menus;
    for (QAction* a : mainWindow->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"Файл", "Запуск", "Настройки", "Помощь"}));
    QStringList file;
    for (QAction* a : Controls(mainWindow).fileMenu->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(file, (QStringList{"Открыть структуру…", "Библиотека структур…", "-", "Сохранить построение как...", "Сохранить 3D-модель…", "Сделать скриншот", "-",
                                 "Расчет символов граней и ребер", "Справочник", "-", "Выход"}));
    EXPECT_EQ(Controls(mainWindow).showNextToolAction->text(), QStringLiteral("Построить следущий объет из списка"));
    EXPECT_EQ(Controls(mainWindow).toolBarMenu->actions().size(), 11);
    for (QAction* a : Controls(mainWindow).toolBarMenu->actions())
        EXPECT_TRUE(a->isChecked()) << a->text().toStdString();
    EXPECT_TRUE(Controls(mainWindow).axesBlueAction->isChecked());
    EXPECT_TRUE(Controls(mainWindow).planesWhiteAction->isChecked());
    EXPECT_FALSE(Controls(mainWindow).axesRedAction->isChecked());
}

TEST_F(MainWindowTest, SidePanelStartsAsWritten)
{
    EXPECT_EQ(Controls(mainWindow).distanceGroup->title(), QStringLiteral("Дистанция до центра: 60"));
    EXPECT_EQ(Controls(mainWindow).structureGroup->title(), QStringLiteral("Структура : "));
    EXPECT_EQ(Controls(mainWindow).polyhedronGroup->title(), QStringLiteral("Многогр. и их элем. симметрии : "));
    EXPECT_EQ(Controls(mainWindow).distanceSlider->value(), 60);
    EXPECT_EQ(Controls(mainWindow).distanceSlider->maximum(), 150);
    EXPECT_EQ(Controls(mainWindow).distanceSlider->singleStep(), 3);
    EXPECT_EQ(Controls(mainWindow).structureList->count(), 19);
    EXPECT_EQ(Controls(mainWindow).polyhedronList->count(), 13);
    EXPECT_FALSE(Controls(mainWindow).structureList->isEditable());
    for (QCheckBox* box : {Controls(mainWindow).autoRotateCheck, Controls(mainWindow).planeXZCheck, Controls(mainWindow).planeYZCheck, Controls(mainWindow).planeXYCheck, Controls(mainWindow).axisOXCheck, Controls(mainWindow).axisOZCheck,
                           Controls(mainWindow).axisOYCheck, Controls(mainWindow).showScrewAxesCheck, Controls(mainWindow).showSymmetryPlanesCheck})
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_TRUE(Controls(mainWindow).showBondsCheck->isChecked());
    EXPECT_TRUE(Controls(mainWindow).showSymmetryAxesCheck->isChecked());
    EXPECT_EQ(Controls(mainWindow).autoRotateCheck->text(), QStringLiteral("Вращать вокруг Оси OZ"));
    EXPECT_EQ(Controls(mainWindow).photoBox->size(), QSize(147, 99));
    EXPECT_TRUE(Controls(mainWindow).informationMemo->isReadOnly());
    EXPECT_EQ(Controls(mainWindow).sidePanel->width(), 224);
    EXPECT_EQ(Controls(mainWindow).frameTimer->interval(), 50);
    EXPECT_TRUE(Controls(mainWindow).frameTimer->isActive());
    EXPECT_EQ(Controls(mainWindow).interfaceTimer->interval(), 1000);
}

TEST_F(MainWindowTest, ToolButtonsCarryTheirTwoPartHints)
{
    EXPECT_EQ(HintOf(Controls(mainWindow).buildToolButton), QStringLiteral("Построить выбранный объект|Построить выбранный объект"));
    EXPECT_EQ(Controls(mainWindow).eraseToolButton->toolTip(), QStringLiteral("Стереть построенную структуру или многогранник"));
    EXPECT_EQ(LongHint(HintOf(Controls(mainWindow).eraseToolButton)), QStringLiteral("Стереть построенную структуру или многогранник "));
    EXPECT_EQ(LongHint(HintOf(Controls(mainWindow).nextToolButton)), QStringLiteral("Построить след. объект из списка "));
    EXPECT_EQ(Controls(mainWindow).exitToolButton->toolTip(), QStringLiteral("Выход из программы"));
}

TEST_F(MainWindowTest, HintsReachTheMainAndSettingsStatusBars)
{
    app->hints().showHint(Controls(mainWindow).axisOXCheck);
    EXPECT_EQ(Controls(mainWindow).statusLine->currentMessage(), QStringLiteral("Построить ось OX"));
    EXPECT_EQ(settingsWindow->statusLine->currentMessage(), QStringLiteral("Построить ось OX"));
    // "Показывать винт. оси" has no hint of its own: the group "Опции :" speaks for it.
    app->hints().showHint(Controls(mainWindow).showScrewAxesCheck);
    EXPECT_EQ(Controls(mainWindow).statusLine->currentMessage(), HintOf(Controls(mainWindow).optionsGroup));
    EXPECT_FALSE(HintOf(Controls(mainWindow).optionsGroup).isEmpty());
    app->hints().showHint(Controls(mainWindow).eraseToolButton);
    EXPECT_EQ(settingsWindow->statusLine->currentMessage(), QStringLiteral("Стереть построенную структуру или многогранник "));
    app->hints().showHint(settingsWindow->screwAxisColourList);
    EXPECT_EQ(Controls(mainWindow).statusLine->currentMessage(), QStringLiteral("Список цветов для  винтовых осей"));
}

TEST_F(MainWindowTest, BuildThroughTheSidePanelButtonShowsPhotoAndText)
{
    Controls(mainWindow).structureList->setCurrentIndex(1);
    emit Controls(mainWindow).structureList->activated(1);
    QTest::mouseClick(Controls(mainWindow).buildButton, Qt::LeftButton);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    EXPECT_TRUE(mainWindow->catalogue().sceneFlags()[index(SceneId::RockSalt)]);
    EXPECT_FALSE(Controls(mainWindow).photoBox->isEmpty());
    EXPECT_TRUE(Controls(mainWindow).informationMemo->toPlainText().contains(QStringLiteral("NaCl")));
    EXPECT_TRUE(Controls(mainWindow).photoGroup->isEnabled());
    EXPECT_FALSE(Controls(mainWindow).showSymmetryAxesCheck->isEnabled());
    Controls(mainWindow).eraseAction->trigger(); // Erase from the menu
    EXPECT_TRUE(Controls(mainWindow).photoBox->isEmpty());
    EXPECT_TRUE(Controls(mainWindow).informationMemo->toPlainText().isEmpty());
}

TEST_F(MainWindowTest, ToolButtonsStepThroughTheList)
{
    Controls(mainWindow).polyhedronList->setCurrentIndex(12);
    emit Controls(mainWindow).polyhedronList->activated(12);
    QTest::mouseClick(Controls(mainWindow).nextToolButton, Qt::LeftButton);
    EXPECT_EQ(Controls(mainWindow).polyhedronList->currentIndex(), 1);
    EXPECT_TRUE(mainWindow->catalogue().sceneFlags()[index(SceneId::Cube)]);
    QTest::mouseClick(Controls(mainWindow).previousToolButton, Qt::LeftButton);
    EXPECT_EQ(Controls(mainWindow).polyhedronList->currentIndex(), 12);
    EXPECT_FALSE(Controls(mainWindow).showBondsCheck->isEnabled());
    EXPECT_TRUE(Controls(mainWindow).showSymmetryPlanesCheck->isEnabled());
}

TEST_F(MainWindowTest, BuildWithNothingChosenAsksForAChoice)
{
    Controls(mainWindow).buildAction->trigger();
    EXPECT_EQ(messages, QStringList{QStringLiteral("Выберите структуру или тип многогранников!")});
}

TEST_F(MainWindowTest, ExitAsksAndNoKeepsTheWindow)
{
    QStringList questions;
    mainWindow->askYesNo = [&](const QString& q) {
        questions << q;
        return false;
    };
    mainWindow->show();
    Controls(mainWindow).exitAction->trigger();
    EXPECT_EQ(questions, QStringList{QStringLiteral("Выйти из программы?")});
    EXPECT_TRUE(mainWindow->isVisible());
    mainWindow->askYesNo = [](const QString&) { return true; };
    int closeQueries = 0;
    mainWindow->closeQuery = [&] {
        ++closeQueries;
        return true;
    };
    QTest::mouseClick(Controls(mainWindow).exitToolButton, Qt::LeftButton);
    EXPECT_EQ(closeQueries, 1) << "Yes goes on to the close query";
    EXPECT_FALSE(mainWindow->isVisible());
}

TEST_F(MainWindowTest, OneSecondTimerAppliesToolBarAndInterfaceOptions)
{
    mainWindow->show();
    Controls(mainWindow).showBuildToolAction->trigger(); // uncheck "Построить"
    EXPECT_FALSE(Controls(mainWindow).showBuildToolAction->isChecked());
    settingsWindow->hideDetailsCheck->setChecked(true);
    settingsWindow->hideSidePanelCheck->setChecked(true);
    settingsWindow->showToolBarCheck->setChecked(false);
    mainWindow->applyInterfaceOptions();
    EXPECT_FALSE(Controls(mainWindow).buildToolButton->isVisible());
    EXPECT_TRUE(Controls(mainWindow).eraseToolButton->isVisible());
    EXPECT_FALSE(Controls(mainWindow).photoGroup->isVisible());
    EXPECT_FALSE(Controls(mainWindow).informationGroup->isVisible());
    EXPECT_EQ(Controls(mainWindow).sidePanel->width(), 1);
    EXPECT_EQ(Controls(mainWindow).toolBar->width(), 1);
    // The menu command still works with the button hidden.
    Controls(mainWindow).buildAction->trigger();
    EXPECT_EQ(messages.size(), 1);
    settingsWindow->hideSidePanelCheck->setChecked(false);
    settingsWindow->showToolBarCheck->setChecked(true);
    settingsWindow->hideDetailsCheck->setChecked(false);
    Controls(mainWindow).showBuildToolAction->trigger();
    mainWindow->applyInterfaceOptions();
    EXPECT_EQ(Controls(mainWindow).sidePanel->width(), 224);
    EXPECT_EQ(Controls(mainWindow).toolBar->width(), 49);
    EXPECT_TRUE(Controls(mainWindow).buildToolButton->isVisible());
    EXPECT_TRUE(Controls(mainWindow).informationGroup->isVisible());
}

TEST_F(MainWindowTest, ColourMenusKeepOneItemChecked)
{
    Controls(mainWindow).axesRedAction->trigger();
    EXPECT_TRUE(Controls(mainWindow).axesRedAction->isChecked());
    EXPECT_FALSE(Controls(mainWindow).axesBlueAction->isChecked());
    Controls(mainWindow).axesRedAction->trigger(); // the checked item stays checked
    EXPECT_TRUE(Controls(mainWindow).axesRedAction->isChecked());
    Controls(mainWindow).planesBlueAction->trigger();
    const FrameInputs in = mainWindow->readFrameInputs();
    EXPECT_TRUE(in.menus.axesRed);
    EXPECT_TRUE(in.menus.planesBlue);
    EXPECT_FALSE(in.menus.planesWhite);
}

TEST_F(MainWindowTest, WheelMovesTheDistanceByOneWithinItsEnds)
{
    mainWindow->show();
    QWheelEvent away(QPointF(5, 5), Controls(mainWindow).glPanel->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(Controls(mainWindow).glPanel, &away);
    EXPECT_EQ(Controls(mainWindow).distanceSlider->value(), 59);
    EXPECT_EQ(Controls(mainWindow).distanceGroup->title(), QStringLiteral("Дистанция до центра: 59"));
    // Over the structure list the wheel still moves the distance.
    QWheelEvent towards(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -240), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(Controls(mainWindow).structureList, &towards);
    EXPECT_EQ(Controls(mainWindow).distanceSlider->value(), 61);
    EXPECT_EQ(Controls(mainWindow).structureList->currentIndex(), 0);
    Controls(mainWindow).distanceSlider->setValue(150);
    mainWindow->wheelTurned(-1);
    EXPECT_EQ(Controls(mainWindow).distanceSlider->value(), 150);
    EXPECT_EQ(Controls(mainWindow).distanceGroup->title(), QStringLiteral("Дистанция до центра: 150"));
}

TEST_F(MainWindowTest, DraggingTurnsAndInvertedDraggingTurnsBack)
{
    mainWindow->panelMousePressed(Qt::LeftButton, 100, 100);
    mainWindow->panelMouseMoved(130, 100);
    EXPECT_DOUBLE_EQ(mainWindow->viewState().RotY, 0);
    settingsWindow->invertedMouseRadio->setChecked(true);
    mainWindow->panelMouseMoved(160, 100);
    EXPECT_DOUBLE_EQ(mainWindow->viewState().RotY, -30);
    mainWindow->panelMouseReleased(Qt::LeftButton, 160, 100);
}

TEST_F(MainWindowTest, FrameInputsFollowTheControls)
{
    Controls(mainWindow).axisOXCheck->setChecked(true);
    Controls(mainWindow).showScrewAxesCheck->setChecked(true);
    settingsWindow->seeThroughFacesRadio->setChecked(true);
    settingsWindow->axisOrder3ColourList->setItemIndex(0);
    FrameInputs in = mainWindow->readFrameInputs();
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
    SettingsWindow settingsWindow;
    QTimer timer;
    timer.setInterval(50);
    settingsWindow.setFrameTimer(&timer);
    EXPECT_EQ(settingsWindow.windowTitle(), QStringLiteral("Настройки построения"));
    EXPECT_TRUE(settingsWindow.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(settingsWindow.tabs->tabText(0), QStringLiteral("Настройки объектов"));
    EXPECT_EQ(settingsWindow.tabs->tabText(1), QStringLiteral("Параметры программы"));
    EXPECT_EQ(settingsWindow.frameIntervalSlider->value(), 50);
    EXPECT_EQ(settingsWindow.frameIntervalGroup->title(), QStringLiteral("Частота смены кадров : 50 мсек"));
    settingsWindow.frameIntervalSlider->setValue(1);
    EXPECT_EQ(timer.interval(), 1);
    EXPECT_EQ(settingsWindow.frameIntervalGroup->title(), QStringLiteral("Частота смены кадров : 1 мсек"));
    settingsWindow.frameIntervalSlider->setValue(100);
    EXPECT_EQ(timer.interval(), 100);
    EXPECT_EQ(settingsWindow.axisOrder2ColourList->itemIndex(), 3);
    EXPECT_EQ(settingsWindow.axisOrder3ColourList->currentText(), QStringLiteral("Зеленый"));
    EXPECT_EQ(settingsWindow.axisOrder4ColourList->itemIndex(), 2);
    EXPECT_EQ(settingsWindow.axisOrder6ColourList->itemIndex(), 4);
    EXPECT_EQ(settingsWindow.axisOrder2ColourList->itemText(0), QStringLiteral("Не строить"));
    EXPECT_EQ(settingsWindow.screwAxisColourList->count(), 4);
    EXPECT_TRUE(settingsWindow.solidFacesRadio->isChecked());
    EXPECT_TRUE(settingsWindow.directMouseRadio->isChecked());
    EXPECT_TRUE(settingsWindow.showToolBarCheck->isChecked());
    EXPECT_EQ(settingsWindow.maxDistanceCheck->text(), QStringLiteral("Отдалиться на максимальное расстояние"));
    EXPECT_EQ(settingsWindow.objectsOkButton->text(), QStringLiteral("ОК"));
}

TEST(SettingsWindow, TypedColourTextLeavesNoItemSelected)
{
    SettingsWindow settingsWindow;
    settingsWindow.show();
    QLineEdit* edit = settingsWindow.screwAxisColourList->lineEdit();
    edit->setFocus();
    edit->selectAll();
    for (QChar ch : QStringLiteral("Лиловый"))
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    EXPECT_EQ(settingsWindow.screwAxisColourList->itemIndex(), -1);
    emit settingsWindow.screwAxisColourList->activated(2);
    EXPECT_EQ(settingsWindow.screwAxisColourList->itemIndex(), 2);
}

TEST(SettingsWindow, OkButtonsHideIt)
{
    SettingsWindow settingsWindow;
    settingsWindow.showSettings();
    EXPECT_TRUE(settingsWindow.isVisible());
    QTest::mouseClick(settingsWindow.programOkButton, Qt::LeftButton);
    EXPECT_FALSE(settingsWindow.isVisible());
}

// A program folder of the test's own, to see what Build does with missing
// or broken files.
class MainWindowWithOwnData : public MainWindowTest {
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
        Controls(mainWindow).structureList->setCurrentIndex(structure);
        emit Controls(mainWindow).structureList->activated(structure);
        mainWindow->build();
    }
    QTemporaryDir dir;
};

TEST_F(MainWindowWithOwnData, MissingPhotoGivesTheMessageWithTheFullPath)
{
    build(1);
    const QString path = QDir(dir.path()).filePath(QStringLiteral("Data/Nature/NaCl.jpg"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(path));
    EXPECT_TRUE(mainWindow->catalogue().sceneFlags()[index(SceneId::RockSalt)]);
    EXPECT_TRUE(Controls(mainWindow).photoBox->isEmpty());
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
    EXPECT_TRUE(Controls(mainWindow).photoBox->isEmpty());
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
    EXPECT_EQ(Controls(mainWindow).photoBox->picture().size(), QSize(300, 100));
    EXPECT_TRUE(Controls(mainWindow).informationMemo->toPlainText().isEmpty());
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

TEST_F(MainWindowTest, ToolButtonsOpenTheReferenceTheLegendAndTheHelp)
{
    mainWindow->show();
    QTest::mouseClick(Controls(mainWindow).referenceToolButton, Qt::LeftButton);
    EXPECT_TRUE(app->reference().isVisible());
    QTest::mouseClick(Controls(mainWindow).legendToolButton, Qt::LeftButton);
    EXPECT_TRUE(app->legend().isVisible());
    EXPECT_EQ(app->legend().geometry().top(), 70);
    EXPECT_EQ(app->legend().geometry().left(), Controls(mainWindow).glPanel->width() - 150);

    QList<QUrl> opened;
    mainWindow->helpOpener().setOpener([&](const QUrl& url) {
        opened << url;
        return true;
    });
    QTest::mouseClick(Controls(mainWindow).helpToolButton, Qt::LeftButton);
    Controls(mainWindow).helpAction->trigger();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0].toLocalFile(), QDir(QStringLiteral(VESTREL_PROGRAM_DIR)).absoluteFilePath("help/index.html"));
}

} // namespace
} // namespace vestrel
