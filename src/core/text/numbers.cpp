#include "core/text/numbers.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <limits>
#include <stdexcept>
#include <system_error>

#include "core/text/errors.hpp"

namespace core {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

[[noreturn]] void invalidNumber(std::string_view text) {
    throw ConversionError("'" + std::string(text) + "' não é um valor numérico válido");
}

[[noreturn]] void invalidInteger(std::string_view text) {
    throw ConversionError("'" + std::string(text) + "' não é um valor inteiro válido");
}

// Reads `text` as a number; `shown` is the text quoted by the error message.
long double readNumber(std::string_view text, std::string_view shown) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t intBegin = i;
    while (i < n && isDigit(text[i])) ++i;
    const std::string_view intDigits = text.substr(intBegin, i - intBegin);
    std::string_view fracDigits;
    if (i < n && text[i] == ',') {
        ++i;
        const std::size_t fracBegin = i;
        while (i < n && isDigit(text[i])) ++i;
        fracDigits = text.substr(fracBegin, i - fracBegin);
    }
    if (intDigits.empty() && fracDigits.empty()) invalidNumber(shown);

    bool expNegative = false;
    std::string_view expDigits;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '-' || text[i] == '+')) {
            expNegative = text[i] == '-';
            ++i;
        }
        const std::size_t expBegin = i;
        while (i < n && isDigit(text[i])) ++i;
        expDigits = text.substr(expBegin, i - expBegin);
        if (expDigits.empty()) invalidNumber(shown);
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n) invalidNumber(shown);

    // Amounts and rates: at most 19 significant digits and 27 decimals, no
    // exponent. The digits and the power of ten are both exact in long double,
    // so one division gives the correctly rounded value, as the general
    // conversion below does.
    if (expDigits.empty() && fracDigits.size() <= 27) {
        std::size_t lead = 0;
        while (lead < intDigits.size() && intDigits[lead] == '0') ++lead;
        if (intDigits.size() - lead + fracDigits.size() <= 19) {
            unsigned long long m = 0;
            for (char c : intDigits.substr(lead)) m = m * 10 + static_cast<unsigned>(c - '0');
            for (char c : fracDigits) m = m * 10 + static_cast<unsigned>(c - '0');
            long double scale = 1;
            for (std::size_t k = 0; k < fracDigits.size(); ++k) scale *= 10;
            const long double value = static_cast<long double>(m) / scale;
            return negative ? -value : value;
        }
    }

    std::string buf;
    buf.reserve(intDigits.size() + fracDigits.size() + expDigits.size() + 4);
    if (intDigits.empty())
        buf += '0';
    else
        buf.append(intDigits);
    if (!fracDigits.empty()) {
        buf += '.';
        buf.append(fracDigits);
    }
    if (!expDigits.empty()) {
        buf += 'e';
        if (expNegative) buf += '-';
        buf.append(expDigits);
    }

    long double value = 0;
    const auto res = std::from_chars(buf.data(), buf.data() + buf.size(), value,
                                     std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large or too small for long double: find on which side the
        // decimal magnitude lies (position of the first significant digit).
        long long magnitude = 0;
        std::size_t lead = intDigits.find_first_not_of('0');
        if (lead != std::string_view::npos) {
            magnitude = static_cast<long long>(intDigits.size() - lead);
        } else {
            std::size_t f = fracDigits.find_first_not_of('0');
            if (f == std::string_view::npos) return 0.0L;  // all zeros
            magnitude = -static_cast<long long>(f);
        }
        long long e = 0;
        for (char c : expDigits) {
            e = e * 10 + (c - '0');
            if (e > 1'000'000'000LL) break;  // far beyond any range
        }
        magnitude += expNegative ? -e : e;
        if (magnitude > 0) invalidNumber(shown);
        return 0.0L;
    }
    if (res.ec != std::errc() || res.ptr != buf.data() + buf.size()) invalidNumber(shown);
    return negative ? -value : value;
}

// ---- formatting -------------------------------------------------------------

struct Mask {
    int minInt = 0;   // forced integer digits
    bool group = false;
    int minDec = 0;   // forced decimals
    int maxDec = 0;   // forced + optional decimals
};

