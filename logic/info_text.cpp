// SPDX-License-Identifier: MIT
#include "logic/info_text.h"

#include "logic/pictures/jpeg_codec.h"

#include <QFile>

#include <cerrno>
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

std::optional<QStringList> LoadInformationText(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const int reason = file.error() == QFileDevice::OpenError && !QFile::exists(path) ? ENOENT : EACCES;
        if (error)
            *error = CannotOpenMessage(path, reason);
        return std::nullopt;
    }
    const auto text = DecodeWindows1251(file.readAll());
    if (!text) {
        if (error)
            *error = QStringLiteral("The file \"%1\" is not a Windows-1251 text.").arg(path);
        return std::nullopt;
    }
    QString body = *text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = body.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the line break that ends the last line
    return lines;
}

} // namespace vestrel
