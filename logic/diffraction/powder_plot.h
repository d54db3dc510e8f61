// SPDX-License-Identifier: MIT
// What the plot of a powder pattern draws besides its lines: a profile of
// pseudo-Voigt peaks, and the 2θ axis as the wheel zooms it and a drag pans it.
#pragma once

#include "logic/diffraction/powder_pattern.h"

#include <vector>

namespace vestrel::diffraction {

constexpr double DefaultPeakWidth = 0.1; // full width at half maximum, degrees of 2θ
constexpr double MinPeakWidth = 0.01;
constexpr double MaxPeakWidth = 5;
// The share of the Lorentzian in a pseudo-Voigt peak.
constexpr double LorentzianShare = 0.5;

struct CurvePoint {
    double twoTheta = 0;
    double intensity = 0;
};

// A pseudo-Voigt peak of unit height and full width at half maximum `width`,
// at `offset` degrees from its centre.
double PseudoVoigt(double offset, double width);

// The sum of one peak per line, each as high as its line's intensity, from
// `from` to `to` in steps no coarser than a fifth of the width (and at most
// `maxPoints` points).
constexpr int MaxProfilePoints = 20000;
std::vector<CurvePoint> ProfileCurve(const std::vector<PowderLine>& lines, double from, double to, double width,
                                     int maxPoints = MaxProfilePoints);

// Empty when the width is usable, else the message for the user.
std::string CheckPeakWidth(double width);

struct AxisRange {
    double from = 0;
    double to = 0;
};

// The lines the plot draws inside `range`: all of them when they are few,
// else the strongest of each of `bins` equal slices of the range, so that a
// cell with a hundred thousand lines still draws at once.
constexpr int PlotBins = 2000;
std::vector<std::size_t> VisibleLines(const std::vector<PowderLine>& lines, const AxisRange& range,
                                      int bins = PlotBins);

// The range zoomed by `factor` (below 1 zooms in) about `centre`, kept
// inside `limits` and no narrower than MinAxisSpan.
constexpr double MinAxisSpan = 0.05; // degrees
AxisRange ZoomRange(const AxisRange& range, double centre, double factor, const AxisRange& limits);
// The range shifted by `shift` degrees, kept inside `limits`.
AxisRange PanRange(const AxisRange& range, double shift, const AxisRange& limits);

} // namespace vestrel::diffraction
