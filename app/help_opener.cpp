// SPDX-License-Identifier: MIT
#include "app/help_opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace vestrel {

QString HelpFilePath(const QString& programDir)
{
    return QDir::cleanPath(QFileInfo(QDir(programDir), "help/index.html").absoluteFilePath());
}

QString HelpMissingMessage(const QString& helpFile)
{
    return QStringLiteral("Файл справки не найден: %1").arg(QDir::toNativeSeparators(helpFile));
}

QString HelpNotOpenedMessage(const QString& helpFile)
{
    return QStringLiteral("Не удалось открыть справку. Откройте в браузере файл: %1")
        .arg(QDir::toNativeSeparators(helpFile));
}

HelpOpener::HelpOpener(QWidget* messageParent)
    : opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      messenger_([parent = QPointer<QWidget>(messageParent)](const QString& text) {
          QMessageBox::warning(parent, QStringLiteral("Вестрел"), text);
      })
{
}

bool HelpOpener::open(const QString& programDir) const
{
    const QString helpFile = HelpFilePath(programDir);
    if (!QFileInfo(helpFile).isFile()) {
        messenger_(HelpMissingMessage(helpFile));
        return false;
    }
    if (!opener_(QUrl::fromLocalFile(helpFile))) {
        messenger_(HelpNotOpenedMessage(helpFile));
        return false;
    }
    return true;
}

} // namespace vestrel
