// SPDX-License-Identifier: MIT
// The interface's language: Russian, the program's own, or English. Plain
// C++, so that every layer of the logic can ask it (texts, numbers).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vestrel {

enum class Language { Russian, English };

// The language the interface speaks now (Russian until set).
Language CurrentLanguage();
void SetCurrentLanguage(Language language);

// "ru", "en".
const char* LanguageCode(Language language);
// From "ru" or "en" (any case); nothing for any other text.
std::optional<Language> LanguageFromCode(std::string_view code);

// The language for a locale name such as "ru_RU", "uk_UA.UTF-8", "de_DE" or
// "C": Russian for Russian, Ukrainian and Belarusian and for the plain C or
// POSIX locale (where no language is set), English for every other.
Language LanguageForLocale(std::string_view localeName);

// The decimal separator of the language: a comma in Russian, a point in
// English.
char DecimalSeparator(Language language = CurrentLanguage());

} // namespace vestrel
