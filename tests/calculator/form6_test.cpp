// SPDX-License-Identifier: MIT
// The calculator window: its controls, relabelling, clearing, calculation
// through the fields, messages, hints and its screenshot.
#include "app/form6.h"

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
#include <gtest/gtest.h>

namespace vestrel {
namespace {

struct FakeMessages : MessageUi {
    QStringList messages;
    QStringList errors;
    void message(const QString& text) override { messages << text; }
    void error(const QString& text) override { errors << text; }
};

class Form6Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.setMessageUi(&ui);
        form.setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    }

    std::array<QLineEdit*, 9> fields() const
    {
        return {form.edt1, form.edt2, form.edt3, form.edt4, form.edt5,
                form.edt6, form.edt7, form.edt8, form.edt9};
    }

    void typeInputs(std::array<const char*, 6> texts)
    {
        for (int i = 0; i < 6; ++i)
            fields()[i]->setText(QString::fromUtf8(texts[i]));
    }

    void setResults(const char* a, const char* b, const char* c)
    {
        form.edt7->setText(QString::fromUtf8(a));
        form.edt8->setText(QString::fromUtf8(b));
        form.edt9->setText(QString::fromUtf8(c));
    }

    QStringList results() const { return {form.edt7->text(), form.edt8->text(), form.edt9->text()}; }

    QStringList labels() const
    {
        QStringList texts;
        for (QLabel* l : {form.lbl2, form.lbl3, form.lbl4, form.lbl5, form.lbl6, form.lbl7, form.lbl8,
                          form.lbl9, form.lbl10})
            texts << l->text();
        return texts;
    }

    FakeMessages ui;
    Form6 form;
};

const QStringList kEdgeLabels{"Символ первой грани :", "Символ второй грани :", "Символ ребра :", "(", "(",
                              ")", ")", "[", "]"};
const QStringList kFaceLabels{"Символ первого ребра :", "Символ второго ребра :", "Символ грани :", "[", "[",
                              "]", "]", "(", ")"};

TEST_F(Form6Test, StartsInEdgeModeWithEmptyFields)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Расчет символов граней и ребер"));
    EXPECT_TRUE(form.rb1->isChecked());
    EXPECT_FALSE(form.rb2->isChecked());
    EXPECT_EQ(form.mode(), SymbolMode::Edge);
    EXPECT_EQ(labels(), kEdgeLabels);
    for (QLineEdit* f : fields())
        EXPECT_TRUE(f->text().isEmpty());
    EXPECT_TRUE(form.tmr1->isActive());
    EXPECT_EQ(form.tmr1->interval(), 100);
    EXPECT_TRUE(form.isHidden());
}

TEST_F(Form6Test, ControlsSitWhereTheDesignPutsThem)
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
    };
    for (const Place& p : places) {
        auto* w = form.findChild<QWidget*>(QLatin1String(p.name));
        ASSERT_NE(w, nullptr) << p.name;
        EXPECT_EQ(w->geometry(), p.geometry) << p.name;
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(p.parent)) << p.name;
    }
    EXPECT_EQ(form.centralWidget()->size(), QSize(369, 289));
    EXPECT_EQ(form.stat1->height(), 19);
    EXPECT_EQ(form.grp1->title(), QStringLiteral("Исходные данные :"));
    EXPECT_EQ(form.grp2->title(), QStringLiteral("Решение :"));
    EXPECT_EQ(form.lbl1->text(), QStringLiteral("Режим для расчетов:"));
    EXPECT_TRUE(form.lbl1->font().bold() && form.lbl1->font().underline());
    EXPECT_EQ(form.lbl2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(form.lbl4->palette().color(QPalette::WindowText), QColor(0, 128, 0));
}

