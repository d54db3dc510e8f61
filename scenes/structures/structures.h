// SPDX-License-Identifier: MIT
// The eighteen crystal structure blocks. Each draws in the model frame of
// the frame routine and reads the display options it is given.
#pragma once

#include "render/draw.h"
#include "scenes/display_options.h"

namespace vestrel::structures {

void DrawRockSalt(Draw& gl, const DisplayOptions& opt);
void DrawCaesiumChloride(Draw& gl, const DisplayOptions& opt);
void DrawAlphaIron(Draw& gl, const DisplayOptions& opt);
void DrawGammaIron(Draw& gl, const DisplayOptions& opt);
void DrawCopper(Draw& gl, const DisplayOptions& opt);
void DrawCuprite(Draw& gl, const DisplayOptions& opt);
void DrawDiamond(Draw& gl, const DisplayOptions& opt);
void DrawSphalerite(Draw& gl, const DisplayOptions& opt);
void DrawFluorite(Draw& gl, const DisplayOptions& opt);
void DrawPyrite(Draw& gl, const DisplayOptions& opt);
void DrawChalcopyrite(Draw& gl, const DisplayOptions& opt);
void DrawMagnesium(Draw& gl, const DisplayOptions& opt);
void DrawCadmiumIodide(Draw& gl, const DisplayOptions& opt);
void DrawWurtzite(Draw& gl, const DisplayOptions& opt);
void DrawGraphite(Draw& gl, const DisplayOptions& opt);
void DrawBoronNitride(Draw& gl, const DisplayOptions& opt);
void DrawCalcite(Draw& gl, const DisplayOptions& opt);
void DrawRutile(Draw& gl, const DisplayOptions& opt);

} // namespace vestrel::structures
