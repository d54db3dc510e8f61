// SPDX-License-Identifier: MIT
// The scene blocks in frame order. The frame routine, the catalogue, the
// rendering tool and the tests share this one list.
#pragma once

#include "render/draw.h"
#include "scenes/display_options.h"
#include "scenes/scene_id.h"

#include <array>

namespace vestrel {

using SceneBlock = void (*)(Draw&, const DisplayOptions&);

struct SceneEntry {
    SceneId id;
    const char* name; // a short English name for tools and test output
    SceneBlock draw;
};

// All 30 entries, in frame order (entry i has SceneId i).
const std::array<SceneEntry, SceneCount>& sceneRegistry();

} // namespace vestrel
