// SPDX-License-Identifier: MIT
// Structures read from CIF files: load times and frames per second while the
// structure turns, at 900 x 750, beside built-in scenes, and the neighbour
// searches alone. Not a test: it prints tables.
//   xvfb-run -a build/vestrel-cif-bench [frames-per-case]
#include "frame/frame.h"
#include "logic/cif/cif_reader.h"
#include "logic/cif/crystal_analysis.h"
#include "logic/cif/loaded_structure.h"
#include "logic/cif/neighbours.h"
#include "logic/cif/structure_tools.h"
#include "render/gl_draw.h"
#include "scenes/scene_registry.h"
#include "tools/render/offscreen_renderer.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <GL/gl.h>

#include <algorithm>
#include <ctime>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace vestrel;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0) { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); }

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Balls one by one through GLU, as the built-in scenes draw theirs: every
// call goes to GlDraw except balls(), which takes the drawing layer's plain
// version (colour, translate, sphere per ball).
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
    void multMatrix(const vestrel::Mat4& m) override { gl_.multMatrix(m); }
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

// The processor time of the whole process, all threads (the renderer's
// among them), in milliseconds: unlike the time on the clock it does not
// grow when other programs share the processor.
double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double lastCpuMs = 0; // per frame, of the last frameTime call

// Milliseconds per frame while the structure turns (automatic rotation on),
// each frame drawn and finished. Every frame goes through the renderer's
// picture set-up (its framebuffer bound, the viewport and camera set), as
// vestrel-bench and vestrel-render draw theirs: drawing on the bare context
// would reach no framebuffer at all and time nothing.
double frameTime(OffscreenRenderer& renderer, const std::function<void(ViewState&)>& draw, int distance, int frames)
{
    ViewState view;
    view.Distance = distance;
    draw(view);
    renderer.finish();
    std::vector<double> ms, cpu;
    for (int i = 0; i < frames; ++i) {
        const auto t0 = Clock::now();
        const double c0 = processCpuMs();
        draw(view);
        renderer.finish();
        ms.push_back(msSince(t0));
        cpu.push_back(processCpuMs() - c0);
    }
    lastCpuMs = median(cpu);
    return median(ms);
}

double frameTime(OffscreenRenderer& renderer, const FrameInputs& inputs, int distance, int frames)
{
    return frameTime(renderer, [&](ViewState& v) { renderer.drawFrame(inputs, v); }, distance, frames);
}

double oneByOneTime(OffscreenRenderer& renderer, Draw& oneByOne, const FrameInputs& inputs, int distance, int frames)
{
    return frameTime(
        renderer, [&](ViewState& v) { renderer.drawPicture([&] { DrawFrame(oneByOne, inputs, v); }); }, distance,
        frames);
}

struct Loaded {
    cif::LoadedStructure structure;
    double loadMs = 0;
};

Loaded load(const std::string& path, int cells)
{
    Loaded out;
    std::vector<double> ms;
    for (int i = 0; i < 5; ++i) {
        cif::LoadedStructure s;
        const auto t0 = Clock::now();
        const auto result = s.load(path, cells);
        ms.push_back(msSince(t0));
        if (!result.ok) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), result.message.c_str());
            std::exit(1);
        }
        out.structure = std::move(s);
    }
    out.loadMs = median(ms);
    return out;
}

void row(const char* name, std::size_t atoms, double loadMs, double ms60, double cpu60, double ms150, double cpu150,
         double oneByOne60)
{
    const auto fps = [](double ms) { return ms > 0 ? 1000.0 / ms : 0.0; };
    std::printf("%-38s %6zu %7.1f %7.1f %5.1f %6.1f %7.1f %5.1f %6.1f", name, atoms, loadMs, ms60, fps(ms60), cpu60,
                ms150, fps(ms150), cpu150);
    if (oneByOne60 > 0)
        std::printf(" %10.1f %6.1f", oneByOne60, fps(oneByOne60));
    std::printf("\n");
}

// A file of the largest size read: a P1 cell listing many atoms.
std::string writeLargestFile(const QTemporaryDir& dir)
{
    const std::string path = dir.filePath("largest.cif").toStdString();
    std::ofstream out(path);
    out << "data_large\n_cell_length_a 200\n_cell_length_b 200\n_cell_length_c 200\n"
           "_cell_angle_alpha 90\n_cell_angle_beta 90\n_cell_angle_gamma 90\n"
           "_symmetry_space_group_name_H-M 'P 1'\nloop_\n_atom_site_label\n_atom_site_type_symbol\n"
           "_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n_atom_site_occupancy\n";
    std::size_t written = 400;
    for (int i = 0; written < cif::MaxCifFileBytes - 100; ++i) {
        char line[128];
        const int n = std::snprintf(line, sizeof line, "O%d O %.5f %.5f %.5f 1.0\n", i, (i % 97) / 97.0,
                                    (i / 97 % 97) / 97.0, (i / 9409 % 97) / 97.0);
        out << line;
        written += static_cast<std::size_t>(n);
    }
    return path;
}

