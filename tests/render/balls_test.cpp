// SPDX-License-Identifier: MIT
// Many balls in one call: the recording back end records every ball as the
// sphere it stands for, and the OpenGL back end's fast drawing shows the same
// picture as drawing each ball with its own sphere.
#include "frame/frame.h"
#include "render/gl_draw.h"
#include "render/recording_draw.h"
#include "scenes/structures/loaded_structure_scene.h"
#include "tools/render/offscreen_renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace vestrel {
namespace {

// A block of balls of three colours and sizes, 9 x 9 x 9, some overlapping.
structures::LoadedStructureScene BallBlock()
{
    structures::LoadedStructureScene scene;
    const Colour colours[3] = {{1, 0, 0}, {0, 0.7f, 0}, {0.3f, 0.3f, 1}};
    for (int i = 0; i < 9; ++i)
        for (int j = 0; j < 9; ++j)
            for (int k = 0; k < 9; ++k) {
                const int kind = (i + 2 * j + k) % 3;
                scene.atoms.push_back({{i * 10.0 - 40, j * 10.0 - 40, k * 10.0 - 40}, 2.0 + 1.5 * kind, colours[kind]});
            }
    return scene;
}

TEST(Balls, RecordedOneSphereEachInItsColour)
{
    const auto scene = BallBlock();
    RecordingDraw gl;
    gl.translated(1, 2, 3);
    gl.balls(scene.atoms, 24);
    const auto spheres = gl.spheres();
    ASSERT_EQ(spheres.size(), scene.atoms.size());
    for (std::size_t i = 0; i < spheres.size(); ++i) {
        const Ball& b = scene.atoms[i];
        EXPECT_EQ(spheres[i]->centre, (b.centre + Vec3{1, 2, 3}));
        EXPECT_EQ(spheres[i]->radius, b.radius);
        EXPECT_EQ(spheres[i]->colour, b.colour);
        EXPECT_EQ(spheres[i]->slices, 24);
        EXPECT_EQ(spheres[i]->stacks, 24);
    }
    EXPECT_EQ(gl.currentColour, scene.atoms.back().colour);
    EXPECT_EQ(gl.stackDepth(), 0);
    EXPECT_TRUE(gl.errors.empty());
}

TEST(Balls, SlicesKeepTheOutlineWithinHalfAPixel)
{
    int previous = 0;
    for (double r = 0; r <= 2000; r += 0.5) {
        const int n = GlDraw::SlicesForPixelRadius(r, 30);
        EXPECT_GE(n, 8);
        EXPECT_LE(n, 30);
        EXPECT_GE(n, previous) << "fewer slices for a larger ball at " << r;
        previous = n;
        if (n < 30) {
            EXPECT_LE(r * (1 - std::cos(std::numbers::pi / n)), 0.5) << r << " pixels, " << n << " slices";
        }
    }
    EXPECT_EQ(GlDraw::SlicesForPixelRadius(3, 30), 8);
    EXPECT_EQ(GlDraw::SlicesForPixelRadius(1000, 30), 30);
    EXPECT_EQ(GlDraw::SlicesForPixelRadius(1000, 6), 6);
}

// Every call to GlDraw except balls(), which then takes the drawing layer's
// plain version: one sphere per ball.
class OneByOne final : public Draw {
public:
    explicit OneByOne(GlDraw& gl) : gl_(gl) {}
    void clear() override { gl_.clear(); }
    void begin(Primitive m) override { gl_.begin(m); }
    void end() override { gl_.end(); }
    void vertex(float x, float y, float z) override { gl_.vertex(x, y, z); }
    void colour(float r, float g, float b) override { gl_.colour(r, g, b); }
    void lighting(bool on) override { gl_.lighting(on); }
    void lineWidth(float w) override { gl_.lineWidth(w); }
    void opacity(float a) override { gl_.opacity(a); }
    void lineStipple(int f, unsigned short p) override { gl_.lineStipple(f, p); }
    void lineStippleEnabled(bool on) override { gl_.lineStippleEnabled(on); }
    void multMatrix(const Mat4& m) override { gl_.multMatrix(m); }
    void loadIdentity() override { gl_.loadIdentity(); }
    void pushMatrix() override { gl_.pushMatrix(); }
    void popMatrix() override { gl_.popMatrix(); }
    void translated(double x, double y, double z) override { gl_.translated(x, y, z); }
    void translatef(float x, float y, float z) override { gl_.translatef(x, y, z); }
    void rotatef(float a, float x, float y, float z) override { gl_.rotatef(a, x, y, z); }
    void scaled(double x, double y, double z) override { gl_.scaled(x, y, z); }
    void scalef(float x, float y, float z) override { gl_.scalef(x, y, z); }
    void quadricDrawStyle(QuadricStyle s) override { gl_.quadricDrawStyle(s); }
    void quadricOrientation(QuadricOrientation o) override { gl_.quadricOrientation(o); }
    void quadricNormals(QuadricNormals n) override { gl_.quadricNormals(n); }
    void sphere(double r, int sl, int st) override { gl_.sphere(r, sl, st); }
    void cylinder(double b, double t, double h, int sl, int st) override { gl_.cylinder(b, t, h, sl, st); }

private:
    GlDraw& gl_;
};

TEST(Balls, FastDrawingShowsThePictureOfOneSphereEach)
{
    OffscreenRenderer renderer(QSize(600, 500));
    ASSERT_TRUE(renderer.isValid());
    GlDraw fast; // the renderer's context is current
    OneByOne slow(fast);
    const auto scene = BallBlock();
    for (int distance : {25, 60, 150}) { // at 25 part of the block is out of view
        FrameInputs in;
        in.loadedStructure = &scene;
        ViewState view;
        view.Distance = distance;
        view.RotX = 20;
        renderer.drawPicture([&] { DrawFrame(fast, in, view); });
        const QImage a = renderer.image();
        renderer.drawPicture([&] { DrawFrame(slow, in, view); });
        const QImage b = renderer.image();
        const auto same = [](QRgb p, QRgb q) {
            return std::abs(qRed(p) - qRed(q)) <= 8 && std::abs(qGreen(p) - qGreen(q)) <= 8
                && std::abs(qBlue(p) - qBlue(q)) <= 8;
        };
        // A pixel of one picture is matched when the other has its colour
        // within one pixel of it: outlines may move by a pixel, no more.
        const auto matched = [&](const QImage& from, const QImage& in, int x, int y) {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int u = x + dx, v = y + dy;
                    if (u >= 0 && v >= 0 && u < in.width() && v < in.height() && same(from.pixel(x, y), in.pixel(u, v)))
                        return true;
                }
            return false;
        };
        int coloured = 0, unmatched = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb q = b.pixel(x, y);
                if (qRed(q) + qGreen(q) + qBlue(q) > 0)
                    ++coloured;
                if (!matched(a, b, x, y) || !matched(b, a, x, y))
                    ++unmatched;
            }
        EXPECT_GT(coloured, 10000) << "distance " << distance;
        EXPECT_LT(unmatched, coloured / 200) << "distance " << distance << ": " << unmatched << " of " << coloured;
    }
}

} // namespace
} // namespace vestrel
