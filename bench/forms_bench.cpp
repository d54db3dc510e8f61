// SPDX-License-Identifier: MIT
// Crystal classes and forms: how long building a form or a combination
// takes, and how long a frame of the general form of m-3m with every element
// shown takes to draw. Not a test: it prints a table.
//   xvfb-run -a build/vestrel-forms-bench [frames]
#include "logic/morphology/crystal_forms.h"
#include "tools/render/offscreen_renderer.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace vestrel;
using Clock = std::chrono::steady_clock;

namespace {

struct Figures {
    std::size_t count = 0;
    double median = 0, p95 = 0, max = 0;
};

Figures Summarise(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) { return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * ms.size()))]; };
    return {ms.size(), at(0.5), at(0.95), ms.back()};
}

// The best of five builds: the cost of the case itself, without the other
// work the machine happens to do at the time.
double TimeBuild(const morphology::Combination& c)
{
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        const morphology::BuiltCrystal built = c.build();
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (built.scene.faces.empty())
            std::fprintf(stderr, "class %d: nothing built\n", c.classNumber());
    }
    return best;
}

// Every form each class offers alone, and every pair and the triples of the
// general form with two others, each form at its own distance.
void BenchBuilds()
{
    std::vector<double> single, combined;
    for (int n = 1; n <= morphology::ClassCount; ++n) {
        const auto forms = morphology::FormsOfClass(n);
        for (const auto& f : forms) {
            morphology::Combination c(n);
            c.addForm(f.face);
            single.push_back(TimeBuild(c));
        }
        for (std::size_t i = 0; i < forms.size(); ++i)
            for (std::size_t j = i + 1; j < forms.size(); ++j) {
                morphology::Combination c(n);
                c.addForm(forms[i].face, 1);
                c.addForm(forms[j].face, 1.2);
                combined.push_back(TimeBuild(c));
                if (j + 1 < forms.size()) {
                    c.addForm(forms.back().face, 1.4);
                    combined.push_back(TimeBuild(c));
                }
            }
    }
    const Figures s = Summarise(single), c = Summarise(combined);
    std::printf("%-40s %6s %10s %10s %10s\n", "build, best of 5 (target < 10 ms)", "count", "median ms", "p95 ms", "max ms");
    std::printf("%-40s %6zu %10.3f %10.3f %10.3f\n", "one form, every class", s.count, s.median, s.p95, s.max);
    std::printf("%-40s %6zu %10.3f %10.3f %10.3f\n", "two or three forms, every class", c.count, c.median, c.p95, c.max);
}

void BenchFrames(int frames)
{
    morphology::Combination c(32);
    c.addForm({3, 2, 1});
    const morphology::BuiltCrystal built = c.build();
    FrameInputs in;
    in.crystalForm = &built.scene;
    in.display.showSymAxes = true;
    in.display.showSymPlanes = true;
    in.display.showFaceSymbols = true;
    OffscreenRenderer renderer(QSize(900, 750));
    if (!renderer.isValid()) {
        std::printf("no OpenGL context: frame figures left out\n");
        return;
    }
    ViewState view;
    std::vector<double> ms;
    for (int i = 0; i < frames; ++i) {
        const auto start = Clock::now();
        renderer.drawFrame(in, view);
        renderer.finish();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    const Figures f = Summarise(ms);
    std::printf("%-40s %6s %10s %10s %10s\n", "frame 900x750 (interval 50 ms)", "frames", "median ms", "p95 ms", "max ms");
    std::printf("%-40s %6zu %10.3f %10.3f %10.3f\n", "m-3m {321}, axes, planes, symbols", f.count, f.median, f.p95,
                f.max);
}

} // namespace

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    BenchBuilds();
    QGuiApplication app(argc, argv);
    BenchFrames(frames);
    return 0;
}
