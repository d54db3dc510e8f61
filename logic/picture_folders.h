// SPDX-License-Identifier: MIT
// Where pictures are written. Run from its own folder, the program writes
// screenshots into "Screenshots/" beside its data, as it always has. An
// installed program, or one whose folder cannot be written, writes them into
// "Вестрел" in the user's pictures folder instead, and its save dialog starts
// there.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <functional>

namespace vestrel {

// Whether the process can create files in a folder. The default tries it:
// permission bits say nothing for root, and a read-only file system refuses
// everybody.
using WritableCheck = std::function<bool(const QString& folder)>;
bool CanCreateFilesIn(const QString& folder);

// The folder inside the user's pictures folder: "Вестрел".
QString PicturesSubfolderName();

struct ScreenshotTarget {
    QString path;            // the file to write
    QString folder;          // the folder it goes into
    bool inPictures = false; // in the user's pictures folder
};

class PictureFolders {
public:
    // `programDir` holds Data/ (and Screenshots/ when run from its own
    // folder); `installed` says it is an installed share folder.
    explicit PictureFolders(QString programDir = QString(), bool installed = false);

    const QString& programDir() const { return programDir_; }
    bool installed() const { return installed_; }

    // Seams: the writability test and the user's pictures folder
    // (QStandardPaths::PicturesLocation unless set).
    void setWritableCheck(WritableCheck check) { writable_ = std::move(check); }
    void setPicturesLocation(const QString& folder) { pictures_ = folder; }
    QString picturesLocation() const;

    // Whether pictures go to the user's pictures folder: when installed, or
    // when the program's folder (its Screenshots/ if that exists) cannot be
    // written.
    bool usePicturesFolder() const;

    // Decides once where a screenshot goes: the program's usual name
    // "<prefix><date>_<time>.bmp" in "<programDir>/Screenshots" or in
    // "<pictures>/Вестрел", which is created when missing. The program's own
    // Screenshots/ is never created (a missing one is reported when the file
    // cannot be written, as always).
    ScreenshotTarget screenshotTarget(const QString& prefix, const QDateTime& when, const QLocale& locale) const;

    // Where the save dialog starts when the user has not chosen a folder
    // yet: empty (the dialog's own choice) when run from the program's
    // folder; "<pictures>/Вестрел" when that exists, else "<pictures>".
    QString saveDialogStart() const;

private:
    QString programDir_;
    bool installed_ = false;
    QString pictures_;
    WritableCheck writable_;
};

} // namespace vestrel
