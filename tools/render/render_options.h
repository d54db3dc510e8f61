// SPDX-License-Identifier: MIT
// The command line of vestrel-render: which scene, which options, which
// camera; defaults are the program's start values.
#pragma once

#include "frame/frame_inputs.h"
#include "logic/morphology/crystal_forms.h"
#include "render/view_state.h"

#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

namespace vestrel {

struct RenderOptions {
    QString out;
    QString dump; // --dump FILE.json: what the frame draws, instead of a picture
    QSize size{900, 750};
    int frames = 1;
    // The watchdog: past this many seconds the tool gives up with a message,
    // so a test suite that calls it never hangs.
    int timeLimit = 300;
    FrameInputs inputs;
    ViewState view;
    QString cif;           // a structure file to show, drawn after any built-in scene
    int cells = 1;         // cells per axis of its block
    bool describe = false; // print the structure's information text instead of drawing
    // --powder: print the structure's powder pattern as a table instead of drawing
    bool powder = false;
    double wavelength = 1.54056;          // angstroms, Cu Kα1
    double twoThetaFrom = 5, twoThetaTo = 90; // degrees
    // --class K with its --form h,k,l[,d]: the crystal drawn (its scene is
    // inputs.crystalForm).
    std::shared_ptr<const morphology::BuiltCrystal> crystal;
    bool library = false;  // list the structure library instead of drawing
    // The structure tools, for --cif: a click at a pixel of the --size
    // picture (--pick X,Y), two or three clicks measured (--measure
    // X1,Y1:X2,Y2[:X3,Y3]), coordination polyhedra and their centres, and
    // lattice planes (--plane h,k,l, repeatable).
    std::optional<QPointF> pick;
    QList<QPointF> measure;
    bool polyhedra = false;
    QStringList polyhedraCentres; // element symbols; empty: the cations
    QList<std::array<int, 3>> latticePlanes;
    int crystalClass = 0;  // the number of --class K, or 0
    // --stereogram: the stereographic projection of the polyhedron or crystal
    // instead of the view, in the standard setting or as the model is seen.
    bool stereogram = false;
    bool stereoModel = false; // --stereo-mode model
    bool wulffNet = false;    // --wulff on
    // --export FILE.glb|FILE.stl|FILE.obj: the view as a 3-D model
    QString exportPath;
    bool printable = false;  // --printable on: one closed body in mm
    double printSize = 100;  // --print-size: its longest edge, mm
};

// Parses the arguments (without the program name). On a bad argument returns
// nothing and sets *error to a one-line message.
std::optional<RenderOptions> ParseRenderOptions(const QStringList& args, QString* error);

QString RenderUsage();

} // namespace vestrel