// A P1 cell of 19,208 atoms: 14 x 14 x 49 cubes of caesium chloride's
// arrangement (a = 4 Å), each atom listed.
std::string writeP1File(const QTemporaryDir& dir)
{
    const std::string path = dir.filePath("p1.cif").toStdString();
    std::ofstream out(path);
    constexpr int Nx = 14, Ny = 14, Nz = 49;
    out << "data_p1\n_cell_length_a " << 4 * Nx << "\n_cell_length_b " << 4 * Ny << "\n_cell_length_c " << 4 * Nz
        << "\n_cell_angle_alpha 90\n_cell_angle_beta 90\n_cell_angle_gamma 90\n"
           "_symmetry_space_group_name_H-M 'P 1'\nloop_\n_atom_site_label\n_atom_site_type_symbol\n"
           "_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n";
    int n = 0;
    for (int i = 0; i < Nx; ++i)
        for (int j = 0; j < Ny; ++j)
            for (int k = 0; k < Nz; ++k) {
                char line[160];
                std::snprintf(line, sizeof line, "Cs%d Cs %.6f %.6f %.6f\nCl%d Cl %.6f %.6f %.6f\n", n, double(i) / Nx,
                              double(j) / Ny, double(k) / Nz, n, (i + 0.5) / Nx, (j + 0.5) / Ny, (k + 0.5) / Nz);
                out << line;
                ++n;
            }
    return path;
}

// The structure tools: a click's picking over a large block, and frames
// with the coordination polyhedra on.
void structureTools(OffscreenRenderer& renderer, const std::string& data, int frames)
{
    std::printf("\nstructure tools\n");
    Loaded spinel = load(data + "spinel.cif", 4);
    const cif::LoadedStructure& s = spinel.structure;
    std::vector<double> ms;
    int found = 0;
    for (int i = 0; i < 21; ++i) {
        const auto t0 = Clock::now();
        found += cif::PickAtom(s, ViewState{}, 900, 750, 300 + 15 * i, 250 + 10 * i) >= 0 ? 1 : 0;
        ms.push_back(msSince(t0));
    }
    std::printf("%-38s %6zu pick %.2f ms (median of 21 clicks, %d on an atom)\n", "spinel 4x4x4", s.block().atoms.size(),
                median(ms), found);
    Loaded small = load(data + "spinel.cif", 2);
    cif::ToolRequest request;
    request.polyhedra = true;
    const auto t0 = Clock::now();
    const structures::StructureOverlay overlay = cif::MakeOverlay(small.structure, request);
    const double buildMs = msSince(t0);
    FrameInputs in;
    in.autoRotate = true;
    in.loadedStructure = &small.structure.sceneData();
    in.structureOverlay = &overlay;
    const double ms60 = frameTime(renderer, in, 60, frames), cpu60 = lastCpuMs;
    const double ms150 = frameTime(renderer, in, 150, frames), cpu150 = lastCpuMs;
    row("spinel 2x2x2, polyhedra on", small.structure.block().atoms.size(), buildMs, ms60, cpu60, ms150, cpu150, 0);
    std::printf("(polyhedra: %zu faces; the load column is the time to build them)\n", overlay.polyhedronFaces.size());
}

