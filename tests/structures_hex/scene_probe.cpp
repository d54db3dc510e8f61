// SPDX-License-Identifier: MIT
#include "tests/structures_hex/scene_probe.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace vestrel::test {

Vec3 SceneFrame::toModel(const Vec3& p) const
{
    const Vec3 s = (p + shift) * scale;
    return {offset.x + s.x, offset.y - s.y, offset.z - s.z};
}

Vec3 SceneFrame::toScene(const Vec3& m) const
{
    const Vec3 s{m.x - offset.x, -(m.y - offset.y), -(m.z - offset.z)};
    return s / scale - shift;
}

SceneDrawing RecordScene(SceneBlock block, const SceneFrame& frame, const DisplayOptions& opt)
{
    SceneDrawing d;
    block(d.gl, opt);
    for (const RecordedSolid* s : d.gl.spheres())
        d.atoms.push_back({frame.toScene(s->centre), s->colour});
    for (const auto& [from, to] : d.gl.lineSegments())
        d.lines.push_back({frame.toScene(from.position), frame.toScene(to.position)});
    return d;
}

bool Near(const Vec3& a, const Vec3& b, double tolerance) { return distance(a, b) <= tolerance; }

bool SameLine(const Line& a, const Line& b, double tolerance)
{
    return (Near(a.from, b.from, tolerance) && Near(a.to, b.to, tolerance))
        || (Near(a.from, b.to, tolerance) && Near(a.to, b.from, tolerance));
}

std::string ToString(const Vec3& p)
{
    std::ostringstream s;
    s << "(" << p.x << ", " << p.y << ", " << p.z << ")";
    return s.str();
}

namespace {

template <typename T, typename Same, typename Show>
std::string Diff(std::vector<T> actual, const std::vector<T>& expected, Same same, Show show)
{
    std::string missing, extra;
    for (const T& e : expected) {
        const auto it = std::find_if(actual.begin(), actual.end(), [&](const T& a) { return same(a, e); });
        if (it == actual.end())
            missing += " " + show(e);
        else
            actual.erase(it);
    }
    for (const T& a : actual)
        extra += " " + show(a);
    if (missing.empty() && extra.empty())
        return {};
    return "missing:" + missing + "\nunexpected:" + extra;
}

} // namespace

std::string DiffPoints(const std::vector<Vec3>& actual, const std::vector<Vec3>& expected)
{
    return Diff(actual, expected, [](const Vec3& a, const Vec3& b) { return Near(a, b); }, ToString);
}

std::string DiffLines(const std::vector<Line>& actual, const std::vector<Line>& expected)
{
    return Diff(actual, expected, [](const Line& a, const Line& b) { return SameLine(a, b); },
                [](const Line& l) { return ToString(l.from) + "-" + ToString(l.to); });
}

std::vector<Vec3> Positions(const std::vector<Atom>& atoms)
{
    std::vector<Vec3> out;
    for (const Atom& a : atoms)
        out.push_back(a.position);
    return out;
}

std::vector<Vec3> PositionsOfColour(const std::vector<Atom>& atoms, const Colour& colour)
{
    std::vector<Vec3> out;
    for (const Atom& a : atoms)
        if (a.colour == colour)
            out.push_back(a.position);
    return out;
}

std::vector<Line> DistinctLines(const std::vector<Line>& lines)
{
    std::vector<Line> out;
    for (const Line& l : lines)
        if (std::none_of(out.begin(), out.end(), [&](const Line& o) { return SameLine(o, l); }))
            out.push_back(l);
    return out;
}

std::vector<Vec3> DistinctPoints(const std::vector<Vec3>& points)
{
    std::vector<Vec3> out;
    for (const Vec3& p : points)
        if (std::none_of(out.begin(), out.end(), [&](const Vec3& o) { return Near(o, p); }))
            out.push_back(p);
    return out;
}

std::vector<Vec3> HexagonVertices()
{
    std::vector<Vec3> v;
    for (int sx : {1, -1}) {
        v.push_back({36.0 * sx, 0, 0});
        for (int sz : {1, -1})
            v.push_back({18.0 * sx, 0, 30.0 * sz});
    }
    return v;
}

std::vector<Vec3> HexagonAround(const Vec3& centre)
{
    std::vector<Vec3> v;
    for (const Vec3& h : HexagonVertices())
        v.push_back(centre + h);
    return v;
}

std::vector<Line> PolygonEdges(const Vec3& centre, std::vector<Vec3> vertices)
{
    const auto angle = [&](const Vec3& p) { return std::atan2(p.z - centre.z, p.x - centre.x); };
    std::sort(vertices.begin(), vertices.end(), [&](const Vec3& a, const Vec3& b) { return angle(a) < angle(b); });
    std::vector<Line> edges;
    for (std::size_t i = 0; i < vertices.size(); ++i)
        edges.push_back({vertices[i], vertices[(i + 1) % vertices.size()]});
    return edges;
}

double Length(const Line& l) { return distance(l.from, l.to); }

} // namespace vestrel::test
