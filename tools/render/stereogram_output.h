// SPDX-License-Identifier: MIT
// vestrel-render --stereogram: the stereographic projection of the polyhedron
// or crystal of the command line, as a picture or as JSON.
#pragma once

#include "logic/morphology/stereogram.h"
#include "tools/render/render_options.h"

#include <QByteArray>
#include <optional>

namespace vestrel {

// What the command line builds, or none (a structure or nothing).
std::optional<morphology::StereoSource> StereogramSourceOf(const RenderOptions& options);
// Projected in the command line's mode, moved by its chosen operation.
std::optional<morphology::Stereogram> StereogramOf(const RenderOptions& options);

// {"poles": [{"x", "y", "upper", "hkl"?}], "axes": [{"order", "inversion",
// "x", "y", "both_ends"}], "mirrors": [{"points": [[x, y], ...],
// "horizontal"}], "centre": bool}; an empty object for nothing to project.
QByteArray StereogramJson(const std::optional<morphology::Stereogram>& stereogram);

// Writes the dump and/or the picture; the process's exit code.
int WriteStereogram(const RenderOptions& options);

} // namespace vestrel
