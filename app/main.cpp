// SPDX-License-Identifier: MIT
// Вестрел: start-up. The main window first, then the other windows hidden;
// the message loop runs until the main window closes.
#include "app/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv)
{
    vestrel::PrepareApplication();
    QApplication app(argc, argv);
    // Message boxes and file dialogs speak Russian, as the rest of the program.
    QTranslator qtRussian;
    if (qtRussian.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtRussian);
    vestrel::Application windows(QCoreApplication::applicationDirPath());
    windows.show();
    return app.exec();
}
