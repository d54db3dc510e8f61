// SPDX-License-Identifier: MIT
// What the files of the main window share: its fixed sizes and the naming of
// controls (each keeps the identifier it has always had as its objectName).
#pragma once

#include <QString>

namespace vestrel {

constexpr int SidePanelWidth = 224;
constexpr int ToolBarWidth = 49;

template <typename T>
T* named(T* object, const char* name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

} // namespace vestrel
