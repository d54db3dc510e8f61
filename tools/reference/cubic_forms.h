// SPDX-License-Identifier: MIT
// The 15 simple forms of the cubic system: each is the set of faces that a
// cubic point group makes from one face {hkl}, every face at the same
// distance from the centre.
#pragma once

#include "tools/reference/solid_view.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vestrel::reference {

// The five cubic point groups. Their operations are the signed permutation
// matrices (x_i -> s_i x_p(i)) that satisfy the group's rule below.
enum class CubicGroup {
    Hexoctahedral,     // m-3m: all 48
    Hextetrahedral,    // -43m: an even number of sign changes
    Diploidal,         // m-3: even (cyclic) permutations only
    Gyroidal,          // 432: proper rotations, determinant +1
    Tetartoidal,       // 23: cyclic permutations and an even number of sign changes
};

struct CubicForm {
    const char* name;          // the Russian name, UTF-8
    std::array<int, 3> hkl;
    CubicGroup group;
};

inline constexpr std::array<CubicForm, 15> CubicSimpleForms{{
    {"куб", {1, 0, 0}, CubicGroup::Hexoctahedral},
    {"октаэдр", {1, 1, 1}, CubicGroup::Hexoctahedral},
    {"ромбододекаэдр", {1, 1, 0}, CubicGroup::Hexoctahedral},
    {"тетрагексаэдр", {2, 1, 0}, CubicGroup::Hexoctahedral},
    {"тригон-триоктаэдр", {2, 2, 1}, CubicGroup::Hexoctahedral},
    {"тетрагон-триоктаэдр", {2, 1, 1}, CubicGroup::Hexoctahedral},
    {"гексоктаэдр", {3, 2, 1}, CubicGroup::Hexoctahedral},
    {"тетраэдр", {1, 1, 1}, CubicGroup::Hextetrahedral},
    {"тригон-тритетраэдр", {2, 1, 1}, CubicGroup::Hextetrahedral},
    {"тетрагон-тритетраэдр", {2, 2, 1}, CubicGroup::Hextetrahedral},
    {"гексатетраэдр", {3, 2, 1}, CubicGroup::Hextetrahedral},
    {"пентагондодекаэдр", {2, 1, 0}, CubicGroup::Diploidal},
    {"дидодекаэдр", {3, 2, 1}, CubicGroup::Diploidal},
    {"пентагон-тритетраэдр", {3, 2, 1}, CubicGroup::Tetartoidal},
    {"пентагон-триоктаэдр", {3, 2, 1}, CubicGroup::Gyroidal},
}};

// The international symbol of the group, "-" before a digit marking an
// inversion axis.
inline const char* GroupSymbol(CubicGroup group)
{
    switch (group) {
    case CubicGroup::Hexoctahedral: return "m-3m";
    case CubicGroup::Hextetrahedral: return "-43m";
    case CubicGroup::Diploidal: return "m-3";
    case CubicGroup::Gyroidal: return "432";
    case CubicGroup::Tetartoidal: return "23";
    }
    return "";
}

namespace detail {

inline bool InGroup(CubicGroup group, bool evenPermutation, int signChanges)
{
    const bool evenSigns = signChanges % 2 == 0;
    switch (group) {
    case CubicGroup::Hexoctahedral: return true;
    case CubicGroup::Hextetrahedral: return evenSigns;
    case CubicGroup::Diploidal: return evenPermutation;
    case CubicGroup::Gyroidal: return evenPermutation == evenSigns;
    case CubicGroup::Tetartoidal: return evenPermutation && evenSigns;
    }
    return false;
}

} // namespace detail

// The distinct face normals {hkl} of the form, as integer triples.
inline std::vector<std::array<int, 3>> FaceNormals(const CubicForm& form)
{
    std::array<int, 3> order{0, 1, 2};
    std::vector<std::array<int, 3>> normals;
    do {
        // The parity of a permutation of three: even iff it is a rotation of (0 1 2).
        const bool evenPermutation = (order[1] - order[0] + 3) % 3 == 1 && (order[2] - order[1] + 3) % 3 == 1;
        for (int signs = 0; signs < 8; ++signs) {
            const int signChanges = (signs & 1) + ((signs >> 1) & 1) + ((signs >> 2) & 1);
            if (!detail::InGroup(form.group, evenPermutation, signChanges))
                continue;
            std::array<int, 3> n{};
            for (int i = 0; i < 3; ++i)
                n[i] = ((signs >> i) & 1 ? -1 : 1) * form.hkl[order[i]];
            if (std::find(normals.begin(), normals.end(), n) == normals.end())
                normals.push_back(n);
        }
    } while (std::next_permutation(order.begin(), order.end()));
    return normals;
}

// The ideal solid: every face plane at distance 1 from the centre.
inline ConvexSolid BuildCubicForm(const CubicForm& form)
{
    std::vector<Plane> planes;
    for (const auto& n : FaceNormals(form))
        planes.push_back({normalised(Vec3{double(n[0]), double(n[1]), double(n[2])}), 1.0});
    return IntersectHalfSpaces(planes);
}

} // namespace vestrel::reference
