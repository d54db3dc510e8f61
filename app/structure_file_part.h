// SPDX-License-Identifier: MIT
// Crystal structures read from CIF files in the main window: the open
// command and its dialog, dropped files, the block of cells ("Ячеек по
// осям"), and the structure's place in the structure list while it is shown.
#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QGroupBox;
class QMimeData;
class QSpinBox;
class QWidget;

namespace vestrel {

namespace cif {
class LoadedStructure;
}

class CataloguePart;
class GlPanel;
class Options;

class StructureFilePart : public QObject {
    Q_OBJECT
public:
    StructureFilePart(QWidget& window, CataloguePart& catalogue, GlPanel& panel, Options& options);
    ~StructureFilePart() override;

    // Seams: the message box, and the open dialog started in `folder`,
    // which returns the chosen file or an empty string.
    std::function<void(const QString&)> showMessage;
    std::function<QString(const QString& folder)> askFile;

    QGroupBox* cellsGroup() const { return cellsGroup_; }

    // "Открыть структуру…": the dialog, then the file.
    void open();
    // On success the structure replaces the scene shown (the caller clears
    // the rest of the scene first, in `beforeShowing`); otherwise the
    // message, and what was shown stays.
    bool openFile(const QString& path, const std::function<void()>& beforeShowing);
    // Takes the structure off the screen and its item off the list.
    void remove();
    bool shown() const { return shown_; }
    const cif::LoadedStructure& structure() const { return *loaded_; }
    // The structure's memo written again in the interface's language.
    void retranslate();
    // The file of the structure shown; empty when none is.
    const QString& path() const { return path_; }

    // The first local .cif file among dropped URLs, or an empty string.
    static QString droppedFile(const QMimeData* mime);

signals:
    // A structure from a file came onto the screen or went off it.
    void shownChanged();
    // The block of the structure shown was rebuilt (another number of cells).
    void blockChanged();

private:
    void cellsChanged(int cells);

    CataloguePart& catalogue_;
    GlPanel& panel_;
    Options& options_;
    std::unique_ptr<cif::LoadedStructure> loaded_;
    bool shown_ = false;
    QString path_;
    QGroupBox* cellsGroup_ = nullptr;
    QSpinBox* cellsSpin_ = nullptr;
};

} // namespace vestrel
