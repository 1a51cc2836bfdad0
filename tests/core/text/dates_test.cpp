#include "core/text/dates.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/text/errors.hpp"

namespace core {
namespace {

struct TextCase {
    const char* text;
    const char* expected;
};

TEST(TextDatesCalendar, LeapYearsAndMonthLengths) {
    EXPECT_FALSE(Bissexto(1900));
    EXPECT_FALSE(Bissexto(2100));
    EXPECT_FALSE(Bissexto(1989));
    EXPECT_TRUE(Bissexto(2000));
    EXPECT_TRUE(Bissexto(1992));
    EXPECT_EQ(daysInMonth(1992, 2), 29);
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(1990, 4), 30);
    EXPECT_EQ(daysInMonth(1990, 12), 31);
    EXPECT_EQ(daysInMonth(1990, 13), 0);
    EXPECT_FALSE(isValidDate({1989, 2, 29}));
    EXPECT_FALSE(isValidDate({0, 1, 1}));
    EXPECT_TRUE(isValidDate({9999, 12, 31}));
}

TEST(TextDatesValidate, CorrectsFullDates) {
    const std::vector<TextCase> cases = {
        {"29/02/1989", "28/02/1989"},
        {"30/02/1992", "29/02/1992"},
        {"29/02/2000", "29/02/2000"},
        {"30/02/1900", "28/02/1900"},
        {"31/04/2000", "30/04/2000"},
        {"31/06/1990", "30/06/1990"},
        {"31/01/1990", "31/01/1990"},
        {"35/13/1990", "31/12/1990"},  // day first, then month
        {"32/04/1990", "30/04/1990"},
        {"01/03/89", "01/03/1989"},
        {"01/03/29", "01/03/2029"},
        {"29/02/00", "29/02/2000"},
        {"15/13/89", "15/12/1989"},
        {"01/05/19__", "01/05/2019"},    // blanks of the input mask vanish
        {"ab01/05/1990cd", "01/05/1990"},
        // A year of 30 is not expanded; February then reads year 30.
        {"01/03/30", "01/03/30"},
        {"31/02/30", "28/02/30"},
        // Three-digit year: the steps run as they are.
        {"01/05/199", "01/05/199"},
        {"30/02/200", "28/02/200"},
        // Not a date at all.
        {"00/05/1990", ""},
        {"10/00/1990", ""},
        {"10/05/0000", ""},
        {"  /  /    ", ""},
        {"01/05/1", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(validadata(c.text), c.expected) << c.text;
}

TEST(TextDatesValidate, SingleDigitPartIsAnInvalidNumber) {
    const std::vector<TextCase> cases = {
        {"1/05/1990", "'1/' não é um valor inteiro válido"},
        {"01/5/1990", "'5/' não é um valor inteiro válido"},
        {"01/05//990", "'/990' não é um valor inteiro válido"},
        {"01/03/1/", "'1/' não é um valor inteiro válido"},
    };
    for (const auto& c : cases) {
        try {
            validadata(c.text);
            ADD_FAILURE() << c.text << ": no error";
        } catch (const ConversionError& e) {
            EXPECT_STREQ(e.what(), c.expected) << c.text;
        }
    }
}

TEST(TextDatesValidate, CorrectsMonthTexts) {
    const std::vector<TextCase> cases = {
        {"13/1990", "12/1990"}, {"99/89", "12/1989"}, {"00/1990", ""}, {"05/0000", ""},
        {"05/89", "05/1989"},   {"05/29", "05/2029"}, {"05/30", "05/30"}, {"12/2024", "12/2024"},
        {"5/89", ""},           {"  /    ", ""},      {"__/____", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(validadataMA(c.text), c.expected) << c.text;
    EXPECT_THROW(validadataMA("5/1990"), ConversionError);
}

// Any text made of digits and "/" either gives a text or the invalid-number
// error, whatever its length.
TEST(TextDatesValidate, NoTextBreaksTheValidators) {
    std::mt19937 gen(1989);
    const std::string alphabet = "0123456789//";
    for (int n = 0; n < 20000; ++n) {
        std::string text(gen() % 14, ' ');
        for (char& c : text) c = alphabet[gen() % alphabet.size()];
        for (auto* f : {&validadata, &validadataMA}) {
            try {
                const std::string r = f(text);
                if (!r.empty()) {
                    EXPECT_GE(r.size(), 5u) << text;
                }
            } catch (const ConversionError&) {
            }
        }
    }
}

struct SpanCase {
    Date start;
    Date end;
    DateSpan expected;
};

TEST(TextDatesEntreDatas, CountsBackFromTheEnd) {
    const std::vector<SpanCase> cases = {
        {{1989, 3, 15}, {1990, 5, 20}, {1, 2, 5}},
        {{1990, 1, 31}, {1990, 2, 28}, {0, 0, 28}},
        {{1990, 3, 1}, {1990, 3, 30}, {0, 0, 27}},
        {{1990, 3, 1}, {1990, 3, 1}, {0, 0, 0}},
        {{1990, 5, 1}, {1990, 3, 1}, {0, 0, 0}},
        {{1990, 1, 1}, {2000, 1, 1}, {10, 0, 0}},
        {{1989, 12, 31}, {1990, 1, 1}, {0, 0, 1}},
        {{1987, 6, 1}, {2024, 6, 1}, {37, 0, 0}},
        // The clamped 12-month steps drift from 29/02 to 28/02.
        {{1992, 2, 29}, {1996, 2, 29}, {3, 11, 28}},
        // Steps that overshoot the start are counted forward instead of
        // giving negative days (28/03 would be before 30/03).
        {{1990, 3, 30}, {1990, 3, 31}, {0, 0, 1}},
        {{1990, 3, 29}, {1990, 3, 31}, {0, 0, 2}},
        {{1990, 3, 30}, {1991, 3, 31}, {1, 0, 1}},
    };
    for (const auto& c : cases) {
        const DateSpan s = EntreDatas(c.start, c.end);
        EXPECT_EQ(s, c.expected) << formatDate(c.start) << ".." << formatDate(c.end) << " gave "
                                 << s.years << "," << s.months << "," << s.days;
    }
}

TEST(TextDatesEntreDatas, OutOfRangeDatesDoNotHang) {
    EXPECT_EQ(EntreDatas({-2000000000, 1, 1}, {2000000000, 1, 1}), (DateSpan{9998, 0, 0}));
    EXPECT_EQ(EntreDatas({1990, 14, 40}, {1991, 12, 31}), (DateSpan{1, 0, 0}));
}

TEST(TextDatesDayNumber, ConsecutiveDaysOfYearsOneTo9999) {
    EXPECT_EQ(toDayNumber({1899, 12, 30}), 0);
    EXPECT_EQ(toDayNumber({1970, 1, 1}), 25569);
    EXPECT_EQ(toDayNumber({1900, 3, 1}), 61);
    EXPECT_EQ(toDayNumber({1990, 13, 1}), toDayNumber({1991, 1, 1}));
    Date d{1, 1, 1};
    long long n = toDayNumber(d);
    while (d.year <= 9999) {
        ASSERT_EQ(fromDayNumber(n), d) << n;
        ASSERT_EQ(toDayNumber(d), n);
        if (d.day < daysInMonth(d.year, d.month)) {
            ++d.day;
        } else if (d.month < 12) {
            d = {d.year, d.month + 1, 1};
        } else {
            d = {d.year + 1, 1, 1};
        }
        ++n;
    }
    EXPECT_GT(fromDayNumber(std::numeric_limits<long long>::max()).year, 2000000000);
}

struct MonthCase {
    Date from;
    int n;
    Date expected;
};

TEST(TextDatesAddMonths, ClampsTheDay) {
    const std::vector<MonthCase> cases = {
        {{1990, 1, 31}, 1, {1990, 2, 28}},   {{1992, 1, 31}, 1, {1992, 2, 29}},
        {{1990, 3, 31}, -1, {1990, 2, 28}},  {{1990, 1, 15}, -1, {1989, 12, 15}},
        {{1990, 12, 31}, 2, {1991, 2, 28}},  {{1990, 5, 10}, 24, {1992, 5, 10}},
        {{1992, 2, 29}, -12, {1991, 2, 28}}, {{1990, 5, 31}, 0, {1990, 5, 31}},
        {{1990, 5, 31}, -123, {1980, 2, 29}},  {{1990, 5, 31}, -125, {1979, 12, 31}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(addMonths(c.from, c.n), c.expected) << formatDate(c.from) << " " << c.n;
}

TEST(TextDatesText, ParsesAndWritesDates) {
    EXPECT_EQ(parseDate("01/05/1990"), (Date{1990, 5, 1}));
    EXPECT_EQ(parseDate(" 1/5/1990 "), (Date{1990, 5, 1}));
    EXPECT_EQ(parseDate("01/03/89"), (Date{1989, 3, 1}));
    EXPECT_EQ(parseDate("01/03/30"), (Date{2030, 3, 1}));
    EXPECT_EQ(parseDate("29/02/2000"), (Date{2000, 2, 29}));
    EXPECT_EQ(parseDate("01/05/199"), (Date{199, 5, 1}));
    for (const char* text : {"29/02/1989", "  /  /    ", "", "01/05/1990x", "32/01/1990",
                             "01/13/1990", "01/05/0000", "001/05/1990", "01/05/19901",
                             "01-05-1990", "01/05/1990 10:00"})
        EXPECT_FALSE(tryParseDate(text).has_value()) << text;
    try {
        parseDate("31/02/1990");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'31/02/1990' não é uma data válida");
    }
    EXPECT_EQ(formatDate({1990, 5, 1}), "01/05/1990");
    EXPECT_EQ(formatDate({199, 12, 31}), "31/12/0199");
}

TEST(TextDatesText, MonthTextsAndAbbreviations) {
    EXPECT_EQ(tryParseMonth("05/1990"), (Date{1990, 5, 1}));
    EXPECT_EQ(tryParseMonth("5/89"), (Date{1989, 5, 1}));
    EXPECT_FALSE(tryParseMonth("13/1990").has_value());
    EXPECT_FALSE(tryParseMonth("00/1990").has_value());
    EXPECT_FALSE(tryParseMonth("05/1990/1").has_value());
    EXPECT_EQ(formatMonth({1990, 5, 17}), "05/1990");

    const char* names[] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN",
                           "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_STREQ(monthAbbrev(m), names[m - 1]);
        EXPECT_EQ(formatMonthAbbrev({1989, m, 15}), std::string(names[m - 1]) + "/89");
    }
    EXPECT_EQ(formatMonthAbbrev({2000, 3, 1}), "MAR/00");
    EXPECT_EQ(formatMonthAbbrev({2007, 1, 1}), "JAN/07");
    EXPECT_STREQ(monthAbbrev(0), "");
    EXPECT_STREQ(monthAbbrev(13), "");
}

// The date texts follow printf's "%02d/%02d/%04d" for any field values,
// including those no valid date has.
TEST(TextDatesText, WritesFieldsAsZeroPaddedNumbers) {
    const Date dates[] = {{1990, 5, 1},  {5, 1, 9},          {12345, 12, 31}, {-5, -1, 0},
                          {0, 0, 0},     {-1234, 10, 100},   {INT_MIN, INT_MAX, INT_MIN},
                          {99999, 123, 7}};
    for (const Date& d : dates) {
        char date[64];
        char month[64];
        std::snprintf(date, sizeof date, "%02d/%02d/%04d", d.day, d.month, d.year);
        std::snprintf(month, sizeof month, "%02d/%04d", d.month, d.year);
        EXPECT_EQ(formatDate(d), date);
        EXPECT_EQ(formatMonth(d), month);
    }
}

}  // namespace
}  // namespace core
