// SPDX-License-Identifier: MIT
// Pictures with words on them are drawn once per language: the program's own
// Russian ones under Data/, the English ones under Data/en/ by the same
// names. A picture without words is drawn once, under Data/, and serves
// every language.
#pragma once

#include "logic/text/language.h"

#include <QString>

namespace vestrel {

// The folder of a language's pictures relative to Data/: "" or "en/".
QString PictureLanguageFolder(Language language);

// The path of Data/<relative> in the program folder as the language shows it:
// Data/en/<relative> in English when that file is there, else Data/<relative>.
QString LocalisedDataFile(const QString& programDir, const QString& relative,
                          Language language = CurrentLanguage());

} // namespace vestrel
