// SPDX-License-Identifier: MIT
#include "tools/icon/app_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>

namespace vestrel::icon {

namespace {

// The cell: a cube in oblique view, the back face shifted up and right.
constexpr double Left = 58, Top = 98, Side = 104, Shift = 42;

QPointF corner(int x, int y, int z)
{
    return {Left + x * Side + z * Shift, Top + (1 - y) * Side - z * Shift};
}

const QColor EdgeColour(190, 198, 214);
const QColor GreenLight(170, 255, 150), GreenDark(20, 120, 30);
const QColor VioletLight(230, 180, 255), VioletDark(90, 30, 150);
const QColor GoldLight(255, 240, 160), GoldDark(190, 120, 10);

Shape edge(QPointF a, QPointF b, double width)
{
    Shape s{Shape::Kind::Edge};
    s.edge = {a, b, width, EdgeColour};
    return s;
}

Shape atom(QPointF centre, double radius, QColor light, QColor dark)
{
    Shape s{Shape::Kind::Atom};
    s.atom = {centre, radius, light, dark};
    return s;
}

// Where the light spot of an atom sits, and how far its gradient reaches.
QPointF focus(const Atom& a) { return a.centre + QPointF(-0.35 * a.radius, -0.4 * a.radius); }
double reach(const Atom& a) { return 1.35 * a.radius; }

QString hex(const QColor& c) { return c.name(QColor::HexRgb); }

QString number(double v) { return QString::number(v, 'f', 2); }

} // namespace

std::vector<Shape> IconShapes()
{
    std::vector<Shape> shapes;
    Shape plate{Shape::Kind::Plate};
    plate.plate = {QRectF(12, 12, 232, 232), 44, QColor(52, 72, 128), QColor(14, 20, 46)};
    shapes.push_back(plate);

    const auto cornerAtom = [](int x, int y, int z) {
        const bool green = (x + y + z) % 2 == 0;
        const double radius = z == 1 ? 17 : 21; // farther atoms look smaller
        return atom(corner(x, y, z), radius, green ? GreenLight : VioletLight, green ? GreenDark : VioletDark);
    };
    // Back face: its atoms, then its edges and the four edges running to the front.
    for (int x = 0; x <= 1; ++x)
        for (int y = 0; y <= 1; ++y)
            shapes.push_back(cornerAtom(x, y, 1));
    const std::array<std::array<int, 2>, 4> square{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
    for (std::size_t i = 0; i < square.size(); ++i) {
        const auto& a = square[i];
        const auto& b = square[(i + 1) % square.size()];
        shapes.push_back(edge(corner(a[0], a[1], 1), corner(b[0], b[1], 1), 5));
        shapes.push_back(edge(corner(a[0], a[1], 0), corner(a[0], a[1], 1), 6));
    }
    // The centre atom, then the front face over it.
    shapes.push_back(atom((corner(0, 0, 0) + corner(1, 1, 1)) / 2, 24, GoldLight, GoldDark));
    for (std::size_t i = 0; i < square.size(); ++i) {
        const auto& a = square[i];
        const auto& b = square[(i + 1) % square.size()];
        shapes.push_back(edge(corner(a[0], a[1], 0), corner(b[0], b[1], 0), 7));
    }
    for (int x = 0; x <= 1; ++x)
        for (int y = 0; y <= 1; ++y)
            shapes.push_back(cornerAtom(x, y, 0));
    return shapes;
}

QImage RenderIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / CanvasSize, size / CanvasSize);
    for (const Shape& s : IconShapes()) {
        switch (s.kind) {
        case Shape::Kind::Plate: {
            QLinearGradient fill(s.plate.rect.topLeft(), s.plate.rect.bottomLeft());
            fill.setColorAt(0, s.plate.top);
            fill.setColorAt(1, s.plate.bottom);
            p.setPen(Qt::NoPen);
            p.setBrush(fill);
            p.drawRoundedRect(s.plate.rect, s.plate.radius, s.plate.radius);
            break;
        }
        case Shape::Kind::Edge:
            p.setPen(QPen(s.edge.colour, s.edge.width, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(s.edge.from, s.edge.to);
            break;
        case Shape::Kind::Atom: {
            QRadialGradient fill(s.atom.centre, reach(s.atom), focus(s.atom));
            fill.setColorAt(0, s.atom.light);
            fill.setColorAt(1, s.atom.dark);
            p.setPen(Qt::NoPen);
            p.setBrush(fill);
            p.drawEllipse(s.atom.centre, s.atom.radius, s.atom.radius);
            break;
        }
        }
    }
    return image;
}

QString IconSvg()
{
    QString defs;
    QString body;
    int gradient = 0;
    for (const Shape& s : IconShapes()) {
        const QString id = QStringLiteral("g%1").arg(gradient);
        switch (s.kind) {
        case Shape::Kind::Plate: {
            const QRectF& r = s.plate.rect;
            defs += QStringLiteral("    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"%2\" "
                                   "x2=\"0\" y2=\"%3\"><stop offset=\"0\" stop-color=\"%4\"/>"
                                   "<stop offset=\"1\" stop-color=\"%5\"/></linearGradient>\n")
                        .arg(id, number(r.top()), number(r.bottom()), hex(s.plate.top), hex(s.plate.bottom));
            body += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"url(#%6)\"/>\n")
                        .arg(number(r.x()), number(r.y()), number(r.width()), number(r.height()),
                             number(s.plate.radius), id);
            ++gradient;
            break;
        }
        case Shape::Kind::Edge:
            body += QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" stroke-width=\"%6\" "
                                   "stroke-linecap=\"round\"/>\n")
                        .arg(number(s.edge.from.x()), number(s.edge.from.y()), number(s.edge.to.x()),
                             number(s.edge.to.y()), hex(s.edge.colour), number(s.edge.width));
            break;
        case Shape::Kind::Atom: {
            const QPointF f = focus(s.atom);
            defs += QStringLiteral("    <radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" cx=\"%2\" cy=\"%3\" "
                                   "r=\"%4\" fx=\"%5\" fy=\"%6\"><stop offset=\"0\" stop-color=\"%7\"/>"
                                   "<stop offset=\"1\" stop-color=\"%8\"/></radialGradient>\n")
                        .arg(id, number(s.atom.centre.x()), number(s.atom.centre.y()), number(reach(s.atom)),
                             number(f.x()), number(f.y()), hex(s.atom.light), hex(s.atom.dark));
            body += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"url(#%4)\"/>\n")
                        .arg(number(s.atom.centre.x()), number(s.atom.centre.y()), number(s.atom.radius), id);
            ++gradient;
            break;
        }
        }
    }
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                          "viewBox=\"0 0 256 256\">\n"
                          "  <title>Вестрел</title>\n"
                          "  <defs>\n%1  </defs>\n%2</svg>\n")
        .arg(defs, body);
}

} // namespace vestrel::icon
