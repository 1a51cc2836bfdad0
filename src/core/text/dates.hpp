#pragma once
// Calendar rules and date text ("dd/mm/yyyy", "mm/yyyy").
#include <optional>
#include <string>
#include <string_view>

namespace core {

struct Date {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    auto operator<=>(const Date&) const = default;
};

struct DateSpan {
    int years = 0;
    int months = 0;
    int days = 0;
    bool operator==(const DateSpan&) const = default;
};

bool Bissexto(int year);
int daysInMonth(int year, int month);

// Keeps "/" and digits only.
std::string RemoveChar(std::string_view text);
// Corrected date text, or empty when the text cannot be a date.
std::string validadata(std::string_view text);
// Corrected month text, or empty.
std::string validadataMA(std::string_view text);

DateSpan EntreDatas(const Date& start, const Date& end);

// Day count since a fixed epoch (any monotone count), and back.
long long toDayNumber(const Date& d);
Date fromDayNumber(long long n);

// Adds n calendar months (n may be negative); the day is clamped to the month.
Date addMonths(const Date& d, int n);

// "dd/mm/yyyy" <-> Date. parseDate throws ConversionError
// "'<text>' não é uma data válida" when the text is not a valid date.
std::optional<Date> tryParseDate(std::string_view text);
Date parseDate(std::string_view text);
std::string formatDate(const Date& d);

// "mm/yyyy" <-> the first day of that month.
std::optional<Date> tryParseMonth(std::string_view text);
std::string formatMonth(const Date& d);
// "JAN/89": Portuguese abbreviation, "/", two-digit year.
std::string formatMonthAbbrev(const Date& d);
// "JAN".."DEZ" for 1..12.
const char* monthAbbrev(int month);

}  // namespace core
