// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include "logic/symmetry_lesson.h"


#include <algorithm>
#include <cmath>

namespace vestrel {

namespace {

using Kind = SymmetryOperationElement::Kind;

QString symbol(const SymmetryOperationElement& e)
{
    switch (e.kind) {
    case Kind::Axis: return QStringLiteral("L%1").arg(e.order);
    case Kind::InversionAxis: return QStringLiteral("Li%1").arg(e.order);
    case Kind::Plane: return QStringLiteral("P");
    case Kind::Centre: return QStringLiteral("C");
    }
    return {};
}

QString SelfCoincidence() { return QCoreApplication::translate("SymmetryLesson", " — многогранник совместился сам с собой"); }

} // namespace

QString SymmetryElementCaption(const SymmetryOperationElement& e)
{
    switch (e.kind) {
    case Kind::Axis:
        return QCoreApplication::translate("SymmetryLesson", "%1 — ось %2-го порядка (%3)").arg(symbol(e)).arg(e.order).arg(e.number);
    case Kind::InversionAxis:
        return QCoreApplication::translate("SymmetryLesson", "%1 — инверсионная ось %2-го порядка (%3)").arg(symbol(e)).arg(e.order).arg(e.number);
    case Kind::Plane:
        return QCoreApplication::translate("SymmetryLesson", "P — плоскость симметрии (%1)").arg(e.number);
    case Kind::Centre:
        return QCoreApplication::translate("SymmetryLesson", "C — центр симметрии");
    }
    return {};
}

QString SymmetryOperationDoneMessage(const SymmetryOperationElement& e)
{
    switch (e.kind) {
    case Kind::Axis:
        return QCoreApplication::translate("SymmetryLesson", "Поворот вокруг %1 на %2°").arg(symbol(e)).arg(360 / e.order) + SelfCoincidence();
    case Kind::InversionAxis:
        return QCoreApplication::translate("SymmetryLesson", "Поворот вокруг %1 на %2° и инверсия").arg(symbol(e)).arg(360 / e.order)
            + SelfCoincidence();
    case Kind::Plane:
        return QCoreApplication::translate("SymmetryLesson", "Отражение в плоскости P") + SelfCoincidence();
    case Kind::Centre:
        return QCoreApplication::translate("SymmetryLesson", "Инверсия в центре C") + SelfCoincidence();
    }
    return {};
}

void SymmetryLesson::setPolyhedron(std::optional<SceneId> id)
{
    if (id == polyhedron_ && !crystalForm_)
        return;
    crystalForm_ = false;
    polyhedron_ = id;
    elements_ = id ? polyhedra::SymmetryOperationsOf(*id) : std::vector<SymmetryOperationElement>{};
    extent_ = id ? PolyhedronCircumradius(*id) : 0;
    chosen_ = -1;
    stop();
}

void SymmetryLesson::setCrystalForm(std::vector<SymmetryOperationElement> elements, double extent)
{
    polyhedron_.reset();
    crystalForm_ = true;
    elements_ = std::move(elements);
    extent_ = extent;
    chosen_ = -1;
    stop();
}

QStringList SymmetryLesson::captions() const
{
    QStringList out;
    for (const SymmetryOperationElement& e : elements_)
        out << SymmetryElementCaption(e);
    return out;
}

void SymmetryLesson::choose(int i)
{
    stop();
    chosen_ = i >= 0 && i < static_cast<int>(elements_.size()) ? i : -1;
}

bool SymmetryLesson::start()
{
    if (chosen_ < 0)
        return false;
    running_ = true;
    time_ = 0;
    return true;
}

bool SymmetryLesson::advance(double seconds)
{
    if (!running_)
        return false;
    time_ = std::min(1.0, time_ + seconds / DurationSeconds);
    if (time_ < 1)
        return false;
    stop();
    return true;
}

void SymmetryLesson::stop()
{
    running_ = false;
    time_ = 0; // the solid is back on itself: the start picture again
}

std::optional<ChosenSymmetryElement> SymmetryLesson::frameElement() const
{
    if (chosen_ < 0)
        return std::nullopt;
    return ChosenSymmetryElement{elements_[static_cast<std::size_t>(chosen_)], time_, extent_};
}

} // namespace vestrel
