// Placeholder blocks until the cubic and tetragonal structure scenes are written.
#include "scenes/structures/structures.h"
namespace vestrel::structures {
void DrawRockSalt(Draw&, const DisplayOptions&) {}
void DrawCaesiumChloride(Draw&, const DisplayOptions&) {}
void DrawAlphaIron(Draw&, const DisplayOptions&) {}
void DrawGammaIron(Draw&, const DisplayOptions&) {}
void DrawCopper(Draw&, const DisplayOptions&) {}
void DrawCuprite(Draw&, const DisplayOptions&) {}
void DrawDiamond(Draw&, const DisplayOptions&) {}
void DrawSphalerite(Draw&, const DisplayOptions&) {}
void DrawFluorite(Draw&, const DisplayOptions&) {}
void DrawPyrite(Draw&, const DisplayOptions&) {}
void DrawChalcopyrite(Draw&, const DisplayOptions&) {}
} // namespace vestrel::structures
