// SPDX-License-Identifier: MIT
// The main window and crystal structures read from CIF files: the open
// command, dropped files, the block of cells, and the structure's place in
// the structure list while it is shown.
#include "app/main_window.h"

#include "app/gl_panel.h"
#include "app/main_window_parts.h"
#include "app/picture_box.h"
#include "app/structure_file_dialog.h"
#include "logic/cif/loaded_structure.h"
#include "logic/hints.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QUrl>

#include <algorithm>

namespace vestrel {

namespace {

constexpr int MinCells = 1;
constexpr int MaxCells = 4;
// The structure from a file follows the catalogue's items in the list.
constexpr int FileItem = StructureCount + 1;

// The first local .cif file among dropped URLs.
QString droppedStructureFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls())
        return {};
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".cif"), Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

} // namespace

QStringList StructureFileFilters()
{
    return {QStringLiteral("Файлы CIF (*.cif)"), QStringLiteral("Все файлы (*)")};
}

std::unique_ptr<QFileDialog> MakeStructureFileDialog(QWidget* parent, const QString& folder)
{
    auto dialog = std::make_unique<QFileDialog>(parent, QStringLiteral("Открыть структуру"), folder);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters(StructureFileFilters());
    return dialog;
}

QGroupBox* MainWindow::buildCellsGroup(QWidget* parent)
{
    cellsGroup = new QGroupBox(parent);
    cellsGroup->setObjectName(QStringLiteral("cellsGroup"));
    auto* row = new QHBoxLayout(cellsGroup);
    auto* label = new QLabel(QStringLiteral("Ячеек по осям"), cellsGroup);
    cellsSpin = new QSpinBox(cellsGroup);
    cellsSpin->setObjectName(QStringLiteral("cellsSpin"));
    cellsSpin->setRange(MinCells, MaxCells);
    cellsSpin->setValue(MinCells);
    label->setBuddy(cellsSpin);
    SetHint(cellsGroup, QStringLiteral("Число элементарных ячеек структуры вдоль каждой из трёх осей"));
    SetHint(cellsSpin, QStringLiteral("Число элементарных ячеек структуры вдоль каждой из трёх осей"));
    row->addWidget(label, 1);
    row->addWidget(cellsSpin);
    connect(cellsSpin, &QSpinBox::valueChanged, this, &MainWindow::cellsChanged);
    // Only a structure from a file has cells to choose; the panel below
    // stays where it is otherwise.
    cellsGroup->hide();
    return cellsGroup;
}

void MainWindow::openStructure()
{
    const QString path = askStructureFile(structureFolder_);
    if (path.isEmpty())
        return;
    structureFolder_ = QFileInfo(path).absolutePath();
    openStructureFile(path);
}

bool MainWindow::openStructureFile(const QString& path)
{
    // A new file starts as one cell.
    const cif::LoadResult result = loaded_->load(QFile::encodeName(path).toStdString(), MinCells);
    if (!result.ok) {
        // The loader keeps what it had; whether that is shown is unchanged.
        showMessageBox(QString::fromStdString(result.message));
        return false;
    }
    // As "Построить" does for a new object: the scene shown and its photo
    // and text go, the polyhedron list returns to "Не выбрано".
    catalogue_->choosePolyhedron(0);
    catalogue_->chooseStructure(0);
    polyhedronList->setCurrentIndex(0);
    catalogue_->erase();
    zone_.reset();
    enableStructureOptions(true);
    structureShown_ = true;

    const QString name = QString::fromStdString(loaded_->fileName());
    if (structureList->count() > FileItem)
        structureList->setItemText(FileItem, name);
    else
        structureList->addItem(name);
    structureList->setCurrentIndex(FileItem);
    {
        const QSignalBlocker quiet(cellsSpin);
        cellsSpin->setValue(loaded_->cells());
    }
    cellsGroup->show();
    informationMemo->setPlainText(QString::fromStdString(loaded_->memoText()));
    syncSymmetryPanel();
    glPanel->update();
    return true;
}

void MainWindow::cellsChanged(int cells)
{
    if (!structureShown_ || cells == loaded_->cells())
        return;
    const cif::LoadResult result = loaded_->setCells(cells);
    if (!result.ok) {
        // The block shown stays, and so does the number that made it.
        {
            const QSignalBlocker quiet(cellsSpin);
            cellsSpin->setValue(loaded_->cells());
        }
        showMessageBox(QString::fromStdString(result.message));
        return;
    }
    glPanel->update();
}

void MainWindow::removeLoadedStructure()
{
    if (!structureShown_ && !loaded_->isLoaded())
        return;
    structureShown_ = false;
    loaded_->clear();
    if (structureList->count() > FileItem) {
        const bool chosen = structureList->currentIndex() == FileItem;
        structureList->removeItem(FileItem);
        if (chosen)
            structureList->setCurrentIndex(0);
    }
    cellsGroup->hide();
    glPanel->update();
}

void MainWindow::syncLoadedStructure()
{
    if (structureShown_ && std::ranges::any_of(catalogue_->sceneFlags(), [](bool on) { return on; }))
        removeLoadedStructure();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedStructureFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedStructureFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over, so a message box does not hold up the
    // program the file came from.
    QMetaObject::invokeMethod(this, [this, path] { openStructureFile(path); }, Qt::QueuedConnection);
}

} // namespace vestrel
