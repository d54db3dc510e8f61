// SPDX-License-Identifier: MIT
// Hint routing to the status bars, and reading the information texts: the
// Russian ones in Windows-1251, the English ones in UTF-8.
#include "logic/catalogue.h"
#include "logic/hints.h"
#include "logic/info_text.h"
#include "logic/text/language.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace vestrel {
namespace {

TEST(Hints, ShortPartIsTheToolTipLongPartTheStatusText)
{
    QCheckBox box;
    SetHint(&box, QStringLiteral("Коротко|Длинная подсказка "));
    EXPECT_EQ(box.toolTip(), QStringLiteral("Коротко"));
    EXPECT_EQ(LongHint(HintOf(&box)), QStringLiteral("Длинная подсказка "));
    EXPECT_EQ(LongHint(QStringLiteral("Без черты")), QStringLiteral("Без черты"));
}

TEST(Hints, AControlWithoutAHintShowsItsNearestEnclosingOne)
{
    QGroupBox outer;
    SetHint(&outer, QStringLiteral("Опции"));
    auto* inner = new QGroupBox(&outer);
    auto* box = new QCheckBox(inner);
    EXPECT_EQ(EffectiveHint(box), QStringLiteral("Опции"));
    SetHint(inner, QStringLiteral("Ближе"));
    EXPECT_EQ(EffectiveHint(box), QStringLiteral("Ближе"));
    QCheckBox lonely;
    EXPECT_TRUE(EffectiveHint(&lonely).isEmpty());
}

TEST(HintRouter, SendsTheLongHintToEveryStatusBarAndClearsOnEmpty)
{
    HintRouter router;
    QStatusBar main, settings;
    router.addStatusBar(&main);
    router.addStatusBar(&settings);
    QCheckBox box;
    SetHint(&box, QStringLiteral("a|Построить ось OX"));
    router.showHint(&box);
    EXPECT_EQ(main.currentMessage(), QStringLiteral("Построить ось OX"));
    EXPECT_EQ(settings.currentMessage(), QStringLiteral("Построить ось OX"));
    QCheckBox none;
    router.showHint(&none);
    EXPECT_TRUE(main.currentMessage().isEmpty());
    EXPECT_TRUE(settings.currentMessage().isEmpty());
}

TEST(InformationText, DecodesWindows1251LineByLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    // "Галит NaCl" CR LF "Куб" in Windows-1251.
    f.write(QByteArray::fromHex("c3e0ebe8f2204e61436c0d0acad3c1"));
    f.close();
    QString error;
    const auto lines = LoadInformationText(path, &error);
    ASSERT_TRUE(lines) << error.toStdString();
    EXPECT_EQ(*lines, (QStringList{QStringLiteral("Галит NaCl"), QStringLiteral("КУБ")}));
}

TEST(InformationText, AMissingFileGivesTheMessageWithTheFullPath)
{
    QString error;
    EXPECT_FALSE(LoadInformationText(QStringLiteral("/nonexistent/Data/Information/NaCl.txt"), &error));
    EXPECT_EQ(error, QStringLiteral("Cannot open file \"/nonexistent/Data/Information/NaCl.txt\". No such file or directory"));
}

TEST(InformationText, AnUndefinedByteIsRefused)
{
    EXPECT_FALSE(DecodeWindows1251(QByteArray("ab\x98", 3)));
    EXPECT_TRUE(DecodeWindows1251(QByteArray("ab\xb9", 3))); // №
    EXPECT_FALSE(DecodeUtf8(QByteArray("ab\xb9", 3)));        // a lone continuation byte
    EXPECT_EQ(DecodeUtf8(QByteArray("\xef\xbb\xbf" "1 \xc2\xb0" "C")), QStringLiteral("1 °C")); // the mark dropped
}

TEST(InformationText, AMalformedUtf8TextGivesItsOwnMessage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("en.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Density 2.16 g/cm3\n\xc3\xa9t\xc3\n"); // the last letter cut short
    f.close();
    QString error;
    EXPECT_FALSE(LoadInformationText(path, &error, TextEncoding::Utf8));
    EXPECT_EQ(error, QStringLiteral("The file \"%1\" is not a UTF-8 text.").arg(path));
    EXPECT_TRUE(LoadInformationText(path, &error)) << "the same bytes are a Windows-1251 text";
}

// The interface's language for one test; Russian again after it.
class LanguageScope {
public:
    explicit LanguageScope(Language language) { SetCurrentLanguage(language); }
    ~LanguageScope() { SetCurrentLanguage(Language::Russian); }
};

// The crystal's text as the program finds it beside the executable.
std::optional<QStringList> LoadShippedText(int item, QString* error)
{
    const QString path = QStringLiteral(VESTREL_PROGRAM_DIR "/") + InformationFile(item);
    return LoadInformationText(path, error, InformationTextEncoding(path));
}

// What every text of a language must show. The density capture is its
// figure: one number or a range.
struct TextLanguage {
    Language language;
    const char* name;
    QRegularExpression density;
    QRegularExpression gammaIronHot; // about 7.6 g/cm3 near 950 °C
};

const TextLanguage& Texts(Language language)
{
    static const TextLanguage russian{
        Language::Russian, "Russian",
        QRegularExpression(QStringLiteral(
            "[Пп]лотность\\s+(?:около\\s+)?(\\d+(?:,\\d+)?(?:–\\d+(?:,\\d+)?)?)\\s+г/см3")),
        QRegularExpression(QStringLiteral("лотность около 7,6 г/см3[^.]*950 °C"))};
    static const TextLanguage english{
        Language::English, "English",
        QRegularExpression(QStringLiteral(
            "[Dd]ensity\\s+(?:of\\s+)?(?:about\\s+)?(\\d+(?:\\.\\d+)?(?:–\\d+(?:\\.\\d+)?)?)\\s+g/cm3")),
        QRegularExpression(QStringLiteral("ensity about 7\\.6 g/cm3[^.]*950 °C"))};
    return language == Language::English ? english : russian;
}

int CyrillicLetters(const QString& text)
{
    const auto cyrillic = [](QChar ch) { return ch.unicode() >= 0x0400 && ch.unicode() <= 0x04FF; };
    return static_cast<int>(std::count_if(text.begin(), text.end(), cyrillic));
}

// The density figures the text gives, with a decimal point: "2.16; 4.9–5.2".
std::string DensityFigures(const QString& text, const QRegularExpression& density)
{
    QStringList figures;
    for (auto it = density.globalMatch(text); it.hasNext();)
        figures << it.next().captured(1).replace(QLatin1Char(','), QLatin1Char('.'));
    return figures.join(QStringLiteral("; ")).toStdString();
}

// Chemical formulas written in Latin letters: NaCl, Cu2O, Mg(OH)2,
// Cu(In,Ga)Se2, KCl·MgCl2·6H2O. Space-group symbols (Fm-3m, P6_3/mmc) and
// units (°C) are left out by what stands next to them.
QStringList Formulas(const QString& text)
{
    static const QRegularExpression formula(QStringLiteral(
        "(?<![A-Za-z0-9_°/-])"
        "(?:[A-Z][a-z]?\\d*|\\((?:[A-Z][a-z]?\\d*)+(?:,(?:[A-Z][a-z]?\\d*)+)*\\)\\d*)+"
        "(?:·\\d*(?:[A-Z][a-z]?\\d*|\\((?:[A-Z][a-z]?\\d*)+\\)\\d*)+)*"
        "(?![A-Za-z0-9_/-])"));
    QStringList found;
    for (auto it = formula.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.removeDuplicates();
    return found;
}

class ShippedTexts : public testing::TestWithParam<Language> {};

TEST_P(ShippedTexts, EveryCrystalsTextLoadsInItsLanguageAndGivesTheDensity)
{
    const TextLanguage& texts = Texts(GetParam());
    const LanguageScope scope(texts.language);
    for (int item = 1; item <= StructureCount; ++item) {
        const std::string name = Structures[item - 1].fileName;
        QString error;
        const auto lines = LoadShippedText(item, &error);
        ASSERT_TRUE(lines) << name << ": " << error.toStdString();
        EXPECT_GE(lines->size(), 15) << name;
        EXPECT_LE(lines->size(), 40) << name;
        const QString text = lines->join(' ');
        if (texts.language == Language::Russian)
            EXPECT_GT(CyrillicLetters(text), 200) << name;
        else
            EXPECT_EQ(CyrillicLetters(text), 0) << name;
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << name;
        EXPECT_TRUE(texts.density.match(text).hasMatch()) << name;
        // Gamma iron exists only when hot: its density holds for 950 °C.
        if (Structures[item - 1].scene == SceneId::GammaIron)
            EXPECT_TRUE(texts.gammaIronHot.match(text).hasMatch()) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ShippedTexts, testing::Values(Language::Russian, Language::English),
                         [](const testing::TestParamInfo<Language>& info) { return Texts(info.param).name; });

TEST(InformationText, TheEnglishTextGivesTheRussianOnesDensityAndFormulas)
{
    for (int item = 1; item <= StructureCount; ++item) {
        const std::string name = Structures[item - 1].fileName;
        QString error;
        const auto russian = LoadShippedText(item, &error);
        ASSERT_TRUE(russian) << name << ": " << error.toStdString();
        std::optional<QStringList> english;
        {
            const LanguageScope scope(Language::English);
            english = LoadShippedText(item, &error);
        }
        ASSERT_TRUE(english) << name << ": " << error.toStdString();
        const QString ru = russian->join(' ');
        const QString en = english->join(' ');
        const std::string density = DensityFigures(ru, Texts(Language::Russian).density);
        EXPECT_FALSE(density.empty()) << name;
        EXPECT_EQ(DensityFigures(en, Texts(Language::English).density), density) << name;
        const QStringList formulas = Formulas(ru);
        EXPECT_FALSE(formulas.isEmpty()) << name;
        for (const QString& formula : formulas)
            EXPECT_TRUE(en.contains(formula)) << name << ": " << formula.toStdString();
    }
}

} // namespace
} // namespace vestrel
