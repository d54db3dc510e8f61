// SPDX-License-Identifier: MIT
#include "logic/library/structure_library.h"

#include "logic/cif/gemmi/gemmi_bridge.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <exception>

namespace vestrel::library {

namespace {

using cif::gemmi_bridge::CifDocument;

QString textOf(const CifDocument& doc, const char* tag)
{
    const auto value = doc.text(0, tag);
    return value ? QString::fromStdString(*value).trimmed() : QString();
}

double numberOf(const CifDocument& doc, const char* tag)
{
    const auto value = doc.number(0, tag);
    return value && std::isfinite(*value) ? *value : 0.0;
}

// Lower case, "ё" as "е", without spaces and underscores: "P 63/m m c" and
// "p6_3/mmc" become the same.
QString folded(const QString& text)
{
    QString s = text.toCaseFolded();
    s.replace(QChar(0x0451), QChar(0x0435));
    s.remove(QLatin1Char(' '));
    s.remove(QLatin1Char('_'));
    return s;
}

QString number(double value, int decimals)
{
    QString s = QString::number(value, 'f', decimals);
    while (s.contains(QLatin1Char('.')) && (s.endsWith(QLatin1Char('0')) || s.endsWith(QLatin1Char('.'))))
        s.chop(1);
    return s;
}

} // namespace

QString LibraryEntry::cellText() const
{
    return QStringLiteral("a = %1 Å, b = %2 Å, c = %3 Å, α = %4°, β = %5°, γ = %6°")
        .arg(number(cell.a, 4), number(cell.b, 4), number(cell.c, 4), number(cell.alpha, 2), number(cell.beta, 2),
             number(cell.gamma, 2));
}

QString LibraryEntry::spaceGroupText() const
{
    return QCoreApplication::translate("StructureLibrary", "%1 (№ %2)").arg(spaceGroupSymbol).arg(spaceGroupNumber);
}

std::optional<LibraryEntry> ReadLibraryEntry(const QString& path)
{
    QFile file(path);
    if (file.size() > static_cast<qint64>(5 * 1024 * 1024) || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = file.readAll();
    CifDocument doc;
    int errorLine = 0;
    try {
        if (!doc.read(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                      QFileInfo(path).fileName().toStdString(), errorLine)
            || doc.blockCount() == 0)
            return std::nullopt;
        LibraryEntry e;
        e.path = path;
        e.fileName = QFileInfo(path).fileName();
        e.nameEn = textOf(doc, "_chemical_name_common");
        e.mineral = textOf(doc, "_chemical_name_mineral");
        e.nameRu = textOf(doc, "_vestrel_name_ru");
        if (e.nameRu.isEmpty())
            e.nameRu = e.nameEn;
        e.structureTypeEn = textOf(doc, "_chemical_name_structure_type");
        e.structureTypeRu = textOf(doc, "_vestrel_structure_type_ru");
        e.formula = textOf(doc, "_chemical_formula_structural");
        if (e.formula.isEmpty())
            e.formula = textOf(doc, "_chemical_formula_sum");
        e.spaceGroupSymbol = textOf(doc, "_space_group_name_H-M_alt");
        if (e.spaceGroupSymbol.isEmpty())
            e.spaceGroupSymbol = textOf(doc, "_symmetry_space_group_name_H-M");
        e.spaceGroupNumber = static_cast<int>(numberOf(doc, "_space_group_IT_number"));
        e.cell = {numberOf(doc, "_cell_length_a"), numberOf(doc, "_cell_length_b"), numberOf(doc, "_cell_length_c"),
                  numberOf(doc, "_cell_angle_alpha"), numberOf(doc, "_cell_angle_beta"), numberOf(doc, "_cell_angle_gamma")};
        e.density = numberOf(doc, "_exptl_crystal_density_diffrn");
        e.source = textOf(doc, "_publ_section_references").simplified();
        if (e.nameRu.isEmpty())
            return std::nullopt;
        return e;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool Matches(const LibraryEntry& entry, const QString& query)
{
    const QStringList fields{entry.nameRu, entry.nameEn, entry.mineral, entry.formula, entry.structureTypeEn,
                             entry.structureTypeRu, entry.spaceGroupSymbol};
    QStringList haystack;
    for (const QString& field : fields)
        haystack << folded(field);
    for (const QString& word : query.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool isNumber = false;
        const int n = word.toInt(&isNumber);
        if (isNumber && n == entry.spaceGroupNumber)
            continue;
        const QString w = folded(word);
        if (!std::any_of(haystack.begin(), haystack.end(), [&](const QString& h) { return h.contains(w); }))
            return false;
    }
    return true;
}

void StructureLibrary::load(const QString& folder)
{
    entries_.clear();
    skipped_.clear();
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.cif")}, QDir::Files, QDir::Name)) {
        if (auto entry = ReadLibraryEntry(dir.filePath(name)))
            entries_.push_back(*entry);
        else
            skipped_ << name;
    }
    QCollator collator(QLocale(QLocale::Russian, QLocale::Russia));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries_.begin(), entries_.end(), [&](const LibraryEntry& a, const LibraryEntry& b) {
        return collator.compare(a.nameRu, b.nameRu) < 0;
    });
}

QVector<int> StructureLibrary::search(const QString& query) const
{
    QVector<int> found;
    for (int i = 0; i < entries_.size(); ++i)
        if (Matches(entries_[i], query))
            found << i;
    return found;
}

int StructureLibrary::indexOf(const QString& fileName) const
{
    for (int i = 0; i < entries_.size(); ++i)
        if (entries_[i].fileName == fileName)
            return i;
    return -1;
}

QString LibraryListing(const StructureLibrary& library)
{
    QVector<const LibraryEntry*> byFile;
    for (const LibraryEntry& e : library.entries())
        byFile << &e;
    std::sort(byFile.begin(), byFile.end(),
              [](const LibraryEntry* a, const LibraryEntry* b) { return a->fileName < b->fileName; });
    QString text;
    for (const LibraryEntry* e : byFile)
        text += QStringLiteral("%1\t%2\t%3\n").arg(e->fileName, e->nameRu).arg(e->spaceGroupNumber);
    return text;
}

} // namespace vestrel::library
