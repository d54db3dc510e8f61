// SPDX-License-Identifier: MIT
#include "render/gl_draw.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

namespace vestrel {

namespace {

int quadricCount = 0; // quadrics made and not yet deleted

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

} // namespace

GlDraw::GlDraw() : quadric_(gluNewQuadric())
{
    if (quadric_)
        ++quadricCount;
}

GlDraw::~GlDraw()
{
    if (quadric_) {
        gluDeleteQuadric(quadric_);
        --quadricCount;
    }
}

int GlDraw::liveQuadrics() { return quadricCount; }

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

void GlDraw::clear() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }
void GlDraw::begin(Primitive mode) { glBegin(glMode(mode)); }
void GlDraw::end() { glEnd(); }
void GlDraw::vertex(float x, float y, float z) { glVertex3f(x, y, z); }
void GlDraw::colour(float r, float g, float b) { glColor3f(r, g, b); }

void GlDraw::lighting(bool on)
{
    if (on)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
}

void GlDraw::lineWidth(float width) { glLineWidth(width); }
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
    static constexpr GLenum styles[] = {GLU_FILL, GLU_LINE, GLU_SILHOUETTE, GLU_POINT};
    gluQuadricDrawStyle(quadric_, styles[static_cast<int>(style)]);
}

void GlDraw::quadricOrientation(QuadricOrientation orientation)
{
    gluQuadricOrientation(quadric_, orientation == QuadricOrientation::Inside ? GLU_INSIDE : GLU_OUTSIDE);
}

void GlDraw::quadricNormals(QuadricNormals normals)
{
    static constexpr GLenum kinds[] = {GLU_SMOOTH, GLU_FLAT, GLU_NONE};
    gluQuadricNormals(quadric_, kinds[static_cast<int>(normals)]);
}

void GlDraw::sphere(double radius, int slices, int stacks) { gluSphere(quadric_, radius, slices, stacks); }

void GlDraw::cylinder(double baseRadius, double topRadius, double height, int slices, int stacks)
{
    gluCylinder(quadric_, baseRadius, topRadius, height, slices, stacks);
}

} // namespace vestrel
