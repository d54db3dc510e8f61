// SPDX-License-Identifier: MIT
// A drawing layer that draws nothing and remembers everything: primitives with
// their vertices in the root frame (the frame the recording started in),
// spheres and cylinders with their placement, colours and quadric state.
#pragma once

#include "render/draw.h"
#include "render/geometry.h"

#include <string>
#include <vector>

namespace vestrel {

struct RecordedVertex {
    Vec3 position;   // after the current transform
    Colour colour;   // current colour when the vertex was sent
};

struct LineStippleState {
    bool enabled = false;
    int factor = 1;
    unsigned short pattern = 0xFFFF;
    bool operator==(const LineStippleState&) const = default;
};

struct RecordedPrimitive {
    Primitive mode = Primitive::Lines;
    std::vector<RecordedVertex> vertices;
    float lineWidth = 1;
    bool lighting = false;
    float opacity = 1;
    LineStippleState stipple; // in force when the primitive was begun
    Surface surface = Surface::Plain; // as named before the primitive
    bool shaded = false;              // drawn in the shaded picture
    int tag = -1;                     // as named before the primitive, or -1
};

struct RecordedLabel {
    Vec3 position; // after the current transform
    std::string text;
    Colour colour;
};

struct RecordedSolid {
    enum class Kind { Sphere, Cylinder } kind = Kind::Sphere;
    Vec3 centre;          // the origin of the current frame (base centre of a cylinder)
    Mat4 transform;       // the full current transform
    double radius = 0;    // sphere radius, or the cylinder's base radius
    double topRadius = 0; // cylinders only
    double height = 0;    // cylinders only
    int slices = 0;
    int stacks = 0;
    Colour colour;
    QuadricState quadric;
    bool lighting = false;
    bool shaded = false;  // drawn in the shaded picture
};

// One entry per call that changes what is seen, in call order.
struct RecordedEvent {
    enum class Kind { Primitive, Solid, Colour, Lighting, LineWidth, LineStipple, Clear } kind;
    std::size_t index = 0; // into primitives / solids / colours
};

class RecordingDraw final : public Draw {
public:
    RecordingDraw();

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
    void shading(bool on) override;
    void surface(Surface kind) override;
    void primitiveTag(int tag) override;
    void label(const Vec3& at, std::string_view text) override;

    // Forget what was recorded; the current state (colour, matrix, quadric,
    // lighting, line width) stays, as it does in OpenGL between frames.
    void resetRecording();

    std::vector<RecordedPrimitive> primitives;
    std::vector<RecordedSolid> solids;
    std::vector<RecordedLabel> labels;
    std::vector<Colour> colours;       // every colour call, in order
    std::vector<RecordedEvent> events;
    std::vector<std::string> errors;   // misuse: end without begin, pop of an empty stack, ...
    std::vector<QuadricState> quadricCalls; // state after every quadric state call

    Colour currentColour{1, 1, 1};
    QuadricState quadric;
    bool lightingOn = false;
    float currentLineWidth = 1;
    float currentOpacity = 1;
    LineStippleState currentStipple;
    bool shadedOn = false;
    int stackDepth() const { return static_cast<int>(stack_.size()) - 1; }
    int maxStackDepth = 0;
    const Mat4& matrix() const { return stack_.back(); }

    // Convenience views for tests.
    std::vector<const RecordedSolid*> spheres() const;
    std::vector<const RecordedSolid*> cylinders() const;
    std::vector<const RecordedPrimitive*> primitivesOf(Primitive mode) const;
    // Every GL_LINES pair of the recording, as (from, to) segments.
    std::vector<std::pair<RecordedVertex, RecordedVertex>> lineSegments() const;

private:
    void multiply(const Mat4& m);
    std::vector<Mat4> stack_;
    bool inPrimitive_ = false;
    Surface nextSurface_ = Surface::Plain;
    int nextTag_ = -1;
};

} // namespace vestrel
