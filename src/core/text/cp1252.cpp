#include "core/text/cp1252.hpp"

#include <cstdint>
#include <cstring>

namespace core {

namespace {

// Characters of the bytes 0x80..0x9F; 0 marks the five undefined bytes, which
// map to the C1 control of the same value.
constexpr char32_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char32_t byteToChar(unsigned char b) {
    if (b < 0x80 || b >= 0xA0) return b;
    char32_t c = kHigh[b - 0x80];
    return c ? c : b;
}

// The byte of a character, or -1 when the code page has none.
int charToByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    if (c >= 0x80 && c < 0xA0) {
        // A C1 control is in the code page only where the byte is undefined.
        return kHigh[c - 0x80] == 0 ? static_cast<int>(c) : -1;
    }
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c) return 0x80 + i;
    return -1;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes the UTF-8 sequence at text[pos] and advances pos past it. An
// ill-formed sequence yields kInvalid and advances past its maximal ill-formed
// part (at least one byte), so the next call starts where a valid sequence may.
char32_t nextUtf8(std::string_view text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char b0 = byte(pos);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    int len;
    char32_t c;
    unsigned char lo = 0x80, hi = 0xBF;  // range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
        c = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        c = b0 & 0x0F;
        if (b0 == 0xE0) lo = 0xA0;       // no overlong forms
        if (b0 == 0xED) hi = 0x9F;       // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        c = b0 & 0x07;
        if (b0 == 0xF0) lo = 0x90;       // no overlong forms
        if (b0 == 0xF4) hi = 0x8F;       // nothing above U+10FFFF
    } else {
        ++pos;
        return kInvalid;
    }
    std::size_t p = pos + 1;
    for (int k = 1; k < len; ++k, ++p) {
        if (p >= text.size()) {
            pos = p;
            return kInvalid;
        }
        unsigned char b = byte(p);
        unsigned char l = k == 1 ? lo : 0x80, h = k == 1 ? hi : 0xBF;
        if (b < l || b > h) {
            pos = p;  // the offending byte starts the next attempt
            return kInvalid;
        }
        c = (c << 6) | (b & 0x3F);
    }
    pos = p;
    return c;
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const std::size_t n = bytes.size() / 2;
    const auto unit = [&](std::size_t i) -> char32_t {
        auto a = static_cast<unsigned char>(bytes[2 * i]);
        auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (std::size_t i = 0; i < n; ++i) {
        char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < n) {
            char32_t v = unit(i + 1);
            if (v >= 0xDC00 && v <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
                ++i;
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF)
            out += '?';
        else
            appendUtf8(out, u);
    }
    if (bytes.size() % 2) out += '?';
    return out;
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}

constexpr std::string_view kBomUtf8 = "\xEF\xBB\xBF";
constexpr std::string_view kBomUtf16Le = "\xFF\xFE";
constexpr std::string_view kBomUtf16Be = "\xFE\xFF";

// The length of the leading run of ASCII bytes, which both encodings share.
std::size_t asciiRun(std::string_view s, std::size_t pos) {
    const std::size_t n = s.size();
    std::size_t end = pos;
    // Eight bytes at a time while none has its high bit set.
    while (end + 8 <= n) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + end, 8);
        if (word & 0x8080808080808080ULL) break;
        end += 8;
    }
    while (end < n && static_cast<unsigned char>(s[end]) < 0x80) ++end;
    return end - pos;
}

}  // namespace

void appendCp1252ToUtf8(std::string& out, std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t run = asciiRun(bytes, pos);
        if (run > 0) {
            out.append(bytes.data() + pos, run);
            pos += run;
            continue;
        }
        appendUtf8(out, byteToChar(static_cast<unsigned char>(bytes[pos++])));
    }
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    appendCp1252ToUtf8(out, bytes);
    return out;
}

std::string utf8LinesToCp1252(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    std::string out;
    out.reserve(size);  // Windows-1252 never takes more bytes than UTF-8
    for (const auto& line : lines) {
        appendUtf8ToCp1252(out, line);
        out += "\r\n";
    }
    return out;
}

void appendUtf8ToCp1252(std::string& out, std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t run = asciiRun(text, pos);
        if (run > 0) {
            out.append(text.data() + pos, run);
            pos += run;
            continue;
        }
        char32_t c = nextUtf8(text, pos);
        int b = c == kInvalid ? -1 : charToByte(c);
        out += b < 0 ? '?' : static_cast<char>(b);
    }
}

std::string utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendUtf8ToCp1252(out, text);
    return out;
}

bool hasByteOrderMark(std::string_view bytes) {
    return startsWith(bytes, kBomUtf8) || startsWith(bytes, kBomUtf16Le) ||
           startsWith(bytes, kBomUtf16Be);
}

std::string decodeFileText(std::string_view bytes) {
    if (startsWith(bytes, kBomUtf8)) {
        std::string_view text = bytes.substr(kBomUtf8.size());
        std::string out;
        out.reserve(text.size());
        std::size_t pos = 0;
        while (pos < text.size()) {
            const std::size_t run = asciiRun(text, pos);
            if (run > 0) {
                out.append(text.data() + pos, run);
                pos += run;
                continue;
            }
            std::size_t start = pos;
            char32_t c = nextUtf8(text, pos);
            if (c == kInvalid)
                out += '?';
            else
                out.append(text.substr(start, pos - start));
        }
        return out;
    }
    if (startsWith(bytes, kBomUtf16Le)) return utf16ToUtf8(bytes.substr(2), false);
    if (startsWith(bytes, kBomUtf16Be)) return utf16ToUtf8(bytes.substr(2), true);
    return cp1252ToUtf8(bytes);
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0, i = 0;
    while (i < text.size()) {
        char ch = text[i];
        if (ch == '\r' || ch == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            ++i;
            if (ch == '\r' && i < text.size() && text[i] == '\n') ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

}  // namespace core
