// SPDX-License-Identifier: MIT
#include "render/gl_draw.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <string>
#include <array>
#include <cmath>
#include <numbers>

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

// Beyond this many cached spheres (a caller with ever new radii) balls are
// drawn straight through GLU.
constexpr std::size_t MaxSphereLists = 512;
constexpr int MinBallSlices = 8;

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

GlDraw::GlDraw() : quadric_(gluNewQuadric())
{
    if (quadric_)
        ++quadricCount;
}

GlDraw::~GlDraw()
{
    for (const auto& [key, list] : sphereLists_)
        glDeleteLists(list, 1);
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
    gluPerspective(ViewPerspective.fovY, static_cast<double>(w) / static_cast<double>(h), ViewPerspective.zNear,
                   ViewPerspective.zFar);
    glMatrixMode(GL_MODELVIEW);
}

void GlDraw::setFrustum(int w, int h, double left, double right, double bottom, double top)
{
    glViewport(0, 0, std::max(w, 1), std::max(h, 1));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(left, right, bottom, top, ViewPerspective.zNear, ViewPerspective.zFar);
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
    else if (alpha_ < 1)
        glColor4f(r, g, b, alpha_);
    else
        glColor3f(r, g, b);
}

void GlDraw::opacity(float alpha)
{
    alpha_ = std::clamp(alpha, 0.0f, 1.0f);
    if (alpha_ < 1) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glDepthMask(GL_FALSE);
    } else {
        glDisable(GL_BLEND);
        glDepthMask(GL_TRUE);
    }
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

void GlDraw::lineStipple(int factor, unsigned short pattern) { glLineStipple(factor, pattern); }

