// SPDX-License-Identifier: MIT
// The one way out to OpenGL and GLU: every call the frame routine and the
// scene blocks make goes through this interface. GlDraw sends the calls to
// the current OpenGL context; RecordingDraw keeps what was drawn for tests.
#pragma once

#include "render/geometry.h"

#include <span>
#include <string_view>

namespace vestrel {

enum class Primitive { Lines, Triangles, Quads, Polygon, LineLoop, LineStrip, Points };

enum class QuadricStyle { Fill, Line, Silhouette, Point };
enum class QuadricOrientation { Outside, Inside };
enum class QuadricNormals { Smooth, Flat, None };

// One ball of a batch: a solid sphere in a flat colour, centred in the
// current frame.
struct Ball {
    Vec3 centre;
    double radius = 1;
    Colour colour;
};

// A line from one point to another, in the current frame.
struct Segment {
    Vec3 from, to;
};
// What a primitive shows, for the shaded picture: faces of a solid are lit
// with one normal per face, mirror planes are drawn half transparent, and
// everything else (lines, axes) stays unlit in its colour.
enum class Surface { Plain, Faces, MirrorPlanes };

struct QuadricState {
    QuadricStyle style = QuadricStyle::Fill;
    QuadricOrientation orientation = QuadricOrientation::Outside;
    QuadricNormals normals = QuadricNormals::Smooth;
    bool operator==(const QuadricState&) const = default;
};

class Draw {
public:
    virtual ~Draw() = default;

    virtual void clear() = 0;                                  // colour and depth
    virtual void begin(Primitive mode) = 0;                    // glBegin
    virtual void end() = 0;                                    // glEnd
    virtual void vertex(float x, float y, float z) = 0;        // glVertex3f
    virtual void colour(float r, float g, float b) = 0;        // glColor3f
    virtual void lighting(bool on) = 0;                        // GL_LIGHTING
    virtual void lineWidth(float width) = 0;                   // glLineWidth
    // Opacity of what follows: below 1 it is blended over what is drawn and
    // leaves the depth buffer alone; 1 (the start) draws opaque again.
    virtual void opacity(float alpha) = 0;
    // Dashed lines: the pattern of glLineStipple (each bit one pixel,
    // repeated factor times) and the GL_LINE_STIPPLE switch. Both are set
    // outside begin/end and carry over until changed.
    virtual void lineStipple(int factor, unsigned short pattern) = 0;
    virtual void lineStippleEnabled(bool on) = 0;

    virtual void loadIdentity() = 0;
    virtual void pushMatrix() = 0;
    virtual void popMatrix() = 0;
    virtual void translated(double x, double y, double z) = 0; // glTranslated
    virtual void translatef(float x, float y, float z) = 0;    // glTranslatef
    virtual void rotatef(float angle, float x, float y, float z) = 0; // degrees
    virtual void scaled(double x, double y, double z) = 0;     // glScaled
    virtual void scalef(float x, float y, float z) = 0;        // glScalef
    virtual void multMatrix(const Mat4& m) = 0;                // glMultMatrixd

    // The single GLU quadric object: its state carries over between calls
    // and between frames.
    virtual void quadricDrawStyle(QuadricStyle style) = 0;
    virtual void quadricOrientation(QuadricOrientation orientation) = 0;
    virtual void quadricNormals(QuadricNormals normals) = 0;
    virtual void sphere(double radius, int slices, int stacks) = 0;
    virtual void cylinder(double baseRadius, double topRadius, double height,
                          int slices, int stacks) = 0;

    // Many balls: for each, its colour, then a sphere of its radius with
    // `slices` slices and stacks at its centre, in the quadric's current
    // state; the frame is left as it was found and the current colour is the
    // last ball's. This version makes exactly those calls; a back end may
    // draw the same picture faster, with fewer slices for balls that are
    // small on the screen.
    virtual void balls(std::span<const Ball> balls, int slices);

    // Many lines in the current colour: one GL_LINES primitive with each
    // segment's two ends. This version sends them vertex by vertex; a back
    // end may send them faster.
    virtual void segments(std::span<const Segment> segments);
    // The shaded picture ("Объёмное изображение"): balls and faces lit,
    // mirror planes half transparent. Off at start; off, nothing changes.
    virtual void shading(bool on) { (void)on; }
    // Names what the next begin..end primitive is; it holds for that one
    // primitive. Only the shaded picture uses it.
    virtual void surface(Surface kind) { (void)kind; }
    // Names the next begin..end primitive with a number of the scene's own
    // (a crystal form's face); the recording back end keeps it, the others
    // ignore it.
    virtual void primitiveTag(int tag) { (void)tag; }
    // A short text at a point of the current frame, in the current colour,
    // facing the viewer: digits, brackets, spaces, and "-" before a digit,
    // drawn as a bar over that digit.
    virtual void label(const Vec3& at, std::string_view text) { (void)at; (void)text; }
};

} // namespace vestrel
