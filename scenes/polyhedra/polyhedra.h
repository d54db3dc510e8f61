// SPDX-License-Identifier: MIT
// The twelve polyhedron blocks. Each draws in the model frame of the frame
// routine and reads the display options it is given.
#pragma once

#include "render/draw.h"
#include "scenes/display_options.h"

namespace vestrel::polyhedra {

void DrawCube(Draw& gl, const DisplayOptions& opt);
void DrawTetrahedron(Draw& gl, const DisplayOptions& opt);
void DrawOctahedron(Draw& gl, const DisplayOptions& opt);
void DrawTetragonalPrism(Draw& gl, const DisplayOptions& opt);
void DrawTetragonalPyramid(Draw& gl, const DisplayOptions& opt);
void DrawTrigonalPrism(Draw& gl, const DisplayOptions& opt);
void DrawTrigonalPyramid(Draw& gl, const DisplayOptions& opt);
void DrawTrigonalBipyramid(Draw& gl, const DisplayOptions& opt);
void DrawDitrigonalPyramid(Draw& gl, const DisplayOptions& opt);
void DrawHexagonalPyramid(Draw& gl, const DisplayOptions& opt);
void DrawHexagonalPrism(Draw& gl, const DisplayOptions& opt);
void DrawHexagonalBipyramid(Draw& gl, const DisplayOptions& opt);

} // namespace vestrel::polyhedra
