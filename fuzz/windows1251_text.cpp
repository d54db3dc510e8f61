// SPDX-License-Identifier: MIT
// The reader of information texts over any bytes: Windows-1251 has a
// character for every byte but 0x98, one UTF-16 unit each; lines split at
// LF or CR LF, and the line break that ends the last line adds no line.
#include "fuzz/fuzz_target.h"
#include "logic/info_text.h"

VESTREL_FUZZ_TARGET(windows1251_text)
{
    using vestrel::fuzz::Check;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto text = vestrel::DecodeWindows1251(bytes);
    const bool undefinedByte = bytes.contains('\x98');
    Check(text.has_value() != undefinedByte, "exactly the texts holding 0x98 are refused");
    const auto lines = vestrel::SplitInformationText(bytes);
    Check(lines.has_value() == text.has_value(), "the lines come exactly when the text decodes");
    if (!text)
        return 0;
    Check(text->size() == bytes.size(), "one character per byte");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80)
            Check(text->at(i).unicode() == byte, "ASCII stays ASCII");
        else
            Check(text->at(i).unicode() >= 0x80, "no upper byte becomes ASCII");
    }
    QString expected = *text;
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (expected.endsWith(QLatin1Char('\n')))
        expected.chop(1);
    Check(lines->join(QLatin1Char('\n')) == expected, "the lines joined give the text back");
    return 0;
}
