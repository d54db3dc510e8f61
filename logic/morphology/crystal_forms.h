// SPDX-License-Identifier: MIT
// The 32 crystal classes and their forms, for the main window and the
// rendering tool. No Qt: texts are UTF-8 std::string.
//
// How a window uses it:
//  - the list "Классы симметрии :" is ClassEntries(), one caption each
//    ("1. 1 (C1) — моноэдрический"), in the order of the class numbers;
//  - the class's list of forms is FormsOfClass(number) (simple_forms.h),
//    captions such as "{100} куб", each with the face it is built from;
//  - a symbol typed into "Грань (hkl):" goes through ParseFaceSymbol
//    (face_symbol.h) with UsesHexagonalAxes(system); on an error its message
//    goes into a message box and nothing changes;
//  - a Combination holds the class and up to three forms, each with its
//    distance from the centre ("Добавить форму" / "Убрать форму");
//    Combination::build() gives everything that is shown: the scene to hand
//    to the frame (FrameInputs::crystalForm), the memo lines, the status-bar
//    text for an open form, and the elements of symmetry for the lesson
//    "Операции симметрии :" (SymmetryLesson::setCrystalForm).
// Building is fast (well under 10 ms for any combination), so a window can
// rebuild on every change.
#pragma once

#include "logic/morphology/point_group.h"
#include "logic/morphology/simple_forms.h"
#include "scenes/forms/crystal_form_scene.h"
#include "scenes/polyhedra/symmetry_operations.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vestrel::morphology {

// Model units per unit of a form's distance from the centre: a cube {100}
// at distance 1 is the size of the catalogue's cube. A solid that would
// reach farther than 55 units from the centre is drawn smaller as a whole.
inline constexpr double ModelUnitsPerDistance = 30;
// Faces that close an open form lie this much farther out than the
// farthest form.
inline constexpr double ClosingDistanceFactor = 1.6;

struct ClassEntry {
    int number = 1;
    CrystalSystem system = CrystalSystem::Triclinic;
    std::string caption; // "1. 1 (C1) — моноэдрический"
};

std::vector<ClassEntry> ClassEntries();
// The international symbol with bars over the inversion axes: "m3̄m".
std::string InternationalSymbol(int number);
// A class by its number "1".."32" or its international symbol written with
// "-" for the bar ("-43m", "4/mmm", "6/mmm"); digits alone are read as the
// number first, so "32" is class 32 and "222" is class 6.
std::optional<int> FindClass(std::string_view numberOrSymbol);

struct FormSpec {
    IntVector face{};
    double distance = 1; // from the centre, in units of ModelUnitsPerDistance
};

struct BuiltCrystal {
    forms::CrystalFormScene scene;
    std::vector<SimpleForm> forms;   // one per FormSpec
    std::vector<SimpleForm> closing; // forms added to close an open one
    std::vector<std::string> memo;
    std::string status;              // empty when the forms close a solid
    std::vector<polyhedra::SymmetryOperationElement> elements; // model frame
    double extent = 0;               // circumradius, model units
};

class Combination {
public:
    static constexpr int MaxForms = 3;

    explicit Combination(int classNumber = 32) : class_(classNumber) {}

    int classNumber() const { return class_; }
    // A new class drops the forms.
    void setClass(int number);
    const std::vector<FormSpec>& forms() const { return forms_; }
    // False (and nothing changes) when three forms are there already or the
    // distance is not positive.
    bool addForm(const IntVector& face, double distance = 1);
    void removeForm(int index);
    bool setDistance(int index, double distance);

    BuiltCrystal build() const;

private:
    int class_;
    std::vector<FormSpec> forms_;
};

// Crystal Cartesian frame (c up along z) to the model frame (y up).
Vec3 ToModelFrame(const Vec3& crystal);

} // namespace vestrel::morphology