Mask parseMask(std::string_view mask) {
    Mask m;
    const std::size_t dot = mask.find('.');
    const std::string_view intPart = mask.substr(0, dot);
    bool anyDigit = false;
    for (char c : intPart) {
        if (c == '0') {
            ++m.minInt;
            anyDigit = true;
        } else if (c == '#') {
            anyDigit = true;
        } else if (c == ',') {
            m.group = true;
        } else {
            throw std::invalid_argument("formatfloatx: unsupported mask");
        }
    }
    if (dot != std::string_view::npos) {
        const std::string_view decPart = mask.substr(dot + 1);
        for (std::size_t k = 0; k < decPart.size(); ++k) {
            const char c = decPart[k];
            if (c == '0')
                m.minDec = static_cast<int>(k) + 1;
            else if (c != '#')
                throw std::invalid_argument("formatfloatx: unsupported mask");
        }
        m.maxDec = static_cast<int>(decPart.size());
        anyDigit = anyDigit || m.maxDec > 0;
    }
    if (!anyDigit) throw std::invalid_argument("formatfloatx: unsupported mask");
    return m;
}

constexpr int kSignificant = 18;

// The value at 18 significant digits: value = 0.d1d2...d18 x 10^pointPos.
struct Decimal {
    bool negative = false;
    char digits[kSignificant];
    int pointPos = 0;  // number of digits before the decimal point
};

constexpr unsigned long long kPow10[20] = {1ULL,
                                           10ULL,
                                           100ULL,
                                           1000ULL,
                                           10000ULL,
                                           100000ULL,
                                           1000000ULL,
                                           10000000ULL,
                                           100000000ULL,
                                           1000000000ULL,
                                           10000000000ULL,
                                           100000000000ULL,
                                           1000000000000ULL,
                                           10000000000000ULL,
                                           100000000000000ULL,
                                           1000000000000000ULL,
                                           10000000000000000ULL,
                                           100000000000000000ULL,
                                           1000000000000000000ULL,
                                           10000000000000000000ULL};

// Writes the `count` last decimal digits of v, zeros in front, so that they
// end just before `end`; two digits at a time.
void writeDigits(char* end, unsigned long long v, int count) {
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    for (; count >= 2; count -= 2) {
        const auto r = static_cast<unsigned>(v % 100);
        v /= 100;
        end -= 2;
        end[0] = kPairs[2 * r];
        end[1] = kPairs[2 * r + 1];
    }
    if (count > 0) *--end = static_cast<char>('0' + v % 10);
}

// Exact binary-to-decimal expansion for the values amounts and rates take
// (2^-59 <= |value| < 2^64): the 64-bit mantissa is expanded digit by digit
// in 128-bit arithmetic and rounded to 18 digits to nearest, ties to even,
// as the general conversion does. Returns false outside that range.
bool toDecimalFast(long double value, Decimal& d) {
    d.negative = std::signbit(value);
    long double a = std::fabs(value);
    if (a == 0) {
        for (char& c : d.digits) c = '0';
        d.pointPos = 1;
        return true;
    }
    int e = 0;
    const long double f = std::frexp(a, &e);
    if (e > 64 || e < -59) return false;
    const auto m = static_cast<unsigned long long>(std::ldexp(f, 64));
    using u128 = unsigned __int128;
    const int sh = 64 - e;  // fraction bits, 0..123
    const u128 one = static_cast<u128>(1);
    unsigned long long ipart = 0;
    u128 frac = 0;
    if (sh == 0) {
        ipart = m;
    } else if (sh < 64) {
        ipart = m >> sh;
        frac = m & ((1ULL << sh) - 1);
    } else {
        frac = m;
    }
    const u128 fracMask = (one << sh) - 1;

    char buf[kSignificant + 1];  // 18 digits and the rounding digit
    int n = 0;
    int pointPos = 0;
    if (ipart != 0) {
        int k = 1;
        while (k < 20 && ipart >= kPow10[k]) ++k;
        pointPos = k;
        if (k <= kSignificant + 1) {
            writeDigits(buf + k, ipart, k);
            n = k;
        } else {
            // Twenty integer digits: the last one is beyond the rounding digit,
            // and only whether it is non-zero counts.
            writeDigits(buf + kSignificant + 1, ipart / 10, kSignificant + 1);
            n = kSignificant + 1;
            if (ipart % 10 != 0) frac |= 1;  // marks a non-zero remainder for the tie test below
        }
    }
    if (ipart != 0 && sh <= 64 && n < kSignificant + 1) {
        // Fewer than 64 fraction bits: the remaining digits come out of one
        // product, frac x 10^d < 2^64 x 10^18, which fits in 128 bits.
        const int d = kSignificant + 1 - n;
        const u128 t = frac * kPow10[d];
        const unsigned long long digits = sh == 0 ? 0 : static_cast<unsigned long long>(t >> sh);
        frac = sh == 0 ? 0 : (t & fracMask);
        writeDigits(buf + kSignificant + 1, digits, d);
        n = kSignificant + 1;
    }
    while (n < kSignificant + 1) {
        if (sh == 0) {
            buf[n++] = '0';
            continue;
        }
        frac *= 10;
        const char digit = static_cast<char>('0' + static_cast<int>(frac >> sh));
        frac &= fracMask;
        if (n == 0 && digit == '0') {
            --pointPos;
            continue;
        }
        buf[n++] = digit;
    }
    const char roundDigit = buf[kSignificant];
    bool up = roundDigit > '5' || (roundDigit == '5' && (frac != 0 || (buf[kSignificant - 1] - '0') % 2 == 1));
    for (int k = 0; k < kSignificant; ++k) d.digits[k] = buf[k];
    if (up) {
        int k = kSignificant - 1;
        while (k >= 0 && d.digits[k] == '9') d.digits[k--] = '0';
        if (k >= 0) {
            ++d.digits[k];
        } else {
            d.digits[0] = '1';
            ++pointPos;
        }
    }
    d.pointPos = pointPos;
    return true;
}

