// SPDX-License-Identifier: MIT
#include "logic/cif/memo_text.h"
#include "logic/text/translate.h"

#include "logic/cif/elements.h"
#include "logic/cif/text_format.h"

namespace vestrel::cif {

namespace {

std::string inQuotes(const std::string& s) { return "\u00AB" + s + "\u00BB"; }

} // namespace

std::string MemoText(const Crystal& crystal, const CrystalAnalysis& analysis)
{
    std::string t;
    const auto line = [&](const std::string& s) { t += s + "\n"; };
    if (!crystal.name.empty())
        line(crystal.name);
    if (!crystal.statedFormula.empty())
        line(VT("StructureMemo", "Формула в файле: ") + crystal.statedFormula);
    line(VT("StructureMemo", "Файл: ") + crystal.fileName);
    line(VT("StructureMemo", "Брутто-формула: ") + analysis.sumFormula);
    if (analysis.spaceGroupNumber > 0)
        line(VT("StructureMemo", "Пространственная группа ") + analysis.spaceGroupSymbol + VT("StructureMemo", " (№ ")
             + std::to_string(analysis.spaceGroupNumber) + VT("StructureMemo", "), класс ") + analysis.pointGroupSymbol + ".");
    else if (!analysis.symmetrySearched)
        line(VT("StructureMemo", "Пространственная группа не определялась: в ячейке больше ") + FormatCount(MaxAtomsForSymmetrySearch)
             + VT("StructureMemo", " атомов."));
    else
        line(VT("StructureMemo", "Пространственную группу по расположению атомов определить не удалось."));
    if (crystal.statedNumber > 0 && crystal.statedNumber != analysis.spaceGroupNumber) {
        std::string stated = crystal.statedSymbol.empty() ? std::string() : inQuotes(crystal.statedSymbol) + " ";
        line(VT("StructureMemo", "В файле указана группа ") + stated + VT("StructureMemo", "(№ ") + std::to_string(crystal.statedNumber) + ").");
    }
    const CellParameters& c = crystal.cell;
    line(VT("StructureMemo", "Параметры ячейки: a = ") + FormatNumber(c.a, 4) + " \u00C5, b = " + FormatNumber(c.b, 4)
         + " \u00C5, c = " + FormatNumber(c.c, 4) + " \u00C5; \u03B1 = " + FormatNumber(c.alpha, 3)
         + "\u00B0, \u03B2 = " + FormatNumber(c.beta, 3) + "\u00B0, \u03B3 = " + FormatNumber(c.gamma, 3)
         + "\u00B0.");
    line(VT("StructureMemo", "Объём ячейки V = ") + FormatFixed(analysis.volume, 2) + VT("StructureMemo", " \u00C5\u00B3; число формульных единиц в ячейке Z = ")
         + std::to_string(analysis.z) + ".");
    std::string counts;
    for (const ElementCount& e : analysis.elements)
        counts += (counts.empty() ? "" : ", ") + ElementSymbol(e.element) + " \u2014 " + std::to_string(e.atoms);
    line(VT("StructureMemo", "Атомов в ячейке: ") + counts + ".");
    line(VT("StructureMemo", "Плотность (по содержимому ячейки): ") + FormatFixed(analysis.density, 3) + VT("StructureMemo", " г/см\u00B3."));
    line(VT("StructureMemo", "Позиции (элемент, координационное число КЧ):"));
    for (const SiteCoordination& s : analysis.sites)
        line(s.label + " \u2014 " + ElementSymbol(s.element) + VT("StructureMemo", ", КЧ ") + std::to_string(s.coordination));
    if (crystal.partialOccupancy)
        line(VT("StructureMemo", "В структуре есть частично заселённые позиции; на модели показан основной атом каждой позиции."));
    if (crystal.symmetryAssumed)
        line(VT("StructureMemo", "В файле нет сведений о симметрии: атомы списка взяты как вся ячейка."));
    return t;
}

} // namespace vestrel::cif
