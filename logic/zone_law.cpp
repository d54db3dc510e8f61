// SPDX-License-Identifier: MIT
#include "logic/zone_law.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <locale>
#include <sstream>

namespace vestrel {

namespace {

// Indices into SymbolInputs: the first symbol is (a1 b1 c1), the second
// (a2 b2 c2).
enum Field { A1, B1, C1, A2, B2, C2 };

// One component of the result: realA·realB − intA·intB. The two fields of the
// subtracted product are read first, as integers, then the two of the first
// product, as real numbers; this order decides which failure is reported.
struct ComponentRow {
    Field intA, intB, realA, realB;
};

constexpr std::array<ComponentRow, 3> kComponentRows = {{
    {C1, B2, B1, C2}, // result1Field = b1·c2 − c1·b2
    {A1, C2, C1, A2}, // result2Field = c1·a2 − a1·c2
    {B1, A2, A1, B2}, // result3Field = a1·b2 − b1·a2
}};

QString emptyInputMessage(SymbolMode mode)
{
    return mode == SymbolMode::Edge ? QCoreApplication::translate("ZoneLaw", "Не введены символы граней!")
                                    : QCoreApplication::translate("ZoneLaw", "Не введены символы рёбер!");
}

QString invalidIntegerMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

QString invalidRealMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

bool anyEmpty(const SymbolInputs& inputs)
{
    for (const QString& text : inputs) {
        if (text.isEmpty())
            return true;
    }
    return false;
}

ZoneLawOutcome failed(ZoneLawFailure failure, QString message)
{
    ZoneLawOutcome outcome;
    outcome.failure = failure;
    outcome.message = std::move(message);
    return outcome;
}

// The value in scientific form rounded to 15 significant digits: the digits
// without trailing zeros and the decimal exponent of the first one.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

DecimalDigits roundTo15Digits(long double value)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, 14).ptr;
    const std::string text(buffer, end);
    const auto e = text.find('e');
    DecimalDigits result;
    result.negative = value < 0;
    result.digits = text.substr(0, 1) + text.substr(2, e - 2);
    // The exponent as to_chars writes it, "e+05" or "e-07"; from_chars takes
    // no plus sign.
    const std::size_t digitsAt = e + (text[e + 1] == '+' ? 2 : 1);
    std::from_chars(text.data() + digitsAt, text.data() + text.size(), result.exponent);
    while (result.digits.size() > 1 && result.digits.back() == '0')
        result.digits.pop_back();
    return result;
}

QString fixedNotation(const DecimalDigits& d, const QString& separator)
{
    const auto digits = QString::fromStdString(d.digits);
    if (d.exponent < 0)
        return QStringLiteral("0") + separator + QString(-d.exponent - 1, u'0') + digits;
    const int wholeCount = d.exponent + 1;
    if (digits.size() <= wholeCount)
        return digits + QString(wholeCount - digits.size(), u'0');
    return digits.left(wholeCount) + separator + digits.mid(wholeCount);
}

QString scientificNotation(const DecimalDigits& d, const QString& separator)
{
    const auto digits = QString::fromStdString(d.digits);
    QString text = digits.left(1);
    if (digits.size() > 1)
        text += separator + digits.mid(1);
    return text + QStringLiteral("E") + QString::number(d.exponent);
}

} // namespace

bool ReadInteger(const QString& text, qint32* value)
{
    // Anchored to the true end: "$" would also match before a final line break.
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+")));
    if (!pattern.match(text).hasMatch())
        return false;
    bool ok = false;
    const qint64 wide = text.toLongLong(&ok, 10);
    if (!ok || wide < std::numeric_limits<qint32>::min() || wide > std::numeric_limits<qint32>::max())
        return false;
    *value = static_cast<qint32>(wide);
    return true;
}

bool ReadReal(const QString& text, const QLocale& locale, long double* value)
{
    const QString separator = locale.decimalPoint();
    const QString sep = QRegularExpression::escape(separator);
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("[+-]?([0-9]+(%1[0-9]*)?|%1[0-9]+)([eE][+-]?[0-9]+)?").arg(sep)));
    if (!pattern.match(text).hasMatch())
        return false;
    QString plain = text;
    plain.replace(separator, QStringLiteral("."));
    std::istringstream stream(plain.toStdString());
    stream.imbue(std::locale::classic());
    long double parsed = 0;
    stream >> parsed;
    if (stream.fail() || !std::isfinite(parsed))
        return false;
    *value = parsed;
    return true;
}

QString FormatGeneral(long double value, const QLocale& locale)
{
    if (value == 0)
        return QStringLiteral("0");
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    constexpr int kPrecision = 15;
    const DecimalDigits d = roundTo15Digits(value);
    const QString separator = locale.decimalPoint();
    const bool fixed = d.exponent < kPrecision && d.exponent >= -5;
    const QString magnitude = fixed ? fixedNotation(d, separator) : scientificNotation(d, separator);
    return d.negative ? QStringLiteral("-") + magnitude : magnitude;
}

ZoneLawOutcome ApplyZoneLaw(const SymbolInputs& inputs, SymbolMode mode, const QLocale& locale)
{
    if (anyEmpty(inputs))
        return failed(ZoneLawFailure::EmptyInput, emptyInputMessage(mode));

    // Every reading is made, in the table's order, before any arithmetic: the
    // first that fails decides the message. Each field is read as an integer
    // in one of the rows, so after all readings every field is a whole number
    // within 32 bits and its real reading is that same number.
    std::array<qint32, 6> value{};
    for (const ComponentRow& row : kComponentRows) {
        for (Field field : {row.intA, row.intB}) {
            if (!ReadInteger(inputs[field], &value[field]))
                return failed(ZoneLawFailure::InvalidNumber, invalidIntegerMessage(inputs[field]));
        }
        for (Field field : {row.realA, row.realB}) {
            long double real = 0;
            if (!ReadReal(inputs[field], locale, &real))
                return failed(ZoneLawFailure::InvalidNumber, invalidRealMessage(inputs[field]));
        }
    }

    ZoneLawOutcome outcome;
    for (std::size_t i = 0; i < kComponentRows.size(); ++i) {
        const ComponentRow& row = kComponentRows[i];
        // Two 32-bit factors always fit a 64-bit product, and every such
        // product and their difference are exact in the 64-bit mantissa of
        // long double.
        const qint64 first = static_cast<qint64>(value[row.realA]) * value[row.realB];
        const qint64 subtracted = static_cast<qint64>(value[row.intA]) * value[row.intB];
        const long double component = static_cast<long double>(first) - static_cast<long double>(subtracted);
        outcome.symbol[i] = FormatGeneral(component, locale);
    }
    return outcome;
}

} // namespace vestrel
