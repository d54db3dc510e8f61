// SPDX-License-Identifier: MIT
// Simple forms: the faces that a class's operations make from one face
// (hkl), every face at the same distance from the centre, and the form's
// Russian name, found from the class and the geometry of the faces.
#pragma once

#include "logic/morphology/point_group.h"

#include <string>
#include <vector>

namespace vestrel::morphology {

// A face symbol on three indices (hkl); hexagonal classes write it with four,
// (hkil), i = −(h + k).
std::string FaceSymbolText(const IntVector& hkl, bool hexagonal, char open = '(', char close = ')');
// The indices as written: three, or four for hexagonal axes.
std::vector<int> WrittenIndices(const IntVector& hkl, bool hexagonal);

struct SimpleForm {
    int classNumber = 1;
    IntVector face{};              // the face it was made from
    std::vector<IntVector> faces;  // every face, the first one first
    std::string name;              // "куб", "ромбоэдр", ...
    bool open = false;             // cannot close a solid on its own
};

SimpleForm MakeForm(int classNumber, const IntVector& hkl);

// The name of a form with these faces in the class.
std::string FormName(int classNumber, const std::vector<IntVector>& faces);

// Whether the faces' half-spaces leave a solid open on some side.
bool IsOpen(int classNumber, const std::vector<IntVector>& faces);

// One entry of a class's list of forms: its symbol pattern, the face it is
// built from, its name and face count, and the caption "{100} куб".
struct FormChoice {
    std::string pattern;
    IntVector face{};
    std::string name;
    int faceCount = 0;
    std::string caption;
};

// The special forms (limiting forms included) and the general form, from
// the most special to the general.
std::vector<FormChoice> FormsOfClass(int classNumber);

} // namespace vestrel::morphology
