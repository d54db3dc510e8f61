// SPDX-License-Identifier: MIT
#include "logic/text/language.h"

#include <algorithm>
#include <atomic>
#include <cctype>

namespace vestrel {

namespace {

std::atomic<Language> current{Language::Russian};

std::string lowered(std::string_view text)
{
    std::string s(text);
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

} // namespace

Language CurrentLanguage() { return current.load(); }

void SetCurrentLanguage(Language language) { current.store(language); }

const char* LanguageCode(Language language) { return language == Language::English ? "en" : "ru"; }

std::optional<Language> LanguageFromCode(std::string_view code)
{
    const std::string c = lowered(code);
    if (c == "ru")
        return Language::Russian;
    if (c == "en")
        return Language::English;
    return std::nullopt;
}

Language LanguageForLocale(std::string_view localeName)
{
    const std::string name = lowered(localeName);
    const std::string language = name.substr(0, name.find_first_of("_.@-"));
    for (const char* russianSpeaking : {"ru", "uk", "be", "c", "posix", ""})
        if (language == russianSpeaking)
            return Language::Russian;
    return Language::English;
}

char DecimalSeparator(Language language) { return language == Language::English ? '.' : ','; }

} // namespace vestrel
