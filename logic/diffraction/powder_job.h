// SPDX-License-Identifier: MIT
// One computation of a powder pattern as a worker thread runs it: read the
// structure file for the structure factors (once per file), then the
// pattern for the settings.
#pragma once

#include "logic/diffraction/powder_pattern.h"

#include <atomic>
#include <memory>
#include <string>

namespace vestrel::diffraction {

struct PowderResult {
    std::shared_ptr<const sf::ScatteringCrystal> crystal; // for the next run with the same file
    PowderPattern pattern;
};

// `crystal` is what an earlier run of the same file read, or null: the file
// at `path` is then read. Never throws.
PowderResult RunPowder(std::shared_ptr<const sf::ScatteringCrystal> crystal, const std::string& path,
                       const PowderSettings& settings, const std::atomic<bool>* cancel = nullptr);

} // namespace vestrel::diffraction
