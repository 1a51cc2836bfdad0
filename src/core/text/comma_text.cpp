#include "core/text/comma_text.hpp"

#include <array>

namespace core {

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// For each byte: bit 1 when it makes an item quoted (a blank, a comma, a
// double quote), bit 2 for the double quote, which is also doubled inside.
constexpr std::array<unsigned char, 256> kItemBytes = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c <= ' '; ++c) t[static_cast<std::size_t>(c)] = 1;
    t[','] = 1;
    t['"'] = 3;
    return t;
}();

void appendItem(std::string& out, std::string_view item) {
    unsigned char kinds = 0;
    for (char c : item) kinds |= kItemBytes[static_cast<unsigned char>(c)];
    const bool quoted = kinds != 0;
    const bool hasQuote = (kinds & 2) != 0;
    if (!quoted) {
        out += item;
        return;
    }
    out += '"';
    if (!hasQuote) {
        out += item;
    } else {
        for (char c : item) {
            if (c == '"') out += '"';
            out += c;
        }
    }
    out += '"';
}

// Items from `count` and `at(i)`, as toCommaText writes them.
template <class At>
void appendItems(std::string& out, std::size_t count, const At& at) {
    if (count == 1 && at(0).empty()) {
        out += "\"\"";
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) out += ',';
        appendItem(out, at(i));
    }
}

// Splits comma text, calling `sink` with each item in turn. An item is a view
// into the text, or into `scratch` when doubled quotes had to be undone.
template <class Sink>
void splitCommaText(std::string_view text, std::string& scratch, const Sink& sink) {
    const size_t n = text.size();
    size_t p = 0;
    while (p < n && isBlank(text[p])) ++p;
    while (p < n) {
        std::string_view item;
        if (text[p] == '"') {
            ++p;
            const size_t begin = p;
            bool doubled = false;
            size_t end = n;  // an unclosed quote takes the rest
            while (p < n) {
                if (text[p] == '"') {
                    if (p + 1 < n && text[p + 1] == '"') {
                        doubled = true;
                        p += 2;
                        continue;
                    }
                    end = p;
                    ++p;  // closing quote
                    break;
                }
                ++p;
            }
            item = text.substr(begin, end - begin);
            if (doubled) {
                scratch.clear();
                for (size_t k = 0; k < item.size(); ++k) {
                    scratch += item[k];
                    if (item[k] == '"') ++k;  // the second quote of a pair
                }
                item = scratch;
            }
        } else {
            size_t begin = p;
            while (p < n && !isBlank(text[p]) && text[p] != ',') ++p;
            item = text.substr(begin, p - begin);
        }
        sink(item);
        while (p < n && isBlank(text[p])) ++p;
        if (p < n && text[p] == ',') {
            if (p + 1 == n) sink(std::string_view());
            do ++p;
            while (p < n && isBlank(text[p]));
        }
    }
}

}  // namespace

void appendCommaText(std::string& out, const std::vector<std::string>& items) {
    appendItems(out, items.size(), [&](std::size_t i) -> std::string_view { return items[i]; });
}

void appendCommaText(std::string& out, const StringGrid& grid, int r) {
    const int cols = grid.colCount();
    appendItems(out, static_cast<std::size_t>(cols),
                [&](std::size_t c) -> std::string_view { return grid.cell(static_cast<int>(c), r); });
}

std::string toCommaText(const std::vector<std::string>& items) {
    std::string out;
    appendCommaText(out, items);
    return out;
}

std::vector<std::string> fromCommaText(std::string_view text) {
    std::vector<std::string> items;
    std::string scratch;
    splitCommaText(text, scratch, [&](std::string_view item) { items.emplace_back(item); });
    return items;
}

void fillRowFromCommaText(StringGrid& grid, int r, std::string_view text) {
    const int cols = grid.colCount();
    int c = 0;
    std::string scratch;
    splitCommaText(text, scratch, [&](std::string_view item) {
        if (c >= cols) return;
        grid.assignCell(c++, r, item.empty() ? std::string_view(" ") : item);
    });
    // The visible cells no item reached are emptied.
    for (; c < cols; ++c) grid.setCell(c, r, std::string());
}

void fillLinesFromCommaText(std::vector<std::string>& lines, std::string_view text) {
    lines = fromCommaText(text);
}

}  // namespace core
