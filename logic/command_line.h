// SPDX-License-Identifier: MIT
// The program's command line: --help and --version, the options of the Qt
// library (-platform, -style, ...), which pass through to it, and file names:
// the first is opened as a crystal structure file.
#pragma once

#include <QString>
#include <QStringList>

namespace vestrel {

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QStringList files; // arguments that are not options, in order
    QString message;   // the one line of an Error
    int exitCode() const { return action == Action::Error ? 2 : 0; }
};

// `arguments` without the program's own name.
CommandLine ParseCommandLine(const QStringList& arguments);

// "Вестрел <version>".
QString VersionText();
// A short usage text in Russian, several lines.
QString UsageText();

} // namespace vestrel
