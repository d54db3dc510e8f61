// SPDX-License-Identifier: MIT
#include "tools/render/frame_dump.h"

#include "frame/frame.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>

namespace vestrel {

namespace {

double columnLength(const Mat4& m, int col)
{
    return std::sqrt(m.at(0, col) * m.at(0, col) + m.at(1, col) * m.at(1, col) + m.at(2, col) * m.at(2, col));
}

void addSegments(FrameDump& out, const RecordedPrimitive& p, const Mat4& back)
{
    const auto& v = p.vertices;
    const auto add = [&](const RecordedVertex& a, const RecordedVertex& b) {
        out.lines.push_back({back.apply(a.position), back.apply(b.position), a.colour, p.lineWidth, p.stipple.enabled});
    };
    switch (p.mode) {
    case Primitive::Lines:
        for (std::size_t i = 0; i + 1 < v.size(); i += 2)
            add(v[i], v[i + 1]);
        break;
    case Primitive::LineStrip:
        for (std::size_t i = 0; i + 1 < v.size(); ++i)
            add(v[i], v[i + 1]);
        break;
    default: break;
    }
}

void addPolygons(FrameDump& out, const RecordedPrimitive& p, const Mat4& back)
{
    const auto& v = p.vertices;
    const auto add = [&](std::size_t first, std::size_t count, bool filled) {
        if (count == 0 || first + count > v.size())
            return;
        DumpedPolygon polygon;
        polygon.colour = v[first].colour;
        polygon.filled = filled;
        polygon.tag = p.tag;
        for (std::size_t i = first; i < first + count; ++i)
            polygon.vertices.push_back(back.apply(v[i].position));
        out.polygons.push_back(std::move(polygon));
    };
    switch (p.mode) {
    case Primitive::Triangles:
        for (std::size_t i = 0; i + 3 <= v.size(); i += 3)
            add(i, 3, true);
        break;
    case Primitive::Quads:
        for (std::size_t i = 0; i + 4 <= v.size(); i += 4)
            add(i, 4, true);
        break;
    case Primitive::Polygon: add(0, v.size(), true); break;
    case Primitive::LineLoop: add(0, v.size(), false); break;
    default: break;
    }
}

QJsonArray point(const Vec3& p) { return {p.x, p.y, p.z}; }

// A single-precision value as the decimal it was written as (0.7f as 0.7).
double asSet(float v)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    return std::strtod(std::string(text, end).c_str(), nullptr);
}

QJsonArray colour(const Colour& c) { return {asSet(c.r), asSet(c.g), asSet(c.b)}; }

void addFaceOfForm(QJsonObject& polygon, const forms::FormFace& face)
{
    QJsonArray hkl;
    for (int i : face.indices)
        hkl.append(i);
    polygon.insert("form", face.form);
    polygon.insert("hkl", hkl);
    if (face.closing)
        polygon.insert("closing", true);
}

// Atom centres by position, to a thousandth of a scene unit.
std::array<long long, 3> positionKey(const Vec3& p)
{
    return {std::llround(p.x * 1000), std::llround(p.y * 1000), std::llround(p.z * 1000)};
}

void addStructureNames(QJsonObject& polygon, int tag, const StructureDumpNames& names)
{
    using structures::StructureOverlay;
    const int polyhedron = tag - StructureOverlay::PolyhedronTag;
    const int plane = tag - StructureOverlay::PlaneTag;
    if (tag >= StructureOverlay::PlaneTag && plane < static_cast<int>(names.planes.size())) {
        const auto& hkl = names.planes[static_cast<std::size_t>(plane)];
        polygon.insert("plane", QJsonArray{hkl[0], hkl[1], hkl[2]});
    } else if (tag >= StructureOverlay::PolyhedronTag && tag < StructureOverlay::PlaneTag
               && polyhedron < static_cast<int>(names.polyhedronCentres.size())) {
        polygon.insert("polyhedron", QString::fromStdString(names.polyhedronCentres[static_cast<std::size_t>(polyhedron)]));
    }
}

} // namespace

