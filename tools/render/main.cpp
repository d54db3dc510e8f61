// SPDX-License-Identifier: MIT
// vestrel-render: draws frames of the real frame routine with the real scene
// blocks into a PNG file, without the main window.
#include "tools/render/offscreen_renderer.h"
#include "tools/render/render_options.h"
#include "render/offscreen/picture_renderer.h"

#include <QGuiApplication>
#include <QTextStream>

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
    vestrel::OffscreenRenderer renderer(options->size, options->inputs.smooth ? vestrel::SmoothSamples : 0);
    if (!renderer.isValid()) {
        err << "vestrel-render: no OpenGL context could be made\n";
        return 1;
    }
    vestrel::ViewState view = options->view;
    for (int i = 0; i < options->frames; ++i)
        renderer.drawFrame(options->inputs, view);
    if (!renderer.image().save(options->out, "PNG")) {
        err << "vestrel-render: cannot write " << options->out << "\n";
        return 1;
    }
    return 0;
}
