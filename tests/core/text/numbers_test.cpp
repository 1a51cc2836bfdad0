#include "core/text/numbers.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/text/errors.hpp"

namespace core {
namespace {

struct FormatCase {
    const char* mask;
    long double value;
    const char* expected;
};

// Decimal literals are long double literals: the formatter must see the value
// the text "1.005" reads as, not a double's neighbour of it.
TEST(TextNumbersFormat, RoundsTheEighteenDigitDecimalHalfAwayFromZero) {
    const std::vector<FormatCase> cases = {
        {"#,##0.00", 1.005L, "1,01"},
        {"#,##0.00", 2.675L, "2,68"},
        {"#,##0.00", 0.125L, "0,13"},
        {"#,##0.00", 0.005L, "0,01"},
        {"#,##0.00", 0.004999L, "0,00"},
        {"#,##0.00", 999.995L, "1.000,00"},
        {"#,##0.00", 999999.994L, "999.999,99"},
        {"#,##0.00", 1234567.891L, "1.234.567,89"},
        {"#,##0.0000", 1234567.891L, "1.234.567,8910"},
        {"#,##0.00", -1234.567L, "-1.234,57"},
        {"#,##0.00", -2.675L, "-2,68"},
        {"#,##0.00", -0.125L, "-0,13"},
        {"#,##0.00", -0.005L, "-0,01"},
        {"#,##0.00", -999.995L, "-1.000,00"},
        // Rounded to zero: no minus sign.
        {"#,##0.00", -0.001L, "0,00"},
        {"#,##0.00", -0.0L, "0,00"},
        {"#,##0.00", -1e-30L, "0,00"},
        {"#,##0.00", 0.0L, "0,00"},
        {"#,##0.00", 1e-30L, "0,00"},
        {"#,##0.00", LDBL_TRUE_MIN, "0,00"},
        // Grouping boundaries.
        {"#,##0.00", 100.0L, "100,00"},
        {"#,##0.00", 1000.0L, "1.000,00"},
        {"#,##0.00", 100000.0L, "100.000,00"},
        {"#,##0.00", 1000000.0L, "1.000.000,00"},
        {"#,##0.00", 0.5L, "0,50"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatfloatx(c.mask, c.value), c.expected)
            << c.mask << " " << static_cast<double>(c.value);
}

TEST(TextNumbersFormat, EveryMaskOfTheProgram) {
    const std::vector<FormatCase> cases = {
        {"#,##0.0000", 1.23455L, "1,2346"},
        {"#,##0.0000", 12.5L, "12,5000"},
        {"#,##0.0000", -0.00005L, "-0,0001"},
        {"0.0000", 12.34565L, "12,3457"},
        {"0.0000", 1234.5L, "1234,5000"},
        {"0.0000", 0.0L, "0,0000"},
        {"#,##0.0000000", 1.23456785L, "1,2345679"},
        {"#,##0.0000000", 4321.0L, "4.321,0000000"},
        {"#,##0.000000", 1234.0000005L, "1.234,000001"},
        {"#,##0.000000", 0.9999995L, "1,000000"},
        {"##0.000000", 1234567.1234565L, "1234567,123457"},
        {"##0.000000", 0.5L, "0,500000"},
        // Two to sixteen decimals; optional trailing zeros are dropped.
        {"#,##0.00##############", 1.5L, "1,50"},
        {"#,##0.00##############", 1234.0L, "1.234,00"},
        {"#,##0.00##############", 1234.5678L, "1.234,5678"},
        {"#,##0.00##############", 0.123456789L, "0,123456789"},
        {"#,##0.00##############", 0.00000000000000005L, "0,0000000000000001"},
        {"#,##0.00##############", 0.00000000000000004L, "0,00"},
        {"00", 5.0L, "05"},
        {"00", 12.0L, "12"},
        {"00", 123.0L, "123"},
        {"00", 7.5L, "08"},
        {"00", 0.0L, "00"},
        {"00", -3.0L, "-03"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatfloatx(c.mask, c.value), c.expected)
            << c.mask << " " << static_cast<double>(c.value);
}

TEST(TextNumbersFormat, ValuesComputedByArithmetic) {
    EXPECT_EQ(formatfloatx("#,##0.00", 100.5L / 100), "1,01");
    EXPECT_EQ(formatfloatx("#,##0.00", 2675 / 1000.0L), "2,68");
    EXPECT_EQ(formatfloatx("#,##0.00", 1.0L + 0.005L), "1,01");
    EXPECT_EQ(formatfloatx("0.0000", 1.0L / 20000), "0,0001");
    EXPECT_EQ(formatfloatx("#,##0.00", 0.1L + 0.2L), "0,30");
    EXPECT_EQ(formatfloatx("#,##0.00##############", 1.0L / 3), "0,3333333333333333");
    EXPECT_EQ(formatfloatx("#,##0.00##############", 2.0L / 3), "0,6666666666666667");
    // 1.000,00 at 0,5% a month for twelve months, rounded at every step.
    long double balance = 1000;
    for (int month = 0; month < 12; ++month)
        balance = RemovePonto(formatfloatx("#,##0.00", balance * 1.005L));
    EXPECT_EQ(formatfloatx("#,##0.00", balance), "1.061,69");
    // A double's 1.005 is 1.00499999999999989...: it is not "corrected".
    EXPECT_EQ(formatfloatx("#,##0.00", static_cast<long double>(1.005)), "1,00");
}

TEST(TextNumbersFormat, HugeAndNonFiniteValuesGiveATextWithoutFailing) {
    EXPECT_EQ(formatfloatx("#,##0.00", 999999999999999999.0L), "999.999.999.999.999.999,00");
    EXPECT_EQ(formatfloatx("#,##0.00", 123456789012345678.9L), "123.456.789.012.345.679,00");
    EXPECT_EQ(formatfloatx("#,##0.00", 1e18L), "1E18");
    EXPECT_EQ(formatfloatx("#,##0.00", 1.5e20L), "1,5E20");
    EXPECT_EQ(formatfloatx("#,##0.0000", -2.5e30L), "-2,5E30");
    EXPECT_EQ(formatfloatx("#,##0.00", LDBL_MAX), "1,18973149535723E4932");
    EXPECT_EQ(formatfloatx("#,##0.00", -LDBL_MAX), "-1,18973149535723E4932");
    EXPECT_EQ(formatfloatx("#,##0.00", std::numeric_limits<long double>::quiet_NaN()), "NAN");
    EXPECT_EQ(formatfloatx("#,##0.00", std::numeric_limits<long double>::infinity()), "INF");
    EXPECT_EQ(formatfloatx("#,##0.00", -std::numeric_limits<long double>::infinity()), "-INF");
}

TEST(TextNumbersFormat, RejectsMasksOutsideTheSyntax) {
    EXPECT_THROW(formatfloatx("", 1.0L), std::invalid_argument);
    EXPECT_THROW(formatfloatx("R$ #,##0.00", 1.0L), std::invalid_argument);
    EXPECT_THROW(formatfloatx("0.00.0", 1.0L), std::invalid_argument);
}

struct ReadCase {
    const char* text;
    long double expected;
};

TEST(TextNumbersRead, RemovePontoKeepsDigitsCommaAndMinus) {
    const std::vector<ReadCase> cases = {
        {"1.234,56", 1234.56L},  {"R$ 10,00", 10.0L}, {"", 0.0L},       {"abc", 0.0L},
        {"-5,5%", -5.5L},        {"0,1", 0.1L},       {"-", 0.0L},      {"  /  /    ", 0.0L},
        {",", 0.0L},             {"-,", 0.0L},
        {"1.234.567,891", 1234567.891L},               {"123456789,123456789", 123456789.123456789L},
    };
    for (const auto& c : cases) EXPECT_EQ(RemovePonto(c.text), c.expected) << c.text;
    EXPECT_EQ(RemovePontoS("R$ -1.234,56%"), "-1234,56");
    EXPECT_EQ(RemovePontoS("a b"), "");
}

TEST(TextNumbersRead, RemovePontoRejectsTextsThatAreNotOneNumber) {
    for (const char* text : {"1,2,3", "--5", "5-", "1-2", "1.234,56,7", "- 5 -", "1,-"})
        EXPECT_THROW(RemovePonto(text), ConversionError) << text;
    try {
        RemovePonto("R$ 1,2,3");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'R$ 1,2,3' não é um valor numérico válido");
    }
}

TEST(TextNumbersRead, RemovePontoTodosKeepsEightPlacesAfterTheComma) {
    const std::vector<ReadCase> cases = {
        {"1,123456789", 1.12345678L},
        {"1.234,5678901234", 1234.56789012L},
        {"1,12,3", 1.123L},          // the second comma is dropped
        {"1,1234567,9", 1.1234567L},  // the dropped comma took the eighth place
        {"-3,5", -3.5L},
        {"12345", 12345.0L},
        {"abc", 0.0L},
        {"", 0.0L},
    };
    for (const auto& c : cases) EXPECT_EQ(RemovePontoTodos(c.text), c.expected) << c.text;
    // A comma right after the first is kept, and so is a second minus.
    EXPECT_THROW(RemovePontoTodos("1,,5"), ConversionError);
    EXPECT_THROW(RemovePontoTodos("--1"), ConversionError);
}

TEST(TextNumbersRead, StrToFloatReadsTheNearestValue) {
    const std::vector<ReadCase> cases = {
        {"1,5", 1.5L},         {"-1,5", -1.5L},   {" 2,5 ", 2.5L},   {"+3", 3.0L},
        {",5", 0.5L},          {"5,", 5.0L},      {"1E3", 1000.0L},  {"1,5e-2", 0.015L},
        {"0", 0.0L},           {"2,675", 2.675L}, {"1,005", 1.005L}, {"1e-5000", 0.0L},
        {"0,1", 0.1L},         {"000000000000000000000012,25", 12.25L},
    };
    for (const auto& c : cases) EXPECT_EQ(StrToFloat(c.text), c.expected) << c.text;

    const std::string third = "0," + std::string(5000, '3');
    EXPECT_EQ(StrToFloat(third), 1.0L / 3);
}

TEST(TextNumbersRead, StrToFloatRejectsWithThePlatformMessage) {
    const std::string tooLarge = "1" + std::string(5000, '0');
    for (const std::string text : {"", "-", "5-", "--5", "1,2,3", "1.5", "abc", "1 2", ",",
                                   "1e", "e5", "1,5%", "1e5000", "-1e99999999999999999999"})
        EXPECT_THROW(StrToFloat(text), ConversionError) << text;
    EXPECT_THROW(StrToFloat(tooLarge), ConversionError);
    try {
        StrToFloat("5-");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'5-' não é um valor numérico válido");
    }
}

TEST(TextNumbersRead, StrToInt) {
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("0123"), 123);
    EXPECT_EQ(StrToInt("-45"), -45);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("9223372036854775807"), std::numeric_limits<long long>::max());
    EXPECT_EQ(StrToInt("-9223372036854775808"), std::numeric_limits<long long>::min());
    for (const char* text :
         {"", "-", "+", "1/", " 1", "1 ", "9223372036854775808", "-9223372036854775809", "1,5", "abc"})
        EXPECT_THROW(StrToInt(text), ConversionError) << text;
    try {
        StrToInt("1/");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1/' não é um valor inteiro válido");
    }
}

TEST(TextNumbersRead, CheckInteiroLooksForADigit) {
    EXPECT_FALSE(checkinteiro("  /  /    "));
    EXPECT_FALSE(checkinteiro(""));
    EXPECT_FALSE(checkinteiro("R$ ,-"));
    EXPECT_TRUE(checkinteiro("a1"));
    EXPECT_TRUE(checkinteiro("0"));
}

TEST(TextNumbersPot, PowerOfAPositiveBase) {
    EXPECT_EQ(Pot(0.0L, 5.0L), 1.0L);
    EXPECT_NEAR(static_cast<double>(Pot(2.0L, 3.0L)), 9.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(Pot(0.5L, 4.0L)), 2.0, 1e-15);
    // The monthly rate of 6% a year, written as the program writes factors.
    EXPECT_EQ(formatfloatx("#,##0.0000000", Pot(1.0L / 12, 1.06L)), "1,0048676");
    for (long double base : {0.0L, -1.0L, std::numeric_limits<long double>::quiet_NaN()})
        EXPECT_THROW(Pot(2.0L, base), ConversionError);
}

// Whole cents and ten-thousandths written digit by digit, grouped by hand:
// every length of integer part, both signs, the carries of the rounding.
TEST(TextNumbersFormat, WholeUnitsOfTheLastDecimalComeBackAsTheirDigits) {
    const auto grouped = [](unsigned long long whole) {
        std::string digits = std::to_string(whole);
        std::string out;
        for (std::size_t k = 0; k < digits.size(); ++k) {
            if (k > 0 && (digits.size() - k) % 3 == 0) out += '.';
            out += digits[k];
        }
        return out;
    };
    struct Mask {
        const char* mask;
        int decimals;
    };
    const Mask masks[] = {{"#,##0.00", 2}, {"#,##0.0000", 4}};
    for (const Mask& m : masks) {
        unsigned long long unit = m.decimals == 2 ? 100 : 10000;
        for (unsigned long long units = 1; units < 1'000'000'000'000'000ULL; units = units * 7 + 3) {
            const std::string frac = std::to_string(units % unit);
            const std::string text =
                grouped(units / unit) + "," + std::string(m.decimals - frac.size(), '0') + frac;
            const long double v = static_cast<long double>(units) / unit;
            EXPECT_EQ(formatfloatx(m.mask, v), text) << m.mask << " " << units;
            EXPECT_EQ(formatfloatx(m.mask, -v), "-" + text) << m.mask << " " << units;
        }
    }
    // Rounding that carries through every digit into a new one.
    EXPECT_EQ(formatfloatx("#,##0.00", 99999.999L), "100.000,00");
    EXPECT_EQ(formatfloatx("0.0000", -9.99995L), "-10,0000");
    EXPECT_EQ(formatfloatx("00", 9.5L), "10");
    EXPECT_EQ(formatfloatx("00", 0.4L), "00");
}

// Many decimals take the formatter past its usual working room.
TEST(TextNumbersFormat, MasksWithVeryManyDecimals) {
    const std::string mask = "0." + std::string(150, '0');
    EXPECT_EQ(formatfloatx(mask, 0.5L), "0,5" + std::string(149, '0'));
    EXPECT_EQ(formatfloatx(mask, 1e-100L), "0," + std::string(99, '0') + "1" + std::string(50, '0'));
    EXPECT_EQ(formatfloatx("0." + std::string(150, '#'), -1e-100L), "-0," + std::string(99, '0') + "1");
    EXPECT_EQ(formatfloatx("0." + std::string(150, '#'), 123456.25L), "123456,25");
}

}  // namespace
}  // namespace core
