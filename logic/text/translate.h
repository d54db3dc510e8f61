// SPDX-License-Identifier: MIT
// Texts of the plain C++ logic in the interface's language. The logic writes
// its Russian texts as VT("Context", "текст"); the translation tools collect
// them like Qt's translate() (the build passes VT as its alias), and the
// program installs the function that looks them up. Without one (the tests,
// the tools) a text is its Russian source.
#pragma once

#include <string>

namespace vestrel {

using TranslateFunction = std::string (*)(const char* context, const char* source);

void SetTranslateFunction(TranslateFunction function);
std::string Translate(const char* context, const char* source);

} // namespace vestrel

#define VT(context, source) ::vestrel::Translate(context, source)
