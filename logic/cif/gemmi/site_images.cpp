// SPDX-License-Identifier: MIT
// gemmi's own expansion, SmallStructure::get_all_unit_cell_sites, does not
// fit the reader, for three reasons found on real inputs:
//  - it takes images closer than a fixed 0.4 Å as one, where the reader
//    takes 0.3 Å: a C site at (0.016, 0.01, 0) of a 10 Å cell in P-1, whose
//    two images are 0.38 Å apart, would lose one image and the cell a
//    fifth of its mass;
//  - it keeps the site as given, as if the identity were the first
//    operation, while a file's list may lack it (a list of "-x,-y,-z" and
//    "x+1/2,y+1/2,z" alone gives 11 atoms instead of 8 in a cell of four
//    sites);
//  - it leaves images outside the cell (42 of spinel's 56).
// Nor can the file's list go through gemmi's GroupOps: an incomplete list
// is no group, and split_centering_vectors would multiply it out into
// operations the file does not give. So the loop is gemmi's, with the
// reader's tolerance and the file's operations as they are.
#include "logic/cif/gemmi/site_images.h"

#include <gemmi/symmetry.hpp>
#include <gemmi/unitcell.hpp>

#include <algorithm>
#include <cmath>

namespace vestrel::cif::gemmi_bridge {

struct SiteImages::Impl {
    gemmi::UnitCell cell;
    std::vector<gemmi::Op> operations;
    double samePlace = 0;
    double onFace = 0;

    gemmi::Fractional image(const gemmi::Op& op, const std::array<double, 3>& fract) const
    {
        // Op's own integer arithmetic rather than its FTransform, whose
        // divided-out translations round differently in the last bit.
        const std::array<double, 3> xyz = op.apply_to_xyz(fract);
        gemmi::Fractional f = gemmi::Fractional(xyz[0], xyz[1], xyz[2]).wrap_to_unit();
        for (double* v : {&f.x, &f.y, &f.z})
            if (*v > 1 - onFace)
                *v = 0;
        return f;
    }
};

SiteImages::SiteImages(const CellLengthsAngles& c, const std::vector<SymmetryOperation>& operations, double samePlace,
                       double onFace)
    : impl_(std::make_unique<Impl>())
{
    impl_->cell.set(c.a, c.b, c.c, c.alpha, c.beta, c.gamma);
    for (const SymmetryOperation& s : operations) {
        gemmi::Op op = gemmi::Op::identity();
        op.rot = s.rotation;
        op.tran = s.translation;
        impl_->operations.push_back(op);
    }
    impl_->samePlace = samePlace;
    impl_->onFace = onFace;
}

SiteImages::~SiteImages() = default;

std::vector<std::array<double, 3>> SiteImages::of(const std::array<double, 3>& fract) const
{
    std::vector<gemmi::Fractional> kept;
    for (const gemmi::Op& op : impl_->operations) {
        const gemmi::Fractional f = impl_->image(op, fract);
        const bool seen = std::any_of(kept.begin(), kept.end(), [&](const gemmi::Fractional& k) {
            return std::sqrt(impl_->cell.distance_sq(k, f)) < impl_->samePlace;
        });
        if (!seen)
            kept.push_back(f);
    }
    std::vector<std::array<double, 3>> out;
    out.reserve(kept.size());
    for (const gemmi::Fractional& f : kept)
        out.push_back({f.x, f.y, f.z});
    return out;
}

} // namespace vestrel::cif::gemmi_bridge
