// SPDX-License-Identifier: MIT
#include "app/interface_language.h"

#include "logic/hints.h"
#include "logic/text/translate.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

namespace vestrel {

namespace {

// The program's sources are Russian; a text without a Cyrillic letter (or
// the Russian number sign №) is one of Qt's own (its sources are English) or
// a symbol that needs no words.
bool hasCyrillic(const char* source)
{
    for (const QChar c : QString::fromUtf8(source))
        if ((c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) || c.unicode() == 0x2116)
            return true;
    return false;
}

std::string translateForTheLogic(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

InterfaceTranslator* theTranslator = nullptr;

// Each text relabelled keeps its origin under its place (the widget and the
// text's turn in the walk over it), so that a text shared by two sources
// returns to its own when switched back. A text its owner has changed since
// is looked up afresh.
struct Relabelled {
    InterfaceTranslator::Origin origin;
    QString shown;
};
QHash<QPair<const QObject*, int>, Relabelled> relabelled;
const QObject* currentOwner = nullptr;
int currentTurn = 0;

void beginRelabelling(const QObject* owner)
{
    currentOwner = owner;
    currentTurn = 0;
}

template <typename Get, typename Set>
void relabelText(Get get, Set set)
{
    const QPair<const QObject*, int> place{currentOwner, currentTurn++};
    const QString text = get();
    if (text.isEmpty() || !theTranslator)
        return;
    std::optional<InterfaceTranslator::Origin> origin;
    if (const auto kept = relabelled.constFind(place); kept != relabelled.constEnd() && kept->shown == text)
        origin = kept->origin;
    else
        origin = theTranslator->originOf(text);
    if (!origin)
        return;
    const QString again = theTranslator->translated(*origin);
    relabelled.insert(place, {*origin, again});
    if (again != text)
        set(again);
}

void relabelWidget(QWidget* w)
{
    beginRelabelling(w);
    relabelText([w] { return w->windowTitle(); }, [w](const QString& t) { w->setWindowTitle(t); });
    relabelText([w] { return w->statusTip(); }, [w](const QString& t) { w->setStatusTip(t); });
    relabelText([w] { return w->whatsThis(); }, [w](const QString& t) { w->setWhatsThis(t); });
    const QString hint = HintOf(w);
    if (!hint.isEmpty())
        relabelText([&hint] { return hint; }, [w](const QString& t) { SetHint(w, t); });
    else
        relabelText([w] { return w->toolTip(); }, [w](const QString& t) { w->setToolTip(t); });
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        relabelText([b] { return b->text(); }, [b](const QString& t) { b->setText(t); });
    if (auto* l = qobject_cast<QLabel*>(w))
        relabelText([l] { return l->text(); }, [l](const QString& t) { l->setText(t); });
    if (auto* g = qobject_cast<QGroupBox*>(w))
        relabelText([g] { return g->title(); }, [g](const QString& t) { g->setTitle(t); });
    if (auto* m = qobject_cast<QMenu*>(w))
        relabelText([m] { return m->title(); }, [m](const QString& t) { m->setTitle(t); });
    if (auto* e = qobject_cast<QLineEdit*>(w))
        relabelText([e] { return e->placeholderText(); }, [e](const QString& t) { e->setPlaceholderText(t); });
    if (auto* c = qobject_cast<QComboBox*>(w))
        for (int i = 0; i < c->count(); ++i)
            relabelText([c, i] { return c->itemText(i); }, [c, i](const QString& t) { c->setItemText(i, t); });
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
        for (int i = 0; i < tabs->count(); ++i)
            relabelText([tabs, i] { return tabs->tabText(i); }, [tabs, i](const QString& t) { tabs->setTabText(i, t); });
    if (auto* list = qobject_cast<QListWidget*>(w))
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem* item = list->item(i);
            relabelText([item] { return item->text(); }, [item](const QString& t) { item->setText(t); });
        }
    if (auto* table = qobject_cast<QTableWidget*>(w))
        for (int i = 0; i < table->columnCount(); ++i)
            if (QTableWidgetItem* item = table->horizontalHeaderItem(i))
                relabelText([item] { return item->text(); }, [item](const QString& t) { item->setText(t); });
    if (auto* tree = qobject_cast<QTreeWidget*>(w))
        if (QTreeWidgetItem* header = tree->headerItem())
            for (int i = 0; i < header->columnCount(); ++i)
                relabelText([header, i] { return header->text(i); },
                            [header, i](const QString& t) { header->setText(i, t); });
}

void relabelAction(QAction* a)
{
    beginRelabelling(a);
    relabelText([a] { return a->text(); }, [a](const QString& t) { a->setText(t); });
    relabelText([a] { return a->toolTip(); }, [a](const QString& t) { a->setToolTip(t); });
    relabelText([a] { return a->statusTip(); }, [a](const QString& t) { a->setStatusTip(t); });
}

} // namespace

InterfaceTranslator::InterfaceTranslator()
{
    // Built into the program from translations/vestrel_en.ts.
    (void)english_.load(QStringLiteral(":/translations/vestrel_en.qm"));
}

QString InterfaceTranslator::translate(const char* context, const char* source, const char* disambiguation,
                                       int n) const
{
    if (!source || !hasCyrillic(source))
        return {};
    QString text;
    if (language_ == Language::English)
        text = english_.translate(context, source, disambiguation, n);
    if (text.isEmpty())
        text = QString::fromUtf8(source);
    origins_.insert(text, {context, source, disambiguation});
    return text;
}

std::optional<InterfaceTranslator::Origin> InterfaceTranslator::originOf(const QString& shown) const
{
    const auto it = origins_.constFind(shown);
    if (it == origins_.constEnd())
        return std::nullopt;
    return it.value();
}

QString InterfaceTranslator::translated(const Origin& origin) const
{
    return translate(origin.context.constData(), origin.source.constData(),
                     origin.disambiguation.isEmpty() ? nullptr : origin.disambiguation.constData());
}

InterfaceLanguage::InterfaceLanguage(QObject* parent) : QObject(parent) { theTranslator = &translator_; }

InterfaceLanguage::~InterfaceLanguage()
{
    SetTranslateFunction(nullptr);
    if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
        if (qtOwn_)
            QCoreApplication::removeTranslator(qtOwn_.get());
    }
    theTranslator = nullptr;
}

