#include "core/shell/report_document.hpp"

#include "core/text/cp1252.hpp"

namespace core {

namespace {

// Length of the UTF-8 sequence led by byte b (1 for a byte that leads none).
int sequenceLength(unsigned char b) {
    if (b < 0x80) return 1;
    if ((b & 0xE0) == 0xC0) return 2;
    if ((b & 0xF0) == 0xE0) return 3;
    if ((b & 0xF8) == 0xF0) return 4;
    return 1;
}

// The code point of a well-formed sequence; -1 otherwise.
long codePoint(std::string_view s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const int n = static_cast<int>(s.size());
    if (n == 1) return p[0] < 0x80 ? p[0] : -1;
    long cp = p[0] & (0xFF >> (n + 1));
    for (int i = 1; i < n; ++i) {
        if ((p[i] & 0xC0) != 0x80) return -1;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    static const long minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < minimum[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
    return cp;
}

}  // namespace

std::string htmlDocumentBytes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        // Runs of ASCII go through unchanged.
        size_t j = i;
        while (j < text.size() && static_cast<unsigned char>(text[j]) < 0x80) ++j;
        out.append(text.substr(i, j - i));
        if (j >= text.size()) break;
        i = j;
        const int n = sequenceLength(static_cast<unsigned char>(text[i]));
        if (i + n > text.size() || codePoint(text.substr(i, n)) < 0) {
            out += '?';
            ++i;
            continue;
        }
        const std::string_view seq = text.substr(i, n);
        const std::string b = utf8ToCp1252(seq);
        if (b == "?")
            out += "&#" + std::to_string(codePoint(seq)) + ";";
        else
            out += b;
        i += n;
    }
    return out;
}

}  // namespace core
