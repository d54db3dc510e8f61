// SPDX-License-Identifier: MIT
#include "tests/structures_cubic/scene_check.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <sstream>

namespace vestrel::test {

DisplayOptions Options(bool lines, bool screw, int screwColour)
{
    DisplayOptions opt;
    opt.showLines = lines;
    opt.showScrewAxes = screw;
    opt.screwColour = screwColour;
    return opt;
}

void PrepareAsFrame(RecordingDraw& gl, bool wire)
{
    gl.lighting(true);
    gl.colour(0.7f, 0.7f, 0.7f);
    gl.lineWidth(0.5f);
    if (wire) {
        gl.quadricDrawStyle(QuadricStyle::Line);
        gl.quadricOrientation(QuadricOrientation::Inside);
        gl.quadricNormals(QuadricNormals::Smooth);
    }
    gl.resetRecording();
}

RecordingDraw RunScene(Block block, const DisplayOptions& opt, bool wire)
{
    RecordingDraw gl;
    PrepareAsFrame(gl, wire);
    block(gl, opt);
    return gl;
}

std::vector<Ball> Balls(const RecordingDraw& gl)
{
    std::vector<Ball> out;
    for (const RecordedSolid* s : gl.spheres())
        out.push_back({s->centre, s->colour});
    return out;
}

std::vector<Vec3> PlacesOf(const std::vector<Ball>& balls, Colour colour)
{
    std::vector<Vec3> out;
    for (const Ball& b : balls)
        if (SameColour(b.colour, colour))
            out.push_back(b.at);
    return out;
}

std::vector<Vec3> AllPlaces(const std::vector<Ball>& balls)
{
    std::vector<Vec3> out;
    for (const Ball& b : balls)
        out.push_back(b.at);
    return out;
}

std::vector<Vec3> Distinct(const std::vector<Vec3>& places)
{
    std::vector<Vec3> out;
    for (const Vec3& p : places)
        if (!Contains(out, p))
            out.push_back(p);
    return out;
}

std::vector<Line> Lines(const RecordingDraw& gl)
{
    std::vector<Line> out;
    for (const auto& [from, to] : gl.lineSegments())
        out.push_back({from.position, to.position, from.colour});
    return out;
}

std::vector<Line> DistinctLines(const std::vector<Line>& lines)
{
    std::vector<Line> out;
    for (const Line& l : lines) {
        const bool seen = std::any_of(out.begin(), out.end(), [&](const Line& o) {
            return (Near(o.a, l.a) && Near(o.b, l.b)) || (Near(o.a, l.b) && Near(o.b, l.a));
        });
        if (!seen)
            out.push_back(l);
    }
    return out;
}

std::vector<const RecordedSolid*> Cones(const RecordingDraw& gl)
{
    std::vector<const RecordedSolid*> out;
    for (const RecordedSolid* c : gl.cylinders())
        if (c->slices == 10)
            out.push_back(c);
    return out;
}

bool Near(const Vec3& a, const Vec3& b, double tol) { return distance(a, b) <= tol; }

bool SameColour(const Colour& a, const Colour& b)
{
    return std::abs(a.r - b.r) < 1e-6f && std::abs(a.g - b.g) < 1e-6f && std::abs(a.b - b.b) < 1e-6f;
}

Vec3 Centroid(const std::vector<Vec3>& places)
{
    Vec3 sum;
    for (const Vec3& p : places)
        sum += p;
    return sum * (1.0 / static_cast<double>(places.size()));
}

Vec3 SceneToModel(const Vec3& p, const Vec3& offset, const Vec3& shift, double scale)
{
    const Vec3 q = p * scale + shift;
    return offset + Vec3{q.x, -q.y, -q.z};
}

std::vector<Vec3> SceneToModel(const std::vector<Vec3>& ps, const Vec3& offset, const Vec3& shift, double scale)
{
    std::vector<Vec3> out;
    for (const Vec3& p : ps)
        out.push_back(SceneToModel(p, offset, shift, scale));
    return out;
}

std::vector<Vec3> CubeCorners(double h, const Vec3& c)
{
    std::vector<Vec3> out;
    for (int sx : {-1, 1})
        for (int sy : {-1, 1})
            for (int sz : {-1, 1})
                out.push_back(c + Vec3{sx * h, sy * h, sz * h});
    return out;
}

std::vector<Vec3> FaceCentres(double h, const Vec3& c)
{
    return {c + Vec3{h, 0, 0}, c + Vec3{-h, 0, 0}, c + Vec3{0, h, 0},
            c + Vec3{0, -h, 0}, c + Vec3{0, 0, h}, c + Vec3{0, 0, -h}};
}

std::vector<Vec3> InnerPlaces(double t, const Vec3& c) { return CubeCorners(t, c); }

std::vector<Vec3> NeighboursAt(const std::vector<Vec3>& places, const Vec3& p, double d, double tol)
{
    std::vector<Vec3> out;
    for (const Vec3& q : places)
        if (std::abs(distance(p, q) - d) <= tol)
            out.push_back(q);
    return out;
}

double NearestDistance(const std::vector<Vec3>& places)
{
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < places.size(); ++i)
        for (std::size_t j = i + 1; j < places.size(); ++j)
            if (!Near(places[i], places[j]))
                best = std::min(best, distance(places[i], places[j]));
    return best;
}

bool Contains(const std::vector<Vec3>& places, const Vec3& p)
{
    return std::any_of(places.begin(), places.end(), [&](const Vec3& q) { return Near(p, q); });
}

testing::AssertionResult SamePlaces(std::vector<Vec3> actual, std::vector<Vec3> expected)
{
    const auto show = [](const Vec3& p) {
        std::ostringstream s;
        s << "(" << p.x << ", " << p.y << ", " << p.z << ")";
        return s.str();
    };
    if (actual.size() != expected.size())
        return testing::AssertionFailure() << actual.size() << " places drawn, " << expected.size() << " expected";
    for (const Vec3& e : expected) {
        const auto it = std::find_if(actual.begin(), actual.end(), [&](const Vec3& a) { return Near(a, e); });
        if (it == actual.end())
            return testing::AssertionFailure() << "no ball at " << show(e);
        actual.erase(it);
    }
    return testing::AssertionSuccess();
}

Vec3 ConeOpening(const RecordedSolid& cone)
{
    return cone.transform.apply({0, 0, 1}) - cone.transform.apply({0, 0, 0});
}

} // namespace vestrel::test
