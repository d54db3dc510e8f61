// SPDX-License-Identifier: MIT
// vestrel-render's structure tools: the picked atom's line, the measured
// line, and a dump that names atoms, polyhedra and planes.
#include "frame/projection.h"
#include "logic/cif/structure_tools.h"
#include "render/camera.h"
#include "tests/support/render_tool.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

#include <cmath>
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

int ColourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// The picked atom's halo lies over its ball without hiding it: at the ball's
// centre the picture stays nearer the atom's own colour than the halo's,
// and just outside the ball the halo shows.
TEST(StructureToolsRender, PickedAtomKeepsItsColourInsideItsHalo)
{
    constexpr int Width = 900, Height = 750;
    cif::LoadedStructure s;
    ASSERT_TRUE(s.load(Rutile.toStdString(), 1).ok);
    const ViewState view; // the tool's start view
    // A large ball in front at its own centre.
    int atom = -1;
    PanelPoint centre{};
    double pixelRadius = 0;
    for (int i = 0; i < static_cast<int>(s.block().atoms.size()) && atom < 0; ++i) {
        const Vec3 model = cif::AtomInModel(s, i);
        const PanelPoint p = ProjectToPanel(view, model, Width, Height);
        const double depth = -ModelToEye(view, model).z;
        const double r = cif::AtomBallRadius(s, i) * GlobalScale / ViewPerspective.halfHeightAt(depth) * Height / 2;
        if (r >= 12 && cif::PickAtom(s, view, Width, Height, p.x, p.y) == i)
            atom = i, centre = p, pixelRadius = r;
    }
    ASSERT_GE(atom, 0);
    const QString at = QString::number(std::lround(centre.x)) + u',' + QString::number(std::lround(centre.y));
    const QImage plain = test::RenderWithTool({QStringLiteral("--cif"), Rutile});
    const QImage picked = test::RenderWithTool({QStringLiteral("--cif"), Rutile, QStringLiteral("--pick"), at});
    ASSERT_FALSE(plain.isNull());
    ASSERT_FALSE(picked.isNull());

    cif::ToolRequest request;
    request.picked = {atom};
    const QRgb halo = test::ScreenColour(cif::MakeOverlay(s, request).halos.at(0).colour);
    const int x = static_cast<int>(std::lround(centre.x)), y = static_cast<int>(std::lround(centre.y));
    const QRgb own = plain.pixel(x, y), seen = picked.pixel(x, y);
    EXPECT_LT(ColourDistance(seen, own), ColourDistance(seen, halo))
        << "the atom shows " << qRed(seen) << " " << qGreen(seen) << " " << qBlue(seen) << "; its colour is "
        << qRed(own) << " " << qGreen(own) << " " << qBlue(own);

    int ringChanged = 0;
    for (int k = 0; k < 8; ++k) {
        const double t = k * M_PI / 4;
        const int rx = static_cast<int>(std::lround(centre.x + 1.17 * pixelRadius * std::cos(t)));
        const int ry = static_cast<int>(std::lround(centre.y + 1.17 * pixelRadius * std::sin(t)));
        ringChanged += ColourDistance(plain.pixel(rx, ry), picked.pixel(rx, ry)) >= 60;
    }
    EXPECT_GE(ringChanged, 2) << "the halo shows around the ball";
}

} // namespace
} // namespace vestrel
