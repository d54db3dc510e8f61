// SPDX-License-Identifier: MIT
#include "logic/morphology/class_texts.h"

#include "logic/text/language.h"
#include "logic/text/translate.h"

#include <cctype>
#include <vector>

namespace vestrel::morphology {

namespace {

// The names the form rules compose from a shape and the number of faces
// around the axis, for the translation tools (the table of the classes
// holds the general forms).
[[maybe_unused]] constexpr const char* ComposedFormNames[] = {
    VT_NOOP("SimpleForms", "тригональная призма"),      VT_NOOP("SimpleForms", "тетрагональная призма"),
    VT_NOOP("SimpleForms", "гексагональная призма"),    VT_NOOP("SimpleForms", "дитригональная призма"),
    VT_NOOP("SimpleForms", "дитетрагональная призма"),  VT_NOOP("SimpleForms", "дигексагональная призма"),
    VT_NOOP("SimpleForms", "тригональная пирамида"),    VT_NOOP("SimpleForms", "тетрагональная пирамида"),
    VT_NOOP("SimpleForms", "гексагональная пирамида"),  VT_NOOP("SimpleForms", "дитригональная пирамида"),
    VT_NOOP("SimpleForms", "дитетрагональная пирамида"), VT_NOOP("SimpleForms", "дигексагональная пирамида"),
    VT_NOOP("SimpleForms", "тригональная дипирамида"),  VT_NOOP("SimpleForms", "тетрагональная дипирамида"),
    VT_NOOP("SimpleForms", "гексагональная дипирамида"), VT_NOOP("SimpleForms", "дитригональная дипирамида"),
    VT_NOOP("SimpleForms", "дитетрагональная дипирамида"), VT_NOOP("SimpleForms", "дигексагональная дипирамида"),
    VT_NOOP("SimpleForms", "тригональный трапецоэдр"),  VT_NOOP("SimpleForms", "тетрагональный трапецоэдр"),
    VT_NOOP("SimpleForms", "гексагональный трапецоэдр"), VT_NOOP("SimpleForms", "тетрагональный скаленоэдр"),
    VT_NOOP("SimpleForms", "дитригональный скаленоэдр"), VT_NOOP("SimpleForms", "ромбоэдр"),
    VT_NOOP("SimpleForms", "тетрагональный тетраэдр"),  VT_NOOP("SimpleForms", "ромбическая дипирамида"),
    VT_NOOP("SimpleForms", "ромбическая призма"),       VT_NOOP("SimpleForms", "ромбический тетраэдр"),
    VT_NOOP("SimpleForms", "ромбическая пирамида"),     VT_NOOP("SimpleForms", "куб"),
    VT_NOOP("SimpleForms", "октаэдр"),                  VT_NOOP("SimpleForms", "тетраэдр"),
    VT_NOOP("SimpleForms", "ромбододекаэдр"),           VT_NOOP("SimpleForms", "тетрагексаэдр"),
    VT_NOOP("SimpleForms", "пентагондодекаэдр"),        VT_NOOP("SimpleForms", "тригон-триоктаэдр"),
    VT_NOOP("SimpleForms", "тетрагон-тритетраэдр"),     VT_NOOP("SimpleForms", "тетрагон-триоктаэдр"),
    VT_NOOP("SimpleForms", "тригон-тритетраэдр"),
};

struct Element {
    int count = 1;
    char kind = 'L'; // L axis, P plane, C centre
    bool inversion = false;
    int order = 0;
};

// "3L4 4L3 6L2 9PC", "L2PC", "3Li4 4L3 6P" as a list of elements.
std::vector<Element> parseFormula(std::string_view formula)
{
    std::vector<Element> out;
    std::size_t i = 0;
    while (i < formula.size()) {
        if (formula[i] == ' ') {
            ++i;
            continue;
        }
        Element e;
        if (std::isdigit(static_cast<unsigned char>(formula[i]))) {
            e.count = 0;
            while (i < formula.size() && std::isdigit(static_cast<unsigned char>(formula[i])))
                e.count = e.count * 10 + (formula[i++] - '0');
        }
        e.kind = formula[i++];
        if (e.kind == 'L') {
            if (i < formula.size() && formula[i] == 'i') {
                e.inversion = true;
                ++i;
            }
            e.order = formula[i++] - '0';
        }
        out.push_back(e);
    }
    return out;
}

std::string counted(int count, const std::string& symbol) { return (count > 1 ? std::to_string(count) : "") + symbol; }

const std::string RotoinversionAxis = "\xC4\x80"; // Ā (U+0100)

} // namespace

std::string ClassNameText(const CrystalClass& c) { return Translate("CrystalClasses", c.name.data()); }

std::string SystemNameText(CrystalSystem system) { return Translate("CrystalSystems", SystemName(system).data()); }

std::string FormNameText(const std::string& russianName) { return Translate("SimpleForms", russianName.c_str()); }

std::string EnglishSymmetryFormula(const CrystalClass& c)
{
    const std::vector<Element> elements = parseFormula(c.formula);
    bool centre = false;
    for (const Element& e : elements)
        centre = centre || e.kind == 'C';
    std::vector<std::string> axes, planes;
    for (const Element& e : elements) {
        if (e.kind == 'L' && e.order == 1)
            continue; // the onefold axis is no element of symmetry
        if (e.kind == 'L' && e.inversion)
            axes.push_back(counted(e.count, RotoinversionAxis + std::to_string(e.order)));
        else if (e.kind == 'L')
            axes.push_back(counted(e.count, "A" + std::to_string(e.order)));
        else if (e.kind == 'P')
            planes.push_back(counted(e.count, "m"));
    }
    std::vector<std::string> all;
    if (centre)
        all.push_back("i");
    all.insert(all.end(), axes.begin(), axes.end());
    all.insert(all.end(), planes.begin(), planes.end());
    std::string out;
    for (const std::string& s : all)
        out += (out.empty() ? "" : ", ") + s;
    return out.empty() ? "none" : out;
}

std::string SymmetryFormulaText(const CrystalClass& c)
{
    return CurrentLanguage() == Language::English ? EnglishSymmetryFormula(c) : std::string(c.formula);
}

} // namespace vestrel::morphology
