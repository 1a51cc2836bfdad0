#include "core/text/dates.hpp"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "core/text/errors.hpp"
#include "core/text/numbers.hpp"

namespace core {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Characters `count` from the 1-based position `pos`, as many as there are.
std::string copyText(const std::string& s, std::size_t pos, std::size_t count) {
    if (pos < 1 || pos > s.size()) return {};
    return s.substr(pos - 1, count);
}

// The whole number at those positions; ConversionError when it is not one.
long long numberAt(const std::string& s, std::size_t pos, std::size_t count) {
    return StrToInt(copyText(s, pos, count));
}

// Replaces the characters at the 1-based positions pos.. with `with`.
void putAt(std::string& s, std::size_t pos, std::string_view with) {
    s.replace(pos - 1, with.size(), with);
}

// Two-digit year yy at position `pos` of a text: 19yy above 30, 20yy below 30,
// 30 stays as typed.
void expandYear(std::string& s, std::size_t pos) {
    const long long yy = numberAt(s, pos, 2);
    if (yy > 30)
        s.insert(pos - 1, "19");
    else if (yy < 30)
        s.insert(pos - 1, "20");
}

long long floorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

int clampInt(long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

// Day count since 01/01/1970 of a proleptic Gregorian date (month 1..12).
long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = floorDiv(y, 400);
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

constexpr long long kUnixEpochDay = 25569;  // 01/01/1970 in the day count

Date normalised(const Date& d) {
    Date r;
    r.year = std::clamp(d.year, 1, 9999);
    r.month = std::clamp(d.month, 1, 12);
    r.day = std::clamp(d.day, 1, daysInMonth(r.year, r.month));
    return r;
}

// Reads 1..maxDigits digits at `i`, blanks skipped before them.
bool scanNumber(std::string_view t, std::size_t& i, int maxDigits, int& value, int& digits) {
    while (i < t.size() && t[i] == ' ') ++i;
    value = 0;
    digits = 0;
    while (i < t.size() && isDigit(t[i])) {
        if (digits == maxDigits) return false;
        value = value * 10 + (t[i] - '0');
        ++digits;
        ++i;
    }
    return digits > 0;
}

bool scanSeparator(std::string_view t, std::size_t& i) {
    while (i < t.size() && t[i] == ' ') ++i;
    if (i < t.size() && t[i] == '/') {
        ++i;
        return true;
    }
    return false;
}

bool scanYear(std::string_view t, std::size_t& i, int& year) {
    int digits = 0;
    if (!scanNumber(t, i, 4, year, digits)) return false;
    if (digits <= 2) year += year > 30 ? 1900 : 2000;
    return true;
}

bool scanEnd(std::string_view t, std::size_t& i) {
    while (i < t.size() && t[i] == ' ') ++i;
    return i == t.size();
}

}  // namespace

bool Bissexto(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int daysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month == 2 && Bissexto(year)) return 29;
    return kDays[month - 1];
}

bool isValidDate(const Date& d) {
    return d.year >= 1 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= daysInMonth(d.year, d.month);
}

std::string RemoveChar(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c == '/' || isDigit(c)) out += c;
    return out;
}

std::string validadata(std::string_view text) {
    std::string s = RemoveChar(text);
    if (s.size() < 8) return {};
    if (numberAt(s, 1, 2) == 0) return {};
    if (numberAt(s, 4, 2) == 0) return {};
    if (s.size() == 10 && numberAt(s, 7, 4) == 0) return {};
    if (s.size() == 8) expandYear(s, 7);
    if (numberAt(s, 1, 2) >= 32) putAt(s, 1, "31");
    if (numberAt(s, 4, 2) >= 13) putAt(s, 4, "12");
    const long long month = numberAt(s, 4, 2);
    if (month == 2) {
        if (numberAt(s, 1, 2) >= 29) {
            const long long year = numberAt(s, 7, 4);
            putAt(s, 1, Bissexto(static_cast<int>(year)) ? "29" : "28");
        }
    } else if (month == 4 || month == 6 || month == 9 || month == 11) {
        if (numberAt(s, 1, 2) > 30) putAt(s, 1, "30");
    }
    return s;
}

std::string validadataMA(std::string_view text) {
    std::string s = RemoveChar(text);
    if (s.size() <= 4) return {};
    if (numberAt(s, 1, 2) == 0) return {};
    if (s.size() == 7 && numberAt(s, 4, 4) == 0) return {};
    if (s.size() == 5) expandYear(s, 4);
    if (numberAt(s, 1, 2) >= 13) putAt(s, 1, "12");
    return s;
}

long long toDayNumber(const Date& d) {
    // Month outside 1..12 carries into the year; the day is added as it is.
    const long long months = static_cast<long long>(d.year) * 12 + (d.month - 1);
    const long long y = floorDiv(months, 12);
    const unsigned m = static_cast<unsigned>(months - y * 12) + 1;
    return daysFromCivil(y, m, 1) + (static_cast<long long>(d.day) - 1) + kUnixEpochDay;
}

