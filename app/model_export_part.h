// SPDX-License-Identifier: MIT
// "Сохранить 3D-модель…": the save dialog for models (the format from the
// filter or the name's ending; for STL "Для 3D-печати" and the size in
// millimetres), the export with a progress dialog, and its messages.
#pragma once

#include "frame/frame_inputs.h"
#include "logic/export/model_export.h"
#include "render/view_state.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace vestrel {

// A file name and what to write there.
struct ModelChoice {
    QString fileName;
    modelexport::ModelSettings settings;
};

class ModelExportPart : public QObject {
    Q_OBJECT
public:
    ModelExportPart(QWidget& window, std::function<FrameInputs()> frame, std::function<ViewState()> view);

    // The dialogs (Qt's by default; tests put their own answer here).
    std::function<std::optional<ModelChoice>(const ModelChoice& last)> askChoice;
    // Error and notice boxes.
    std::function<void(const QString& text, bool error)> showMessage;

    // Asks, writes with a progress dialog, reports. The result of the last
    // write.
    modelexport::ModelResult save();

private:
    std::optional<ModelChoice> askWithDialogs(const ModelChoice& last);

    QWidget& window_;
    std::function<FrameInputs()> frame_;
    std::function<ViewState()> view_;
    ModelChoice last_;
};

// The menu entry's caption, "Сохранить 3D-модель…".
QString SaveModelCaption();

} // namespace vestrel
