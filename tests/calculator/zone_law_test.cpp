// SPDX-License-Identifier: MIT
// The zone-law arithmetic of the calculator: results, messages and the order
// in which the fields are read.
#include "logic/zone_law.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vestrel {
namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kRussian(QLocale::Russian, QLocale::Russia);

SymbolInputs inputs(std::initializer_list<const char*> texts)
{
    SymbolInputs result;
    std::size_t i = 0;
    for (const char* t : texts)
        result[i++] = QString::fromUtf8(t);
    return result;
}

struct ProductCase {
    const char* name;
    SymbolInputs in;
    std::array<const char*, 3> expected;
};

void PrintTo(const ProductCase& c, std::ostream* os) { *os << c.name; }

// Expected symbols worked out by hand from (b1c2 − c1b2, c1a2 − a1c2, a1b2 − b1a2).
const ProductCase kProductCases[] = {
    {"faces_100_010_give_001", inputs({"1", "0", "0", "0", "1", "0"}), {"0", "0", "1"}},
    {"not_halved_nor_made_positive", inputs({"1", "1", "0", "1", "-1", "0"}), {"0", "0", "-2"}},
    {"general", inputs({"2", "3", "5", "7", "-1", "4"}), {"17", "27", "-23"}},
    {"general_swapped", inputs({"7", "-1", "4", "2", "3", "5"}), {"-17", "-27", "23"}},
    {"equal_symbols", inputs({"1", "1", "1", "1", "1", "1"}), {"0", "0", "0"}},
    {"proportional", inputs({"1", "2", "3", "2", "4", "6"}), {"0", "0", "0"}},
    {"opposite", inputs({"1", "2", "3", "-1", "-2", "-3"}), {"0", "0", "0"}},
    {"negative_zero_shows_as_0", inputs({"0", "0", "0", "-1", "-1", "-1"}), {"0", "0", "0"}},
    {"signs_and_leading_zeros", inputs({"+1", "-0", "007", "0", "+2", "-3"}), {"-14", "3", "2"}},
    // c1·b2 = 2147483647·2 does not fit 32 bits.
    {"product_beyond_32_bits", inputs({"1", "0", "2147483647", "0", "2", "0"}), {"-4294967294", "0", "2"}},
    // Both products lie near 2^62, beyond the 53 bits of a double: only the
    // exact difference 2147483647² − 2147483646² = 4294967293 is right.
    {"products_near_2_pow_62", inputs({"0", "2147483647", "2147483646", "0", "2147483646", "2147483647"}),
     {"4294967293", "0", "0"}},
    {"lowest_32_bit_values", inputs({"0", "-2147483648", "2147483647", "0", "2147483647", "-2147483648"}),
     {"4294967295", "0", "0"}},
};

class ZoneLawProducts : public ::testing::TestWithParam<ProductCase> {};

