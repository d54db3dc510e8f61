// SPDX-License-Identifier: MIT
// The stereogram against the 3-D view: for the 12 polyhedra and the general
// form {321} of the 32 classes, the rendering tool's stereogram dump is
// checked against its own dump of the 3-D frame.
#include "tests/support/render_tool.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vestrel::test {
namespace {

constexpr double Pi = std::numbers::pi;
constexpr double RotY = -30, RotX = 25; // the camera of the "model" mode runs

struct Solid {
    QString name;
    QStringList args; // what builds it for the tool
};

std::vector<Solid> AllSolids()
{
    std::vector<Solid> solids;
    for (int k = 1; k <= 12; ++k)
        solids.push_back({QStringLiteral("polyhedron %1").arg(k), {"--scene", QStringLiteral("polyhedron:%1").arg(k)}});
    for (int c = 1; c <= 32; ++c) {
        const bool hexagonal = c >= 16 && c <= 27;
        solids.push_back({QStringLiteral("class %1").arg(c),
                          {"--scene", "none", "--class", QString::number(c), "--form", hexagonal ? "3,2,-5,1" : "3,2,1"}});
    }
    return solids;
}

Vec3 At(const QJsonValue& v)
{
    const QJsonArray a = v.toArray();
    return {a[0].toDouble(), a[1].toDouble(), a[2].toDouble()};
}

// The eye's rotation Ry(RotY) Rx(RotX), written out from the angles.
Vec3 ToEye(const Vec3& d)
{
    const double x = RotX * Pi / 180, y = RotY * Pi / 180;
    const Vec3 rx{d.x, std::cos(x) * d.y - std::sin(x) * d.z, std::sin(x) * d.y + std::cos(x) * d.z};
    return {std::cos(y) * rx.x + std::sin(y) * rx.z, rx.y, -std::sin(y) * rx.x + std::cos(y) * rx.z};
}

// What the 3-D frame shows, from its dump: the outward normals of the faces
// (a face fanned into triangles counted once), the axes through the centre
// with their order (by colour) and dash, the mirror planes' normals.
struct View3D {
    std::vector<Vec3> faces;
    struct Axis {
        Vec3 direction;
        int order;
        bool dashed;
    };
    std::vector<Axis> axes;
    std::vector<Vec3> mirrors;
};

void AddOnce(std::vector<Vec3>& list, const Vec3& n)
{
    if (std::none_of(list.begin(), list.end(), [&](const Vec3& m) { return dot(m, n) > 1 - 1e-6; }))
        list.push_back(n);
}

int OrderOfColour(const Vec3& c)
{
    // The settings window's start values: 2 blue, 3 green, 4 red, 6 yellow.
    if (c.x < 0.5 && c.y < 0.5 && c.z > 0.5) return 2;
    if (c.x < 0.5 && c.y > 0.5) return 3;
    if (c.x > 0.5 && c.y < 0.5) return 4;
    if (c.x > 0.5 && c.y > 0.5 && c.z < 0.5) return 6;
    return 0;
}

View3D ReadView(const QJsonObject& dump)
{
    View3D v;
    for (const QJsonValue& p : dump["polygons"].toArray()) {
        const QJsonArray vs = p["vertices"].toArray();
        if (vs.size() < 3)
            continue;
        const Vec3 a = At(vs[0]), b = At(vs[1]), c = At(vs[2]);
        Vec3 n = normalised(cross(b - a, c - a));
        const double offset = dot(n, a);
        if (std::abs(offset) < 1e-6 * length(a) + 1e-9) {
            AddOnce(v.mirrors, n.y < 0 ? -n : n);
            continue;
        }
        AddOnce(v.faces, offset < 0 ? -n : n);
    }
    for (const QJsonValue& l : dump["lines"].toArray()) {
        const Vec3 from = At(l["from"]), to = At(l["to"]);
        const int order = OrderOfColour(At(l["colour"]));
        if (order == 0 || length(cross(from, to)) > 1e-6 * length(from) * length(to) || dot(from, to) >= 0)
            continue;
        v.axes.push_back({normalised(to - from), order, l["dashed"].toBool()});
    }
    return v;
}

struct Pole {
    double x, y;
    bool upper;
};

// A point of the stereogram back on the sphere: r = tan(ρ/2).
Vec3 Unproject(double x, double y, bool upper)
{
    const double rho = 2 * std::atan(std::hypot(x, y)), phi = std::atan2(y, x);
    return {std::sin(rho) * std::cos(phi), std::sin(rho) * std::sin(phi), (upper ? 1 : -1) * std::cos(rho)};
}

std::vector<Pole> ReadPoles(const QJsonObject& s)
{
    std::vector<Pole> poles;
    for (const QJsonValue& p : s["poles"].toArray())
        poles.push_back({p["x"].toDouble(), p["y"].toDouble(), p["upper"].toBool()});
    return poles;
}

std::vector<double> PairAngles(const std::vector<Vec3>& directions)
{
    std::vector<double> angles;
    for (std::size_t i = 0; i < directions.size(); ++i)
        for (std::size_t j = i + 1; j < directions.size(); ++j)
            angles.push_back(std::acos(std::clamp(dot(directions[i], directions[j]), -1.0, 1.0)));
    std::sort(angles.begin(), angles.end());
    return angles;
}

bool HasCentre(const std::vector<Vec3>& faces)
{
    return std::all_of(faces.begin(), faces.end(), [&](const Vec3& n) {
        return std::any_of(faces.begin(), faces.end(), [&](const Vec3& m) { return dot(m, n) < -1 + 1e-6; });
    });
}

TEST(Stereogram, PolesAxesAndMirrorsAreTheProjectionOfTheView)
{
    const QStringList camera{"--rot-y", QString::number(RotY), "--rot-x", QString::number(RotX)};
    for (const Solid& solid : AllSolids()) {
        SCOPED_TRACE(solid.name.toStdString());
        const View3D view = ReadView(DumpWithTool(solid.args + camera + QStringList{"--sym-planes", "on"}));
        const QJsonObject model = DumpWithTool(solid.args + camera + QStringList{"--stereogram", "--stereo-mode", "model"});
        const QJsonObject standard = DumpWithTool(solid.args + QStringList{"--stereogram"});
        ASSERT_FALSE(view.faces.empty());

        // Every face has its pole, where r = tan(ρ/2) of its normal puts it.
        const std::vector<Pole> poles = ReadPoles(model);
        EXPECT_EQ(poles.size(), view.faces.size());
        for (const Vec3& n : view.faces) {
            const Vec3 e = ToEye(n);
            const double r = std::tan(std::acos(std::min(1.0, std::abs(e.z))) / 2), phi = std::atan2(e.y, e.x);
            const bool found = std::any_of(poles.begin(), poles.end(), [&](const Pole& p) {
                return std::hypot(p.x - r * std::cos(phi), p.y - r * std::sin(phi)) < 1e-6 && (p.upper == (e.z > -1e-9) || std::abs(e.z) < 1e-9);
            });
            EXPECT_TRUE(found) << "normal " << n.x << " " << n.y << " " << n.z;
        }

        // The standard setting turns the solid without changing an angle.
        std::vector<Vec3> back;
        for (const Pole& p : ReadPoles(standard))
            back.push_back(Unproject(p.x, p.y, p.upper));
        const auto expected = PairAngles(view.faces), got = PairAngles(back);
        ASSERT_EQ(got.size(), expected.size());
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_NEAR(got[i], expected[i], 1e-6);

        // One symbol per axis of the view, of its order, or 3̄ / 6̄ for a
        // 3-fold axis with a centre / with a mirror across it.
        const bool centre = HasCentre(view.faces);
        EXPECT_EQ(model["centre"].toBool(), centre);
        const QJsonArray axes = model["axes"].toArray();
        EXPECT_EQ(axes.size(), static_cast<qsizetype>(view.axes.size()));
        for (const auto& axis : view.axes) {
            const Vec3 e = ToEye(axis.direction);
            const Vec3 upper = e.z < 0 ? -e : e;
            const bool mirrorAcross = std::any_of(view.mirrors.begin(), view.mirrors.end(),
                                                  [&](const Vec3& m) { return std::abs(dot(m, axis.direction)) > 1 - 1e-6; });
            int order = axis.order;
            bool inversion = axis.dashed;
            if (order == 3 && !inversion && (centre || mirrorAcross)) {
                inversion = true;
                order = centre ? 3 : 6;
            }
            const bool found = std::any_of(axes.begin(), axes.end(), [&](const QJsonValue& a) {
                const Vec3 d = Unproject(a["x"].toDouble(), a["y"].toDouble(), true);
                return length(d - upper) < 1e-6 && a["order"].toInt() == order && a["inversion"].toBool() == inversion;
            });
            EXPECT_TRUE(found) << "axis of order " << axis.order;
        }

        // Each mirror's line is the upper half of one mirror plane's great circle.
        const QJsonArray mirrors = model["mirrors"].toArray();
        EXPECT_EQ(mirrors.size(), static_cast<qsizetype>(view.mirrors.size()));
        std::vector<bool> used(view.mirrors.size(), false);
        for (const QJsonValue& m : mirrors) {
            const QJsonArray points = m["points"].toArray();
            ASSERT_GE(points.size(), 2);
            bool matched = false;
            for (std::size_t k = 0; k < view.mirrors.size() && !matched; ++k) {
                const Vec3 n = ToEye(view.mirrors[k]);
                matched = !used[k] && std::all_of(points.begin(), points.end(), [&](const QJsonValue& q) {
                    const QJsonArray xy = q.toArray();
                    return std::abs(dot(n, Unproject(xy[0].toDouble(), xy[1].toDouble(), true))) < 1e-6;
                });
                used[k] = matched;
            }
            EXPECT_TRUE(matched);
        }
    }
}

// The standard setting as the textbooks draw it: what stands at the centre,
// and where a pole of a known face lies (a down, b right, c at the centre).
TEST(Stereogram, StandardSettingOfTheTextbooks)
{
    struct Case {
        QStringList args;
        int centreOrder;       // the symbol at the centre, 0 for none
        bool centreInversion;
        QString hkl;           // a pole, and where the axes put it
        double x, y;
    } cases[] = {
        {{"--class", "m-3m", "--form", "1,1,1"}, 4, false, "(111)", 0.5176 / std::sqrt(2), -0.5176 / std::sqrt(2)},
        {{"--class", "m-3m", "--form", "1,0,0"}, 4, false, "(100)", 0, -1},
        {{"--class", "-43m", "--form", "1,1,1"}, 4, true, "(111)", 0.5176 / std::sqrt(2), -0.5176 / std::sqrt(2)},
        {{"--class", "28", "--form", "1,0,0"}, 2, false, "(010)", 1, 0},
        {{"--class", "4/mmm", "--form", "1,0,0"}, 4, false, "(100)", 0, -1},
        // (10-10) is normal to a1*, 30° from a1 towards b.
        {{"--class", "6/mmm", "--form", "1,0,-1,0"}, 6, false, "(10-10)", 0.5, -std::sqrt(3) / 2},
        {{"--class", "-3m", "--form", "0,0,0,1"}, 3, true, "(0001)", 0, 0},
        {{"--class", "-6m2", "--form", "0,0,0,1"}, 6, true, "(0001)", 0, 0},
        // Class 3, monoclinic 2: b, the unique axis, from left to right; class 28 is 23.
        {{"--class", "3", "--form", "0,1,0"}, 0, false, "(010)", 1, 0},
        {{"--scene", "polyhedron:2"}, 4, true, "", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const QJsonObject s = DumpWithTool(c.args + QStringList{"--stereogram"});
        int centreOrder = 0;
        bool centreInversion = false;
        for (const QJsonValue& a : s["axes"].toArray())
            if (std::hypot(a["x"].toDouble(), a["y"].toDouble()) < 1e-9) {
                centreOrder = a["order"].toInt();
                centreInversion = a["inversion"].toBool();
            }
        EXPECT_EQ(centreOrder, c.centreOrder);
        EXPECT_EQ(centreInversion, c.centreInversion);
        if (c.hkl.isEmpty())
            continue;
        bool found = false;
        for (const QJsonValue& p : s["poles"].toArray())
            if (p["hkl"].toString() == c.hkl) {
                found = true;
                EXPECT_NEAR(p["x"].toDouble(), c.x, 1e-4);
                EXPECT_NEAR(p["y"].toDouble(), c.y, 1e-4);
            }
        EXPECT_TRUE(found) << c.hkl.toStdString();
    }
    // Class 3 (monoclinic 2): the 2-fold axis lies on the primitive at both ends of b.
    const QJsonArray axes = DumpWithTool({"--class", "3", "--form", "0,1,0", "--stereogram"})["axes"].toArray();
    ASSERT_EQ(axes.size(), 1);
    EXPECT_NEAR(std::abs(axes[0]["x"].toDouble()), 1, 1e-9);
    EXPECT_TRUE(axes[0]["both_ends"].toBool());
}

TEST(Stereogram, NothingToProjectForAStructure)
{
    const QJsonObject s = DumpWithTool({"--scene", "structure:1", "--stereogram"});
    EXPECT_FALSE(s.contains("poles"));
}

} // namespace
} // namespace vestrel::test
