// SPDX-License-Identifier: MIT
// The library of teaching structures: the CIF files of the structures/
// folder, each described by the tags the project writes into them, and a
// search over those descriptions.
//
// Tags read, besides the cell and space group of every CIF file:
//   _chemical_name_common          the name in English
//   _chemical_name_mineral         the mineral's name in English, where it is one
//   _vestrel_name_ru               the name in Russian (UTF-8)
//   _chemical_name_structure_type  the structure type in English
//   _vestrel_structure_type_ru     the structure type in Russian
//   _chemical_formula_structural   the formula as shown
//   _exptl_crystal_density_diffrn  the density the source gives, g/cm^3
//   _publ_section_references       the source (authors, journal, year)
#pragma once

#include "logic/cif/crystal.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace vestrel::library {

struct LibraryEntry {
    QString path;     // the file, with its folder
    QString fileName; // without the folder
    QString nameRu;
    QString nameEn;
    QString mineral;  // empty when the substance is no mineral
    QString formula;
    QString structureTypeEn;
    QString structureTypeRu;
    QString spaceGroupSymbol; // as the file writes it: "F m -3 m"
    int spaceGroupNumber = 0;
    cif::CellParameters cell;
    double density = 0; // g/cm^3 as stated; 0 when the file states none
    QString source;

    // The lines the library's window shows for the entry.
    QString cellText() const;
    QString spaceGroupText() const; // "F m -3 m (№ 225)"
};

// The entry of one file; none when the file cannot be read as CIF or gives
// no name.
std::optional<LibraryEntry> ReadLibraryEntry(const QString& path);

// Whether the entry matches every word of the query: a word matches a name
// (Russian or English, the mineral's too), the formula, the structure type,
// the space-group symbol (with or without spaces and underscores: "Fm-3m",
// "P6_3/mmc") or, when it is a number, the space-group number. Letter case
// does not matter, nor "ё" for "е". An empty query matches everything.
bool Matches(const LibraryEntry& entry, const QString& query);

class StructureLibrary {
public:
    // Reads every *.cif file of the folder; files that cannot be read are
    // left out and named in skipped().
    void load(const QString& folder);

    // Sorted by the Russian name.
    const QVector<LibraryEntry>& entries() const { return entries_; }
    const QStringList& skipped() const { return skipped_; }
    // Indices into entries() of the entries matching the query, in order.
    QVector<int> search(const QString& query) const;
    // The index of the entry of that file name; -1 when there is none.
    int indexOf(const QString& fileName) const;

private:
    QVector<LibraryEntry> entries_;
    QStringList skipped_;
};

// One line per file, in the order of the file names: the file's name, a
// tab, its Russian name, a tab, its space-group number.
QString LibraryListing(const StructureLibrary& library);

} // namespace vestrel::library
