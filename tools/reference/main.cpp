// SPDX-License-Identifier: MIT
// vestrel-make-reference: draws the pictures of the reference and legend
// windows and writes them as JPEG files under the Data folder it is given:
// every picture in Russian, and those with words on them in English too.
#include "logic/pictures/jpeg_codec.h"
#include "logic/pictures/localised_picture.h"
#include "tools/reference/picture_texts.h"
#include "tools/reference/reference_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

constexpr int Quality = 92;

using vestrel::reference::PictureTexts;

struct Output {
    const char* path;   // relative to the language's folder under Data
    QImage (*draw)(const PictureTexts&);
    bool lettered;      // has words on it, so is drawn in every language
};

constexpr Output Outputs[] = {
    {"Reference/Classes32.jpg", vestrel::reference::DrawClassesTable, true},
    {"Reference/Bravais.jpg", vestrel::reference::DrawBravaisLattices, true},
    {"Reference/CubicForms.jpg", vestrel::reference::DrawCubicForms, true},
    {"Reference/Packings.jpg", vestrel::reference::DrawClosestPackings, true},
    {"Reference/Wulff.jpg", [](const PictureTexts&) { return vestrel::reference::DrawWulffNet(); }, false},
    {"Legend/Atoms.jpg", [](const PictureTexts&) { return vestrel::reference::DrawAtomLegend(); }, false},
};

bool Write(const QDir& data, const Output& output, const PictureTexts& texts, QTextStream& err)
{
    const QString path = data.filePath(vestrel::PictureLanguageFolder(texts.language) + QString::fromUtf8(output.path));
    if (!QDir().mkpath(QFileInfo(path).path())) {
        err << "vestrel-make-reference: cannot create the folder of " << path << "\n";
        return false;
    }
    QString error;
    if (!vestrel::SaveJpeg(output.draw(texts), path, Quality, &error)) {
        err << "vestrel-make-reference: " << error << "\n";
        return false;
    }
    return true;
}

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
    for (const PictureTexts* texts : {&vestrel::reference::RussianTexts, &vestrel::reference::EnglishTexts})
        for (const Output& output : Outputs)
            if ((output.lettered || texts->language == vestrel::Language::Russian) && !Write(data, output, *texts, err))
                return 1;
    return 0;
}
