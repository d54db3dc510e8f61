// SPDX-License-Identifier: MIT
// The CIF parser and the space-group tables are gemmi's, seen through
// gemmi_bridge. gemmi reports trouble by throwing; every call into it is made
// under a catch that turns the trouble into a message.
#include "logic/cif/cif_reader.h"
#include "logic/text/translate.h"

#include "logic/cif/elements.h"
#include "logic/cif/gemmi/cell_geometry.h"
#include "logic/cif/gemmi/gemmi_bridge.h"
#include "logic/cif/gemmi/site_images.h"
#include "logic/cif/neighbours.h"
#include "logic/cif/text_format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

namespace vestrel::cif {

namespace {

namespace fs = std::filesystem;
namespace gb = gemmi_bridge;

// One data block of a parsed file.
struct Block {
    const gb::CifDocument& document;
    std::size_t index;
};

// Lengths of a cell that a space group wants equal may differ this much
// (relative), and angles it wants fixed this much (degrees).
constexpr double LengthTolerance = 0.005;
constexpr double AngleTolerance = 0.5;
// Occupancies this close to 1 are full.
constexpr double FullOccupancy = 1 - 1e-3;

std::string inQuotes(const std::string& s) { return "\u00AB" + s + "\u00BB"; }

Failure fail(std::string message) { return Failure{std::move(message), 0}; }

std::string fileNameOf(const std::string& path)
{
    const std::string name = fs::path(path).filename().string();
    return name.empty() ? path : name;
}

std::string stringValue(const Block& block, std::initializer_list<const char*> tags)
{
    std::optional<std::string> v;
    for (const char* tag : tags)
        if ((v = block.document.text(block.index, tag)))
            break;
    if (!v)
        return {};
    std::string s = *v;
    // Text fields may span lines; one line is enough here.
    std::replace(s.begin(), s.end(), '\n', ' ');
    std::replace(s.begin(), s.end(), '\r', ' ');
    const auto first = s.find_first_not_of(' ');
    const auto last = s.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
}

double numberValue(const Block& block, std::initializer_list<const char*> tags)
{
    for (const char* tag : tags)
        if (const std::optional<double> v = block.document.number(block.index, tag))
            return *v;
    return NAN;
}

std::vector<std::string> columnValues(const Block& block, std::initializer_list<const char*> tags)
{
    for (const char* tag : tags)
        if (std::optional<std::vector<std::string>> values = block.document.column(block.index, tag))
            return std::move(*values);
    return {};
}

bool hasCell(const Block& block) { return block.document.hasTag(block.index, "_cell_length_a"); }

bool hasSites(const Block& block)
{
    return block.document.hasTag(block.index, "_atom_site_fract_x")
        && block.document.hasTag(block.index, "_atom_site_fract_y")
        && block.document.hasTag(block.index, "_atom_site_fract_z");
}

std::string cellText(const CellParameters& c)
{
    return "a = " + FormatNumber(c.a, 4) + " \u00C5, b = " + FormatNumber(c.b, 4) + " \u00C5, c = "
        + FormatNumber(c.c, 4) + " \u00C5; \u03B1 = " + FormatNumber(c.alpha, 3) + "\u00B0, \u03B2 = "
        + FormatNumber(c.beta, 3) + "\u00B0, \u03B3 = " + FormatNumber(c.gamma, 3) + "\u00B0";
}

// The cell's edge vectors: a along x, b in the xy plane, from gemmi's
// orthogonalisation of the cell (the Protein Data Bank's convention).
std::array<Vec3, 3> cellAxes(const CellParameters& p)
{
    const gb::CellLengthsAngles cell{p.a, p.b, p.c, p.alpha, p.beta, p.gamma};
    const auto axis = [&](double x, double y, double z) {
        const std::array<double, 3> v = gb::Orthogonalise(cell, {x, y, z});
        return Vec3{v[0], v[1], v[2]};
    };
    return {axis(1, 0, 0), axis(0, 1, 0), axis(0, 0, 1)};
}

std::optional<Failure> checkCell(const CellParameters& c, const std::string& name)
{
    const std::pair<const char*, double> lengths[] = {{"a", c.a}, {"b", c.b}, {"c", c.c}};
    for (const auto& [letter, value] : lengths)
        if (!(value > 0))
            return fail(VT("CifReader", "В файле ") + inQuotes(name) + VT("CifReader", " длина ребра ячейки ") + letter + " = " + FormatNumber(value, 4)
                        + VT("CifReader", " \u00C5: длины рёбер ячейки должны быть больше нуля."));
    for (const auto& [letter, value] : lengths)
        if (!(value <= MaxCellEdge))
            return fail(VT("CifReader", "В файле ") + inQuotes(name) + VT("CifReader", " длина ребра ячейки ") + letter
                        + VT("CifReader", " слишком велика: длины рёбер ячейки не бывают больше ")
                        + FormatCount(static_cast<long long>(MaxCellEdge)) + " \u00C5.");
    const double rad = std::numbers::pi / 180;
    const double ca = std::cos(c.alpha * rad), cb = std::cos(c.beta * rad), cg = std::cos(c.gamma * rad);
    const double volumeFactor = 1 - ca * ca - cb * cb - cg * cg + 2 * ca * cb * cg;
    const bool anglesInRange = c.alpha > 0 && c.alpha < 180 && c.beta > 0 && c.beta < 180 && c.gamma > 0
        && c.gamma < 180;
    if (!anglesInRange || !(volumeFactor > 1e-6))
        return fail(VT("CifReader", "В файле ") + inQuotes(name) + VT("CifReader", " углы ячейки \u03B1 = ") + FormatNumber(c.alpha, 3)
                    + "\u00B0, \u03B2 = " + FormatNumber(c.beta, 3) + "\u00B0, \u03B3 = " + FormatNumber(c.gamma, 3)
                    + VT("CifReader", "\u00B0 не образуют ячейку."));
    return std::nullopt;
}

bool near(double x, double y) { return std::abs(x - y) <= LengthTolerance * std::max(x, y); }
bool right(double angle) { return std::abs(angle - 90) <= AngleTolerance; }
bool angleNear(double x, double y) { return std::abs(x - y) <= AngleTolerance; }

// Whether the cell has the shape the space group's crystal system asks for.
bool cellFits(const gb::SpaceGroup& sg, const CellParameters& c)
{
    const auto hexagonal = [&] {
        return (near(c.a, c.b) && right(c.alpha) && right(c.beta) && angleNear(c.gamma, 120))
            || (near(c.b, c.c) && right(c.beta) && right(c.gamma) && angleNear(c.alpha, 120))
            || (near(c.a, c.c) && right(c.alpha) && right(c.gamma) && angleNear(c.beta, 120));
    };
    const int rightAngles = int(right(c.alpha)) + int(right(c.beta)) + int(right(c.gamma));
    switch (sg.system) {
    case gb::CrystalSystem::Triclinic:
        return true;
    case gb::CrystalSystem::Monoclinic:
        return rightAngles >= 2;
    case gb::CrystalSystem::Orthorhombic:
        return rightAngles == 3;
    case gb::CrystalSystem::Tetragonal:
        return rightAngles == 3 && (near(c.a, c.b) || near(c.b, c.c) || near(c.a, c.c));
    case gb::CrystalSystem::Trigonal:
        if (sg.rhombohedralAxes)
            return near(c.a, c.b) && near(c.b, c.c) && angleNear(c.alpha, c.beta) && angleNear(c.beta, c.gamma);
        return hexagonal();
    case gb::CrystalSystem::Hexagonal:
        return hexagonal();
    case gb::CrystalSystem::Cubic:
        return rightAngles == 3 && near(c.a, c.b) && near(c.b, c.c);
    }
    return true;
}

std::string systemName(gb::CrystalSystem s)
{
    switch (s) {
    case gb::CrystalSystem::Triclinic: return VT("CifReader", "триклинная");
    case gb::CrystalSystem::Monoclinic: return VT("CifReader", "моноклинная");
    case gb::CrystalSystem::Orthorhombic: return VT("CifReader", "ромбическая");
    case gb::CrystalSystem::Tetragonal: return VT("CifReader", "тетрагональная");
    case gb::CrystalSystem::Trigonal: return VT("CifReader", "тригональная");
    case gb::CrystalSystem::Hexagonal: return VT("CifReader", "гексагональная");
    case gb::CrystalSystem::Cubic: return VT("CifReader", "кубическая");
    }
    return "";
}

struct Symmetry {
    std::vector<gb::SymmetryOperation> operations; // every operation, centring included
    bool assumed = false;
};

// The operations of the file's own list, or of its Hall symbol, or of its
// Hermann-Mauguin symbol or number, checked against each other and the cell.
Result<Symmetry> findSymmetry(const Block& block, Crystal& crystal, const std::string& name)
{
    Symmetry sym;
    const std::vector<std::string> list =
        columnValues(block, {"_space_group_symop_operation_xyz", "_symmetry_equiv_pos_as_xyz"});
    const std::string hall = stringValue(block, {"_space_group_name_Hall", "_symmetry_space_group_name_Hall"});
    const double statedNumber = numberValue(block, {"_space_group_IT_number", "_symmetry_Int_Tables_number"});
    const bool hasNumber = std::isfinite(statedNumber);
    const int number = hasNumber ? static_cast<int>(std::lround(statedNumber)) : 0;
    crystal.statedSymbol = stringValue(block, {"_space_group_name_H-M_alt", "_symmetry_space_group_name_H-M"});
    if (hasNumber && number >= 1 && number <= 230)
        crystal.statedNumber = number;

    std::vector<gb::SymmetryOperation> ops;
    if (!list.empty()) {
        if (static_cast<int>(list.size()) > MaxSymmetryOperations)
            return fail(VT("CifReader", "В списке операций симметрии файла ") + inQuotes(name) + VT("CifReader", " больше ")
                        + std::to_string(MaxSymmetryOperations) + VT("CifReader", " операций: такой пространственной группы нет."));
        for (const std::string& text : list) {
            const std::optional<gb::SymmetryOperation> op = gb::ParseOperation(text);
            if (!op)
                return fail(VT("CifReader", "Операция симметрии ") + inQuotes(text) + VT("CifReader", " в файле ") + inQuotes(name)
                            + VT("CifReader", " записана с ошибкой."));
            ops.push_back(*op);
        }
        // An incomplete list names no group; its operations still apply.
        if (crystal.statedNumber == 0)
            crystal.statedNumber = gb::GroupNumberOf(ops).value_or(0);
        sym.operations = std::move(ops);
        return sym;
    }

    std::optional<gb::SpaceGroup> sg;
    std::string shown = crystal.statedSymbol;
    if (!hall.empty()) {
        if (std::optional<gb::HallGroup> group = gb::GroupFromHall(hall)) {
            sg = std::move(group->group);
            ops = std::move(group->operations);
        }
        if (ops.empty() && crystal.statedSymbol.empty() && !hasNumber)
            return fail(VT("CifReader", "Символ Холла ") + inQuotes(hall) + VT("CifReader", " в файле ") + inQuotes(name)
                        + VT("CifReader", " не удалось прочитать, а списка операций симметрии в файле нет."));
        if (shown.empty())
            shown = hall;
    }
    if (ops.empty() && !crystal.statedSymbol.empty()) {
        // A bare number in the symbol's place is not a symbol.
        if (crystal.statedSymbol.find_first_not_of("0123456789 ") != std::string::npos)
            sg = gb::GroupByName(crystal.statedSymbol, crystal.cell.alpha, crystal.cell.gamma);
        if (!sg)
            return fail(VT("CifReader", "Пространственная группа ") + inQuotes(crystal.statedSymbol) + VT("CifReader", " из файла ") + inQuotes(name)
                        + VT("CifReader", " неизвестна, а списка операций симметрии в файле нет."));
    }
    if (ops.empty() && !sg && hasNumber) {
        if (number >= 1 && number <= 230)
            sg = gb::ReferenceGroup(number);
        if (!sg)
            return fail(VT("CifReader", "Номер пространственной группы ") + FormatNumber(statedNumber, 2) + VT("CifReader", " в файле ") + inQuotes(name)
                        + VT("CifReader", " неверен: номера групп — от 1 до 230, а списка операций симметрии в файле нет."));
        shown = VT("CifReader", "№ ") + std::to_string(number);
    }
    if (!sg && ops.empty()) {
        // No symmetry at all: the atoms of the list are the whole cell.
        sym.operations.push_back(gb::IdentityOperation());
        sym.assumed = true;
        crystal.statedNumber = 0;
        return sym;
    }
    if (sg) {
        if (hasNumber && number != sg->number)
            return fail(VT("CifReader", "Пространственная группа ") + inQuotes(shown) + VT("CifReader", " (№ ") + std::to_string(sg->number)
                        + VT("CifReader", ") в файле ") + inQuotes(name) + VT("CifReader", " противоречит указанному там же номеру ")
                        + FormatNumber(statedNumber, 2) + VT("CifReader", ", а списка операций симметрии в файле нет."));
        if (!cellFits(*sg, crystal.cell))
            return fail(VT("CifReader", "Пространственная группа ") + inQuotes(shown) + VT("CifReader", " в файле ") + inQuotes(name) + " \u2014 "
                        + systemName(sg->system) + VT("CifReader", ", а ячейка (") + cellText(crystal.cell)
                        + VT("CifReader", ") ей не подходит; списка операций симметрии в файле нет."));
        crystal.statedNumber = sg->number;
        if (ops.empty())
            ops = sg->operations;
    }
    sym.operations = std::move(ops);
    return sym;
}

Result<Crystal> fromBlock(const Block& block, const std::string& name)
{
    Crystal crystal;
    crystal.fileName = name;
    crystal.name = stringValue(block, {"_chemical_name_mineral", "_chemical_name_common",
                                       "_chemical_name_systematic", "_chemical_name_structure_type"});
    crystal.statedFormula = stringValue(block, {"_chemical_formula_structural", "_chemical_formula_sum",
                                                "_chemical_formula_moiety"});
    const double z = numberValue(block, {"_cell_formula_units_Z"});
    if (std::isfinite(z) && z >= 1 && z < 1e6 && z == std::floor(z))
        crystal.statedZ = static_cast<int>(z);

    CellParameters& cell = crystal.cell;
    cell.a = numberValue(block, {"_cell_length_a"});
    cell.b = numberValue(block, {"_cell_length_b"});
    cell.c = numberValue(block, {"_cell_length_c"});
    cell.alpha = numberValue(block, {"_cell_angle_alpha"});
    cell.beta = numberValue(block, {"_cell_angle_beta"});
    cell.gamma = numberValue(block, {"_cell_angle_gamma"});
    for (double v : {cell.a, cell.b, cell.c, cell.alpha, cell.beta, cell.gamma})
        if (std::isnan(v))
            return fail(VT("CifReader", "В файле ") + inQuotes(name) + VT("CifReader", " параметры элементарной ячейки заданы не полностью."));
    if (auto bad = checkCell(cell, name))
        return *bad;
    crystal.axes = cellAxes(cell);
    const double shortest = ShortestTranslation(crystal.axes);
    if (!(shortest >= MinLatticeTranslation))
        return fail(VT("CifReader", "В файле ") + inQuotes(name) + VT("CifReader", " кратчайший период решётки ячейки (") + cellText(cell) + VT("CifReader", ") равен ")
                    + FormatNumber(shortest, 3) + VT("CifReader", " \u00C5: в кристалле периоды не бывают меньше ")
                    + FormatNumber(MinLatticeTranslation, 1) + " \u00C5.");

    Result<Symmetry> symmetry = findSymmetry(block, crystal, name);
    if (!symmetry)
        return symmetry.failure();
    crystal.symmetryAssumed = symmetry.value().assumed;
    const std::vector<gb::SymmetryOperation>& ops = symmetry.value().operations;

    const std::vector<gb::AtomSite> sites = block.document.sites(block.index);
    for (const gb::AtomSite& s : sites) {
        if (!std::isfinite(s.fract[0]) || !std::isfinite(s.fract[1]) || !std::isfinite(s.fract[2]))
            return fail(VT("CifReader", "В файле ") + inQuotes(name) + VT("CifReader", " у атома ") + inQuotes(s.label) + VT("CifReader", " не заданы координаты."));
        if (std::abs(s.fract[0]) > 1e6 || std::abs(s.fract[1]) > 1e6 || std::abs(s.fract[2]) > 1e6)
            return fail(VT("CifReader", "В файле ") + inQuotes(name) + VT("CifReader", " у атома ") + inQuotes(s.label) + VT("CifReader", " неверные координаты."));
        int element = s.atomicNumber;
        if (element == 0 && s.typeSymbol == s.label) {
            // No type symbol and a label such as "OW1" or "OH2": its first
            // letter names the element.
            const std::string first = s.label.substr(0, 1);
            if (!first.empty() && std::isalpha(static_cast<unsigned char>(first[0])))
                element = AtomicNumberOf(first);
        }
        if (element < 1 || element > MaxAtomicNumber)
            return fail(VT("CifReader", "В файле ") + inQuotes(name) + VT("CifReader", " не удалось определить химический элемент атома ")
                        + inQuotes(s.label) + VT("CifReader", " (тип ") + inQuotes(s.typeSymbol) + ").");
        const double occupancy = std::isfinite(s.occupancy) ? s.occupancy : 1.0;
        if (occupancy <= 0)
            continue; // an empty site
        crystal.sites.push_back({s.label, element, std::min(occupancy, 1.0)});
    }
    if (crystal.sites.empty())
        return fail(VT("CifReader", "В файле ") + inQuotes(name) + VT("CifReader", " нет атомов: список атомных позиций пуст."));

    // Every image of every site; images of one site that coincide are one
    // atom on a special position.
    std::vector<CellAtom> all;
    std::size_t next = 0;
    const gb::SiteImages images({cell.a, cell.b, cell.c, cell.alpha, cell.beta, cell.gamma}, ops, SamePlaceDistance,
                                OnFaceTolerance);
    for (const gb::AtomSite& s : sites) {
        const double occupancy = std::isfinite(s.occupancy) ? s.occupancy : 1.0;
        if (occupancy <= 0)
            continue;
        const int site = static_cast<int>(next++);
        for (const std::array<double, 3>& p : images.of(s.fract))
            all.push_back({site, Vec3{p[0], p[1], p[2]}, crystal.sites[site].occupancy});
        if (all.size() > static_cast<std::size_t>(MaxBlockAtoms))
            return fail(VT("CifReader", "В элементарной ячейке структуры из файла ") + inQuotes(name) + VT("CifReader", " больше ")
                        + FormatCount(MaxBlockAtoms) + VT("CifReader", " атомов: такую структуру показать нельзя."));
    }
    for (const CellAtom& a : all)
        crystal.cellMass += a.occupancy * AtomicMass(crystal.sites[a.site].element);
    crystal.partialOccupancy = std::any_of(crystal.sites.begin(), crystal.sites.end(),
                                           [](const Site& s) { return s.occupancy < FullOccupancy; });

    // Where atoms of different sites share a place, the most occupied stays
    // (the first listed of equals).
    std::vector<Vec3> places;
    places.reserve(all.size());
    for (const CellAtom& a : all)
        places.push_back(a.fract);
    std::vector<std::vector<std::size_t>> rivals(all.size());
    ForEachPeriodicNeighbour(crystal.axes, places, SharedPlaceDistance, [&](std::size_t i, std::size_t j, double) {
        if (i != j)
            rivals[i].push_back(j);
    });
    std::vector<std::size_t> order(all.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t x, std::size_t y) { return all[x].occupancy > all[y].occupancy; });
    std::vector<bool> kept(all.size(), false);
    for (std::size_t k : order) {
        if (std::none_of(rivals[k].begin(), rivals[k].end(), [&](std::size_t j) { return kept[j]; }))
            kept[k] = true;
    }
    for (std::size_t k = 0; k < all.size(); ++k)
        if (kept[k])
            crystal.atoms.push_back(all[k]);
    return crystal;
}

} // namespace

