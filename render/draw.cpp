// SPDX-License-Identifier: MIT
#include "render/draw.h"

namespace vestrel {

void Draw::balls(std::span<const Ball> balls, int slices)
{
    bool first = true;
    Colour current;
    for (const Ball& b : balls) {
        if (first || !(b.colour == current)) {
            colour(b.colour.r, b.colour.g, b.colour.b);
            current = b.colour;
            first = false;
        }
        pushMatrix();
        translated(b.centre.x, b.centre.y, b.centre.z);
        sphere(b.radius, slices, slices);
        popMatrix();
    }
}

} // namespace vestrel
