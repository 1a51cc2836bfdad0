#include "core/text/comma_text.hpp"

namespace core {

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool needsQuotes(std::string_view item) {
    for (char c : item)
        if (isBlank(c) || c == '"' || c == ',') return true;
    return false;
}

}  // namespace

std::string toCommaText(const std::vector<std::string>& items) {
    if (items.size() == 1 && items.front().empty()) return "\"\"";
    std::string out;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += ',';
        const std::string& item = items[i];
        if (!needsQuotes(item)) {
            out += item;
            continue;
        }
        out += '"';
        for (char c : item) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    return out;
}

std::vector<std::string> fromCommaText(std::string_view text) {
    std::vector<std::string> items;
    const size_t n = text.size();
    size_t p = 0;
    while (p < n && isBlank(text[p])) ++p;
    while (p < n) {
        std::string item;
        if (text[p] == '"') {
            ++p;
            while (p < n) {
                if (text[p] == '"') {
                    if (p + 1 < n && text[p + 1] == '"') {
                        item += '"';
                        p += 2;
                        continue;
                    }
                    ++p;  // closing quote
                    break;
                }
                item += text[p++];
            }
        } else {
            size_t begin = p;
            while (p < n && !isBlank(text[p]) && text[p] != ',') ++p;
            item.assign(text.substr(begin, p - begin));
        }
        items.push_back(std::move(item));
        while (p < n && isBlank(text[p])) ++p;
        if (p < n && text[p] == ',') {
            if (p + 1 == n) items.emplace_back();
            do ++p;
            while (p < n && isBlank(text[p]));
        }
    }
    return items;
}

void fillRowFromCommaText(StringGrid& grid, int r, std::string_view text) {
    grid.clearRow(r);
    const int cols = grid.colCount();
    int c = 0;
    for (auto& item : fromCommaText(text)) {
        if (c >= cols) break;
        grid.setCell(c++, r, item.empty() ? std::string(" ") : std::move(item));
    }
}

void fillLinesFromCommaText(std::vector<std::string>& lines, std::string_view text) {
    lines = fromCommaText(text);
}

}  // namespace core
