// SPDX-License-Identifier: MIT
// Geometry of the Wulff net picture: the equatorial stereographic net with
// the N-S axis vertical. A sphere point of latitude phi and longitude lambda
// (measured from the central meridian) is projected from the opposite end of
// the viewing diameter onto the plane of the primitive circle, so
//   on the equator          x = R tan(lambda / 2),
//   on the central meridian y = R tan(phi / 2),
// the meridian of longitude lambda is the circle through N and S with centre
// (-R cot lambda, 0) and radius R / sin lambda, and the parallel of latitude
// phi is the circle with centre (0, R / sin phi) and radius R cot phi.
#pragma once

#include <cmath>
#include <numbers>

namespace vestrel::reference::wulff {

inline constexpr int Width = 2362;
inline constexpr int Height = 2363;
// Picture coordinates of the net's centre and the primitive circle's radius.
inline constexpr double CentreX = 1181.0;
inline constexpr double CentreY = 1181.0;
inline constexpr double Radius = 1100.0;

// Every 2 degrees a thin line, every 10 degrees a bold one. The thin
// meridians stop at 80 degrees of latitude, where they would merge into a
// solid patch around the poles; the bold ones run to the poles.
inline constexpr int FineStep = 2;
inline constexpr int BoldStep = 10;
inline constexpr int FineMeridianEndLatitude = 80;

inline constexpr double LineRed = 20, LineGreen = 40, LineBlue = 120;

struct NetPoint {
    double x = 0;
    double y = 0;
};

inline double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Net coordinates (x to the right, y to the north, in pixels, origin at the
// centre) of the sphere point at latitude/longitude in degrees, |lon| <= 90.
inline NetPoint ProjectToNet(double latitudeDeg, double longitudeDeg)
{
    const double phi = Radians(latitudeDeg);
    const double lambda = Radians(longitudeDeg);
    const double east = std::cos(phi) * std::sin(lambda);
    const double north = std::sin(phi);
    const double towardViewer = std::cos(phi) * std::cos(lambda);
    const double k = Radius / (1.0 + towardViewer);
    return {east * k, north * k};
}

// The same point in picture pixels (y grows downwards).
inline NetPoint ProjectToPicture(double latitudeDeg, double longitudeDeg)
{
    const NetPoint p = ProjectToNet(latitudeDeg, longitudeDeg);
    return {CentreX + p.x, CentreY - p.y};
}

} // namespace vestrel::reference::wulff
