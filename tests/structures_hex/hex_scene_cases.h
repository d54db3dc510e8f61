// SPDX-License-Identifier: MIT
// The seven hexagonal, layered, calcite and rutile scenes with what each is
// stated to draw, shared by the convention tests and the image tests.
#pragma once

#include "scenes/structures/element_colours.h"
#include "scenes/structures/structures.h"
#include "tests/structures_hex/scene_probe.h"

#include <ostream>
#include <string>
#include <vector>

namespace vestrel::test {

struct HexSceneCase {
    std::string name;
    SceneBlock block;
    SceneFrame frame;
    int listItem;           // item of the structure list, from 1
    int slices;             // sphere resolution
    std::size_t spheres;    // spheres drawn
    std::size_t lines;      // distinct connecting lines
    bool linesBeforeAtoms;  // rutile only
    std::vector<Colour> elements;
};

inline const std::vector<HexSceneCase>& HexSceneCases()
{
    using namespace structures;
    static const std::vector<HexSceneCase> cases{
        {"magnesium", DrawMagnesium, {{0, 0, 0}, 0.8, {}}, 15, 30, 17, 22, false, {Mg}},
        {"cadmium_iodide", DrawCadmiumIodide, {{0, 0, 0}, 0.8, {}}, 12, 30, 20, 25, false, {Cd, I}},
        {"wurtzite", DrawWurtzite, {{0, 0, 0}, 0.8, {}}, 7, 30, 27, 25, false, {S, Zn}},
        {"graphite", DrawGraphite, {{0, 50, 0}, 0.8, {-40, 40, 0}}, 4, 30, 24, 24, false, {C}},
        {"boron_nitride", DrawBoronNitride, {{-30, 10, 0}, 0.8, {}}, 11, 30, 24, 24, false, {N, B}},
        {"calcite", DrawCalcite, {{0, 0, 0}, 0.8, {}}, 18, 30, 82, 28, false, {Ca, C, O}},
        {"rutile", DrawRutile, {{0, 0, 0}, 1, {}}, 16, 25, 15, 15, true, {Ti, O}},
    };
    return cases;
}

inline void PrintTo(const HexSceneCase& c, std::ostream* os) { *os << c.name; }

} // namespace vestrel::test
