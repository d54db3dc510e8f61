// SPDX-License-Identifier: MIT
// The pictures of the tool bar and menu, drawn by the program itself.
#pragma once

#include <QIcon>

namespace vestrel {

// Pictures of the image list, by index: 0 build, 1 erase, 2 reference,
// 3 next, 4 save, 5 screenshot, 6 legend, 7 settings, 8 help, 9 exit,
// 10 previous, 11 open a structure file.
QIcon ToolIcon(int index);
constexpr int ToolIconCount = 12;

} // namespace vestrel
