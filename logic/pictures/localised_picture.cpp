// SPDX-License-Identifier: MIT
#include "logic/pictures/localised_picture.h"

#include <QDir>
#include <QFileInfo>

namespace vestrel {

QString PictureLanguageFolder(Language language)
{
    return language == Language::English ? QStringLiteral("en/") : QString();
}

QString LocalisedDataFile(const QString& programDir, const QString& relative, Language language)
{
    const QDir data(QDir(programDir).filePath(QStringLiteral("Data")));
    const QString own = data.filePath(PictureLanguageFolder(language) + relative);
    if (language != Language::Russian && QFileInfo(own).isFile())
        return own;
    return data.filePath(relative);
}

} // namespace vestrel
