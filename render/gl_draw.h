// SPDX-License-Identifier: MIT
// The drawing layer over the OpenGL 1.1 fixed-function pipeline and GLU.
// Needs a current context; owns the one GLU quadric object of the program.
#pragma once

#include "render/camera.h"
#include "render/draw.h"

#include <map>
#include <tuple>
#include <vector>

struct GLUquadric;

namespace vestrel {

class GlDraw final : public Draw {
public:
    GlDraw();  // creates the quadric: the context must be current
    ~GlDraw() override; // deletes it: the context must still be current
    GlDraw(const GlDraw&) = delete;
    GlDraw& operator=(const GlDraw&) = delete;

    // The start state of the context: depth test, black clear colour,
    // lighting with light 0, colour material, point smoothing, emission 0.1.
    static void initialiseState();
    // Viewport and the view's perspective for a panel of w x h device pixels.
    static void setProjection(int w, int h);
    // How many quadric objects exist now, for checks that none is leaked.
    static int liveQuadrics();
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
    void opacity(float alpha) override;
    void lineStipple(int factor, unsigned short pattern) override;
    void lineStippleEnabled(bool on) override;
    void loadIdentity() override;
    void pushMatrix() override;
    void popMatrix() override;
    void translated(double x, double y, double z) override;
    void translatef(float x, float y, float z) override;
    void rotatef(float angle, float x, float y, float z) override;
    void scaled(double x, double y, double z) override;
    void scalef(float x, float y, float z) override;
    void multMatrix(const Mat4& m) override;
    void quadricDrawStyle(QuadricStyle style) override;
    void quadricOrientation(QuadricOrientation orientation) override;
    void quadricNormals(QuadricNormals normals) override;
    void sphere(double radius, int slices, int stacks) override;
    void cylinder(double baseRadius, double topRadius, double height, int slices, int stacks) override;
    // Bitmaps of a small built-in font (glRasterPos, glBitmap): only the
    // digits, brackets and the bar are needed, and no font file or text
    // library reaches below the windows.
    void label(const Vec3& at, std::string_view text) override;
    // With lighting off and a filling quadric a ball shows as a disc of flat
    // colour: each is drawn as that disc, facing the eye and touching the
    // ball's nearest point, so that it covers exactly the ball's outline and
    // hides what lies inside the ball; all in one vertex array. Otherwise
    // (lit, or a wire quadric) each ball is a sphere from a display list of
    // its radius, resolution and quadric state. Either way a ball that
    // covers few pixels gets fewer slices.
    void balls(std::span<const Ball> balls, int slices) override;
    // The segments from one vertex array.
    void segments(std::span<const Segment> segments) override;

    // The slices (and stacks) a ball of that radius in pixels is drawn with
    // by balls(), at most maxSlices: enough that the outline of the polygon
    // stays within half a pixel of the circle.
    static int SlicesForPixelRadius(double pixelRadius, int maxSlices);

    void shading(bool on) override;
    void surface(Surface kind) override;

private:
    unsigned sphereList(double radius, int slices);
    void discs(std::span<const Ball> balls, int slices, const double* modelview, const double* projection,
               double pixelsPerEyeUnit, bool perspective);

    GLUquadric* quadric_ = nullptr;
    float alpha_ = 1;
    QuadricState quadricState_; // as last set through this object
    // (radius, slices, style, orientation, normals) -> display list
    std::map<std::tuple<double, int, int, int, int>, unsigned> sphereLists_;
    std::vector<float> discVertices_; // reused from frame to frame
    std::vector<float> discColours_;
    std::vector<unsigned> discIndices_;
    std::vector<float> segmentVertices_;

    // Shaded picture: OpenGL's lighting follows what is drawn, not the
    // callers' lighting switch, which is only remembered.
    void useLighting(bool lit);
    void sendFace();

    struct FaceItem {
        bool isVertex;
        float a, b, c; // a vertex, or a colour
    };

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
