// SPDX-License-Identifier: MIT
// The zone law on Miller symbols: the vector product of two face symbols is
// the edge (zone axis) they share, and the vector product of two edge symbols
// is the face that holds both. The calculator window reads its six text
// fields into ApplyZoneLaw and shows what comes back.
#pragma once

#include <QLocale>
#include <QString>

#include <array>

namespace vestrel {

// Which radio button of the calculator is checked; only the wording of the
// empty-input message depends on it.
enum class SymbolMode { Edge, Face };

// The six input fields in window order: first1Field, first2Field, first3Field (first symbol) and
// second1Field, second2Field, second3Field (second symbol).
using SymbolInputs = std::array<QString, 6>;

// Why no result came: an empty field is the user's omission and is told in
// a plain message; a field that is not a number is a conversion error.
enum class ZoneLawFailure { None, EmptyInput, InvalidNumber };

struct ZoneLawOutcome {
    // None when all three components were computed; `symbol` then holds the
    // texts for result1Field, result2Field, result3Field. Otherwise `message` says why not, and the
    // result fields must keep what they showed before.
    ZoneLawFailure failure = ZoneLawFailure::None;
    std::array<QString, 3> symbol;
    QString message;

    bool computed() const { return failure == ZoneLawFailure::None; }
};

// Checks and reads the inputs in the order the calculator always used and
// returns the result symbol or the first failure's message. All six fields
// are read, each as a 32-bit integer at least once, before any arithmetic,
// so the arithmetic is exact and nothing the user types can make it fail or
// throw. The decimal
// separator of real readings and of fractional results is the locale's.
ZoneLawOutcome ApplyZoneLaw(const SymbolInputs& inputs, SymbolMode mode, const QLocale& locale);

// The readings, exposed for the tests of their edge cases. An integer reading
// takes an optional sign and decimal digits, nothing else, within 32 bits; a
// real reading takes an optional sign, digits with at most one decimal
// separator of the locale and an optional exponent. Neither accepts blanks,
// nor a line break at the end.
bool ReadInteger(const QString& text, qint32* value);
bool ReadReal(const QString& text, const QLocale& locale, long double* value);

// General decimal form with at most 15 significant digits: plain digits for
// whole values, the locale's decimal separator for fractions, and the form
// 1.5E20 / 1.5E-7 where fixed notation would need more digits; INF, -INF
// and NAN for values that are not finite.
QString FormatGeneral(long double value, const QLocale& locale);

} // namespace vestrel