TEST_P(ZoneLawProducts, GivesTheSymbolInBothModes)
{
    const ProductCase& c = GetParam();
    for (SymbolMode mode : {SymbolMode::Edge, SymbolMode::Face}) {
        const ZoneLawOutcome outcome = ApplyZoneLaw(c.in, mode, kUs);
        ASSERT_TRUE(outcome.computed()) << outcome.message.toStdString();
        EXPECT_TRUE(outcome.message.isEmpty());
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(outcome.symbol[i].toStdString(), c.expected[i]) << "component " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ZoneLawProducts, ::testing::ValuesIn(kProductCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ZoneLaw, SwappingTheSymbolsNegatesEveryComponent)
{
    const SymbolInputs forward = inputs({"3", "-4", "11", "-6", "9", "2"});
    const SymbolInputs backward = inputs({"-6", "9", "2", "3", "-4", "11"});
    const ZoneLawOutcome a = ApplyZoneLaw(forward, SymbolMode::Edge, kUs);
    const ZoneLawOutcome b = ApplyZoneLaw(backward, SymbolMode::Edge, kUs);
    ASSERT_TRUE(a.computed() && b.computed());
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(a.symbol[i], QStringLiteral("0"));
        EXPECT_EQ(a.symbol[i].toLongLong(), -b.symbol[i].toLongLong());
    }
}

TEST(ZoneLaw, EmptyFieldGivesTheModesMessageWhereverItIs)
{
    for (std::size_t field = 0; field < 6; ++field) {
        SymbolInputs in = inputs({"1", "2", "3", "4", "5", "6"});
        in[field].clear();
        const ZoneLawOutcome edge = ApplyZoneLaw(in, SymbolMode::Edge, kUs);
        EXPECT_EQ(edge.failure, ZoneLawFailure::EmptyInput);
        EXPECT_EQ(edge.message, QStringLiteral("Не введены символы граней!")) << "field " << field;
        const ZoneLawOutcome face = ApplyZoneLaw(in, SymbolMode::Face, kUs);
        EXPECT_EQ(face.failure, ZoneLawFailure::EmptyInput);
        EXPECT_EQ(face.message, QStringLiteral("Не введены символы рёбер!")) << "field " << field;
    }
}

TEST(ZoneLaw, EmptyFieldIsReportedBeforeAnInvalidOne)
{
    const ZoneLawOutcome outcome = ApplyZoneLaw(inputs({"x", "2", "3", "4", "5", ""}), SymbolMode::Edge, kUs);
    EXPECT_EQ(outcome.message, QStringLiteral("Не введены символы граней!"));
}

TEST(ZoneLaw, BlanksAreNotEmptyButNotANumber)
{
    // The first field is first read in the second row, as an integer.
    const ZoneLawOutcome outcome = ApplyZoneLaw(inputs({"   ", "2", "3", "4", "5", "6"}), SymbolMode::Edge, kUs);
    EXPECT_EQ(outcome.failure, ZoneLawFailure::InvalidNumber);
    EXPECT_EQ(outcome.message, QStringLiteral("'   ' is not a valid integer value"));
}

TEST(ZoneLaw, LetterInTheFirstFieldFailsInTheSecondRow)
{
    const ZoneLawOutcome outcome = ApplyZoneLaw(inputs({"x", "2", "3", "4", "5", "6"}), SymbolMode::Edge, kUs);
    EXPECT_EQ(outcome.failure, ZoneLawFailure::InvalidNumber);
    EXPECT_EQ(outcome.message, QStringLiteral("'x' is not a valid integer value"));
    EXPECT_FALSE(outcome.computed());
}

TEST(ZoneLaw, FirstFailingReadingDecidesTheMessage)
{
    // Row one reads c1, b2 as integers, then b1, c2 as reals: a letter in b1
    // fails as a real before the letter in a1 is read at all.
    const ZoneLawOutcome real = ApplyZoneLaw(inputs({"y", "z", "3", "4", "5", "6"}), SymbolMode::Edge, kUs);
    EXPECT_EQ(real.message, QStringLiteral("'z' is not a valid floating point value"));
    // A letter in b2 fails in row one's integer reading, before b1.
    const ZoneLawOutcome integer = ApplyZoneLaw(inputs({"1", "z", "3", "4", "w", "6"}), SymbolMode::Edge, kUs);
    EXPECT_EQ(integer.message, QStringLiteral("'w' is not a valid integer value"));
}

TEST(ZoneLaw, FractionWithTheUsersSeparatorFailsOnlyWhereReadAsInteger)
{
    // b1 is read as a real in row one and as an integer in row three.
    const ZoneLawOutcome russian = ApplyZoneLaw(inputs({"1", "1,5", "3", "4", "5", "6"}), SymbolMode::Edge, kRussian);
    EXPECT_EQ(russian.message, QStringLiteral("'1,5' is not a valid integer value"));
    // The same text under a locale with a decimal point is no real number.
    const ZoneLawOutcome us = ApplyZoneLaw(inputs({"1", "1,5", "3", "4", "5", "6"}), SymbolMode::Edge, kUs);
    EXPECT_EQ(us.message, QStringLiteral("'1,5' is not a valid floating point value"));
    const ZoneLawOutcome point = ApplyZoneLaw(inputs({"1", "1.5", "3", "4", "5", "6"}), SymbolMode::Edge, kRussian);
    EXPECT_EQ(point.message, QStringLiteral("'1.5' is not a valid floating point value"));
}

TEST(ZoneLaw, IntegerReadingTakesSignedDecimalWholeNumbersWithin32Bits)
{
    qint32 v = 0;
    EXPECT_TRUE(ReadInteger(QStringLiteral("+7"), &v));
    EXPECT_EQ(v, 7);
    EXPECT_TRUE(ReadInteger(QStringLiteral("-0012"), &v));
    EXPECT_EQ(v, -12);
    EXPECT_TRUE(ReadInteger(QStringLiteral("-2147483648"), &v));
    EXPECT_EQ(v, std::numeric_limits<qint32>::min());
    for (const char* bad : {"2147483648", "-2147483649", "1.0", "0x10", "$10", " 1", "1 ", "+", "-", "1e2", "١"})
        EXPECT_FALSE(ReadInteger(QString::fromUtf8(bad), &v)) << bad;
}

TEST(ZoneLaw, RealReadingUsesTheLocalesSeparator)
{
    long double v = 0;
    EXPECT_TRUE(ReadReal(QStringLiteral("-2,25"), kRussian, &v));
    EXPECT_EQ(v, -2.25L);
    EXPECT_TRUE(ReadReal(QStringLiteral(",5"), kRussian, &v));
    EXPECT_EQ(v, 0.5L);
    EXPECT_TRUE(ReadReal(QStringLiteral("1.5E2"), kUs, &v));
    EXPECT_EQ(v, 150.0L);
    for (const char* bad : {"1.5", "1,5,5", "", " ", "1 000", "e3", ","})
        EXPECT_FALSE(ReadReal(QString::fromUtf8(bad), kRussian, &v)) << bad;
    EXPECT_FALSE(ReadReal(QStringLiteral("1,000"), kUs, &v));
}

TEST(ZoneLaw, GeneralFormKeepsAtMost15SignificantDigits)
{
    EXPECT_EQ(FormatGeneral(0.5L, kRussian), QStringLiteral("0,5"));
    EXPECT_EQ(FormatGeneral(-2.25L, kUs), QStringLiteral("-2.25"));
    EXPECT_EQ(FormatGeneral(123456789012345.0L, kUs), QStringLiteral("123456789012345"));
    EXPECT_EQ(FormatGeneral(1000000.0L, kUs), QStringLiteral("1000000"));
    EXPECT_EQ(FormatGeneral(1234567890123456.0L, kUs), QStringLiteral("1.23456789012346E15"));
    EXPECT_EQ(FormatGeneral(-4611686018427387904.0L, kRussian), QStringLiteral("-4,61168601842739E18"));
    EXPECT_EQ(FormatGeneral(1e20L, kUs), QStringLiteral("1E20"));
    EXPECT_EQ(FormatGeneral(0.00001L, kUs), QStringLiteral("0.00001"));
    EXPECT_EQ(FormatGeneral(1.5e-7L, kUs), QStringLiteral("1.5E-7"));
    EXPECT_EQ(FormatGeneral(1.0L / 3.0L, kUs), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(FormatGeneral(-0.0L, kUs), QStringLiteral("0"));
}

TEST(ZoneLaw, ExtremeInputsGiveTheExactResultRoundedTo15Digits)
{
    // (−2³¹)·(−2³¹) − (2³¹−1)·(−2³¹) = 2⁶³ − 2³¹, shown with 15 digits.
    const ZoneLawOutcome outcome = ApplyZoneLaw(
        inputs({"0", "-2147483648", "2147483647", "0", "-2147483648", "-2147483648"}), SymbolMode::Edge, kUs);
    ASSERT_TRUE(outcome.computed());
    const long double exact = std::ldexp(1.0L, 63) - std::ldexp(1.0L, 31);
    EXPECT_EQ(outcome.symbol[0], FormatGeneral(exact, kUs));
    EXPECT_EQ(outcome.symbol[0], QStringLiteral("9.22337203470729E18"));
}

TEST(ZoneLaw, AHugeRealIsRefusedAsNoIntegerBeforeAnyArithmetic)
{
    // 1e4932 is a finite long double, but b1·c2 = 2e4932 is not: the field
    // must be refused (as the integer it is also read as) before any product.
    for (const char* huge : {"1e4932", "-1e4932", "1.1e4932", "1e308", "99999999999"}) {
        const ZoneLawOutcome outcome = ApplyZoneLaw(inputs({"1", huge, "1", "1", "1", "2"}), SymbolMode::Edge, kUs);
        EXPECT_EQ(outcome.failure, ZoneLawFailure::InvalidNumber) << huge;
        EXPECT_EQ(outcome.message, QStringLiteral("'%1' is not a valid integer value").arg(huge));
    }
}

TEST(ZoneLaw, ALineBreakAtTheEndOfAFieldMakesItNoNumber)
{
    qint32 i = 0;
    long double r = 0;
    EXPECT_FALSE(ReadInteger(QStringLiteral("5\n"), &i));
    EXPECT_FALSE(ReadReal(QStringLiteral("5\n"), kUs, &r));
    EXPECT_FALSE(ReadReal(QStringLiteral("2,5\n"), kRussian, &r));
    for (std::size_t field = 0; field < 6; ++field) {
        SymbolInputs in = inputs({"1", "2", "3", "4", "5", "6"});
        in[field] += QLatin1Char('\n');
        const ZoneLawOutcome outcome = ApplyZoneLaw(in, SymbolMode::Edge, kUs);
        EXPECT_EQ(outcome.failure, ZoneLawFailure::InvalidNumber) << "field " << field;
        EXPECT_TRUE(outcome.message.startsWith(QStringLiteral("'%1\n' is not a valid ").arg(field + 1)))
            << outcome.message.toStdString();
    }
}

TEST(ZoneLaw, ValuesThatAreNotFiniteAreWrittenNotThrown)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(FormatGeneral(inf, kUs), QStringLiteral("INF"));
    EXPECT_EQ(FormatGeneral(-inf, kUs), QStringLiteral("-INF"));
    EXPECT_EQ(FormatGeneral(std::numeric_limits<long double>::quiet_NaN(), kUs), QStringLiteral("NAN"));
    EXPECT_EQ(FormatGeneral(std::numeric_limits<long double>::max(), kUs), QStringLiteral("1.18973149535723E4932"));
    EXPECT_EQ(FormatGeneral(std::numeric_limits<long double>::denorm_min(), kUs), QStringLiteral("3.64519953188247E-4951"));
}

} // namespace
} // namespace vestrel
