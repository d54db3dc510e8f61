// SPDX-License-Identifier: MIT
// The menu entry, the AppStream metadata and the icon: the validators accept
// the files, and the icon shows the crystal cell at every size.
#include "tools/icon/app_icon.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct ToolResult {
    int exitCode = -1;
    QString output;
};

ToolResult RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ToolResult result;
    if (!process.waitForFinished(60000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromUtf8(process.readAll());
    return result;
}

QString IconFile(const QString& size, const QString& extension)
{
    return QStringLiteral(VESTREL_ICON_DIR "/hicolor/%1/apps/io.github.vestrel.Vestrel.%2").arg(size, extension);
}

// The colours of the icon's atoms, and where they are on the 256 canvas.
bool Greenish(QColor c) { return c.green() > c.red() + 40 && c.green() > c.blue() + 40; }
bool Violet(QColor c) { return c.blue() > c.green() + 40 && c.red() > c.green(); }

} // namespace

TEST(DesktopFiles, MenuEntryPassesDesktopFileValidate)
{
    const ToolResult result = RunTool(QStringLiteral("desktop-file-validate"), {QStringLiteral(VESTREL_DESKTOP_FILE)});
    EXPECT_EQ(result.exitCode, 0) << result.output.toStdString();
    // Hints are advice (this one says that Chemistry and Physics are two
    // main categories, as the menu entry means them to be); warnings and
    // errors are not allowed.
    EXPECT_FALSE(result.output.contains(QStringLiteral("error:"))) << result.output.toStdString();
    EXPECT_FALSE(result.output.contains(QStringLiteral("warning:"))) << result.output.toStdString();
}

TEST(DesktopFiles, MetadataPassesAppstreamValidate)
{
    const ToolResult result = RunTool(QStringLiteral("appstreamcli"),
                              {QStringLiteral("validate"), QStringLiteral("--no-net"), QStringLiteral(VESTREL_METAINFO_FILE)});
    EXPECT_EQ(result.exitCode, 0) << result.output.toStdString();
}

TEST(DesktopFiles, MenuEntryNamesTheProgramInBothLanguages)
{
    QSettings entry(QStringLiteral(VESTREL_DESKTOP_FILE), QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    EXPECT_EQ(entry.value(QStringLiteral("Name")).toString(), QStringLiteral("Vestrel"));
    EXPECT_EQ(entry.value(QStringLiteral("Name[ru]")).toString(), QStringLiteral("Вестрел"));
    EXPECT_EQ(entry.value(QStringLiteral("Exec")).toString(), QStringLiteral("vestrel"));
    EXPECT_EQ(entry.value(QStringLiteral("Icon")).toString(), QStringLiteral("io.github.vestrel.Vestrel"));
    EXPECT_TRUE(QFile::exists(IconFile(QStringLiteral("scalable"), QStringLiteral("svg"))));
    for (const char* key : {"Comment", "Comment[ru]", "Keywords", "Keywords[ru]"})
        EXPECT_FALSE(entry.value(QLatin1String(key)).toString().isEmpty()) << key;
}

TEST(DesktopFiles, MetadataNamesTheReleaseAndTheLicence)
{
    QFile file(QStringLiteral(VESTREL_METAINFO_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString release, licence;
    int summaries = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("release"))
            release = xml.attributes().value(QLatin1String("version")).toString();
        else if (xml.name() == QLatin1String("project_license"))
            licence = xml.readElementText();
        else if (xml.name() == QLatin1String("summary"))
            ++summaries;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(release, QStringLiteral("1.1"));
    EXPECT_EQ(licence, QStringLiteral("MIT"));
    EXPECT_EQ(summaries, 2); // English and Russian
}

TEST(Icon, EverySizeShowsTheCellOnItsPlate)
{
    for (const int size : {48, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon(IconFile(QStringLiteral("%1x%1").arg(size), QStringLiteral("png")));
        ASSERT_EQ(icon.size(), QSize(size, size));
        const auto at = [&](double x, double y) {
            return icon.pixelColor(static_cast<int>(x * size / 256), static_cast<int>(y * size / 256));
        };
        EXPECT_EQ(at(1, 1).alpha(), 0) << "transparent outside the plate";
        EXPECT_EQ(at(128, 20).alpha(), 255);
        EXPECT_TRUE(Greenish(at(58, 202))) << at(58, 202).name().toStdString();  // front lower left
        EXPECT_TRUE(Violet(at(162, 202))) << at(162, 202).name().toStdString(); // front lower right
        const QColor centre = at(152, 130);
        EXPECT_GT(centre.red(), centre.blue() + 60) << centre.name().toStdString(); // the gold atom
    }
}

TEST(Icon, SvgHoldsTheSameShapes)
{
    QFile file(IconFile(QStringLiteral("scalable"), QStringLiteral("svg")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int circles = 0, lines = 0;
    QString viewBox;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("svg"))
            viewBox = xml.attributes().value(QLatin1String("viewBox")).toString();
        circles += xml.name() == QLatin1String("circle");
        lines += xml.name() == QLatin1String("line");
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(viewBox, QStringLiteral("0 0 256 256"));
    int atoms = 0, edges = 0;
    for (const auto& shape : vestrel::icon::IconShapes()) {
        atoms += shape.kind == vestrel::icon::Shape::Kind::Atom;
        edges += shape.kind == vestrel::icon::Shape::Kind::Edge;
    }
    EXPECT_EQ(atoms, 9);
    EXPECT_EQ(edges, 12);
    EXPECT_EQ(circles, atoms);
    EXPECT_EQ(lines, edges);
}
