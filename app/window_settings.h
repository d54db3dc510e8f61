// SPDX-License-Identifier: MIT
// The kept settings and the windows' controls: what the controls hold now,
// and setting the controls to kept values.
#pragma once

#include "logic/kept_settings.h"

namespace vestrel {

class MainWindow;
class SettingsWindow;

// The settings as the controls of the two windows hold them (and the main
// window's place, size and save dialog).
KeptSettings CollectSettings(MainWindow& main, const SettingsWindow& settings);

// Sets the controls to the settings. The main window's geometry is taken
// when it lies at least partly on a screen; without a kept geometry the
// window gets its start geometry back. Whether it is shown maximized is the
// caller's (Application::show); a visible maximized window is made normal
// here.
void ApplySettings(const KeptSettings& kept, MainWindow& main, SettingsWindow& settings);

} // namespace vestrel
