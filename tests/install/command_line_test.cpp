// SPDX-License-Identifier: MIT
// The command line: --help, --version, Qt's own options, file names, and an
// unknown option, both parsed and through the real executable.
#include "logic/command_line.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace vestrel;
using Action = CommandLine::Action;

namespace {

struct Case {
    QStringList arguments;
    Action action;
    QStringList files;
};

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun RunProgram(const QStringList& arguments)
{
    QProcess process;
    // No display: --help and --version must not need one.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VESTREL_PROGRAM_DIR "/vestrel"), arguments);
    ProgramRun run;
    if (!process.waitForFinished(20000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

TEST(CommandLine, Parses)
{
    const QList<Case> cases{
        {{}, Action::Run, {}},
        {{QStringLiteral("--help")}, Action::Help, {}},
        {{QStringLiteral("-h")}, Action::Help, {}},
        {{QStringLiteral("--version")}, Action::Version, {}},
        {{QStringLiteral("crystal.cif")}, Action::Run, {QStringLiteral("crystal.cif")}},
        {{QStringLiteral("-platform"), QStringLiteral("offscreen")}, Action::Run, {}},
        {{QStringLiteral("--platform=offscreen"), QStringLiteral("a.cif")}, Action::Run, {QStringLiteral("a.cif")}},
        {{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-reverse")}, Action::Run, {}},
        {{QStringLiteral("--"), QStringLiteral("--help")}, Action::Run, {QStringLiteral("--help")}},
        {{QStringLiteral("--bogus")}, Action::Error, {}},
        {{QStringLiteral("-x")}, Action::Error, {}},
        {{QStringLiteral("--reverse=1")}, Action::Error, {}},
        {{QStringLiteral("a.cif"), QStringLiteral("--versions")}, Action::Error, {QStringLiteral("a.cif")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.files, c.files);
        EXPECT_EQ(line.exitCode(), c.action == Action::Error ? 2 : 0);
        if (c.action == Action::Error) {
            EXPECT_TRUE(line.message.contains(c.arguments.last())) << line.message.toStdString();
            EXPECT_FALSE(line.message.contains('\n'));
        }
    }
}

TEST(CommandLine, VersionPrintsTheVersionAndExits)
{
    const ProgramRun run = RunProgram({QStringLiteral("--version")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("Вестрел 1.1\n"));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

TEST(CommandLine, HelpPrintsARussianUsageAndExits)
{
    const ProgramRun run = RunProgram({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, UsageText());
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("Использование: vestrel")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("--version")));
}

TEST(CommandLine, UnknownOptionPrintsOneLineAndExitsWithTwo)
{
    const ProgramRun run = RunProgram({QStringLiteral("--frobnicate")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err, QStringLiteral("vestrel: неизвестный параметр «--frobnicate»; справка: vestrel --help\n"));
}
