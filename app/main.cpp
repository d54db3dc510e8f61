// SPDX-License-Identifier: MIT
// Вестрел: start-up. The main window first, then the other windows hidden;
// the message loop runs until the main window closes.
#include "app/application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    vestrel::PrepareApplication();
    QApplication app(argc, argv);
    vestrel::Application windows(QCoreApplication::applicationDirPath());
    windows.show();
    return app.exec();
}
