// SPDX-License-Identifier: MIT
// The interface's language at run time: the program's translator, Qt's own
// translations for its dialogs, and the relabelling of every open window
// when the language changes.
#pragma once

#include "logic/text/language.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QTranslator>
#include <memory>
#include <optional>

namespace vestrel {

// Answers the program's own texts (Russian sources) in the current language
// and remembers which source every text it gave out came from, so that a
// window's captions can be turned into another language where they stand.
// Texts that are not the program's (Qt's own, in English) it leaves to the
// translators installed before it.
class InterfaceTranslator : public QTranslator {
public:
    InterfaceTranslator();
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

    void setLanguage(Language language) { language_ = language; }

    struct Origin {
        QByteArray context;
        QByteArray source;
        QByteArray disambiguation;
    };
    // Where a text this translator gave out (in either language) came from;
    // nothing for any other text. One text may have come from several
    // sources ("Справка" and "Помощь" are both "Help"): the last one given.
    std::optional<Origin> originOf(const QString& shown) const;
    // The origin's text in the current language.
    QString translated(const Origin& origin) const;
    // Whether the English translations were found (built into the program).
    bool hasEnglish() const { return !english_.isEmpty(); }

private:
    QTranslator english_;
    Language language_ = Language::Russian;
    mutable QHash<QString, Origin> origins_;
};

class InterfaceLanguage : public QObject {
    Q_OBJECT
public:
    explicit InterfaceLanguage(QObject* parent = nullptr);
    ~InterfaceLanguage() override;

    // Installs the translators in the application, in the given language.
    void install(Language language);
    // Switches at once: the captions of every open window are relabelled,
    // then every widget receives QEvent::LanguageChange to recompute the
    // texts it composes, and changed() is emitted.
    void setLanguage(Language language);
    Language language() const { return CurrentLanguage(); }

signals:
    void changed(vestrel::Language language);

private:
    void relabelOpenWindows();
    void loadQtTranslations(Language language);

    InterfaceTranslator translator_;
    std::unique_ptr<QTranslator> qtOwn_;
    bool installed_ = false;
};

// For the tools that print before any application object exists: the
// logic's texts (VT) and numbers in that language.
void UseLanguageWithoutApplication(Language language);

// The language the interface starts in: the kept choice, else the one the
// system's locale decides.
Language StartLanguage(std::optional<Language> kept);

} // namespace vestrel
