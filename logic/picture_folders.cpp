// SPDX-License-Identifier: MIT
#include "logic/picture_folders.h"

#include "logic/pictures/picture_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace vestrel {

bool CanCreateFilesIn(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".vestrel-write-test-XXXXXX")));
    return probe.open();
}

QString PicturesSubfolderName() { return QStringLiteral("Вестрел"); }

PictureFolders::PictureFolders(QString programDir, bool installed)
    : programDir_(std::move(programDir)), installed_(installed), writable_(CanCreateFilesIn)
{
}

QString PictureFolders::picturesLocation() const
{
    if (!pictures_.isEmpty())
        return pictures_;
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

bool PictureFolders::usePicturesFolder() const
{
    if (installed_)
        return true;
    const QString screenshots = QDir(programDir_).filePath(QStringLiteral("Screenshots"));
    return !writable_(QFileInfo(screenshots).isDir() ? screenshots : programDir_);
}

ScreenshotTarget PictureFolders::screenshotTarget(const QString& prefix, const QDateTime& when,
                                                  const QLocale& locale) const
{
    ScreenshotTarget target;
    // The name is the one the program has always used; only the folder moves.
    target.path = ScreenshotFileName(programDir_, prefix, when, locale);
    target.folder = QFileInfo(target.path).path();
    target.inPictures = usePicturesFolder();
    if (target.inPictures) {
        target.folder = QDir(picturesLocation()).filePath(PicturesSubfolderName());
        target.path = QDir(target.folder).filePath(QFileInfo(target.path).fileName());
        QDir().mkpath(target.folder);
    }
    return target;
}

QString PictureFolders::saveDialogStart() const
{
    if (!usePicturesFolder())
        return {};
    const QString ours = QDir(picturesLocation()).filePath(PicturesSubfolderName());
    return QFileInfo(ours).isDir() ? ours : picturesLocation();
}

} // namespace vestrel
