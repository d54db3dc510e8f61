// SPDX-License-Identifier: MIT
#include "logic/morphology/simple_forms.h"

#include "logic/morphology/class_texts.h"
#include "logic/morphology/convex_solid.h"
#include "logic/text/translate.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace vestrel::morphology {

namespace {

constexpr double Tolerance = 1e-6;
constexpr const char* Overline = "\xCC\x84"; // U+0304, the bar over the digit before it

bool Near(double a, double b) { return std::abs(a - b) < Tolerance; }

std::vector<Vec3> UnitNormals(int classNumber, const std::vector<IntVector>& faces)
{
    const Lattice lattice = LatticeOf(ClassInfo(classNumber).system);
    std::vector<Vec3> out;
    for (const IntVector& f : faces)
        out.push_back(normalised(FaceNormal(lattice, f)));
    return out;
}

double Azimuth(const Vec3& n)
{
    const double a = std::atan2(n.y, n.x) * 180 / std::numbers::pi;
    return a < 0 ? a + 360 : a;
}

double AngleGap(double a, double b)
{
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360 - d);
}

// Whether the two sets of azimuths are the same, the second turned by `turn`.
bool SameAzimuths(const std::vector<double>& a, const std::vector<double>& b, double turn = 0)
{
    if (a.size() != b.size())
        return false;
    return std::all_of(b.begin(), b.end(), [&](double x) {
        return std::any_of(a.begin(), a.end(), [&](double y) { return AngleGap(x + turn, y) < 1e-4; });
    });
}

// Equally spaced round the axis.
bool Regular(std::vector<double> azimuths)
{
    std::sort(azimuths.begin(), azimuths.end());
    const double step = 360.0 / static_cast<double>(azimuths.size());
    for (std::size_t i = 0; i < azimuths.size(); ++i)
        if (std::abs(AngleGap(azimuths[i], azimuths[(i + 1) % azimuths.size()]) - step) > 1e-4
            && azimuths.size() > 1)
            return false;
    return true;
}

std::string Feminine(int n)
{
    switch (n) {
    case 3: return "тригональная";
    case 4: return "тетрагональная";
    case 6: return "гексагональная";
    default: return "";
    }
}

std::string Masculine(int n)
{
    switch (n) {
    case 3: return "тригональный";
    case 4: return "тетрагональный";
    case 6: return "гексагональный";
    default: return "";
    }
}

// A prism or pyramid of m faces: "тригональная", or "дитригональная" when
// the faces come in pairs rather than equally spaced.
std::string AroundAxis(const std::vector<double>& azimuths)
{
    const int m = static_cast<int>(azimuths.size());
    return Regular(azimuths) ? Feminine(m) : "ди" + Feminine(m / 2);
}

bool Coplanar(const std::vector<Vec3>& normals)
{
    for (std::size_t i = 1; i < normals.size(); ++i) {
        const Vec3 axis = cross(normals[0], normals[i]);
        if (length(axis) < Tolerance)
            continue;
        return std::all_of(normals.begin(), normals.end(),
                           [&](const Vec3& n) { return std::abs(dot(n, axis)) < Tolerance; });
    }
    return true;
}

std::string LowSystemName(const std::vector<Vec3>& n)
{
    if (n.size() == 8)
        return "ромбическая дипирамида";
    if (Coplanar(n))
        return "ромбическая призма";
    Vec3 sum;
    for (const Vec3& v : n)
        sum += v;
    return length(sum) < Tolerance ? "ромбический тетраэдр" : "ромбическая пирамида";
}

std::string MediumSystemName(const std::vector<Vec3>& n)
{
    std::vector<double> upper, lower, side;
    for (const Vec3& v : n)
        (Near(v.z, 0) ? side : v.z > 0 ? upper : lower).push_back(Azimuth(v));
    if (!side.empty())
        return AroundAxis(side) + " призма";
    if (upper.empty() || lower.empty())
        return AroundAxis(upper.empty() ? lower : upper) + " пирамида";
    if (SameAzimuths(upper, lower))
        return AroundAxis(upper) + " дипирамида";
    const int m = static_cast<int>(upper.size());
    if (!Regular(upper))
        return m == 4 ? "тетрагональный скаленоэдр" : "дитригональный скаленоэдр";
    if (SameAzimuths(upper, lower, 180.0 / m))
        return m == 3 ? "ромбоэдр" : "тетрагональный тетраэдр";
    return Masculine(m) + " трапецоэдр";
}

