// SPDX-License-Identifier: MIT
// The plate of the closest packings: hexagonal (ABAB...) and cubic (ABCABC...) closest
// packings of equal spheres, each shown as four close-packed layers drawn
// apart from one another so that the position of every layer can be seen.
#include "tools/reference/picture_texts.h"
#include "tools/reference/solid_view.h"
#include "tools/reference/reference_pictures.h"
#include "tools/reference/rich_text.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace vestrel::reference {

namespace {

constexpr int Width = 320;
constexpr int Height = 300;
constexpr double TitleBaseline = 17;
constexpr double SpherePixels = 22;      // the diameter of a sphere on the picture
constexpr double LayerGap = 4.1;         // between drawn layers, in sphere diameters
constexpr double PatchRadius = 1.05;     // the part of each layer that is drawn
constexpr double StackBottomY = 218;
constexpr double CaptionBaseline = 262;

const View PackingView = ViewFrom(-90, 55);

enum class Layer { A, B, C };

struct Ball {
    Vec3 centre;
    Layer layer;
};

// Sites of a close-packed layer of spheres of diameter 1: A on the
// triangular lattice, B and C over the two kinds of hollows of A.
Vec3 LayerShift(Layer layer)
{
    const double s = std::sqrt(3.0);
    switch (layer) {
    case Layer::A: return {0, 0, 0};
    case Layer::B: return {0.5, s / 6, 0};
    case Layer::C: return {1.0, s / 3, 0};
    }
    return {};
}

std::vector<Ball> LayerBalls(Layer layer, double height)
{
    std::vector<Ball> balls;
    const Vec3 shift = LayerShift(layer);
    for (int i = -3; i <= 3; ++i)
        for (int j = -3; j <= 3; ++j) {
            Vec3 p = Vec3{i + 0.5 * j, j * std::sqrt(3.0) / 2, 0} + shift;
            if (std::hypot(p.x, p.y) <= PatchRadius)
                balls.push_back({p + Vec3{0, 0, height}, layer});
        }
    return balls;
}

QColor LayerColour(Layer layer)
{
    switch (layer) {
    case Layer::A: return QColor(205, 72, 60);
    case Layer::B: return QColor(62, 105, 205);
    case Layer::C: return QColor(60, 160, 75);
    }
    return Qt::gray;
}

QString LayerLetter(Layer layer) { return layer == Layer::A ? "A" : layer == Layer::B ? "B" : "C"; }

QColor Mixed(const QColor& a, const QColor& b, double t)
{
    return QColor(qRound(a.red() + (b.red() - a.red()) * t), qRound(a.green() + (b.green() - a.green()) * t),
                  qRound(a.blue() + (b.blue() - a.blue()) * t));
}

void DrawSphere(QPainter& painter, QPointF centre, double radius, const QColor& colour)
{
    QRadialGradient shade(centre, radius, centre + QPointF(-0.38 * radius, -0.40 * radius));
    shade.setColorAt(0.0, Mixed(colour, Qt::white, 0.75));
    shade.setColorAt(0.45, colour);
    shade.setColorAt(1.0, Mixed(colour, Qt::black, 0.55));
    painter.setPen(QPen(Mixed(colour, Qt::black, 0.6), 0.6));
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);
}

QPointF ToScreen(Vec3 p, QPointF origin)
{
    return {origin.x() + SpherePixels * dot(p, PackingView.right), origin.y() - SpherePixels * dot(p, PackingView.up)};
}

void DrawStack(QPainter& painter, const std::vector<Layer>& layers, double centreX)
{
    const QPointF origin(centreX, StackBottomY);
    std::vector<Ball> balls;
    for (size_t i = 0; i < layers.size(); ++i) {
        const auto layer = LayerBalls(layers[i], i * LayerGap);
        balls.insert(balls.end(), layer.begin(), layer.end());
    }
    // The stacking axis behind the balls, through the middle of every layer.
    QPen axis(QColor(150, 150, 150), 1, Qt::DashLine);
    painter.setPen(axis);
    painter.drawLine(ToScreen({0, 0, 0}, origin), ToScreen({0, 0, (layers.size() - 1) * LayerGap}, origin));
    std::sort(balls.begin(), balls.end(), [](const Ball& a, const Ball& b) {
        return dot(a.centre, PackingView.toward) < dot(b.centre, PackingView.toward);
    });
    for (const Ball& ball : balls)
        DrawSphere(painter, ToScreen(ball.centre, origin), SpherePixels / 2, LayerColour(ball.layer));

    const QFont font = PixelFont("DejaVu Sans", 15, true);
    for (size_t i = 0; i < layers.size(); ++i) {
        const QPointF level = ToScreen({0, 0, i * LayerGap}, origin);
        painter.setPen(LayerColour(layers[i]));
        DrawTextCentred(painter, centreX - 2.05 * SpherePixels, level.y() + 6, LayerLetter(layers[i]), font);
    }
}

void DrawCaption(QPainter& painter, double centreX, const QString& name, const QString& sequence)
{
    painter.setPen(Qt::black);
    DrawTextCentred(painter, centreX, CaptionBaseline, name, PixelFont("DejaVu Sans", 13, true));
    DrawTextCentred(painter, centreX, CaptionBaseline + 19, sequence, PixelFont("DejaVu Sans", 13));
}

} // namespace

QImage DrawClosestPackings(const PictureTexts& texts)
{
    QImage image = NewPicture(Width, Height);
    QPainter painter(&image);
    SetSmoothRendering(painter);
    painter.setPen(Qt::black);
    DrawTextCentred(painter, Width / 2.0, TitleBaseline, Utf8(texts.packings.title),
                    PixelFont("DejaVu Serif", 15, true));
    const double left = Width * 0.27, right = Width * 0.76;
    DrawStack(painter, {Layer::A, Layer::B, Layer::A, Layer::B}, left);
    DrawStack(painter, {Layer::A, Layer::B, Layer::C, Layer::A}, right);
    DrawCaption(painter, left, Utf8(texts.packings.hexagonal), QStringLiteral("…ABAB…"));
    DrawCaption(painter, right, Utf8(texts.packings.cubic), QStringLiteral("…ABCABC…"));
    return image;
}

} // namespace vestrel::reference
