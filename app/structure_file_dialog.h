// SPDX-License-Identifier: MIT
// The dialog of "Открыть структуру…": CIF files first, every file on request.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QFileDialog;
class QWidget;

namespace vestrel {

// "Файлы CIF (*.cif)", "Все файлы (*)".
QStringList StructureFileFilters();

// The dialog, not yet shown, opened in `folder` (an empty folder: the
// dialog's own choice), choosing one existing file.
std::unique_ptr<QFileDialog> MakeStructureFileDialog(QWidget* parent, const QString& folder);

} // namespace vestrel
