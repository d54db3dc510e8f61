// SPDX-License-Identifier: MIT
#include "logic/cif/structure_tools.h"
#include "logic/text/translate.h"

#include "frame/projection.h"
#include "logic/cif/bond_rule.h"
#include "logic/cif/elements.h"
#include "logic/cif/gemmi/cell_geometry.h"
#include "logic/cif/neighbours.h"
#include "logic/cif/text_format.h"
#include "render/camera.h"
#include "scenes/structures/element_colour_table.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace vestrel::cif {

namespace {

constexpr double Pi = 3.14159265358979323846;
// A halo is a light ball this much larger than the atom's.
constexpr double HaloScale = 1.35;
constexpr Colour HaloColour{1.0f, 1.0f, 0.85f};
// Points this close to a face plane of a hull (in parts of the points' mean
// distance from their centre) lie on it: a real polyhedron is never ideal.
constexpr double HullFlatness = 0.12;
// Hulls are found by trying every plane through three corners; beyond this
// many corners (no real coordination polyhedron has them) none is made.
constexpr std::size_t MaxHullCorners = 24;
// Polyhedron edges are drawn in the face colour times this.
constexpr float EdgeDarkening = 0.55f;

gemmi_bridge::CellLengthsAngles CellOf(const Crystal& c)
{
    return {c.cell.a, c.cell.b, c.cell.c, c.cell.alpha, c.cell.beta, c.cell.gamma};
}

std::array<double, 3> Array(const Vec3& v) { return {v.x, v.y, v.z}; }
Vec3 FromArray(const std::array<double, 3>& a) { return {a[0], a[1], a[2]}; }

double SceneScale(const Crystal& c) { return CellEdgeInScene / std::max({c.cell.a, c.cell.b, c.cell.c}); }

// The structure scenes turn half about X: scene (x, y, z) is model (x, -y, -z).
Vec3 SceneToModel(const Vec3& p) { return {p.x, -p.y, -p.z}; }

Vec3 AtomInScene(const LoadedStructure& s, int atom)
{
    return ToScene(s.crystal(), s.block(), s.block().atoms[static_cast<std::size_t>(atom)].position);
}

const std::string& SiteLabel(const LoadedStructure& s, int atom)
{
    return s.crystal().sites[static_cast<std::size_t>(s.block().atoms[static_cast<std::size_t>(atom)].site)].label;
}

std::string Coordinate(double v)
{
    return FormatNumber(std::abs(v) < 5e-5 ? 0.0 : v, 4);
}

// Whether atoms of `element` count as corners of a polyhedron around a
// cation: anions do, other cations do not, unless every element is a centre.
bool IsLigand(int element, const std::vector<int>& cations, std::size_t elementsPresent)
{
    if (cations.size() >= elementsPresent)
        return true;
    return std::find(cations.begin(), cations.end(), element) == cations.end();
}

std::vector<int> ElementsOf(const Crystal& c)
{
    std::vector<int> out;
    for (const CellAtom& a : c.atoms)
        out.push_back(c.sites[static_cast<std::size_t>(a.site)].element);
    return out;
}

std::size_t DistinctCount(std::vector<int> v)
{
    std::sort(v.begin(), v.end());
    return static_cast<std::size_t>(std::unique(v.begin(), v.end()) - v.begin());
}

struct Ligand {
    Vec3 offset; // from the centre, angstroms
    int element = 0;
};

// The ligands of each cell atom in the endless crystal.
std::vector<std::vector<Ligand>> PeriodicLigands(const Crystal& c)
{
    const std::vector<int> elements = ElementsOf(c);
    const std::vector<int> cations = CationElements(c);
    const std::size_t present = DistinctCount(elements);
    std::vector<Vec3> fract;
    for (const CellAtom& a : c.atoms)
        fract.push_back(a.fract);
    const BondRule rule(elements);
    std::vector<std::vector<Ligand>> out(c.atoms.size());
    ForEachPeriodicNeighbourOffset(c.axes, fract, rule.maxBondLimit(),
                                   [&](std::size_t i, std::size_t j, double d, const Vec3& offset) {
                                       if (rule.bonded(elements[i], elements[j], d)
                                           && IsLigand(elements[j], cations, present))
                                           out[i].push_back({offset, elements[j]});
                                   });
    return out;
}

std::string LigandFormula(int centre, const std::vector<int>& ligandElements)
{
    std::map<int, int> counts;
    for (int e : ligandElements)
        ++counts[e];
    std::string t = "[" + ElementSymbol(centre);
    for (const auto& [e, n] : counts)
        t += ElementSymbol(e) + (n == 1 ? std::string() : std::to_string(n));
    return t + "]";
}

double MeanRadius(const std::vector<Vec3>& points)
{
    Vec3 centre{0, 0, 0};
    for (const Vec3& p : points)
        centre += p;
    centre = centre / static_cast<double>(points.size());
    double sum = 0;
    for (const Vec3& p : points)
        sum += distance(p, centre);
    return sum / static_cast<double>(points.size());
}

// The indices in order around their centroid, seen along `normal`.
std::vector<int> OrderedAround(const std::vector<Vec3>& points, std::vector<int> indices, const Vec3& normal)
{
    Vec3 centre{0, 0, 0};
    for (int i : indices)
        centre += points[static_cast<std::size_t>(i)];
    centre = centre / static_cast<double>(indices.size());
    const Vec3 u = anyPerpendicular(normal);
    const Vec3 w = cross(normal, u);
    std::sort(indices.begin(), indices.end(), [&](int a, int b) {
        const Vec3 pa = points[static_cast<std::size_t>(a)] - centre, pb = points[static_cast<std::size_t>(b)] - centre;
        return std::atan2(dot(pa, w), dot(pa, u)) < std::atan2(dot(pb, w), dot(pb, u));
    });
    return indices;
}

// A normal of the best plane through all points when they are flat, else none.
std::optional<Vec3> FlatNormal(const std::vector<Vec3>& points, double tolerance)
{
    for (std::size_t i = 0; i < points.size(); ++i)
        for (std::size_t j = i + 1; j < points.size(); ++j)
            for (std::size_t k = j + 1; k < points.size(); ++k) {
                const Vec3 n = cross(points[j] - points[i], points[k] - points[i]);
                if (length(n) < 1e-9)
                    continue;
                const Vec3 u = normalised(n);
                const bool flat = std::all_of(points.begin(), points.end(), [&](const Vec3& p) {
                    return std::abs(dot(u, p - points[i])) <= tolerance;
                });
                if (flat)
                    return u;
            }
    return std::nullopt;
}

bool ShareEdge(const std::vector<int>& a, const std::vector<int>& b)
{
    int common = 0;
    for (int i : a)
        common += std::count(b.begin(), b.end(), i) > 0 ? 1 : 0;
    return common >= 2;
}

std::string NameOfTwelve(const std::vector<std::vector<int>>& faces)
{
    std::vector<const std::vector<int>*> squares;
    for (const auto& f : faces)
        if (f.size() == 4)
            squares.push_back(&f);
    if (squares.empty())
        return VT("StructureTools", "икосаэдр");
    for (std::size_t i = 0; i < squares.size(); ++i)
        for (std::size_t j = i + 1; j < squares.size(); ++j)
            if (ShareEdge(*squares[i], *squares[j]))
                return VT("StructureTools", "антикубооктаэдр");
    return VT("StructureTools", "кубооктаэдр");
}

std::string GenericName(std::size_t n) { return VT("StructureTools", "многогранник с ") + std::to_string(n) + VT("StructureTools", " вершинами"); }

} // namespace

