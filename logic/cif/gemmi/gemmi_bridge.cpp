// SPDX-License-Identifier: MIT
#include "logic/cif/gemmi/gemmi_bridge.h"

#include <gemmi/cif.hpp>
#include <gemmi/smcif.hpp>
#include <gemmi/symmetry.hpp>

#include <cmath>
#include <exception>

namespace vestrel::cif::gemmi_bridge {

namespace gcif = gemmi::cif;

static_assert(SymmetryOperation::Denominator == gemmi::Op::DEN);

namespace {

SymmetryOperation fromGemmi(const gemmi::Op& op)
{
    SymmetryOperation s;
    s.rotation = op.rot;
    s.translation = op.tran;
    return s;
}

gemmi::Op toGemmi(const SymmetryOperation& s)
{
    gemmi::Op op = gemmi::Op::identity();
    op.rot = s.rotation;
    op.tran = s.translation;
    return op;
}

CrystalSystem fromGemmi(gemmi::CrystalSystem system)
{
    switch (system) {
    case gemmi::CrystalSystem::Triclinic: return CrystalSystem::Triclinic;
    case gemmi::CrystalSystem::Monoclinic: return CrystalSystem::Monoclinic;
    case gemmi::CrystalSystem::Orthorhombic: return CrystalSystem::Orthorhombic;
    case gemmi::CrystalSystem::Tetragonal: return CrystalSystem::Tetragonal;
    case gemmi::CrystalSystem::Trigonal: return CrystalSystem::Trigonal;
    case gemmi::CrystalSystem::Hexagonal: return CrystalSystem::Hexagonal;
    case gemmi::CrystalSystem::Cubic: return CrystalSystem::Cubic;
    }
    return CrystalSystem::Triclinic;
}

SpaceGroup fromGemmi(const gemmi::SpaceGroup& sg)
{
    SpaceGroup group;
    group.number = sg.number;
    group.system = fromGemmi(sg.crystal_system());
    group.rhombohedralAxes = sg.ext == 'R';
    for (const gemmi::Op& op : sg.operations())
        group.operations.push_back(fromGemmi(op));
    return group;
}

std::optional<SpaceGroup> fromGemmi(const gemmi::SpaceGroup* sg)
{
    if (!sg)
        return std::nullopt;
    return fromGemmi(*sg);
}

// gemmi's messages start "name:line:column: ...".
int lineOf(const std::string& what, const std::string& name)
{
    const std::string prefix = name + ":";
    std::size_t at = what.rfind(prefix, 0) == 0 ? prefix.size() : what.find(':');
    if (at == std::string::npos)
        return 0;
    if (at != prefix.size())
        ++at;
    int line = 0;
    while (at < what.size() && what[at] >= '0' && what[at] <= '9' && line < 100000000)
        line = line * 10 + (what[at++] - '0');
    return line;
}

// gemmi's parsers of operations and Hall symbols multiply the numbers they
// read as int without checking for overflow. No real operation or symbol has
// a number of more than three digits or runs to two hundred characters;
// anything beyond that is refused before gemmi sees it.
bool withinParserLimits(const std::string& text)
{
    constexpr std::size_t MaxLength = 200;
    constexpr std::size_t MaxDigits = 3;
    if (text.size() > MaxLength)
        return false;
    std::size_t digits = 0;
    for (const char c : text) {
        digits = c >= '0' && c <= '9' ? digits + 1 : 0;
        if (digits > MaxDigits)
            return false;
    }
    return true;
}

} // namespace

std::array<double, 3> SymmetryOperation::apply(const std::array<double, 3>& fract) const
{
    return toGemmi(*this).apply_to_xyz(fract);
}

SymmetryOperation IdentityOperation() { return fromGemmi(gemmi::Op::identity()); }

std::optional<SymmetryOperation> ParseOperation(const std::string& text)
{
    if (!withinParserLimits(text))
        return std::nullopt;
    try {
        return fromGemmi(gemmi::parse_triplet(text));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<int> GroupNumberOf(const std::vector<SymmetryOperation>& operations)
{
    std::vector<gemmi::Op> ops;
    for (const SymmetryOperation& s : operations)
        ops.push_back(toGemmi(s));
    try {
        if (const gemmi::SpaceGroup* sg = gemmi::find_spacegroup_by_ops(gemmi::split_centering_vectors(ops)))
            return sg->number;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

std::optional<HallGroup> GroupFromHall(const std::string& hall)
{
    if (!withinParserLimits(hall))
        return std::nullopt;
    try {
        const gemmi::GroupOps gops = gemmi::symops_from_hall(hall.c_str());
        HallGroup result;
        result.group = fromGemmi(gemmi::find_spacegroup_by_ops(gops));
        for (const gemmi::Op& op : gops)
            result.operations.push_back(fromGemmi(op));
        return result;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<SpaceGroup> GroupByName(const std::string& symbol, double alpha, double gamma)
{
    return fromGemmi(gemmi::find_spacegroup_by_name(symbol, alpha, gamma));
}

std::optional<SpaceGroup> ReferenceGroup(int number)
{
    for (const gemmi::SpaceGroup& sg : gemmi::spacegroup_tables::main)
        if (sg.number == number && sg.is_reference_setting())
            return fromGemmi(sg);
    return std::nullopt;
}

struct CifDocument::Parsed {
    gcif::Document document;

    gcif::Block& block(std::size_t i) { return document.blocks.at(i); }
    const std::string* value(std::size_t i, const std::string& tag)
    {
        const std::string* v = block(i).find_value(tag);
        return v && !gcif::is_null(*v) ? v : nullptr;
    }
};

CifDocument::CifDocument() : parsed_(std::make_unique<Parsed>()) {}
CifDocument::~CifDocument() = default;

bool CifDocument::read(std::string_view text, const std::string& name, int& errorLine)
{
    errorLine = 0;
    try {
        parsed_->document = gcif::read_memory(text.data(), text.size(), name.c_str());
        return true;
    } catch (const std::exception& e) {
        errorLine = lineOf(e.what(), name);
    } catch (...) {
    }
    parsed_->document = gcif::Document();
    return false;
}

std::size_t CifDocument::blockCount() const { return parsed_->document.blocks.size(); }

bool CifDocument::hasTag(std::size_t block, const std::string& tag) const
{
    return parsed_->block(block).find_values(tag).item() != nullptr;
}

std::optional<std::string> CifDocument::text(std::size_t block, const std::string& tag) const
{
    if (const std::string* v = parsed_->value(block, tag))
        return gcif::as_string(*v);
    return std::nullopt;
}

std::optional<double> CifDocument::number(std::size_t block, const std::string& tag) const
{
    if (const std::string* v = parsed_->value(block, tag))
        return gcif::as_number(*v);
    return std::nullopt;
}

std::optional<std::vector<std::string>> CifDocument::column(std::size_t block, const std::string& tag) const
{
    gcif::Column column = parsed_->block(block).find_values(tag);
    if (!column)
        return std::nullopt;
    std::vector<std::string> values;
    for (const std::string& v : column)
        if (!gcif::is_null(v))
            values.push_back(gcif::as_string(v));
    return values;
}

std::vector<AtomSite> CifDocument::sites(std::size_t block) const
{
    const gemmi::SmallStructure small = gemmi::make_small_structure_from_block(parsed_->block(block));
    std::vector<AtomSite> sites;
    sites.reserve(small.sites.size());
    for (const auto& s : small.sites) {
        AtomSite site;
        site.label = s.label;
        site.typeSymbol = s.type_symbol;
        site.fract = {s.fract.x, s.fract.y, s.fract.z};
        site.occupancy = s.occ;
        site.atomicNumber = s.element == gemmi::El::X ? 0 : gemmi::Element(s.element).atomic_number();
        sites.push_back(site);
    }
    return sites;
}

} // namespace vestrel::cif::gemmi_bridge
