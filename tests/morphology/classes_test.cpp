// SPDX-License-Identifier: MIT
// The 32 classes: the order of each group (International Tables), the
// elements of symmetry against the school formula of the plate, and the
// general form carried onto itself by every element drawn.
#include "logic/morphology/class_elements.h"
#include "logic/morphology/class_texts.h"
#include "logic/morphology/crystal_forms.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

namespace vestrel::test {
namespace {

using namespace morphology;
using Kind = polyhedra::SymmetryOperationElement::Kind;

// "3L4 4L3 6L2 9PC" -> {"L4": 3, "L3": 4, "L2": 6, "P": 9, "C": 1}.
std::map<std::string, int> FormulaCounts(std::string_view formula)
{
    std::map<std::string, int> counts;
    std::size_t i = 0;
    int count = 0;
    while (i < formula.size()) {
        const char c = formula[i];
        if (c == ' ') {
            ++i;
            continue;
        }
        if (std::isdigit(static_cast<unsigned char>(c))) {
            count = count * 10 + (c - '0');
            ++i;
            continue;
        }
        std::string symbol(1, c);
        ++i;
        if (c == 'L') {
            if (formula[i] == 'i')
                symbol += formula[i++];
            symbol += formula[i++];
        }
        if (symbol != "L1")
            counts[symbol] += count == 0 ? 1 : count;
        count = 0;
    }
    return counts;
}

std::map<std::string, int> DrawnCounts(const BuiltCrystal& built)
{
    std::map<std::string, int> counts;
    for (const auto& e : built.elements) {
        switch (e.kind) {
        case Kind::Axis: ++counts["L" + std::to_string(e.order)]; break;
        case Kind::InversionAxis: ++counts["Li" + std::to_string(e.order)]; break;
        case Kind::Plane: ++counts["P"]; break;
        case Kind::Centre: ++counts["C"]; break;
        }
    }
    return counts;
}

// International Tables, Vol. A, table 10.1.2.2: orders of the 32 point groups.
constexpr int TableOrders[32] = {1, 2, 2, 2, 4, 4, 4, 8, 4, 4, 8, 8, 8, 8, 16, 3,
                                 6, 6, 6, 12, 6, 6, 12, 12, 12, 12, 24, 12, 24, 24, 24, 48};

bool HasNormal(const std::vector<Vec3>& normals, const Vec3& n)
{
    return std::any_of(normals.begin(), normals.end(), [&](const Vec3& m) { return distance(m, n) < 1e-9; });
}

TEST(CrystalClasses, GroupsElementsAndGeneralForms)
{
    for (int number = 1; number <= ClassCount; ++number) {
        SCOPED_TRACE(std::string(ClassInfo(number).international));
        const int order = static_cast<int>(ClassOperations(number).size());
        EXPECT_EQ(order, TableOrders[number - 1]);
        EXPECT_EQ(order, ClassInfo(number).order);

        // The general form: the last entry of the class's list of forms.
        const FormChoice general = FormsOfClass(number).back();
        EXPECT_EQ(general.name, ClassInfo(number).generalForm);
        EXPECT_EQ(general.faceCount, order);

        Combination combination(number);
        combination.addForm(general.face);
        const BuiltCrystal built = combination.build();
        EXPECT_EQ(DrawnCounts(built), FormulaCounts(ClassInfo(number).formula));

        // Every element's full operation, as the lesson animates it, maps
        // the faces of the general form onto faces of the form.
        std::vector<Vec3> normals;
        for (const auto& face : built.scene.faces)
            if (!face.closing)
                normals.push_back(face.normal);
        EXPECT_EQ(static_cast<int>(normals.size()), order);
        for (const auto& e : built.elements) {
            const Mat4 op = polyhedra::SymmetryOperationAt(e, 1);
            for (const Vec3& n : normals)
                EXPECT_TRUE(HasNormal(normals, op.apply(n))) << "element " << static_cast<int>(e.kind) << e.order;
        }
        // The scene draws the same elements.
        int axes = 0, planes = 0;
        for (const auto& e : built.elements) {
            axes += e.kind == Kind::Axis || e.kind == Kind::InversionAxis;
            planes += e.kind == Kind::Plane;
        }
        EXPECT_EQ(static_cast<int>(built.scene.axes.size()), axes);
        EXPECT_EQ(static_cast<int>(built.scene.planes.size()), planes);
    }
}

TEST(CrystalClasses, ListCaptionsAndSymbols)
{
    const auto entries = ClassEntries();
    ASSERT_EQ(entries.size(), 32u);
    EXPECT_EQ(entries[0].caption, "1. 1 (C1) — моноэдрический");
    EXPECT_EQ(entries[31].caption, "32. m3\xCC\x84m (Oh) — гексаоктаэдрический");
    const std::pair<const char*, int> lookups[] = {{"-43m", 31}, {"4/mmm", 15}, {"6/mmm", 27}, {"-3m", 20},
                                                   {"1", 1},     {"32", 32},    {"m", 4},
                                                   {"222", 6},   {"432", 30}};
    for (const auto& [text, number] : lookups)
        EXPECT_EQ(FindClass(text), number) << text;
    for (const char* bad : {"0", "33", "-4-3m", "", "m3m"})
        EXPECT_FALSE(FindClass(bad).has_value()) << bad;
}

} // namespace
} // namespace vestrel::test

namespace vestrel::morphology {
namespace {

// The symmetry formulas of the 32 classes as English mineralogy texts write
// them (centre i, rotation axes An, rotoinversion axes Ān, mirror planes m),
// in the order of the International Tables.
TEST(EnglishSymmetryFormula, TheThirtyTwoClassesAsEnglishTextbooksWriteThem)
{
    const std::array<const char*, 32> textbook{
        "none", "i", "A2", "m", "i, A2, m", "3A2", "A2, 2m", "i, 3A2, 3m",
        "A4", "Ā4", "i, A4, m", "A4, 4A2", "A4, 4m", "Ā4, 2A2, 2m", "i, A4, 4A2, 5m",
        "A3", "i, A3", "A3, 3A2", "A3, 3m", "i, A3, 3A2, 3m",
        "A6", "Ā6", "i, A6, m", "A6, 6A2", "A6, 6m", "Ā6, 3A2, 3m", "i, A6, 6A2, 7m",
        "3A2, 4A3", "i, 3A2, 4A3, 3m", "3A4, 4A3, 6A2", "3Ā4, 4A3, 6m", "i, 3A4, 4A3, 6A2, 9m"};
    for (int n = 1; n <= 32; ++n)
        EXPECT_EQ(EnglishSymmetryFormula(CrystalClasses[static_cast<std::size_t>(n - 1)]), textbook[static_cast<std::size_t>(n - 1)])
            << "class " << n << " " << CrystalClasses[static_cast<std::size_t>(n - 1)].international;
}

} // namespace
} // namespace vestrel::morphology