// ---- Picking ----

Vec3 AtomInModel(const LoadedStructure& s, int atom) { return SceneToModel(AtomInScene(s, atom)); }

double AtomBallRadius(const LoadedStructure& s, int atom)
{
    const BlockAtom& a = s.block().atoms[static_cast<std::size_t>(atom)];
    return CovalentRadius(a.element) * s.ballScale() * SceneScale(s.crystal());
}

int PickAtom(const LoadedStructure& s, const ViewState& view, int width, int height, double x, double y)
{
    if (!s.isLoaded() || width <= 0 || height <= 0)
        return -1;
    const double pixelsPerUnit = height / 2.0;
    int best = -1;
    double bestDepth = HUGE_VAL;
    for (std::size_t i = 0; i < s.block().atoms.size(); ++i) {
        const Vec3 model = AtomInModel(s, static_cast<int>(i));
        const Vec3 eye = ModelToEye(view, model);
        const double depth = -eye.z;
        if (depth < ViewPerspective.zNear || depth > ViewPerspective.zFar)
            continue;
        const double radius =
            AtomBallRadius(s, static_cast<int>(i)) * GlobalScale / ViewPerspective.halfHeightAt(depth) * pixelsPerUnit;
        const PanelPoint p = ProjectToPanel(view, model, width, height);
        const double dx = p.x - x, dy = p.y - y;
        if (dx * dx + dy * dy <= radius * radius && depth < bestDepth) {
            bestDepth = depth;
            best = static_cast<int>(i);
        }
    }
    return best;
}

