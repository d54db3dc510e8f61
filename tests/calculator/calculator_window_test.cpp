// SPDX-License-Identifier: MIT
// The calculator window: its controls, relabelling, clearing, calculation
// through the fields, messages, hints and its screenshot.
#include "app/calculator_window.h"

#include "logic/hints.h"
#include "logic/picture_commands.h"
#include "logic/pictures/file_io.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace vestrel {
namespace {

struct FakeMessages : MessageUi {
    QStringList messages;
    QStringList errors;
    void message(const QString& text) override { messages << text; }
    void error(const QString& text) override { errors << text; }
};

class CalculatorWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.setMessageUi(&ui);
        form.setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    }

    std::array<QLineEdit*, 9> fields() const
    {
        return {form.first1Field, form.first2Field, form.first3Field, form.second1Field, form.second2Field,
                form.second3Field, form.result1Field, form.result2Field, form.result3Field};
    }

    void typeInputs(std::array<const char*, 6> texts)
    {
        for (int i = 0; i < 6; ++i)
            fields()[i]->setText(QString::fromUtf8(texts[i]));
    }

    void setResults(const char* a, const char* b, const char* c)
    {
        form.result1Field->setText(QString::fromUtf8(a));
        form.result2Field->setText(QString::fromUtf8(b));
        form.result3Field->setText(QString::fromUtf8(c));
    }

    QStringList results() const { return {form.result1Field->text(), form.result2Field->text(), form.result3Field->text()}; }

    QStringList labels() const
    {
        QStringList texts;
        for (QLabel* l : {form.firstLabel, form.secondLabel, form.resultLabel1, form.inputHeader1, form.inputHeader2, form.inputHeader3, form.inputHeader4,
                          form.resultLabel2, form.resultLabel3})
            texts << l->text();
        return texts;
    }

    FakeMessages ui;
    CalculatorWindow form;
};

const QStringList kEdgeLabels{"Символ первой грани :", "Символ второй грани :", "Символ ребра :", "(", "(",
                              ")", ")", "[", "]"};
const QStringList kFaceLabels{"Символ первого ребра :", "Символ второго ребра :", "Символ грани :", "[", "[",
                              "]", "]", "(", ")"};

TEST_F(CalculatorWindowTest, StartsInEdgeModeWithEmptyFields)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Расчет символов граней и ребер"));
    EXPECT_TRUE(form.facesToEdgeRadio->isChecked());
    EXPECT_FALSE(form.edgesToFaceRadio->isChecked());
    EXPECT_EQ(form.mode(), SymbolMode::Edge);
    EXPECT_EQ(labels(), kEdgeLabels);
    for (QLineEdit* f : fields())
        EXPECT_TRUE(f->text().isEmpty());
    EXPECT_TRUE(form.modeTimer->isActive());
    EXPECT_EQ(form.modeTimer->interval(), 100);
    EXPECT_TRUE(form.isHidden());
}

TEST_F(CalculatorWindowTest, ControlsSitWhereTheDesignPutsThem)
{
    struct Place {
        const char* name;
        const char* parent;
        QRect geometry;
    };
    const Place places[] = {
        {"pnl1", "client", {0, 0, 369, 105}},  {"grp1", "client", {0, 112, 369, 105}},
        {"grp2", "client", {0, 224, 369, 65}}, {"rb1", "pnl1", {8, 56, 169, 17}},
        {"rb2", "pnl1", {200, 56, 169, 17}},   {"edt1", "grp1", {216, 24, 25, 21}},
        {"edt2", "grp1", {248, 24, 25, 21}},   {"edt3", "grp1", {280, 24, 25, 21}},
        {"edt4", "grp1", {216, 64, 25, 21}},   {"edt5", "grp1", {248, 64, 25, 21}},
        {"edt6", "grp1", {280, 64, 25, 21}},   {"edt7", "grp2", {216, 24, 25, 21}},
        {"edt8", "grp2", {248, 24, 25, 21}},   {"edt9", "grp2", {280, 24, 25, 21}},
        {"showInSpaceButton", "client", {8, 294, 353, 23}},
    };
    for (const Place& p : places) {
        auto* w = form.findChild<QWidget*>(QLatin1String(p.name));
        ASSERT_NE(w, nullptr) << p.name;
        EXPECT_EQ(w->geometry(), p.geometry) << p.name;
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(p.parent)) << p.name;
    }
    EXPECT_EQ(form.centralWidget()->size(), QSize(369, 321));
    EXPECT_EQ(form.showInSpaceButton->text(), QStringLiteral("Показать в пространстве"));
    EXPECT_EQ(form.statusLine->height(), 19);
    EXPECT_EQ(form.inputGroup->title(), QStringLiteral("Исходные данные :"));
    EXPECT_EQ(form.resultGroup->title(), QStringLiteral("Решение :"));
    EXPECT_EQ(form.modeLabel->text(), QStringLiteral("Режим для расчетов:"));
    EXPECT_TRUE(form.modeLabel->font().bold() && form.modeLabel->font().underline());
    EXPECT_EQ(form.firstLabel->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(form.resultLabel1->palette().color(QPalette::WindowText), QColor(0, 128, 0));
}

