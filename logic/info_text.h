// SPDX-License-Identifier: MIT
// Information texts: plain text files in the Windows-1251 code page.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace vestrel {

// Decodes Windows-1251 bytes with the C library's iconv. Returns nothing when
// a byte cannot be decoded (0x98 is unassigned in that code page).
std::optional<QString> DecodeWindows1251(const QByteArray& bytes);

// Reads a text file into lines (one per file line; CR LF or LF endings). On
// failure sets *error to "Cannot open file "<path>". <reason>" or a decoding
// message and returns nothing.
std::optional<QStringList> LoadInformationText(const QString& path, QString* error);

} // namespace vestrel
