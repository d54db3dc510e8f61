// SPDX-License-Identifier: MIT
// The interface in English: no Cyrillic letter reaches the screen in any
// window, menu, tool tip or status text; switching at run time relabels every
// open window, and switching back gives every Russian caption exactly as it
// was; the language follows the locale and is kept.
#include "app/application.h"
#include "app/interface_language.h"
#include "app/main_window.h"
#include "logic/kept_settings.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vestrel {
namespace {

// Every text a user can see in the open windows, named by where it stands.
QStringList ShownTexts()
{
    QStringList texts;
    const auto add = [&texts](const QObject* where, const char* what, const QString& text) {
        if (!text.isEmpty())
            texts << QStringLiteral("%1/%2 %3: %4")
                         .arg(where->metaObject()->className(), where->objectName(), QLatin1String(what), text);
    };
    for (QWidget* w : QApplication::allWidgets()) {
        add(w, "title", w->windowTitle());
        add(w, "tool tip", w->toolTip());
        add(w, "status tip", w->statusTip());
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            add(w, "text", b->text());
        if (auto* l = qobject_cast<QLabel*>(w))
            add(w, "text", l->text());
        if (auto* g = qobject_cast<QGroupBox*>(w))
            add(w, "title", g->title());
        if (auto* m = qobject_cast<QMenu*>(w))
            add(w, "title", m->title());
        if (auto* e = qobject_cast<QLineEdit*>(w))
            add(w, "placeholder", e->placeholderText());
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                add(w, "item", c->itemText(i));
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i)
                add(w, "tab", t->tabText(i));
        for (const QAction* a : w->actions()) {
            add(a, "text", a->text());
            add(a, "tool tip", a->toolTip());
            add(a, "status tip", a->statusTip());
        }
    }
    texts.sort();
    return texts;
}

// Texts that are the same in both languages on purpose: the language menu
// names each language in its own words.
bool SameInBothLanguages(const QString& text)
{
    return text.endsWith(QStringLiteral("Язык / Language")) || text.endsWith(QStringLiteral(": Русский"));
}

// The texts with a Cyrillic letter, one per line.
std::string Cyrillic(const QStringList& texts)
{
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    QStringList found;
    for (const QString& t : texts)
        if (t.contains(cyrillic) && !SameInBothLanguages(t))
            found << t;
    return found.join(QLatin1Char('\n')).toStdString();
}

class InterfaceInEnglish : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareApplication();
        language = std::make_unique<InterfaceLanguage>();
        language->install(Language::Russian);
    }
    void TearDown() override
    {
        app.reset();
        language.reset();
        SetCurrentLanguage(Language::Russian);
    }
    void open()
    {
        app = std::make_unique<Application>(QStringLiteral(VESTREL_PROGRAM_DIR));
        app->setInterfaceLanguage(*language);
    }
    std::unique_ptr<InterfaceLanguage> language;
    std::unique_ptr<Application> app;
};

TEST_F(InterfaceInEnglish, TheTranslationsAreBuiltIntoTheProgram)
{
    EXPECT_TRUE(InterfaceTranslator().hasEnglish());
}

TEST_F(InterfaceInEnglish, WindowsMadeInEnglishShowNoCyrillic)
{
    language->install(Language::English);
    open();
    const QStringList texts = ShownTexts();
    EXPECT_GT(texts.size(), 200);
    EXPECT_EQ(Cyrillic(texts), "");
}

TEST_F(InterfaceInEnglish, SwitchingRelabelsEveryWindowAndBackGivesTheRussianCaptions)
{
    open();
    const QStringList russian = ShownTexts();
    auto* english = app->mainWindow().findChild<QAction*>(QStringLiteral("englishLanguageAction"));
    auto* russianItem = app->mainWindow().findChild<QAction*>(QStringLiteral("russianLanguageAction"));
    ASSERT_TRUE(english && russianItem);
    EXPECT_TRUE(russianItem->isChecked());
    english->trigger();
    EXPECT_EQ(CurrentLanguage(), Language::English);
    EXPECT_TRUE(english->isChecked());
    const QStringList switched = ShownTexts();
    EXPECT_EQ(Cyrillic(switched), "");
    EXPECT_EQ(app->keptSettings().language, Language::English);
    russianItem->trigger();
    EXPECT_EQ(ShownTexts().join(QLatin1Char('\n')).toStdString(), russian.join(QLatin1Char('\n')).toStdString());
}

TEST(InterfaceLanguageChoice, TheLocaleDecidesUntilAChoiceIsKept)
{
    for (const char* russianSpeaking : {"ru_RU", "uk_UA.UTF-8", "be_BY", "C", "POSIX"})
        EXPECT_EQ(LanguageForLocale(russianSpeaking), Language::Russian) << russianSpeaking;
    for (const char* other : {"en_GB", "de_DE.UTF-8", "fr_FR", "zh_CN"})
        EXPECT_EQ(LanguageForLocale(other), Language::English) << other;
    EXPECT_EQ(StartLanguage(Language::English), Language::English);

    QTemporaryDir dir;
    QSettings file(dir.filePath(QStringLiteral("kept.ini")), QSettings::IniFormat);
    SettingsStore store(file);
    EXPECT_FALSE(store.load().language);
    KeptSettings kept;
    kept.language = Language::English;
    ASSERT_TRUE(store.save(kept));
    EXPECT_EQ(store.load().language, Language::English);
    file.setValue(QStringLiteral("program/language"), QStringLiteral("klingon"));
    EXPECT_FALSE(store.load().language);
    EXPECT_TRUE(store.rejectedKeys().contains(QStringLiteral("program/language")));
}

} // namespace
} // namespace vestrel
