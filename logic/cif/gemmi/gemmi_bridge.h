// SPDX-License-Identifier: MIT
// gemmi seen through plain types: its CIF parser and its space-group tables.
// The files of this folder are the only ones that include gemmi's headers.
// They are compiled as C++17, the standard those headers are written for
// (clang cannot compile gemmi 0.5 as C++20), so this header uses nothing
// newer either. gemmi reports trouble by throwing; the functions here say
// where they turn that into an empty answer, and elsewhere let a
// std::exception through.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vestrel::cif::gemmi_bridge {

// x' = R·x + t / Denominator, in fractions of the cell.
struct SymmetryOperation {
    static constexpr int Denominator = 24;
    std::array<std::array<int, 3>, 3> rotation{};
    std::array<int, 3> translation{};

    std::array<double, 3> apply(const std::array<double, 3>& fract) const;
};

SymmetryOperation IdentityOperation();
// An operation written as "x, y, z" or "-y, x-y, z+1/3"; none when the text
// is not one.
std::optional<SymmetryOperation> ParseOperation(const std::string& text);

enum class CrystalSystem { Triclinic, Monoclinic, Orthorhombic, Tetragonal, Trigonal, Hexagonal, Cubic };

struct SpaceGroup {
    int number = 0;
    CrystalSystem system = CrystalSystem::Triclinic;
    bool rhombohedralAxes = false; // a trigonal group in its rhombohedral setting
    std::vector<SymmetryOperation> operations; // centring included
};

// The number of the group these operations make up; none when they make up
// no group of the tables (an incomplete list, say).
std::optional<int> GroupNumberOf(const std::vector<SymmetryOperation>& operations);

struct HallGroup {
    std::vector<SymmetryOperation> operations;
    std::optional<SpaceGroup> group; // none when the tables do not hold it
};
// None when the Hall symbol cannot be read.
std::optional<HallGroup> GroupFromHall(const std::string& hall);
// By Hermann-Mauguin symbol; the angles choose between settings.
std::optional<SpaceGroup> GroupByName(const std::string& symbol, double alpha, double gamma);
// The reference setting of group 1 ... 230.
std::optional<SpaceGroup> ReferenceGroup(int number);

struct AtomSite {
    std::string label;
    std::string typeSymbol;
    std::array<double, 3> fract{};
    double occupancy = 1;
    int atomicNumber = 0; // 0 when the type symbol names no element
};

class CifDocument {
public:
    CifDocument();
    ~CifDocument();
    CifDocument(const CifDocument&) = delete;
    CifDocument& operator=(const CifDocument&) = delete;

    // False when the text is not CIF; errorLine is then the line of the
    // fault, or 0 when it is not known. name appears in gemmi's messages only.
    bool read(std::string_view text, const std::string& name, int& errorLine);

    std::size_t blockCount() const;
    bool hasTag(std::size_t block, const std::string& tag) const;
    // A single value as text, quotes taken off; none when the tag is absent
    // or its value is null ("?" or ".").
    std::optional<std::string> text(std::size_t block, const std::string& tag) const;
    // The same read as a number (standard uncertainty dropped); NaN when it
    // is not a number.
    std::optional<double> number(std::size_t block, const std::string& tag) const;
    // The non-null values of a loop column as text; none when there is no
    // such column.
    std::optional<std::vector<std::string>> column(std::size_t block, const std::string& tag) const;
    // The atom sites of a block (fractional coordinates, occupancy, element).
    std::vector<AtomSite> sites(std::size_t block) const;

private:
    struct Parsed;
    std::unique_ptr<Parsed> parsed_;
};

} // namespace vestrel::cif::gemmi_bridge
