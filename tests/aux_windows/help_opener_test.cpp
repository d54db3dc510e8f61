// SPDX-License-Identifier: MIT
#include "app/help_opener.h"
#include "logic/text/language.h"
#include "tests/aux_windows/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace vestrel {
namespace {

using testing::ProgramFolder;

// Records what the help command asked of the desktop and what it told the
// user.
struct HelpRun {
    QList<QUrl> opened;
    QStringList messages;
    bool result = false;
};

HelpRun RunHelp(const QString& programDir, bool openerSucceeds)
{
    HelpRun run;
    HelpOpener opener;
    opener.setOpener([&](const QUrl& url) {
        run.opened.append(url);
        return openerSucceeds;
    });
    opener.setMessenger([&](const QString& text) { run.messages.append(text); });
    run.result = opener.open(programDir);
    return run;
}

TEST(HelpOpener, OpensTheStartPageOfTheProgramsHelp)
{
    const QString programDir = QStringLiteral(VESTREL_PROGRAM_DIR);
    const HelpRun run = RunHelp(programDir, true);
    EXPECT_TRUE(run.result);
    EXPECT_TRUE(run.messages.isEmpty()) << run.messages.join("; ").toStdString();
    ASSERT_EQ(run.opened.size(), 1);
    const QUrl& url = run.opened.front();
    EXPECT_EQ(url.scheme(), "file");
    EXPECT_EQ(QFileInfo(url.toLocalFile()).canonicalFilePath(),
              QFileInfo(programDir + "/help/index.html").canonicalFilePath());
}

TEST(HelpOpener, OpensTheFileUrlOfAnyProgramFolder)
{
    ProgramFolder folder;
    folder.writeBytes("help/index.html", "<html><body>Справка</body></html>");
    const HelpRun run = RunHelp(folder.path(), true);
    EXPECT_TRUE(run.result);
    ASSERT_EQ(run.opened.size(), 1);
    EXPECT_EQ(run.opened.front(), QUrl::fromLocalFile(folder.path() + "/help/index.html"));
}

TEST(HelpOpener, AMissingHelpFileIsReportedWithItsPath)
{
    ProgramFolder folder;
    const HelpRun run = RunHelp(folder.path(), true);
    EXPECT_FALSE(run.result);
    EXPECT_TRUE(run.opened.isEmpty());
    ASSERT_EQ(run.messages.size(), 1);
    EXPECT_EQ(run.messages.front(),
              QString::fromUtf8("Файл справки не найден: ") + folder.path() + "/help/index.html");
}

TEST(HelpOpener, AHelpFolderWithoutTheStartPageCountsAsMissing)
{
    ProgramFolder folder;
    QDir(folder.path()).mkpath("help/index.html"); // a folder, not a page
    const HelpRun run = RunHelp(folder.path(), true);
    EXPECT_FALSE(run.result);
    EXPECT_TRUE(run.opened.isEmpty());
    EXPECT_EQ(run.messages.size(), 1);
}

TEST(HelpOpener, WhenNothingOpensThePageTheUserIsToldWhereItIs)
{
    ProgramFolder folder;
    folder.writeBytes("help/index.html", "<html></html>");
    const HelpRun run = RunHelp(folder.path(), false);
    EXPECT_FALSE(run.result);
    EXPECT_EQ(run.opened.size(), 1);
    ASSERT_EQ(run.messages.size(), 1);
    EXPECT_EQ(run.messages.front(),
              QString::fromUtf8("Не удалось открыть справку. Откройте в браузере файл: ") + folder.path()
                  + "/help/index.html");
}

// The English interface opens the English start page when the program has
// it, and the Russian one otherwise.
TEST(HelpOpener, OpensTheStartPageInTheInterfacesLanguage)
{
    struct Case {
        Language language;
        bool hasEnglishPage;
        const char* opened;
    };
    for (const Case& c : {Case{Language::Russian, true, "help/index.html"},
                          Case{Language::English, true, "help/en/index.html"},
                          Case{Language::English, false, "help/index.html"}}) {
        ProgramFolder folder;
        folder.writeBytes("help/index.html", "<html lang=\"ru\"></html>");
        if (c.hasEnglishPage)
            folder.writeBytes("help/en/index.html", "<html lang=\"en\"></html>");
        SetCurrentLanguage(c.language);
        const HelpRun run = RunHelp(folder.path(), true);
        SetCurrentLanguage(Language::Russian);
        ASSERT_EQ(run.opened.size(), 1) << c.opened;
        EXPECT_EQ(run.opened.front(), QUrl::fromLocalFile(folder.file(c.opened))) << c.opened;
    }
}

QString ReadPage(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The targets of links within a page: every id= and name=.
QSet<QString> Anchors(const QString& page)
{
    static const QRegularExpression anchor(QStringLiteral("\\b(?:id|name)=\"([^\"]*)\""));
    QSet<QString> anchors;
    for (auto it = anchor.globalMatch(page); it.hasNext();)
        anchors.insert(it.next().captured(1));
    return anchors;
}

std::string Listed(const QSet<QString>& names)
{
    QStringList sorted(names.begin(), names.end());
    sorted.sort();
    return sorted.join(' ').toStdString();
}

// What a page says outside its elements marked lang="ru" (the Russian texts
// that an English page shows on purpose).
QString WithoutRussianElements(QString page)
{
    static const QRegularExpression russianOpen(QStringLiteral("<([a-z0-9]+)\\b[^>]*\\blang=\"ru\"[^>]*>"));
    for (auto m = russianOpen.match(page); m.hasMatch(); m = russianOpen.match(page, m.capturedStart())) {
        const QRegularExpression sameTag(QStringLiteral("<(/?)%1\\b[^>]*>").arg(m.captured(1)));
        qsizetype end = page.size();
        int depth = 0;
        for (auto it = sameTag.globalMatch(page, m.capturedStart()); it.hasNext();) {
            const auto tag = it.next();
            depth += tag.captured(1).isEmpty() ? 1 : -1;
            if (depth == 0) {
                end = tag.capturedEnd();
                break;
            }
        }
        page.remove(m.capturedStart(), end - m.capturedStart());
    }
    return page;
}

// Every page of the help has its English twin in help/en/ with the same
// anchors; every relative link of either leads to a file that is there (an
// English page's links to pages stay within help/en/) and to an anchor that
// the file has; the English pages speak English except where they show a
// Russian text marked as such.
TEST(HelpPages, EveryPageHasItsEnglishTwinAndEveryLinkLeadsSomewhere)
{
    const QDir russian(QStringLiteral(VESTREL_SOURCE_DIR "/help"));
    const QDir english(russian.filePath(QStringLiteral("en")));
    const QStringList pages = russian.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_GE(pages.size(), 10);
    EXPECT_EQ(english.entryList({QStringLiteral("*.html")}, QDir::Files).join(' ').toStdString(),
              pages.join(' ').toStdString());
    const QRegularExpression link(QStringLiteral("\\b(?:href|src)=\"([^\"#:]*)(?:#([^\"]*))?\""));
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    for (const QString& name : pages) {
        const QString ruPage = ReadPage(russian.filePath(name));
        const QString enPage = ReadPage(english.filePath(name));
        ASSERT_FALSE(ruPage.isEmpty()) << name.toStdString();
        if (enPage.isEmpty()) {
            ADD_FAILURE() << "en/" << name.toStdString() << " is missing";
            continue;
        }
        EXPECT_EQ(Listed(Anchors(enPage)), Listed(Anchors(ruPage))) << name.toStdString();
        EXPECT_TRUE(enPage.contains(QStringLiteral("<html lang=\"en\">"))) << name.toStdString();
        const QString spoken = WithoutRussianElements(enPage);
        const auto russianLetter = cyrillic.match(spoken);
        EXPECT_FALSE(russianLetter.hasMatch())
            << "en/" << name.toStdString() << ": " << spoken.mid(std::max<qsizetype>(0, russianLetter.capturedStart() - 40), 80).toStdString();
        for (const auto& [folder, page] : {std::pair{russian, ruPage}, std::pair{english, enPage}}) {
            const QString where = folder.dirName() + "/" + name;
            for (auto it = link.globalMatch(page); it.hasNext();) {
                const auto m = it.next();
                const QString target =
                    QDir::cleanPath(folder.filePath(m.captured(1).isEmpty() ? name : m.captured(1)));
                const QString shown = where + " -> " + m.captured(0);
                if (!QFileInfo(target).isFile()) {
                    ADD_FAILURE() << shown.toStdString() << ": no such file";
                    continue;
                }
                if (folder == english && target.endsWith(QStringLiteral(".html"))) {
                    EXPECT_EQ(QFileInfo(target).absolutePath().toStdString(), english.absolutePath().toStdString())
                        << shown.toStdString();
                }
                if (!m.captured(2).isEmpty()) {
                    EXPECT_TRUE(Anchors(ReadPage(target)).contains(m.captured(2))) << shown.toStdString();
                }
            }
        }
    }
}

} // namespace
} // namespace vestrel
