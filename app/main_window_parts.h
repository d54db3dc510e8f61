// SPDX-License-Identifier: MIT
// What the files of the main window share: its fixed sizes and the naming of
// controls (each keeps the identifier it has always had as its objectName).
#pragma once

#include <QRect>
#include <QString>

namespace vestrel {

constexpr int SidePanelWidth = 224;
constexpr int ToolBarWidth = 49;
// The main window's place and size before it is maximized.
constexpr QRect StartGeometry{276, 26, 1024, 840};

template <typename T>
T* named(T* object, const char* name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

} // namespace vestrel
