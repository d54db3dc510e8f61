// SPDX-License-Identifier: MIT
#include "app/structure_file_part.h"

#include "app/catalogue_part.h"
#include "app/gl_panel.h"
#include "app/structure_file_dialog.h"
#include "logic/cif/loaded_structure.h"
#include "logic/hints.h"
#include "logic/options.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QUrl>

namespace vestrel {

namespace {

constexpr int MinCells = 1;
constexpr int MaxCells = 4;

} // namespace

QStringList StructureFileFilters()
{
    return {QCoreApplication::translate("StructureFilePart", "Файлы CIF (*.cif)"), QCoreApplication::translate("StructureFilePart", "Все файлы (*)")};
}

std::unique_ptr<QFileDialog> MakeStructureFileDialog(QWidget* parent, const QString& folder)
{
    auto dialog = std::make_unique<QFileDialog>(parent, QCoreApplication::translate("StructureFilePart", "Открыть структуру"), folder);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters(StructureFileFilters());
    return dialog;
}

StructureFilePart::StructureFilePart(QWidget& window, CataloguePart& catalogue, GlPanel& panel, Options& options)
    : QObject(&window), catalogue_(catalogue), panel_(panel), options_(options),
      loaded_(std::make_unique<cif::LoadedStructure>())
{
    askFile = [&window](const QString& folder) {
        const auto dialog = MakeStructureFileDialog(&window, folder);
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
            return QString();
        return dialog->selectedFiles().constFirst();
    };
    cellsGroup_ = new QGroupBox(&window);
    cellsGroup_->setObjectName(QStringLiteral("cellsGroup"));
    auto* row = new QHBoxLayout(cellsGroup_);
    auto* label = new QLabel(QCoreApplication::translate("StructureFilePart", "Ячеек по осям"), cellsGroup_);
    cellsSpin_ = new QSpinBox(cellsGroup_);
    cellsSpin_->setObjectName(QStringLiteral("cellsSpin"));
    cellsSpin_->setRange(MinCells, MaxCells);
    cellsSpin_->setValue(MinCells);
    label->setBuddy(cellsSpin_);
    SetHint(cellsGroup_, QCoreApplication::translate("StructureFilePart", "Число элементарных ячеек структуры вдоль каждой из трёх осей"));
    SetHint(cellsSpin_, QCoreApplication::translate("StructureFilePart", "Число элементарных ячеек структуры вдоль каждой из трёх осей"));
    row->addWidget(label, 1);
    row->addWidget(cellsSpin_);
    connect(cellsSpin_, &QSpinBox::valueChanged, this, &StructureFilePart::cellsChanged);
    // Only a structure from a file has cells to choose; the panel below
    // stays where it is otherwise.
    cellsGroup_->hide();
}

StructureFilePart::~StructureFilePart() = default;

void StructureFilePart::open()
{
    const QString path = askFile(options_.kept().structureFolder);
    if (path.isEmpty())
        return;
    options_.set(&KeptSettings::structureFolder, QFileInfo(path).absolutePath());
    openFile(path, {});
}

bool StructureFilePart::openFile(const QString& path, const std::function<void()>& beforeShowing)
{
    // A new file starts as one cell.
    const cif::LoadResult result = loaded_->load(QFile::encodeName(path).toStdString(), MinCells);
    if (!result.ok) {
        // The loader keeps what it had; whether that is shown is unchanged.
        showMessage(QString::fromStdString(result.message));
        return false;
    }
    if (beforeShowing)
        beforeShowing();
    catalogue_.useStructureOptions(true);
    shown_ = true;
    catalogue_.showFileItem(QString::fromStdString(loaded_->fileName()));
    {
        const QSignalBlocker quiet(cellsSpin_);
        cellsSpin_->setValue(loaded_->cells());
    }
    cellsGroup_->show();
    catalogue_.setInformation(QString::fromStdString(loaded_->memoText()));
    path_ = path;
    panel_.update();
    emit shownChanged();
    return true;
}

void StructureFilePart::cellsChanged(int cells)
{
    if (!shown_ || cells == loaded_->cells())
        return;
    const cif::LoadResult result = loaded_->setCells(cells);
    if (!result.ok) {
        // The block shown stays, and so does the number that made it.
        {
            const QSignalBlocker quiet(cellsSpin_);
            cellsSpin_->setValue(loaded_->cells());
        }
        showMessage(QString::fromStdString(result.message));
        return;
    }
    panel_.update();
    emit blockChanged();
}

void StructureFilePart::remove()
{
    if (!shown_ && !loaded_->isLoaded())
        return;
    shown_ = false;
    path_.clear();
    loaded_->clear();
    catalogue_.removeFileItem();
    cellsGroup_->hide();
    panel_.update();
    emit shownChanged();
}

QString StructureFilePart::droppedFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls())
        return {};
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".cif"), Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

void StructureFilePart::retranslate()
{
    if (loaded_)
        loaded_->retranslateMemo();
}

} // namespace vestrel
