// SPDX-License-Identifier: MIT
// Simple forms by system with their names and face counts, the forms
// offered by each class, combinations cut into solids, open forms closed,
// and bad face symbols.
#include "logic/morphology/crystal_forms.h"
#include "logic/morphology/face_symbol.h"

#include <gtest/gtest.h>

#include <set>

namespace vestrel::test {
namespace {

using namespace morphology;

struct FormCase {
    int classNumber;
    IntVector face;
    const char* name;
    int faces;
};

// The 47 simple forms (textbook names and face counts), each in a class
// where it occurs.
const FormCase Forms[] = {
    // Triclinic, monoclinic, orthorhombic.
    {1, {3, 2, 1}, "моноэдр", 1}, {2, {3, 2, 1}, "пинакоид", 2}, {3, {1, 1, 1}, "диэдр", 2},
    {3, {0, 1, 0}, "моноэдр", 1}, {3, {1, 0, 1}, "пинакоид", 2}, {4, {1, 0, 1}, "моноэдр", 1},
    {4, {1, 1, 1}, "диэдр", 2}, {5, {1, 1, 1}, "ромбическая призма", 4}, {5, {0, 1, 0}, "пинакоид", 2},
    {6, {1, 1, 1}, "ромбический тетраэдр", 4}, {6, {1, 1, 0}, "ромбическая призма", 4},
    {7, {1, 1, 1}, "ромбическая пирамида", 4}, {7, {1, 0, 1}, "диэдр", 2}, {7, {0, 0, 1}, "моноэдр", 1},
    {8, {1, 1, 1}, "ромбическая дипирамида", 8}, {8, {0, 1, 1}, "ромбическая призма", 4},
    // Tetragonal.
    {9, {2, 1, 1}, "тетрагональная пирамида", 4}, {9, {2, 1, 0}, "тетрагональная призма", 4},
    {10, {2, 1, 1}, "тетрагональный тетраэдр", 4}, {11, {2, 1, 1}, "тетрагональная дипирамида", 8},
    {12, {2, 1, 1}, "тетрагональный трапецоэдр", 8}, {13, {2, 1, 1}, "дитетрагональная пирамида", 8},
    {13, {1, 0, 1}, "тетрагональная пирамида", 4}, {14, {2, 1, 1}, "тетрагональный скаленоэдр", 8},
    {14, {1, 1, 1}, "тетрагональный тетраэдр", 4}, {14, {1, 0, 1}, "тетрагональная дипирамида", 8},
    {15, {2, 1, 0}, "дитетрагональная призма", 8}, {15, {1, 0, 0}, "тетрагональная призма", 4},
    {15, {2, 1, 1}, "дитетрагональная дипирамида", 16}, {15, {0, 0, 1}, "пинакоид", 2},
    // Trigonal, on hexagonal axes (h, k, l); i = -(h + k).
    {16, {2, 1, 1}, "тригональная пирамида", 3}, {16, {1, 0, 0}, "тригональная призма", 3},
    {17, {2, 1, 1}, "ромбоэдр", 6}, {18, {2, 1, 1}, "тригональный трапецоэдр", 6},
    {18, {1, 1, 0}, "тригональная призма", 3}, {18, {1, 0, 0}, "гексагональная призма", 6},
    {18, {2, 1, 0}, "дитригональная призма", 6}, {18, {1, 0, 1}, "ромбоэдр", 6},
    {19, {2, 1, 1}, "дитригональная пирамида", 6}, {19, {1, 0, 1}, "тригональная пирамида", 3},
    {19, {1, 1, 1}, "гексагональная пирамида", 6}, {20, {2, 1, 1}, "дитригональный скаленоэдр", 12},
    {20, {1, 0, 1}, "ромбоэдр", 6}, {20, {1, 1, 1}, "гексагональная дипирамида", 12},
    // Hexagonal.
    {21, {2, 1, 1}, "гексагональная пирамида", 6}, {22, {2, 1, 1}, "тригональная дипирамида", 6},
    {22, {1, 0, 0}, "тригональная призма", 3}, {23, {2, 1, 1}, "гексагональная дипирамида", 12},
    {24, {2, 1, 1}, "гексагональный трапецоэдр", 12}, {25, {2, 1, 1}, "дигексагональная пирамида", 12},
    {26, {2, 1, 1}, "дитригональная дипирамида", 12}, {26, {1, 0, 1}, "тригональная дипирамида", 6},
    {26, {2, 1, 0}, "дитригональная призма", 6}, {27, {2, 1, 1}, "дигексагональная дипирамида", 24},
    {27, {2, 1, 0}, "дигексагональная призма", 12}, {27, {1, 0, 0}, "гексагональная призма", 6},
    // Cubic.
    {32, {1, 0, 0}, "куб", 6}, {32, {1, 1, 1}, "октаэдр", 8}, {32, {1, 1, 0}, "ромбододекаэдр", 12},
    {32, {2, 1, 0}, "тетрагексаэдр", 24}, {32, {2, 2, 1}, "тригон-триоктаэдр", 24},
    {32, {2, 1, 1}, "тетрагон-триоктаэдр", 24}, {32, {3, 2, 1}, "гексаоктаэдр", 48},
    {31, {1, 1, 1}, "тетраэдр", 4}, {31, {2, 1, 1}, "тригон-тритетраэдр", 12},
    {31, {2, 2, 1}, "тетрагон-тритетраэдр", 12}, {31, {3, 2, 1}, "гексатетраэдр", 24},
    {29, {2, 1, 0}, "пентагондодекаэдр", 12}, {29, {3, 2, 1}, "дидодекаэдр", 24},
    {30, {3, 2, 1}, "пентагон-триоктаэдр", 24}, {28, {3, 2, 1}, "пентагон-тритетраэдр", 12},
    {28, {2, 2, 1}, "тетрагон-тритетраэдр", 12}, {29, {2, 1, 1}, "тетрагон-триоктаэдр", 24},
};

TEST(SimpleForms, NamesAndFaceCountsBySystem)
{
    std::set<std::string> names;
    for (const FormCase& c : Forms) {
        const SimpleForm form = MakeForm(c.classNumber, c.face);
        EXPECT_EQ(form.name, c.name) << "class " << c.classNumber << " face " << c.face[0] << c.face[1] << c.face[2];
        EXPECT_EQ(static_cast<int>(form.faces.size()), c.faces) << c.name << " in class " << c.classNumber;
        names.insert(c.name);
    }
    EXPECT_EQ(names.size(), 47u) << "the 47 simple forms";
}

// Every form a class offers builds a closed solid, with closing faces where
// it is open, and shows each of its faces.
TEST(SimpleForms, EveryOfferedFormBuilds)
{
    for (int number = 1; number <= ClassCount; ++number) {
        for (const FormChoice& choice : FormsOfClass(number)) {
            SCOPED_TRACE(std::to_string(number) + " " + choice.caption);
            Combination c(number);
            ASSERT_TRUE(c.addForm(choice.face));
            const BuiltCrystal built = c.build();
            const auto own = std::count_if(built.scene.faces.begin(), built.scene.faces.end(),
                                           [](const forms::FormFace& f) { return !f.closing; });
            EXPECT_EQ(own, choice.faceCount);
            EXPECT_EQ(built.forms.front().open, !built.closing.empty());
            EXPECT_EQ(built.status.empty(), built.closing.empty());
            EXPECT_GE(built.scene.faces.size(), 4u);
            // Euler's formula: a closed convex solid.
            const auto v = static_cast<long>(built.scene.vertices.size());
            const auto e = static_cast<long>(built.scene.edges.size());
            const auto f = static_cast<long>(built.scene.faces.size());
            EXPECT_EQ(v - e + f, 2);
        }
    }
}

TEST(SimpleForms, ListsOfForms)
{
    std::vector<std::string> cubic;
    for (const FormChoice& f : FormsOfClass(32))
        cubic.push_back(f.caption);
    EXPECT_EQ(cubic, (std::vector<std::string>{"{100} куб", "{110} ромбододекаэдр", "{111} октаэдр",
                                                "{hk0} тетрагексаэдр", "{hhl} тригон-триоктаэдр",
                                                "{hll} тетрагон-триоктаэдр", "{hkl} гексаоктаэдр"}));
    ASSERT_EQ(FormsOfClass(1).size(), 1u);
    EXPECT_EQ(FormsOfClass(1)[0].caption, "{hkl} моноэдр");
    std::vector<std::string> two;
    for (const FormChoice& f : FormsOfClass(3))
        two.push_back(f.caption);
    EXPECT_EQ(two, (std::vector<std::string>{"{010} моноэдр", "{h0l} пинакоид", "{hkl} диэдр"}));
    // 6/mmm: the seven forms of the holohedry.
    EXPECT_EQ(FormsOfClass(27).size(), 7u);
}

struct Polygons {
    int count3 = 0, count4 = 0, count6 = 0, count8 = 0;
    bool operator==(const Polygons&) const = default;
};

// Cube {100} at distance 1 with the octahedron {111} at three distances:
// the truncated cube, the cuboctahedron and the truncated octahedron.
TEST(Combinations, CubeWithOctahedron)
{
    struct Case {
        double octahedron;
        Polygons polygons;
        std::size_t vertices;
    } cases[] = {
        {1.5, {8, 0, 0, 6}, 24},              // truncated cube: triangles and octagons
        {2 / std::sqrt(3.0), {8, 6, 0, 0}, 12}, // cuboctahedron: through the cube's edge midpoints
        {0.9, {0, 6, 8, 0}, 24},              // truncated octahedron: squares and hexagons
    };
    for (const Case& c : cases) {
        Combination combination(32);
        combination.addForm({1, 0, 0}, 1);
        combination.addForm({1, 1, 1}, c.octahedron);
        const BuiltCrystal built = combination.build();
        EXPECT_EQ(built.scene.faces.size(), 14u) << c.octahedron;
        Polygons p;
        for (const auto& f : built.scene.faces) {
            const std::size_t n = f.corners.size();
            (n == 3 ? p.count3 : n == 4 ? p.count4 : n == 6 ? p.count6 : p.count8) += 1;
        }
        EXPECT_EQ(p, c.polygons) << c.octahedron;
        EXPECT_EQ(built.scene.vertices.size(), c.vertices) << c.octahedron;
        EXPECT_TRUE(built.closing.empty());
        EXPECT_TRUE(built.status.empty());
    }
}

TEST(Combinations, OpenFormsAreClosedAndTold)
{
    Combination prism(15);
    prism.addForm({1, 0, 0});
    const BuiltCrystal p = prism.build();
    ASSERT_EQ(p.closing.size(), 1u);
    EXPECT_EQ(p.closing[0].name, "пинакоид");
    EXPECT_EQ(p.scene.faces.size(), 6u);
    EXPECT_EQ(p.status, "Открытая форма: тетрагональная призма {100} показана с замыкающими гранями");

    // A pyramid is closed by the pedion opposite its apex only.
    Combination pyramid(13);
    pyramid.addForm({1, 0, 1});
    const BuiltCrystal q = pyramid.build();
    ASSERT_EQ(q.closing.size(), 1u);
    EXPECT_EQ(q.closing[0].name, "моноэдр");
    EXPECT_EQ(q.closing[0].face, (IntVector{0, 0, -1}));
    EXPECT_EQ(q.scene.faces.size(), 5u);

    // A prism with a dipyramid closes itself.
    Combination closed(27);
    closed.addForm({1, 0, 0});
    closed.addForm({1, 0, 1});
    EXPECT_TRUE(closed.build().closing.empty());
    EXPECT_EQ(closed.build().scene.faces.size(), 18u);
}

TEST(Combinations, AtMostThreeFormsWithPositiveDistances)
{
    Combination c(32);
    EXPECT_FALSE(c.addForm({1, 0, 0}, 0));
    EXPECT_FALSE(c.addForm({1, 0, 0}, -1));
    EXPECT_TRUE(c.addForm({1, 0, 0}));
    EXPECT_TRUE(c.addForm({1, 1, 1}));
    EXPECT_TRUE(c.addForm({1, 1, 0}));
    EXPECT_FALSE(c.addForm({2, 1, 0}));
    EXPECT_EQ(c.forms().size(), 3u);
    c.removeForm(1);
    EXPECT_EQ(c.forms().size(), 2u);
    EXPECT_EQ(c.forms()[1].face, (IntVector{1, 1, 0}));
}

struct SymbolCase {
    const char* text;
    bool hexagonal;
    IntVector face;       // when accepted
    const char* message;  // when refused
};

TEST(FaceSymbols, ParsedOrRefusedWithAMessage)
{
    const SymbolCase cases[] = {
        {"(100)", false, {1, 0, 0}, nullptr},
        {"1 -1 0", false, {1, -1, 0}, nullptr},
        {"{2,1,0}", false, {2, 1, 0}, nullptr},
        {"(10-11)", true, {1, 0, 1}, nullptr},
        {"2 -1 -1 0", true, {2, -1, 0}, nullptr},
        {"1 1 1", true, {1, 1, 1}, nullptr},
        {"20 -20 1", false, {20, -20, 1}, nullptr},
        {"1 a 0", false, {}, "Символ грани должен состоять из целых чисел, например (100) или (1 -1 0)."},
        {"1.5 0 0", false, {}, "Символ грани должен состоять из целых чисел, например (100) или (1 -1 0)."},
        {"", false, {}, "Символ грани должен состоять из целых чисел, например (100) или (1 -1 0)."},
        {"(0 0 0)", false, {}, "Индексы грани не могут быть все равны нулю."},
        {"21 0 0", false, {}, "Индексы грани не должны превышать 20 по абсолютной величине."},
        {"1 0 -99999999999999999999", false, {}, "Индексы грани не должны превышать 20 по абсолютной величине."},
        {"1 0 1 1", true, {}, "В символе (hkil) индекс i должен быть равен −(h + k)."},
        {"1 0 -1 0", false, {}, "Символ грани должен содержать три индекса (hkl)."},
        {"1 0", true, {}, "Символ грани должен содержать три индекса (hkl) или четыре (hkil)."},
    };
    for (const SymbolCase& c : cases) {
        const auto result = ParseFaceSymbol(c.text, c.hexagonal);
        if (c.message) {
            ASSERT_TRUE(std::holds_alternative<FaceSymbolError>(result)) << c.text;
            EXPECT_EQ(std::get<FaceSymbolError>(result).message, c.message) << c.text;
        } else {
            ASSERT_TRUE(std::holds_alternative<IntVector>(result)) << c.text;
            EXPECT_EQ(std::get<IntVector>(result), c.face) << c.text;
        }
    }
}

} // namespace
} // namespace vestrel::test
