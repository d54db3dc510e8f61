// SPDX-License-Identifier: MIT
// The plate of the 14 Bravais lattices: their cells in an orthographic view, grouped by crystal system; lattice points as dots,
// hidden edges dashed, in grey only.
#include "tools/reference/crystal_classes.h"
#include "tools/reference/picture_texts.h"
#include "tools/reference/solid_view.h"
#include "tools/reference/reference_pictures.h"
#include "tools/reference/rich_text.h"
#include "tools/reference/solid_drawing.h"

#include <QPainter>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace vestrel::reference {

namespace {

constexpr int Width = 500;
constexpr int Height = 366;
constexpr double TitleBaseline = 19;
constexpr double FirstRowTop = 28;
constexpr double RowHeight = 112.6;
constexpr double NameBaseline = 13;
constexpr double DrawingTop = 18;
constexpr double DrawingHeight = 74;
constexpr double DrawingWidth = 84;
constexpr double LetterBaseline = 107;

const View CellView = ViewFrom(30, 20);

const QColor Ink(25, 25, 25);
const QColor HiddenInk(130, 130, 130);
const QColor SeparatorInk(185, 185, 185);

enum class Centring { Primitive, Body, Base, Face, Rhombohedral };

enum class Shape { Parallelepiped, HexagonalPrism };

struct Cell {
    Shape shape = Shape::Parallelepiped;
    Vec3 a, b, c;   // edges of the parallelepiped; for the prism a is the hexagon's edge, c its height
};

struct SystemCells {
    CrystalSystem system;
    Cell cell;
    std::vector<Centring> centrings;
};

double Rad(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Cell edges from lattice parameters: a along x, b in the xy plane.
Cell FromParameters(double a, double b, double c, double alpha, double beta, double gamma)
{
    const double ca = std::cos(Rad(alpha)), cb = std::cos(Rad(beta)), cg = std::cos(Rad(gamma));
    const double sg = std::sin(Rad(gamma));
    const double cy = (ca - cb * cg) / sg;
    return {Shape::Parallelepiped, {a, 0, 0}, {b * cg, b * sg, 0}, {c * cb, c * cy, c * std::sqrt(1 - cb * cb - cy * cy)}};
}

// The rhombohedron standing on its threefold axis, which is vertical.
Cell Rhombohedron(double a, double alpha)
{
    const double h = a * std::sqrt((1 + 2 * std::cos(Rad(alpha))) / 3);
    const double r = std::sqrt(a * a - h * h);
    auto edge = [&](double angle) { return Vec3{r * std::cos(Rad(angle)), r * std::sin(Rad(angle)), h}; };
    return {Shape::Parallelepiped, edge(-90), edge(30), edge(150)};
}

Cell HexagonalPrism(double a, double c) { return {Shape::HexagonalPrism, {a, 0, 0}, {}, {0, 0, c}}; }

// The three rows of the picture, left to right. The monoclinic cell has its
// unique (twofold) axis towards the viewer, so that its oblique angle lies
// in the picture plane; its C-centred faces contain the unique axis.
const std::vector<std::vector<SystemCells>>& Rows()
{
    static const std::vector<std::vector<SystemCells>> rows{
        {
            {CrystalSystem::Triclinic, FromParameters(0.78, 0.95, 1.1, 74, 82, 70), {Centring::Primitive}},
            {CrystalSystem::Monoclinic, FromParameters(0.78, 0.95, 1.1, 72, 90, 90), {Centring::Primitive, Centring::Base}},
            {CrystalSystem::Trigonal, Rhombohedron(0.78, 72), {Centring::Rhombohedral}},
        },
        {
            {CrystalSystem::Orthorhombic, FromParameters(0.7, 1.0, 1.18, 90, 90, 90),
             {Centring::Primitive, Centring::Base, Centring::Body, Centring::Face}},
            {CrystalSystem::Hexagonal, HexagonalPrism(0.55, 1.05), {Centring::Primitive}},
        },
        {
            {CrystalSystem::Tetragonal, FromParameters(0.8, 0.8, 1.25, 90, 90, 90), {Centring::Primitive, Centring::Body}},
            {CrystalSystem::Cubic, FromParameters(0.95, 0.95, 0.95, 90, 90, 90),
             {Centring::Primitive, Centring::Body, Centring::Face}},
        },
    };
    return rows;
}

Plane FacePlane(Vec3 normalDirection, double distance) { return {normalised(normalDirection), distance}; }

// The cell centred on the origin, as a solid.
ConvexSolid CellSolid(const Cell& cell)
{
    std::vector<Plane> planes;
    if (cell.shape == Shape::HexagonalPrism) {
        const double apothem = length(cell.a) * std::cos(Rad(30));
        for (int k = 0; k < 6; ++k)
            planes.push_back(FacePlane({std::cos(Rad(30 + 60 * k)), std::sin(Rad(30 + 60 * k)), 0}, apothem));
        planes.push_back(FacePlane({0, 0, 1}, cell.c.z / 2));
        planes.push_back(FacePlane({0, 0, -1}, cell.c.z / 2));
        return IntersectHalfSpaces(planes);
    }
    const Vec3 edges[3] = {cell.a, cell.b, cell.c};
    for (int i = 0; i < 3; ++i) {
        const Vec3 n = normalised(cross(edges[(i + 1) % 3], edges[(i + 2) % 3]));
        const double half = std::abs(dot(n, edges[i])) / 2;
        planes.push_back({n, half});
        planes.push_back({-1.0 * n, half});
    }
    return IntersectHalfSpaces(planes);
}

// Lattice points of the cell besides its corners, from fractional
// coordinates of the parallelepiped.
std::vector<Vec3> CentringPoints(const Cell& cell, Centring centring)
{
    if (cell.shape == Shape::HexagonalPrism)
        return {{0, 0, cell.c.z / 2}, {0, 0, -cell.c.z / 2}};
    std::vector<std::array<double, 3>> fractions;
    switch (centring) {
    case Centring::Primitive:
    case Centring::Rhombohedral: break;
    case Centring::Body: fractions = {{0.5, 0.5, 0.5}}; break;
    case Centring::Base: fractions = {{0.5, 0.5, 0}, {0.5, 0.5, 1}}; break;
    case Centring::Face:
        fractions = {{0.5, 0.5, 0}, {0.5, 0.5, 1}, {0.5, 0, 0.5}, {0.5, 1, 0.5}, {0, 0.5, 0.5}, {1, 0.5, 0.5}};
        break;
    }
    std::vector<Vec3> points;
    for (const auto& f : fractions)
        points.push_back((f[0] - 0.5) * cell.a + (f[1] - 0.5) * cell.b + (f[2] - 0.5) * cell.c);
    return points;
}

const char* Letter(Centring centring)
{
    switch (centring) {
    case Centring::Primitive: return "P";
    case Centring::Body: return "I";
    case Centring::Base: return "C";
    case Centring::Face: return "F";
    case Centring::Rhombohedral: return "R";
    }
    return "";
}

bool OnSeenFace(const ConvexSolid& solid, Vec3 p)
{
    for (const SolidFace& face : solid.faces) {
        const double offset = dot(face.normal, solid.vertices[face.corners.front()]);
        if (FacesViewer(CellView, face) && std::abs(dot(face.normal, p) - offset) < 1e-6)
            return true;
    }
    return false;
}

bool OnSurface(const ConvexSolid& solid, Vec3 p)
{
    for (const SolidFace& face : solid.faces)
        if (std::abs(dot(face.normal, p) - dot(face.normal, solid.vertices[face.corners.front()])) < 1e-6)
            return true;
    return false;
}

void DrawLine(QPainter& painter, const Placement& placement, Vec3 from, Vec3 to, bool hidden)
{
    QPen pen(hidden ? HiddenInk : Ink, hidden ? 0.9 : 1.3);
    if (hidden)
        pen.setDashPattern({3, 2.5});
    painter.setPen(pen);
    painter.drawLine(ToPicture(CellView, placement, from), ToPicture(CellView, placement, to));
}

void DrawEdges(QPainter& painter, const Placement& placement, const ConvexSolid& solid)
{
    for (const SolidEdge& edge : EdgesOf(solid)) {
        const bool hidden = !FacesViewer(CellView, solid.faces[edge.leftFace])
            && !FacesViewer(CellView, solid.faces[edge.rightFace]);
        DrawLine(painter, placement, solid.vertices[edge.from], solid.vertices[edge.to], hidden);
    }
}

// In the hexagonal prism, the edges of one primitive cell inside it: from
// the axis to two corners of each hexagon, and the axis itself.
void DrawPrimitiveCellOfPrism(QPainter& painter, const Placement& placement, const Cell& cell)
{
    const double a = length(cell.a), half = cell.c.z / 2;
    for (double angle : {-60.0, 60.0}) {
        const Vec3 corner{a * std::cos(Rad(angle)), a * std::sin(Rad(angle)), 0};
        DrawLine(painter, placement, {0, 0, half}, corner + Vec3{0, 0, half}, false);
        DrawLine(painter, placement, {0, 0, -half}, corner + Vec3{0, 0, -half}, true);
    }
    DrawLine(painter, placement, {0, 0, -half}, {0, 0, half}, true);
}

void DrawPoint(QPainter& painter, QPointF at, bool hidden)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(hidden ? HiddenInk : Ink);
    const double radius = hidden ? 2.0 : 2.6;
    painter.drawEllipse(at, radius, radius);
}

void DrawLatticePoints(QPainter& painter, const Placement& placement, const ConvexSolid& solid,
                       const std::vector<Vec3>& extra)
{
    std::vector<Vec3> points = solid.vertices;
    points.insert(points.end(), extra.begin(), extra.end());
    for (const Vec3& p : points) {
        // Points inside the cell are drawn as seen; points on the surface only
        // when they lie on a face turned towards the viewer.
        const bool hidden = OnSurface(solid, p) && !OnSeenFace(solid, p);
        DrawPoint(painter, ToPicture(CellView, placement, p), hidden);
    }
}

double CommonScale()
{
    double scale = std::numeric_limits<double>::max();
    for (const auto& row : Rows())
        for (const SystemCells& system : row) {
            const QRectF bounds = ProjectedBounds(CellView, CellSolid(system.cell));
            scale = std::min({scale, DrawingWidth / bounds.width(), DrawingHeight / bounds.height()});
        }
    return scale;
}

void DrawCell(QPainter& painter, const Cell& cell, Centring centring, QPointF centre, double scale)
{
    const ConvexSolid solid = CellSolid(cell);
    const QRectF bounds = ProjectedBounds(CellView, solid);
    const Placement placement{centre - scale * bounds.center(), scale};
    DrawEdges(painter, placement, solid);
    if (cell.shape == Shape::HexagonalPrism)
        DrawPrimitiveCellOfPrism(painter, placement, cell);
    DrawLatticePoints(painter, placement, solid, CentringPoints(cell, centring));
}

void DrawRow(QPainter& painter, const PictureTexts& texts, const std::vector<SystemCells>& row, double top,
             double scale)
{
    int slotCount = 0;
    for (const SystemCells& system : row)
        slotCount += int(system.centrings.size());
    const double slotWidth = double(Width) / slotCount;
    const QFont nameFont = PixelFont("DejaVu Sans", 10, true);
    const QFont letterFont = PixelFont("DejaVu Serif", 14, true);
    int slot = 0;
    for (const SystemCells& system : row) {
        const double left = slot * slotWidth;
        const double groupWidth = slotWidth * system.centrings.size();
        painter.setPen(Ink);
        DrawTextCentred(painter, left + groupWidth / 2, top + NameBaseline, Utf8(texts.systems[int(system.system)]),
                        nameFont);
        if (slot > 0) {
            painter.setPen(QPen(SeparatorInk, 1));
            painter.drawLine(QPointF(left, top + 4), QPointF(left, top + RowHeight - 4));
        }
        for (Centring centring : system.centrings) {
            const double centreX = slot * slotWidth + slotWidth / 2;
            DrawCell(painter, system.cell, centring, {centreX, top + DrawingTop + DrawingHeight / 2}, scale);
            painter.setPen(Ink);
            DrawTextCentred(painter, centreX, top + LetterBaseline, QString::fromUtf8(Letter(centring)), letterFont);
            ++slot;
        }
    }
}

} // namespace

QImage DrawBravaisLattices(const PictureTexts& texts)
{
    QImage image = NewPicture(Width, Height);
    QPainter painter(&image);
    SetSmoothRendering(painter);
    painter.setPen(Ink);
    DrawTextCentred(painter, Width / 2.0, TitleBaseline, Utf8(texts.bravaisTitle),
                    PixelFont("DejaVu Serif", 15, true));
    const double scale = CommonScale();
    double top = FirstRowTop;
    for (const auto& row : Rows()) {
        painter.setPen(QPen(SeparatorInk, 1));
        painter.drawLine(QPointF(4, top), QPointF(Width - 4, top));
        DrawRow(painter, texts, row, top, scale);
        top += RowHeight;
    }
    return image;
}

} // namespace vestrel::reference
