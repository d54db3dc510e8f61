// SPDX-License-Identifier: MIT
// A site of the file's list expanded to its images in one unit cell under
// the symmetry operations, on gemmi's operations and cell geometry. Plain
// types only (C++17, like the rest of the bridge).
#pragma once

#include "logic/cif/gemmi/cell_geometry.h"
#include "logic/cif/gemmi/gemmi_bridge.h"

#include <array>
#include <memory>
#include <vector>

namespace vestrel::cif::gemmi_bridge {

class SiteImages {
public:
    // samePlace: images closer than this (angstroms) are one atom on a
    // special position. onFace: a coordinate this close below 1 is 0.
    SiteImages(const CellLengthsAngles& cell, const std::vector<SymmetryOperation>& operations, double samePlace,
               double onFace);
    ~SiteImages();
    SiteImages(const SiteImages&) = delete;
    SiteImages& operator=(const SiteImages&) = delete;

    // The distinct images of a site, in the order of the operations, each
    // wrapped into the cell, [0, 1).
    std::vector<std::array<double, 3>> of(const std::array<double, 3>& fract) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace vestrel::cif::gemmi_bridge
