// SPDX-License-Identifier: MIT
// The side panel's group "Опции :": the auxiliary axes and planes and the
// presentation switches, bound to the options; the crystal's photo and
// notes stand at its foot.
#pragma once

#include <QObject>

class QCheckBox;
class QGroupBox;
class QWidget;

namespace vestrel {

class Options;

class OptionsPanel : public QObject {
    Q_OBJECT
public:
    OptionsPanel(QWidget* parent, Options& options);

    QGroupBox* group() const { return group_; }
    void addAtFoot(QWidget* widget);
    // "Показывать соед. линии" for structures, the two symmetry switches
    // for polyhedra.
    void enableFor(bool structures);

private:
    QGroupBox* group_ = nullptr;
    QCheckBox* showBonds_ = nullptr;
    QCheckBox* showSymmetryAxes_ = nullptr;
    QCheckBox* showSymmetryPlanes_ = nullptr;
};

} // namespace vestrel
