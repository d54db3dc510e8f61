// SPDX-License-Identifier: MIT
#include "logic/diffraction/powder_job.h"
#include "logic/text/translate.h"

#include "logic/cif/cif_reader.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vestrel::diffraction {

namespace {

std::string fileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

// The file's text; empty with a message in *problem when it cannot be read.
std::string readText(const std::string& path, std::string* problem)
{
    const std::string shown = "\u00ab" + fileName(path) + "\u00bb";
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        *problem = VT("PowderPattern", "Файл ") + shown + VT("PowderPattern", " не найден.");
        return {};
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > cif::MaxCifFileBytes) {
        *problem = VT("PowderPattern", "Файл ") + shown + VT("PowderPattern", " не удаётся прочитать.");
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in && !in.eof()) {
        *problem = VT("PowderPattern", "Файл ") + shown + VT("PowderPattern", " не удаётся прочитать.");
        return {};
    }
    return text.str();
}

} // namespace

PowderResult RunPowder(std::shared_ptr<const sf::ScatteringCrystal> crystal, const std::string& path,
                       const PowderSettings& settings, const std::atomic<bool>* cancel)
{
    PowderResult result;
    if (std::string problem = CheckSettings(settings); !problem.empty()) {
        result.crystal = std::move(crystal);
        result.pattern.message = std::move(problem);
        return result;
    }
    if (!crystal) {
        std::string problem;
        const std::string text = readText(path, &problem);
        auto read = std::make_shared<sf::ScatteringCrystal>();
        if (problem.empty())
            problem = read->read(text, fileName(path));
        if (!problem.empty()) {
            result.pattern.message = std::move(problem);
            return result;
        }
        crystal = std::move(read);
    }
    result.pattern = ComputePattern(*crystal, settings, cancel);
    result.crystal = std::move(crystal);
    return result;
}

} // namespace vestrel::diffraction