void GlDraw::lineStippleEnabled(bool on)
{
    if (on)
        glEnable(GL_LINE_STIPPLE);
    else
        glDisable(GL_LINE_STIPPLE);
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
void GlDraw::multMatrix(const Mat4& m) { glMultMatrixd(m.m.data()); }

void GlDraw::quadricDrawStyle(QuadricStyle style)
{
    quadricState_.style = style;
    static constexpr GLenum styles[] = {GLU_FILL, GLU_LINE, GLU_SILHOUETTE, GLU_POINT};
    gluQuadricDrawStyle(quadric_, styles[static_cast<int>(style)]);
    quadricState_.style = style;
}

void GlDraw::quadricOrientation(QuadricOrientation orientation)
{
    quadricState_.orientation = orientation;
    gluQuadricOrientation(quadric_, orientation == QuadricOrientation::Inside ? GLU_INSIDE : GLU_OUTSIDE);
    quadricState_.orientation = orientation;
}

void GlDraw::quadricNormals(QuadricNormals normals)
{
    quadricState_.normals = normals;
    static constexpr GLenum kinds[] = {GLU_SMOOTH, GLU_FLAT, GLU_NONE};
    gluQuadricNormals(quadric_, kinds[static_cast<int>(normals)]);
    quadricState_.normals = normals;
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

int GlDraw::SlicesForPixelRadius(double pixelRadius, int maxSlices)
{
    // A regular n-gon of circumradius R strays from its circle by at most
    // R (1 - cos(pi / n)), about R pi^2 / (2 n^2): half a pixel for
    // n = pi sqrt(R). Rounded up to a multiple of 4 so that few lists are made.
    const double wanted = std::numbers::pi * std::sqrt(std::max(pixelRadius, 0.0));
    int n = static_cast<int>(std::ceil(std::min(wanted, 1e4) / 4.0)) * 4;
    n = std::max(n, MinBallSlices);
    return std::min(n, maxSlices);
}

unsigned GlDraw::sphereList(double radius, int slices)
{
    const auto key = std::make_tuple(radius, slices, static_cast<int>(quadricState_.style),
                                     static_cast<int>(quadricState_.orientation),
                                     static_cast<int>(quadricState_.normals));
    if (const auto it = sphereLists_.find(key); it != sphereLists_.end())
        return it->second;
    if (sphereLists_.size() >= MaxSphereLists)
        return 0;
    const GLuint list = glGenLists(1);
    if (list == 0)
        return 0;
    glNewList(list, GL_COMPILE);
    gluSphere(quadric_, radius, slices, slices);
    glEndList();
    sphereLists_.emplace(key, list);
    return list;
}

void GlDraw::discs(std::span<const Ball> balls, int slices, const double* m, const double* projection,
                   double pixelsPerEyeUnit, bool perspective)
{
    const double modelScale = std::sqrt(m[0] * m[0] + m[1] * m[1] + m[2] * m[2]);
    // A symmetric perspective view: a ball wholly outside one of the four
    // side planes of the view is not seen and need not be sent.
    const bool cull = perspective && projection[8] == 0 && projection[9] == 0;
    const double fx = projection[0], fy = projection[5];
    const double nx = std::sqrt(fx * fx + 1), ny = std::sqrt(fy * fy + 1);
    discVertices_.clear();
    discColours_.clear();
    discIndices_.clear();
    // The unit circle for each resolution used.
    std::map<int, std::vector<std::pair<double, double>>> circles;
    for (const Ball& b : balls) {
        // The centre in eye coordinates, and the radius in eye units.
        const double cx = m[0] * b.centre.x + m[4] * b.centre.y + m[8] * b.centre.z + m[12];
        const double cy = m[1] * b.centre.x + m[5] * b.centre.y + m[9] * b.centre.z + m[13];
        const double cz = m[2] * b.centre.x + m[6] * b.centre.y + m[10] * b.centre.z + m[14];
        const double r = b.radius * modelScale;
        if (cull
            && ((fx * cx + cz) > r * nx || (-fx * cx + cz) > r * nx || (fy * cy + cz) > r * ny
                || (-fy * cy + cz) > r * ny))
            continue;
        // u: from the eye towards the centre; the disc is square to it.
        double ux = 0, uy = 0, uz = -1, px = cx, py = cy, pz = cz + r, radius = r;
        if (perspective) {
            const double d = std::sqrt(cx * cx + cy * cy + cz * cz);
            if (d <= r * 1.0001)
                continue; // the eye is inside the ball
            ux = cx / d, uy = cy / d, uz = cz / d;
            // The cone from the eye that grazes the ball meets the plane
            // through the ball's nearest point in a circle of this radius.
            const double along = d - r;
            radius = along * r / std::sqrt(d * d - r * r);
            px = ux * along, py = uy * along, pz = uz * along;
        }
        // Two directions square to u.
        double ax = -uy, ay = ux;
        const double an = std::sqrt(ax * ax + ay * ay);
        if (an < 1e-9)
            ax = 1, ay = 0;
        else
            ax /= an, ay /= an;
        const double bx = -uz * ay, by = uz * ax, bz = ux * ay - uy * ax;

        const double depth = perspective ? -pz : 1;
        const double pixelRadius = depth > 1e-9 ? radius * pixelsPerEyeUnit / depth : 1e9;
        const int n = SlicesForPixelRadius(pixelRadius, slices);
        auto& circle = circles[n];
        if (circle.empty())
            for (int k = 0; k < n; ++k) {
                const double t = 2 * std::numbers::pi * k / n;
                circle.emplace_back(std::cos(t), std::sin(t));
            }
        // A fan: the centre, then the rim.
        const auto first = static_cast<unsigned>(discVertices_.size() / 3);
        const std::size_t v = discVertices_.size();
        discVertices_.resize(v + 3 * (n + 1));
        discColours_.resize(v + 3 * (n + 1));
        float* out = discVertices_.data() + v;
        float* colour = discColours_.data() + v;
        *out++ = static_cast<float>(px), *out++ = static_cast<float>(py), *out++ = static_cast<float>(pz);
        for (const auto& [c, sn] : circle) {
            *out++ = static_cast<float>(px + radius * (c * ax + sn * bx));
            *out++ = static_cast<float>(py + radius * (c * ay + sn * by));
            *out++ = static_cast<float>(pz + radius * sn * bz);
        }
        for (int k = 0; k <= n; ++k)
            *colour++ = b.colour.r, *colour++ = b.colour.g, *colour++ = b.colour.b;
        const std::size_t i = discIndices_.size();
        discIndices_.resize(i + 3 * n);
        unsigned* index = discIndices_.data() + i;
        for (int k = 0; k < n; ++k) {
            *index++ = first;
            *index++ = first + 1 + k;
            *index++ = first + 1 + (k + 1) % n;
        }
    }
    if (!discIndices_.empty()) {
        glPushMatrix();
        glLoadIdentity();
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, discVertices_.data());
        glColorPointer(3, GL_FLOAT, 0, discColours_.data());
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(discIndices_.size()), GL_UNSIGNED_INT, discIndices_.data());
        glDisableClientState(GL_COLOR_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
        glPopMatrix();
    }
    // A colour array leaves the current colour undefined: the last ball's.
    const Colour& last = balls.back().colour;
    glColor3f(last.r, last.g, last.b);
}

void GlDraw::segments(std::span<const Segment> segments)
{
    if (segments.empty())
        return;
    segmentVertices_.resize(segments.size() * 6);
    float* out = segmentVertices_.data();
    for (const Segment& s : segments) {
        *out++ = static_cast<float>(s.from.x), *out++ = static_cast<float>(s.from.y), *out++ = static_cast<float>(s.from.z);
        *out++ = static_cast<float>(s.to.x), *out++ = static_cast<float>(s.to.y), *out++ = static_cast<float>(s.to.z);
    }
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, segmentVertices_.data());
    glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(segments.size() * 2));
    glDisableClientState(GL_VERTEX_ARRAY);
}

