// SPDX-License-Identifier: MIT
#include "logic/text/translate.h"

#include <atomic>

namespace vestrel {

namespace {
std::atomic<TranslateFunction> installed{nullptr};
}

void SetTranslateFunction(TranslateFunction function) { installed.store(function); }

std::string Translate(const char* context, const char* source)
{
    const TranslateFunction f = installed.load();
    return f ? f(context, source) : std::string(source);
}

} // namespace vestrel
