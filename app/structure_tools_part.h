// SPDX-License-Identifier: MIT
// Asking a structure from a file in the main window: a click on an atom
// picks it (the status bar names it), "Измерение" measures distances and
// angles between picked atoms, "Координационные полиэдры" draws the
// cations' polyhedra and "Плоскости (hkl)" the lattice planes. The group
// shows under the cells group while a structure from a file is shown; what
// it adds to the drawing is the overlay the frame reads.
#pragma once

#include "logic/cif/structure_tools.h"

#include <QObject>
#include <QPoint>
#include <QStringList>

#include <array>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QStatusBar;
class QToolButton;
class QWidget;

namespace vestrel {

class CataloguePart;
class GlPanel;
class StructureFilePart;
class ViewPart;

QIcon MeasureIcon();

class StructureToolsPart : public QObject {
    Q_OBJECT
public:
    StructureToolsPart(QWidget& window, StructureFilePart& file, CataloguePart& catalogue, GlPanel& panel,
                       const ViewPart& view, QStatusBar& status);

    // The message box for a bad plane symbol.
    std::function<void(const QString&)> showMessage;

    QGroupBox* group() const { return group_; }
    // The tool-bar button that switches "Измерение" as the check box does.
    void bindButton(QToolButton* button);
    // For FrameInputs::structureOverlay; null while no structure from a
    // file is shown.
    const structures::StructureOverlay* overlay() const;

    // Shows these lattice planes (the calculator's) and writes them into the
    // planes field.
    void showPlanes(const std::vector<std::array<int, 3>>& planes);
    // The memo again in the interface's language.
    void retranslate() { refresh(); }
    // A click at a panel point (logical pixels): picks or clears.
    void click(int x, int y);
    const std::vector<int>& picked() const { return request_.picked; }
    const QStringList& measurements() const { return measurements_; }

private:
    void pressed(Qt::MouseButton button, int x, int y);
    void released(Qt::MouseButton button, int x, int y);
    void structureChanged();
    void applyPlanes();
    void applyCentres();
    void refresh();
    void refreshPicks();

    StructureFilePart& file_;
    CataloguePart& catalogue_;
    GlPanel& panel_;
    const ViewPart& view_;
    QStatusBar& status_;
    QGroupBox* group_ = nullptr;
    QCheckBox* measure_ = nullptr;
    QCheckBox* polyhedra_ = nullptr;
    QLineEdit* centres_ = nullptr;
    QLineEdit* planes_ = nullptr;
    QToolButton* button_ = nullptr;
    QPoint pressAt_;
    bool pressing_ = false;
    cif::ToolRequest request_;
    structures::StructureOverlay fixed_; // polyhedra and planes
    QString fixedMemo_;                  // the memo with their lines
    structures::StructureOverlay overlay_;
    QStringList measurements_;
};

} // namespace vestrel