Result<Crystal> ReadCrystalText(std::string_view text, const std::string& name)
{
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return fail(VT("CifReader", "Файл ") + inQuotes(name) + VT("CifReader", " пуст."));
    if (text.find('\0') != std::string_view::npos)
        return fail(VT("CifReader", "Файл ") + inQuotes(name) + VT("CifReader", " не является файлом CIF: в нём двоичные данные, а не текст."));
    gb::CifDocument document;
    int errorLine = 0;
    if (!document.read(text, name, errorLine))
        return fail(VT("CifReader", "Файл ") + inQuotes(name) + VT("CifReader", " не является файлом CIF")
                    + (errorLine > 0 ? VT("CifReader", " (ошибка в строке ") + std::to_string(errorLine) + ")." : std::string(".")));
    std::optional<Block> withCell;
    std::optional<Block> chosen;
    for (std::size_t i = 0; i < document.blockCount(); ++i) {
        const Block block{document, i};
        if (!hasCell(block))
            continue;
        if (!withCell)
            withCell.emplace(block);
        if (hasSites(block)) {
            chosen.emplace(block);
            break;
        }
    }
    if (!withCell)
        return fail(VT("CifReader", "В файле ") + inQuotes(name) + VT("CifReader", " нет параметров элементарной ячейки."));
    if (!chosen)
        return fail(VT("CifReader", "В файле ") + inQuotes(name) + VT("CifReader", " нет атомных позиций (координат атомов в долях ячейки)."));
    try {
        return fromBlock(*chosen, name);
    } catch (const std::exception&) {
        return fail(VT("CifReader", "Файл ") + inQuotes(name) + VT("CifReader", " не удалось прочитать: данные структуры в нём записаны с ошибкой."));
    } catch (...) {
        return fail(VT("CifReader", "Файл ") + inQuotes(name) + VT("CifReader", " не удалось прочитать: данные структуры в нём записаны с ошибкой."));
    }
}

