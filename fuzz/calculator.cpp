// SPDX-License-Identifier: MIT
// The calculator over any six fields, in either mode and either decimal
// separator. Input: one byte of settings (bit 0: face mode, bit 1: Russian
// locale), then the six fields as UTF-8 separated by '|'; the first ten
// bytes also make a long double for the general decimal form.
//
// Checked against an independent reading: the result comes exactly when all
// six fields are whole numbers within 32 bits, and then it is the exact
// vector product; otherwise the message quotes one of the fields. Nothing
// the user types may throw.
#include "fuzz/fuzz_target.h"
#include "logic/zone_law.h"

#include <QRegularExpression>

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

namespace {

// An independent integer reading: ASCII sign and digits only, within 32 bits.
std::optional<qint64> wholeNumber(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    qsizetype i = text[0] == u'+' || text[0] == u'-' ? 1 : 0;
    if (i == text.size())
        return std::nullopt;
    __int128 value = 0;
    bool tooLarge = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        if (!tooLarge)
            value = value * 10 + (c - u'0');
        tooLarge = tooLarge || value > 100000000000LL;
    }
    if (tooLarge)
        return std::nullopt;
    if (text[0] == u'-')
        value = -value;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint64>(value);
}

QString exactText(__int128 value)
{
    if (value == 0)
        return QStringLiteral("0");
    const bool negative = value < 0;
    QString digits;
    for (__int128 v = negative ? -value : value; v > 0; v /= 10)
        digits.prepend(QChar(u'0' + static_cast<int>(v % 10)));
    return negative ? QStringLiteral("-") + digits : digits;
}

void checkGeneralForm(const std::uint8_t* data, std::size_t size, const QLocale& locale)
{
    using vestrel::fuzz::Check;
    // A 64-bit mantissa and a binary exponent over the whole range of long
    // double (denormals and overflow to infinity included); built with
    // ldexpl, so only values arithmetic can make, never the 80-bit
    // encodings that no operation yields.
    std::uint64_t mantissa = 0;
    std::uint16_t exponent = 0;
    std::memcpy(&mantissa, data, std::min<std::size_t>(size, 8));
    if (size > 8)
        std::memcpy(&exponent, data + 8, std::min<std::size_t>(size - 8, 2));
    const long double magnitude = std::ldexp(static_cast<long double>(mantissa), static_cast<int>(exponent % 32900) - 16500);
    const long double value = (exponent & 0x8000) ? -magnitude : magnitude;
    const QString text = vestrel::FormatGeneral(value, locale);
    Check(!text.isEmpty(), "every value has a text");
    if (!std::isfinite(value))
        return;
    QString plain = text;
    plain.replace(locale.decimalPoint(), QStringLiteral("."));
    const long double back = std::strtold(plain.toLatin1().constData(), nullptr);
    const long double error = std::fabs(back - value);
    Check(error <= std::fabs(value) * 1e-14L, "15 significant digits give the value back");
}

} // namespace

VESTREL_FUZZ_TARGET(calculator)
{
    using vestrel::fuzz::Check;
    if (size == 0)
        return 0;
    const auto mode = (data[0] & 1) ? vestrel::SymbolMode::Face : vestrel::SymbolMode::Edge;
    const QLocale locale = (data[0] & 2) ? QLocale(QLocale::Russian, QLocale::Russia)
                                         : QLocale(QLocale::English, QLocale::UnitedStates);
    checkGeneralForm(data, size, locale);

    const QString all = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const QStringList parts = all.split(QLatin1Char('|'));
    vestrel::SymbolInputs in;
    for (std::size_t i = 0; i < in.size(); ++i)
        in[i] = i < static_cast<std::size_t>(parts.size()) ? parts[static_cast<qsizetype>(i)] : QString();

    const vestrel::ZoneLawOutcome outcome = vestrel::ApplyZoneLaw(in, mode, locale);

    bool anyEmpty = false;
    std::array<std::optional<qint64>, 6> n;
    bool allWhole = true;
    for (std::size_t i = 0; i < in.size(); ++i) {
        anyEmpty = anyEmpty || in[i].isEmpty();
        n[i] = wholeNumber(in[i]);
        allWhole = allWhole && n[i].has_value();
    }
    if (anyEmpty) {
        Check(outcome.failure == vestrel::ZoneLawFailure::EmptyInput, "an empty field gives the empty-field message");
        return 0;
    }
    if (!allWhole) {
        Check(outcome.failure == vestrel::ZoneLawFailure::InvalidNumber, "a field that is no whole number fails");
        bool quotesAField = false;
        for (const QString& field : in)
            quotesAField = quotesAField
                || outcome.message == QStringLiteral("'%1' is not a valid integer value").arg(field)
                || outcome.message == QStringLiteral("'%1' is not a valid floating point value").arg(field);
        Check(quotesAField, "the message quotes a field");
        return 0;
    }
    Check(outcome.computed(), "six whole numbers give a result");
    const __int128 a1 = *n[0], b1 = *n[1], c1 = *n[2], a2 = *n[3], b2 = *n[4], c2 = *n[5];
    const __int128 exact[3] = {b1 * c2 - c1 * b2, c1 * a2 - a1 * c2, a1 * b2 - b1 * a2};
    for (int i = 0; i < 3; ++i) {
        // Up to 15 digits the text is the exact number; beyond, its general form.
        const bool short15 = exact[i] > -1000000000000000LL && exact[i] < 1000000000000000LL;
        const QString expected = short15 ? exactText(exact[i])
                                         : vestrel::FormatGeneral(static_cast<long double>(exact[i]), locale);
        Check(outcome.symbol[static_cast<std::size_t>(i)] == expected, "the result is the exact vector product");
    }
    return 0;
}