std::string AtomLine(const LoadedStructure& s, int atom)
{
    const BlockAtom& b = s.block().atoms[static_cast<std::size_t>(atom)];
    const CellAtom& c = s.crystal().atoms[static_cast<std::size_t>(b.cellAtom)];
    const int cn = s.coordination()[static_cast<std::size_t>(b.cellAtom)];
    return SiteLabel(s, atom) + " (" + ElementSymbol(b.element) + ") \u2014 x = " + Coordinate(c.fract.x)
        + "; y = " + Coordinate(c.fract.y) + "; z = " + Coordinate(c.fract.z) + VT("StructureTools", " \u2014 КЧ ") + std::to_string(cn);
}

// ---- Measuring ----

double AtomDistance(const LoadedStructure& s, int a, int b)
{
    const auto& atoms = s.block().atoms;
    return gemmi_bridge::FractionalDistance(CellOf(s.crystal()), Array(atoms[static_cast<std::size_t>(a)].fract),
                                            Array(atoms[static_cast<std::size_t>(b)].fract));
}

double AtomAngle(const LoadedStructure& s, int a, int vertex, int c)
{
    const auto& atoms = s.block().atoms;
    const auto orth = [&](int i) {
        return FromArray(gemmi_bridge::Orthogonalise(CellOf(s.crystal()), Array(atoms[static_cast<std::size_t>(i)].fract)));
    };
    const Vec3 v = orth(vertex);
    const Vec3 p = orth(a) - v, q = orth(c) - v;
    const double lengths = length(p) * length(q);
    if (!(lengths > 0))
        return 0;
    return std::acos(std::clamp(dot(p, q) / lengths, -1.0, 1.0)) * 180 / Pi;
}

std::string MeasurementLine(const LoadedStructure& s, const std::vector<int>& atoms)
{
    const std::string dash = " \u2014 ";
    if (atoms.size() == 2)
        return SiteLabel(s, atoms[0]) + dash + SiteLabel(s, atoms[1]) + ": "
            + FormatFixed(AtomDistance(s, atoms[0], atoms[1]), 3) + " \u00C5";
    if (atoms.size() == 3)
        return SiteLabel(s, atoms[0]) + dash + SiteLabel(s, atoms[1]) + dash + SiteLabel(s, atoms[2]) + ": "
            + FormatFixed(AtomAngle(s, atoms[0], atoms[1], atoms[2]), 2) + "\u00B0";
    return {};
}

// ---- Coordination polyhedra ----

std::vector<int> CationElements(const Crystal& crystal)
{
    std::vector<int> elements = ElementsOf(crystal);
    std::sort(elements.begin(), elements.end());
    elements.erase(std::unique(elements.begin(), elements.end()), elements.end());
    const auto en = [](int z) { return PaulingElectronegativity(z).value_or(0.0); };
    double anion = 0;
    for (int e : elements)
        anion = std::max(anion, en(e));
    std::vector<int> cations;
    for (int e : elements)
        if (en(e) < anion)
            cations.push_back(e);
    return cations.empty() ? elements : cations;
}

