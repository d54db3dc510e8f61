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

void Draw::segments(std::span<const Segment> segments)
{
    if (segments.empty())
        return;
    begin(Primitive::Lines);
    for (const Segment& s : segments) {
        vertex(static_cast<float>(s.from.x), static_cast<float>(s.from.y), static_cast<float>(s.from.z));
        vertex(static_cast<float>(s.to.x), static_cast<float>(s.to.y), static_cast<float>(s.to.z));
    }
    end();
}

} // namespace vestrel
