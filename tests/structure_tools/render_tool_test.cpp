// SPDX-License-Identifier: MIT
// vestrel-render's structure tools: the picked atom's line, the measured
// line, and a dump that names atoms, polyhedra and planes.
#include "tests/support/render_tool.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

#include <set>

namespace vestrel {
namespace {

const QString Rutile = QStringLiteral(VESTREL_SOURCE_DIR "/structures/rutile.cif");

QString RunTool(const QStringList& args)
{
    QProcess tool;
    tool.start(QStringLiteral(VESTREL_RENDER_TOOL), args);
    EXPECT_TRUE(tool.waitForFinished(120000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

TEST(StructureToolsRender, PickMeasureAndDump)
{
    // Every sphere at an atom's centre is named; a click at a named sphere's
    // place finds an atom of that site.
    const QJsonObject dump = test::DumpWithTool({QStringLiteral("--cif"), Rutile, QStringLiteral("--cells"),
                                                 QStringLiteral("2"), QStringLiteral("--polyhedra"),
                                                 QStringLiteral("on"), QStringLiteral("--plane"),
                                                 QStringLiteral("1,1,0")});
    std::set<QString> labels, polyhedra;
    for (const auto& s : dump[QStringLiteral("spheres")].toArray())
        labels.insert(s.toObject()[QStringLiteral("label")].toString());
    EXPECT_EQ(labels, (std::set<QString>{QStringLiteral("Ti"), QStringLiteral("O")}));
    int planePolygons = 0;
    for (const auto& p : dump[QStringLiteral("polygons")].toArray()) {
        const QJsonObject o = p.toObject();
        if (o.contains(QStringLiteral("polyhedron")))
            polyhedra.insert(o[QStringLiteral("polyhedron")].toString());
        if (o[QStringLiteral("plane")].toArray() == QJsonArray{1, 1, 0})
            ++planePolygons;
    }
    EXPECT_EQ(polyhedra, std::set<QString>{QStringLiteral("Ti")});
    EXPECT_GE(planePolygons, 3);

    EXPECT_EQ(RunTool({QStringLiteral("--cif"), Rutile, QStringLiteral("--pick"), QStringLiteral("1,1")}),
              QStringLiteral("нет атома"));
    const QString described = RunTool({QStringLiteral("--cif"), Rutile, QStringLiteral("--describe"),
                                   QStringLiteral("--polyhedra"), QStringLiteral("on"), QStringLiteral("--plane"),
                                   QStringLiteral("1,1,0")});
    EXPECT_TRUE(described.endsWith(QStringLiteral("Ti: октаэдр [TiO6]\nd(1 1 0) = 3,2482 \u00C5"))) << described.toStdString();
}

} // namespace
} // namespace vestrel
