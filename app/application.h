// SPDX-License-Identifier: MIT
// All windows of the program, created at start-up and kept to the end.
#pragma once

#include "logic/data_location.h"
#include "logic/kept_settings.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace vestrel {

class AboutWindow;
class MainWindow;
class LegendWindow;
class SettingsWindow;
class ReferenceWindow;
class CalculatorWindow;
class HintRouter;
class PowderWindow;
class StereogramWindow;
class Options;
class InterfaceLanguage;

// Settings that must be made before the QApplication exists: the default
// surface format (double-buffered RGBA with a depth buffer).
void PrepareApplication();

class Application {
public:
    // programDir: the folder that holds Data/ and help/, taken as the
    // program's own folder (screenshots go into its Screenshots/).
    explicit Application(const QString& programDir);
    // The data where LocateData found them; an installed program writes its
    // screenshots into the user's pictures folder.
    explicit Application(const DataLocation& data);
    ~Application();
    // Shows the main window, maximized unless the kept settings say otherwise.
    void show();

    // The kept settings as the windows hold them now; setting the windows to
    // kept settings; the start values back ("Восстановить настройки по
    // умолчанию" in the settings window).
    KeptSettings keptSettings();
    void restoreSettings(const KeptSettings& kept);
    void resetSettings();

    // The files named on the command line: the first is opened as a crystal
    // structure (a relative name from the current folder), the others are
    // left alone.
    void openCommandLineFiles(const QStringList& files);

    // "Настройки" → "Язык / Language" switches this language at once; the
    // choice is kept with the settings.
    void setInterfaceLanguage(InterfaceLanguage& language);

    MainWindow& mainWindow() { return *mainWindow_; }
    SettingsWindow& settings() { return *settings_; }
    HintRouter& hints() { return *hints_; }
    AboutWindow& about() { return *about_; }
    LegendWindow& legend() { return *legend_; }
    ReferenceWindow& reference() { return *reference_; }
    CalculatorWindow& calculator() { return *calculator_; }
    PowderWindow& powder() { return *powder_; }
    StereogramWindow& stereogram() { return *stereogram_; }

private:
    std::unique_ptr<HintRouter> hints_;
    std::unique_ptr<Options> options_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<LegendWindow> legend_;
    std::unique_ptr<SettingsWindow> settings_;
    std::unique_ptr<ReferenceWindow> reference_;
    std::unique_ptr<CalculatorWindow> calculator_;
    std::unique_ptr<PowderWindow> powder_;
    std::unique_ptr<StereogramWindow> stereogram_;
    bool maximized_ = true;
    InterfaceLanguage* language_ = nullptr;
    std::optional<Language> chosenLanguage_; // none while the locale decides
};

} // namespace vestrel
