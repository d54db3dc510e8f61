// SPDX-License-Identifier: MIT
#include "logic/morphology/crystal_forms.h"

#include "logic/morphology/class_elements.h"
#include "logic/morphology/class_texts.h"
#include "logic/morphology/convex_solid.h"
#include "logic/text/translate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vestrel::morphology {

namespace {

using Kind = polyhedra::SymmetryOperationElement::Kind;

constexpr double FitRadius = 55;      // model units: about the height the view shows at the start distance
constexpr double AxisOverhang = 0.4;  // beyond the solid, in circumradii
constexpr double PlaneHalfSize = 0.95; // in circumradii
constexpr float PlaneGreys[] = {0.2f, 0.35f, 0.5f, 0.65f, 0.8f, 0.3f, 0.45f, 0.6f, 0.75f};
// Beyond every form, to find where an open form runs off.
constexpr double BoxFactor = 100;

// The faces that may close an open form: pedions and pinacoids of the
// class along its axes, tried in this order.
constexpr IntVector ClosingCandidates[] = {{0, 0, 1}, {0, 0, -1}, {1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}};

struct PlaneSource {
    int form = -1;     // -1 for closing faces
    IntVector face{};
};

struct Cut {
    std::vector<Plane> planes;
    std::vector<PlaneSource> sources;
};

std::string Format(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

Vec3 ModelNormal(const Lattice& lattice, const IntVector& face)
{
    return ToModelFrame(normalised(FaceNormal(lattice, face)));
}

void AddForm(Cut& cut, const Lattice& lattice, const SimpleForm& form, int index, double distance)
{
    for (const IntVector& f : form.faces) {
        cut.planes.push_back({ModelNormal(lattice, f), distance * ModelUnitsPerDistance});
        cut.sources.push_back({index, f});
    }
}

bool Contains(const Cut& cut, const IntVector& face)
{
    return std::any_of(cut.sources.begin(), cut.sources.end(), [&](const PlaneSource& s) { return s.face == face; });
}

// The corners of the cut inside a large box: those on the box show where
// the solid runs off.
std::vector<Vec3> FarCorners(const Cut& cut, double box)
{
    std::vector<Plane> planes = cut.planes;
    for (const Vec3& n : {Vec3{1, 0, 0}, Vec3{-1, 0, 0}, Vec3{0, 1, 0}, Vec3{0, -1, 0}, Vec3{0, 0, 1}, Vec3{0, 0, -1}})
        planes.push_back({n, box});
    const ConvexSolid solid = IntersectHalfSpaces(planes);
    std::vector<Vec3> far;
    for (const Vec3& v : solid.vertices)
        if (std::max({std::abs(v.x), std::abs(v.y), std::abs(v.z)}) > box * 0.999)
            far.push_back(v);
    return far;
}

// Adds pedions and pinacoids of the class until the solid is closed.
std::vector<SimpleForm> Close(Cut& cut, int classNumber, const Lattice& lattice, double distance)
{
    std::vector<SimpleForm> added;
    const double offset = distance * ModelUnitsPerDistance;
    for (const IntVector& candidate : ClosingCandidates) {
        if (!added.empty() && IntersectHalfSpaces(cut.planes).bounded)
            break;
        if (Contains(cut, candidate))
            continue;
        const SimpleForm form = MakeForm(classNumber, candidate);
        const std::vector<Vec3> far = FarCorners(cut, offset * BoxFactor);
        const bool cuts = std::any_of(form.faces.begin(), form.faces.end(), [&](const IntVector& f) {
            const Vec3 n = ModelNormal(lattice, f);
            return std::any_of(far.begin(), far.end(), [&](const Vec3& v) { return dot(n, v) > offset; });
        });
        if (!cuts)
            continue;
        AddForm(cut, lattice, form, -1, distance);
        added.push_back(form);
    }
    return added;
}

std::vector<int> WrittenOf(const IntVector& face, int classNumber)
{
    return WrittenIndices(face, UsesHexagonalAxes(ClassInfo(classNumber).system));
}

// "(10-10)": the label drawn on a face, a minus before the digit it bars.
std::string Label(const std::vector<int>& indices)
{
    const bool wide = std::any_of(indices.begin(), indices.end(), [](int v) { return std::abs(v) > 9; });
    std::string text = "(";
    for (std::size_t i = 0; i < indices.size(); ++i) {
        if (wide && i > 0)
            text += ' ';
        text += std::to_string(indices[i]);
    }
    return text + ")";
}

void AddFaces(forms::CrystalFormScene& scene, const ConvexSolid& solid, const Cut& cut, int classNumber)
{
    scene.vertices = solid.vertices;
    for (const SolidFace& f : solid.faces) {
        const PlaneSource& source = cut.sources[static_cast<std::size_t>(f.plane)];
        forms::FormFace face;
        for (int c : f.corners)
            face.corners.push_back(solid.vertices[static_cast<std::size_t>(c)]);
        face.normal = f.normal;
        face.form = source.form;
        face.closing = source.form < 0;
        face.colour = face.closing ? forms::ClosingFaceColour
                                   : forms::FormColours[static_cast<std::size_t>(source.form) % forms::FormColours.size()];
        face.indices = WrittenOf(source.face, classNumber);
        face.label = Label(face.indices);
        scene.faces.push_back(std::move(face));
    }
    for (const SolidEdge& e : EdgesOf(solid))
        scene.edges.push_back({e.from, e.to});
    for (const Vec3& v : solid.vertices)
        scene.circumradius = std::max(scene.circumradius, length(v));
}

// A solid that reaches farther than the catalogue's polyhedra is made
// smaller as a whole, so that it fits the view as they do; its forms keep
// their distances in proportion.
void FitIntoView(forms::CrystalFormScene& scene)
{
    if (scene.circumradius <= FitRadius)
        return;
    const double s = FitRadius / scene.circumradius;
    for (Vec3& v : scene.vertices)
        v = s * v;
    for (forms::FormFace& f : scene.faces)
        for (Vec3& c : f.corners)
            c = s * c;
    scene.circumradius = FitRadius;
}

// How far the solid reaches along the unit direction u.
double Reach(const forms::CrystalFormScene& scene, const Vec3& u)
{
    double t = 0;
    for (const Vec3& v : scene.vertices)
        t = std::max(t, dot(v, u));
    return t;
}

// Where the ray from the centre along u leaves the solid, when it leaves
// through the inside of a face (not through an edge or a corner).
std::optional<Vec3> FacePiercing(const forms::CrystalFormScene& scene, const Vec3& u)
{
    double s = -1;
    for (const forms::FormFace& f : scene.faces) {
        const double along = dot(f.normal, u);
        if (along < 1e-9)
            continue;
        const double hit = dot(f.normal, f.corners.front()) / along;
        if (s < 0 || hit < s)
            s = hit;
    }
    if (s <= 0)
        return std::nullopt;
    const Vec3 p = s * u;
    const double tolerance = 1e-6 * std::max(1.0, scene.circumradius);
    const auto through = std::count_if(scene.faces.begin(), scene.faces.end(), [&](const forms::FormFace& f) {
        return std::abs(dot(f.normal, p) - dot(f.normal, f.corners.front())) < tolerance;
    });
    if (through != 1)
        return std::nullopt;
    return p;
}

std::array<Vec3, 4> PlaneSquare(const Vec3& normal, double half)
{
    // One side upright where the plane allows it.
    Vec3 up = Vec3{0, 1, 0} - dot(Vec3{0, 1, 0}, normal) * normal;
    if (length(up) < 1e-6)
        up = Vec3{1, 0, 0} - dot(Vec3{1, 0, 0}, normal) * normal;
    const Vec3 u = half * normalised(up);
    const Vec3 v = half * normalised(cross(normal, u));
    return {u + v, -1.0 * u + v, -1.0 * u - v, u - v};
}

void AddElements(BuiltCrystal& built, int classNumber)
{
    forms::CrystalFormScene& scene = built.scene;
    const double r = scene.circumradius;
    int planes = 0;
    std::vector<std::pair<Kind, int>> counted;
    const auto number = [&](Kind kind, int order) {
        counted.push_back({kind, order});
        return static_cast<int>(std::count(counted.begin(), counted.end(), std::pair{kind, order}));
    };
    for (const ClassElement& e : ElementsOf(classNumber)) {
        const Vec3 u = ToModelFrame(e.direction);
        switch (e.kind) {
        case ClassElement::Kind::Axis:
        case ClassElement::Kind::InversionAxis: {
            const bool inversion = e.kind == ClassElement::Kind::InversionAxis;
            const double forward = Reach(scene, u) + AxisOverhang * r, back = Reach(scene, -u) + AxisOverhang * r;
            scene.axes.push_back({{forward * u, -back * u}, e.order, inversion});
            for (const Vec3& dir : {u, -u})
                if (const auto p = FacePiercing(scene, dir))
                    scene.markers.push_back({*p, e.order});
            const Kind kind = inversion ? Kind::InversionAxis : Kind::Axis;
            built.elements.push_back({kind, e.order, u, number(kind, e.order)});
            break;
        }
        case ClassElement::Kind::Plane: {
            const Colour grey{PlaneGreys[planes % 9], PlaneGreys[planes % 9], PlaneGreys[planes % 9]};
            scene.planes.push_back({grey, PlaneSquare(u, PlaneHalfSize * r)});
            ++planes;
            built.elements.push_back({Kind::Plane, 1, u, number(Kind::Plane, 1)});
            break;
        }
        case ClassElement::Kind::Centre:
            scene.centre = true;
            built.elements.push_back({Kind::Centre, 1, {}, 1});
            break;
        }
    }
}

std::string FormLine(const SimpleForm& f, bool hexagonal)
{
    return FaceSymbolText(f.face, hexagonal, '{', '}') + " " + FormNameText(f.name) + VT("CrystalForms", ", граней: ")
           + std::to_string(f.faces.size());
}

void AddMemo(BuiltCrystal& built, int classNumber, const std::vector<FormSpec>& specs)
{
    const CrystalClass& c = ClassInfo(classNumber);
    const bool hexagonal = UsesHexagonalAxes(c.system);
    built.memo.push_back(VT("CrystalForms", "Вид симметрии: ") + InternationalSymbol(classNumber) + " ("
                         + std::string(c.schoenflies) + ") — " + ClassNameText(c));
    built.memo.push_back(VT("CrystalForms", "Сингония: ") + SystemNameText(c.system));
    built.memo.push_back(VT("CrystalForms", "Формула симметрии: ") + SymmetryFormulaText(c));
    built.memo.push_back(VT("CrystalForms", "Порядок группы: ") + std::to_string(c.order));
    for (std::size_t i = 0; i < built.forms.size(); ++i)
        built.memo.push_back(VT("CrystalForms", "Форма ") + std::to_string(i + 1) + ": " + FormLine(built.forms[i], hexagonal)
                             + VT("CrystalForms", ", расстояние ") + Format(specs[i].distance));
    for (const SimpleForm& f : built.closing)
        built.memo.push_back(VT("CrystalForms", "Замыкающие грани: ") + FormLine(f, hexagonal));
}

void AddStatus(BuiltCrystal& built, int classNumber)
{
    if (built.closing.empty())
        return;
    const bool hexagonal = UsesHexagonalAxes(ClassInfo(classNumber).system);
    std::string names;
    for (const SimpleForm& f : built.forms)
        if (f.open)
            names += (names.empty() ? "" : ", ") + FormNameText(f.name) + " " + FaceSymbolText(f.face, hexagonal, '{', '}');
    built.status = FormatText(VT("CrystalForms", "Открытая форма: %1 показана с замыкающими гранями"), {names});
}

} // namespace

Vec3 ToModelFrame(const Vec3& c) { return {c.x, c.z, -c.y}; }

std::string InternationalSymbol(int number)
{
    std::string out;
    bool bar = false;
    for (char ch : ClassInfo(number).international) {
        if (ch == '-') {
            bar = true;
            continue;
        }
        out += ch;
        if (bar)
            out += "\xCC\x84"; // U+0304, the bar over the digit
        bar = false;
    }
    return out;
}

std::vector<ClassEntry> ClassEntries()
{
    std::vector<ClassEntry> out;
    for (int n = 1; n <= ClassCount; ++n) {
        const CrystalClass& c = ClassInfo(n);
        out.push_back({n, c.system,
                       std::to_string(n) + ". " + InternationalSymbol(n) + " (" + std::string(c.schoenflies) + ") — "
                           + ClassNameText(c)});
    }
    return out;
}

std::optional<int> FindClass(std::string_view text)
{
    // Digits alone are a number first: "32" is class 32, and the class 32
    // (number 18) is found by its number.
    for (int n = 1; n <= ClassCount; ++n)
        if (text == std::to_string(n))
            return n;
    for (int n = 1; n <= ClassCount; ++n)
        if (text == ClassInfo(n).international)
            return n;
    return std::nullopt;
}

void Combination::setClass(int number)
{
    class_ = std::clamp(number, 1, ClassCount);
    forms_.clear();
}

bool Combination::addForm(const IntVector& face, double distance)
{
    if (static_cast<int>(forms_.size()) >= MaxForms || !(distance > 0) || face == IntVector{0, 0, 0})
        return false;
    forms_.push_back({face, distance});
    return true;
}

void Combination::removeForm(int index)
{
    if (index >= 0 && index < static_cast<int>(forms_.size()))
        forms_.erase(forms_.begin() + index);
}

bool Combination::setDistance(int index, double distance)
{
    if (index < 0 || index >= static_cast<int>(forms_.size()) || !(distance > 0))
        return false;
    forms_[static_cast<std::size_t>(index)].distance = distance;
    return true;
}

BuiltCrystal Combination::build() const
{
    BuiltCrystal built;
    const Lattice lattice = LatticeOf(ClassInfo(class_).system);
    Cut cut;
    double farthest = 0;
    for (std::size_t i = 0; i < forms_.size(); ++i) {
        built.forms.push_back(MakeForm(class_, forms_[i].face));
        AddForm(cut, lattice, built.forms.back(), static_cast<int>(i), forms_[i].distance);
        farthest = std::max(farthest, forms_[i].distance);
    }
    if (!forms_.empty()) {
        ConvexSolid solid = IntersectHalfSpaces(cut.planes);
        if (!solid.bounded) {
            built.closing = Close(cut, class_, lattice, farthest * ClosingDistanceFactor);
            solid = IntersectHalfSpaces(cut.planes);
        }
        AddFaces(built.scene, solid, cut, class_);
        FitIntoView(built.scene);
    }
    AddElements(built, class_);
    built.extent = built.scene.circumradius;
    AddMemo(built, class_, forms_);
    AddStatus(built, class_);
    return built;
}

} // namespace vestrel::morphology
