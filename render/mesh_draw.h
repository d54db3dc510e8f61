// SPDX-License-Identifier: MIT
// The third back end of the drawing layer: it draws nothing and turns what
// a frame draws into triangle meshes in the model frame (spheres, cylinders
// and cones as closed surfaces, lines as thin rods, polygons as faces), one
// mesh per colour and kind, for writing 3-D models. It also keeps the solid
// pieces themselves (balls, rods, cones, faces), from which a printable body
// is made. Knows neither Qt nor any file format.
#pragma once

#include "render/draw.h"
#include "render/geometry.h"

#include <array>
#include <string>
#include <vector>

namespace vestrel {

// What a mesh shows: solids (balls, rods, cones), faces of a solid or
// other filled polygons, mirror planes (no thickness).
enum class MeshKind { Solid, Faces, MirrorPlanes };

struct TriangleMesh {
    std::string name;
    MeshKind kind = MeshKind::Solid;
    Colour colour;
    float opacity = 1;
    std::vector<Vec3> positions;
    std::vector<Vec3> normals; // one per position, of unit length
    std::vector<std::array<unsigned, 3>> triangles;
};

// The solid pieces of a frame, in the model frame.
struct SolidBall {
    Vec3 centre;
    double radius = 0;
};
// A line (radius 0: as thin as the drawing) or a quadric's cylinder or cone
// from `from` (radius r0) to `to` (radius r1).
struct SolidRod {
    Vec3 from, to;
    double r0 = 0, r1 = 0;
    bool line = false;
};
struct SolidFace {
    std::vector<Vec3> corners; // a convex polygon
    bool mirrorPlane = false;
};
struct SolidParts {
    std::vector<SolidBall> balls;
    std::vector<SolidRod> rods;
    std::vector<SolidFace> faces;
    bool empty() const { return balls.empty() && rods.empty() && faces.empty(); }
};

struct MeshDrawOptions {
    // Applied to everything drawn: the inverse of the camera and global
    // scale the frame routine sets first, so that what the scenes draw
    // lands in their own model frame.
    Mat4 toModel = Mat4::identity();
    double lineRadius = 0.35; // model units: the rods that lines become
    int maxSlices = 32;       // round parts: at most this many sides
};

class MeshDraw final : public Draw {
public:
    explicit MeshDraw(const MeshDrawOptions& options = {});

    void clear() override;
    void begin(Primitive mode) override;
    void end() override;
    void vertex(float x, float y, float z) override;
    void colour(float r, float g, float b) override;
    void lighting(bool) override {}
    void lineWidth(float) override {}
    void opacity(float alpha) override { opacity_ = alpha; }
    void lineStipple(int, unsigned short) override {}
    void lineStippleEnabled(bool) override {}
    void loadIdentity() override;
    void pushMatrix() override;
    void popMatrix() override;
    void translated(double x, double y, double z) override;
    void translatef(float x, float y, float z) override;
    void rotatef(float angle, float x, float y, float z) override;
    void scaled(double x, double y, double z) override;
    void scalef(float x, float y, float z) override;
    void multMatrix(const Mat4& m) override;
    void quadricDrawStyle(QuadricStyle) override {}
    void quadricOrientation(QuadricOrientation) override {}
    void quadricNormals(QuadricNormals) override {}
    void sphere(double radius, int slices, int stacks) override;
    void cylinder(double baseRadius, double topRadius, double height, int slices, int stacks) override;
    void surface(Surface kind) override { nextSurface_ = kind; }

    const std::vector<TriangleMesh>& meshes() const { return meshes_; }
    const SolidParts& parts() const { return parts_; }
    std::size_t triangleCount() const;

private:
    Mat4 current() const { return options_.toModel * stack_.back(); }
    TriangleMesh& meshFor(MeshKind kind);
    void addRod(const Vec3& from, const Vec3& to, double r0, double r1, bool line);
    void addPolygon(const std::vector<Vec3>& corners, bool mirror);
    void finishLines(const std::vector<Vec3>& v, Primitive mode);
    void finishFaces(const std::vector<Vec3>& v, Primitive mode, bool mirror);

    MeshDrawOptions options_;
    std::vector<Mat4> stack_;
    Colour colour_{1, 1, 1};
    float opacity_ = 1;
    Surface nextSurface_ = Surface::Plain;
    Surface primitiveSurface_ = Surface::Plain;
    Primitive mode_ = Primitive::Lines;
    bool inPrimitive_ = false;
    std::vector<Vec3> vertices_;
    std::vector<TriangleMesh> meshes_;
    SolidParts parts_;
};

// Every edge of the mesh shared by exactly two of its triangles.
bool IsWatertight(const TriangleMesh& mesh);
// How many separate pieces (sets of triangles joined through shared
// vertices) the mesh has.
int ConnectedBodies(const TriangleMesh& mesh);
// For each vertex, a representative vertex of the body it belongs to
// (vertices joined through triangles share it).
std::vector<unsigned> BodyOfEachVertex(const TriangleMesh& mesh);

} // namespace vestrel
