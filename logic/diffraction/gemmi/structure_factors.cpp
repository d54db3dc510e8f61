// SPDX-License-Identifier: MIT
#include "logic/diffraction/gemmi/structure_factors.h"
#include "logic/text/translate.h"

#include <gemmi/cif.hpp>
#include <gemmi/it92.hpp>
#include <gemmi/sfcalc.hpp>
#include <gemmi/smcif.hpp>
#include <gemmi/symmetry.hpp>

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>

namespace vestrel::diffraction::sf {

namespace gcif = gemmi::cif;

namespace {

// A structure factor this small against the largest the atoms could give
// vanishes by the arrangement of the atoms (diamond's 222, say): no line.
constexpr double VanishingF2 = 1e-10;
// Images of a site closer than this are one atom on a special position.
constexpr double SpecialPositionDistance = 0.4; // angstroms
// The box of indices searched may hold at most this many times the
// reflections allowed (a cubic cell's box holds 1.9 times its shell).
constexpr double LoosestBox = 50;
// The cancel flag is looked at after this many reflections.
constexpr int CancelCheckInterval = 256;

std::string inQuotes(const std::string& s) { return "\u00ab" + s + "\u00bb"; }

const std::string* firstValue(const gcif::Block& block, std::initializer_list<const char*> tags)
{
    for (const char* tag : tags)
        if (const std::string* v = const_cast<gcif::Block&>(block).find_value(tag))
            if (!gcif::is_null(*v))
                return v;
    return nullptr;
}

std::vector<std::string> firstColumn(const gcif::Block& block, std::initializer_list<const char*> tags)
{
    std::vector<std::string> values;
    for (const char* tag : tags) {
        gcif::Column column = const_cast<gcif::Block&>(block).find_values(tag);
        if (!column)
            continue;
        for (const std::string& v : column)
            if (!gcif::is_null(v))
                values.push_back(gcif::as_string(v));
        if (!values.empty())
            break;
    }
    return values;
}

// The operations as the structure reader finds them: the file's own list,
// else its Hall symbol, else its Hermann-Mauguin symbol, else its number;
// with none of these the atoms of the list are the whole cell.
gemmi::GroupOps groupOf(const gcif::Block& block, const gemmi::UnitCell& cell)
{
    const std::vector<std::string> list =
        firstColumn(block, {"_space_group_symop_operation_xyz", "_symmetry_equiv_pos_as_xyz"});
    if (!list.empty()) {
        std::vector<gemmi::Op> ops;
        for (const std::string& text : list)
            ops.push_back(gemmi::parse_triplet(text).wrap());
        // The identity gives the zero centring vector; a list may lack it
        // or hold an operation twice.
        if (std::none_of(ops.begin(), ops.end(), [](const gemmi::Op& op) { return op == gemmi::Op::identity(); }))
            ops.insert(ops.begin(), gemmi::Op::identity());
        gemmi::GroupOps group = gemmi::split_centering_vectors(ops);
        std::sort(group.cen_ops.begin(), group.cen_ops.end());
        group.cen_ops.erase(std::unique(group.cen_ops.begin(), group.cen_ops.end()), group.cen_ops.end());
        return group;
    }
    if (const std::string* hall = firstValue(block, {"_space_group_name_Hall", "_symmetry_space_group_name_Hall"})) {
        try {
            return gemmi::symops_from_hall(gcif::as_string(*hall).c_str());
        } catch (const std::exception&) {
            // The symbol or the number below decides.
        }
    }
    if (const std::string* hm = firstValue(block, {"_space_group_name_H-M_alt", "_symmetry_space_group_name_H-M"}))
        if (const gemmi::SpaceGroup* sg = gemmi::find_spacegroup_by_name(gcif::as_string(*hm), cell.alpha, cell.gamma))
            return sg->operations();
    if (const std::string* number = firstValue(block, {"_space_group_IT_number", "_symmetry_Int_Tables_number"})) {
        const double n = gcif::as_number(*number);
        if (std::isfinite(n))
            if (const gemmi::SpaceGroup* sg = gemmi::find_spacegroup_by_number(static_cast<int>(std::lround(n))))
                return sg->operations();
    }
    return gemmi::split_centering_vectors({gemmi::Op::identity()});
}

void setImages(gemmi::UnitCell& cell, const gemmi::GroupOps& group)
{
    cell.images.clear();
    for (const gemmi::Op& op : group)
        if (!(op == gemmi::Op::identity()))
            cell.images.push_back(gemmi::FTransform(gemmi::Transform{gemmi::rot_as_mat33(op), gemmi::tran_as_vec3(op)}));
    cell.cs_count = static_cast<short>(cell.images.size());
}

bool finite(const gemmi::Fractional& f) { return std::isfinite(f.x) && std::isfinite(f.y) && std::isfinite(f.z); }

// Indices with fewer negative signs first, then the larger: (2 0 0) stands
// for {200}, (1 1 1) for {111}.
bool representsBetter(const Miller& a, const Miller& b)
{
    const auto negatives = [](const Miller& m) { return (m[0] < 0) + (m[1] < 0) + (m[2] < 0); };
    if (negatives(a) != negatives(b))
        return negatives(a) < negatives(b);
    return a > b;
}

} // namespace

struct ScatteringCrystal::Model {
    gemmi::SmallStructure structure;
    gemmi::GroupOps group;
    double largestF = 0; // sum of the atoms' scattering at rest, at sin(theta)/lambda = 0
};

ScatteringCrystal::ScatteringCrystal() = default;
ScatteringCrystal::~ScatteringCrystal() = default;
ScatteringCrystal::ScatteringCrystal(ScatteringCrystal&&) noexcept = default;
ScatteringCrystal& ScatteringCrystal::operator=(ScatteringCrystal&&) noexcept = default;

bool ScatteringCrystal::isRead() const { return model_ != nullptr; }

std::string ScatteringCrystal::read(std::string_view text, const std::string& name)
{
    model_.reset();
    const std::string unreadable = VT("StructureFactors", "Файл ") + inQuotes(name) + VT("StructureFactors", " не удалось прочитать для расчёта дифрактограммы.");
    try {
        gcif::Document document = gcif::read_memory(text.data(), text.size(), name.c_str());
        const gcif::Block* chosen = nullptr;
        for (gcif::Block& block : document.blocks)
            if (block.find_value("_cell_length_a") && block.find_values("_atom_site_fract_x")) {
                chosen = &block;
                break;
            }
        if (!chosen)
            return VT("StructureFactors", "В файле ") + inQuotes(name) + VT("StructureFactors", " нет ячейки с атомными позициями.");
        auto model = std::make_unique<Model>();
        model->structure = gemmi::make_small_structure_from_block(*chosen);
        gemmi::SmallStructure& st = model->structure;
        if (!st.cell.is_crystal())
            return VT("StructureFactors", "В файле ") + inQuotes(name) + VT("StructureFactors", " нет параметров элементарной ячейки.");
        model->group = groupOf(*chosen, st.cell);
        setImages(st.cell, model->group);
        std::vector<gemmi::SmallStructure::Site> sites;
        for (gemmi::SmallStructure::Site& site : st.sites) {
            if (!finite(site.fract) || !std::isfinite(site.occ) || site.occ <= 0)
                continue;
            if (site.element == gemmi::El::X || !gemmi::IT92<double>::has(site.element.elem))
                return VT("StructureFactors", "Для атома ") + inQuotes(site.label) + VT("StructureFactors", " файла ") + inQuotes(name)
                       + VT("StructureFactors", " нет атомного фактора рассеяния рентгеновских лучей.");
            // Only isotropic displacement is used; none where the file gives none.
            site.aniso = {0, 0, 0, 0, 0, 0};
            if (!std::isfinite(site.u_iso) || site.u_iso < 0)
                site.u_iso = 0;
            sites.push_back(site);
        }
        if (sites.empty())
            return VT("StructureFactors", "В файле ") + inQuotes(name) + VT("StructureFactors", " нет атомов.");
        st.sites = std::move(sites);
        st.change_occupancies_to_crystallographic(SpecialPositionDistance);
        const double images = static_cast<double>(st.cell.images.size() + 1);
        for (const auto& site : st.sites)
            model->largestF += images * site.occ * gemmi::IT92<double>::get(site.element.elem).calculate_sf(0.0);
        model_ = std::move(model);
        return {};
    } catch (const std::exception&) {
        return unreadable;
    } catch (...) {
        return unreadable;
    }
}

double ScatteringCrystal::estimatedCount(double dMin, double dMax) const
{
    if (!model_)
        return 0;
    const double pi = 3.14159265358979323846;
    const double shell = 4.0 / 3.0 * pi * (1 / (dMin * dMin * dMin) - 1 / (dMax * dMax * dMax));
    return shell * model_->structure.cell.volume;
}

Outcome ScatteringCrystal::reflections(double dMin, double dMax, long limit, const std::atomic<bool>* cancel,
                                       std::vector<Reflection>& out) const
{
    out.clear();
    if (!model_)
        return Outcome::Done;
    // A generous margin over the estimate: the exact count decides.
    if (estimatedCount(dMin, dMax) > 2.0 * static_cast<double>(limit) + 1000)
        return Outcome::TooMany;
    const gemmi::SmallStructure& st = model_->structure;
    const gemmi::UnitCell& cell = st.cell;
    const double lo = 1 / (dMax * dMax) * (1 - 1e-12);
    const double hi = 1 / (dMin * dMin) * (1 + 1e-12);
    // |h| = |d* . a| <= a / dMin, and so for k and l.
    const int hMax = static_cast<int>(cell.a / dMin) + 1;
    const int kMax = static_cast<int>(cell.b / dMin) + 1;
    const int lMax = static_cast<int>(cell.c / dMin) + 1;
    // Only a cell far more oblique than any crystal's boxes its shell so
    // loosely; it is refused as too large rather than searched for minutes.
    const double box = (2.0 * hMax + 1) * (2.0 * kMax + 1) * (2.0 * lMax + 1);
    if (box > LoosestBox * static_cast<double>(limit))
        return Outcome::TooMany;
    const auto inShell = [&](const Miller& m) {
        const double s = cell.calculate_1_d2(m);
        return s >= lo && s <= hi;
    };

    long count = 0;
    for (int h = -hMax; h <= hMax; ++h)
        for (int k = -kMax; k <= kMax; ++k)
            for (int l = -lMax; l <= lMax; ++l)
                if (inShell({h, k, l}) && ++count > limit)
                    return Outcome::TooMany;

    gemmi::StructureFactorCalculator<gemmi::IT92<double>> calculator(cell);
    const double vanishing = VanishingF2 * model_->largestF * model_->largestF;
    std::vector<Miller> orbit;
    int sinceCheck = 0;
    for (int h = -hMax; h <= hMax; ++h)
        for (int k = -kMax; k <= kMax; ++k)
            for (int l = -lMax; l <= lMax; ++l) {
                const Miller m{h, k, l};
                if (!inShell(m))
                    continue;
                if (cancel && ++sinceCheck >= CancelCheckInterval) {
                    sinceCheck = 0;
                    if (cancel->load(std::memory_order_relaxed))
                        return Outcome::Cancelled;
                }
                orbit.clear();
                for (const gemmi::Op& op : model_->group.sym_ops) {
                    const Miller e = op.apply_to_hkl(m);
                    orbit.push_back(e);
                    orbit.push_back({-e[0], -e[1], -e[2]});
                }
                const bool representative = std::none_of(orbit.begin(), orbit.end(),
                                                         [&](const Miller& e) { return representsBetter(e, m); });
                if (!representative || model_->group.is_systematically_absent(m))
                    continue;
                const double f2 = std::norm(calculator.calculate_sf_from_small_structure(st, m));
                if (f2 < vanishing)
                    continue;
                std::sort(orbit.begin(), orbit.end());
                const int multiplicity =
                    static_cast<int>(std::unique(orbit.begin(), orbit.end()) - orbit.begin());
                out.push_back({m, 1 / std::sqrt(cell.calculate_1_d2(m)), multiplicity, f2});
            }
    return Outcome::Done;
}

} // namespace vestrel::diffraction::sf
