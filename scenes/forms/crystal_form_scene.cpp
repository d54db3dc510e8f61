// SPDX-License-Identifier: MIT
#include "scenes/forms/crystal_form_scene.h"

namespace vestrel::forms {

namespace {

using polyhedra::Axis;
using polyhedra::AxisGroup;
using polyhedra::MarkerGroup;

constexpr int AxisOrders[] = {6, 4, 3, 2};
constexpr double LabelLift = 5; // model units outside the face, clear of it in depth

void DrawFaces(Draw& gl, const CrystalFormScene& scene)
{
    for (std::size_t i = 0; i < scene.faces.size(); ++i) {
        const FormFace& face = scene.faces[i];
        polyhedra::SetColour(gl, face.colour);
        gl.surface(Surface::Faces);
        gl.primitiveTag(static_cast<int>(i));
        gl.begin(Primitive::Polygon);
        for (const Vec3& p : face.corners)
            gl.vertex(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
        gl.end();
    }
}

// The axes of one order, proper or inversion, as the polyhedra hold them.
std::vector<Axis> AxesOf(const CrystalFormScene& scene, int order, bool inversion)
{
    std::vector<Axis> out;
    for (const FormAxis& a : scene.axes)
        if (a.order == order && a.inversion == inversion)
            out.push_back(a.line);
    return out;
}

void DrawAxes(Draw& gl, const CrystalFormScene& scene, const DisplayOptions& options)
{
    std::vector<std::vector<Axis>> storage;
    std::vector<AxisGroup> proper;
    for (int order : AxisOrders)
        storage.push_back(AxesOf(scene, order, false));
    for (std::size_t i = 0; i < storage.size(); ++i)
        if (!storage[i].empty())
            proper.push_back({AxisOrders[i], storage[i]});
    polyhedra::DrawAxisGroups(gl, options, proper);

    std::vector<std::vector<Vec3>> points;
    std::vector<MarkerGroup> markers;
    for (int order : AxisOrders) {
        points.emplace_back();
        for (const FormMarker& m : scene.markers)
            if (m.order == order)
                points.back().push_back(m.point);
    }
    for (std::size_t i = 0; i < points.size(); ++i)
        if (!points[i].empty())
            markers.push_back({AxisOrders[i], points[i]});
    polyhedra::DrawMarkerGroups(gl, options, markers);

    for (int order : AxisOrders) {
        const std::vector<Axis> inversion = AxesOf(scene, order, true);
        if (!inversion.empty())
            polyhedra::DrawInversionAxisGroup(gl, options, {order, inversion, true});
    }
}

void DrawCentre(Draw& gl)
{
    gl.colour(1, 1, 1);
    gl.sphere(CentreRadius, polyhedra::MarkerSlices, polyhedra::MarkerStacks);
}

void DrawLabels(Draw& gl, const CrystalFormScene& scene)
{
    polyhedra::SetColour(gl, LabelColour);
    for (const FormFace& face : scene.faces)
        if (!face.closing)
            gl.label(LabelPosition(face), face.label);
}

} // namespace

Vec3 LabelPosition(const FormFace& face)
{
    Vec3 centre;
    for (const Vec3& p : face.corners)
        centre += p;
    if (!face.corners.empty())
        centre = centre / static_cast<double>(face.corners.size());
    return centre + LabelLift * face.normal;
}

void DrawCrystalFormScene(Draw& gl, const CrystalFormScene& scene, const DisplayOptions& options)
{
    gl.lighting(false);
    if (options.solidFaces)
        DrawFaces(gl, scene);
    polyhedra::SetColour(gl, EdgeColour);
    gl.begin(Primitive::Lines);
    polyhedra::SendEdges(gl, scene.vertices, scene.edges);
    gl.end();
    if (options.showSymPlanes && !scene.planes.empty())
        polyhedra::DrawSymmetryPlanes(gl, scene.planes);
    if (options.showSymAxes) {
        DrawAxes(gl, scene, options);
        if (scene.centre)
            DrawCentre(gl);
    }
    if (options.showFaceSymbols)
        DrawLabels(gl, scene);
}

void DrawMarkedFace(Draw& gl, const std::vector<Vec3>& corners)
{
    if (corners.size() < 3)
        return;
    Vec3 centre;
    for (const Vec3& c : corners)
        centre += c;
    centre = centre / static_cast<double>(corners.size());
    gl.lighting(false);
    gl.lineWidth(MarkedFaceWidth);
    gl.colour(MarkedFaceColour.r, MarkedFaceColour.g, MarkedFaceColour.b);
    gl.begin(Primitive::LineLoop);
    for (const Vec3& c : corners) {
        const Vec3 p = c + 0.02 * (c - centre) + 0.01 * length(c - centre) * normalised(centre);
        gl.vertex(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
    }
    gl.end();
    gl.lineWidth(1);
}

} // namespace vestrel::forms
