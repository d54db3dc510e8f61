// SPDX-License-Identifier: MIT
// The words on the reference pictures, one table per language: the program's
// own Russian, and English in the terms of English textbooks. Both languages
// are drawn by the same code; only these tables differ. Captions use the
// markup of symbol_markup.h ("_{n}" a subscript, "!{n}" a barred digit).
#pragma once

#include "logic/text/language.h"
#include "tools/reference/crystal_classes.h"
#include "tools/reference/cubic_forms.h"

#include <array>
#include <string_view>

namespace vestrel::reference {

// How the symmetry formula of a class is written: the elements of the class
// table ("3L4 4L3 6L2 9PC", L an axis, P a plane, C the centre) or the
// English mineralogy notation ("i, 3A4, 4A3, 6A2, 9m").
enum class FormulaNotation { AxesPlanesCentre, Mineralogy };

struct ClassesPlateTexts {
    std::string_view title;
    std::array<std::string_view, 3> categories;   // headers of the lower, middle and higher category
    std::array<std::string_view, 5> notes;
    FormulaNotation notation;
};

struct CubicFormsTexts {
    std::string_view title;
    std::string_view classWord;                                // between a form's {hkl} and its class
    std::array<std::string_view, CubicSimpleForms.size()> forms;   // in the order of CubicSimpleForms
    std::array<std::string_view, 5> classes;                   // in the order of CubicGroup
};

struct PackingsTexts {
    std::string_view title;
    std::string_view hexagonal;
    std::string_view cubic;
};

struct PictureTexts {
    Language language;
    std::array<std::string_view, CrystalSystemCount> systems;   // in the order of CrystalSystem
    ClassesPlateTexts classes;
    CubicFormsTexts forms;
    std::string_view bravaisTitle;
    PackingsTexts packings;
};

inline constexpr PictureTexts RussianTexts{
    .language = Language::Russian,
    .systems = {"Триклинная", "Моноклинная", "Ромбическая", "Тригональная", "Тетрагональная", "Гексагональная",
                "Кубическая"},
    .classes =
        {
            .title = "Распределение 32 видов симметрии по сингониям",
            .categories = {"Низшая категория", "Средняя категория", "Высшая категория"},
            .notes =
                {
                    "В клетке: номер вида, международный символ (Германа — Могена), символ Шёнфлиса и формула "
                    "симметрии.",
                    "Рамкой выделены голоэдрические виды — виды высшей симметрии своей сингонии.",
                    "Формула симметрии: L_{n} — ось симметрии n-го порядка, L_{in} — инверсионная ось n-го порядка, "
                    "P — плоскость симметрии, C — центр симметрии.",
                    "Международный символ: n — ось n-го порядка, !{n} — инверсионная ось (!{1} — центр симметрии), "
                    "m — плоскость симметрии,",
                    "n/m — ось n-го порядка с перпендикулярной ей плоскостью симметрии.",
                },
            .notation = FormulaNotation::AxesPlanesCentre,
        },
    .forms =
        {
            .title = "Простые формы кубической сингонии",
            .classWord = ",  вид ",
            .forms = {"куб", "октаэдр", "ромбододекаэдр", "тетрагексаэдр", "тригон-триоктаэдр",
                      "тетрагон-триоктаэдр", "гексоктаэдр", "тетраэдр", "тригон-тритетраэдр",
                      "тетрагон-тритетраэдр", "гексатетраэдр", "пентагондодекаэдр", "дидодекаэдр",
                      "пентагон-тритетраэдр", "пентагон-триоктаэдр"},
            .classes = {"гексоктаэдрический", "гексатетраэдрический", "дидодекаэдрический",
                        "пентагон-триоктаэдрический", "пентагон-тритетраэдрический"},
        },
    .bravaisTitle = "Пространственные решетки Браве",
    .packings = {.title = "Плотнейшие упаковки шаров", .hexagonal = "гексагональная", .cubic = "кубическая"},
};

inline constexpr PictureTexts EnglishTexts{
    .language = Language::English,
    .systems = {"Triclinic", "Monoclinic", "Orthorhombic", "Trigonal", "Tetragonal", "Hexagonal", "Cubic"},
    .classes =
        {
            .title = "The 32 crystal classes by crystal system",
            .categories = {"Lower category", "Intermediate category", "Higher category"},
            .notes =
                {
                    "In each cell: the number of the class, its international (Hermann–Mauguin) symbol, its "
                    "Schoenflies symbol and its symmetry formula.",
                    "Framed: the holohedral classes, those of the highest symmetry of their crystal system.",
                    "Symmetry formula: A_{n} — n-fold rotation axis, Ā_{n} — n-fold rotoinversion axis, "
                    "m — mirror plane, i — centre of symmetry (inversion centre).",
                    "International symbol: n — n-fold rotation axis, !{n} — n-fold rotoinversion axis "
                    "(!{1} — centre of symmetry), m — mirror plane,",
                    "n/m — n-fold axis with a mirror plane perpendicular to it.",
                },
            .notation = FormulaNotation::Mineralogy,
        },
    .forms =
        {
            .title = "Simple forms of the cubic system",
            .classWord = ",  class ",
            .forms = {"cube", "octahedron", "rhombic dodecahedron", "tetrahexahedron", "trisoctahedron",
                      "trapezohedron", "hexoctahedron", "tetrahedron", "tristetrahedron", "deltoid dodecahedron",
                      "hextetrahedron", "pyritohedron", "diploid", "tetartoid", "gyroid"},
            .classes = {"hexoctahedral", "hextetrahedral", "diploidal", "gyroidal", "tetartoidal"},
        },
    .bravaisTitle = "The 14 Bravais lattices",
    .packings = {.title = "Closest packings of spheres", .hexagonal = "hexagonal", .cubic = "cubic"},
};

// The symmetry formula of each class in the English mineralogy notation:
// "i" the centre, "nAk" n k-fold rotation axes, "nĀk" rotoinversion axes,
// "nm" mirror planes. The elements are those of the class table's formula.
struct MineralogyFormula {
    std::string_view international;
    std::string_view formula;
};

inline constexpr std::array<MineralogyFormula, 32> MineralogyFormulas{{
    {"1", "none"},
    {"-1", "i"},
    {"2", "A2"},
    {"m", "m"},
    {"2/m", "i, A2, m"},
    {"222", "3A2"},
    {"mm2", "A2, 2m"},
    {"mmm", "i, 3A2, 3m"},
    {"4", "A4"},
    {"-4", "Ā4"},
    {"4/m", "i, A4, m"},
    {"422", "A4, 4A2"},
    {"4mm", "A4, 4m"},
    {"-42m", "Ā4, 2A2, 2m"},
    {"4/mmm", "i, A4, 4A2, 5m"},
    {"3", "A3"},
    {"-3", "i, A3"},
    {"32", "A3, 3A2"},
    {"3m", "A3, 3m"},
    {"-3m", "i, A3, 3A2, 3m"},
    {"6", "A6"},
    {"-6", "Ā6"},
    {"6/m", "i, A6, m"},
    {"622", "A6, 6A2"},
    {"6mm", "A6, 6m"},
    {"-6m2", "Ā6, 3A2, 3m"},
    {"6/mmm", "i, A6, 6A2, 7m"},
    {"23", "3A2, 4A3"},
    {"m-3", "i, 3A2, 4A3, 3m"},
    {"432", "3A4, 4A3, 6A2"},
    {"-43m", "3Ā4, 4A3, 6m"},
    {"m-3m", "i, 3A4, 4A3, 6A2, 9m"},
}};

inline constexpr std::string_view MineralogyFormulaOf(std::string_view international)
{
    for (const MineralogyFormula& entry : MineralogyFormulas)
        if (entry.international == international)
            return entry.formula;
    return {};
}

inline const PictureTexts& TextsFor(Language language)
{
    return language == Language::English ? EnglishTexts : RussianTexts;
}

// Calls `visit` with every text of the table, so that checks can go over
// all of them.
template <typename Visit>
void ForEachText(const PictureTexts& texts, Visit visit)
{
    auto all = [&](const auto& list) {
        for (std::string_view text : list)
            visit(text);
    };
    all(texts.systems);
    visit(texts.classes.title);
    all(texts.classes.categories);
    all(texts.classes.notes);
    visit(texts.forms.title);
    visit(texts.forms.classWord);
    all(texts.forms.forms);
    all(texts.forms.classes);
    visit(texts.bravaisTitle);
    visit(texts.packings.title);
    visit(texts.packings.hexagonal);
    visit(texts.packings.cubic);
    if (texts.classes.notation == FormulaNotation::Mineralogy)
        for (const MineralogyFormula& entry : MineralogyFormulas)
            visit(entry.formula);
}

} // namespace vestrel::reference
