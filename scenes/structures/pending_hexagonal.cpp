// Placeholder blocks until the hexagonal, layered, calcite and rutile scenes are written.
#include "scenes/structures/structures.h"
namespace vestrel::structures {
void DrawMagnesium(Draw&, const DisplayOptions&) {}
void DrawCadmiumIodide(Draw&, const DisplayOptions&) {}
void DrawWurtzite(Draw&, const DisplayOptions&) {}
void DrawGraphite(Draw&, const DisplayOptions&) {}
void DrawBoronNitride(Draw&, const DisplayOptions&) {}
void DrawCalcite(Draw&, const DisplayOptions&) {}
void DrawRutile(Draw&, const DisplayOptions&) {}
} // namespace vestrel::structures
