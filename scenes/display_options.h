// SPDX-License-Identifier: MIT
// The display options the scene blocks read, copied from the windows' controls
// on every frame. Defaults are the controls' start values.
#pragma once

namespace vestrel {

// Options the scene blocks read.
struct DisplayOptions {
    bool showLines = true;      // Form1.chk8 "Показывать соед. линии"
    bool showScrewAxes = false; // Form1.chk9 "Показывать винт. оси"
    bool showSymPlanes = false; // Form1.chk10 "Показ. плоск. симметрии"
    bool showSymAxes = true;    // Form1.chk11 "Показ. оси симметрии"
    bool solidFaces = true;     // Form4.rb6 "Сплошные грани" (rb5 is its partner)
    // Item indices of the settings window's colour lists; -1 when text was
    // typed into the list and no item is selected.
    int axisColour2 = 3;        // Form4.cbb1, axes of order 2
    int axisColour3 = 1;        // Form4.cbb3, axes of order 3
    int axisColour4 = 2;        // Form4.cbb4, axes of order 4
    int axisColour6 = 4;        // Form4.cbb5, axes of order 6
    int screwColour = 0;        // Form4.cbb2, screw axes
};

} // namespace vestrel
