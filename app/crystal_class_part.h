// SPDX-License-Identifier: MIT
// The 32 crystal classes in the main window: the list "Классы симметрии :",
// the class's forms, a typed face symbol "Грань (hkl):", and the forms of a
// combination, each with its distance from the centre ("Добавить форму",
// "Убрать форму"). The built crystal is handed to the frame and its
// elements to the symmetry lesson.
#pragma once

#include "logic/morphology/crystal_forms.h"

#include <QObject>

#include <functional>
#include <optional>

class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace vestrel {

class CrystalClassPart : public QObject {
    Q_OBJECT
public:
    CrystalClassPart(QWidget* parent, std::function<void(const QString&)> showMessage);

    QGroupBox* group() const { return group_; }
    QComboBox* classList() const { return classList_; }
    // A class is chosen in the list.
    bool chosen() const;
    // The crystal shown, or null.
    const morphology::BuiltCrystal* shown() const { return built_ ? &*built_ : nullptr; }
    // Counts the crystals shown, so that followers see a new one.
    int generation() const { return generation_; }

    // "Построить" with a class chosen: the combination, or the chosen (or
    // typed) form when it has none. False when a typed symbol is refused.
    bool build();
    // Erase: the crystal off the screen; the list keeps its choice.
    void hide();
    // The lists and the crystal shown again in the interface's language.
    void retranslate();
    // Another list chose: back to "Не выбрано", the crystal off.
    void clearChoice();
    // Next (+1) and Previous (-1): the neighbouring class with its general
    // form.
    void step(int by);

signals:
    // The user chose a class: the other lists go back to "Не выбрано".
    void classChosen();
    // A crystal came onto the screen, was built anew or went off it.
    void shownChanged();

private:
    QWidget* buildFormControls(QWidget* parent);
    void chooseClass(int item);
    void fillForms();
    void fillClassList();
    // The typed symbol, or else the form chosen in the list; none (after a
    // message) when the typed symbol is refused.
    std::optional<morphology::IntVector> currentFace();
    void addForm();
    void removeForm();
    void distanceChanged(double distance);
    void showCombination();
    void fillCombinationList();

    std::function<void(const QString&)> showMessage_;
    morphology::Combination combination_;
    std::optional<morphology::BuiltCrystal> built_;
    int generation_ = 0;
    QGroupBox* group_ = nullptr;
    QComboBox* classList_ = nullptr;
    QWidget* formControls_ = nullptr;
    QComboBox* formList_ = nullptr;
    QLineEdit* faceEdit_ = nullptr;
    QDoubleSpinBox* distanceSpin_ = nullptr;
    QListWidget* combinationList_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
};

} // namespace vestrel
