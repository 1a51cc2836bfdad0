#include "core/project/ini_file.hpp"

#include <limits>

namespace core {

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

std::string fold(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// A folded copy of a name for a lookup: in the buffer when it fits, otherwise
// in `spill`.
class FoldedName {
public:
    explicit FoldedName(std::string_view s) {
        char* out = buf_;
        if (s.size() > sizeof buf_) {
            spill_.resize(s.size());
            out = spill_.data();
        }
        for (std::size_t i = 0; i < s.size(); ++i) {
            const char c = s[i];
            out[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
        view_ = std::string_view(out, s.size());
    }
    FoldedName(const FoldedName&) = delete;
    FoldedName& operator=(const FoldedName&) = delete;
    std::string_view view() const { return view_; }

private:
    char buf_[64];
    std::string spill_;
    std::string_view view_;
};

}  // namespace

IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    Section* current = nullptr;
    size_t p = 0;
    while (p < text.size()) {
        size_t e = p;
        while (e < text.size() && text[e] != '\r' && text[e] != '\n') ++e;
        std::string_view line = trim(text.substr(p, e - p));
        if (e < text.size() && text[e] == '\r' && e + 1 < text.size() && text[e + 1] == '\n') ++e;
        p = e + 1;

        if (line.empty() || line.front() == ';') continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = &ini.sections_[fold(trim(line.substr(1, line.size() - 2)))];
            continue;
        }
        if (!current) continue;
        size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            current->values.try_emplace(fold(line));
        else
            current->values.try_emplace(fold(trim(line.substr(0, eq))), trim(line.substr(eq + 1)));
    }
    return ini;
}

bool IniFile::hasSection(std::string_view section) const {
    const FoldedName name(section);
    return sections_.find(name.view()) != sections_.end();
}

const std::string* IniFile::find(std::string_view section, std::string_view key) const {
    const FoldedName name(section);
    auto s = sections_.find(name.view());
    if (s == sections_.end()) return nullptr;
    const FoldedName folded(key);
    auto v = s->second.values.find(folded.view());
    if (v == s->second.values.end()) return nullptr;
    return &v->second;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const std::string* v = find(section, key);
    return v ? *v : std::string(fallback);
}

std::optional<long long> parseWholeNumber(std::string_view text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    constexpr long long kMax = std::numeric_limits<long long>::max();
    long long value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        int d = c - '0';
        if (value > (kMax - d) / 10) return std::nullopt;
        value = value * 10 + d;
    }
    return negative ? -value : value;
}

}  // namespace core
