// SPDX-License-Identifier: MIT
#include "logic/data_location.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vestrel {

namespace {

QString clean(const QString& folder) { return QDir::cleanPath(QDir(folder).absolutePath()); }

bool holdsData(const QString& folder) { return QFileInfo(QDir(folder).filePath(QStringLiteral("Data"))).isDir(); }

} // namespace

QStringList InstalledDataFolders(const QString& executableDir)
{
    QStringList folders{clean(executableDir + QStringLiteral("/../share/vestrel"))};
    for (const QString& share : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString folder = clean(share + QStringLiteral("/vestrel"));
        if (!folders.contains(folder))
            folders << folder;
    }
    return folders;
}

DataLocation LocateData(const QString& executableDir, const QStringList& installedFolders)
{
    DataLocation location;
    location.folder = clean(executableDir);
    location.searched << location.folder;
    if (holdsData(location.folder)) {
        location.found = true;
        return location;
    }
    for (const QString& candidate : installedFolders) {
        const QString folder = clean(candidate);
        if (location.searched.contains(folder))
            continue;
        location.searched << folder;
        if (holdsData(folder)) {
            location.folder = folder;
            location.found = true;
            location.installed = true;
            return location;
        }
    }
    return location;
}

DataLocation LocateData(const QString& executableDir)
{
    return LocateData(executableDir, InstalledDataFolders(executableDir));
}

QString LocateStructureLibrary(const QString& executableDir, const QStringList& installedFolders)
{
    for (const QString& folder : QStringList{executableDir} + installedFolders) {
        const QString library = clean(folder + QStringLiteral("/structures"));
        if (QFileInfo(library).isDir())
            return library;
    }
    return {};
}

QString LocateStructureLibrary(const QString& executableDir)
{
    return LocateStructureLibrary(executableDir, InstalledDataFolders(executableDir));
}

QString DataNotFoundMessage(const DataLocation& location)
{
    QStringList folders;
    for (const QString& folder : location.searched)
        folders << QDir::toNativeSeparators(folder);
    return QStringLiteral("Не найдены файлы программы (папка Data). Искали в папках: %1. "
                          "Фотографии, тексты и справка не будут показаны.")
        .arg(folders.join(QStringLiteral(", ")));
}

} // namespace vestrel
