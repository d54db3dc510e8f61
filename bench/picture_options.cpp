// SPDX-License-Identifier: MIT
#include "bench/picture_options.h"

#include "frame/frame.h"
#include "logic/pictures/picture_files.h"
#include "render/gl_draw.h"
#include "render/offscreen/picture_renderer.h"
#include "scenes/scene_registry.h"
#include "tools/render/offscreen_renderer.h"

#include <QDir>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>
#include <QTemporaryDir>

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace vestrel::bench {

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

constexpr QSize PanelSize(900, 750);

FrameInputs sceneInputs(SceneId id)
{
    FrameInputs in;
    in.scenes[index(id)] = true;
    in.display.showLines = true;
    in.display.showScrewAxes = true;
    in.display.showSymPlanes = true;
    in.display.showSymAxes = true;
    return in;
}

// The panel's way of drawing, without the window: its own framebuffer, or
// a multisampled one resolved into it.
class PanelLike {
public:
    PanelLike()
    {
        QSurfaceFormat format;
        format.setRenderableType(QSurfaceFormat::OpenGL);
        format.setProfile(QSurfaceFormat::CompatibilityProfile);
        format.setDepthBufferSize(24);
        surface_.setFormat(format);
        surface_.create();
        context_.setFormat(format);
        valid_ = context_.create() && context_.makeCurrent(&surface_);
        if (!valid_)
            return;
        panel_ = std::make_unique<QOpenGLFramebufferObject>(PanelSize, QOpenGLFramebufferObject::Depth);
        GlDraw::initialiseState();
        draw_ = std::make_unique<GlDraw>();
        samples_ = AvailableSamples();
    }
    ~PanelLike()
    {
        if (valid_ && context_.makeCurrent(&surface_)) {
            multisample_.release();
            draw_.reset();
            panel_.reset();
            context_.doneCurrent();
        }
    }
    bool valid() const { return valid_; }
    int samples() const { return samples_; }

    double frame(const FrameInputs& in)
    {
        ViewState view;
        const auto t0 = Clock::now();
        const bool smooth = in.smooth && samples_ > 0 && multisample_.bind(PanelSize, samples_);
        if (!smooth)
            panel_->bind();
        GlDraw::setProjection(PanelSize.width(), PanelSize.height());
        DrawFrame(*draw_, in, view);
        if (smooth)
            multisample_.resolve(); // into the context's own framebuffer, as the panel resolves into its own
        glFinish();
        return msSince(t0);
    }

private:
    QOffscreenSurface surface_;
    QOpenGLContext context_;
    std::unique_ptr<QOpenGLFramebufferObject> panel_;
    std::unique_ptr<GlDraw> draw_;
    MultisampleTarget multisample_;
    int samples_ = 0;
    bool valid_ = false;
};

double frameTime(PanelLike& panel, const FrameInputs& in, int frames)
{
    panel.frame(in); // warm-up
    std::vector<double> times;
    for (int i = 0; i < frames; ++i)
        times.push_back(panel.frame(in));
    return median(times);
}

} // namespace

void MeasurePictureOptions(int frames)
{
    PanelLike panel;
    if (!panel.valid()) {
        std::fprintf(stderr, "no OpenGL context for the picture options\n");
        return;
    }
    std::printf("\npicture options at %dx%d, median of %d frames (ms, drawing and glFinish; smooth: %d samples)\n",
                PanelSize.width(), PanelSize.height(), frames, panel.samples());

    // The costliest structure and polyhedron scene in the default state.
    SceneId worstStructure = SceneId::RockSalt, worstPolyhedron = SceneId::Cube;
    double structureMs = -1, polyhedronMs = -1, defaultMax = 0;
    for (const SceneEntry& e : sceneRegistry()) {
        const double ms = frameTime(panel, sceneInputs(e.id), std::max(3, frames / 4));
        defaultMax = std::max(defaultMax, ms);
        const bool polyhedron = index(e.id) < index(SceneId::RockSalt);
        double& worst = polyhedron ? polyhedronMs : structureMs;
        if (ms > worst) {
            worst = ms;
            (polyhedron ? worstPolyhedron : worstStructure) = e.id;
        }
    }
    std::printf("slowest scene in the default state: %.2f ms (the frame interval is 50 ms)\n", defaultMax);

    FrameInputs axes;
    axes.axisOX = axes.axisOZ = axes.axisOY = true;
    const struct {
        std::string name;
        FrameInputs in;
    } cases[] = {{std::string("structure: ") + sceneRegistry()[index(worstStructure)].name, sceneInputs(worstStructure)},
                 {std::string("polyhedron: ") + sceneRegistry()[index(worstPolyhedron)].name, sceneInputs(worstPolyhedron)},
                 {"three auxiliary axes", axes}};
    std::printf("%-30s %9s %9s %9s %9s\n", "case", "default", "shaded", "smooth", "both");
    for (const auto& c : cases) {
        double ms[4];
        for (int option = 0; option < 4; ++option) {
            FrameInputs in = c.in;
            in.shaded = option & 1;
            in.smooth = option & 2;
            ms[option] = frameTime(panel, in, frames);
        }
        std::printf("%-30s %9.2f %9.2f %9.2f %9.2f\n", c.name.c_str(), ms[0], ms[1], ms[2], ms[3]);
    }

    // The largest picture: drawn in tiles, then written in each format.
    QTemporaryDir dir;
    std::printf("\nsaving an 8192x8192 picture of %s (ms)\n", sceneRegistry()[index(worstStructure)].name);
    std::printf("%-14s %9s %9s %9s %9s\n", "options", "draw", "PNG", "BMP", "JPEG");
    for (int option : {0, 3}) {
        FrameInputs in = sceneInputs(worstStructure);
        in.shaded = option & 1;
        in.smooth = option & 2;
        auto t0 = Clock::now();
        QImage picture;
        {
            OffscreenRenderer renderer(QSize(MaxPictureSide, MaxPictureSide), in.smooth ? SmoothSamples : 0);
            ViewState view;
            renderer.drawFrame(in, view);
            picture = renderer.image();
        }
        const double draw = msSince(t0);
        double write[3];
        const int filters[3] = {4, 3, 1};
        for (int i = 0; i < 3; ++i) {
            t0 = Clock::now();
            QString error;
            if (!SavePictureForFilter(picture, dir.filePath(QStringLiteral("large%1").arg(i)), filters[i], &error))
                std::fprintf(stderr, "%s\n", qPrintable(error));
            write[i] = msSince(t0);
        }
        std::printf("%-14s %9.0f %9.0f %9.0f %9.0f\n", option ? "shaded+smooth" : "default", draw, write[0], write[1],
                    write[2]);
    }
}

} // namespace vestrel::bench
