// SPDX-License-Identifier: MIT
// All windows of the program, created at start-up and kept to the end.
#pragma once

#include <QString>
#include <memory>

namespace vestrel {

class AboutWindow;
class MainWindow;
class LegendWindow;
class SettingsWindow;
class ReferenceWindow;
class CalculatorWindow;
class HintRouter;

// Settings that must be made before the QApplication exists: the default
// surface format (double-buffered RGBA with a depth buffer).
void PrepareApplication();

class Application {
public:
    explicit Application(const QString& programDir);
    ~Application();
    void show();

    MainWindow& mainWindow() { return *mainWindow_; }
    SettingsWindow& settings() { return *settings_; }
    HintRouter& hints() { return *hints_; }
    AboutWindow& about() { return *about_; }
    LegendWindow& legend() { return *legend_; }
    ReferenceWindow& reference() { return *reference_; }
    CalculatorWindow& calculator() { return *calculator_; }

private:
    std::unique_ptr<HintRouter> hints_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<LegendWindow> legend_;
    std::unique_ptr<SettingsWindow> settings_;
    std::unique_ptr<ReferenceWindow> reference_;
    std::unique_ptr<CalculatorWindow> calculator_;
};

} // namespace vestrel
