// SPDX-License-Identifier: MIT
#include "logic/options.h"

namespace vestrel {

void Options::setAxisColour(int order, int item)
{
    auto& entry = kept_.axisColours.at(static_cast<std::size_t>(order));
    if (entry == item)
        return;
    entry = item;
    emit changed();
}

void Options::setToolButton(int button, bool shown)
{
    auto& entry = kept_.toolButtons.at(static_cast<std::size_t>(button));
    if (entry == shown)
        return;
    entry = shown;
    emit changed();
}

void Options::restore(const KeptSettings& kept)
{
    if (kept_ == kept)
        return;
    kept_ = kept;
    emit changed();
}

DisplayOptions Options::displayOptions() const
{
    DisplayOptions d;
    d.showLines = kept_.showBonds;
    d.showScrewAxes = kept_.showScrewAxes;
    d.showSymPlanes = kept_.showSymmetryPlanes;
    d.showSymAxes = kept_.showSymmetryAxes;
    d.solidFaces = kept_.solidFaces;
    d.axisColour2 = kept_.axisColours[0];
    d.axisColour3 = kept_.axisColours[1];
    d.axisColour4 = kept_.axisColours[2];
    d.axisColour6 = kept_.axisColours[3];
    d.screwColour = kept_.screwAxisColour;
    d.showFaceSymbols = auxiliary_.showFaceSymbols;
    return d;
}

AuxiliaryColourMenus Options::colourMenus() const
{
    return AuxiliaryColourMenus::withItems(kept_.axesColour, kept_.planesColour);
}

} // namespace vestrel
