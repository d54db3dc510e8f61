// SPDX-License-Identifier: MIT
#include "logic/info_text.h"

#include "logic/pictures/file_io.h"

#include <QStringDecoder>

#include <iconv.h>
#include <vector>

namespace vestrel {

std::optional<QString> DecodeWindows1251(const QByteArray& bytes)
{
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    // Every Windows-1251 byte becomes at most three UTF-8 bytes.
    std::vector<char> out(static_cast<std::size_t>(bytes.size()) * 3 + 4);
    char* in = const_cast<char*>(bytes.constData());
    std::size_t inLeft = static_cast<std::size_t>(bytes.size());
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::nullopt;
    return QString::fromUtf8(out.data(), static_cast<qsizetype>(out.size() - outLeft));
}

std::optional<QString> DecodeUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<QStringList> SplitInformationText(const QByteArray& bytes, TextEncoding encoding)
{
    const auto text = encoding == TextEncoding::Utf8 ? DecodeUtf8(bytes) : DecodeWindows1251(bytes);
    if (!text)
        return std::nullopt;
    QString body = *text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = body.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the line break that ends the last line
    return lines;
}

namespace {

QString NotDecodedMessage(const QString& path, TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 ? QStringLiteral("The file \"%1\" is not a UTF-8 text.").arg(path)
                                          : QStringLiteral("The file \"%1\" is not a Windows-1251 text.").arg(path);
}

} // namespace

QString TextTooLargeMessage(const QString& path, qint64 size)
{
    return QStringLiteral("The file \"%1\" is too large for an information text: %2 bytes, at most %3.")
        .arg(path)
        .arg(size)
        .arg(kMaxInformationTextBytes);
}

std::optional<QStringList> LoadInformationText(const QString& path, QString* error, TextEncoding encoding)
{
    const FileContents file = ReadWholeFile(path, kMaxInformationTextBytes);
    if (!file.ok()) {
        if (error)
            *error = file.status == ReadStatus::TooLarge ? TextTooLargeMessage(path, file.size) : file.error;
        return std::nullopt;
    }
    auto lines = SplitInformationText(file.bytes, encoding);
    if (!lines && error)
        *error = NotDecodedMessage(path, encoding);
    return lines;
}

} // namespace vestrel
