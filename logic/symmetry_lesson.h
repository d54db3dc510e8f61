// SPDX-License-Identifier: MIT
// Symmetry operations as a lesson: the names of a polyhedron's elements in
// the school notation, what the status bar says when one has been carried
// out, and the one-second animation that carries it out.
#pragma once

#include "frame/frame_inputs.h"
#include "scenes/polyhedra/symmetry_operations.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace vestrel {

using polyhedra::SymmetryOperationElement;
using polyhedra::PolyhedronCircumradius;

// "L4 — ось 4-го порядка (1)", "Li4 — инверсионная ось 4-го порядка (1)",
// "P — плоскость симметрии (3)", "C — центр симметрии".
QString SymmetryElementCaption(const SymmetryOperationElement& element);
// "Поворот вокруг L4 на 90° — многогранник совместился сам с собой", ...
QString SymmetryOperationDoneMessage(const SymmetryOperationElement& element);

class SymmetryLesson {
public:
    static constexpr double DurationSeconds = 1.0;

    // The polyhedron now built (or none): its elements, none chosen.
    void setPolyhedron(std::optional<SceneId> id);
    // A crystal form of a class now built: the class's elements (model
    // frame) and the solid's circumradius; none chosen. The polyhedron is
    // then none.
    void setCrystalForm(std::vector<SymmetryOperationElement> elements, double extent);
    std::optional<SceneId> polyhedron() const { return polyhedron_; }
    const std::vector<SymmetryOperationElement>& elements() const { return elements_; }
    QStringList captions() const;

    // Picks out element i (or none for -1); stops a running operation.
    void choose(int i);
    int chosen() const { return chosen_; }

    // Starts the chosen element's operation from the beginning; false when
    // none is chosen.
    bool start();
    bool running() const { return running_; }
    // Moves the running operation on; returns true when this step ended it.
    bool advance(double seconds);
    void stop();

    // What the frame draws: the chosen element and how far its operation is.
    std::optional<ChosenSymmetryElement> frameElement() const;

private:
    std::optional<SceneId> polyhedron_;
    bool crystalForm_ = false; // the elements are a crystal class's
    std::vector<SymmetryOperationElement> elements_;
    double extent_ = 0;
    int chosen_ = -1;
    bool running_ = false;
    double time_ = 0;
};

} // namespace vestrel