std::vector<std::vector<int>> HullFaces(const std::vector<Vec3>& points)
{
    const std::size_t n = points.size();
    std::vector<std::vector<int>> faces;
    if (n < 3 || n > MaxHullCorners)
        return faces;
    const double tolerance = HullFlatness * MeanRadius(points);
    if (const auto flat = FlatNormal(points, tolerance)) {
        std::vector<int> all(n);
        for (std::size_t i = 0; i < n; ++i)
            all[i] = static_cast<int>(i);
        faces.push_back(OrderedAround(points, all, *flat));
        return faces;
    }
    // At most a dozen or so points: every plane through three of them is
    // tried, which no library of the project offers for points.
    std::set<std::vector<int>> seen;
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            for (std::size_t k = j + 1; k < n; ++k) {
                Vec3 normal = cross(points[j] - points[i], points[k] - points[i]);
                if (length(normal) < 1e-9)
                    continue;
                normal = normalised(normal);
                double above = 0, below = 0;
                for (const Vec3& p : points) {
                    const double h = dot(normal, p - points[i]);
                    above = std::max(above, h);
                    below = std::min(below, h);
                }
                if (above > tolerance && below < -tolerance)
                    continue;
                if (above > tolerance)
                    normal = -normal;
                std::vector<int> on;
                for (std::size_t m = 0; m < n; ++m)
                    if (std::abs(dot(normal, points[m] - points[i])) <= tolerance)
                        on.push_back(static_cast<int>(m));
                if (!seen.insert(on).second)
                    continue;
                faces.push_back(OrderedAround(points, on, normal));
            }
    return faces;
}

std::string PolyhedronName(const std::vector<Vec3>& corners)
{
    const std::size_t n = corners.size();
    if (n == 2)
        return VT("StructureTools", "гантель");
    if (n == 3)
        return VT("StructureTools", "треугольник");
    if (n < 2)
        return GenericName(n);
    const std::vector<std::vector<int>> faces = HullFaces(corners);
    std::size_t squares = 0, triangles = 0;
    for (const auto& f : faces) {
        squares += f.size() == 4 ? 1 : 0;
        triangles += f.size() == 3 ? 1 : 0;
    }
    const bool allTriangles = triangles == faces.size();
    switch (n) {
    case 4: return faces.size() == 1 ? VT("StructureTools", "квадрат") : VT("StructureTools", "тетраэдр");
    case 5: return squares > 0 ? VT("StructureTools", "квадратная пирамида") : VT("StructureTools", "тригональная бипирамида");
    case 6: return squares > 0 ? VT("StructureTools", "тригональная призма") : VT("StructureTools", "октаэдр");
    case 7: return allTriangles ? VT("StructureTools", "пентагональная бипирамида") : GenericName(n);
    case 8:
        if (squares == faces.size())
            return VT("StructureTools", "куб");
        return squares > 0 ? VT("StructureTools", "квадратная антипризма") : VT("StructureTools", "додекаэдр");
    case 9: return VT("StructureTools", "трёхшапочная тригональная призма");
    case 12: return NameOfTwelve(faces);
    default: return GenericName(n);
    }
}

std::vector<BlockPolyhedron> BlockPolyhedra(const LoadedStructure& s, const std::vector<int>& centres)
{
    const StructureBlock& block = s.block();
    const Crystal& c = s.crystal();
    const std::vector<int> cations = CationElements(c);
    const std::size_t present = DistinctCount(ElementsOf(c));
    const std::vector<std::vector<Ligand>> periodic = PeriodicLigands(c);
    std::vector<std::vector<int>> ligands(block.atoms.size());
    const auto addLigand = [&](int centre, int other) {
        if (IsLigand(block.atoms[static_cast<std::size_t>(other)].element, cations, present))
            ligands[static_cast<std::size_t>(centre)].push_back(other);
    };
    for (const auto& [i, j] : block.bonds) {
        addLigand(i, j);
        addLigand(j, i);
    }
    std::vector<BlockPolyhedron> out;
    for (std::size_t i = 0; i < block.atoms.size(); ++i) {
        const BlockAtom& a = block.atoms[i];
        if (std::find(centres.begin(), centres.end(), a.element) == centres.end())
            continue;
        const std::size_t expected = periodic[static_cast<std::size_t>(a.cellAtom)].size();
        if (expected < 2 || ligands[i].size() != expected)
            continue;
        BlockPolyhedron p;
        p.centre = static_cast<int>(i);
        p.corners = ligands[i];
        std::vector<Vec3> points;
        for (int k : p.corners)
            points.push_back(block.atoms[static_cast<std::size_t>(k)].position);
        p.faces = HullFaces(points);
        out.push_back(std::move(p));
    }
    return out;
}

