#pragma once
// Calendar rules and date text ("dd/mm/yyyy", "mm/yyyy").
//
// The program's date conventions are fixed whatever the machine's regional
// settings: separator "/", day first, four-digit year.
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

// Leap year: divisible by 4, and not by 100 unless by 400.
bool Bissexto(int year);
// 28..31; 0 for a month outside 1..12.
int daysInMonth(int year, int month);
// A calendar day of the years 1..9999 (the range every date text can name).
bool isValidDate(const Date& d);

// Keeps "/" and digits only.
std::string RemoveChar(std::string_view text);

// Corrected date text ("dd/mm/yyyy"), or empty when the text cannot be a date.
// Works on RemoveChar of the text by character positions: a text shorter than 8
// is empty; a day, month or (10 characters) year of 0 is empty; a two-digit year
// above 30 becomes 19yy and below 30 becomes 20yy (30 stays as typed); the day
// is brought down to 31, the month to 12, February to 28/29 and the 30-day
// months to 30, in this order. Throws ConversionError
// "'<part>' não é um valor inteiro válido" when a day, month or year part is
// not a number, as when a single digit was typed before a "/" ("1/05/1990").
std::string validadata(std::string_view text);
// Corrected month text ("mm/yyyy"), or empty; same rules (a text of 4
// characters or fewer is empty, a month of 13 or more becomes 12).
std::string validadataMA(std::string_view text);

// Years, months and days from start to end, counted back from end: whole
// 12-month steps, then whole 1-month steps (each step clamping the day to the
// month reached), then the days left from start. (0, 0, 0) when end is not later
// than start. Never negative: where the clamped month steps overshoot start, the
// days are counted forward from start moved by the years and months found.
// Dates outside isValidDate are first brought into range.
DateSpan EntreDatas(const Date& start, const Date& end);

// Day count with day 0 = 30/12/1899 (day 1 = 31/12/1899, 25569 = 01/01/1970),
// proleptic Gregorian calendar; and back. A month or day outside its range in
// toDayNumber carries over into the next units (month 13 is January next year).
long long toDayNumber(const Date& d);
Date fromDayNumber(long long n);

// Adds n calendar months (n may be negative); the day is clamped to the month.
Date addMonths(const Date& d, int n);

// "dd/mm/yyyy" <-> Date. Day and month take one or two digits, the year one to
// four; blanks around the parts are allowed. A year of one or two digits is
// 19yy above 30 and 20yy otherwise (so "30" is 2030). parseDate throws
// ConversionError "'<text>' não é uma data válida" when the text is not a valid
// date.
std::optional<Date> tryParseDate(std::string_view text);
Date parseDate(std::string_view text);
std::string formatDate(const Date& d);

// "mm/yyyy" <-> the first day of that month (same rules for the parts).
std::optional<Date> tryParseMonth(std::string_view text);
std::string formatMonth(const Date& d);
// "JAN/89": Portuguese abbreviation, "/", two-digit year.
std::string formatMonthAbbrev(const Date& d);
// "JAN".."DEZ" for 1..12; "" for any other number.
const char* monthAbbrev(int month);

}  // namespace core
