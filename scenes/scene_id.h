// SPDX-License-Identifier: MIT
// The 30 scenes, numbered in the order in which the frame routine tests
// their switches.
#pragma once

#include <array>

namespace vestrel {

enum class SceneId {
    Cube,                // 1
    Tetrahedron,         // 2
    TetragonalPrism,     // 3
    TrigonalPrism,       // 4
    TrigonalPyramid,     // 5
    DitrigonalPyramid,   // 6
    TrigonalBipyramid,   // 7
    TetragonalPyramid,   // 8
    Octahedron,          // 9
    HexagonalPyramid,    // 10
    HexagonalPrism,      // 11
    HexagonalBipyramid,  // 12
    RockSalt,            // 13
    Cuprite,             // 14
    Diamond,             // 15
    CaesiumChloride,     // 16
    AlphaIron,           // 17
    GammaIron,           // 18
    Chalcopyrite,        // 19
    Pyrite,              // 20
    Copper,              // 21
    CadmiumIodide,       // 22
    Graphite,            // 23
    Wurtzite,            // 24
    Sphalerite,          // 25
    BoronNitride,        // 26
    Calcite,             // 27
    Magnesium,           // 28
    Fluorite,            // 29
    Rutile,              // 30
};

constexpr int SceneCount = 30;

// One switch per scene, all off at start.
using SceneFlags = std::array<bool, SceneCount>;

constexpr int index(SceneId id) { return static_cast<int>(id); }

// The first twelve scenes are polyhedra, the rest crystal structures.
constexpr bool IsPolyhedron(SceneId id) { return index(id) <= index(SceneId::HexagonalBipyramid); }

} // namespace vestrel