Decimal toDecimal(long double value) {
    Decimal d;
    if (toDecimalFast(value, d)) return d;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                                   kSignificant - 1);
    const char* p = buf;
    const char* end = res.ptr;
    if (p < end && *p == '-') {
        d.negative = true;
        ++p;
    }
    int k = 0;
    while (p < end && *p != 'e') {
        if (isDigit(*p) && k < kSignificant) d.digits[k++] = *p;
        ++p;
    }
    while (k < kSignificant) d.digits[k++] = '0';
    int exp = 0;
    if (p < end) {
        ++p;  // 'e'
        bool expNeg = false;
        if (p < end && (*p == '-' || *p == '+')) expNeg = *p++ == '-';
        while (p < end && isDigit(*p)) exp = exp * 10 + (*p++ - '0');
        if (expNeg) exp = -exp;
    }
    d.pointPos = exp + 1;
    return d;
}

// Adds one unit in the last place of a digit string; true when it carried out.
bool incrementDigits(std::string& s) {
    for (std::size_t k = s.size(); k-- > 0;) {
        if (s[k] == '9') {
            s[k] = '0';
        } else {
            ++s[k];
            return false;
        }
    }
    return true;
}

// The platform's general form with 15 significant digits: "1,5E20", "-1E18".
std::string generalForm(const Decimal& d) {
    std::string s(d.digits, d.digits + 15);
    int exp = d.pointPos - 1;
    if (d.digits[15] >= '5' && incrementDigits(s)) {
        s.insert(s.begin(), '1');
        s.pop_back();
        ++exp;
    }
    while (s.size() > 1 && s.back() == '0') s.pop_back();
    std::string out;
    if (d.negative) out += '-';
    out += s[0];
    if (s.size() > 1) {
        out += ',';
        out.append(s, 1, std::string::npos);
    }
    out += 'E';
    out += std::to_string(exp);
    return out;
}

}  // namespace

bool checkinteiro(std::string_view text) {
    for (char c : text)
        if (isDigit(c)) return true;
    return false;
}

std::string RemovePontoS(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (isDigit(c) || c == ',' || c == '-') out += c;
    return out;
}

long double RemovePonto(std::string_view text) {
    // The kept characters of an amount fit on the stack.
    char buf[64];
    if (text.size() > sizeof buf) {
        const std::string kept = RemovePontoS(text);
        if (!checkinteiro(kept)) return 0.0L;
        return readNumber(kept, text);
    }
    std::size_t n = 0;
    bool anyDigit = false;
    for (char c : text) {
        if (isDigit(c)) {
            anyDigit = true;
            buf[n++] = c;
        } else if (c == ',' || c == '-') {
            buf[n++] = c;
        }
    }
    if (!anyDigit) return 0.0L;
    return readNumber(std::string_view(buf, n), text);
}

long double RemovePontoTodos(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    int afterComma = -1;  // kept characters after the first ",", -1 before it
    for (char c : text) {
        if (!(isDigit(c) || c == ',' || c == '-')) continue;
        if (afterComma < 0) {
            kept += c;
            if (c == ',') afterComma = 0;
            continue;
        }
        if (afterComma >= 8) break;
        ++afterComma;
        if (c == ',' && afterComma >= 2) continue;  // dropped, but took a place
        kept += c;
    }
    if (!checkinteiro(kept)) return 0.0L;
    return readNumber(kept, text);
}

