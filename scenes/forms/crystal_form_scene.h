// SPDX-License-Identifier: MIT
// A crystal form or a combination of forms as plain data, in the model
// frame, and its drawing by the conventions of the polyhedra: faces in the
// colour of their form, edges, mirror planes, axes coloured by order with
// their marker balls, inversion axes dashed, the centre, and on request
// each face's symbol.
#pragma once

#include "render/draw.h"
#include "render/geometry.h"
#include "scenes/display_options.h"
#include "scenes/polyhedra/polyhedron_common.h"

#include <array>
#include <string>
#include <vector>

namespace vestrel::forms {

struct FormFace {
    std::vector<Vec3> corners; // counter-clockwise seen from outside
    Vec3 normal;               // outward, unit
    Colour colour;
    int form = 0;              // index of its form in the combination; closing faces: -1
    std::vector<int> indices;  // its symbol as written: (hkl) or (hkil)
    bool closing = false;      // a face that closes an open form
    std::string label;         // the symbol drawn on it: "(10-10)", a minus before the digit it bars
};

struct FormAxis {
    polyhedra::Axis line;      // end to end through the centre
    int order = 2;
    bool inversion = false;
};

struct FormMarker {
    Vec3 point;
    int order = 2;
};

struct CrystalFormScene {
    std::vector<FormFace> faces;
    std::vector<Vec3> vertices;
    std::vector<polyhedra::Edge> edges;
    std::vector<polyhedra::SymmetryPlane> planes;
    std::vector<FormAxis> axes;
    std::vector<FormMarker> markers;
    bool centre = false;
    double circumradius = 0;
};

constexpr Colour EdgeColour{0.95f, 0.95f, 0.85f};
constexpr Colour ClosingFaceColour{0.55f, 0.55f, 0.55f};
constexpr Colour LabelColour{1, 1, 1};
constexpr double CentreRadius = 1.0;
constexpr std::array<Colour, 3> FormColours{{{0, 0.3f, 1}, {1, 0.3f, 0}, {0.1f, 0.75f, 0.25f}}};

void DrawCrystalFormScene(Draw& gl, const CrystalFormScene& scene, const DisplayOptions& options);

// A face marked from the stereogram: its outline, thick and light, a little
// outside the face so that the face does not hide it.
void DrawMarkedFace(Draw& gl, const std::vector<Vec3>& corners);
constexpr Colour MarkedFaceColour{1, 0.75f, 0.2f};
constexpr float MarkedFaceWidth = 4;

// Where a face's symbol is written: a little outside its centre.
Vec3 LabelPosition(const FormFace& face);

} // namespace vestrel::forms
