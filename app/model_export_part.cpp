// SPDX-License-Identifier: MIT
#include "app/model_export_part.h"

#include "app/picture_part.h"
#include "logic/picture_commands.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QMessageBox>

namespace vestrel {

using modelexport::ModelFormat;

QString SaveModelCaption() { return QCoreApplication::translate("ModelExportPart", "Сохранить 3D-модель…"); }

namespace {

QStringList filterEntries()
{
    QStringList entries;
    for (const auto& f : modelexport::kModelFilters)
        entries << QCoreApplication::translate("ModelWriter", f.entry);
    return entries;
}

// "Для 3D-печати" and the size of the longest edge; false when cancelled.
bool askPrintOptions(QWidget* parent, modelexport::ModelSettings& settings)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("modelOptionsDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("ModelExportPart", "3D-модель STL"));
    auto* form = new QFormLayout(&dialog);
    auto* printable = new QCheckBox(QCoreApplication::translate("ModelExportPart", "Для 3D-печати"), &dialog);
    printable->setObjectName(QStringLiteral("printableBox"));
    printable->setChecked(settings.printable);
    auto* size = new QDoubleSpinBox(&dialog);
    size->setObjectName(QStringLiteral("printSizeBox"));
    size->setRange(modelexport::MinPrintSize, modelexport::MaxPrintSize);
    size->setDecimals(0);
    size->setSuffix(QCoreApplication::translate("ModelExportPart", " мм"));
    size->setValue(settings.sizeMm);
    size->setEnabled(settings.printable);
    QObject::connect(printable, &QCheckBox::toggled, size, &QWidget::setEnabled);
    form->addRow(printable);
    form->addRow(QCoreApplication::translate("ModelExportPart", "Длина по наибольшей стороне:"), size);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings.printable = printable->isChecked();
    settings.sizeMm = size->value();
    return true;
}

} // namespace

ModelExportPart::ModelExportPart(QWidget& window, std::function<FrameInputs()> frame, std::function<ViewState()> view)
    : QObject(&window), window_(window), frame_(std::move(frame)), view_(std::move(view))
{
    setObjectName(QStringLiteral("modelExportPart"));
    askChoice = [this](const ModelChoice& last) { return askWithDialogs(last); };
    showMessage = [this](const QString& text, bool error) {
        QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Information, ProgramCaption(), text,
                        QMessageBox::Ok, &window_);
        box.exec();
    };
}

std::optional<ModelChoice> ModelExportPart::askWithDialogs(const ModelChoice& last)
{
    const QStringList entries = filterEntries();
    QFileDialog dialog(&window_, SaveModelCaption());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(entries);
    dialog.selectNameFilter(entries.value(static_cast<int>(last.settings.format)));
    if (!last.fileName.isEmpty())
        dialog.selectFile(last.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    ModelChoice choice = last;
    choice.fileName = dialog.selectedFiles().first();
    // A name's own ending chooses the format; else the filter's.
    if (const auto named = modelexport::ModelFormatOfName(choice.fileName)) {
        choice.settings.format = *named;
    } else {
        const auto index = entries.indexOf(dialog.selectedNameFilter());
        choice.settings.format = index >= 0 ? modelexport::kModelFilters[static_cast<std::size_t>(index)].format
                                            : last.settings.format;
        choice.fileName = modelexport::WithModelExtension(choice.fileName, choice.settings.format);
    }
    if (choice.settings.format != ModelFormat::Stl) {
        choice.settings.printable = false;
        return choice;
    }
    if (!askPrintOptions(&window_, choice.settings))
        return std::nullopt;
    return choice;
}

modelexport::ModelResult ModelExportPart::save()
{
    const std::optional<ModelChoice> choice = askChoice(last_);
    if (!choice) {
        modelexport::ModelResult cancelled;
        cancelled.status = modelexport::ModelResult::Status::Cancelled;
        return cancelled;
    }
    last_ = *choice;
    ProgressWindow progress(&window_, QCoreApplication::translate("ModelExportPart", "Сохранение 3D-модели…"));
    const modelexport::ModelResult result = modelexport::ExportModel(
        frame_(), view_(), choice->settings, choice->fileName, [&](double f) { return progress.report(f); });
    progress.finish();
    if (result.status == modelexport::ModelResult::Status::Failed)
        showMessage(result.message, true);
    else if (result.status == modelexport::ModelResult::Status::Written && !result.message.isEmpty())
        showMessage(result.message, false);
    return result;
}

} // namespace vestrel
