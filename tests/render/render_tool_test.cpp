// SPDX-License-Identifier: MIT
// vestrel-render as a test suite calls it: it never hangs (its watchdog ends
// it with a message) and never leaves a partial picture.
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vestrel {
namespace {

struct ToolRun {
    bool finished = false;
    int exitCode = -1;
    QString errors;
    qint64 milliseconds = 0;
};

ToolRun runTool(const QStringList& args)
{
    QProcess tool;
    QElapsedTimer clock;
    clock.start();
    tool.start(QStringLiteral(VESTREL_RENDER_TOOL), args);
    ToolRun run;
    run.finished = tool.waitForFinished(120000) && tool.exitStatus() == QProcess::NormalExit;
    run.exitCode = tool.exitCode();
    run.errors = QString::fromLocal8Bit(tool.readAllStandardError());
    run.milliseconds = clock.elapsed();
    return run;
}

TEST(RenderTool, GivesUpWithAMessageAfterItsTimeLimit)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("never.png"));
    // Far more frames than one second allows. (Qt may warn on stderr first.)
    const ToolRun run = runTool({"--out", out, "--scene", "structure:1", "--size", "1600x1200", "--frames",
                                 "100000", "--time-limit", "1"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.errors.endsWith(QStringLiteral("\nvestrel-render: gave up after 1 s (--time-limit)\n")))
        << run.errors.toStdString();
    EXPECT_LT(run.milliseconds, 60000);
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST(RenderTool, ABadTimeLimitIsABadArgument)
{
    for (const char* limit : {"0", "-5", "x", "86401"}) {
        const ToolRun run = runTool({"--out", "x.png", "--time-limit", limit});
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, 2) << limit;
        EXPECT_TRUE(run.errors.contains(QStringLiteral("vestrel-render: bad value for --time-limit: %1\n").arg(limit)))
            << run.errors.toStdString();
    }
}

TEST(RenderTool, AnUnwritablePictureFailsWithoutLeavingAFile)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("missing/frame.png"));
    const ToolRun run = runTool({"--out", out, "--size", "64x48"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("vestrel-render: cannot write %1: ").arg(out)))
        << run.errors.toStdString();
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

} // namespace
} // namespace vestrel
