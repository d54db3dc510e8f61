// SPDX-License-Identifier: MIT
// The crystal habits of the photo tool, compiled into this test (see
// renderer_sources.cpp).
#include "tools/photos/crystal_forms.cpp"
