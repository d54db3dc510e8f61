// Placeholder blocks until the polyhedron scenes are written.
#include "scenes/polyhedra/polyhedra.h"
namespace vestrel::polyhedra {
void DrawCube(Draw&, const DisplayOptions&) {}
void DrawTetrahedron(Draw&, const DisplayOptions&) {}
void DrawOctahedron(Draw&, const DisplayOptions&) {}
void DrawTetragonalPrism(Draw&, const DisplayOptions&) {}
void DrawTetragonalPyramid(Draw&, const DisplayOptions&) {}
void DrawTrigonalPrism(Draw&, const DisplayOptions&) {}
void DrawTrigonalPyramid(Draw&, const DisplayOptions&) {}
void DrawTrigonalBipyramid(Draw&, const DisplayOptions&) {}
void DrawDitrigonalPyramid(Draw&, const DisplayOptions&) {}
void DrawHexagonalPyramid(Draw&, const DisplayOptions&) {}
void DrawHexagonalPrism(Draw&, const DisplayOptions&) {}
void DrawHexagonalBipyramid(Draw&, const DisplayOptions&) {}
} // namespace vestrel::polyhedra
