// SPDX-License-Identifier: MIT
// PNG pictures, written whole or not at all.
#pragma once

#include "logic/pictures/write_progress.h"

#include <QImage>
#include <QString>

namespace vestrel {

// Writes the picture as a 24-bit PNG file, replacing a file of that name.
// The data goes to a temporary file beside the target, which is renamed
// only when complete: on failure no partial file is left. On failure
// returns false and sets *error to "Cannot create file "<full path>".
// <reason>".
// progress learns how many bytes are out (the fraction is not known
// beforehand) and may stop the write.
bool SavePng(const QImage& image, const QString& path, QString* error, const WriteProgress& progress = {});

} // namespace vestrel
