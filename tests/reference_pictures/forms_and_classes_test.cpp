// SPDX-License-Identifier: MIT
// The data the reference pictures are drawn from: the 15 simple forms of the
// cubic system as solids, the 32 crystal classes, the words of both
// languages, and the symbol markup.
#include "tools/reference/crystal_classes.h"
#include "tools/reference/cubic_forms.h"
#include "tools/reference/picture_texts.h"
#include "tools/reference/symbol_markup.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>

namespace vestrel::test {
namespace {

using namespace vestrel::reference;

struct FormCase {
    const char* name;
    int faces;       // the number of faces of the form
    int corners;     // corners of each face
    int vertices;
};

void PrintTo(const FormCase& c, std::ostream* os) { *os << c.name; }

// Face counts and face shapes as crystallography gives them.
constexpr FormCase Forms[] = {
    {"куб", 6, 4, 8},
    {"октаэдр", 8, 3, 6},
    {"ромбододекаэдр", 12, 4, 14},
    {"тетрагексаэдр", 24, 3, 14},
    {"тригон-триоктаэдр", 24, 3, 14},
    {"тетрагон-триоктаэдр", 24, 4, 26},
    {"гексоктаэдр", 48, 3, 26},
    {"тетраэдр", 4, 3, 4},
    {"тригон-тритетраэдр", 12, 3, 8},
    {"тетрагон-тритетраэдр", 12, 4, 14},
    {"гексатетраэдр", 24, 3, 14},
    {"пентагондодекаэдр", 12, 5, 20},
    {"дидодекаэдр", 24, 4, 26},
    {"пентагон-тритетраэдр", 12, 5, 20},
    {"пентагон-триоктаэдр", 24, 5, 38},
};

const CubicForm* FindForm(const char* name)
{
    for (const CubicForm& form : CubicSimpleForms)
        if (std::string(form.name) == name)
            return &form;
    return nullptr;
}

class SimpleForm : public ::testing::TestWithParam<FormCase> {};

TEST_P(SimpleForm, SolidHasTheFacesOfTheForm)
{
    const FormCase& c = GetParam();
    const CubicForm* form = FindForm(c.name);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(int(FaceNormals(*form).size()), c.faces);
    const ConvexSolid solid = BuildCubicForm(*form);
    ASSERT_EQ(int(solid.faces.size()), c.faces);
    for (const SolidFace& face : solid.faces)
        EXPECT_EQ(int(face.corners.size()), c.corners);
    EXPECT_EQ(int(solid.vertices.size()), c.vertices);
    // Euler's formula for a closed convex solid, every edge between two faces.
    const auto edges = EdgesOf(solid);
    EXPECT_EQ(int(solid.vertices.size()) - int(edges.size()) + c.faces, 2);
    for (const SolidEdge& e : edges)
        EXPECT_GE(e.rightFace, 0);
}

// Each face is a plane polygon at distance 1 from the centre, counter-clockwise
// seen from outside.
TEST_P(SimpleForm, FacesAreOrientedOutwards)
{
    const ConvexSolid solid = BuildCubicForm(*FindForm(GetParam().name));
    for (const SolidFace& face : solid.faces) {
        const Vec3 a = solid.vertices[face.corners[0]], b = solid.vertices[face.corners[1]],
                     c = solid.vertices[face.corners[2]];
        EXPECT_GT(dot(cross(b - a, c - b), face.normal), 0);
        for (int i : face.corners)
            EXPECT_NEAR(dot(solid.vertices[i], face.normal), 1.0, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Cubic, SimpleForm, ::testing::ValuesIn(Forms));

TEST(SimpleForms, FifteenDistinctNames)
{
    std::set<std::string> names;
    for (const CubicForm& form : CubicSimpleForms)
        names.insert(form.name);
    EXPECT_EQ(names.size(), 15u);
}

// Hand-checked orbits: the tetrahedron takes every other octant, the
// pentagon-dodecahedron only cyclic permutations of (2 1 0).
TEST(SimpleForms, OrbitsFollowTheirGroup)
{
    const auto tetrahedron = FaceNormals(*FindForm("тетраэдр"));
    for (const auto& n : tetrahedron)
        EXPECT_EQ(n[0] * n[1] * n[2], 1);
    const auto pyritohedron = FaceNormals(*FindForm("пентагондодекаэдр"));
    for (const auto& n : pyritohedron) {
        const bool cyclic = (std::abs(n[0]) == 2 && std::abs(n[1]) == 1) || (std::abs(n[1]) == 2 && std::abs(n[2]) == 1)
            || (std::abs(n[2]) == 2 && std::abs(n[0]) == 1);
        EXPECT_TRUE(cyclic);
    }
}

// The gyroid and the tetartoid have no mirror image of any face among their
// faces: mirroring x -> -x does not map the set of normals onto itself.
TEST(SimpleForms, ChiralFormsAreNotMirrorSymmetric)
{
    for (const char* name : {"пентагон-триоктаэдр", "пентагон-тритетраэдр"}) {
        const auto normals = FaceNormals(*FindForm(name));
        const std::set<std::array<int, 3>> set(normals.begin(), normals.end());
        for (const auto& mirror : {std::array<int, 3>{-1, 1, 1}, std::array<int, 3>{1, 1, -1}}) {
            int kept = 0;
            for (const auto& n : normals)
                kept += set.count({mirror[0] * n[0], mirror[1] * n[1], mirror[2] * n[2]}) > 0;
            EXPECT_EQ(kept, 0) << name;
        }
    }
}

TEST(CrystalClasses, ThirtyTwoClassesBySystem)
{
    EXPECT_EQ(CrystalClasses.size(), 32u);
    const int expected[CrystalSystemCount] = {2, 3, 3, 5, 7, 7, 5};
    for (int s = 0; s < CrystalSystemCount; ++s) {
        const auto system = CrystalSystems[s].system;
        const auto count = std::count_if(CrystalClasses.begin(), CrystalClasses.end(),
                                         [&](const CrystalClass& c) { return c.system == system; });
        EXPECT_EQ(count, expected[s]) << s;
        const auto holohedries = std::count_if(CrystalClasses.begin(), CrystalClasses.end(),
            [&](const CrystalClass& c) { return c.system == system && c.holohedry; });
        EXPECT_EQ(holohedries, 1) << s;
    }
    std::set<std::string_view> international, schoenflies;
    for (const CrystalClass& c : CrystalClasses) {
        international.insert(c.international);
        schoenflies.insert(c.schoenflies);
    }
    EXPECT_EQ(international.size(), 32u);
    EXPECT_EQ(schoenflies.size(), 32u);
}

// The 11 classes with a centre of symmetry (the Laue classes), named
// independently in all three notations.
TEST(CrystalClasses, CentreOfSymmetryAgreesInAllNotations)
{
    const std::set<std::string_view> centric{"-1", "2/m", "mmm", "-3", "-3m", "4/m", "4/mmm", "6/m", "6/mmm", "m-3", "m-3m"};
    const std::set<std::string_view> centricSchoenflies{"Ci", "C2h", "D2h", "C3i", "D3d", "C4h", "D4h", "C6h", "D6h", "Th", "Oh"};
    for (const CrystalClass& c : CrystalClasses) {
        const bool hasCentre = c.formula.find('C') != std::string_view::npos;
        EXPECT_EQ(hasCentre, centric.count(c.international) > 0) << c.international;
        EXPECT_EQ(hasCentre, centricSchoenflies.count(c.schoenflies) > 0) << c.international;
    }
}

// The 11 classes of rotations only: no plane, no centre and no inversion axis
// in the formula, no "m" and no bar in the international symbol, C, D, T or O
// without a further index letter in the Schoenflies symbol.
TEST(CrystalClasses, RotationOnlyClassesAgreeInAllNotations)
{
    int count = 0;
    for (const CrystalClass& c : CrystalClasses) {
        const bool rotations = c.formula.find_first_of("PCi") == std::string_view::npos;
        const bool plainSymbol = c.international.find_first_of("m-") == std::string_view::npos;
        const bool plainSchoenflies = c.schoenflies.find_first_of("hvdisS") == std::string_view::npos;
        EXPECT_EQ(rotations, plainSymbol) << c.international;
        EXPECT_EQ(rotations, plainSchoenflies) << c.international;
        count += rotations;
    }
    EXPECT_EQ(count, 11);
}

TEST(SymbolMarkup, BarGoesOverTheDigitAfterTheMinus)
{
    const RichText text = HermannMauguin("-43m");
    ASSERT_EQ(text.size(), 2u);
    EXPECT_EQ(text[0], (TextRun{"4", RunStyle::Overbar}));
    EXPECT_EQ(text[1], (TextRun{"3m", RunStyle::Plain}));
    const RichText cubic = HermannMauguin("m-3m");
    ASSERT_EQ(cubic.size(), 3u);
    EXPECT_EQ(cubic[1], (TextRun{"3", RunStyle::Overbar}));
    EXPECT_EQ(HermannMauguin("4/mmm"), (RichText{{"4/mmm", RunStyle::Plain}}));
}

TEST(SymbolMarkup, SchoenfliesIndexIsASubscript)
{
    EXPECT_EQ(Schoenflies("C4h"), (RichText{{"C", RunStyle::Plain}, {"4h", RunStyle::Subscript}}));
    EXPECT_EQ(Schoenflies("O"), (RichText{{"O", RunStyle::Plain}}));
}

TEST(SymbolMarkup, AxisOrderInAFormulaIsASubscript)
{
    const RichText text = SymmetryFormula("3Li4 4L3");
    ASSERT_EQ(text.size(), 4u);
    EXPECT_EQ(text[0], (TextRun{"3L", RunStyle::Plain}));
    EXPECT_EQ(text[1], (TextRun{"i4", RunStyle::Subscript}));
    EXPECT_EQ(text[2], (TextRun{QString(QChar(0x2009)) + "4L", RunStyle::Plain}));
    EXPECT_EQ(text[3], (TextRun{"3", RunStyle::Subscript}));
}

TEST(SymbolMarkup, AxisOrderInAMineralogyFormulaIsASubscript)
{
    const RichText text = MineralogySymmetryFormula("i, 3Ā4, 6m");
    ASSERT_EQ(text.size(), 3u);
    EXPECT_EQ(text[0], (TextRun{QString::fromUtf8("i, 3Ā"), RunStyle::Plain}));
    EXPECT_EQ(text[1], (TextRun{"4", RunStyle::Subscript}));
    EXPECT_EQ(text[2], (TextRun{", 6m", RunStyle::Plain}));
}

bool HasCyrillic(std::string_view text)
{
    for (QChar c : QString::fromUtf8(text.data(), qsizetype(text.size())))
        if (c.script() == QChar::Script_Cyrillic)
            return true;
    return false;
}

// Every text of both tables is filled in; the Russian ones are Russian and
// the English ones have no Cyrillic letter at all (a Cyrillic "С" or "Р"
// looks Latin and would slip through a glance).
TEST(PictureTexts, EveryTextIsWrittenInItsLanguage)
{
    for (const PictureTexts* texts : {&RussianTexts, &EnglishTexts}) {
        int count = 0, cyrillic = 0;
        ForEachText(*texts, [&](std::string_view text) {
            EXPECT_FALSE(text.empty()) << "text " << count << " of " << LanguageCode(texts->language);
            ++count;
            cyrillic += HasCyrillic(text);
        });
        EXPECT_EQ(cyrillic, texts->language == Language::English ? 0 : count) << LanguageCode(texts->language);
    }
}

// The elements of symmetry a formula names: axes by their order (a
// rotoinversion axis as a negative order), planes as order 0, and the
// centre as order 100; a onefold axis is no element.
using Elements = std::map<int, int>;

Elements FromClassTable(std::string_view formula)
{
    Elements elements;
    size_t i = 0;
    while (i < formula.size()) {
        if (formula[i] == ' ') {
            ++i;
            continue;
        }
        int count = 0;
        while (std::isdigit(static_cast<unsigned char>(formula[i])))
            count = 10 * count + (formula[i++] - '0');
        count = std::max(count, 1);
        const char element = formula[i++];
        if (element == 'L') {
            const bool inversion = i < formula.size() && formula[i] == 'i';
            i += inversion;
            const int order = formula[i++] - '0';
            if (order > 1)
                elements[inversion ? -order : order] += count;
        } else {
            elements[element == 'P' ? 0 : 100] += count;
        }
    }
    return elements;
}

Elements FromMineralogy(std::string_view formula)
{
    Elements elements;
    if (formula == "none")
        return elements;
    const QString text = QString::fromUtf8(formula.data(), qsizetype(formula.size()));
    for (const QString& part : text.split(QStringLiteral(", "))) {
        qsizetype i = 0;
        int count = 0;
        while (part[i].isDigit())
            count = 10 * count + part[i++].digitValue();
        count = std::max(count, 1);
        const QChar element = part[i++];
        if (element == u'A' || element == QChar(0x0100)) {
            EXPECT_EQ(i + 1, part.size()) << formula;
            elements[(element == u'A' ? 1 : -1) * part[i].digitValue()] += count;
        } else {
            EXPECT_TRUE(element == u'm' || element == u'i') << formula;
            elements[element == u'm' ? 0 : 100] += count;
        }
    }
    return elements;
}

// The English formula of each class names the same elements as the class
// table's formula, read in its own notation.
TEST(PictureTexts, MineralogyFormulasNameTheElementsOfTheClassTable)
{
    for (size_t i = 0; i < CrystalClasses.size(); ++i) {
        const CrystalClass& c = CrystalClasses[i];
        EXPECT_EQ(MineralogyFormulas[i].international, c.international);
        EXPECT_EQ(FromMineralogy(MineralogyFormulaOf(c.international)), FromClassTable(c.formula))
            << c.international << ": " << c.formula << " against " << MineralogyFormulaOf(c.international);
    }
}

} // namespace
} // namespace vestrel::test
