// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include "logic/export/model_export.h"

#include "frame/frame.h"
#include "render/camera.h"

namespace vestrel::modelexport {

MeshDraw DrawModel(const FrameInputs& inputs, const ViewState& view)
{
    ViewState v = view;
    MeshDrawOptions options;
    // The frame routine sets the camera and the global scale before the
    // auxiliary elements and the scenes; their inverse brings every vertex
    // back into the scenes' model frame.
    options.toModel = ModelFrameMatrix(v).affineInverse();
    MeshDraw mesh(options);
    DrawFrame(mesh, inputs, v, false);
    return mesh;
}

QString DroppedPiecesMessage(int dropped)
{
    if (dropped <= 0)
        return {};
    return QCoreApplication::translate("ModelExport", "Части, не связанные с основным телом, не сохранены: %1.").arg(dropped);
}

ModelResult ExportModel(const FrameInputs& inputs, const ViewState& view, const ModelSettings& settings,
                        const QString& path, const Progress& progress)
{
    ModelResult result;
    const MeshDraw drawn = DrawModel(inputs, view);
    std::vector<TriangleMesh> meshes = drawn.meshes();
    if (settings.printable) {
        PrintableBody body = MakePrintableBody(drawn.parts(), settings.sizeMm, [&](double f) {
            return !progress || progress(0.9 * f);
        });
        if (progress && !progress(0.9)) {
            result.status = ModelResult::Status::Cancelled;
            return result;
        }
        if (!body.ok()) {
            result.message = QCoreApplication::translate("ModelExport", "Нечего печатать: в окне нет ни шаров, ни линий, ни граней.");
            return result;
        }
        result.size = body.size;
        result.droppedPieces = body.droppedPieces;
        meshes = {std::move(body.mesh)};
    }
    for (const TriangleMesh& m : meshes)
        result.triangles += m.triangles.size();
    if (meshes.empty() || result.triangles == 0) {
        result.message = QCoreApplication::translate("ModelExport", "Нечего сохранять: в окне не построено ни одной модели.");
        return result;
    }
    if (!WriteModel(meshes, path, settings.format, &result.message))
        return result;
    result.status = ModelResult::Status::Written;
    result.message = DroppedPiecesMessage(result.droppedPieces);
    if (progress)
        progress(1);
    return result;
}

} // namespace vestrel::modelexport
