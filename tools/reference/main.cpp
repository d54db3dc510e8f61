// SPDX-License-Identifier: MIT
// vestrel-make-reference: draws the pictures of the reference and legend
// windows and writes them as JPEG files under the Data folder it is given.
#include "logic/pictures/jpeg_codec.h"
#include "tools/reference/reference_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

constexpr int Quality = 92;

struct Output {
    const char* path;   // relative to the Data folder
    QImage (*draw)();
};

constexpr Output Outputs[] = {
    {"Reference/Classes32.jpg", vestrel::reference::DrawClassesTable},
    {"Reference/Bravais.jpg", vestrel::reference::DrawBravaisLattices},
    {"Reference/CubicForms.jpg", vestrel::reference::DrawCubicForms},
    {"Reference/Packings.jpg", vestrel::reference::DrawClosestPackings},
    {"Reference/Wulff.jpg", vestrel::reference::DrawWulffNet},
    {"Legend/Atoms.jpg", vestrel::reference::DrawAtomLegend},
};

} // namespace

int main(int argc, char** argv)
{
    // Drawing needs no display; the build runs this tool without one.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: vestrel-make-reference <Data folder>\n";
        return 2;
    }
    const QDir data(QString::fromLocal8Bit(argv[1]));
    for (const Output& output : Outputs) {
        const QString path = data.filePath(QString::fromUtf8(output.path));
        if (!QDir().mkpath(QFileInfo(path).path())) {
            err << "vestrel-make-reference: cannot create the folder of " << path << "\n";
            return 1;
        }
        QString error;
        if (!vestrel::SaveJpeg(output.draw(), path, Quality, &error)) {
            err << "vestrel-make-reference: " << error << "\n";
            return 1;
        }
    }
    return 0;
}
