// SPDX-License-Identifier: MIT
// The pictures the program shows: the 18 crystal photographs beside the
// structures and the crystal group behind the About window.
#pragma once

#include "tools/photos/crystal_forms.h"
#include "tools/photos/crystal_renderer.h"

#include <QString>

#include <array>
#include <vector>

namespace vestrel::photos {

// One crystal of a specimen.
struct CrystalSpec {
    Habit habit = Habit::Cube;
    double size = 1;        // scale of the habit (about the half-width)
    Vec3 position;       // world position of its centre
    Vec3 turn;           // turns about x, y and z, degrees
    double stretch = 1;     // length along its c axis
    int material = 0;       // index into the specimen's materials
};

// A lump of the rock the crystals grow on.
struct RockSpec {
    Vec3 centre;
    Vec3 radii;
    std::uint64_t seed = 1;
};

struct PhotoSpec {
    QString file;                     // relative to the Data folder
    int width = 400;
    int height = 270;
    std::array<Material, 2> materials{};
    std::vector<CrystalSpec> crystals{};
    Material rock{};
    std::vector<RockSpec> rocks{};
    Camera camera{};
    Backdrop backdrop{};
};

// The 18 photographs in the order of the structure list, then the About picture.
std::vector<PhotoSpec> AllPhotos();

Scene BuildScene(const PhotoSpec& spec);

} // namespace vestrel::photos
