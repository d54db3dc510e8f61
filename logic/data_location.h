// SPDX-License-Identifier: MIT
// Where the program's read-only files (Data/ and help/) are: beside the
// executable when Data/ is there (the build folder, a copied folder), else in
// an installed share folder (/usr/share/vestrel for /usr/bin/vestrel).
#pragma once

#include <QString>
#include <QStringList>

namespace vestrel {

struct DataLocation {
    // The folder that holds Data/ and help/. When nothing was found, the
    // executable's folder, so every missing file is named by a full path.
    QString folder;
    bool found = false;
    // Found in an installed share folder rather than beside the executable:
    // the program must not write there.
    bool installed = false;
    // Every folder looked in, in order.
    QStringList searched;
};

// The installed share folders for an executable in `executableDir`, in the
// order they are tried: "<prefix>/share/vestrel" of the executable's own
// prefix, then "vestrel" in each of the desktop's data folders
// (XDG_DATA_DIRS, /usr/local/share and /usr/share by default).
QStringList InstalledDataFolders(const QString& executableDir);

// Decides where the data are: `executableDir` when it holds Data/, else the
// first of `installedFolders` that holds Data/, else not found.
DataLocation LocateData(const QString& executableDir, const QStringList& installedFolders);

// The same with the installed folders of InstalledDataFolders.
DataLocation LocateData(const QString& executableDir);

// The folder of the structure library ("structures"): beside the
// executable when it is there, else in the first of `installedFolders` that
// holds it; empty when there is none.
QString LocateStructureLibrary(const QString& executableDir, const QStringList& installedFolders);

// The same with the installed folders of InstalledDataFolders.
QString LocateStructureLibrary(const QString& executableDir);

// The message for a start without data, naming the folders looked in.
QString DataNotFoundMessage(const DataLocation& location);

} // namespace vestrel
