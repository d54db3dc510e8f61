// SPDX-License-Identifier: MIT
// Information texts: plain text files, the Russian ones in the Windows-1251
// code page, the English ones in UTF-8.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace vestrel {

enum class TextEncoding { Windows1251, Utf8 };

// Decodes Windows-1251 bytes with the C library's iconv. Returns nothing when
// a byte cannot be decoded (0x98 is unassigned in that code page).
std::optional<QString> DecodeWindows1251(const QByteArray& bytes);

// Decodes UTF-8 bytes (a leading byte order mark is dropped). Returns nothing
// for a malformed sequence.
std::optional<QString> DecodeUtf8(const QByteArray& bytes);

// The lines of a text (one per line; CR LF or LF endings); nothing when a
// byte cannot be decoded.
std::optional<QStringList> SplitInformationText(const QByteArray& bytes,
                                                TextEncoding encoding = TextEncoding::Windows1251);

// The largest information text read: 1 MiB. The texts that come with the
// program have a few kilobytes; a larger file is refused unread, as it would
// hold the window up and take its memory.
inline constexpr qint64 kMaxInformationTextBytes = 1024 * 1024;

// Reads a text file into lines (one per file line; CR LF or LF endings). On
// failure sets *error to "Cannot open file "<path>". <reason>" (with the real
// reason: missing, a folder, no rights), the size message or a decoding
// message and returns nothing.
std::optional<QStringList> LoadInformationText(const QString& path, QString* error,
                                               TextEncoding encoding = TextEncoding::Windows1251);

// "The file "<path>" is too large for an information text: <size> bytes, at
// most 1048576."
QString TextTooLargeMessage(const QString& path, qint64 size);

} // namespace vestrel