void InterfaceLanguage::loadQtTranslations(Language language)
{
    if (qtOwn_)
        QCoreApplication::removeTranslator(qtOwn_.get());
    qtOwn_.reset();
    // Qt's dialogs and message-box buttons speak English by themselves.
    if (language != Language::Russian)
        return;
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtOwn_ = std::move(qt);
    }
}

void InterfaceLanguage::install(Language language)
{
    SetCurrentLanguage(language);
    translator_.setLanguage(language);
    QLocale::setDefault(language == Language::English ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                                      : QLocale(QLocale::Russian, QLocale::Russia));
    loadQtTranslations(language);
    // Installed last, it is asked first; it answers only the program's texts.
    if (installed_)
        QCoreApplication::removeTranslator(&translator_);
    QCoreApplication::installTranslator(&translator_);
    installed_ = true;
    SetTranslateFunction(translateForTheLogic);
}

void InterfaceLanguage::setLanguage(Language language)
{
    if (installed_ && language == CurrentLanguage())
        return;
    SetCurrentLanguage(language);
    translator_.setLanguage(language);
    relabelOpenWindows();
    install(language);
    // Qt posts QEvent::LanguageChange for the new translator; the windows get
    // it at once, so that everything shown is in the new language when this
    // returns (a window passes the event on to its children).
    for (QWidget* w : QApplication::topLevelWidgets()) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(w, &change);
    }
    emit changed(language);
}

void InterfaceLanguage::relabelOpenWindows()
{
    // Places of widgets gone since may be taken by new ones: the kept texts
    // then no longer match and are looked up afresh.
    for (QWidget* w : QApplication::allWidgets()) {
        relabelWidget(w);
        for (QAction* a : w->actions())
            relabelAction(a);
    }
}

void UseLanguageWithoutApplication(Language language)
{
    static InterfaceTranslator standalone;
    standalone.setLanguage(language);
    SetCurrentLanguage(language);
    SetTranslateFunction([](const char* context, const char* source) {
        const QString text = standalone.translate(context, source);
        return text.isEmpty() ? std::string(source) : text.toStdString();
    });
}

Language StartLanguage(std::optional<Language> kept)
{
    if (kept)
        return *kept;
    return LanguageForLocale(QLocale::system().name().toStdString());
}

} // namespace vestrel
