// SPDX-License-Identifier: MIT
#include "logic/diffraction/powder_pattern.h"
#include "logic/text/translate.h"

#include "logic/cif/text_format.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vestrel::diffraction {

namespace {

double radians(double degrees) { return degrees * std::numbers::pi / 180; }
double degrees(double radians) { return radians * 180 / std::numbers::pi; }

// The spacing that diffracts at 2θ.
double spacingAt(double twoTheta, double wavelength) { return wavelength / (2 * std::sin(radians(twoTheta / 2))); }

std::string number(double value) { return cif::FormatNumber(value, 5); }

} // namespace

std::string CheckSettings(const PowderSettings& s)
{
    if (!std::isfinite(s.wavelength) || s.wavelength < MinWavelength || s.wavelength > MaxWavelength)
        return VT("PowderPattern", "Длина волны должна быть от ") + number(MinWavelength) + VT("PowderPattern", " до ") + number(MaxWavelength) + " \u00c5.";
    if (!std::isfinite(s.from) || !std::isfinite(s.to) || s.from < MinTwoTheta || s.to > MaxTwoTheta)
        return VT("PowderPattern", "Диапазон углов 2\u03b8 должен лежать в пределах от ") + number(MinTwoTheta) + VT("PowderPattern", " до ")
               + number(MaxTwoTheta) + "\u00b0.";
    if (s.from >= s.to)
        return VT("PowderPattern", "Начало диапазона углов 2\u03b8 должно быть меньше его конца.");
    return {};
}

double LorentzPolarisation(double twoTheta)
{
    const double theta = radians(twoTheta / 2);
    const double c2 = std::cos(2 * theta);
    const double s = std::sin(theta);
    return (1 + c2 * c2) / (s * s * std::cos(theta));
}

double BraggTwoTheta(double d, double wavelength)
{
    const double s = wavelength / (2 * d);
    return s > 1 ? std::nan("") : 2 * degrees(std::asin(s));
}

std::vector<PowderLine> MergeLines(const std::vector<sf::Reflection>& reflections, double wavelength)
{
    struct Weighed {
        PowderLine line;
        double intensity;
    };
    std::vector<Weighed> items;
    items.reserve(reflections.size());
    for (const sf::Reflection& r : reflections) {
        const double tt = BraggTwoTheta(r.d, wavelength);
        if (!std::isfinite(tt))
            continue;
        items.push_back({{tt, r.d, r.hkl, r.multiplicity, 0}, r.f2 * r.multiplicity * LorentzPolarisation(tt)});
    }
    std::sort(items.begin(), items.end(), [](const Weighed& a, const Weighed& b) {
        return a.line.twoTheta != b.line.twoTheta ? a.line.twoTheta < b.line.twoTheta : a.line.hkl > b.line.hkl;
    });
    std::vector<PowderLine> lines;
    double strongest = 0;
    double firstOfLine = 0;
    double strongestOfLine = 0;
    for (const Weighed& item : items) {
        if (lines.empty() || item.line.twoTheta - firstOfLine >= SameLineTwoTheta) {
            lines.push_back(item.line);
            lines.back().intensity = item.intensity;
            firstOfLine = item.line.twoTheta;
            strongestOfLine = item.intensity;
        } else {
            PowderLine& line = lines.back();
            line.multiplicity += item.line.multiplicity;
            line.intensity += item.intensity;
            if (item.intensity > strongestOfLine) {
                strongestOfLine = item.intensity;
                line.hkl = item.line.hkl;
                line.d = item.line.d;
                line.twoTheta = item.line.twoTheta;
            }
        }
        strongest = std::max(strongest, lines.back().intensity);
    }
    for (PowderLine& line : lines)
        line.intensity = strongest > 0 ? 100 * line.intensity / strongest : 0;
    return lines;
}

PowderPattern ComputePattern(const sf::ScatteringCrystal& crystal, const PowderSettings& settings,
                             const std::atomic<bool>* cancel)
{
    PowderPattern pattern;
    if (std::string problem = CheckSettings(settings); !problem.empty()) {
        pattern.message = std::move(problem);
        return pattern;
    }
    if (!crystal.isRead()) {
        pattern.message = VT("PowderPattern", "Структура для расчёта не прочитана.");
        return pattern;
    }
    const double dMin = spacingAt(settings.to, settings.wavelength);
    const double dMax = spacingAt(settings.from, settings.wavelength);
    std::vector<sf::Reflection> reflections;
    switch (crystal.reflections(dMin, dMax, MaxReflections, cancel, reflections)) {
    case sf::Outcome::TooMany:
        pattern.message = VT("PowderPattern", "В выбранном диапазоне углов у этой ячейки больше ") + cif::FormatCount(MaxReflections)
                          + VT("PowderPattern", " отражений: столько не рассчитывается. Сузьте диапазон 2\u03b8 или возьмите "
                                                 "более длинную волну.");
        return pattern;
    case sf::Outcome::Cancelled:
        return pattern;
    case sf::Outcome::Done:
        break;
    }
    pattern.lines = MergeLines(reflections, settings.wavelength);
    pattern.ok = true;
    return pattern;
}

} // namespace vestrel::diffraction
