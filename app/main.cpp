// SPDX-License-Identifier: MIT
// Вестрел: start-up. The command line first (--help and --version need no
// display); then the main window, the other windows hidden, the kept settings;
// the message loop runs until the main window closes, and the settings are
// kept for the next run.
#include "app/application.h"
#include "app/interface_language.h"
#include "app/main_window.h"
#include "logic/command_line.h"
#include "logic/data_location.h"
#include "logic/kept_settings.h"

#include <QCoreApplication>
#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include <cstdio>

namespace {

void printLine(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fputs(bytes.constData(), stream);
    if (!text.endsWith(QLatin1Char('\n')))
        std::fputc('\n', stream);
}

// --help, --version and a bad option need no display: they answer in the
// language of the locale, and the program ends with the code returned.
// -1 when the program is to run.
int answerWithoutWindows(int& argc, char** argv, const QStringList& arguments)
{
    if (vestrel::ParseCommandLine(arguments).action == vestrel::CommandLine::Action::Run)
        return -1;
    QCoreApplication core(argc, argv);
    vestrel::InterfaceLanguage language;
    language.install(vestrel::LanguageForLocale(QLocale::system().name().toStdString()));
    const vestrel::CommandLine commandLine = vestrel::ParseCommandLine(arguments);
    switch (commandLine.action) {
    case vestrel::CommandLine::Action::Help:
        printLine(stdout, vestrel::UsageText());
        return commandLine.exitCode();
    case vestrel::CommandLine::Action::Version:
        printLine(stdout, vestrel::VersionText());
        return commandLine.exitCode();
    case vestrel::CommandLine::Action::Error:
        printLine(stderr, commandLine.message);
        return commandLine.exitCode();
    case vestrel::CommandLine::Action::Run:
        break;
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const int code = answerWithoutWindows(argc, argv, arguments); code >= 0)
        return code;
    const vestrel::CommandLine commandLine = vestrel::ParseCommandLine(arguments);

    vestrel::PrepareApplication();
    QCoreApplication::setOrganizationName(QStringLiteral("Vestrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Vestrel"));
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vestrel.Vestrel"));

    const std::unique_ptr<QSettings> settingsFile = vestrel::OpenUserSettings();
    vestrel::SettingsStore settings(*settingsFile);
    const vestrel::KeptSettings kept = settings.load();
    // The language first, so that every window is made in it; message boxes
    // and file dialogs follow through Qt's own translations.
    vestrel::InterfaceLanguage language;
    language.install(vestrel::StartLanguage(kept.language));

    const vestrel::DataLocation data = vestrel::LocateData(QCoreApplication::applicationDirPath());
    vestrel::Application windows(data);
    windows.setInterfaceLanguage(language);
    windows.restoreSettings(kept);
    windows.show();
    if (!data.found) {
        const QString message = vestrel::DataNotFoundMessage(data);
        printLine(stderr, QStringLiteral("vestrel: ") + message);
        QTimer::singleShot(0, &windows.mainWindow(), [&windows, message] {
            QMessageBox::warning(&windows.mainWindow(), QCoreApplication::translate("Vestrel", "Вестрел"), message);
        });
    }
    // A structure file named on the command line opens once the window is up.
    if (!commandLine.files.isEmpty())
        QTimer::singleShot(0, &windows.mainWindow(),
                           [&windows, files = commandLine.files] { windows.openCommandLineFiles(files); });
    const int code = app.exec();
    if (!settings.save(windows.keptSettings()))
        printLine(stderr, QCoreApplication::translate("Vestrel", "vestrel: настройки не сохранены в %1").arg(settingsFile->fileName()));
    return code;
}