std::vector<std::string> PolyhedronLines(const LoadedStructure& s, const std::vector<int>& centres)
{
    const Crystal& c = s.crystal();
    const std::vector<std::vector<Ligand>> periodic = PeriodicLigands(c);
    const std::vector<int> elements = ElementsOf(c);
    std::vector<std::string> lines;
    std::vector<bool> done(c.sites.size(), false);
    for (std::size_t i = 0; i < c.atoms.size(); ++i) {
        const std::size_t site = static_cast<std::size_t>(c.atoms[i].site);
        if (done[site] || std::find(centres.begin(), centres.end(), elements[i]) == centres.end())
            continue;
        done[site] = true;
        const std::vector<Ligand>& corners = periodic[i];
        if (corners.size() < 2)
            continue; // a single neighbour makes no polyhedron
        std::vector<Vec3> offsets;
        std::vector<int> ligandElements;
        for (const Ligand& l : corners) {
            offsets.push_back(l.offset);
            ligandElements.push_back(l.element);
        }
        lines.push_back(c.sites[site].label + ": " + PolyhedronName(offsets) + " "
                        + LigandFormula(elements[i], ligandElements));
    }
    return lines;
}

// ---- Lattice planes ----

bool HexagonalCell(const Crystal& crystal)
{
    const CellParameters& p = crystal.cell;
    return std::abs(p.a - p.b) <= 1e-3 * p.a && std::abs(p.gamma - 120) < 0.05 && std::abs(p.alpha - 90) < 0.05
        && std::abs(p.beta - 90) < 0.05;
}

std::variant<morphology::IntVector, morphology::FaceSymbolError> ParsePlaneSymbol(std::string_view text,
                                                                                  const Crystal& crystal)
{
    return morphology::ParseFaceSymbol(text, HexagonalCell(crystal));
}

double PlaneSpacing(const Crystal& crystal, const std::array<int, 3>& hkl)
{
    return gemmi_bridge::InterplanarSpacing(CellOf(crystal), hkl);
}

std::string SpacingLine(const Crystal& crystal, const std::array<int, 3>& hkl)
{
    return "d(" + std::to_string(hkl[0]) + " " + std::to_string(hkl[1]) + " " + std::to_string(hkl[2])
        + ") = " + FormatFixed(PlaneSpacing(crystal, hkl), 4) + " \u00C5";
}

