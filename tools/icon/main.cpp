// SPDX-License-Identifier: MIT
// vestrel-make-icon <folder>
// Writes the program's icon into the hicolor theme folders under <folder>:
// hicolor/scalable/apps/io.github.vestrel.Vestrel.svg and
// hicolor/<N>x<N>/apps/io.github.vestrel.Vestrel.png for N = 48, 128, 256.
#include "tools/icon/app_icon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

constexpr const char* IconName = "io.github.vestrel.Vestrel";

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: vestrel-make-icon <folder>\n";
        return 2;
    }
    const QDir out(args[1]);
    const QString name = QString::fromLatin1(IconName);

    const QString scalable = out.filePath(QStringLiteral("hicolor/scalable/apps"));
    QFile svg(QDir(scalable).filePath(name + QStringLiteral(".svg")));
    if (!QDir().mkpath(scalable) || !svg.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        err << "Cannot write " << svg.fileName() << "\n";
        return 1;
    }
    svg.write(vestrel::icon::IconSvg().toUtf8());
    svg.close();

    for (const int size : {48, 128, 256}) {
        const QString folder = out.filePath(QStringLiteral("hicolor/%1x%1/apps").arg(size));
        const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
        if (!QDir().mkpath(folder) || !vestrel::icon::RenderIcon(size).save(path, "PNG")) {
            err << "Cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
