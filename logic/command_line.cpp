// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include "logic/command_line.h"

#ifndef VESTREL_VERSION
#define VESTREL_VERSION "1.1"
#endif

namespace vestrel {

namespace {

// The options QApplication takes from the command line itself (either with
// one dash or with two), with and without a value.
const QStringList QtOptionsWithValue{
    QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"), QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
    QStringLiteral("qwindowicon"), QStringLiteral("qwindowtitle"), QStringLiteral("session"),
    QStringLiteral("style"), QStringLiteral("stylesheet"), QStringLiteral("display"), QStringLiteral("geometry"),
    QStringLiteral("title"), QStringLiteral("name"), QStringLiteral("visual"), QStringLiteral("ncols"),
    QStringLiteral("cmap"), QStringLiteral("im"), QStringLiteral("dialogs"), QStringLiteral("fontengine")};
const QStringList QtFlags{QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                          QStringLiteral("dograb"), QStringLiteral("sync")};

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || argument == QLatin1String("-") || !argument.startsWith(QLatin1Char('-'))) {
            line.files << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (argument == QLatin1String("--version")) {
            line.action = CommandLine::Action::Version;
            return line;
        }
        QString option = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = option.indexOf(QLatin1Char('='));
        const bool valueGiven = equals >= 0;
        if (valueGiven)
            option.truncate(equals);
        if (QtFlags.contains(option) && !valueGiven)
            continue;
        if (QtOptionsWithValue.contains(option)) {
            if (!valueGiven)
                ++i; // the value follows; a missing one is Qt's to report
            continue;
        }
        line.action = CommandLine::Action::Error;
        line.message = QCoreApplication::translate("CommandLine", "vestrel: неизвестный параметр «%1»; справка: vestrel --help").arg(argument);
        return line;
    }
    return line;
}

QString VersionText() { return QCoreApplication::translate("CommandLine", "Вестрел %1").arg(QStringLiteral(VESTREL_VERSION)); }

QString UsageText()
{
    return QCoreApplication::translate("CommandLine",
        "Использование: vestrel [ПАРАМЕТР] [ФАЙЛ.cif]\n"
        "Вестрел — учебная программа по кристаллографии: кристаллические структуры\n"
        "и многогранники с элементами симметрии в объемном изображении.\n"
        "\n"
        "  --help     показать эту справку и выйти\n"
        "  --version  показать версию программы и выйти\n"
        "\n"
        "Без параметров открывается главное окно программы; с именем файла CIF\n"
        "оно сразу показывает кристаллическую структуру из этого файла.\n");
}

} // namespace vestrel
