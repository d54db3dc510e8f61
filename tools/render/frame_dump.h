// SPDX-License-Identifier: MIT
// What one frame draws, taken from the recording back end and brought back
// into the model frame (the scenes' own offsets, turns and scales applied,
// the camera and the global scale taken out), and written as JSON.
#pragma once

#include "frame/frame_inputs.h"
#include "render/geometry.h"
#include "render/recording_draw.h"
#include "render/view_state.h"

#include <QByteArray>
#include <vector>

namespace vestrel {

struct DumpedSphere {
    Vec3 centre;
    double radius = 0;   // along the sphere's own x axis
    Vec3 semiAxes;       // differ from radius only under an unequal scale
    Colour colour;
};

struct DumpedLine {
    Vec3 from, to;
    Colour colour;       // of the first end, as set
    float width = 1;
    bool dashed = false; // drawn with a line stipple
};

struct DumpedPolygon {
    std::vector<Vec3> vertices;
    Colour colour;       // of the first vertex
    bool filled = true;  // a line loop is an outline
};

struct DumpedCone {
    Vec3 tip, base;      // the point and the centre of the open end
    double radius = 0;   // of the open end
    Colour colour;
};

struct FrameDump {
    std::vector<DumpedSphere> spheres;
    std::vector<DumpedLine> lines;
    std::vector<DumpedPolygon> polygons;
    std::vector<DumpedCone> cones;
};

// A recording of one frame drawn with the view, back in the model frame.
FrameDump ToModelFrame(const RecordingDraw& gl, const ViewState& view);

// Draws the frames one after another through the recording back end, as the
// frame timer would, and returns what the last one drew. The view changes
// as the frame routine changes it.
FrameDump DumpFrames(const FrameInputs& inputs, ViewState& view, int frames = 1);

// {"spheres": [{"centre", "radius", "colour"}], "lines": [{"from", "to",
// "colour", "width", "dashed"}], "polygons": [{"vertices", "colour",
// "filled"}], "cones": [{"tip", "base", "radius", "colour"}]}; a sphere
// under an unequal scale also has "semi_axes".
QByteArray FrameDumpJson(const FrameDump& dump);

} // namespace vestrel
