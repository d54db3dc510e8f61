// SPDX-License-Identifier: MIT
// The 32 crystal classes (виды симметрии), numbered in the order of the
// International Tables (1 to 32), with their crystal systems. Symbols use a
// light markup: in international symbols "-" before a digit is an overbar
// (an inversion axis); in Schoenflies symbols everything after the first
// letter is a subscript; in symmetry formulas the order after "L" (with "i"
// for an inversion axis) is a subscript. A class is named after its general
// form, as the reference plates of the program name them.
#pragma once

#include "logic/text/translate.h"

#include <array>
#include <string_view>

namespace vestrel::morphology {

enum class CrystalSystem { Triclinic, Monoclinic, Orthorhombic, Trigonal, Tetragonal, Hexagonal, Cubic };

inline constexpr int CrystalSystemCount = 7;

struct CrystalSystemInfo {
    CrystalSystem system;
    std::string_view name;       // Russian
    std::string_view category;   // низшая, средняя, высшая
};

// In the order of the plate of the 32 classes: by category.
inline constexpr std::array<CrystalSystemInfo, CrystalSystemCount> CrystalSystems{{
    {CrystalSystem::Triclinic, VT_NOOP("CrystalSystems", "Триклинная"), VT_NOOP("CrystalSystems", "Низшая")},
    {CrystalSystem::Monoclinic, VT_NOOP("CrystalSystems", "Моноклинная"), VT_NOOP("CrystalSystems", "Низшая")},
    {CrystalSystem::Orthorhombic, VT_NOOP("CrystalSystems", "Ромбическая"), VT_NOOP("CrystalSystems", "Низшая")},
    {CrystalSystem::Trigonal, VT_NOOP("CrystalSystems", "Тригональная"), VT_NOOP("CrystalSystems", "Средняя")},
    {CrystalSystem::Tetragonal, VT_NOOP("CrystalSystems", "Тетрагональная"), VT_NOOP("CrystalSystems", "Средняя")},
    {CrystalSystem::Hexagonal, VT_NOOP("CrystalSystems", "Гексагональная"), VT_NOOP("CrystalSystems", "Средняя")},
    {CrystalSystem::Cubic, VT_NOOP("CrystalSystems", "Кубическая"), VT_NOOP("CrystalSystems", "Высшая")},
}};

struct CrystalClass {
    CrystalSystem system;
    std::string_view international;   // Hermann-Mauguin, short form
    std::string_view schoenflies;
    std::string_view formula;         // elements of symmetry: L axes, P planes, C centre
    bool holohedry;                   // the class of highest symmetry of its system
    std::string_view name;            // Russian, after the general form
    std::string_view generalForm;     // the general form's name
    int order;                        // of the point group
};

inline constexpr std::array<CrystalClass, 32> CrystalClasses{{
    {CrystalSystem::Triclinic, "1", "C1", "L1", false, VT_NOOP("CrystalClasses", "моноэдрический"), VT_NOOP("SimpleForms", "моноэдр"), 1},
    {CrystalSystem::Triclinic, "-1", "Ci", "C", true, VT_NOOP("CrystalClasses", "пинакоидальный"), VT_NOOP("SimpleForms", "пинакоид"), 2},

    {CrystalSystem::Monoclinic, "2", "C2", "L2", false, VT_NOOP("CrystalClasses", "диэдрический осевой"), VT_NOOP("SimpleForms", "диэдр"), 2},
    {CrystalSystem::Monoclinic, "m", "Cs", "P", false, VT_NOOP("CrystalClasses", "диэдрический безосный"), VT_NOOP("SimpleForms", "диэдр"), 2},
    {CrystalSystem::Monoclinic, "2/m", "C2h", "L2PC", true, VT_NOOP("CrystalClasses", "призматический"), VT_NOOP("SimpleForms", "ромбическая призма"), 4},

    {CrystalSystem::Orthorhombic, "222", "D2", "3L2", false, VT_NOOP("CrystalClasses", "ромбо-тетраэдрический"), VT_NOOP("SimpleForms", "ромбический тетраэдр"), 4},
    {CrystalSystem::Orthorhombic, "mm2", "C2v", "L2 2P", false, VT_NOOP("CrystalClasses", "ромбо-пирамидальный"), VT_NOOP("SimpleForms", "ромбическая пирамида"), 4},
    {CrystalSystem::Orthorhombic, "mmm", "D2h", "3L2 3PC", true, VT_NOOP("CrystalClasses", "ромбо-дипирамидальный"), VT_NOOP("SimpleForms", "ромбическая дипирамида"), 8},

    {CrystalSystem::Tetragonal, "4", "C4", "L4", false, VT_NOOP("CrystalClasses", "тетрагонально-пирамидальный"), VT_NOOP("SimpleForms", "тетрагональная пирамида"), 4},
    {CrystalSystem::Tetragonal, "-4", "S4", "Li4", false, VT_NOOP("CrystalClasses", "тетрагонально-тетраэдрический"), VT_NOOP("SimpleForms", "тетрагональный тетраэдр"), 4},
    {CrystalSystem::Tetragonal, "4/m", "C4h", "L4PC", false, VT_NOOP("CrystalClasses", "тетрагонально-дипирамидальный"), VT_NOOP("SimpleForms", "тетрагональная дипирамида"), 8},
    {CrystalSystem::Tetragonal, "422", "D4", "L4 4L2", false, VT_NOOP("CrystalClasses", "тетрагонально-трапецоэдрический"), VT_NOOP("SimpleForms", "тетрагональный трапецоэдр"), 8},
    {CrystalSystem::Tetragonal, "4mm", "C4v", "L4 4P", false, VT_NOOP("CrystalClasses", "дитетрагонально-пирамидальный"), VT_NOOP("SimpleForms", "дитетрагональная пирамида"), 8},
    {CrystalSystem::Tetragonal, "-42m", "D2d", "Li4 2L2 2P", false, VT_NOOP("CrystalClasses", "тетрагонально-скаленоэдрический"), VT_NOOP("SimpleForms", "тетрагональный скаленоэдр"), 8},
    {CrystalSystem::Tetragonal, "4/mmm", "D4h", "L4 4L2 5PC", true, VT_NOOP("CrystalClasses", "дитетрагонально-дипирамидальный"), VT_NOOP("SimpleForms", "дитетрагональная дипирамида"), 16},

    {CrystalSystem::Trigonal, "3", "C3", "L3", false, VT_NOOP("CrystalClasses", "тригонально-пирамидальный"), VT_NOOP("SimpleForms", "тригональная пирамида"), 3},
    {CrystalSystem::Trigonal, "-3", "C3i", "L3C", false, VT_NOOP("CrystalClasses", "ромбоэдрический"), VT_NOOP("SimpleForms", "ромбоэдр"), 6},
    {CrystalSystem::Trigonal, "32", "D3", "L3 3L2", false, VT_NOOP("CrystalClasses", "тригонально-трапецоэдрический"), VT_NOOP("SimpleForms", "тригональный трапецоэдр"), 6},
    {CrystalSystem::Trigonal, "3m", "C3v", "L3 3P", false, VT_NOOP("CrystalClasses", "дитригонально-пирамидальный"), VT_NOOP("SimpleForms", "дитригональная пирамида"), 6},
    {CrystalSystem::Trigonal, "-3m", "D3d", "L3 3L2 3PC", true, VT_NOOP("CrystalClasses", "дитригонально-скаленоэдрический"), VT_NOOP("SimpleForms", "дитригональный скаленоэдр"), 12},

    {CrystalSystem::Hexagonal, "6", "C6", "L6", false, VT_NOOP("CrystalClasses", "гексагонально-пирамидальный"), VT_NOOP("SimpleForms", "гексагональная пирамида"), 6},
    {CrystalSystem::Hexagonal, "-6", "C3h", "Li6", false, VT_NOOP("CrystalClasses", "тригонально-дипирамидальный"), VT_NOOP("SimpleForms", "тригональная дипирамида"), 6},
    {CrystalSystem::Hexagonal, "6/m", "C6h", "L6PC", false, VT_NOOP("CrystalClasses", "гексагонально-дипирамидальный"), VT_NOOP("SimpleForms", "гексагональная дипирамида"), 12},
    {CrystalSystem::Hexagonal, "622", "D6", "L6 6L2", false, VT_NOOP("CrystalClasses", "гексагонально-трапецоэдрический"), VT_NOOP("SimpleForms", "гексагональный трапецоэдр"), 12},
    {CrystalSystem::Hexagonal, "6mm", "C6v", "L6 6P", false, VT_NOOP("CrystalClasses", "дигексагонально-пирамидальный"), VT_NOOP("SimpleForms", "дигексагональная пирамида"), 12},
    {CrystalSystem::Hexagonal, "-6m2", "D3h", "Li6 3L2 3P", false, VT_NOOP("CrystalClasses", "дитригонально-дипирамидальный"), VT_NOOP("SimpleForms", "дитригональная дипирамида"), 12},
    {CrystalSystem::Hexagonal, "6/mmm", "D6h", "L6 6L2 7PC", true, VT_NOOP("CrystalClasses", "дигексагонально-дипирамидальный"), VT_NOOP("SimpleForms", "дигексагональная дипирамида"), 24},

    {CrystalSystem::Cubic, "23", "T", "3L2 4L3", false, VT_NOOP("CrystalClasses", "пентагон-тритетраэдрический"), VT_NOOP("SimpleForms", "пентагон-тритетраэдр"), 12},
    {CrystalSystem::Cubic, "m-3", "Th", "3L2 4L3 3PC", false, VT_NOOP("CrystalClasses", "дидодекаэдрический"), VT_NOOP("SimpleForms", "дидодекаэдр"), 24},
    {CrystalSystem::Cubic, "432", "O", "3L4 4L3 6L2", false, VT_NOOP("CrystalClasses", "пентагон-триоктаэдрический"), VT_NOOP("SimpleForms", "пентагон-триоктаэдр"), 24},
    {CrystalSystem::Cubic, "-43m", "Td", "3Li4 4L3 6P", false, VT_NOOP("CrystalClasses", "гексатетраэдрический"), VT_NOOP("SimpleForms", "гексатетраэдр"), 24},
    {CrystalSystem::Cubic, "m-3m", "Oh", "3L4 4L3 6L2 9PC", true, VT_NOOP("CrystalClasses", "гексаоктаэдрический"), VT_NOOP("SimpleForms", "гексаоктаэдр"), 48},
}};

inline constexpr std::string_view SystemName(CrystalSystem system)
{
    for (const CrystalSystemInfo& info : CrystalSystems)
        if (info.system == system)
            return info.name;
    return {};
}

} // namespace vestrel::morphology
