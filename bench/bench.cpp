// SPDX-License-Identifier: MIT
// Frame-time and start-up figures. Not a test: it prints a table.
//   xvfb-run -a build/vestrel-bench [frames-per-case]
#include "app/application.h"
#include "bench/picture_options.h"
#include "app/main_window.h"
#include "logic/options.h"
#include "app/gl_panel.h"
#include "render/draw.h"
#include "frame/frame.h"
#include "render/gl_draw.h"
#include "scenes/scene_registry.h"
#include "tools/render/offscreen_renderer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace vestrel;

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double median = 0;
    double p95 = 0;
};

Figures summarise(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) { return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * ms.size()))]; };
    return {at(0.5), at(0.95)};
}

long peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Every call of one frame, kept to be sent again straight to OpenGL without
// the frame routine and the drawing layer in between.
struct Call {
    enum Kind { Clear, Begin, End, Vertex, Colour, Lighting, LineWidth, Stipple, StippleOn, Identity, Push, Pop, Translate, Rotate,
                Scale, Style, Orientation, Normals, Sphere, Cylinder } kind;
    double a = 0, b = 0, c = 0, d = 0, e = 0;
};

class CallLog final : public Draw {
public:
    std::vector<Call> calls;
    void clear() override { calls.push_back({Call::Clear}); }
    void begin(Primitive m) override { calls.push_back({Call::Begin, static_cast<double>(m)}); }
    void end() override { calls.push_back({Call::End}); }
    void vertex(float x, float y, float z) override { calls.push_back({Call::Vertex, x, y, z}); }
    void colour(float r, float g, float b) override { calls.push_back({Call::Colour, r, g, b}); }
    void lighting(bool on) override { calls.push_back({Call::Lighting, on ? 1.0 : 0.0}); }
    void lineWidth(float w) override { calls.push_back({Call::LineWidth, w}); }
    void opacity(float) override {} // no built-in scene draws translucent
    void lineStipple(int f, unsigned short p) override { calls.push_back({Call::Stipple, double(f), double(p)}); }
    void lineStippleEnabled(bool on) override { calls.push_back({Call::StippleOn, on ? 1.0 : 0.0}); }
    void loadIdentity() override { calls.push_back({Call::Identity}); }
    void pushMatrix() override { calls.push_back({Call::Push}); }
    void popMatrix() override { calls.push_back({Call::Pop}); }
    void translated(double x, double y, double z) override { calls.push_back({Call::Translate, x, y, z}); }
    void translatef(float x, float y, float z) override { calls.push_back({Call::Translate, x, y, z}); }
    void rotatef(float a, float x, float y, float z) override { calls.push_back({Call::Rotate, a, x, y, z}); }
    void scaled(double x, double y, double z) override { calls.push_back({Call::Scale, x, y, z}); }
    void scalef(float x, float y, float z) override { calls.push_back({Call::Scale, x, y, z}); }
    void multMatrix(const Mat4&) override {} // only symmetry operations use it
    void quadricDrawStyle(QuadricStyle s) override { calls.push_back({Call::Style, static_cast<double>(s)}); }
    void quadricOrientation(QuadricOrientation o) override { calls.push_back({Call::Orientation, static_cast<double>(o)}); }
    void quadricNormals(QuadricNormals n) override { calls.push_back({Call::Normals, static_cast<double>(n)}); }
    void sphere(double r, int sl, int st) override { calls.push_back({Call::Sphere, r, double(sl), double(st)}); }
    void cylinder(double b, double t, double h, int sl, int st) override
    {
        calls.push_back({Call::Cylinder, b, t, h, double(sl), double(st)});
    }
};

void replay(const std::vector<Call>& calls, GLUquadric* q)
{
    static constexpr GLenum modes[] = {GL_LINES, GL_TRIANGLES, GL_QUADS, GL_POLYGON, GL_LINE_LOOP, GL_LINE_STRIP, GL_POINTS};
    static constexpr GLenum styles[] = {GLU_FILL, GLU_LINE, GLU_SILHOUETTE, GLU_POINT};
    static constexpr GLenum normals[] = {GLU_SMOOTH, GLU_FLAT, GLU_NONE};
    for (const Call& c : calls) {
        switch (c.kind) {
        case Call::Clear: glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); break;
        case Call::Begin: glBegin(modes[static_cast<int>(c.a)]); break;
        case Call::End: glEnd(); break;
        case Call::Vertex: glVertex3f(float(c.a), float(c.b), float(c.c)); break;
        case Call::Colour: glColor3f(float(c.a), float(c.b), float(c.c)); break;
        case Call::Lighting: c.a != 0 ? glEnable(GL_LIGHTING) : glDisable(GL_LIGHTING); break;
        case Call::LineWidth: glLineWidth(float(c.a)); break;
        case Call::Stipple: glLineStipple(GLint(c.a), GLushort(c.b)); break;
        case Call::StippleOn: c.a != 0 ? glEnable(GL_LINE_STIPPLE) : glDisable(GL_LINE_STIPPLE); break;
        case Call::Identity: glLoadIdentity(); break;
        case Call::Push: glPushMatrix(); break;
        case Call::Pop: glPopMatrix(); break;
        case Call::Translate: glTranslated(c.a, c.b, c.c); break;
        case Call::Rotate: glRotatef(float(c.a), float(c.b), float(c.c), float(c.d)); break;
        case Call::Scale: glScaled(c.a, c.b, c.c); break;
        case Call::Style: gluQuadricDrawStyle(q, styles[static_cast<int>(c.a)]); break;
        case Call::Orientation: gluQuadricOrientation(q, c.a != 0 ? GLU_INSIDE : GLU_OUTSIDE); break;
        case Call::Normals: gluQuadricNormals(q, normals[static_cast<int>(c.a)]); break;
        case Call::Sphere: gluSphere(q, c.a, int(c.b), int(c.c)); break;
        case Call::Cylinder: gluCylinder(q, c.a, c.b, c.c, int(c.d), int(c.e)); break;
        }
    }
}

