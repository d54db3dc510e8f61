// SPDX-License-Identifier: MIT
// The X-ray powder pattern of a crystal: every reflection inside a range of
// 2θ with its structure factor, multiplicity and Lorentz-polarisation factor,
// lines at the same angle merged, intensities relative to the strongest.
#pragma once

#include "logic/diffraction/gemmi/structure_factors.h"

#include <array>
#include <atomic>
#include <string>
#include <vector>

namespace vestrel::diffraction {

struct AnodeLine {
    const char* name; // as the window lists it
    double wavelength; // angstroms
};

// The Kα₁ lines of the usual X-ray tube anodes; Cu first, the default.
constexpr std::array<AnodeLine, 5> AnodeLines{{
    {"Cu K\u03b1\u2081", 1.54056},
    {"Co K\u03b1\u2081", 1.78897},
    {"Fe K\u03b1\u2081", 1.93604},
    {"Cr K\u03b1\u2081", 2.28970},
    {"Mo K\u03b1\u2081", 0.70930},
}};

constexpr double MinWavelength = 0.1; // angstroms
constexpr double MaxWavelength = 5.0;
constexpr double MinTwoTheta = 1.0;   // degrees
constexpr double MaxTwoTheta = 179.0;
// Reflections in the range beyond this many are not computed: a cell so
// large would take minutes and give a pattern of unresolved lines.
constexpr long MaxReflections = 200000;
// Lines closer than this in 2θ are one line.
constexpr double SameLineTwoTheta = 0.001; // degrees

struct PowderSettings {
    double wavelength = AnodeLines[0].wavelength;
    double from = 5;  // 2θ, degrees
    double to = 90;
};

// Empty when the settings are usable, else the message for the user.
std::string CheckSettings(const PowderSettings& settings);

struct PowderLine {
    double twoTheta = 0;      // degrees
    double d = 0;             // angstroms
    sf::Miller hkl{};         // the strongest reflection of the line
    int multiplicity = 0;     // of all its reflections together
    double intensity = 0;     // relative: the strongest line is 100
};

struct PowderPattern {
    bool ok = false;
    std::string message; // for the user when !ok
    std::vector<PowderLine> lines; // by 2θ ascending
};

// (1 + cos² 2θ) / (sin² θ cos θ), an unpolarised beam; 2θ in degrees.
double LorentzPolarisation(double twoTheta);
// 2θ of a spacing by Bragg's law, degrees; NaN when λ > 2d.
double BraggTwoTheta(double d, double wavelength);

// The pattern of a crystal read from a file. `cancel`, when set, stops the
// work and gives a pattern that is not ok with an empty message.
PowderPattern ComputePattern(const sf::ScatteringCrystal& crystal, const PowderSettings& settings,
                             const std::atomic<bool>* cancel = nullptr);

// The reflections merged into lines (the step after the structure factors).
std::vector<PowderLine> MergeLines(const std::vector<sf::Reflection>& reflections, double wavelength);

} // namespace vestrel::diffraction
