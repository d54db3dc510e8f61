// SPDX-License-Identifier: MIT
#include "logic/diffraction/powder_plot.h"
#include "logic/text/translate.h"

#include "logic/cif/text_format.h"

#include <algorithm>
#include <cmath>

namespace vestrel::diffraction {

namespace {

// Beyond this many widths a peak adds less than 0.1 % of its height.
constexpr double PeakReach = 20;

} // namespace

double PseudoVoigt(double offset, double width)
{
    const double x = 2 * offset / width; // 1 at half maximum
    const double lorentzian = 1 / (1 + x * x);
    const double gaussian = std::exp(-std::log(2.0) * x * x);
    return LorentzianShare * lorentzian + (1 - LorentzianShare) * gaussian;
}

std::vector<CurvePoint> ProfileCurve(const std::vector<PowderLine>& lines, double from, double to, double width,
                                     int maxPoints)
{
    std::vector<CurvePoint> curve;
    if (!(to > from) || !(width > 0) || maxPoints < 2)
        return curve;
    const int points = std::clamp(static_cast<int>(std::ceil((to - from) / (width / 5))) + 1, 2, maxPoints);
    const double step = (to - from) / (points - 1);
    curve.resize(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i)
        curve[static_cast<std::size_t>(i)].twoTheta = from + i * step;
    // Each line adds to the points within its reach only.
    for (const PowderLine& line : lines) {
        const int first = std::max(0, static_cast<int>(std::floor((line.twoTheta - PeakReach * width - from) / step)));
        const int last = std::min(points - 1, static_cast<int>(std::ceil((line.twoTheta + PeakReach * width - from) / step)));
        for (int i = first; i <= last; ++i) {
            CurvePoint& p = curve[static_cast<std::size_t>(i)];
            p.intensity += line.intensity * PseudoVoigt(p.twoTheta - line.twoTheta, width);
        }
    }
    return curve;
}

std::string CheckPeakWidth(double width)
{
    if (!std::isfinite(width) || width < MinPeakWidth || width > MaxPeakWidth)
        return VT("PowderPattern", "Ширина пиков должна быть от ") + cif::FormatNumber(MinPeakWidth, 2) + VT("PowderPattern", " до ")
               + cif::FormatNumber(MaxPeakWidth, 2) + "\u00b0.";
    return {};
}

std::vector<std::size_t> VisibleLines(const std::vector<PowderLine>& lines, const AxisRange& range, int bins)
{
    std::vector<std::size_t> inside;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].twoTheta >= range.from && lines[i].twoTheta <= range.to)
            inside.push_back(i);
    if (bins < 1 || inside.size() <= static_cast<std::size_t>(bins) || !(range.to > range.from))
        return inside;
    std::vector<std::size_t> strongest(static_cast<std::size_t>(bins), lines.size());
    for (std::size_t i : inside) {
        const auto bin = static_cast<std::size_t>(
            std::min(bins - 1, static_cast<int>((lines[i].twoTheta - range.from) / (range.to - range.from) * bins)));
        if (strongest[bin] == lines.size() || lines[i].intensity > lines[strongest[bin]].intensity)
            strongest[bin] = i;
    }
    std::vector<std::size_t> shown;
    for (std::size_t i : strongest)
        if (i != lines.size())
            shown.push_back(i);
    return shown;
}

namespace {

AxisRange keepInside(AxisRange r, const AxisRange& limits)
{
    const double span = std::min(r.to - r.from, limits.to - limits.from);
    if (r.from < limits.from)
        r = {limits.from, limits.from + span};
    if (r.to > limits.to)
        r = {limits.to - span, limits.to};
    return r;
}

} // namespace

AxisRange ZoomRange(const AxisRange& range, double centre, double factor, const AxisRange& limits)
{
    if (!(factor > 0) || !std::isfinite(factor))
        return range;
    centre = std::clamp(centre, range.from, range.to);
    double span = std::clamp((range.to - range.from) * factor, MinAxisSpan, limits.to - limits.from);
    const double share = range.to > range.from ? (centre - range.from) / (range.to - range.from) : 0.5;
    return keepInside({centre - share * span, centre - share * span + span}, limits);
}

AxisRange PanRange(const AxisRange& range, double shift, const AxisRange& limits)
{
    if (!std::isfinite(shift))
        return range;
    return keepInside({range.from + shift, range.to + shift}, limits);
}

} // namespace vestrel::diffraction
