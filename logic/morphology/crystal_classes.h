// SPDX-License-Identifier: MIT
// The 32 crystal classes (виды симметрии), numbered in the order of the
// International Tables (1 to 32), with their crystal systems. Symbols use a
// light markup: in international symbols "-" before a digit is an overbar
// (an inversion axis); in Schoenflies symbols everything after the first
// letter is a subscript; in symmetry formulas the order after "L" (with "i"
// for an inversion axis) is a subscript. A class is named after its general
// form, as the reference plates of the program name them.
#pragma once

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
    {CrystalSystem::Triclinic, "Триклинная", "Низшая"},
    {CrystalSystem::Monoclinic, "Моноклинная", "Низшая"},
    {CrystalSystem::Orthorhombic, "Ромбическая", "Низшая"},
    {CrystalSystem::Trigonal, "Тригональная", "Средняя"},
    {CrystalSystem::Tetragonal, "Тетрагональная", "Средняя"},
    {CrystalSystem::Hexagonal, "Гексагональная", "Средняя"},
    {CrystalSystem::Cubic, "Кубическая", "Высшая"},
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
    {CrystalSystem::Triclinic, "1", "C1", "L1", false, "моноэдрический", "моноэдр", 1},
    {CrystalSystem::Triclinic, "-1", "Ci", "C", true, "пинакоидальный", "пинакоид", 2},

    {CrystalSystem::Monoclinic, "2", "C2", "L2", false, "диэдрический осевой", "диэдр", 2},
    {CrystalSystem::Monoclinic, "m", "Cs", "P", false, "диэдрический безосный", "диэдр", 2},
    {CrystalSystem::Monoclinic, "2/m", "C2h", "L2PC", true, "призматический", "ромбическая призма", 4},

    {CrystalSystem::Orthorhombic, "222", "D2", "3L2", false, "ромбо-тетраэдрический", "ромбический тетраэдр", 4},
    {CrystalSystem::Orthorhombic, "mm2", "C2v", "L2 2P", false, "ромбо-пирамидальный", "ромбическая пирамида", 4},
    {CrystalSystem::Orthorhombic, "mmm", "D2h", "3L2 3PC", true, "ромбо-дипирамидальный", "ромбическая дипирамида", 8},

    {CrystalSystem::Tetragonal, "4", "C4", "L4", false, "тетрагонально-пирамидальный", "тетрагональная пирамида", 4},
    {CrystalSystem::Tetragonal, "-4", "S4", "Li4", false, "тетрагонально-тетраэдрический", "тетрагональный тетраэдр", 4},
    {CrystalSystem::Tetragonal, "4/m", "C4h", "L4PC", false, "тетрагонально-дипирамидальный", "тетрагональная дипирамида", 8},
    {CrystalSystem::Tetragonal, "422", "D4", "L4 4L2", false, "тетрагонально-трапецоэдрический", "тетрагональный трапецоэдр", 8},
    {CrystalSystem::Tetragonal, "4mm", "C4v", "L4 4P", false, "дитетрагонально-пирамидальный", "дитетрагональная пирамида", 8},
    {CrystalSystem::Tetragonal, "-42m", "D2d", "Li4 2L2 2P", false, "тетрагонально-скаленоэдрический", "тетрагональный скаленоэдр", 8},
    {CrystalSystem::Tetragonal, "4/mmm", "D4h", "L4 4L2 5PC", true, "дитетрагонально-дипирамидальный", "дитетрагональная дипирамида", 16},

    {CrystalSystem::Trigonal, "3", "C3", "L3", false, "тригонально-пирамидальный", "тригональная пирамида", 3},
    {CrystalSystem::Trigonal, "-3", "C3i", "L3C", false, "ромбоэдрический", "ромбоэдр", 6},
    {CrystalSystem::Trigonal, "32", "D3", "L3 3L2", false, "тригонально-трапецоэдрический", "тригональный трапецоэдр", 6},
    {CrystalSystem::Trigonal, "3m", "C3v", "L3 3P", false, "дитригонально-пирамидальный", "дитригональная пирамида", 6},
    {CrystalSystem::Trigonal, "-3m", "D3d", "L3 3L2 3PC", true, "дитригонально-скаленоэдрический", "дитригональный скаленоэдр", 12},

    {CrystalSystem::Hexagonal, "6", "C6", "L6", false, "гексагонально-пирамидальный", "гексагональная пирамида", 6},
    {CrystalSystem::Hexagonal, "-6", "C3h", "Li6", false, "тригонально-дипирамидальный", "тригональная дипирамида", 6},
    {CrystalSystem::Hexagonal, "6/m", "C6h", "L6PC", false, "гексагонально-дипирамидальный", "гексагональная дипирамида", 12},
    {CrystalSystem::Hexagonal, "622", "D6", "L6 6L2", false, "гексагонально-трапецоэдрический", "гексагональный трапецоэдр", 12},
    {CrystalSystem::Hexagonal, "6mm", "C6v", "L6 6P", false, "дигексагонально-пирамидальный", "дигексагональная пирамида", 12},
    {CrystalSystem::Hexagonal, "-6m2", "D3h", "Li6 3L2 3P", false, "дитригонально-дипирамидальный", "дитригональная дипирамида", 12},
    {CrystalSystem::Hexagonal, "6/mmm", "D6h", "L6 6L2 7PC", true, "дигексагонально-дипирамидальный", "дигексагональная дипирамида", 24},

    {CrystalSystem::Cubic, "23", "T", "3L2 4L3", false, "пентагон-тритетраэдрический", "пентагон-тритетраэдр", 12},
    {CrystalSystem::Cubic, "m-3", "Th", "3L2 4L3 3PC", false, "дидодекаэдрический", "дидодекаэдр", 24},
    {CrystalSystem::Cubic, "432", "O", "3L4 4L3 6L2", false, "пентагон-триоктаэдрический", "пентагон-триоктаэдр", 24},
    {CrystalSystem::Cubic, "-43m", "Td", "3Li4 4L3 6P", false, "гексатетраэдрический", "гексатетраэдр", 24},
    {CrystalSystem::Cubic, "m-3m", "Oh", "3L4 4L3 6L2 9PC", true, "гексаоктаэдрический", "гексаоктаэдр", 48},
}};

inline constexpr std::string_view SystemName(CrystalSystem system)
{
    for (const CrystalSystemInfo& info : CrystalSystems)
        if (info.system == system)
            return info.name;
    return {};
}

} // namespace vestrel::morphology
