// SPDX-License-Identifier: MIT
#include "frame/frame.h"

#include "scenes/scene_registry.h"

namespace vestrel {

namespace {

constexpr int PlaneHalfSize = 60;
constexpr int AxisHalfLength = 70;

void setColour(Draw& gl, const Colour& c) { gl.colour(c.r, c.g, c.b); }

void line(Draw& gl, float x1, float y1, float z1, float x2, float y2, float z2)
{
    gl.begin(Primitive::Lines);
    gl.vertex(x1, y1, z1);
    gl.vertex(x2, y2, z2);
    gl.end();
}

// The centre lines of a plane take the axis colour, the others the plane colour.
void gridLineColour(Draw& gl, const AuxiliaryColourMenus& menus, int i)
{
    setColour(gl, i == 0 ? AuxiliaryAxisColour(menus) : AuxiliaryPlaneColour(menus));
}

void arrowCone(Draw& gl) { gl.cylinder(0, 0.5, 2, 300, 350); }

void wireQuadric(Draw& gl)
{
    gl.quadricDrawStyle(QuadricStyle::Line);
    gl.quadricOrientation(QuadricOrientation::Inside);
    gl.quadricNormals(QuadricNormals::Smooth);
}

void DrawCrystalForm(Draw& gl, const FrameInputs& in)
{
    if (!in.chosen) {
        forms::DrawCrystalFormScene(gl, *in.crystalForm, in.display);
        return;
    }
    gl.pushMatrix();
    gl.multMatrix(polyhedra::SymmetryOperationAt(in.chosen->element, in.chosen->time));
    forms::DrawCrystalFormScene(gl, *in.crystalForm, in.display);
    gl.popMatrix();
    polyhedra::DrawChosenElement(gl, in.chosen->element, in.chosen->extent);
}

} // namespace

// Each checked item sets its colour, in the order of the menu; the menu
// keeps exactly one item checked.
Colour AuxiliaryAxisColour(const AuxiliaryColourMenus& menus)
{
    Colour c{1, 1, 1};
    if (menus.axesRed)
        c = {1, 0, 0};
    if (menus.axesGreen)
        c = {0, 1, 0};
    if (menus.axesBlue)
        c = {0, 0, 1};
    return c;
}

Colour AuxiliaryPlaneColour(const AuxiliaryColourMenus& menus)
{
    Colour c{1, 1, 1};
    if (menus.planesWhite)
        c = {0.7f, 0.7f, 0.7f};
    if (menus.planesRed)
        c = {1, 0, 0};
    if (menus.planesGreen)
        c = {0, 1, 0};
    if (menus.planesBlue)
        c = {0, 0, 1};
    return c;
}

void DrawAuxiliaryPlanes(Draw& gl, const AuxiliaryColourMenus& menus, bool xz, bool yz, bool xy)
{
    constexpr float n = PlaneHalfSize;
    if (xz)
        for (int i = -PlaneHalfSize; i <= PlaneHalfSize; ++i) {
            const float f = static_cast<float>(i);
            gridLineColour(gl, menus, i);
            line(gl, -n, f, 0, n, f, 0);
            gridLineColour(gl, menus, i);
            line(gl, f, -n, 0, f, n, 0);
        }
    if (yz)
        for (int i = -PlaneHalfSize; i <= PlaneHalfSize; ++i) {
            const float f = static_cast<float>(i);
            gridLineColour(gl, menus, i);
            line(gl, 0, -n, f, 0, n, f);
            gridLineColour(gl, menus, i);
            line(gl, 0, f, -n, 0, f, n);
        }
    if (xy)
        for (int i = -PlaneHalfSize; i <= PlaneHalfSize; ++i) {
            const float f = static_cast<float>(i);
            gridLineColour(gl, menus, i);
            line(gl, -n, 0, f, n, 0, f);
            gridLineColour(gl, menus, i);
            line(gl, f, 0, -n, f, 0, n);
        }
}

void DrawAuxiliaryAxes(Draw& gl, const AuxiliaryColourMenus& menus, bool ox, bool oz, bool oy)
{
    constexpr float n = AxisHalfLength;
    if (ox) {
        setColour(gl, AuxiliaryAxisColour(menus));
        line(gl, -n, 0, 0, n, 0, 0);
        wireQuadric(gl);
        gl.translated(n, 0, 0);
        gl.rotatef(-90, 0, 1, 0);
        arrowCone(gl);
        gl.rotatef(90, 0, 1, 0);
        gl.translated(-n, 0, 0);
    }
    if (oz) {
        setColour(gl, AuxiliaryAxisColour(menus));
        line(gl, 0, -n, 0, 0, n, 0);
        wireQuadric(gl);
        gl.translated(0, n, 0);
        gl.rotatef(90, 1, 0, 0);
        arrowCone(gl);
        gl.rotatef(-90, 1, 0, 0);
        gl.translated(0, -n, 0);
    }
    if (oy) {
        setColour(gl, AuxiliaryAxisColour(menus));
        line(gl, 0, 0, -n, 0, 0, n);
        wireQuadric(gl);
        // The OY arrowhead sits at the negative end of OpenGL's z axis, which
        // makes OX, OY, OZ a right-handed frame with OZ up.
        gl.translated(0, 0, -n);
        arrowCone(gl);
        gl.translated(0, 0, n);
    }
}

bool AdvanceView(const FrameInputs& in, ViewState& view)
{
    if (in.autoRotate)
        view.RotY += AutoRotationStep;
    // Subtracting a whole turn keeps the model from jumping when the angle
    // passes 360; negative angles are left alone.
    if (view.RotY >= 360)
        view.RotY -= 360;
    if (in.maxDistance)
        view.Distance = MaxDistance;
    return !in.maxDistance;
}

bool DrawFrame(Draw& gl, const FrameInputs& in, ViewState& view, bool advance)
{
    gl.shading(in.shaded);
    gl.clear();
    gl.loadIdentity();
    const bool trackBarVisible = advance ? AdvanceView(in, view) : !in.maxDistance;
    const CameraSteps camera = CameraStepsOf(view);
    gl.translatef(camera.panX, camera.panY, camera.depth);
    gl.rotatef(camera.rotY, 0, 1, 0);
    gl.rotatef(camera.rotX, 1, 0, 0);
    gl.lighting(false);
    gl.scalef(camera.scale, camera.scale, camera.scale);
    gl.colour(1, 1, 1);
    DrawAuxiliaryPlanes(gl, in.menus, in.planeXZ, in.planeYZ, in.planeXY);
    DrawAuxiliaryAxes(gl, in.menus, in.axisOX, in.axisOZ, in.axisOY);
    gl.lighting(true);
    gl.colour(0.7f, 0.7f, 0.7f);
    for (const SceneEntry& scene : sceneRegistry()) {
        if (!in.scenes[index(scene.id)])
            continue;
        if (in.chosen && IsPolyhedron(scene.id)) {
            gl.pushMatrix();
            gl.multMatrix(polyhedra::SymmetryOperationAt(in.chosen->element, in.chosen->time));
            scene.draw(gl, in.display);
            gl.popMatrix();
            polyhedra::DrawChosenElement(gl, in.chosen->element, in.chosen->extent);
        } else {
            scene.draw(gl, in.display);
        }
    }
    if (in.zone)
        DrawZoneScene(gl, *in.zone, in.display);
    if (in.loadedStructure)
        structures::DrawLoadedStructure(gl, *in.loadedStructure, in.display, in.structureOverlay);
    if (in.crystalForm)
        DrawCrystalForm(gl, in);
    if (!in.markedFace.empty()) {
        gl.pushMatrix();
        if (in.chosen)
            gl.multMatrix(polyhedra::SymmetryOperationAt(in.chosen->element, in.chosen->time));
        forms::DrawMarkedFace(gl, in.markedFace);
        gl.popMatrix();
    }
    gl.lineWidth(FrameEndLineWidth);
    return trackBarVisible;
}

} // namespace vestrel
