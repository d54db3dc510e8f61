// SPDX-License-Identifier: MIT
// Hint routing to the status bars, and reading the Windows-1251 texts.
#include "logic/hints.h"
#include "logic/info_text.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
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
}

TEST(InformationText, AllEighteenShippedTextsDecodeToCyrillic)
{
    const QStringList names{"NaCl", "Cu2O", "Almaz", "Graphit", "CsCl", "Sfalerit", "Vurtcit", "Alpha-Fe",
                            "Gamma-Fe", "CuFeS2", "BN", "CdI2", "FeS2", "CaF2", "Mg", "TiO2", "Cu", "CaCO3"};
    for (const QString& name : names) {
        const QString path = QStringLiteral(VESTREL_PROGRAM_DIR "/Data/Information/%1.txt").arg(name);
        QString error;
        const auto lines = LoadInformationText(path, &error);
        ASSERT_TRUE(lines) << name.toStdString() << ": " << error.toStdString();
        EXPECT_GE(lines->size(), 15) << name.toStdString();
        EXPECT_LE(lines->size(), 40) << name.toStdString();
        const QString text = lines->join('\n');
        int cyrillic = 0;
        for (QChar ch : text)
            if (ch.unicode() >= 0x0410 && ch.unicode() <= 0x044F)
                ++cyrillic;
        EXPECT_GT(cyrillic, 200) << name.toStdString();
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << name.toStdString();
    }
}

// Like the others, the gamma-iron text gives the density, and since
// gamma iron exists only when hot, the temperature it holds for.
TEST(InformationText, EveryShippedTextGivesTheDensity)
{
    const QStringList names{"NaCl", "Cu2O", "Almaz", "Graphit", "CsCl", "Sfalerit", "Vurtcit", "Alpha-Fe",
                            "Gamma-Fe", "CuFeS2", "BN", "CdI2", "FeS2", "CaF2", "Mg", "TiO2", "Cu", "CaCO3"};
    const QRegularExpression density(
        QStringLiteral("[Пп]лотность\\s+(около\\s+)?\\d+(,\\d+)?(–\\d+(,\\d+)?)?\\s+г/см3"));
    for (const QString& name : names) {
        QString error;
        const auto lines =
            LoadInformationText(QStringLiteral(VESTREL_PROGRAM_DIR "/Data/Information/%1.txt").arg(name), &error);
        ASSERT_TRUE(lines) << name.toStdString() << ": " << error.toStdString();
        const QString text = lines->join(' ');
        EXPECT_TRUE(density.match(text).hasMatch()) << name.toStdString();
    }
    QString error;
    const auto gamma = LoadInformationText(QStringLiteral(VESTREL_PROGRAM_DIR "/Data/Information/Gamma-Fe.txt"), &error);
    ASSERT_TRUE(gamma);
    const auto hot = QRegularExpression(QStringLiteral("лотность около 7,6 г/см3[^.]*950 °C")).match(gamma->join(' '));
    EXPECT_TRUE(hot.hasMatch()) << "about 7.6 g/cm3 near 950 °C";
}

} // namespace
} // namespace vestrel