long double StrToFloat(std::string_view text) { return readNumber(text, text); }

long long StrToInt(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) invalidInteger(text);
    // Accumulate negatively so that the most negative value fits.
    long long value = 0;
    constexpr long long kMin = std::numeric_limits<long long>::min();
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (!isDigit(c)) invalidInteger(text);
        const int digit = c - '0';
        if (value < (kMin + digit) / 10) invalidInteger(text);
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == kMin) invalidInteger(text);
        value = -value;
    }
    return value;
}

std::string formatfloatx(std::string_view maskText, long double value) {
    const Mask mask = parseMask(maskText);
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

    const Decimal d = toDecimal(value);
    const int dec = mask.maxDec;
    if (d.pointPos > kSignificant) return generalForm(d);

    // Fixed-point digits of the 18-digit decimal form, integer digits then
    // decimals, with room in front for a carry out of the rounding.
    const int pp = d.pointPos;
    const std::size_t need = static_cast<std::size_t>(std::max(pp, 1)) + static_cast<std::size_t>(dec) +
                             kSignificant + 2;
    char stack[160];
    std::unique_ptr<char[]> heap;
    char* all = stack + 1;
    if (need + 1 > sizeof stack) {
        heap = std::make_unique<char[]>(need + 1);
        all = heap.get() + 1;
    }
    int intLen = 0;
    int fracLen = 0;
    if (pp > 0) {
        std::memcpy(all, d.digits, kSignificant);
        intLen = pp;
        fracLen = kSignificant - pp;
    } else {
        all[0] = '0';
        intLen = 1;
        if (-pp <= dec) {
            std::memset(all + 1, '0', static_cast<std::size_t>(-pp));
            std::memcpy(all + 1 - pp, d.digits, kSignificant);
            fracLen = kSignificant - pp;
        }  // else: below half a unit of the last decimal, reads as zero
    }

    // Round the decimal digits half away from zero to `dec` decimals.
    char* begin = all;
    if (fracLen > dec) {
        const bool up = all[intLen + dec] >= '5';
        fracLen = dec;
        if (up) {
            int k = intLen + fracLen;
            while (k-- > 0) {
                if (all[k] != '9') {
                    ++all[k];
                    break;
                }
                all[k] = '0';
            }
            if (k < 0) {
                *--begin = '1';
                ++intLen;
            }
        }
    } else {
        std::memset(all + intLen + fracLen, '0', static_cast<std::size_t>(dec - fracLen));
        fracLen = dec;
    }
    const char* intp = begin;
    const char* fracp = begin + intLen;

    while (intLen > 0 && *intp == '0') {
        ++intp;
        --intLen;
    }
    if (intLen > kSignificant) {
        // Rounding carried into a 19th integer digit.
        Decimal big;
        big.negative = d.negative;
        std::memcpy(big.digits, intp, kSignificant);
        big.pointPos = intLen;
        return generalForm(big);
    }

    bool isZero = intLen == 0;
    for (int k = 0; isZero && k < fracLen; ++k) isZero = fracp[k] == '0';
    while (fracLen > mask.minDec && fracp[fracLen - 1] == '0') --fracLen;
    const int pad = std::max(mask.minInt - intLen, 0);

    const int n = pad + intLen;
    const std::size_t length = static_cast<std::size_t>(n + n / 3 + fracLen + 2);
    std::string out(length, '\0');
    char* o = out.data();
    if (d.negative && !isZero) *o++ = '-';
    if (!mask.group) {
        std::memset(o, '0', static_cast<std::size_t>(pad));
        std::memcpy(o + pad, intp, static_cast<std::size_t>(intLen));
        o += n;
    } else {
        int group = n % 3 == 0 ? 3 : n % 3;  // digits before the next "."
        for (int k = 0; k < n; ++k, --group) {
            if (group == 0) {
                *o++ = '.';
                group = 3;
            }
            *o++ = k < pad ? '0' : intp[k - pad];
        }
    }
    if (fracLen > 0) {
        *o++ = ',';
        std::memcpy(o, fracp, static_cast<std::size_t>(fracLen));
        o += fracLen;
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

long double Pot(long double exponent, long double base) {
    if (!(base > 0)) throw ConversionError("Operação de ponto flutuante inválida");
    return std::exp(exponent * std::log(base));
}

}  // namespace core
