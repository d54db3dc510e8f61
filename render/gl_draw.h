// SPDX-License-Identifier: MIT
// The drawing layer over the OpenGL 1.1 fixed-function pipeline and GLU.
// Needs a current context; owns the one GLU quadric object of the program.
#pragma once

#include "render/draw.h"

#include <vector>

struct GLUquadric;

namespace vestrel {

// The perspective of the view: vertical field of view in degrees, near and
// far planes in eye units.
constexpr double FieldOfViewY = 30;
constexpr double NearPlane = 1;
constexpr double FarPlane = 200;

class GlDraw final : public Draw {
public:
    GlDraw();  // creates the quadric: the context must be current
    ~GlDraw() override; // deletes it: the context must still be current
    GlDraw(const GlDraw&) = delete;
    GlDraw& operator=(const GlDraw&) = delete;

    // The start state of the context: depth test, black clear colour,
    // lighting with light 0, colour material, point smoothing, emission 0.1.
    static void initialiseState();
    // Viewport and a 30 degree perspective for a panel of w x h device pixels.
    static void setProjection(int w, int h);
    // Viewport of w x h pixels showing the part [left, right] x [bottom, top]
    // of the near plane of the same perspective (one tile of a large picture).
    static void setFrustum(int w, int h, double left, double right, double bottom, double top);

    // Every line width is multiplied by the factor, so a picture larger than
    // the panel keeps its lines in proportion. 1 at start.
    void setLineScale(float factor);
    float lineScale() const { return lineScale_; }

    // What a frame inherits from the frame before: the line width and the
    // quadric's state. A picture drawn in tiles starts every tile from the
    // same state.
    struct CarriedState {
        float lineWidth = 1;
        QuadricState quadric;
    };
    CarriedState carriedState() const { return {lineWidth_, quadricState_}; }
    void restoreCarriedState(const CarriedState& state);

    void clear() override;
    void begin(Primitive mode) override;
    void end() override;
    void vertex(float x, float y, float z) override;
    void colour(float r, float g, float b) override;
    void lighting(bool on) override;
    void lineWidth(float width) override;
    void loadIdentity() override;
    void pushMatrix() override;
    void popMatrix() override;
    void translated(double x, double y, double z) override;
    void translatef(float x, float y, float z) override;
    void rotatef(float angle, float x, float y, float z) override;
    void scaled(double x, double y, double z) override;
    void scalef(float x, float y, float z) override;
    void quadricDrawStyle(QuadricStyle style) override;
    void quadricOrientation(QuadricOrientation orientation) override;
    void quadricNormals(QuadricNormals normals) override;
    void sphere(double radius, int slices, int stacks) override;
    void cylinder(double baseRadius, double topRadius, double height, int slices, int stacks) override;
    void shading(bool on) override;
    void surface(Surface kind) override;

private:
    // Shaded picture: OpenGL's lighting follows what is drawn, not the
    // callers' lighting switch, which is only remembered.
    void useLighting(bool lit);
    void sendFace();

    struct FaceItem {
        bool isVertex;
        float a, b, c; // a vertex, or a colour
    };

    GLUquadric* quadric_ = nullptr;
    QuadricState quadricState_;
    float lineWidth_ = 1; // as the callers set it (OpenGL starts at 1)
    float lineScale_ = 1;
    bool shaded_ = false;
    bool callerLighting_ = true; // initialiseState switches lighting on
    bool glLighting_ = true;
    Surface nextSurface_ = Surface::Plain;
    // The open primitive of the shaded picture.
    bool litFaces_ = false;      // faces: each sent with its own normal
    bool translucent_ = false;   // mirror planes: blended, no depth writes
    int faceSize_ = 0;           // vertices per face; 0: the whole primitive
    std::vector<FaceItem> face_; // the face being gathered
    int faceVertices_ = 0;
};

} // namespace vestrel
