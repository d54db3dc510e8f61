// SPDX-License-Identifier: MIT
// A structure file of any bytes, through the whole way a file takes when it
// is opened: reading, symmetry, analysis, the block of cells, the memo. It
// either loads or gives a message; nothing throws, and what loads is a cell
// of real atoms.
#include "fuzz/fuzz_target.h"
#include "logic/cif/elements.h"
#include "logic/cif/loaded_structure.h"

#include <cmath>
#include <string>

namespace {

void checkLoaded(const vestrel::cif::LoadedStructure& loaded)
{
    using vestrel::fuzz::Check;
    const vestrel::cif::Crystal& crystal = loaded.crystal();
    const vestrel::cif::CellParameters& cell = crystal.cell;
    Check(cell.a > 0 && cell.b > 0 && cell.c > 0, "the cell's edges are longer than zero");
    Check(std::isfinite(crystal.volume()) && crystal.volume() > 0, "the cell has a volume");
    Check(!crystal.sites.empty() && !crystal.atoms.empty(), "a loaded cell holds atoms");
    Check(crystal.atoms.size() <= static_cast<std::size_t>(vestrel::cif::MaxBlockAtoms), "the cell is within the limit");
    for (const vestrel::cif::Site& site : crystal.sites)
        Check(site.element >= 1 && site.element <= vestrel::cif::MaxAtomicNumber && site.occupancy > 0
                  && site.occupancy <= 1,
              "every site is an element with an occupancy in (0, 1]");
    for (const vestrel::cif::CellAtom& atom : crystal.atoms) {
        Check(atom.site >= 0 && static_cast<std::size_t>(atom.site) < crystal.sites.size(), "every atom has its site");
        for (double f : {atom.fract.x, atom.fract.y, atom.fract.z})
            Check(f >= 0 && f < 1, "every atom lies in the cell");
    }
    Check(std::isfinite(crystal.cellMass) && crystal.cellMass > 0, "the cell has a mass");
    Check(!loaded.memoText().empty(), "a loaded structure has its memo");
}

} // namespace

VESTREL_FUZZ_TARGET(cif_reader)
{
    using vestrel::fuzz::Check;
    const std::string text(reinterpret_cast<const char*>(data), size);
    vestrel::cif::LoadedStructure loaded;
    try {
        const vestrel::cif::LoadResult result = loaded.loadText(text, "fuzz.cif");
        Check(result.ok == loaded.isLoaded(), "the structure is loaded exactly when the load succeeds");
        Check(result.ok || !result.message.empty(), "a failed load says why");
        if (result.ok)
            checkLoaded(loaded);
    } catch (...) {
        vestrel::fuzz::Fail("nothing throws out of loading a file");
    }
    return 0;
}
