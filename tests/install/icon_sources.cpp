// SPDX-License-Identifier: MIT
// The icon tool is an executable, not a library: its drawing is compiled into
// this test so that its shapes can be compared with the files it wrote.
#include "tools/icon/app_icon.cpp"
