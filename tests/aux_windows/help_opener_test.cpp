// SPDX-License-Identifier: MIT
#include "app/help_opener.h"
#include "tests/aux_windows/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

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

// Every link between the help pages leads to a page that is there, and to
// an anchor that the page has.
TEST(HelpPages, EveryLinkLeadsToAnExistingPageAndAnchor)
{
    const QDir help(QStringLiteral(VESTREL_SOURCE_DIR "/help"));
    const QStringList pages = help.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_GE(pages.size(), 10);
    const QRegularExpression link(QStringLiteral("href=\"([^\"#:]*)(?:#([^\"]*))?\""));
    for (const QString& page : pages) {
        QFile file(help.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString text = QString::fromUtf8(file.readAll());
        for (auto it = link.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            const QString target = m.captured(1).isEmpty() ? page : m.captured(1);
            QFile linked(help.filePath(target));
            ASSERT_TRUE(linked.open(QIODevice::ReadOnly)) << page.toStdString() << " -> " << target.toStdString();
            if (!m.captured(2).isEmpty()) {
                EXPECT_TRUE(QString::fromUtf8(linked.readAll()).contains(QStringLiteral("id=\"%1\"").arg(m.captured(2))))
                    << page.toStdString() << " -> " << target.toStdString() << "#" << m.captured(2).toStdString();
            }
        }
    }
}

} // namespace
} // namespace vestrel
