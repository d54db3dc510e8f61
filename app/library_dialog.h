// SPDX-License-Identifier: MIT
// "Библиотека структур": a search field, the library's entries sorted by
// name, the chosen entry's formula, space group, cell and source, and
// "Открыть", which hands the entry's file on as an opened file would be.
// Made once with its parent; it remembers the last entry chosen.
#pragma once

#include "logic/library/structure_library.h"

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vestrel {

class LibraryDialog : public QDialog {
    Q_OBJECT
public:
    // folder: the library's folder; empty: where LocateStructureLibrary
    // finds it beside the executable or installed.
    explicit LibraryDialog(QWidget* parent, const QString& folder = QString());

    // The file of the entry last opened; empty before the first.
    QString chosenPath() const { return chosenPath_; }
    const library::StructureLibrary& library() const { return library_; }

    // Object names: "librarySearch", "libraryList", "libraryDetails",
    // "libraryOpen", "libraryClose".
    QLineEdit* searchField;
    QListWidget* list;
    QLabel* details;
    QPushButton* openButton;
    QPushButton* closeButton;

signals:
    // The user opened an entry: its file, to be opened as a structure file.
    void structureChosen(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    // A change of the language: the entries' names and details anew.
    void changeEvent(QEvent* event) override;

private:
    void fillList();
    // The list anew, the entry of the file keep chosen when it is listed.
    void fillListKeeping(const QString& keep);
    QVector<int> shownEntries() const;
    void showDetails();
    void openCurrent();
    void followLanguage();
    int currentEntry() const;

    library::StructureLibrary library_;
    QString folder_;
    QString chosenPath_;
};

} // namespace vestrel
