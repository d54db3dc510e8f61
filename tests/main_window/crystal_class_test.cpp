// SPDX-License-Identifier: MIT
// The list of the 32 classes in the main window: choosing a class sends the
// other lists back, Build shows the class's form with its notes and
// elements, combinations grow and shrink, Next and Previous step through
// the classes, a bad face symbol changes nothing.
#include "tests/support/main_window_controls.h"
#include "app/application.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace vestrel {
namespace {

class CrystalClassList : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareApplication();
        app = std::make_unique<Application>(QStringLiteral(VESTREL_PROGRAM_DIR));
        m = &app->mainWindow();
        m->showMessageBox = [this](const QString& text) { messages << text; };
        classList = m->findChild<QComboBox*>(QStringLiteral("classList"));
        faceEdit = m->findChild<QLineEdit*>(QStringLiteral("faceEdit"));
        combination = m->findChild<QListWidget*>(QStringLiteral("combinationList"));
        ASSERT_TRUE(classList && faceEdit && combination);
    }
    void chooseClass(int item)
    {
        classList->setCurrentIndex(item);
        emit classList->activated(item);
    }
    void click(const char* name) { QTest::mouseClick(m->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton); }
    QString memo() const { return Controls(m).informationMemo->toPlainText(); }

    std::unique_ptr<Application> app;
    MainWindow* m = nullptr;
    QComboBox* classList = nullptr;
    QLineEdit* faceEdit = nullptr;
    QListWidget* combination = nullptr;
    QStringList messages;
};

TEST_F(CrystalClassList, ListsTheThirtyTwoClassesUnderTheTwoCatalogueLists)
{
    EXPECT_EQ(classList->count(), 33);
    EXPECT_EQ(classList->itemText(0), QStringLiteral("Не выбрано"));
    EXPECT_TRUE(classList->itemText(1).startsWith(QStringLiteral("1. 1 (C1)"))) << classList->itemText(1).toStdString();
    EXPECT_TRUE(classList->itemText(32).startsWith(QStringLiteral("32. m"))) << classList->itemText(32).toStdString();
    m->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m));
    EXPECT_GT(classList->mapTo(m, QPoint()).y(), Controls(m).polyhedronList->mapTo(m, QPoint()).y());
}

TEST_F(CrystalClassList, ChoosingAClassSendsTheOtherListsBackAndBuildShowsItsForm)
{
    Controls(m).polyhedronList->setCurrentIndex(1);
    emit Controls(m).polyhedronList->activated(1);
    m->build();
    ASSERT_TRUE(m->catalogue().sceneFlags()[index(SceneId::Cube)]);
    chooseClass(32);
    EXPECT_EQ(Controls(m).polyhedronList->currentIndex(), 0);
    EXPECT_EQ(Controls(m).structureList->currentIndex(), 0);
    EXPECT_FALSE(m->catalogue().sceneFlags()[index(SceneId::Cube)]);
    m->build();
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    const FrameInputs in = m->readFrameInputs();
    ASSERT_NE(in.crystalForm, nullptr);
    EXPECT_TRUE(memo().contains(QStringLiteral("3L4 4L3 6L2 9PC"))) << memo().toStdString();
    // The general form of m-3m: the hexoctahedron, 48 faces.
    EXPECT_TRUE(memo().contains(QStringLiteral("48"))) << memo().toStdString();
    EXPECT_TRUE(Controls(m).symmetryGroup->isVisibleTo(m));
    // 3 L4, 4 L3, 6 L2, 9 P and the centre.
    EXPECT_EQ(Controls(m).symmetryList->count(), 23);

    // Choosing a polyhedron takes the class back to "Не выбрано".
    Controls(m).polyhedronList->setCurrentIndex(2);
    emit Controls(m).polyhedronList->activated(2);
    EXPECT_EQ(classList->currentIndex(), 0);
    EXPECT_EQ(m->readFrameInputs().crystalForm, nullptr);
}

TEST_F(CrystalClassList, CombinationsGrowAndShrinkAndEraseTakesTheCrystalOff)
{
    chooseClass(32);
    faceEdit->setText(QStringLiteral("1 0 0"));
    click("addFormButton");
    faceEdit->setText(QStringLiteral("(111)"));
    click("addFormButton");
    EXPECT_EQ(combination->count(), 2);
    ASSERT_NE(m->readFrameInputs().crystalForm, nullptr);
    EXPECT_TRUE(memo().contains(QStringLiteral("куб"))) << memo().toStdString();
    EXPECT_TRUE(memo().contains(QStringLiteral("октаэдр"))) << memo().toStdString();
    faceEdit->setText(QStringLiteral("110"));
    click("addFormButton");
    faceEdit->setText(QStringLiteral("210"));
    click("addFormButton");
    EXPECT_EQ(combination->count(), 3);
    EXPECT_EQ(messages.size(), 1) << "a fourth form is refused";
    click("removeFormButton");
    EXPECT_EQ(combination->count(), 2);
    m->eraseScene();
    EXPECT_EQ(m->readFrameInputs().crystalForm, nullptr);
    EXPECT_TRUE(memo().isEmpty());
}

TEST_F(CrystalClassList, ABadFaceSymbolGetsItsMessageAndChangesNothing)
{
    chooseClass(32);
    m->build();
    const forms::CrystalFormScene* before = m->readFrameInputs().crystalForm;
    ASSERT_NE(before, nullptr);
    const QString memoBefore = memo();
    for (const char* bad : {"1 x 0", "0 0 0", "21 0 0"}) {
        messages.clear();
        faceEdit->setText(QString::fromLatin1(bad));
        click("addFormButton");
        EXPECT_EQ(messages.size(), 1) << bad;
        EXPECT_EQ(memo(), memoBefore) << bad;
    }
    chooseClass(27); // -3m: hexagonal axes, i must be -(h+k)
    messages.clear();
    faceEdit->setText(QStringLiteral("1 0 1 1"));
    click("addFormButton");
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(CrystalClassList, NextAndPreviousStepThroughTheClassesAndOpenFormsSaySo)
{
    chooseClass(32);
    m->nextObject();
    EXPECT_EQ(classList->currentIndex(), 1);
    ASSERT_NE(m->readFrameInputs().crystalForm, nullptr);
    // The pedion of class 1 cannot close a solid.
    EXPECT_TRUE(Controls(m).statusLine->currentMessage().startsWith(QStringLiteral("Открытая форма:")))
        << Controls(m).statusLine->currentMessage().toStdString();
    m->previousObject();
    EXPECT_EQ(classList->currentIndex(), 32);
    EXPECT_NE(m->readFrameInputs().crystalForm, nullptr);
}

} // namespace
} // namespace vestrel
