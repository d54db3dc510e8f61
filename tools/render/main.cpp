// SPDX-License-Identifier: MIT
// vestrel-render: draws frames of the real frame routine with the real scene
// blocks into a PNG file, or writes what the last frame draws as JSON,
// without the main window.
#include "app/interface_language.h"
#include "logic/cif/loaded_structure.h"
#include "logic/diffraction/powder_job.h"
#include "logic/diffraction/powder_text.h"
#include "logic/data_location.h"
#include "logic/export/model_export.h"
#include "logic/library/structure_library.h"
#include "tools/render/frame_dump.h"
#include "tools/render/structure_tools_cli.h"
#include "tools/render/offscreen_renderer.h"
#include "tools/render/render_options.h"
#include "tools/render/stereogram_output.h"
#include "render/offscreen/picture_renderer.h"

#include <cstdio>

#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
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

// The table of the structure's powder pattern on standard output.
int printPowderPattern(const vestrel::RenderOptions& options)
{
    const vestrel::diffraction::PowderSettings settings{options.wavelength, options.twoThetaFrom, options.twoThetaTo};
    const auto result = vestrel::diffraction::RunPowder(nullptr, options.cif.toStdString(), settings);
    if (!result.pattern.ok) {
        std::fprintf(stderr, "%s\n", result.pattern.message.c_str());
        return 2;
    }
    const std::string table = vestrel::diffraction::TableTsv(result.pattern.lines);
    std::fwrite(table.data(), 1, table.size(), stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The arguments are read before the application object exists, so that
    // --describe needs no display.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QTextStream err(stderr);
    // --lang ru|en: the texts the tool prints, in that language (Russian by
    // default); read first, since the options build the crystal's memo.
    if (const qsizetype at = args.indexOf(QStringLiteral("--lang")); at >= 0) {
        const auto language = vestrel::LanguageFromCode(args.value(at + 1).toStdString());
        if (!language) {
            err << "vestrel-render: --lang takes ru or en\n";
            return 2;
        }
        vestrel::UseLanguageWithoutApplication(*language);
        args.remove(at, 2);
    }
    QString error;
    auto options = vestrel::ParseRenderOptions(args, &error);
    if (!options) {
        err << "vestrel-render: " << error << "\n" << vestrel::RenderUsage() << "\n";
        return 2;
    }
    armWatchdog(options->timeLimit);
    if (options->crystal && options->describe) {
        std::string text;
        for (const std::string& line : options->crystal->memo)
            text += line + "\n";
        if (!options->crystal->status.empty())
            text += options->crystal->status + "\n";
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    }
    if (options->library) {
        // Found as the program finds it: beside the executable, then installed.
        const QString exeDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
        const QString folder = vestrel::LocateStructureLibrary(exeDir);
        if (folder.isEmpty()) {
            err << "vestrel-render: no structure library (structures/) beside " << exeDir << " or installed\n";
            return 1;
        }
        vestrel::library::StructureLibrary library;
        library.load(folder);
        QTextStream(stdout) << vestrel::library::LibraryListing(library);
        return 0;
    }
    // A structure file: read it first, so that a bad file costs no context.
    vestrel::cif::LoadedStructure structure;
    vestrel::StructureToolsRun tools;
    if (!options->cif.isEmpty()) {
        const auto result = structure.load(options->cif.toStdString(), options->cells);
        if (!result.ok) {
            std::fprintf(stderr, "%s\n", result.message.c_str());
            return 2;
        }
        if (options->powder)
            return printPowderPattern(*options);
        if (options->describe) {
            const std::string text = structure.memoText() + vestrel::DescribeStructureTools(*options, structure);
            std::fwrite(text.data(), 1, text.size(), stdout);
            return 0;
        }
        options->inputs.loadedStructure = &structure.sceneData();
        tools = vestrel::RunStructureTools(*options, structure);
        std::fwrite(tools.printed.data(), 1, tools.printed.size(), stdout);
        if (options->out.isEmpty() && options->dump.isEmpty())
            return 0;
        options->inputs.structureOverlay = &tools.overlay;
    }
    if (options->stereogram) {
        // Painting text needs the application's fonts.
        QGuiApplication app(argc, argv);
        return vestrel::WriteStereogram(*options);
    }
    if (!options->exportPath.isEmpty()) {
        // The mesh back end: no OpenGL context is needed either.
        vestrel::modelexport::ModelSettings settings;
        settings.format = *vestrel::modelexport::ModelFormatOfName(options->exportPath);
        settings.printable = options->printable;
        settings.sizeMm = options->printSize;
        const auto result = vestrel::modelexport::ExportModel(options->inputs, options->view, settings, options->exportPath);
        if (result.status != vestrel::modelexport::ModelResult::Status::Written) {
            err << "vestrel-render: " << result.message << "\n";
            return 1;
        }
        QTextStream out(stdout);
        out << "triangles " << result.triangles << "\n";
        if (settings.printable)
            out << "size_mm " << result.size.x << " " << result.size.y << " " << result.size.z << "\n"
                << "dropped_pieces " << result.droppedPieces << "\n";
        if (!result.message.isEmpty())
            err << result.message << "\n";
        if (options->out.isEmpty() && options->dump.isEmpty())
            return 0;
    }
    if (!options->dump.isEmpty()) {
        // The recording back end: no OpenGL context is needed.
        vestrel::ViewState view = options->view;
        const auto dump = vestrel::DumpFrames(options->inputs, view, options->frames);
        QSaveFile file(options->dump);
        if (!file.open(QIODevice::WriteOnly) || file.write(vestrel::FrameDumpJson(dump, options->inputs.crystalForm, options->cif.isEmpty() ? nullptr : &tools.names)) < 0 || !file.commit()) {
            err << "vestrel-render: cannot write " << options->dump << "\n";
            return 1;
        }
        if (options->out.isEmpty())
            return 0;
    }
    QGuiApplication app(argc, argv);
    vestrel::OffscreenRenderer renderer(options->size, options->inputs.smooth ? vestrel::SmoothSamples : 0);
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
