// SPDX-License-Identifier: MIT
#include "app/help_opener.h"

#include "logic/text/language.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace vestrel {

namespace {

QString PageInProgramDir(const QString& programDir, const char* page)
{
    return QDir::cleanPath(QFileInfo(QDir(programDir), QString::fromLatin1(page)).absoluteFilePath());
}

} // namespace

QString HelpFilePath(const QString& programDir)
{
    if (CurrentLanguage() == Language::English) {
        const QString english = PageInProgramDir(programDir, "help/en/index.html");
        if (QFileInfo(english).isFile())
            return english;
    }
    return PageInProgramDir(programDir, "help/index.html");
}

QString HelpMissingMessage(const QString& helpFile)
{
    return QCoreApplication::translate("HelpOpener", "Файл справки не найден: %1")
        .arg(QDir::toNativeSeparators(helpFile));
}

QString HelpNotOpenedMessage(const QString& helpFile)
{
    return QCoreApplication::translate("HelpOpener", "Не удалось открыть справку. Откройте в браузере файл: %1")
        .arg(QDir::toNativeSeparators(helpFile));
}

HelpOpener::HelpOpener(QWidget* messageParent)
    : opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      messenger_([parent = QPointer<QWidget>(messageParent)](const QString& text) {
          QMessageBox::warning(parent, QCoreApplication::translate("HelpOpener", "Вестрел"), text);
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