void GlDraw::balls(std::span<const Ball> balls, int slices)
{
    if (balls.empty())
        return;
    GLdouble modelview[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    // Model units to eye units (the scale of the modelview's first column)
    // and eye units to pixels: at unit depth for a perspective projection,
    // everywhere for a parallel one.
    const double modelScale = std::sqrt(modelview[0] * modelview[0] + modelview[1] * modelview[1]
                                        + modelview[2] * modelview[2]);
    const double pixelsPerEyeUnit = projection[5] * viewport[3] / 2.0;
    const bool perspective = projection[11] != 0;

    if (!glIsEnabled(GL_LIGHTING) && quadricState_.style == QuadricStyle::Fill) {
        discs(balls, slices, modelview, projection, pixelsPerEyeUnit, perspective);
        return;
    }

    bool first = true;
    Colour current;
    for (const Ball& b : balls) {
        if (first || !(b.colour == current)) {
            glColor3f(b.colour.r, b.colour.g, b.colour.b);
            current = b.colour;
            first = false;
        }
        double pixelRadius = b.radius * modelScale * pixelsPerEyeUnit;
        if (perspective) {
            const double depth = -(modelview[2] * b.centre.x + modelview[6] * b.centre.y
                                   + modelview[10] * b.centre.z + modelview[14]);
            pixelRadius = depth > 1e-9 ? pixelRadius / depth : 1e9;
        }
        const int n = SlicesForPixelRadius(pixelRadius, slices);
        glPushMatrix();
        glTranslated(b.centre.x, b.centre.y, b.centre.z);
        if (const unsigned list = sphereList(b.radius, n))
            glCallList(list);
        else
            gluSphere(quadric_, b.radius, n, n);
        glPopMatrix();
    }
}

} // namespace vestrel

namespace vestrel {

namespace {

// A 5 x 7 font, top row first, the leftmost pixel in bit 4; drawn twice as
// large.
struct Glyph {
    char c;
    unsigned char rows[7];
};

// Two signs of the measurements written in UTF-8 ("1,949 Å", "90,00°"),
// each drawn as one glyph.
constexpr char Degree = '\x01';
constexpr char Angstrom = '\x02';

std::string OneBytePerSign(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "\xC2\xB0") {
            out += Degree;
            ++i;
        } else if (text.substr(i, 2) == "\xC3\x85") {
            out += Angstrom;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

constexpr Glyph Font[] = {
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}}, {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}}, {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}}, {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}}, {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}}, {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'(', {0x02, 0x04, 0x08, 0x08, 0x08, 0x04, 0x02}}, {')', {0x08, 0x04, 0x02, 0x02, 0x02, 0x04, 0x08}},
    {' ', {0, 0, 0, 0, 0, 0, 0}},
    {',', {0x00, 0x00, 0x00, 0x00, 0x06, 0x02, 0x04}}, {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}},
    {Degree, {0x0C, 0x12, 0x12, 0x0C, 0x00, 0x00, 0x00}}, {Angstrom, {0x04, 0x0A, 0x04, 0x0A, 0x11, 0x1F, 0x11}},
};

constexpr int Scale = 2;
constexpr int GlyphWidth = 5 * Scale, GlyphHeight = 7 * Scale, Advance = GlyphWidth + 2 * Scale;
constexpr int BarGap = 2 * Scale;

// Rows bottom first, two bytes each, as glBitmap reads them.
std::array<unsigned char, 2 * GlyphHeight> Bitmap(const unsigned char (&rows)[7])
{
    std::array<unsigned char, 2 * GlyphHeight> out{};
    for (int r = 0; r < 7; ++r) {
        unsigned wide = 0;
        for (int b = 0; b < 5; ++b)
            if (rows[r] & (0x10 >> b))
                wide |= 0x3u << (14 - 2 * b); // two pixels from the left of 16
        for (int k = 0; k < Scale; ++k) {
            const int row = (6 - r) * Scale + k;
            out[static_cast<std::size_t>(2 * row)] = static_cast<unsigned char>(wide >> 8);
            out[static_cast<std::size_t>(2 * row + 1)] = static_cast<unsigned char>(wide & 0xFF);
        }
    }
    return out;
}

const Glyph* GlyphOf(char c)
{
    for (const Glyph& g : Font)
        if (g.c == c)
            return &g;
    return nullptr;
}

} // namespace

void GlDraw::label(const Vec3& at, std::string_view written)
{
    const std::string text = OneBytePerSign(written);
    int glyphs = 0;
    for (char c : text)
        glyphs += c != '-';
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glRasterPos3d(at.x, at.y, at.z);
    // Centred on the point.
    glBitmap(0, 0, 0, 0, static_cast<float>(-glyphs * Advance / 2), static_cast<float>(-GlyphHeight / 2), nullptr);
    static const std::array<unsigned char, 2 * Scale> bar{0xFF, 0xC0, 0xFF, 0xC0};
    bool barred = false;
    for (char c : text) {
        if (c == '-') {
            barred = true;
            continue;
        }
        const Glyph* g = GlyphOf(c);
        if (!g)
            continue;
        if (barred)
            glBitmap(GlyphWidth, Scale, 0, static_cast<float>(-(GlyphHeight + BarGap)), 0, 0, bar.data());
        barred = false;
        const auto bitmap = Bitmap(g->rows);
        glBitmap(GlyphWidth, GlyphHeight, 0, 0, Advance, 0, bitmap.data());
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}

} // namespace vestrel
