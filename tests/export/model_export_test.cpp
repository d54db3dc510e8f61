// SPDX-License-Identifier: MIT
// 3-D models of the view: read back through Assimp's importer, compared with
// what the recording back end says the frame drew, printable bodies checked
// for closed and connected surfaces, and writes complete or absent.
#include "frame/frame.h"
#include "logic/export/model_export.h"
#include "logic/pictures/file_io.h"
#include "render/recording_draw.h"
#include "tools/render/frame_dump.h"

#include <assimp/Importer.hpp>
#include <assimp/material.h>
#include <assimp/scene.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <map>

namespace vestrel::modelexport {
namespace {

FrameInputs sceneInputs(SceneId id, bool axes = false)
{
    FrameInputs in;
    in.scenes[index(id)] = true;
    in.display.showSymAxes = axes;
    in.display.showSymPlanes = false;
    return in;
}

ViewState startView() { return ViewState{}; }

struct Bounds {
    Vec3 lo{1e9, 1e9, 1e9}, hi{-1e9, -1e9, -1e9};
    void add(const Vec3& p, double r)
    {
        lo = {std::min(lo.x, p.x - r), std::min(lo.y, p.y - r), std::min(lo.z, p.z - r)};
        hi = {std::max(hi.x, p.x + r), std::max(hi.y, p.y + r), std::max(hi.z, p.z + r)};
    }
};

// What the recording back end puts in the model frame: balls with their
// radii, line ends (thickened by the rods' radius), cones and polygons.
Bounds recordedBounds(const FrameInputs& in, double lineRadius)
{
    ViewState view = startView();
    RecordingDraw gl;
    DrawFrame(gl, in, view, false);
    const FrameDump dump = ToModelFrame(gl, view);
    Bounds b;
    for (const auto& s : dump.spheres)
        b.add(s.centre, s.radius);
    for (const auto& l : dump.lines) {
        b.add(l.from, lineRadius);
        b.add(l.to, lineRadius);
    }
    for (const auto& c : dump.cones) {
        b.add(c.tip, 0);
        b.add(c.base, c.radius);
    }
    for (const auto& p : dump.polygons)
        for (const Vec3& v : p.vertices)
            b.add(v, 0);
    return b;
}

const aiScene* import(Assimp::Importer& importer, const QString& path, unsigned flags = 0)
{
    const aiScene* scene = importer.ReadFile(QFile::encodeName(path).toStdString(), flags);
    EXPECT_NE(scene, nullptr) << importer.GetErrorString();
    return scene;
}

// The glTF round trip: a mesh for each colour drawn, every vertex within
// the bounds of what was drawn and reaching them, and the element colours
// of rock salt, Na (0.7, 0, 0) and Cl (0, 0, 1), as materials.
TEST(ModelExport, GltfObjAndStlReadBackWithTheirMeshesBoundsAndColours)
{
    QTemporaryDir dir;
    const FrameInputs in = sceneInputs(SceneId::RockSalt);
    const MeshDraw drawn = DrawModel(in, startView());
    const Bounds expected = recordedBounds(in, MeshDrawOptions{}.lineRadius);
    for (const ModelFormat format : {ModelFormat::Glb, ModelFormat::Obj, ModelFormat::Stl}) {
        SCOPED_TRACE(static_cast<int>(format));
        const QString path = WithModelExtension(dir.filePath("nacl"), format);
        ModelSettings settings;
        settings.format = format;
        const ModelResult result = ExportModel(in, startView(), settings, path);
        ASSERT_EQ(result.status, ModelResult::Status::Written) << result.message.toStdString();
        Assimp::Importer importer;
        const aiScene* scene = import(importer, path);
        ASSERT_TRUE(scene);
        if (format != ModelFormat::Stl) {
            EXPECT_EQ(scene->mNumMeshes, drawn.meshes().size());
        }
        Bounds got;
        std::size_t triangles = 0;
        for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
            const aiMesh* mesh = scene->mMeshes[m];
            triangles += mesh->mNumFaces;
            for (unsigned v = 0; v < mesh->mNumVertices; ++v)
                got.add({mesh->mVertices[v].x, mesh->mVertices[v].y, mesh->mVertices[v].z}, 0);
        }
        EXPECT_EQ(triangles, result.triangles);
        for (int axis = 0; axis < 3; ++axis) {
            const auto pick = [axis](const Vec3& p) { return axis == 0 ? p.x : axis == 1 ? p.y : p.z; };
            EXPECT_GE(pick(got.lo), pick(expected.lo) - 1e-3);
            EXPECT_LE(pick(got.hi), pick(expected.hi) + 1e-3);
            EXPECT_NEAR(pick(got.lo), pick(expected.lo), 0.1); // the balls' polygons nearly reach the circle
            EXPECT_NEAR(pick(got.hi), pick(expected.hi), 0.1);
        }
        if (format == ModelFormat::Stl)
            continue;
        std::vector<Colour> colours;
        for (unsigned i = 0; i < scene->mNumMaterials; ++i) {
            aiColor4D c;
            if (scene->mMaterials[i]->Get(AI_MATKEY_BASE_COLOR, c) == AI_SUCCESS
                || scene->mMaterials[i]->Get(AI_MATKEY_COLOR_DIFFUSE, c) == AI_SUCCESS)
                colours.push_back({c.r, c.g, c.b});
        }
        for (const Colour want : {Colour{0.7f, 0, 0}, Colour{0, 0, 1}}) {
            const bool found = std::any_of(colours.begin(), colours.end(), [&](const Colour& c) {
                return std::abs(c.r - want.r) < 1e-3 && std::abs(c.g - want.g) < 1e-3 && std::abs(c.b - want.b) < 1e-3;
            });
            EXPECT_TRUE(found) << want.r << " " << want.g << " " << want.b;
        }
    }
}

// The model is in the scene's own frame: turning, shifting and moving the
// camera away changes nothing in it.
TEST(ModelExport, TheCameraDoesNotMoveTheModel)
{
    const FrameInputs in = sceneInputs(SceneId::Cube, true);
    ViewState turned;
    turned.RotY = 75;
    turned.RotX = -40;
    turned.PanX = 3;
    turned.PanY = 5;
    turned.Distance = 120;
    const MeshDraw a = DrawModel(in, startView()), b = DrawModel(in, turned);
    ASSERT_EQ(a.meshes().size(), b.meshes().size());
    for (std::size_t m = 0; m < a.meshes().size(); ++m) {
        ASSERT_EQ(a.meshes()[m].positions.size(), b.meshes()[m].positions.size());
        for (std::size_t v = 0; v < a.meshes()[m].positions.size(); ++v)
            EXPECT_LT(distance(a.meshes()[m].positions[v], b.meshes()[m].positions[v]), 1e-3);
    }
}

// Volume by the divergence theorem; positive when the triangles face out.
double volumeOf(const TriangleMesh& mesh)
{
    double v = 0;
    for (const auto& t : mesh.triangles)
        v += dot(mesh.positions[t[0]], cross(mesh.positions[t[1]], mesh.positions[t[2]])) / 6;
    return v;
}

// Rock salt and the cube with its symmetry axes print as one closed body
// whose longest edge is the size asked for; the solid cube (its axes off)
// has the volume of a cube of its edge.
TEST(ModelExport, PrintableBodiesAreClosedConnectedAndOfTheirSize)
{
    struct Case {
        SceneId scene;
        bool axes;
        double size;
    };
    for (const Case c : {Case{SceneId::RockSalt, false, 100}, Case{SceneId::Cube, true, 100}, Case{SceneId::Cube, false, 60}}) {
        SCOPED_TRACE(index(c.scene));
        const MeshDraw drawn = DrawModel(sceneInputs(c.scene, c.axes), startView());
        const PrintableBody body = MakePrintableBody(drawn.parts(), c.size);
        ASSERT_TRUE(body.ok());
        EXPECT_TRUE(IsWatertight(body.mesh));
        EXPECT_EQ(ConnectedBodies(body.mesh), 1);
        EXPECT_EQ(body.droppedPieces, 0);
        EXPECT_NEAR(std::max({body.size.x, body.size.y, body.size.z}), c.size, 1.0);
        EXPECT_GT(volumeOf(body.mesh), 0);
        if (c.scene == SceneId::Cube) {
            // Mirror planes have no thickness: they add nothing to the body.
            FrameInputs planes = sceneInputs(c.scene, c.axes);
            planes.display.showSymPlanes = true;
            const MeshDraw withPlanes = DrawModel(planes, startView());
            ASSERT_GT(withPlanes.parts().faces.size(), drawn.parts().faces.size());
            EXPECT_EQ(MakePrintableBody(withPlanes.parts(), c.size).mesh.triangles.size(), body.mesh.triangles.size());
        }
        if (c.scene == SceneId::Cube && !c.axes) {
            // The edges' rods stand out by half a line's thickness on every side.
            const double edge = body.size.x - MinLineDiameter;
            EXPECT_NEAR(volumeOf(body.mesh) / (edge * edge * edge), 1.0, 0.05);
        }
    }
}

// The printable STL read back: one body, closed once its corners are joined.
void printableStlReadsBackClosed(SceneId id)
{
    SCOPED_TRACE(index(id));
    QTemporaryDir dir;
    ModelSettings settings;
    settings.format = ModelFormat::Stl;
    settings.printable = true;
    const QString path = dir.filePath("cube.stl");
    const ModelResult result = ExportModel(sceneInputs(id, true), startView(), settings, path);
    ASSERT_EQ(result.status, ModelResult::Status::Written) << result.message.toStdString();
    Assimp::Importer importer;
    const aiScene* scene = import(importer, path);
    ASSERT_TRUE(scene);
    // STL keeps three corners per triangle: corners at the same point are
    // one vertex.
    TriangleMesh mesh;
    std::map<std::array<float, 3>, unsigned> joined;
    const auto vertexAt = [&](const aiVector3D& p) {
        const auto [it, added] = joined.try_emplace({p.x, p.y, p.z}, static_cast<unsigned>(mesh.positions.size()));
        if (added)
            mesh.positions.push_back({p.x, p.y, p.z});
        return it->second;
    };
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
        const aiMesh* in = scene->mMeshes[m];
        for (unsigned f = 0; f < in->mNumFaces; ++f) {
            const unsigned* c = in->mFaces[f].mIndices;
            mesh.triangles.push_back({vertexAt(in->mVertices[c[0]]), vertexAt(in->mVertices[c[1]]),
                                      vertexAt(in->mVertices[c[2]])});
        }
    }
    EXPECT_EQ(mesh.triangles.size(), result.triangles);
    EXPECT_TRUE(IsWatertight(mesh));
    EXPECT_EQ(ConnectedBodies(mesh), 1);
}

