// SPDX-License-Identifier: MIT
#include "scenes/scene_registry.h"

#include "scenes/polyhedra/polyhedra.h"
#include "scenes/structures/structures.h"

namespace vestrel {

const std::array<SceneEntry, SceneCount>& sceneRegistry()
{
    using namespace polyhedra;
    using namespace structures;
    static const std::array<SceneEntry, SceneCount> registry{{
        {SceneId::Cube, "cube", DrawCube},
        {SceneId::Tetrahedron, "tetrahedron", DrawTetrahedron},
        {SceneId::TetragonalPrism, "tetragonal prism", DrawTetragonalPrism},
        {SceneId::TrigonalPrism, "trigonal prism", DrawTrigonalPrism},
        {SceneId::TrigonalPyramid, "trigonal pyramid", DrawTrigonalPyramid},
        {SceneId::DitrigonalPyramid, "ditrigonal pyramid", DrawDitrigonalPyramid},
        {SceneId::TrigonalBipyramid, "trigonal bipyramid", DrawTrigonalBipyramid},
        {SceneId::TetragonalPyramid, "tetragonal pyramid", DrawTetragonalPyramid},
        {SceneId::Octahedron, "octahedron", DrawOctahedron},
        {SceneId::HexagonalPyramid, "hexagonal pyramid", DrawHexagonalPyramid},
        {SceneId::HexagonalPrism, "hexagonal prism", DrawHexagonalPrism},
        {SceneId::HexagonalBipyramid, "hexagonal bipyramid", DrawHexagonalBipyramid},
        {SceneId::RockSalt, "rock salt", DrawRockSalt},
        {SceneId::Cuprite, "cuprite", DrawCuprite},
        {SceneId::Diamond, "diamond", DrawDiamond},
        {SceneId::CaesiumChloride, "caesium chloride", DrawCaesiumChloride},
        {SceneId::AlphaIron, "alpha iron", DrawAlphaIron},
        {SceneId::GammaIron, "gamma iron", DrawGammaIron},
        {SceneId::Chalcopyrite, "chalcopyrite", DrawChalcopyrite},
        {SceneId::Pyrite, "pyrite", DrawPyrite},
        {SceneId::Copper, "copper", DrawCopper},
        {SceneId::CadmiumIodide, "cadmium iodide", DrawCadmiumIodide},
        {SceneId::Graphite, "graphite", DrawGraphite},
        {SceneId::Wurtzite, "wurtzite", DrawWurtzite},
        {SceneId::Sphalerite, "sphalerite", DrawSphalerite},
        {SceneId::BoronNitride, "boron nitride", DrawBoronNitride},
        {SceneId::Calcite, "calcite", DrawCalcite},
        {SceneId::Magnesium, "magnesium", DrawMagnesium},
        {SceneId::Fluorite, "fluorite", DrawFluorite},
        {SceneId::Rutile, "rutile", DrawRutile},
    }};
    return registry;
}

} // namespace vestrel
