// SPDX-License-Identifier: MIT
// Texts of the plain C++ logic in the interface's language. The logic writes
// its Russian texts as VT("Context", "текст"); the translation tools collect
// them like Qt's translate() (the build passes VT as its alias), and the
// program installs the function that looks them up. Without one (the tests,
// the tools) a text is its Russian source.
#pragma once

#include <initializer_list>
#include <string>

namespace vestrel {

using TranslateFunction = std::string (*)(const char* context, const char* source);

void SetTranslateFunction(TranslateFunction function);
std::string Translate(const char* context, const char* source);

} // namespace vestrel

#define VT(context, source) ::vestrel::Translate(context, source)

// Marks a text of a table for the translation tools without translating it
// (the table keeps the Russian source; its user translates it with VT).
#define VT_NOOP(context, source) source

namespace vestrel {

// The pattern with %1 … %9 replaced by the arguments: the translated texts
// keep their words in their own order around the values.
std::string FormatText(const std::string& pattern, std::initializer_list<std::string> arguments);

} // namespace vestrel
