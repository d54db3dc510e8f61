// SPDX-License-Identifier: MIT
// The X-ray structure factors of a crystal read from a CIF file, through
// gemmi's small-structure reader and its direct structure-factor sum with the
// International Tables (IT92) form factors. The files of this folder are the
// only ones of the powder pattern that include gemmi's headers; like the CIF
// bridge they are compiled as C++17, so this header uses nothing newer.
#pragma once

#include <array>
#include <atomic>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vestrel::diffraction::sf {

using Miller = std::array<int, 3>;

// One set of reflections equivalent under the Laue class (Friedel pairs
// counted), as one representative.
struct Reflection {
    Miller hkl{};          // non-negative indices first, then the largest
    double d = 0;          // angstroms
    int multiplicity = 0;  // reflections of the set
    double f2 = 0;         // |F|^2 of each of them, electrons^2
};

enum class Outcome { Done, TooMany, Cancelled };

class ScatteringCrystal {
public:
    ScatteringCrystal();
    ~ScatteringCrystal();
    ScatteringCrystal(ScatteringCrystal&&) noexcept;
    ScatteringCrystal& operator=(ScatteringCrystal&&) noexcept;

    // Reads the first block with a cell and atom sites. Returns an empty
    // text on success, else a message for the user (Russian, UTF-8); never
    // throws. name is the file's name for the message.
    std::string read(std::string_view text, const std::string& name);
    bool isRead() const;

    // The reflections with dMin <= d <= dMax, one per set of equivalents,
    // systematically absent ones and those whose structure factor vanishes
    // left out, in no particular order. Counts every reflection of the shell
    // first: more than `limit` gives TooMany and no list. `cancel`, when
    // given and set, stops the work with Cancelled.
    Outcome reflections(double dMin, double dMax, long limit, const std::atomic<bool>* cancel,
                        std::vector<Reflection>& out) const;

    // Reflections in the shell as the volume of reciprocal space says: a
    // count that costs nothing, for cells too large to count one by one.
    double estimatedCount(double dMin, double dMax) const;

private:
    struct Model;
    std::unique_ptr<Model> model_;
};

} // namespace vestrel::diffraction::sf