TEST(ModelExport, PrintableStlIsOneClosedBodyInTheFile)
{
    for (const SceneId id : {SceneId::RockSalt, SceneId::Cube})
        printableStlReadsBackClosed(id);
}

QByteArray contentsOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A disk that fills up half-way, and a printable body stopped half-way,
// leave the old files as they were and nothing beside them.
TEST(ModelExport, FailedOrStoppedWritesLeaveTheOldFiles)
{
    QTemporaryDir dir;
    const FrameInputs in = sceneInputs(SceneId::RockSalt);
    for (const ModelFormat format : {ModelFormat::Glb, ModelFormat::Obj, ModelFormat::Stl}) {
        SCOPED_TRACE(static_cast<int>(format));
        const QString path = WithModelExtension(dir.filePath("old"), format);
        const QString mtl = dir.filePath("old.mtl");
        ASSERT_TRUE(WriteFileAtomically(path, "old model", nullptr));
        ASSERT_TRUE(WriteFileAtomically(mtl, "old materials", nullptr));
        ModelSettings settings;
        settings.format = format;
        {
            const ScopedWriteFault full(WriteFault{0, 4000, ENOSPC});
            const ModelResult result = ExportModel(in, startView(), settings, path);
            EXPECT_EQ(result.status, ModelResult::Status::Failed);
            EXPECT_TRUE(result.message.startsWith("Cannot create file")) << result.message.toStdString();
        }
        settings.printable = true;
        int calls = 0;
        const ModelResult stopped = ExportModel(in, startView(), settings, path, [&](double f) {
            ++calls;
            return f < 0.5;
        });
        EXPECT_EQ(stopped.status, ModelResult::Status::Cancelled);
        EXPECT_GT(calls, 1);
        EXPECT_EQ(contentsOf(path), "old model");
        EXPECT_EQ(contentsOf(mtl), "old materials");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << QDir(dir.path()).entryList(QDir::Files).join(' ').toStdString();
        QFile::remove(path);
        QFile::remove(mtl);
    }
}

} // namespace
} // namespace vestrel::modelexport
