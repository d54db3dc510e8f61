// SPDX-License-Identifier: MIT
// vestrel-make-photos <Data folder> [name ...]
// Draws the crystal photographs (Nature/<name>.jpg) and the About picture
// (About/Crystal.jpg) under the Data folder. With names, draws only the
// pictures whose file name contains one of them.
#include "logic/pictures/jpeg_codec.h"
#include "tools/photos/crystal_renderer.h"
#include "tools/photos/photo_scenes.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

constexpr int kJpegQuality = 90;

bool Wanted(const QString& file, const QStringList& names)
{
    if (names.isEmpty())
        return true;
    const QString base = QFileInfo(file).completeBaseName();
    return names.contains(base);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        err << "usage: vestrel-make-photos <Data folder> [name ...]\n";
        return 2;
    }
    const QDir data(args[1]);
    const QStringList names = args.mid(2);
    for (const vestrel::photos::PhotoSpec& spec : vestrel::photos::AllPhotos()) {
        if (!Wanted(spec.file, names))
            continue;
        const QString path = data.filePath(spec.file);
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            err << "Cannot create the folder of " << path << "\n";
            return 1;
        }
        const QImage image = vestrel::photos::RenderScene(vestrel::photos::BuildScene(spec));
        QString error;
        if (!vestrel::SaveJpeg(image, path, kJpegQuality, &error)) {
            err << error << "\n";
            return 1;
        }
    }
    return 0;
}
