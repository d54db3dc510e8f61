// SPDX-License-Identifier: MIT
// A change of the interface's language reaches the texts the windows put
// together themselves (numbers, file names, status lines, two-part hints),
// which the relabelling of plain captions cannot turn, and the numbers
// follow the new language.
#include "app/calculator_window.h"
#include "app/colour_list.h"
#include "app/library_dialog.h"
#include "app/main_menus.h"
#include "app/powder_window.h"
#include "app/settings_window.h"
#include "app/stereogram_window.h"
#include "logic/hints.h"
#include "logic/options.h"
#include "render/offscreen/picture_renderer.h"

#include <QAbstractAxis>
#include <QChart>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <gtest/gtest.h>

#include <memory>

namespace vestrel {
namespace {

// Answers every Russian text with a marked copy, as a translation would.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        const QString text = QString::fromUtf8(source);
        for (const QChar c : text)
            if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF)
                return Mark + text;
        return {};
    }
    bool isEmpty() const override { return false; }
    static inline const QString Mark = QStringLiteral("EN ");
};

class LanguageChangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        startLocale = QLocale();
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        settings = std::make_unique<SettingsWindow>();
        calculator = std::make_unique<CalculatorWindow>();
        powder = std::make_unique<PowderWindow>();
        stereogram = std::make_unique<StereogramWindow>();
        library = std::make_unique<LibraryDialog>(nullptr, emptyFolder.path());
        main = std::make_unique<QMainWindow>();
        menus = new MainMenus(*main, options);
    }
    void TearDown() override
    {
        QCoreApplication::removeTranslator(&translator);
        QLocale::setDefault(startLocale);
    }
    // As the program switches: the new locale, then the translator, whose
    // installing sends every window QEvent::LanguageChange.
    void switchLanguage()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        menus->retranslate();
    }

    QLocale startLocale;
    MarkingTranslator translator;
    QTemporaryDir emptyFolder;
    Options options;
    std::unique_ptr<SettingsWindow> settings;
    std::unique_ptr<CalculatorWindow> calculator;
    std::unique_ptr<PowderWindow> powder;
    std::unique_ptr<StereogramWindow> stereogram;
    std::unique_ptr<LibraryDialog> library;
    std::unique_ptr<QMainWindow> main;
    MainMenus* menus = nullptr;
};

TEST_F(LanguageChangeTest, ComposedTextsAreComposedAnewAndNumbersFollowTheLanguage)
{
    // The relabelling gives a relabelled hint its tool tip back; the
    // calculator's hints belong to the status bar alone.
    SetHint(calculator->first1Field, MarkingTranslator::Mark + HintOf(calculator->first1Field));
    ASSERT_FALSE(calculator->first1Field->toolTip().isEmpty());
    switchLanguage();

    const QString mark = MarkingTranslator::Mark;
    const struct {
        const char* what;
        QString shown;
        QString expected;
    } cases[] = {
        {"settings: frame interval", settings->frameIntervalGroup->title(),
         mark + QStringLiteral("Частота смены кадров : %1 мсек").arg(settings->options().kept().frameInterval)},
        {"settings: smoothing hint", HintOf(settings->smoothCheck),
         mark + QStringLiteral("Сглаживание краёв и линий (%1 выборки на точку) в окне и в сохраняемых рисунках")
                    .arg(SmoothSamples)},
        {"powder: message", powder->messageLabel()->text(),
         mark + QStringLiteral("Дифрактограмма рассчитывается для структуры из файла: "
                               "откройте файл CIF командой «Файл» → «Открыть структуру…».")},
        {"powder: intensity axis", powder->chart()->axes(Qt::Vertical).value(0)->titleText(),
         mark + QStringLiteral("I, отн. ед.")},
        {"powder: chart numbers", QString(powder->chart()->locale().decimalPoint()), QStringLiteral(".")},
        {"stereogram: status line", stereogram->statusBar()->currentMessage(),
         mark + QStringLiteral("Постройте многогранник или выберите класс симметрии")},
        {"library: details", library->details->text(),
         mark + QStringLiteral("В папке %1 нет файлов структур.").arg(QDir::toNativeSeparators(emptyFolder.path()))},
        {"calculator: numbers", QString(calculator->locale().decimalPoint()), QStringLiteral(".")},
        {"calculator: no tool tip", calculator->first1Field->toolTip(), QString()},
        {"tool bar: two-part hint", HintOf(menus->button(Command::Erase)),
         mark + QStringLiteral("Стереть построенную структуру или многогранник|") + mark
             + QStringLiteral("Стереть построенную структуру или многогранник ")},
        {"tool bar: powder hint", HintOf(menus->button(Command::Powder)).section(QLatin1Char('|'), 0, 0),
         mark + QStringLiteral("Порошковая дифрактограмма")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown.toStdString(), c.expected.toStdString()) << c.what;
}

TEST_F(LanguageChangeTest, AColourListKeepsTheTextTypedIntoIt)
{
    ColourList* list = settings->screwAxisColourList;
    list->lineEdit()->clear();
    QTest::keyClicks(list->lineEdit(), QStringLiteral("violet"));
    ASSERT_EQ(list->itemIndex(), -1);
    // The relabelling renames the items, the current one too.
    for (int i = 0; i < list->count(); ++i)
        list->setItemText(i, MarkingTranslator::Mark + list->itemText(i));
    switchLanguage();
    EXPECT_EQ(list->lineEdit()->text().toStdString(), "violet");
    EXPECT_EQ(list->itemIndex(), -1);
}

} // namespace
} // namespace vestrel
