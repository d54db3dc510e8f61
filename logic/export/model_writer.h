// SPDX-License-Identifier: MIT
// 3-D model files written through Assimp: glTF 2.0 binary (.glb), binary
// STL and Wavefront OBJ with its MTL, each complete or absent.
#pragma once

#include "render/mesh_draw.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace vestrel::modelexport {

enum class ModelFormat { Glb, Stl, Obj };

struct ModelFilter {
    const char* entry;     // as the save dialog lists it (UTF-8)
    const char* extension; // appended to a name that lacks it
    ModelFormat format;
};

inline constexpr std::array<ModelFilter, 3> kModelFilters = {{
    {QT_TRANSLATE_NOOP("ModelWriter", "Модель glTF (*.glb)"), ".glb", ModelFormat::Glb},
    {QT_TRANSLATE_NOOP("ModelWriter", "Модель STL (*.stl)"), ".stl", ModelFormat::Stl},
    {QT_TRANSLATE_NOOP("ModelWriter", "Модель OBJ (*.obj)"), ".obj", ModelFormat::Obj},
}};

// The format a file name's ending names; none for another ending.
std::optional<ModelFormat> ModelFormatOfName(const QString& path);
// The name with the format's ending, unless it already has it.
QString WithModelExtension(const QString& path, ModelFormat format);

// The meshes as one model, one material per mesh (its colour and opacity).
// For OBJ the materials go into "<name>.mtl" beside it. On failure returns
// false and sets *error to a message for the user; no file is left.
bool WriteModel(const std::vector<TriangleMesh>& meshes, const QString& path, ModelFormat format, QString* error);

// The model's bytes as Assimp makes them: the file, then (OBJ) the MTL file
// that the first names mtlName. Empty on failure.
std::vector<QByteArray> EncodeModel(const std::vector<TriangleMesh>& meshes, ModelFormat format,
                                    const QString& mtlName = QString());

} // namespace vestrel::modelexport