// Cubic forms go by the pattern of the indices, |h| ≥ |k| ≥ |l|, and the
// number of faces.
std::string CubicName(int classNumber, const IntVector& face, std::size_t count)
{
    std::array<int, 3> a{std::abs(face[0]), std::abs(face[1]), std::abs(face[2])};
    std::sort(a.begin(), a.end(), std::greater<>());
    const bool full = count == 24 || count == 48 || (count == 8 && a[0] == a[2]);
    if (a[1] == 0)
        return "куб";
    if (a[0] == a[2])
        return full ? "октаэдр" : "тетраэдр";
    if (a[2] == 0)
        return a[0] == a[1] ? "ромбододекаэдр" : full ? "тетрагексаэдр" : "пентагондодекаэдр";
    if (a[0] == a[1])
        return full ? "тригон-триоктаэдр" : "тетрагон-тритетраэдр";
    if (a[1] == a[2])
        return full ? "тетрагон-триоктаэдр" : "тригон-тритетраэдр";
    return std::string(ClassInfo(classNumber).generalForm);
}

struct Pattern {
    const char* text;
    IntVector face;
    std::vector<int> parents; // indices of the patterns it is a special case of
};

// Three-index patterns of the systems with orthogonal or monoclinic axes.
const std::vector<Pattern>& LowPatterns()
{
    static const std::vector<Pattern> p{
        {"{100}", {1, 0, 0}, {3, 4}}, {"{010}", {0, 1, 0}, {3, 5}}, {"{001}", {0, 0, 1}, {4, 5}},
        {"{hk0}", {2, 1, 0}, {6}},    {"{h0l}", {2, 0, 1}, {6}},    {"{0kl}", {0, 2, 1}, {6}},
        {"{hkl}", {3, 2, 1}, {}},
    };
    return p;
}

const std::vector<Pattern>& TetragonalPatterns()
{
    static const std::vector<Pattern> p{
        {"{001}", {0, 0, 1}, {4, 5}}, {"{100}", {1, 0, 0}, {3, 4}}, {"{110}", {1, 1, 0}, {3, 5}},
        {"{hk0}", {2, 1, 0}, {6}},    {"{h0l}", {1, 0, 1}, {6}},    {"{hhl}", {1, 1, 1}, {6}},
        {"{hkl}", {2, 1, 1}, {}},
    };
    return p;
}

const std::vector<Pattern>& HexagonalPatterns()
{
    static const std::vector<Pattern> p{
        {"{0001}", {0, 0, 1}, {4, 5}}, {"{101\xCC\x84" "0}", {1, 0, 0}, {3, 4}},
        {"{112\xCC\x84" "0}", {1, 1, 0}, {3, 5}}, {"{hki0}", {2, 1, 0}, {6}},
        {"{h0h\xCC\x84l}", {1, 0, 1}, {6}}, {"{hh2\xCC\x84hl}", {1, 1, 1}, {6}},
        {"{hkil}", {2, 1, 1}, {}},
    };
    return p;
}

const std::vector<Pattern>& CubicPatterns()
{
    static const std::vector<Pattern> p{
        {"{100}", {1, 0, 0}, {3}}, {"{110}", {1, 1, 0}, {3, 4}}, {"{111}", {1, 1, 1}, {4, 5}},
        {"{hk0}", {2, 1, 0}, {6}}, {"{hhl}", {2, 2, 1}, {6}},    {"{hll}", {2, 1, 1}, {6}},
        {"{hkl}", {3, 2, 1}, {}},
    };
    return p;
}