std::vector<std::vector<Vec3>> PlanePolygons(const Crystal& crystal, const StructureBlock& block,
                                             const std::array<int, 3>& hkl)
{
    const double n = block.cells;
    std::vector<Vec3> corners;
    for (int i = 0; i < 8; ++i)
        corners.push_back({(i & 1) ? n : 0, (i & 2) ? n : 0, (i & 4) ? n : 0});
    std::vector<std::pair<int, int>> edges;
    for (int i = 0; i < 8; ++i)
        for (int bit : {1, 2, 4})
            if (!(i & bit))
                edges.emplace_back(i, i | bit);
    const auto value = [&](const Vec3& f) { return hkl[0] * f.x + hkl[1] * f.y + hkl[2] * f.z; };
    double low = HUGE_VAL, high = -HUGE_VAL;
    for (const Vec3& f : corners) {
        low = std::min(low, value(f));
        high = std::max(high, value(f));
    }
    const std::array<Vec3, 3>& ax = crystal.axes;
    const Vec3 normal = hkl[0] * cross(ax[1], ax[2]) + hkl[1] * cross(ax[2], ax[0]) + hkl[2] * cross(ax[0], ax[1]);
    std::vector<std::vector<Vec3>> out;
    constexpr double Eps = 1e-9;
    for (long long m = static_cast<long long>(std::ceil(low - Eps)); m <= static_cast<long long>(std::floor(high + Eps));
         ++m) {
        std::vector<Vec3> points;
        const auto add = [&](const Vec3& f) {
            for (const Vec3& p : points)
                if (distance(p, f) < 1e-7)
                    return;
            points.push_back(f);
        };
        for (const auto& [a, b] : edges) {
            const double va = value(corners[a]) - m, vb = value(corners[b]) - m;
            if (std::abs(va) < Eps)
                add(corners[a]);
            if (std::abs(vb) < Eps)
                add(corners[b]);
            if ((va < -Eps && vb > Eps) || (va > Eps && vb < -Eps))
                add(corners[a] + (va / (va - vb)) * (corners[b] - corners[a]));
        }
        if (points.size() < 3)
            continue;
        std::vector<Vec3> cartesian;
        for (const Vec3& f : points)
            cartesian.push_back(crystal.toCartesian(f));
        std::vector<int> order(cartesian.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<int>(i);
        order = OrderedAround(cartesian, order, normalised(normal));
        std::vector<Vec3> polygon;
        for (int i : order)
            polygon.push_back(cartesian[static_cast<std::size_t>(i)]);
        out.push_back(std::move(polygon));
    }
    return out;
}

// ---- What the tools add to the drawing ----

namespace {

constexpr std::array<Colour, 4> PlaneColours{{{0.55f, 0.8f, 1.0f}, {1.0f, 0.7f, 0.4f}, {0.6f, 1.0f, 0.6f},
                                              {1.0f, 0.6f, 0.9f}}};

Colour Darker(const Colour& c) { return {c.r * EdgeDarkening, c.g * EdgeDarkening, c.b * EdgeDarkening}; }

void AddMeasurement(structures::StructureOverlay& o, const LoadedStructure& s, const std::vector<int>& picked)
{
    const auto at = [&](int i) { return AtomInScene(s, i); };
    if (picked.size() == 2) {
        o.measureLines.push_back({at(picked[0]), at(picked[1])});
        o.labels.push_back({0.5 * (at(picked[0]) + at(picked[1])),
                            FormatFixed(AtomDistance(s, picked[0], picked[1]), 3)});
    } else if (picked.size() == 3) {
        o.measureLines.push_back({at(picked[1]), at(picked[0])});
        o.measureLines.push_back({at(picked[1]), at(picked[2])});
        o.labels.push_back({at(picked[1]), FormatFixed(AtomAngle(s, picked[0], picked[1], picked[2]), 2)});
    }
}

void AddPolyhedra(structures::StructureOverlay& o, const LoadedStructure& s, const std::vector<int>& centres)
{
    const StructureBlock& block = s.block();
    for (const BlockPolyhedron& p : BlockPolyhedra(s, centres)) {
        const int tag = structures::StructureOverlay::PolyhedronTag + static_cast<int>(o.polyhedronCentres.size());
        o.polyhedronCentres.push_back(SiteLabel(s, p.centre));
        const Colour colour =
            structures::AtomColour(ElementSymbol(block.atoms[static_cast<std::size_t>(p.centre)].element));
        const auto corner = [&](int k) {
            return AtomInScene(s, p.corners[static_cast<std::size_t>(k)]);
        };
        std::set<std::pair<int, int>> edges;
        for (const std::vector<int>& face : p.faces) {
            structures::TranslucentPolygon polygon{{}, colour, tag};
            for (std::size_t k = 0; k < face.size(); ++k) {
                polygon.corners.push_back(corner(face[k]));
                const int a = face[k], b = face[(k + 1) % face.size()];
                edges.insert({std::min(a, b), std::max(a, b)});
            }
            o.polyhedronFaces.push_back(std::move(polygon));
        }
        if (p.corners.size() == 2)
            edges.insert({0, 1});
        for (const auto& [a, b] : edges) {
            o.polyhedronEdges.push_back({corner(a), corner(b)});
            o.polyhedronEdgeColours.push_back(Darker(colour));
        }
    }
}

} // namespace

structures::StructureOverlay MakeOverlay(const LoadedStructure& s, const ToolRequest& request)
{
    structures::StructureOverlay o;
    if (!s.isLoaded())
        return o;
    const int atoms = static_cast<int>(s.block().atoms.size());
    std::vector<int> picked;
    for (int i : request.picked)
        if (i >= 0 && i < atoms)
            picked.push_back(i);
    for (int i : picked)
        o.halos.push_back({AtomInScene(s, i), AtomBallRadius(s, i) * HaloScale, HaloColour});
    AddMeasurement(o, s, picked);
    if (request.polyhedra)
        AddPolyhedra(o, s, request.centres.empty() ? CationElements(s.crystal()) : request.centres);
    for (std::size_t k = 0; k < request.planes.size(); ++k)
        for (const std::vector<Vec3>& polygon : PlanePolygons(s.crystal(), s.block(), request.planes[k])) {
            structures::TranslucentPolygon p{{}, PlaneColours[k % PlaneColours.size()],
                                             structures::StructureOverlay::PlaneTag + static_cast<int>(k)};
            for (const Vec3& v : polygon)
                p.corners.push_back(ToScene(s.crystal(), s.block(), v));
            o.planes.push_back(std::move(p));
        }
    return o;
}

} // namespace vestrel::cif