TEST_F(CalculatorWindowTest, MenuHasTheFourCommandsInOrder)
{
    QStringList file;
    for (QAction* a : form.fileMenu->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QStringList run;
    for (QAction* a : form.runMenu->actions())
        run << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(form.fileMenu->title(), QStringLiteral("Файл"));
    EXPECT_EQ(form.runMenu->title(), QStringLiteral("Запуск"));
    EXPECT_EQ(file, (QStringList{"Сделать скриншот", "-", "Выход"}));
    EXPECT_EQ(run, (QStringList{"Рассчитать", "-", "Стереть введенные данные"}));
}

TEST_F(CalculatorWindowTest, TimerRelabelsForTheChosenMode)
{
    form.edgesToFaceRadio->click();
    EXPECT_EQ(form.mode(), SymbolMode::Face);
    EXPECT_TRUE(QTest::qWaitFor([&] { return labels() == kFaceLabels; }, 1000));
    EXPECT_EQ(labels(), kFaceLabels);
    form.facesToEdgeRadio->click();
    form.relabelForMode();
    EXPECT_EQ(labels(), kEdgeLabels);
}

TEST_F(CalculatorWindowTest, ChoosingTheOtherModeClearsAllNineFields)
{
    for (QLineEdit* f : fields())
        f->setText(QStringLiteral("5"));
    form.edgesToFaceRadio->click();
    for (QLineEdit* f : fields())
        EXPECT_TRUE(f->text().isEmpty()) << f->objectName().toStdString();

    for (QLineEdit* f : fields())
        f->setText(QStringLiteral("5"));
    form.edgesToFaceRadio->click(); // the mode already chosen: nothing changes
    for (QLineEdit* f : fields())
        EXPECT_EQ(f->text(), QStringLiteral("5"));
    form.facesToEdgeRadio->click();
    for (QLineEdit* f : fields())
        EXPECT_TRUE(f->text().isEmpty());
}

TEST_F(CalculatorWindowTest, ClearCommandEmptiesAllNineFields)
{
    for (QLineEdit* f : fields())
        f->setText(QStringLiteral("3"));
    form.clearAction->trigger();
    for (QLineEdit* f : fields())
        EXPECT_TRUE(f->text().isEmpty());
    EXPECT_TRUE(form.facesToEdgeRadio->isChecked());
}

TEST_F(CalculatorWindowTest, CalculateWritesTheResultFields)
{
    typeInputs({"1", "1", "0", "1", "-1", "0"});
    form.calculateAction->trigger();
    EXPECT_EQ(results(), (QStringList{"0", "0", "-2"}));
    EXPECT_TRUE(ui.messages.isEmpty() && ui.errors.isEmpty());

    form.edgesToFaceRadio->click();
    typeInputs({"1", "0", "0", "0", "1", "0"});
    form.calculate();
    EXPECT_EQ(results(), (QStringList{"0", "0", "1"}));
}

TEST_F(CalculatorWindowTest, EmptyFieldShowsTheModesMessageAndKeepsTheResults)
{
    typeInputs({"1", "2", "3", "4", "", "6"});
    setResults("7", "8", "9");
    form.calculate();
    EXPECT_EQ(ui.messages, QStringList{"Не введены символы граней!"});
    EXPECT_TRUE(ui.errors.isEmpty());
    EXPECT_EQ(results(), (QStringList{"7", "8", "9"}));

    form.edgesToFaceRadio->click();
    typeInputs({"", "2", "3", "4", "5", "6"});
    setResults("7", "8", "9");
    form.calculate();
    EXPECT_EQ(ui.messages.last(), QStringLiteral("Не введены символы рёбер!"));
    EXPECT_EQ(results(), (QStringList{"7", "8", "9"}));
}

TEST_F(CalculatorWindowTest, InvalidFieldShowsTheConversionErrorAndKeepsEveryResult)
{
    typeInputs({"x", "2", "3", "4", "5", "6"});
    setResults("7", "8", "9");
    form.calculate();
    EXPECT_EQ(ui.errors, QStringList{"'x' is not a valid integer value"});
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(results(), (QStringList{"7", "8", "9"}));
}

TEST_F(CalculatorWindowTest, NoInputEndsTheProgram)
{
    // 1e4932 reads as a finite real; its product with 2 does not. The field
    // is refused as no integer, and nothing is written.
    typeInputs({"1", "1e4932", "1", "1", "1", "2"});
    setResults("7", "8", "9");
    form.calculateAction->trigger();
    EXPECT_EQ(ui.errors, QStringList{"'1e4932' is not a valid integer value"});
    EXPECT_EQ(results(), (QStringList{"7", "8", "9"}));

    // A field set to a line with its line break holds no number either (it
    // is first read as a real, in the first row).
    typeInputs({"1", "2", "3", "4", "5", "6"});
    form.second3Field->setText(QStringLiteral("5\n"));
    ASSERT_EQ(form.second3Field->text(), QStringLiteral("5\n"));
    form.calculate();
    EXPECT_EQ(ui.errors.last(), QStringLiteral("'5\n' is not a valid floating point value"));
    EXPECT_EQ(results(), (QStringList{"7", "8", "9"}));
}

TEST_F(CalculatorWindowTest, RealReadingsFollowTheWindowsLocale)
{
    typeInputs({"1", "2,5", "3", "4", "5", "6"});
    form.calculate();
    EXPECT_EQ(ui.errors, QStringList{"'2,5' is not a valid integer value"});
    form.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    form.calculate();
    EXPECT_EQ(ui.errors.last(), QStringLiteral("'2,5' is not a valid floating point value"));
}

TEST_F(CalculatorWindowTest, HintsGoToTheStatusBarOnly)
{
    EXPECT_EQ(HintOf(form.first1Field), QStringLiteral("Символ первой грани/ребра"));
    EXPECT_EQ(HintOf(form.second3Field), QStringLiteral("Символ второй грани/ребра"));
    EXPECT_EQ(HintOf(form.result2Field), QStringLiteral("Полученное решение"));
    EXPECT_EQ(EffectiveHint(form.firstLabel), QStringLiteral("Облать для ввода данных"));
    EXPECT_EQ(EffectiveHint(form.facesToEdgeRadio), QStringLiteral("Облать переключения режимов расчета"));
    EXPECT_EQ(EffectiveHint(form.resultLabel1), QStringLiteral("Облать вывода рассчитанных данных"));
    for (QWidget* w : form.findChildren<QWidget*>())
        EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();

    form.showHint(QStringLiteral("Окно построения объектов"));
    EXPECT_EQ(form.statusLine->currentMessage(), QStringLiteral("Окно построения объектов"));
    form.showHint(QString());
    EXPECT_TRUE(form.statusLine->currentMessage().isEmpty());
}

TEST_F(CalculatorWindowTest, ExitHidesAndShowingAgainFindsTheFieldsAsLeft)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.edgesToFaceRadio->click();
    typeInputs({"1", "2", "3", "4", "5", "6"});
    form.exitAction->trigger();
    EXPECT_FALSE(form.isVisible());
    form.show();
    EXPECT_TRUE(form.edgesToFaceRadio->isChecked());
    EXPECT_EQ(form.first2Field->text(), QStringLiteral("2"));
}