Result<Crystal> ReadCrystalFile(const std::string& path)
{
    const std::string name = fileNameOf(path);
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status))
        return fail(VT("CifReader", "Файл ") + inQuotes(name) + VT("CifReader", " не найден."));
    if (fs::is_directory(status))
        return fail(inQuotes(name) + VT("CifReader", " \u2014 папка, а не файл CIF."));
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec)
        return fail(VT("CifReader", "Файл ") + inQuotes(name) + VT("CifReader", " не удаётся прочитать."));
    if (size > MaxCifFileBytes)
        return fail(VT("CifReader", "Файл ") + inQuotes(name) + VT("CifReader", " слишком велик (") + FormatFixed(double(size) / (1024.0 * 1024.0), 1)
                    + VT("CifReader", " МБ): открываются файлы CIF не больше ")
                    + std::to_string(MaxCifFileBytes / (1024 * 1024)) + VT("CifReader", " МБ."));
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return fail(VT("CifReader", "Файл ") + inQuotes(name) + VT("CifReader", " не удаётся прочитать."));
    std::string text;
    text.resize(static_cast<std::size_t>(size));
    in.read(text.data(), static_cast<std::streamsize>(size));
    if (in.bad() || (in.fail() && !in.eof()))
        return fail(VT("CifReader", "Файл ") + inQuotes(name) + VT("CifReader", " не удаётся прочитать."));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return ReadCrystalText(text, name);
}

} // namespace vestrel::cif
