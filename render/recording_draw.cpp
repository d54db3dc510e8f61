// SPDX-License-Identifier: MIT
#include "render/recording_draw.h"

namespace vestrel {

RecordingDraw::RecordingDraw() : stack_{Mat4::identity()} {}

void RecordingDraw::clear()
{
    events.push_back({RecordedEvent::Kind::Clear, 0});
}

void RecordingDraw::begin(Primitive mode)
{
    if (inPrimitive_)
        errors.push_back("begin inside begin");
    inPrimitive_ = true;
    RecordedPrimitive p;
    p.mode = mode;
    p.lineWidth = currentLineWidth;
    p.lighting = lightingOn;
    p.opacity = currentOpacity;
    p.stipple = currentStipple;
    p.surface = nextSurface_;
    p.shaded = shadedOn;
    p.tag = nextTag_;
    nextSurface_ = Surface::Plain;
    nextTag_ = -1;
    primitives.push_back(std::move(p));
    events.push_back({RecordedEvent::Kind::Primitive, primitives.size() - 1});
}

void RecordingDraw::end()
{
    if (!inPrimitive_)
        errors.push_back("end without begin");
    inPrimitive_ = false;
}

void RecordingDraw::vertex(float x, float y, float z)
{
    if (!inPrimitive_) {
        errors.push_back("vertex outside begin/end");
        return;
    }
    primitives.back().vertices.push_back({matrix().apply({x, y, z}), currentColour});
}

void RecordingDraw::colour(float r, float g, float b)
{
    currentColour = {r, g, b};
    colours.push_back(currentColour);
    events.push_back({RecordedEvent::Kind::Colour, colours.size() - 1});
}

void RecordingDraw::opacity(float alpha)
{
    if (inPrimitive_)
        errors.push_back("opacity set inside begin/end");
    currentOpacity = alpha;
}

void RecordingDraw::lighting(bool on)
{
    if (inPrimitive_)
        errors.push_back("lighting switched inside begin/end");
    lightingOn = on;
    events.push_back({RecordedEvent::Kind::Lighting, on ? 1u : 0u});
}

void RecordingDraw::lineWidth(float width)
{
    if (inPrimitive_)
        errors.push_back("line width set inside begin/end");
    currentLineWidth = width;
    events.push_back({RecordedEvent::Kind::LineWidth, 0});
}

void RecordingDraw::lineStipple(int factor, unsigned short pattern)
{
    if (inPrimitive_)
        errors.push_back("line stipple set inside begin/end");
    currentStipple.factor = factor;
    currentStipple.pattern = pattern;
    events.push_back({RecordedEvent::Kind::LineStipple, 0});
}

void RecordingDraw::lineStippleEnabled(bool on)
{
    if (inPrimitive_)
        errors.push_back("line stipple switched inside begin/end");
    currentStipple.enabled = on;
    events.push_back({RecordedEvent::Kind::LineStipple, on ? 1u : 0u});
}

void RecordingDraw::loadIdentity() { stack_.back() = Mat4::identity(); }

void RecordingDraw::pushMatrix()
{
    stack_.push_back(stack_.back());
    if (stackDepth() > maxStackDepth)
        maxStackDepth = stackDepth();
}

void RecordingDraw::popMatrix()
{
    if (stack_.size() <= 1) {
        errors.push_back("pop of an empty matrix stack");
        return;
    }
    stack_.pop_back();
}

void RecordingDraw::multiply(const Mat4& m)
{
    if (inPrimitive_)
        errors.push_back("matrix changed inside begin/end");
    stack_.back() = stack_.back() * m;
}

void RecordingDraw::translated(double x, double y, double z) { multiply(Mat4::translation(x, y, z)); }
void RecordingDraw::translatef(float x, float y, float z) { multiply(Mat4::translation(x, y, z)); }
void RecordingDraw::rotatef(float angle, float x, float y, float z) { multiply(Mat4::rotation(angle, x, y, z)); }
void RecordingDraw::scaled(double x, double y, double z) { multiply(Mat4::scaling(x, y, z)); }
void RecordingDraw::scalef(float x, float y, float z) { multiply(Mat4::scaling(x, y, z)); }

void RecordingDraw::quadricDrawStyle(QuadricStyle style)
{
    quadric.style = style;
    quadricCalls.push_back(quadric);
}

void RecordingDraw::multMatrix(const Mat4& m) { multiply(m); }

void RecordingDraw::quadricOrientation(QuadricOrientation orientation)
{
    quadric.orientation = orientation;
    quadricCalls.push_back(quadric);
}

void RecordingDraw::quadricNormals(QuadricNormals normals)
{
    quadric.normals = normals;
    quadricCalls.push_back(quadric);
}

void RecordingDraw::sphere(double radius, int slices, int stacks)
{
    if (inPrimitive_)
        errors.push_back("sphere inside begin/end");
    RecordedSolid s;
    s.kind = RecordedSolid::Kind::Sphere;
    s.centre = matrix().apply({0, 0, 0});
    s.transform = matrix();
    s.radius = radius;
    s.slices = slices;
    s.stacks = stacks;
    s.colour = currentColour;
    s.quadric = quadric;
    s.lighting = lightingOn;
    s.shaded = shadedOn;
    solids.push_back(s);
    events.push_back({RecordedEvent::Kind::Solid, solids.size() - 1});
}

void RecordingDraw::cylinder(double baseRadius, double topRadius, double height, int slices, int stacks)
{
    if (inPrimitive_)
        errors.push_back("cylinder inside begin/end");
    RecordedSolid s;
    s.kind = RecordedSolid::Kind::Cylinder;
    s.centre = matrix().apply({0, 0, 0});
    s.transform = matrix();
    s.radius = baseRadius;
    s.topRadius = topRadius;
    s.height = height;
    s.slices = slices;
    s.stacks = stacks;
    s.colour = currentColour;
    s.quadric = quadric;
    s.lighting = lightingOn;
    s.shaded = shadedOn;
    solids.push_back(s);
    events.push_back({RecordedEvent::Kind::Solid, solids.size() - 1});
}

void RecordingDraw::shading(bool on)
{
    if (inPrimitive_)
        errors.push_back("shading switched inside begin/end");
    shadedOn = on;
}

void RecordingDraw::surface(Surface kind)
{
    if (inPrimitive_)
        errors.push_back("surface named inside begin/end");
    nextSurface_ = kind;
}

void RecordingDraw::primitiveTag(int tag)
{
    if (inPrimitive_)
        errors.push_back("primitive tagged inside begin/end");
    nextTag_ = tag;
}

void RecordingDraw::label(const Vec3& at, std::string_view text)
{
    if (inPrimitive_)
        errors.push_back("label inside begin/end");
    labels.push_back({matrix().apply(at), std::string(text), currentColour});
}

void RecordingDraw::resetRecording()
{
    primitives.clear();
    labels.clear();
    solids.clear();
    colours.clear();
    events.clear();
    errors.clear();
    quadricCalls.clear();
    maxStackDepth = stackDepth();
}

std::vector<const RecordedSolid*> RecordingDraw::spheres() const
{
    std::vector<const RecordedSolid*> out;
    for (const auto& s : solids)
        if (s.kind == RecordedSolid::Kind::Sphere)
            out.push_back(&s);
    return out;
}

std::vector<const RecordedSolid*> RecordingDraw::cylinders() const
{
    std::vector<const RecordedSolid*> out;
    for (const auto& s : solids)
        if (s.kind == RecordedSolid::Kind::Cylinder)
            out.push_back(&s);
    return out;
}

std::vector<const RecordedPrimitive*> RecordingDraw::primitivesOf(Primitive mode) const
{
    std::vector<const RecordedPrimitive*> out;
    for (const auto& p : primitives)
        if (p.mode == mode)
            out.push_back(&p);
    return out;
}

std::vector<std::pair<RecordedVertex, RecordedVertex>> RecordingDraw::lineSegments() const
{
    std::vector<std::pair<RecordedVertex, RecordedVertex>> out;
    for (const auto& p : primitives)
        if (p.mode == Primitive::Lines)
            for (std::size_t i = 0; i + 1 < p.vertices.size(); i += 2)
                out.emplace_back(p.vertices[i], p.vertices[i + 1]);
    return out;
}

} // namespace vestrel