// Reads the 24-bit bitmap header fields: width, height, bits per pixel.
struct BitmapHeader {
    QByteArray magic;
    qint32 width = 0;
    qint32 height = 0;
    quint16 bitsPerPixel = 0;
};

BitmapHeader readBitmapHeader(const QString& path)
{
    QFile file(path);
    BitmapHeader h;
    if (!file.open(QIODevice::ReadOnly))
        return h;
    const QByteArray bytes = file.read(54);
    auto le = [&](int offset, int count) {
        quint32 v = 0;
        for (int i = count - 1; i >= 0; --i)
            v = (v << 8) | static_cast<quint8>(bytes[offset + i]);
        return v;
    };
    h.magic = bytes.left(2);
    h.width = static_cast<qint32>(le(18, 4));
    h.height = static_cast<qint32>(le(22, 4));
    h.bitsPerPixel = static_cast<quint16>(le(28, 2));
    return h;
}

TEST_F(CalculatorWindowTest, ScreenshotWritesTheWholeWindowIntoScreenshots)
{
    QTemporaryDir programDir;
    ASSERT_TRUE(QDir(programDir.path()).mkdir(QStringLiteral("Screenshots")));
    form.setProgramDir(programDir.path());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(200);

    const QDateTime before = QDateTime::currentDateTime();
    form.screenshotAction->trigger();
    const QDateTime after = QDateTime::currentDateTime();

    EXPECT_EQ(ui.messages, QStringList{"Скриншот сохранен в  папку Screenshots!"});
    EXPECT_TRUE(ui.errors.isEmpty()) << ui.errors.join(' ').toStdString();
    const QDir shots(programDir.filePath(QStringLiteral("Screenshots")));
    const QStringList files = shots.entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    // Russian short date and long time, time separator ".".
    const QString stampBefore = before.toString(QStringLiteral("dd.MM.yyyy_HH.mm.ss"));
    const QString stampAfter = after.toString(QStringLiteral("dd.MM.yyyy_HH.mm.ss"));
    EXPECT_TRUE(files[0] == "Calc" + stampBefore + ".bmp" || files[0] == "Calc" + stampAfter + ".bmp")
        << files[0].toStdString();

    const QString path = shots.filePath(files[0]);
    const BitmapHeader header = readBitmapHeader(path);
    EXPECT_EQ(header.magic, QByteArray("BM"));
    EXPECT_EQ(header.bitsPerPixel, 24);
    EXPECT_EQ(QSize(header.width, header.height), form.frameGeometry().size());

    // The mode panel's colour shows at its place below the menu bar.
    const QImage picture(path);
    ASSERT_FALSE(picture.isNull());
    const QPoint frameOffset = form.geometry().topLeft() - form.frameGeometry().topLeft();
    const QPoint inPanel = form.modePanel->mapTo(&form, QPoint(5, 40)) + frameOffset;
    EXPECT_EQ(picture.pixelColor(inPanel), QColor(185, 209, 234));
}

