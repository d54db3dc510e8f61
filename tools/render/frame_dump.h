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
#include <array>
#include <string>
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
    int tag = -1;        // as the scene named it (a crystal form's face), or -1
};

struct DumpedLabel {
    Vec3 at;
    std::string text;
    Colour colour;
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
    std::vector<DumpedLabel> labels;
};

// What a structure read from a file names in a dump: the atoms' centres
// (model frame) with their elements and site labels, the site label of each
// polyhedron (by the overlay's tags) and the indices of each lattice plane.
struct StructureDumpNames {
    struct Atom {
        Vec3 centre;
        std::string element, label;
    };
    std::vector<Atom> atoms;
    std::vector<std::string> polyhedronCentres;
    std::vector<std::array<int, 3>> planes;
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
// under an unequal scale also has "semi_axes". With a crystal form, each of
// its faces' polygons also has "form" (the form's index, from 0), "hkl" (the
// face's indices) and, for a face that closes an open form, "closing": true;
// "labels": [{"at", "text", "colour"}] are the face symbols written.
// With structure names, a sphere at an atom's centre also has "element" and
// "label", a polyhedron's face "polyhedron" (its centre's site label) and a
// lattice plane's polygon "plane": [h, k, l].
QByteArray FrameDumpJson(const FrameDump& dump, const forms::CrystalFormScene* crystalForm = nullptr,
                         const StructureDumpNames* structure = nullptr);

} // namespace vestrel
