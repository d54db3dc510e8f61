// SPDX-License-Identifier: MIT
#include "render/gl_draw.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

namespace vestrel {

namespace {

GLenum glMode(Primitive mode)
{
    switch (mode) {
    case Primitive::Lines: return GL_LINES;
    case Primitive::Triangles: return GL_TRIANGLES;
    case Primitive::Quads: return GL_QUADS;
    case Primitive::Polygon: return GL_POLYGON;
    case Primitive::LineLoop: return GL_LINE_LOOP;
    case Primitive::LineStrip: return GL_LINE_STRIP;
    case Primitive::Points: return GL_POINTS;
    }
    return GL_LINES;
}

bool polygonal(Primitive mode)
{
    return mode == Primitive::Triangles || mode == Primitive::Quads || mode == Primitive::Polygon;
}

// The shaded picture's lights, in eye coordinates: a key light above, left
// and in front of the viewer, with a highlight, and a weak fill from the
// lower right.
constexpr GLfloat KeyPosition[4] = {-0.45f, 0.55f, 1.0f, 0.0f};
constexpr GLfloat KeyDiffuse[4] = {0.75f, 0.75f, 0.75f, 1.0f};
constexpr GLfloat KeySpecular[4] = {0.7f, 0.7f, 0.7f, 1.0f};
constexpr GLfloat FillPosition[4] = {0.7f, -0.4f, 0.6f, 0.0f};
constexpr GLfloat FillDiffuse[4] = {0.25f, 0.25f, 0.25f, 1.0f};
constexpr GLfloat MaterialSpecular[4] = {0.6f, 0.6f, 0.6f, 1.0f};
constexpr GLfloat MaterialShininess = 40;
constexpr GLfloat MirrorPlaneAlpha = 0.5f;

// OpenGL's own start values of what the shaded picture changes.
constexpr GLfloat DefaultLight0Position[4] = {0, 0, 1, 0};
constexpr GLfloat DefaultLight0Colour[4] = {1, 1, 1, 1};
constexpr GLfloat DefaultLight1Colour[4] = {0, 0, 0, 1};
constexpr GLfloat DefaultMaterialSpecular[4] = {0, 0, 0, 1};

} // namespace

GlDraw::GlDraw() : quadric_(gluNewQuadric()) {}

GlDraw::~GlDraw()
{
    if (quadric_)
        gluDeleteQuadric(quadric_);
}

void GlDraw::initialiseState()
{
    const GLfloat emission[4] = {0.1f, 0.1f, 0.1f, 0.1f};
    glEnable(GL_DEPTH_TEST);
    glClearColor(0, 0, 0, 1);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_POINT_SMOOTH);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, emission);
}

void GlDraw::setProjection(int w, int h)
{
    h = std::max(h, 1); // a panel of no height must not divide by zero
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(30, static_cast<double>(w) / static_cast<double>(h), 1, 200);
    glMatrixMode(GL_MODELVIEW);
}

void GlDraw::setFrustum(int w, int h, double left, double right, double bottom, double top)
{
    glViewport(0, 0, std::max(w, 1), std::max(h, 1));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(left, right, bottom, top, NearPlane, FarPlane);
    glMatrixMode(GL_MODELVIEW);
}

void GlDraw::setLineScale(float factor)
{
    if (factor == lineScale_)
        return;
    lineScale_ = factor;
    glLineWidth(lineWidth_ * lineScale_);
}

void GlDraw::restoreCarriedState(const CarriedState& state)
{
    lineWidth(state.lineWidth);
    quadricDrawStyle(state.quadric.style);
    quadricOrientation(state.quadric.orientation);
    quadricNormals(state.quadric.normals);
}

void GlDraw::clear() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }
void GlDraw::begin(Primitive mode)
{
    const Surface kind = nextSurface_;
    nextSurface_ = Surface::Plain;
    if (shaded_) {
        litFaces_ = kind == Surface::Faces && polygonal(mode);
        translucent_ = kind == Surface::MirrorPlanes && polygonal(mode);
        useLighting(litFaces_);
        if (translucent_) {
            // The planes do not hide one another, and the picture stays
            // opaque: its alpha is left alone.
            glEnable(GL_BLEND);
            glDepthMask(GL_FALSE);
            glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
        }
        faceSize_ = mode == Primitive::Triangles ? 3 : mode == Primitive::Quads ? 4 : 0;
        face_.clear();
        faceVertices_ = 0;
    }
    glBegin(glMode(mode));
}

void GlDraw::end()
{
    if (litFaces_) {
        sendFace(); // the polygon, or an incomplete last face
        litFaces_ = false;
    }
    glEnd();
    if (translucent_) {
        glDisable(GL_BLEND);
        glDepthMask(GL_TRUE);
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        translucent_ = false;
    }
}

void GlDraw::vertex(float x, float y, float z)
{
    if (!litFaces_) {
        glVertex3f(x, y, z);
        return;
    }
    face_.push_back({true, x, y, z});
    if (++faceVertices_ == faceSize_)
        sendFace();
}

void GlDraw::colour(float r, float g, float b)
{
    if (shaded_) {
        // Lit, a component above 1 would light up to white; the screen
        // shows it as 1 anyway.
        r = std::clamp(r, 0.0f, 1.0f);
        g = std::clamp(g, 0.0f, 1.0f);
        b = std::clamp(b, 0.0f, 1.0f);
    }
    if (litFaces_)
        face_.push_back({false, r, g, b});
    else if (translucent_)
        glColor4f(r, g, b, MirrorPlaneAlpha);
    else
        glColor3f(r, g, b);
}