// The neighbour searches alone, without drawing: the coordination numbers
// (the periodic search at the longest bond) and the bonds of a block (the
// search over its points).
void neighbourSearches(const std::vector<std::pair<std::string, cif::LoadedStructure*>>& cases)
{
    std::printf("\nneighbour searches (median of 7, ms)\n%-38s %6s %12s %6s %12s\n", "case", "atoms", "coordination",
                "block", "block bonds");
    for (const auto& [name, s] : cases) {
        std::vector<double> periodic, pairs;
        std::vector<Vec3> points;
        for (const cif::BlockAtom& a : s->block().atoms)
            points.push_back(a.position);
        std::size_t bonds = 0;
        for (int i = 0; i < 7; ++i) {
            auto t0 = Clock::now();
            cif::CoordinationNumbers(s->crystal());
            periodic.push_back(msSince(t0));
            t0 = Clock::now();
            bonds = 0;
            cif::ForEachClosePair(points, 3.0, [&](std::size_t, std::size_t, double) { ++bonds; });
            pairs.push_back(msSince(t0));
        }
        std::printf("%-38s %6zu %12.2f %6zu %12.2f\n", name.c_str(), s->crystal().atoms.size(), median(periodic),
                    points.size(), median(pairs));
    }
    std::printf("(block bonds: every pair of the block's atoms closer than 3 Å)\n");
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const int frames = argc > 1 ? std::max(5, std::atoi(argv[1])) : 30;
    const std::string data = std::string(VESTREL_SOURCE_DIR) + "/tests/cif/data/";

    OffscreenRenderer renderer(QSize(900, 750));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "no OpenGL context\n");
        return 1;
    }
    GlDraw gl; // the renderer's context is current
    OneByOne oneByOne(gl);

    std::printf("frame time while turning, 900 x 750, median of %d frames (ms and frames per second)\n", frames);
    std::printf("%-38s %6s %7s %7s %5s %6s %7s %5s %6s %10s %6s\n", "case", "atoms", "load", "d=60", "fps", "cpu",
                "d=150", "fps", "cpu", "1-by-1", "fps");

    for (const char* name : {"rock salt", "calcite", "rutile", "chalcopyrite"}) {
        for (const SceneEntry& scene : sceneRegistry()) {
            if (std::string(scene.name) != name)
                continue;
            FrameInputs in;
            in.autoRotate = true;
            in.scenes[index(scene.id)] = true;
            const std::string label = std::string("built-in ") + name;
            const double ms60 = frameTime(renderer, in, 60, frames), cpu60 = lastCpuMs;
            const double ms150 = frameTime(renderer, in, 150, frames), cpu150 = lastCpuMs;
            row(label.c_str(), 0, 0, ms60, cpu60, ms150, cpu150, 0);
        }
    }

    struct Case {
        const char* label;
        const char* file;
        int cells;
        bool oneByOne;
    };
    const Case cases[] = {
        {"rock salt 1x1x1", "rock_salt.cif", 1, true},
        {"calcite 2x2x2", "calcite.cif", 2, true},
        {"spinel 1x1x1", "spinel.cif", 1, true},
        {"spinel 4x4x4", "spinel.cif", 4, true},
        {"spinel 7x7x7 (about 20,000)", "spinel.cif", 7, false},
    };
    for (const Case& c : cases) {
        Loaded l = load(data + c.file, c.cells);
        FrameInputs in;
        in.autoRotate = true;
        in.loadedStructure = &l.structure.sceneData();
        const double ms60 = frameTime(renderer, in, 60, frames), cpu60 = lastCpuMs;
        const double ms150 = frameTime(renderer, in, 150, frames), cpu150 = lastCpuMs;
        const double single = c.oneByOne ? oneByOneTime(renderer, oneByOne, in, 60, std::max(3, frames / 5)) : 0;
        row(c.label, l.structure.block().atoms.size(), l.loadMs, ms60, cpu60, ms150, cpu150, single);
        in.display.showLines = false;
        const std::string unlined = std::string(c.label) + ", lines off";
        const double u60 = frameTime(renderer, in, 60, frames), ucpu60 = lastCpuMs;
        const double u150 = frameTime(renderer, in, 150, frames), ucpu150 = lastCpuMs;
        row(unlined.c_str(), l.structure.block().atoms.size(), l.loadMs, u60, ucpu60, u150, ucpu150, 0);
    }
    std::printf("(ms per frame on the clock, frames per second, and cpu: processor ms per frame of all threads;\n"
                " d: the distance; 1-by-1: the same balls each drawn by its own gluSphere, as the built-in\n"
                " scenes draw theirs)\n");
    std::printf("(spinel 4x4x4: %d atoms in 64 cells without the repeats on the block's faces)\n", 56 * 64);

    structureTools(renderer, data, frames);

    QTemporaryDir dir;
    {
        Loaded p1 = load(writeP1File(dir), 1);
        FrameInputs in;
        in.autoRotate = true;
        in.loadedStructure = &p1.structure.sceneData();
        const double ms60 = frameTime(renderer, in, 60, frames), cpu60 = lastCpuMs;
        const double ms150 = frameTime(renderer, in, 150, frames), cpu150 = lastCpuMs;
        row("P1 cell, one atom a line", p1.structure.block().atoms.size(), p1.loadMs, ms60, cpu60, ms150, cpu150, 0);
        Loaded spinel = load(data + "spinel.cif", 7);
        neighbourSearches({{"spinel, block 7x7x7", &spinel.structure}, {"P1 cell, one atom a line", &p1.structure}});
    }
    const std::string largest = writeLargestFile(dir);
    cif::LoadedStructure s;
    const auto t0 = Clock::now();
    const auto result = s.load(largest, 1);
    std::printf("\nlargest file read (%.1f MB, %s): %.0f ms; %s\n", double(cif::MaxCifFileBytes) / (1024 * 1024),
                "P1, one atom a line", msSince(t0), result.ok ? "loaded" : result.message.c_str());
    return 0;
}
