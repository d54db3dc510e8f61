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

    MainWindow& mainWindow() { return *form1_; }
    SettingsWindow& settings() { return *form4_; }
    HintRouter& hints() { return *hints_; }
    AboutWindow& about() { return *about_; }
    LegendWindow& legend() { return *form2_; }
    ReferenceWindow& reference() { return *form5_; }
    CalculatorWindow& calculator() { return *form6_; }

private:
    std::unique_ptr<HintRouter> hints_;
    std::unique_ptr<MainWindow> form1_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<LegendWindow> form2_;
    std::unique_ptr<SettingsWindow> form4_;
    std::unique_ptr<ReferenceWindow> form5_;
    std::unique_ptr<CalculatorWindow> form6_;
};

} // namespace vestrel
