// SPDX-License-Identifier: MIT
#include "app/window_settings.h"

#include "app/main_window.h"
#include "app/main_window_parts.h"
#include "logic/options.h"
#include "logic/picture_commands.h"

#include <QGuiApplication>
#include <QScreen>

namespace vestrel {

namespace {

bool onSomeScreen(const QRect& geometry)
{
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(geometry))
            return true;
    return false;
}

} // namespace

KeptSettings CollectSettings(MainWindow& main)
{
    KeptSettings kept = main.options().kept();
    kept.saveFolder = main.pictures().lastFolder();
    kept.saveFilter = main.pictures().lastSaveChoice().filterIndex;
    // A window never shown has no normal geometry yet; its start geometry
    // is not kept then.
    const QRect normal = main.normalGeometry();
    kept.geometry = normal.isValid() ? std::optional<QRect>(normal) : std::nullopt;
    kept.maximized = main.isMaximized();
    return kept;
}

void ApplySettings(const KeptSettings& kept, MainWindow& main)
{
    main.options().restore(kept);
    main.pictures().setSaveDialogStart(kept.saveFolder, kept.saveFilter);

    const QRect geometry = kept.geometry && onSomeScreen(*kept.geometry) ? *kept.geometry : StartGeometry;
    if (main.isVisible() && main.isMaximized())
        main.showNormal();
    main.setGeometry(geometry);
    // The tool bar and interface options show at once rather than on the
    // next tick of the interface timer.
    main.applyInterfaceOptions();
}

} // namespace vestrel