TEST_F(Form6Test, MenuHasTheFourCommandsInOrder)
{
    QStringList file;
    for (QAction* a : form.N1->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QStringList run;
    for (QAction* a : form.N4->actions())
        run << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(form.N1->title(), QStringLiteral("Файл"));
    EXPECT_EQ(form.N4->title(), QStringLiteral("Запуск"));
    EXPECT_EQ(file, (QStringList{"Сделать скриншот", "-", "Выход"}));
    EXPECT_EQ(run, (QStringList{"Рассчитать", "-", "Стереть введенные данные"}));
}

TEST_F(Form6Test, TimerRelabelsForTheChosenMode)
{
    form.rb2->click();
    EXPECT_EQ(form.mode(), SymbolMode::Face);
    EXPECT_TRUE(QTest::qWaitFor([&] { return labels() == kFaceLabels; }, 1000));
    EXPECT_EQ(labels(), kFaceLabels);
    form.rb1->click();
    form.tmr1Timer();
    EXPECT_EQ(labels(), kEdgeLabels);
}

TEST_F(Form6Test, ChoosingTheOtherModeClearsAllNineFields)
{
    for (QLineEdit* f : fields())
        f->setText(QStringLiteral("5"));
    form.rb2->click();
    for (QLineEdit* f : fields())
        EXPECT_TRUE(f->text().isEmpty()) << f->objectName().toStdString();

    for (QLineEdit* f : fields())
        f->setText(QStringLiteral("5"));
    form.rb2->click(); // the mode already chosen: nothing changes
    for (QLineEdit* f : fields())
        EXPECT_EQ(f->text(), QStringLiteral("5"));
    form.rb1->click();
    for (QLineEdit* f : fields())
        EXPECT_TRUE(f->text().isEmpty());
}

TEST_F(Form6Test, ClearCommandEmptiesAllNineFields)
{
    for (QLineEdit* f : fields())
        f->setText(QStringLiteral("3"));
    form.N6->trigger();
    for (QLineEdit* f : fields())
        EXPECT_TRUE(f->text().isEmpty());
    EXPECT_TRUE(form.rb1->isChecked());
}

TEST_F(Form6Test, CalculateWritesTheResultFields)
{
    typeInputs({"1", "1", "0", "1", "-1", "0"});
    form.N5->trigger();
    EXPECT_EQ(results(), (QStringList{"0", "0", "-2"}));
    EXPECT_TRUE(ui.messages.isEmpty() && ui.errors.isEmpty());

    form.rb2->click();
    typeInputs({"1", "0", "0", "0", "1", "0"});
    form.N5Click();
    EXPECT_EQ(results(), (QStringList{"0", "0", "1"}));
}

TEST_F(Form6Test, EmptyFieldShowsTheModesMessageAndKeepsTheResults)
{
    typeInputs({"1", "2", "3", "4", "", "6"});
    setResults("7", "8", "9");
    form.N5Click();
    EXPECT_EQ(ui.messages, QStringList{"Не введены символы граней!"});
    EXPECT_TRUE(ui.errors.isEmpty());
    EXPECT_EQ(results(), (QStringList{"7", "8", "9"}));

    form.rb2->click();
    typeInputs({"", "2", "3", "4", "5", "6"});
    setResults("7", "8", "9");
    form.N5Click();
    EXPECT_EQ(ui.messages.last(), QStringLiteral("Не введены символы рёбер!"));
    EXPECT_EQ(results(), (QStringList{"7", "8", "9"}));
}

TEST_F(Form6Test, InvalidFieldShowsTheConversionErrorAndKeepsEveryResult)
{
    typeInputs({"x", "2", "3", "4", "5", "6"});
    setResults("7", "8", "9");
    form.N5Click();
    EXPECT_EQ(ui.errors, QStringList{"'x' is not a valid integer value"});
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(results(), (QStringList{"7", "8", "9"}));
}

TEST_F(Form6Test, NoInputEndsTheProgram)
{
    // 1e4932 reads as a finite real; its product with 2 does not. The field
    // is refused as no integer, and nothing is written.
    typeInputs({"1", "1e4932", "1", "1", "1", "2"});
    setResults("7", "8", "9");
    form.N5->trigger();
    EXPECT_EQ(ui.errors, QStringList{"'1e4932' is not a valid integer value"});
    EXPECT_EQ(results(), (QStringList{"7", "8", "9"}));

    // A field set to a line with its line break holds no number either (it
    // is first read as a real, in the first row).
    typeInputs({"1", "2", "3", "4", "5", "6"});
    form.edt6->setText(QStringLiteral("5\n"));
    ASSERT_EQ(form.edt6->text(), QStringLiteral("5\n"));
    form.N5Click();
    EXPECT_EQ(ui.errors.last(), QStringLiteral("'5\n' is not a valid floating point value"));
    EXPECT_EQ(results(), (QStringList{"7", "8", "9"}));
}

TEST_F(Form6Test, RealReadingsFollowTheWindowsLocale)
{
    typeInputs({"1", "2,5", "3", "4", "5", "6"});
    form.N5Click();
    EXPECT_EQ(ui.errors, QStringList{"'2,5' is not a valid integer value"});
    form.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    form.N5Click();
    EXPECT_EQ(ui.errors.last(), QStringLiteral("'2,5' is not a valid floating point value"));
}

TEST_F(Form6Test, HintsGoToTheStatusBarOnly)
{
    EXPECT_EQ(HintOf(form.edt1), QStringLiteral("Символ первой грани/ребра"));
    EXPECT_EQ(HintOf(form.edt6), QStringLiteral("Символ второй грани/ребра"));
    EXPECT_EQ(HintOf(form.edt8), QStringLiteral("Полученное решение"));
    EXPECT_EQ(EffectiveHint(form.lbl2), QStringLiteral("Облать для ввода данных"));
    EXPECT_EQ(EffectiveHint(form.rb1), QStringLiteral("Облать переключения режимов расчета"));
    EXPECT_EQ(EffectiveHint(form.lbl4), QStringLiteral("Облать вывода рассчитанных данных"));
    for (QWidget* w : form.findChildren<QWidget*>())
        EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();

    form.ApplicationEvents1Hint(QStringLiteral("Окно построения объектов"));
    EXPECT_EQ(form.stat1->currentMessage(), QStringLiteral("Окно построения объектов"));
    form.ApplicationEvents1Hint(QString());
    EXPECT_TRUE(form.stat1->currentMessage().isEmpty());
}

TEST_F(Form6Test, ExitHidesAndShowingAgainFindsTheFieldsAsLeft)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.rb2->click();
    typeInputs({"1", "2", "3", "4", "5", "6"});
    form.N3->trigger();
    EXPECT_FALSE(form.isVisible());
    form.show();
    EXPECT_TRUE(form.rb2->isChecked());
    EXPECT_EQ(form.edt2->text(), QStringLiteral("2"));
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

TEST_F(Form6Test, ScreenshotWritesTheWholeWindowIntoScreenshots)
{
    QTemporaryDir programDir;
    ASSERT_TRUE(QDir(programDir.path()).mkdir(QStringLiteral("Screenshots")));
    form.setProgramDir(programDir.path());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(200);

    const QDateTime before = QDateTime::currentDateTime();
    form.N2->trigger();
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
    const QPoint inPanel = form.pnl1->mapTo(&form, QPoint(5, 40)) + frameOffset;
    EXPECT_EQ(picture.pixelColor(inPanel), QColor(185, 209, 234));
}

TEST_F(Form6Test, ScreenshotOnAFullDiskLeavesNoPartialFile)
{
    QTemporaryDir programDir;
    ASSERT_TRUE(QDir(programDir.path()).mkdir(QStringLiteral("Screenshots")));
    form.setProgramDir(programDir.path());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    {
        // The disk fills up after the headers and a few rows.
        ScopedWriteFault full({.bytesBeforeError = 4096});
        form.N2Click();
    }
    ASSERT_EQ(ui.errors.size(), 1);
    const QString expectedStart = QStringLiteral("Cannot create file \"") + programDir.path() + "/Screenshots/Calc";
    EXPECT_TRUE(ui.errors[0].startsWith(expectedStart)) << ui.errors[0].toStdString();
    EXPECT_TRUE(ui.errors[0].endsWith(QStringLiteral(".bmp\". No space left on device"))) << ui.errors[0].toStdString();
    EXPECT_TRUE(ui.messages.isEmpty());
    const QDir shots(programDir.filePath(QStringLiteral("Screenshots")));
    EXPECT_TRUE(shots.entryList(QDir::Files | QDir::Hidden).isEmpty()) << shots.entryList(QDir::Files | QDir::Hidden).join(' ').toStdString();
}

TEST_F(Form6Test, ScreenshotWithoutTheFolderReportsThePath)
{
    QTemporaryDir programDir;
    form.setProgramDir(programDir.path());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.N2Click();
    ASSERT_EQ(ui.errors.size(), 1);
    const QString expectedStart = QStringLiteral("Cannot create file \"") + programDir.path() + "/Screenshots/Calc";
    EXPECT_TRUE(ui.errors[0].startsWith(expectedStart)) << ui.errors[0].toStdString();
    EXPECT_TRUE(ui.errors[0].contains(QStringLiteral(".bmp\". ")));
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_FALSE(QDir(programDir.path()).exists(QStringLiteral("Screenshots")));
}

} // namespace
} // namespace vestrel
