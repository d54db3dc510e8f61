// SPDX-License-Identifier: MIT
// Real frames through OpenGL (vestrel-render --cif): at the projected centre
// of every atom that no other atom hides, the picture shows that element's
// flat colour; the grey lines go with the connecting-lines option.
#include "frame/projection.h"
#include "render/camera.h"
#include "logic/cif/elements.h"
#include "logic/cif/loaded_structure.h"
#include "render/recording_draw.h"
#include "scenes/structures/element_colour_table.h"
#include "tests/cif/cif_cases.h"
#include "tests/support/render_tool.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace vestrel::test {
namespace {

constexpr int Width = 900;
constexpr int Height = 750;
constexpr Colour Grey{0.7f, 0.7f, 0.7f};

struct ImageCase {
    std::string name;
    int cells = 1;
};

void PrintTo(const ImageCase& c, std::ostream* os) { *os << c.name << " x" << c.cells; }

std::vector<ImageCase> ImageCases()
{
    std::vector<ImageCase> cases;
    for (const CifCase& c : CifCases())
        cases.push_back({c.name, 1});
    cases.push_back({"spinel", 3});
    cases.push_back({"calcite", 2});
    return cases;
}

struct Seen {
    Vec3 eye;
    double radius; // eye units
    Colour colour;
};

// Whether another ball lies across the line of sight to the centre of ball i.
bool Hidden(const std::vector<Seen>& balls, std::size_t i)
{
    const Vec3& p = balls[i].eye;
    const double reach = length(p);
    const Vec3 u = p / reach;
    for (std::size_t j = 0; j < balls.size(); ++j) {
        if (j == i)
            continue;
        const Vec3& q = balls[j].eye;
        const double along = dot(q, u);
        const Vec3 off = q - along * u;
        if (length(off) < balls[j].radius * 1.05 + 0.02 && along < reach + balls[i].radius)
            return true;
    }
    return false;
}

class CifImage : public testing::TestWithParam<ImageCase> {};

TEST_P(CifImage, EveryUnhiddenAtomShowsItsElementColourAtItsCentre)
{
    const ImageCase& c = GetParam();
    cif::LoadedStructure s;
    ASSERT_TRUE(s.load(CifPath(c.name + ".cif"), c.cells).ok);
    const QImage image = RenderWithTool({"--cif", QString::fromStdString(CifPath(c.name + ".cif")), "--cells",
                                         QString::number(c.cells), "--lines", "off"});
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.width(), Width);

    RecordingDraw gl;
    structures::DrawLoadedStructure(gl, s.sceneData(), DisplayOptions{});
    const ViewState view; // the start view, as the tool uses
    std::vector<Seen> balls;
    for (const auto* sphere : gl.spheres())
        balls.push_back({ModelToEye(view, sphere->centre), sphere->radius * 0.3, sphere->colour});

    std::set<std::tuple<float, float, float>> expectedColours, shownColours;
    int checked = 0;
    for (std::size_t i = 0; i < balls.size(); ++i) {
        expectedColours.insert({balls[i].colour.r, balls[i].colour.g, balls[i].colour.b});
        const PanelPoint p = ProjectToPanel(view, gl.spheres()[i]->centre, Width, Height);
        const double pixelRadius = balls[i].radius / -balls[i].eye.z / ViewPerspective.halfHeightAt(1) * Height / 2;
        if (pixelRadius < 2.5 || p.x < 2 || p.y < 2 || p.x > Width - 3 || p.y > Height - 3 || Hidden(balls, i))
            continue;
        ++checked;
        const QRgb pixel = image.pixel(static_cast<int>(p.x), static_cast<int>(p.y));
        const QRgb want = ScreenColour(balls[i].colour);
        EXPECT_TRUE(std::abs(qRed(pixel) - qRed(want)) <= 2 && std::abs(qGreen(pixel) - qGreen(want)) <= 2
                    && std::abs(qBlue(pixel) - qBlue(want)) <= 2)
            << "ball " << i << " at (" << p.x << ", " << p.y << "): shows " << qRed(pixel) << " " << qGreen(pixel)
            << " " << qBlue(pixel) << ", its colour is " << qRed(want) << " " << qGreen(want) << " " << qBlue(want);
        shownColours.insert({balls[i].colour.r, balls[i].colour.g, balls[i].colour.b});
    }
    EXPECT_GT(checked, 0);
    // Every element has at least one atom in plain view.
    EXPECT_EQ(shownColours, expectedColours);
    EXPECT_EQ(CountPixels(image, ScreenColour(Grey)), 0) << "grey lines with the option off";
}

TEST_P(CifImage, GreyCellEdgesAndBondsWithTheOptionOn)
{
    const ImageCase& c = GetParam();
    const QImage image = RenderWithTool({"--cif", QString::fromStdString(CifPath(c.name + ".cif")), "--cells",
                                         QString::number(c.cells), "--lines", "on"});
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(HasColour(image, ScreenColour(Grey), 50));
}

INSTANTIATE_TEST_SUITE_P(Files, CifImage, testing::ValuesIn(ImageCases()), [](const auto& info) {
    return info.param.name + "_" + std::to_string(info.param.cells);
});

} // namespace
} // namespace vestrel::test