struct Case {
    std::string name;
    FrameInputs inputs;
};

std::vector<Case> cases()
{
    std::vector<Case> list;
    list.push_back({"empty frame", FrameInputs{}});
    FrameInputs planes;
    planes.planeXZ = planes.planeYZ = planes.planeXY = true;
    list.push_back({"three planes", planes});
    FrameInputs axes;
    axes.axisOX = axes.axisOZ = axes.axisOY = true;
    list.push_back({"three axes", axes});
    for (const SceneEntry& scene : sceneRegistry()) {
        FrameInputs in;
        in.scenes[index(scene.id)] = true;
        in.display.showLines = true;
        in.display.showScrewAxes = true;
        in.display.showSymPlanes = true;
        in.display.showSymAxes = true;
        in.display.solidFaces = true;
        list.push_back({scene.name, in});
    }
    return list;
}

void measureStartUp(Clock::time_point start)
{
    Application windows(QCoreApplication::applicationDirPath() + QStringLiteral("/bin"));
    QEventLoop loop;
    double firstFrameMs = -1;
    QObject::connect(windows.mainWindow().findChild<GlPanel*>(QStringLiteral("pnl1")), &GlPanel::frameDrawn, &loop, [&] {
        if (firstFrameMs < 0) {
            firstFrameMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            loop.quit();
        }
    });
    windows.mainWindow().resize(1200, 900);
    windows.show();
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    std::printf("start-up to the first frame: %.1f ms\n", firstFrameMs);
    std::printf("peak memory after the first frame: %.1f MB\n", peakMemoryKb() / 1024.0);

    // Frames through the real window: the timer at 1 ms, counted for a second.
    int frames = 0;
    QObject::connect(windows.mainWindow().findChild<GlPanel*>(QStringLiteral("pnl1")), &GlPanel::frameDrawn, [&] { ++frames; });
    windows.mainWindow().options().set(&KeptSettings::frameInterval, 1);
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    loop.exec();
    std::printf("main window, empty view, timer at 1 ms: %d frames per second (%.1f ms per frame)\n", frames,
                frames > 0 ? 1000.0 / frames : 0.0);
}

} // namespace

int main(int argc, char** argv)
{
    const auto start = Clock::now();
    PrepareApplication();
    QApplication app(argc, argv);
    const int frames = argc > 1 ? std::max(5, std::atoi(argv[1])) : 40;
    measureStartUp(start);

    const QSize size(900, 750);
    OffscreenRenderer renderer(size);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "no OpenGL context\n");
        return 1;
    }
    GLUquadric* bare = gluNewQuadric();
    std::printf("\nframe time at %dx%d, %d frames per case (ms, drawing and glFinish)\n", size.width(), size.height(),
                frames);
    std::printf("%-22s %9s %9s %12s %12s\n", "case", "median", "p95", "bare median", "bare p95");
    for (const Case& c : cases()) {
        std::vector<double> routine, direct;
        ViewState view;
        renderer.drawFrame(c.inputs, view); // warm-up
        renderer.finish();
        for (int i = 0; i < frames; ++i) {
            ViewState v;
            const auto t0 = Clock::now();
            renderer.drawFrame(c.inputs, v);
            renderer.finish();
            routine.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        }
        CallLog log;
        ViewState v;
        DrawFrame(log, c.inputs, v);
        for (int i = 0; i < frames; ++i) {
            const auto t0 = Clock::now();
            replay(log.calls, bare);
            glFinish();
            direct.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        }
        const Figures r = summarise(routine), d = summarise(direct);
        std::printf("%-22s %9.2f %9.2f %12.2f %12.2f\n", c.name.c_str(), r.median, r.p95, d.median, d.p95);
    }
    gluDeleteQuadric(bare);
    bench::MeasurePictureOptions(frames);
    return 0;
}
