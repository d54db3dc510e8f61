// SPDX-License-Identifier: MIT
// The display options the scene blocks read, copied from the windows' controls
// on every frame. Defaults are the controls' start values.
#pragma once

namespace vestrel {

// Options the scene blocks read.
struct DisplayOptions {
    bool showLines = true;      // "Показывать соед. линии"
    bool showScrewAxes = false; // "Показывать винт. оси"
    bool showSymPlanes = false; // "Показ. плоск. симметрии"
    bool showSymAxes = true;    // "Показ. оси симметрии"
    bool solidFaces = true;     // "Сплошные грани" (else "Прозрачные грани")
    bool showFaceSymbols = false; // "Показывать символы граней" (crystal forms)
    // Item indices of the settings window's colour lists; -1 when text was
    // typed into the list and no item is selected.
    int axisColour2 = 3;        // settings window, axes of order 2
    int axisColour3 = 1;        // settings window, axes of order 3
    int axisColour4 = 2;        // settings window, axes of order 4
    int axisColour6 = 4;        // settings window, axes of order 6
    int screwColour = 0;        // settings window, screw axes
};

} // namespace vestrel
