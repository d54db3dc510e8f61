// SPDX-License-Identifier: MIT
// "Сетка Вульфа": meridians and parallels every 2 degrees, bold every 10,
// drawn as polylines through exactly projected points (wulff_net.h).
#include "tools/reference/reference_pictures.h"
#include "tools/reference/rich_text.h"
#include "tools/reference/wulff_net.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace vestrel::reference {

namespace {

constexpr double SampleStep = 0.1;   // degrees along a line
constexpr double FinePen = 1.3;
constexpr double BoldPen = 3.0;
constexpr double RimPen = 4.0;
constexpr double TickLength = 18;

QColor LineColour() { return QColor::fromRgbF(wulff::LineRed / 255, wulff::LineGreen / 255, wulff::LineBlue / 255); }

QPointF PictureAt(double latitude, double longitude)
{
    const wulff::NetPoint p = wulff::ProjectToPicture(latitude, longitude);
    return {p.x, p.y};
}

// A meridian from latitude -extent to +extent.
QPainterPath Meridian(double longitude, double extent)
{
    QPainterPath path(PictureAt(-extent, longitude));
    for (double lat = -extent + SampleStep; lat < extent + SampleStep / 2; lat += SampleStep)
        path.lineTo(PictureAt(std::min(lat, extent), longitude));
    return path;
}

QPainterPath Parallel(double latitude)
{
    QPainterPath path(PictureAt(latitude, -90));
    for (double lon = -90 + SampleStep; lon < 90 + SampleStep / 2; lon += SampleStep)
        path.lineTo(PictureAt(latitude, std::min(lon, 90.0)));
    return path;
}

QPen LinePen(int degrees)
{
    const bool bold = degrees % wulff::BoldStep == 0;
    return QPen(LineColour(), bold ? BoldPen : FinePen, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
}

void DrawMeridians(QPainter& painter)
{
    for (int lon = -90 + wulff::FineStep; lon < 90; lon += wulff::FineStep) {
        const bool bold = lon % wulff::BoldStep == 0;
        painter.setPen(LinePen(lon));
        painter.drawPath(Meridian(lon, bold ? 90.0 : wulff::FineMeridianEndLatitude));
    }
}

void DrawParallels(QPainter& painter)
{
    for (int lat = -90 + wulff::FineStep; lat < 90; lat += wulff::FineStep) {
        painter.setPen(LinePen(lat));
        painter.drawPath(Parallel(lat));
    }
}

void DrawPrimitiveCircle(QPainter& painter)
{
    painter.setPen(QPen(LineColour(), RimPen));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(wulff::CentreX, wulff::CentreY), wulff::Radius, wulff::Radius);
}

// Outside the primitive circle: a tick every 10 degrees, numbered clockwise
// from the north point, and N and S at the poles.
void DrawRimScale(QPainter& painter)
{
    const QFont font = PixelFont("DejaVu Sans", 26);
    painter.setPen(QPen(LineColour(), 2.5));
    for (int azimuth = 0; azimuth < 360; azimuth += 10) {
        const double a = wulff::Radians(azimuth);
        const QPointF dir(std::sin(a), -std::cos(a));
        const QPointF centre(wulff::CentreX, wulff::CentreY);
        painter.drawLine(centre + dir * (wulff::Radius + 2), centre + dir * (wulff::Radius + TickLength));
        const QPointF label = centre + dir * (wulff::Radius + TickLength + 26);
        DrawTextCentred(painter, label.x(), label.y() + 9, QString::number(azimuth) + QChar(0x00B0), font);
    }
}

} // namespace

QImage DrawWulffNet()
{
    QImage image = NewPicture(wulff::Width, wulff::Height);
    QPainter painter(&image);
    SetSmoothRendering(painter);
    DrawParallels(painter);
    DrawMeridians(painter);
    DrawPrimitiveCircle(painter);
    DrawRimScale(painter);
    return image;
}

} // namespace vestrel::reference
