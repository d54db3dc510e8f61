// SPDX-License-Identifier: MIT
#include "app/library_dialog.h"

#include "logic/data_location.h"
#include "logic/text/language.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vestrel {

namespace {

bool inEnglish() { return CurrentLanguage() == Language::English; }

// The entry's name in the interface's language (the Russian one when the
// entry has no English name), and the other name beside it.
QString nameOf(const library::LibraryEntry& e)
{
    return inEnglish() && !e.nameEn.isEmpty() ? e.nameEn : e.nameRu;
}

QString otherNameOf(const library::LibraryEntry& e)
{
    return inEnglish() && !e.nameEn.isEmpty() ? e.nameRu : e.nameEn;
}

QString structureTypeOf(const library::LibraryEntry& e)
{
    return inEnglish() && !e.structureTypeEn.isEmpty() ? e.structureTypeEn : e.structureTypeRu;
}

QString itemText(const library::LibraryEntry& e) { return QStringLiteral("%1 — %2").arg(nameOf(e), e.formula); }

} // namespace

LibraryDialog::LibraryDialog(QWidget* parent, const QString& folder) : QDialog(parent)
{
    setWindowTitle(tr("Библиотека структур"));
    folder_ = folder.isEmpty() ? LocateStructureLibrary(QCoreApplication::applicationDirPath()) : folder;
    if (!folder_.isEmpty())
        library_.load(folder_);

    searchField = new QLineEdit(this);
    searchField->setObjectName(QStringLiteral("librarySearch"));
    searchField->setPlaceholderText(tr("Название, формула, пространственная группа или тип структуры"));
    searchField->setClearButtonEnabled(true);
    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("libraryList"));
    details = new QLabel(this);
    details->setObjectName(QStringLiteral("libraryDetails"));
    details->setWordWrap(true);
    details->setTextFormat(Qt::RichText);
    details->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    details->setMinimumWidth(320);
    openButton = new QPushButton(tr("Открыть"), this);
    openButton->setObjectName(QStringLiteral("libraryOpen"));
    openButton->setDefault(true);
    closeButton = new QPushButton(tr("Закрыть"), this);
    closeButton->setObjectName(QStringLiteral("libraryClose"));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(openButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(closeButton, QDialogButtonBox::RejectRole);
    auto* body = new QHBoxLayout;
    body->addWidget(list, 1);
    body->addWidget(details, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Поиск:"), this));
    layout->addWidget(searchField);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);
    resize(760, 480);

    connect(searchField, &QLineEdit::textChanged, this, &LibraryDialog::fillList);
    connect(list, &QListWidget::currentRowChanged, this, &LibraryDialog::showDetails);
    connect(list, &QListWidget::itemActivated, this, &LibraryDialog::openCurrent);
    connect(openButton, &QPushButton::clicked, this, &LibraryDialog::openCurrent);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    fillList();
}

int LibraryDialog::currentEntry() const
{
    const QListWidgetItem* item = list->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void LibraryDialog::fillList() { fillListKeeping(chosenPath_); }

void LibraryDialog::fillListKeeping(const QString& keep)
{
    list->clear();
    int select = 0;
    for (int index : shownEntries()) {
        const library::LibraryEntry& e = library_.entries()[index];
        auto* item = new QListWidgetItem(itemText(e), list);
        item->setData(Qt::UserRole, index);
        if (e.path == keep)
            select = list->count() - 1;
    }
    if (list->count() > 0)
        list->setCurrentRow(select);
    showDetails();
}

QVector<int> LibraryDialog::shownEntries() const
{
    QVector<int> shown = library_.search(searchField->text());
    // The library keeps the order of the Russian names; the English ones
    // are listed in theirs.
    if (inEnglish()) {
        QCollator collator{QLocale()};
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(shown.begin(), shown.end(), [&](int a, int b) {
            return collator.compare(nameOf(library_.entries()[a]), nameOf(library_.entries()[b])) < 0;
        });
    }
    return shown;
}

void LibraryDialog::showDetails()
{
    const int index = currentEntry();
    openButton->setEnabled(index >= 0);
    if (index < 0) {
        if (library_.entries().isEmpty())
            details->setText(folder_.isEmpty()
                                 ? tr("Библиотека структур не найдена: нет папки structures "
                                      "ни рядом с программой, ни среди установленных файлов.")
                                 : tr("В папке %1 нет файлов структур.").arg(QDir::toNativeSeparators(folder_)));
        else
            details->setText(tr("Ничего не найдено."));
        return;
    }
    const library::LibraryEntry& e = library_.entries()[index];
    const auto row = [](const QString& label, const QString& value) {
        return QStringLiteral("<p><b>%1:</b> %2</p>").arg(label, value.toHtmlEscaped());
    };
    QString text = QStringLiteral("<p><b>%1</b><br>%2</p>").arg(nameOf(e).toHtmlEscaped(), otherNameOf(e).toHtmlEscaped());
    text += row(tr("Формула"), e.formula);
    text += row(tr("Пространственная группа"), e.spaceGroupText());
    text += row(tr("Тип структуры"), structureTypeOf(e));
    text += row(tr("Ячейка"), e.cellText());
    text += row(tr("Источник"), e.source);
    text += row(tr("Файл"), e.fileName);
    details->setText(text);
}

void LibraryDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        followLanguage();
    QDialog::changeEvent(event);
}

void LibraryDialog::followLanguage()
{
    const int current = currentEntry();
    fillListKeeping(current >= 0 ? library_.entries()[current].path : chosenPath_);
}

void LibraryDialog::openCurrent()
{
    const int index = currentEntry();
    if (index < 0)
        return;
    chosenPath_ = library_.entries()[index].path;
    emit structureChosen(chosenPath_);
    accept();
}

void LibraryDialog::showEvent(QShowEvent* event)
{
    // Back at the last entry opened, whatever the search was.
    if (!chosenPath_.isEmpty()) {
        searchField->blockSignals(true);
        searchField->clear();
        searchField->blockSignals(false);
        fillList();
    }
    searchField->setFocus();
    QDialog::showEvent(event);
}

} // namespace vestrel
