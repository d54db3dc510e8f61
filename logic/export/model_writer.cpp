// SPDX-License-Identifier: MIT
#include "logic/export/model_writer.h"

#include "logic/pictures/file_io.h"

#include <assimp/Exporter.hpp>
#include <assimp/GltfMaterial.h>
#include <assimp/config.h>
#include <assimp/material.h>
#include <assimp/scene.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include <memory>

namespace vestrel::modelexport {

namespace {

const char* assimpFormat(ModelFormat format)
{
    switch (format) {
    case ModelFormat::Glb: return "glb2";
    case ModelFormat::Stl: return "stlb";
    case ModelFormat::Obj: return "obj";
    }
    return "glb2";
}

aiMaterial* materialOf(const TriangleMesh& mesh, std::size_t index)
{
    auto* m = new aiMaterial;
    const aiString name(("material_" + std::to_string(index)).c_str());
    m->AddProperty(&name, AI_MATKEY_NAME);
    // Colours above 1 are shown as 1 on the screen.
    const auto clamp = [](float v) { return std::clamp(v, 0.0f, 1.0f); };
    const aiColor4D base(clamp(mesh.colour.r), clamp(mesh.colour.g), clamp(mesh.colour.b), mesh.opacity);
    const aiColor3D diffuse(base.r, base.g, base.b);
    m->AddProperty(&base, 1, AI_MATKEY_BASE_COLOR);
    m->AddProperty(&diffuse, 1, AI_MATKEY_COLOR_DIFFUSE);
    const float opacity = mesh.opacity;
    m->AddProperty(&opacity, 1, AI_MATKEY_OPACITY);
    if (mesh.opacity < 1) {
        const aiString blend("BLEND");
        m->AddProperty(&blend, AI_MATKEY_GLTF_ALPHAMODE);
    }
    const int twoSided = mesh.kind == MeshKind::Solid ? 0 : 1;
    m->AddProperty(&twoSided, 1, AI_MATKEY_TWOSIDED);
    return m;
}

aiMesh* meshOf(const TriangleMesh& in, unsigned material)
{
    auto* m = new aiMesh;
    m->mName = aiString(in.name.c_str());
    m->mMaterialIndex = material;
    m->mPrimitiveTypes = aiPrimitiveType_TRIANGLE;
    m->mNumVertices = static_cast<unsigned>(in.positions.size());
    m->mVertices = new aiVector3D[m->mNumVertices];
    const bool normals = in.normals.size() == in.positions.size();
    if (normals)
        m->mNormals = new aiVector3D[m->mNumVertices];
    for (unsigned i = 0; i < m->mNumVertices; ++i) {
        const Vec3& p = in.positions[i];
        m->mVertices[i] = aiVector3D(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
        if (normals) {
            const Vec3& n = in.normals[i];
            m->mNormals[i] = aiVector3D(static_cast<float>(n.x), static_cast<float>(n.y), static_cast<float>(n.z));
        }
    }
    m->mNumFaces = static_cast<unsigned>(in.triangles.size());
    m->mFaces = new aiFace[m->mNumFaces];
    for (unsigned f = 0; f < m->mNumFaces; ++f) {
        aiFace& face = m->mFaces[f];
        face.mNumIndices = 3;
        face.mIndices = new unsigned[3];
        for (unsigned c = 0; c < 3; ++c)
            face.mIndices[c] = in.triangles[f][c];
    }
    return m;
}

// Assimp's scene of the meshes that have triangles, all under the root node.
std::unique_ptr<aiScene> sceneOf(const std::vector<TriangleMesh>& meshes)
{
    std::vector<const TriangleMesh*> used;
    for (const TriangleMesh& m : meshes)
        if (!m.triangles.empty())
            used.push_back(&m);
    if (used.empty())
        return nullptr;
    auto scene = std::make_unique<aiScene>();
    scene->mRootNode = new aiNode("model");
    scene->mNumMeshes = scene->mNumMaterials = static_cast<unsigned>(used.size());
    scene->mMeshes = new aiMesh*[used.size()];
    scene->mMaterials = new aiMaterial*[used.size()];
    scene->mRootNode->mNumMeshes = scene->mNumMeshes;
    scene->mRootNode->mMeshes = new unsigned[used.size()];
    for (unsigned i = 0; i < scene->mNumMeshes; ++i) {
        scene->mMaterials[i] = materialOf(*used[i], i);
        scene->mMeshes[i] = meshOf(*used[i], i);
        scene->mRootNode->mMeshes[i] = i;
    }
    return scene;
}

QString mtlPathOf(const QString& path)
{
    const QFileInfo info(path);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".mtl"));
}

} // namespace

std::optional<ModelFormat> ModelFormatOfName(const QString& path)
{
    for (const ModelFilter& f : kModelFilters)
        if (path.endsWith(QLatin1String(f.extension), Qt::CaseInsensitive))
            return f.format;
    return std::nullopt;
}

QString WithModelExtension(const QString& path, ModelFormat format)
{
    for (const ModelFilter& f : kModelFilters)
        if (f.format == format && !path.endsWith(QLatin1String(f.extension), Qt::CaseInsensitive))
            return path + QLatin1String(f.extension);
    return path;
}

std::vector<QByteArray> EncodeModel(const std::vector<TriangleMesh>& meshes, ModelFormat format, const QString& mtlName)
{
    const std::unique_ptr<aiScene> scene = sceneOf(meshes);
    if (!scene)
        return {};
    Assimp::Exporter exporter;
    Assimp::ExportProperties properties;
    if (!mtlName.isEmpty())
        properties.SetPropertyString(AI_CONFIG_EXPORT_BLOB_NAME, QFileInfo(mtlName).completeBaseName().toStdString());
    const aiExportDataBlob* blob = exporter.ExportToBlob(scene.get(), assimpFormat(format), 0, &properties);
    std::vector<QByteArray> out;
    for (; blob; blob = blob->next)
        out.emplace_back(static_cast<const char*>(blob->data), static_cast<qsizetype>(blob->size));
    return out;
}

bool WriteModel(const std::vector<TriangleMesh>& meshes, const QString& path, ModelFormat format, QString* error)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    const QString mtl = mtlPathOf(target);
    const std::vector<QByteArray> blobs = EncodeModel(meshes, format, mtl);
    if (blobs.empty() || (format == ModelFormat::Obj && blobs.size() < 2)) {
        if (error)
            *error = meshes.empty() ? QCoreApplication::translate("ModelWriter", "Нечего сохранять: в окне не построено ни одной модели.")
                                    : QCoreApplication::translate("ModelWriter", "Не удалось построить 3D-модель для файла \"%1\".").arg(target);
        return false;
    }
    // Both files are made complete beside their targets before either
    // replaces an old one.
    AtomicFileWriter model(target);
    std::unique_ptr<AtomicFileWriter> materials;
    if (format == ModelFormat::Obj)
        materials = std::make_unique<AtomicFileWriter>(mtl);
    const auto fail = [&](const AtomicFileWriter& w) {
        if (error)
            *error = w.errorMessage();
        return false;
    };
    if (!model.open() || !model.write(blobs[0]))
        return fail(model);
    if (materials && (!materials->open() || !materials->write(blobs[1])))
        return fail(*materials);
    if (materials && !materials->commit())
        return fail(*materials);
    if (!model.commit())
        return fail(model);
    return true;
}

} // namespace vestrel::modelexport
