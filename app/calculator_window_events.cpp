// SPDX-License-Identifier: MIT
// The calculator window's screenshot, hints and placing on the screen.
#include "app/calculator_window.h"

#include "app/qt_picture_ui.h"
#include "logic/hints.h"
#include "logic/picture_commands.h"
#include "logic/pictures/picture_files.h"

#include <QDateTime>
#include <QEvent>
#include <QScreen>
#include <QStatusBar>

namespace vestrel {

void CalculatorWindow::takeScreenshot()
{
    const ScreenshotTarget target =
        folders_.screenshotTarget(QStringLiteral("Calc"), QDateTime::currentDateTime(), locale());
    QString error;
    if (!SaveBmp24(GrabWholeWindow(this), target.path, &error)) {
        messageUi().error(error);
        return;
    }
    ReportScreenshot(messageUi(), target);
}

void CalculatorWindow::hideWindow() { close(); }

void CalculatorWindow::showHint(const QString& hint) { ShowHintIn(statusLine, hint); }

bool CalculatorWindow::event(QEvent* event)
{
    // The status bar shows the program's current hint, which the hint router
    // sends to every window alike; Qt's own status tips of the menu items
    // would clear it whenever the mouse passes over the menu.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void CalculatorWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (placed_)
        return;
    placed_ = true;
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - QRect(QPoint(), frameGeometry().size()).center());
}

} // namespace vestrel