FrameDump ToModelFrame(const RecordingDraw& gl, const ViewState& view)
{
    const Mat4 back = ModelFrameMatrix(view).affineInverse();
    FrameDump out;
    for (const RecordedPrimitive& p : gl.primitives) {
        addSegments(out, p, back);
        addPolygons(out, p, back);
    }
    for (const RecordedLabel& l : gl.labels)
        out.labels.push_back({back.apply(l.position), l.text, l.colour});
    for (const RecordedSolid& s : gl.solids) {
        const Mat4 m = back * s.transform;
        if (s.kind == RecordedSolid::Kind::Sphere) {
            const Vec3 semi{s.radius * columnLength(m, 0), s.radius * columnLength(m, 1), s.radius * columnLength(m, 2)};
            out.spheres.push_back({m.apply({0, 0, 0}), semi.x, semi, s.colour});
            continue;
        }
        // A cone: its point is the end of radius 0 (the arrowheads have it
        // at the base of the quadric's cylinder).
        const bool tipAtBase = s.radius <= s.topRadius;
        const Vec3 bottom = m.apply({0, 0, 0}), top = m.apply({0, 0, s.height});
        const double open = std::max(s.radius, s.topRadius) * columnLength(m, 0);
        out.cones.push_back({tipAtBase ? bottom : top, tipAtBase ? top : bottom, open, s.colour});
    }
    return out;
}

FrameDump DumpFrames(const FrameInputs& inputs, ViewState& view, int frames)
{
    RecordingDraw gl;
    for (int i = 0; i < std::max(frames, 1); ++i) {
        gl.resetRecording();
        DrawFrame(gl, inputs, view);
    }
    return ToModelFrame(gl, view);
}

QByteArray FrameDumpJson(const FrameDump& dump, const forms::CrystalFormScene* crystalForm,
                         const StructureDumpNames* structure)
{
    std::map<std::array<long long, 3>, const StructureDumpNames::Atom*> atoms;
    if (structure)
        for (const StructureDumpNames::Atom& a : structure->atoms)
            atoms.emplace(positionKey(a.centre), &a);
    QJsonArray spheres, lines, polygons, cones;
    for (const DumpedSphere& s : dump.spheres) {
        QJsonObject o{{"centre", point(s.centre)}, {"radius", s.radius}, {"colour", colour(s.colour)}};
        if (const auto it = atoms.find(positionKey(s.centre)); it != atoms.end()) {
            o.insert("element", QString::fromStdString(it->second->element));
            o.insert("label", QString::fromStdString(it->second->label));
        }
        const double tolerance = 1e-9 * std::max(s.radius, 1.0);
        if (std::abs(s.semiAxes.y - s.radius) > tolerance || std::abs(s.semiAxes.z - s.radius) > tolerance)
            o.insert("semi_axes", point(s.semiAxes));
        spheres.append(o);
    }
    for (const DumpedLine& l : dump.lines)
        lines.append(QJsonObject{{"from", point(l.from)}, {"to", point(l.to)}, {"colour", colour(l.colour)},
                                 {"width", asSet(l.width)}, {"dashed", l.dashed}});
    for (const DumpedPolygon& p : dump.polygons) {
        QJsonArray vertices;
        for (const Vec3& v : p.vertices)
            vertices.append(point(v));
        QJsonObject polygon{{"vertices", vertices}, {"colour", colour(p.colour)}, {"filled", p.filled}};
        if (crystalForm && p.tag >= 0 && p.tag < static_cast<int>(crystalForm->faces.size()))
            addFaceOfForm(polygon, crystalForm->faces[static_cast<std::size_t>(p.tag)]);
        if (structure && p.tag >= 0)
            addStructureNames(polygon, p.tag, *structure);
        polygons.append(polygon);
    }
    for (const DumpedCone& c : dump.cones)
        cones.append(QJsonObject{{"tip", point(c.tip)}, {"base", point(c.base)}, {"radius", c.radius},
                                 {"colour", colour(c.colour)}});
    QJsonArray labels;
    for (const DumpedLabel& l : dump.labels)
        labels.append(QJsonObject{{"at", point(l.at)}, {"text", QString::fromStdString(l.text)}, {"colour", colour(l.colour)}});
    const QJsonObject root{{"spheres", spheres}, {"lines", lines}, {"polygons", polygons}, {"cones", cones},
                           {"labels", labels}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace vestrel
