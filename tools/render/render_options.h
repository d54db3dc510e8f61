// SPDX-License-Identifier: MIT
// The command line of vestrel-render: which scene, which options, which
// camera; defaults are the program's start values.
#pragma once

#include "frame/frame_inputs.h"
#include "render/view_state.h"

#include <QSize>
#include <QString>
#include <QStringList>
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
    bool library = false;  // list the structure library instead of drawing
};

// Parses the arguments (without the program name). On a bad argument returns
// nothing and sets *error to a one-line message.
std::optional<RenderOptions> ParseRenderOptions(const QStringList& args, QString* error);

QString RenderUsage();

} // namespace vestrel
