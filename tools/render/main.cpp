// SPDX-License-Identifier: MIT
// vestrel-render: draws frames of the real frame routine with the real scene
// blocks into a PNG file, without the main window.
#include "tools/render/offscreen_renderer.h"
#include "tools/render/render_options.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace {

char watchdogMessage[96];

// Runs in the signal handler: only async-signal-safe calls.
extern "C" void giveUp(int)
{
    const ssize_t ignored = ::write(STDERR_FILENO, watchdogMessage, std::strlen(watchdogMessage));
    (void)ignored;
    ::_exit(3);
}

// A tool that a test suite calls must never hang, whatever hangs inside it
// (a driver, a sanitizer at exit): past the limit it exits with code 3.
void armWatchdog(int seconds)
{
    std::snprintf(watchdogMessage, sizeof watchdogMessage,
                  "vestrel-render: gave up after %d s (--time-limit)\n", seconds);
    std::signal(SIGALRM, giveUp);
    ::alarm(static_cast<unsigned>(seconds));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    QString error;
    const auto options = vestrel::ParseRenderOptions(app.arguments().mid(1), &error);
    if (!options) {
        err << "vestrel-render: " << error << "\n" << vestrel::RenderUsage() << "\n";
        return 2;
    }
    armWatchdog(options->timeLimit);
    vestrel::OffscreenRenderer renderer(options->size);
    if (!renderer.isValid()) {
        err << "vestrel-render: no OpenGL context could be made\n";
        return 1;
    }
    vestrel::ViewState view = options->view;
    for (int i = 0; i < options->frames; ++i)
        renderer.drawFrame(options->inputs, view);
    // The picture is complete or not there at all.
    QSaveFile file(options->out);
    if (!file.open(QIODevice::WriteOnly) || !renderer.image().save(&file, "PNG") || !file.commit()) {
        err << "vestrel-render: cannot write " << options->out << ": " << file.errorString() << "\n";
        return 1;
    }
    return 0;
}