Date fromDayNumber(long long n) {
    // Keep the year inside int.
    static const long long kLow = toDayNumber({INT_MIN + 1, 1, 1});
    static const long long kHigh = toDayNumber({INT_MAX - 1, 12, 31});
    long long z = std::clamp(n, kLow, kHigh) - kUnixEpochDay + 719468;
    const long long era = floorDiv(z, 146097);
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned day = doy - (153 * mp + 2) / 5 + 1;
    const unsigned month = mp < 10 ? mp + 3 : mp - 9;
    return Date{clampInt(y + (month <= 2)), static_cast<int>(month), static_cast<int>(day)};
}

Date addMonths(const Date& d, int n) {
    const long long months = static_cast<long long>(d.year) * 12 + (d.month - 1) + n;
    const long long y = floorDiv(months, 12);
    Date r;
    r.year = clampInt(y);
    r.month = static_cast<int>(months - y * 12) + 1;
    r.day = std::clamp(d.day, 1, daysInMonth(r.year, r.month));
    return r;
}

DateSpan EntreDatas(const Date& startIn, const Date& endIn) {
    const Date start = normalised(startIn);
    const Date end = normalised(endIn);
    if (!(end > start)) return {};

    // Whole years: step back 12 months at a time until the first date earlier
    // than start; that date moved forward again is where the months begin.
    int steps = 0;
    Date d = end;
    do {
        d = addMonths(d, -12);
        ++steps;
    } while (!(d < start));
    const int years = steps - 1;
    Date running = addMonths(d, 12);

    steps = 0;
    d = running;
    do {
        d = addMonths(d, -1);
        ++steps;
    } while (!(d < start));
    const int months = steps - 1;
    running = addMonths(d, 1);

    long long days = toDayNumber(running) - toDayNumber(start);
    if (days < 0) {
        // The clamped steps went past start (30/03 back to 28/02 and forward to
        // 28/03): count the days forward from start instead.
        days = toDayNumber(end) - toDayNumber(addMonths(start, years * 12 + months));
        if (days < 0) days = 0;
    }
    return DateSpan{years, months, static_cast<int>(days)};
}

std::optional<Date> tryParseDate(std::string_view text) {
    std::size_t i = 0;
    Date d;
    int digits = 0;
    if (!scanNumber(text, i, 2, d.day, digits)) return std::nullopt;
    if (!scanSeparator(text, i)) return std::nullopt;
    if (!scanNumber(text, i, 2, d.month, digits)) return std::nullopt;
    if (!scanSeparator(text, i)) return std::nullopt;
    if (!scanYear(text, i, d.year)) return std::nullopt;
    if (!scanEnd(text, i)) return std::nullopt;
    if (!isValidDate(d)) return std::nullopt;
    return d;
}

Date parseDate(std::string_view text) {
    if (auto d = tryParseDate(text)) return *d;
    throw ConversionError("'" + std::string(text) + "' não é uma data válida");
}

namespace {

// Appends v as printf's "%0<width>d" writes it: the sign, then the digits
// padded with zeros to `width` characters in all.
void appendPadded(std::string& out, int v, int width) {
    char digits[12];
    int n = 0;
    unsigned magnitude = v < 0 ? 0u - static_cast<unsigned>(v) : static_cast<unsigned>(v);
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (v < 0) {
        out += '-';
        --width;
    }
    for (int k = n; k < width; ++k) out += '0';
    while (n > 0) out += digits[--n];
}

}  // namespace

std::string formatDate(const Date& d) {
    std::string out;
    out.reserve(10);
    appendPadded(out, d.day, 2);
    out += '/';
    appendPadded(out, d.month, 2);
    out += '/';
    appendPadded(out, d.year, 4);
    return out;
}

std::optional<Date> tryParseMonth(std::string_view text) {
    std::size_t i = 0;
    Date d;
    d.day = 1;
    int digits = 0;
    if (!scanNumber(text, i, 2, d.month, digits)) return std::nullopt;
    if (!scanSeparator(text, i)) return std::nullopt;
    if (!scanYear(text, i, d.year)) return std::nullopt;
    if (!scanEnd(text, i)) return std::nullopt;
    if (!isValidDate(d)) return std::nullopt;
    return d;
}

std::string formatMonth(const Date& d) {
    std::string out;
    out.reserve(7);
    appendPadded(out, d.month, 2);
    out += '/';
    appendPadded(out, d.year, 4);
    return out;
}

std::string formatMonthAbbrev(const Date& d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%s/%02d", monthAbbrev(d.month), ((d.year % 100) + 100) % 100);
    return buf;
}

const char* monthAbbrev(int month) {
    static constexpr const char* kNames[12] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN",
                                               "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};
    if (month < 1 || month > 12) return "";
    return kNames[month - 1];
}

}  // namespace core
