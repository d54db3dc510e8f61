// SPDX-License-Identifier: MIT
// The 32 crystal classes by crystal system, in the order of the
// International Tables within each system. Symbols use a light markup that
// symbol_markup.h turns into drawn text: in international symbols "-" before
// a digit is an overbar (an inversion axis); in Schoenflies symbols
// everything after the first letter is a subscript; in symmetry formulas the
// order after "L" (with "i" for an inversion axis) is a subscript.
#pragma once

#include <array>
#include <string_view>

namespace vestrel::reference {

enum class CrystalSystem { Triclinic, Monoclinic, Orthorhombic, Trigonal, Tetragonal, Hexagonal, Cubic };

inline constexpr int CrystalSystemCount = 7;

struct CrystalSystemInfo {
    CrystalSystem system;
    std::string_view name;       // Russian
    std::string_view category;   // низшая, средняя, высшая
};

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
    bool holohedry;                    // the class of highest symmetry of its system
};

inline constexpr std::array<CrystalClass, 32> CrystalClasses{{
    {CrystalSystem::Triclinic, "1", "C1", "L1", false},
    {CrystalSystem::Triclinic, "-1", "Ci", "C", true},

    {CrystalSystem::Monoclinic, "2", "C2", "L2", false},
    {CrystalSystem::Monoclinic, "m", "Cs", "P", false},
    {CrystalSystem::Monoclinic, "2/m", "C2h", "L2PC", true},

    {CrystalSystem::Orthorhombic, "222", "D2", "3L2", false},
    {CrystalSystem::Orthorhombic, "mm2", "C2v", "L2 2P", false},
    {CrystalSystem::Orthorhombic, "mmm", "D2h", "3L2 3PC", true},

    {CrystalSystem::Trigonal, "3", "C3", "L3", false},
    {CrystalSystem::Trigonal, "-3", "C3i", "L3C", false},
    {CrystalSystem::Trigonal, "32", "D3", "L3 3L2", false},
    {CrystalSystem::Trigonal, "3m", "C3v", "L3 3P", false},
    {CrystalSystem::Trigonal, "-3m", "D3d", "L3 3L2 3PC", true},

    {CrystalSystem::Tetragonal, "4", "C4", "L4", false},
    {CrystalSystem::Tetragonal, "-4", "S4", "Li4", false},
    {CrystalSystem::Tetragonal, "4/m", "C4h", "L4PC", false},
    {CrystalSystem::Tetragonal, "422", "D4", "L4 4L2", false},
    {CrystalSystem::Tetragonal, "4mm", "C4v", "L4 4P", false},
    {CrystalSystem::Tetragonal, "-42m", "D2d", "Li4 2L2 2P", false},
    {CrystalSystem::Tetragonal, "4/mmm", "D4h", "L4 4L2 5PC", true},

    {CrystalSystem::Hexagonal, "6", "C6", "L6", false},
    {CrystalSystem::Hexagonal, "-6", "C3h", "Li6", false},
    {CrystalSystem::Hexagonal, "6/m", "C6h", "L6PC", false},
    {CrystalSystem::Hexagonal, "622", "D6", "L6 6L2", false},
    {CrystalSystem::Hexagonal, "6mm", "C6v", "L6 6P", false},
    {CrystalSystem::Hexagonal, "-6m2", "D3h", "Li6 3L2 3P", false},
    {CrystalSystem::Hexagonal, "6/mmm", "D6h", "L6 6L2 7PC", true},

    {CrystalSystem::Cubic, "23", "T", "3L2 4L3", false},
    {CrystalSystem::Cubic, "m-3", "Th", "3L2 4L3 3PC", false},
    {CrystalSystem::Cubic, "432", "O", "3L4 4L3 6L2", false},
    {CrystalSystem::Cubic, "-43m", "Td", "3Li4 4L3 6P", false},
    {CrystalSystem::Cubic, "m-3m", "Oh", "3L4 4L3 6L2 9PC", true},
}};

} // namespace vestrel::reference
