// SPDX-License-Identifier: MIT
// The photo tool is an executable, not a library: the renderer's source is
// compiled into this test so that its functions can be checked directly.
#include "tools/photos/crystal_renderer.cpp"
