// SPDX-License-Identifier: MIT
// The screw axes of rock salt and cuprite are true 4_2 axes of the atoms
// drawn: a quarter turn about the axis followed by half a cell edge along it
// takes every atom of the block whose image stays inside the block onto an
// atom of the same colour, and each step of the helix is that operation.
#include "scenes/structures/structures.h"
#include "tests/structures_cubic/scene_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace vestrel::test {
namespace {

struct ScrewCase {
    std::string name;
    Block block;
    double cellEdge; // of the conventional cubic cell, in the model frame
    // Atoms whose image stays inside the block, at the least: the cuprite
    // block is one cell with the axis in a face of it, so few do.
    int mappedAtLeast;
};

void PrintTo(const ScrewCase& c, std::ostream* os) { *os << c.name; }

// A turn by degrees about the line through `through` along `axis`.
Vec3 TurnedAbout(const Vec3& p, const Vec3& through, const Vec3& axis, double degrees)
{
    const Vec3 k = axis * (1 / length(axis));
    const Vec3 q = p - through;
    const double a = degrees * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
    const Vec3 kxq{k.y * q.z - k.z * q.y, k.z * q.x - k.x * q.z, k.x * q.y - k.y * q.x};
    return through + (q * c + kxq * s + k * (dot(k, q) * (1 - c)));
}

class ScrewAxes : public testing::TestWithParam<ScrewCase> {};

TEST_P(ScrewAxes, AreTrueFourTwoAxesOfTheDrawnAtoms)
{
    const ScrewCase& c = GetParam();
    // Without the connecting lines the screw batch is the only line drawn.
    const RecordingDraw gl = RunScene(c.block, Options(false, true));
    const auto segments = gl.lineSegments();
    ASSERT_GE(segments.size(), 2u);
    const Vec3 from = segments[0].first.position, to = segments[0].second.position;
    const Vec3 along = (to - from) * (1 / length(to - from));

    const auto balls = Balls(gl);
    Vec3 lo{1e9, 1e9, 1e9}, hi{-1e9, -1e9, -1e9};
    for (const Ball& b : balls) {
        lo = {std::min(lo.x, b.at.x), std::min(lo.y, b.at.y), std::min(lo.z, b.at.z)};
        hi = {std::max(hi.x, b.at.x), std::max(hi.y, b.at.y), std::max(hi.z, b.at.z)};
    }
    const auto inside = [&](const Vec3& p) {
        constexpr double e = 1e-3;
        return p.x > lo.x - e && p.x < hi.x + e && p.y > lo.y - e && p.y < hi.y + e && p.z > lo.z - e
            && p.z < hi.z + e;
    };
    const auto colourAt = [&](const Vec3& p) -> const Colour* {
        for (const Ball& b : balls)
            if (Near(b.at, p))
                return &b.colour;
        return nullptr;
    };

    // Either sense of the quarter turn, with half a cell edge either way.
    for (double turn : {90.0, -90.0})
        for (double shift : {c.cellEdge / 2, -c.cellEdge / 2}) {
            SCOPED_TRACE(testing::Message() << "turn " << turn << ", shift " << shift);
            int mapped = 0;
            for (const Ball& b : balls) {
                const Vec3 image = TurnedAbout(b.at, from, along, turn) + along * shift;
                if (!inside(image))
                    continue;
                ++mapped;
                const Colour* there = colourAt(image);
                ASSERT_NE(there, nullptr) << "no atom at the image of " << b.at.x << " " << b.at.y << " " << b.at.z;
                EXPECT_TRUE(SameColour(*there, b.colour));
            }
            EXPECT_GE(mapped, c.mappedAtLeast) << "the operation is tried on atoms of the block: " << mapped;
        }

    // Every helix step is the operation: from an atom to the atom it takes
    // the first one to.
    for (std::size_t i = 1; i < segments.size(); ++i) {
        const Vec3 a = segments[i].first.position, b = segments[i].second.position;
        ASSERT_NE(colourAt(a), nullptr);
        ASSERT_NE(colourAt(b), nullptr);
        EXPECT_TRUE(SameColour(*colourAt(a), *colourAt(b)));
        const double shift = dot(b - a, along);
        EXPECT_NEAR(std::abs(shift), c.cellEdge / 2, 1e-4) << "step " << i;
        const bool quarter = Near(TurnedAbout(a, from, along, 90) + along * shift, b, 1e-4)
            || Near(TurnedAbout(a, from, along, -90) + along * shift, b, 1e-4);
        EXPECT_TRUE(quarter) << "step " << i << " is a quarter turn";
    }
}

INSTANTIATE_TEST_SUITE_P(Scenes, ScrewAxes,
                         testing::Values(ScrewCase{"rock_salt", structures::DrawRockSalt, 40, 30},
                                         ScrewCase{"cuprite", structures::DrawCuprite, 60, 2}),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace vestrel::test