TEST_F(CalculatorWindowTest, ScreenshotOnAFullDiskLeavesNoPartialFile)
{
    QTemporaryDir programDir;
    ASSERT_TRUE(QDir(programDir.path()).mkdir(QStringLiteral("Screenshots")));
    form.setProgramDir(programDir.path());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    {
        // The disk fills up after the headers and a few rows.
        ScopedWriteFault full({.bytesBeforeError = 4096});
        form.takeScreenshot();
    }
    ASSERT_EQ(ui.errors.size(), 1);
    const QString expectedStart = QStringLiteral("Cannot create file \"") + programDir.path() + "/Screenshots/Calc";
    EXPECT_TRUE(ui.errors[0].startsWith(expectedStart)) << ui.errors[0].toStdString();
    EXPECT_TRUE(ui.errors[0].endsWith(QStringLiteral(".bmp\". No space left on device"))) << ui.errors[0].toStdString();
    EXPECT_TRUE(ui.messages.isEmpty());
    const QDir shots(programDir.filePath(QStringLiteral("Screenshots")));
    EXPECT_TRUE(shots.entryList(QDir::Files | QDir::Hidden).isEmpty()) << shots.entryList(QDir::Files | QDir::Hidden).join(' ').toStdString();
}

TEST_F(CalculatorWindowTest, ScreenshotWithoutTheFolderReportsThePath)
{
    QTemporaryDir programDir;
    form.setProgramDir(programDir.path());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.takeScreenshot();
    ASSERT_EQ(ui.errors.size(), 1);
    const QString expectedStart = QStringLiteral("Cannot create file \"") + programDir.path() + "/Screenshots/Calc";
    EXPECT_TRUE(ui.errors[0].startsWith(expectedStart)) << ui.errors[0].toStdString();
    EXPECT_TRUE(ui.errors[0].contains(QStringLiteral(".bmp\". ")));
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_FALSE(QDir(programDir.path()).exists(QStringLiteral("Screenshots")));
}

} // namespace
} // namespace vestrel