const std::vector<Pattern>& PatternsOf(CrystalSystem system)
{
    switch (system) {
    case CrystalSystem::Tetragonal: return TetragonalPatterns();
    case CrystalSystem::Trigonal:
    case CrystalSystem::Hexagonal: return HexagonalPatterns();
    case CrystalSystem::Cubic: return CubicPatterns();
    default: return LowPatterns();
    }
}

void Ancestors(const std::vector<Pattern>& patterns, int i, std::vector<int>& out)
{
    for (int p : patterns[static_cast<std::size_t>(i)].parents)
        if (std::find(out.begin(), out.end(), p) == out.end()) {
            out.push_back(p);
            Ancestors(patterns, p, out);
        }
}

} // namespace

std::vector<int> WrittenIndices(const IntVector& hkl, bool hexagonal)
{
    if (hexagonal)
        return {hkl[0], hkl[1], -(hkl[0] + hkl[1]), hkl[2]};
    return {hkl[0], hkl[1], hkl[2]};
}

std::string FaceSymbolText(const IntVector& hkl, bool hexagonal, char open, char close)
{
    const std::vector<int> indices = WrittenIndices(hkl, hexagonal);
    const bool wide = std::any_of(indices.begin(), indices.end(), [](int v) { return std::abs(v) > 9; });
    std::string text(1, open);
    for (std::size_t i = 0; i < indices.size(); ++i) {
        if (wide && i > 0)
            text += ' ';
        text += std::to_string(std::abs(indices[i]));
        if (indices[i] < 0)
            text += Overline;
    }
    return text + close;
}

SimpleForm MakeForm(int classNumber, const IntVector& hkl)
{
    SimpleForm form;
    form.classNumber = classNumber;
    form.face = hkl;
    for (const IntMatrix& w : ClassOperations(classNumber)) {
        const IntVector f = FaceImage(w, hkl);
        if (std::find(form.faces.begin(), form.faces.end(), f) == form.faces.end())
            form.faces.push_back(f);
    }
    form.name = FormName(classNumber, form.faces);
    form.open = IsOpen(classNumber, form.faces);
    return form;
}

std::string FormName(int classNumber, const std::vector<IntVector>& faces)
{
    const std::vector<Vec3> n = UnitNormals(classNumber, faces);
    if (n.size() == 1)
        return "моноэдр";
    if (n.size() == 2)
        return distance(n[0], -n[1]) < Tolerance ? "пинакоид" : "диэдр";
    switch (ClassInfo(classNumber).system) {
    case CrystalSystem::Cubic: return CubicName(classNumber, faces.front(), faces.size());
    case CrystalSystem::Trigonal:
    case CrystalSystem::Tetragonal:
    case CrystalSystem::Hexagonal: return MediumSystemName(n);
    default: return LowSystemName(n);
    }
}

bool IsOpen(int classNumber, const std::vector<IntVector>& faces)
{
    std::vector<Plane> planes;
    for (const Vec3& n : UnitNormals(classNumber, faces))
        planes.push_back({n, 1});
    return !IntersectHalfSpaces(planes).bounded;
}

std::vector<FormChoice> FormsOfClass(int classNumber)
{
    const CrystalSystem system = ClassInfo(classNumber).system;
    const std::vector<Pattern>& patterns = PatternsOf(system);
    std::vector<FormChoice> all;
    for (const Pattern& p : patterns) {
        const SimpleForm form = MakeForm(classNumber, p.face);
        all.push_back({p.text, p.face, form.name, static_cast<int>(form.faces.size()),
                       std::string(p.text) + " " + FormNameText(form.name)});
    }
    // A pattern whose form is that of a more general pattern is only a
    // particular case of it in this class.
    std::vector<FormChoice> out;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        std::vector<int> ancestors;
        Ancestors(patterns, static_cast<int>(i), ancestors);
        const bool repeats = std::any_of(ancestors.begin(), ancestors.end(), [&](int a) {
            const FormChoice& g = all[static_cast<std::size_t>(a)];
            return g.name == all[i].name && g.faceCount == all[i].faceCount;
        });
        if (!repeats)
            out.push_back(all[i]);
    }
    return out;
}

} // namespace vestrel::morphology
