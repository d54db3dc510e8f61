// SPDX-License-Identifier: MIT
// Writing pictures: 24-bit BMP files, the entries of the picture save
// dialog, and the names of screenshot files.
#pragma once

#include "logic/pictures/write_progress.h"

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QString>

#include <array>

namespace vestrel {

enum class PictureFormat { Jpeg, Bmp, Png };

// One entry of the save dialog's filter; entries are numbered from 1.
struct PictureFilter {
    const char* entry;     // as the dialog lists it (UTF-8)
    const char* extension; // appended to a name that lacks it
    PictureFormat format;
};

inline constexpr std::array<PictureFilter, 4> kPictureFilters = {{
    {"JPEG Image File (*.jpg)", ".jpg", PictureFormat::Jpeg},
    {"JPEG Image File (*.jpeg)", ".jpeg", PictureFormat::Jpeg},
    {"Bitmaps (*.bmp)", ".bmp", PictureFormat::Bmp},
    {QT_TRANSLATE_NOOP("PictureFiles", "Рисунок PNG (*.png)"), ".png", PictureFormat::Png},
}};

inline constexpr int kJpegQuality = 90;

// Writes the picture as an uncompressed bottom-up BMP file with 24 bits
// per pixel, replacing a file of that name. The file is written complete or
// not at all: a failure (a full disk, a missing folder, no rights) leaves no
// partial file, and a previous file of that name as it was. On failure
// returns false and sets *error to "Cannot create file "<full path>".
// <system's reason>".
bool SaveBmp24(const QImage& image, const QString& path, QString* error, const WriteProgress& progress = {});

// Writes the picture in the format of the dialog's filter entry
// (1 and 2: JPEG, 3: BMP, 4: PNG). The name is used as it stands.
// progress learns how far the write has come and may stop it; a stopped
// write leaves no file and a previous one as it was.
bool SavePictureForFilter(const QImage& image, const QString& path, int filterIndex, QString* error,
                          const WriteProgress& progress = {});

// The name with the extension of the filter entry appended, unless the name
// already ends in it (letter case aside).
QString AppendFilterExtension(const QString& name, int filterIndex);

// "<programDir>/Screenshots/<prefix><date>_<time>.bmp" with the locale's short
// date and long time (without a time zone). Every character a file name
// cannot hold, the time separator among them, becomes ".", so a Russian
// locale gives Calc06.12.2026_21.05.33.bmp and a US one Calc12.6.26_9.05.33 PM.bmp.
QString ScreenshotFileName(const QString& programDir, const QString& prefix,
                           const QDateTime& when, const QLocale& locale);

} // namespace vestrel
