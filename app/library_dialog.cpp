// SPDX-License-Identifier: MIT
#include "app/library_dialog.h"

#include "logic/data_location.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vestrel {

LibraryDialog::LibraryDialog(QWidget* parent, const QString& folder) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Библиотека структур"));
    folder_ = folder.isEmpty() ? LocateStructureLibrary(QCoreApplication::applicationDirPath()) : folder;
    if (!folder_.isEmpty())
        library_.load(folder_);

    searchField = new QLineEdit(this);
    searchField->setObjectName(QStringLiteral("librarySearch"));
    searchField->setPlaceholderText(QStringLiteral("Название, формула, пространственная группа или тип структуры"));
    searchField->setClearButtonEnabled(true);
    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("libraryList"));
    details = new QLabel(this);
    details->setObjectName(QStringLiteral("libraryDetails"));
    details->setWordWrap(true);
    details->setTextFormat(Qt::RichText);
    details->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    details->setMinimumWidth(320);
    openButton = new QPushButton(QStringLiteral("Открыть"), this);
    openButton->setObjectName(QStringLiteral("libraryOpen"));
    openButton->setDefault(true);
    closeButton = new QPushButton(QStringLiteral("Закрыть"), this);
    closeButton->setObjectName(QStringLiteral("libraryClose"));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(openButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(closeButton, QDialogButtonBox::RejectRole);
    auto* body = new QHBoxLayout;
    body->addWidget(list, 1);
    body->addWidget(details, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Поиск:"), this));
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

void LibraryDialog::fillList()
{
    const QString keep = chosenPath_;
    list->clear();
    int select = 0;
    for (int index : library_.search(searchField->text())) {
        const library::LibraryEntry& e = library_.entries()[index];
        auto* item = new QListWidgetItem(QStringLiteral("%1 — %2").arg(e.nameRu, e.formula), list);
        item->setData(Qt::UserRole, index);
        if (e.path == keep)
            select = list->count() - 1;
    }
    if (list->count() > 0)
        list->setCurrentRow(select);
    showDetails();
}

void LibraryDialog::showDetails()
{
    const int index = currentEntry();
    openButton->setEnabled(index >= 0);
    if (index < 0) {
        if (library_.entries().isEmpty())
            details->setText(folder_.isEmpty()
                                 ? QStringLiteral("Библиотека структур не найдена: нет папки structures "
                                                  "ни рядом с программой, ни среди установленных файлов.")
                                 : QStringLiteral("В папке %1 нет файлов структур.").arg(QDir::toNativeSeparators(folder_)));
        else
            details->setText(QStringLiteral("Ничего не найдено."));
        return;
    }
    const library::LibraryEntry& e = library_.entries()[index];
    const auto row = [](const QString& label, const QString& value) {
        return QStringLiteral("<p><b>%1:</b> %2</p>").arg(label, value.toHtmlEscaped());
    };
    QString text = QStringLiteral("<p><b>%1</b><br>%2</p>").arg(e.nameRu.toHtmlEscaped(), e.nameEn.toHtmlEscaped());
    text += row(QStringLiteral("Формула"), e.formula);
    text += row(QStringLiteral("Пространственная группа"), e.spaceGroupText());
    text += row(QStringLiteral("Тип структуры"), e.structureTypeRu);
    text += row(QStringLiteral("Ячейка"), e.cellText());
    text += row(QStringLiteral("Источник"), e.source);
    text += row(QStringLiteral("Файл"), e.fileName);
    details->setText(text);
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
