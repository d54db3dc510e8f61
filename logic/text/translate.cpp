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

std::string FormatText(const std::string& pattern, std::initializer_list<std::string> arguments)
{
    std::string out;
    out.reserve(pattern.size());
    const std::size_t count = arguments.size();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < count) {
            out += *(arguments.begin() + (next - '1'));
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace vestrel
