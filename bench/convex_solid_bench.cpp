// SPDX-License-Identifier: MIT
// Convex solids from half-spaces: time per solid for combinations of the
// simple forms of the class m3m, up to three general forms (144 planes).
// Not a test: it prints a table.
//   build/vestrel-convex-solid-bench [repeats]
#include "logic/morphology/convex_solid.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <vector>

using namespace vestrel;
using namespace vestrel::morphology;

namespace {

// The faces of the form {hkl} of m3m at the given central distance.
std::vector<Plane> Form(std::array<int, 3> hkl, double distance)
{
    std::set<std::array<int, 3>> normals;
    std::sort(hkl.begin(), hkl.end());
    do {
        for (int signs = 0; signs < 8; ++signs)
            normals.insert({signs & 1 ? -hkl[0] : hkl[0], signs & 2 ? -hkl[1] : hkl[1], signs & 4 ? -hkl[2] : hkl[2]});
    } while (std::next_permutation(hkl.begin(), hkl.end()));
    std::vector<Plane> planes;
    for (const auto& n : normals) {
        const Vec3 v{double(n[0]), double(n[1]), double(n[2])};
        planes.push_back({v, distance * length(v)});
    }
    return planes;
}

struct Case {
    const char* name;
    std::vector<std::vector<Plane>> forms;
};

} // namespace

int main(int argc, char** argv)
{
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const Case cases[] = {
        {"cube {100}", {Form({1, 0, 0}, 1)}},
        {"cube + octahedron", {Form({1, 0, 0}, 1), Form({1, 1, 1}, 1.2)}},
        {"{100} + {110} + {111}", {Form({1, 0, 0}, 1), Form({1, 1, 0}, 1.1), Form({1, 1, 1}, 1.2)}},
        {"hexoctahedron {321}", {Form({3, 2, 1}, 1)}},
        {"{321} + {421} + {531}", {Form({3, 2, 1}, 1), Form({4, 2, 1}, 1.02), Form({5, 3, 1}, 1.03)}},
    };
    std::printf("%-24s %7s %9s %7s %12s\n", "forms", "planes", "vertices", "faces", "ms / solid");
    for (const Case& c : cases) {
        std::vector<Plane> planes;
        for (const auto& form : c.forms)
            planes.insert(planes.end(), form.begin(), form.end());
        ConvexSolid solid;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < repeats; ++i)
            solid = IntersectHalfSpaces(planes);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-24s %7zu %9zu %7zu %12.3f\n", c.name, planes.size(), solid.vertices.size(), solid.faces.size(),
                    ms / repeats);
    }
}
