// SPDX-License-Identifier: MIT
// The one way out to OpenGL and GLU: every call the frame routine and the
// scene blocks make goes through this interface. GlDraw sends the calls to
// the current OpenGL context; RecordingDraw keeps what was drawn for tests.
#pragma once

namespace vestrel {

enum class Primitive { Lines, Triangles, Quads, Polygon, LineLoop, LineStrip, Points };

enum class QuadricStyle { Fill, Line, Silhouette, Point };
enum class QuadricOrientation { Outside, Inside };
enum class QuadricNormals { Smooth, Flat, None };

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

    virtual void loadIdentity() = 0;
    virtual void pushMatrix() = 0;
    virtual void popMatrix() = 0;
    virtual void translated(double x, double y, double z) = 0; // glTranslated
    virtual void translatef(float x, float y, float z) = 0;    // glTranslatef
    virtual void rotatef(float angle, float x, float y, float z) = 0; // degrees
    virtual void scaled(double x, double y, double z) = 0;     // glScaled
    virtual void scalef(float x, float y, float z) = 0;        // glScalef

    // The single GLU quadric object: its state carries over between calls
    // and between frames.
    virtual void quadricDrawStyle(QuadricStyle style) = 0;
    virtual void quadricOrientation(QuadricOrientation orientation) = 0;
    virtual void quadricNormals(QuadricNormals normals) = 0;
    virtual void sphere(double radius, int slices, int stacks) = 0;
    virtual void cylinder(double baseRadius, double topRadius, double height,
                          int slices, int stacks) = 0;

    // The shaded picture ("Объёмное изображение"): balls and faces lit,
    // mirror planes half transparent. Off at start; off, nothing changes.
    virtual void shading(bool on) { (void)on; }
    // Names what the next begin..end primitive is; it holds for that one
    // primitive. Only the shaded picture uses it.
    virtual void surface(Surface kind) { (void)kind; }
};

} // namespace vestrel