// Newell's normal of the gathered face, then the face as it was sent. The
// sense of the normal does not matter: both sides are lit.
void GlDraw::sendFace()
{
    double nx = 0, ny = 0, nz = 0;
    std::vector<const FaceItem*> corners;
    for (const FaceItem& item : face_)
        if (item.isVertex)
            corners.push_back(&item);
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const FaceItem& p = *corners[i];
        const FaceItem& q = *corners[(i + 1) % corners.size()];
        nx += (static_cast<double>(p.b) - q.b) * (static_cast<double>(p.c) + q.c);
        ny += (static_cast<double>(p.c) - q.c) * (static_cast<double>(p.a) + q.a);
        nz += (static_cast<double>(p.a) - q.a) * (static_cast<double>(p.b) + q.b);
    }
    const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (length > 0)
        glNormal3d(nx / length, ny / length, nz / length);
    for (const FaceItem& item : face_) {
        if (item.isVertex)
            glVertex3f(item.a, item.b, item.c);
        else
            glColor3f(item.a, item.b, item.c);
    }
    face_.clear();
    faceVertices_ = 0;
}

void GlDraw::lighting(bool on)
{
    callerLighting_ = on;
    if (shaded_)
        return;
    glLighting_ = on;
    if (on)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
}

void GlDraw::useLighting(bool lit)
{
    if (lit == glLighting_)
        return;
    glLighting_ = lit;
    if (lit)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
}

void GlDraw::shading(bool on)
{
    if (on == shaded_)
        return;
    shaded_ = on;
    if (on) {
        // Light positions are taken in the current model-view matrix:
        // the identity puts them in eye coordinates, fixed to the viewer.
        glPushMatrix();
        glLoadIdentity();
        glLightfv(GL_LIGHT0, GL_POSITION, KeyPosition);
        glLightfv(GL_LIGHT1, GL_POSITION, FillPosition);
        glPopMatrix();
        glLightfv(GL_LIGHT0, GL_DIFFUSE, KeyDiffuse);
        glLightfv(GL_LIGHT0, GL_SPECULAR, KeySpecular);
        glLightfv(GL_LIGHT1, GL_DIFFUSE, FillDiffuse);
        glLightfv(GL_LIGHT1, GL_SPECULAR, DefaultLight1Colour);
        glEnable(GL_LIGHT1);
        glEnable(GL_NORMALIZE); // the global and the scenes' scales change normals' length
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
        glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, MaterialSpecular);
        glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, MaterialShininess);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        return;
    }
    glPushMatrix();
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_POSITION, DefaultLight0Position);
    glPopMatrix();
    glLightfv(GL_LIGHT0, GL_DIFFUSE, DefaultLight0Colour);
    glLightfv(GL_LIGHT0, GL_SPECULAR, DefaultLight0Colour);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, DefaultLight1Colour);
    glDisable(GL_LIGHT1);
    glDisable(GL_NORMALIZE);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, DefaultMaterialSpecular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 0);
    glBlendFunc(GL_ONE, GL_ZERO);
    useLighting(callerLighting_);
}

void GlDraw::surface(Surface kind) { nextSurface_ = kind; }

void GlDraw::lineWidth(float width)
{
    lineWidth_ = width;
    glLineWidth(lineScale_ == 1 ? width : width * lineScale_);
}
void GlDraw::loadIdentity() { glLoadIdentity(); }
void GlDraw::pushMatrix() { glPushMatrix(); }
void GlDraw::popMatrix() { glPopMatrix(); }
void GlDraw::translated(double x, double y, double z) { glTranslated(x, y, z); }
void GlDraw::translatef(float x, float y, float z) { glTranslatef(x, y, z); }
void GlDraw::rotatef(float angle, float x, float y, float z) { glRotatef(angle, x, y, z); }
void GlDraw::scaled(double x, double y, double z) { glScaled(x, y, z); }
void GlDraw::scalef(float x, float y, float z) { glScalef(x, y, z); }

void GlDraw::quadricDrawStyle(QuadricStyle style)
{
    quadricState_.style = style;
    static constexpr GLenum styles[] = {GLU_FILL, GLU_LINE, GLU_SILHOUETTE, GLU_POINT};
    gluQuadricDrawStyle(quadric_, styles[static_cast<int>(style)]);
}

void GlDraw::quadricOrientation(QuadricOrientation orientation)
{
    quadricState_.orientation = orientation;
    gluQuadricOrientation(quadric_, orientation == QuadricOrientation::Inside ? GLU_INSIDE : GLU_OUTSIDE);
}

void GlDraw::quadricNormals(QuadricNormals normals)
{
    quadricState_.normals = normals;
    static constexpr GLenum kinds[] = {GLU_SMOOTH, GLU_FLAT, GLU_NONE};
    gluQuadricNormals(quadric_, kinds[static_cast<int>(normals)]);
}

void GlDraw::sphere(double radius, int slices, int stacks)
{
    if (!shaded_) {
        gluSphere(quadric_, radius, slices, stacks);
        return;
    }
    // A solid ball is lit with its normals outwards, whatever the quadric
    // was set to; a wire ball stays a drawing of lines.
    const bool solid = quadricState_.style == QuadricStyle::Fill;
    useLighting(solid);
    if (solid) {
        gluQuadricOrientation(quadric_, GLU_OUTSIDE);
        gluQuadricNormals(quadric_, GLU_SMOOTH);
    }
    gluSphere(quadric_, radius, slices, stacks);
    if (solid) {
        quadricOrientation(quadricState_.orientation);
        quadricNormals(quadricState_.normals);
    }
}

void GlDraw::cylinder(double baseRadius, double topRadius, double height, int slices, int stacks)
{
    if (shaded_)
        useLighting(false); // axes and arrowheads keep their colours
    gluCylinder(quadric_, baseRadius, topRadius, height, slices, stacks);
}

} // namespace vestrel
