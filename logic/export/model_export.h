// SPDX-License-Identifier: MIT
// "Сохранить 3D-модель…": what the view shows, drawn once through the mesh
// back end in the scenes' own model frame, written as a model file, or made
// into one printable body first.
#pragma once

#include "frame/frame_inputs.h"
#include "logic/export/model_writer.h"
#include "logic/export/printable_body.h"
#include "render/mesh_draw.h"
#include "render/view_state.h"

#include <QString>

namespace vestrel::modelexport {

struct ModelSettings {
    ModelFormat format = ModelFormat::Glb;
    bool printable = false;          // "Для 3D-печати": one closed body in mm
    double sizeMm = DefaultPrintSize; // its longest edge
};

// One frame of the view drawn by the mesh back end, camera and global scale
// taken out.
MeshDraw DrawModel(const FrameInputs& inputs, const ViewState& view);

struct ModelResult {
    enum class Status { Written, Cancelled, Failed } status = Status::Failed;
    QString message;        // the error, or what the printable body lost
    std::size_t triangles = 0;
    Vec3 size;              // of the printable body, mm
    int droppedPieces = 0;
};

// Writes the model of the view to path, complete or absent. progress may
// stop the work, and then nothing is written.
ModelResult ExportModel(const FrameInputs& inputs, const ViewState& view, const ModelSettings& settings,
                        const QString& path, const Progress& progress = {});

// "Части, не связанные с основным телом, не сохранены: N." or empty.
QString DroppedPiecesMessage(int dropped);

} // namespace vestrel::modelexport
