// SPDX-License-Identifier: MIT
// Opening the help: HTML pages in the folder help/ beside the executable,
// shown by the user's browser.
#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>

namespace vestrel {

// The help's start page in the program folder: help/en/index.html while the
// interface speaks English and that page is there, else help/index.html.
QString HelpFilePath(const QString& programDir);

// The messages shown when the help cannot be opened.
QString HelpMissingMessage(const QString& helpFile);
QString HelpNotOpenedMessage(const QString& helpFile);

class HelpOpener {
public:
    using Opener = std::function<bool(const QUrl&)>;
    using Messenger = std::function<void(const QString&)>;

    // By default the desktop's URL handler opens the page and failures appear
    // in a message box owned by messageParent.
    explicit HelpOpener(QWidget* messageParent = nullptr);

    void setOpener(Opener opener) { opener_ = std::move(opener); }
    void setMessenger(Messenger messenger) { messenger_ = std::move(messenger); }

    // Opens the help's start page (HelpFilePath) of the program folder. Returns whether
    // it opened; otherwise the user has been told why and where the file is.
    bool open(const QString& programDir) const;

private:
    Opener opener_;
    Messenger messenger_;
};

} // namespace vestrel
