// SPDX-License-Identifier: MIT
// The kept settings and the windows: the options with the main window's
// place, size and save dialog, and the windows set to kept values.
#pragma once

#include "logic/kept_settings.h"

namespace vestrel {

class MainWindow;

// The options as they are now, with the main window's place, size and save
// dialog.
KeptSettings CollectSettings(MainWindow& main);

// Sets the options, and with them every control bound to them, to the
// settings. The main window's geometry is taken when it lies at least partly
// on a screen; without a kept geometry the window gets its start geometry
// back. Whether it is shown maximized is the caller's (Application::show); a
// visible maximized window is made normal here.
void ApplySettings(const KeptSettings& kept, MainWindow& main);

} // namespace vestrel
