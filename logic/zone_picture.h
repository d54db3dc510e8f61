// SPDX-License-Identifier: MIT
// From the calculator's six fields to the zone law drawn in space: the scene
// and the sentence that says what it shows.
#pragma once

#include "logic/zone_law.h"
#include "scenes/zone_scene.h"

#include <QString>

#include <optional>

namespace vestrel {

struct ZonePicture {
    ZoneScene scene;
    QString status; // for the main window's status bar
};

struct ZonePictureOutcome {
    std::optional<ZonePicture> picture;
    QString message; // why there is no picture: the calculator's own message, or ours
    bool isError = false; // a conversion error (shown as an error) rather than an omission
};

// Faces to edge in the mode SymbolMode::Edge (the fields hold two faces),
// edges to face in SymbolMode::Face.
ZonePictureOutcome MakeZonePicture(const SymbolInputs& inputs, SymbolMode mode, const QLocale& locale);

// "(1 1 0)" for a face, "[1 -1 1]" for an edge.
QString FaceSymbol(const MillerIndices& m);
QString EdgeSymbol(const MillerIndices& m);

} // namespace vestrel
