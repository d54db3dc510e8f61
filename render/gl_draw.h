// SPDX-License-Identifier: MIT
// The drawing layer over the OpenGL 1.1 fixed-function pipeline and GLU.
// Needs a current context; owns the one GLU quadric object of the program.
#pragma once

#include "render/draw.h"

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
    // Viewport and a 30 degree perspective for a panel of w x h device pixels.
    static void setProjection(int w, int h);
    // How many quadric objects exist now, for checks that none is leaked.
    static int liveQuadrics();

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

private:
    GLUquadric* quadric_ = nullptr;
};

} // namespace vestrel
