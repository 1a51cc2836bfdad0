#include "core/text/edit_mask.hpp"

#include <vector>

namespace core {

namespace {

enum class Case { Keep, Upper, Lower };

struct Slot {
    bool literal = false;
    std::string text;  // the literal; for a position, the character it holds (empty: blank)
    char kind = 0;     // position kind: one of "LlAaCc09#"
    Case letterCase = Case::Keep;
};

struct Mask {
    std::vector<Slot> slots;
    bool saveLiterals = true;
    char blank = '_';
    bool leadingBlanks = false;  // "!"
    int positions = 0;
    int literals = 0;
};

size_t utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

std::vector<std::string> characters(std::string_view text) {
    std::vector<std::string> out;
    for (size_t i = 0; i < text.size();) {
        size_t len = std::min(utf8Length(static_cast<unsigned char>(text[i])), text.size() - i);
        out.emplace_back(text.substr(i, len));
        i += len;
    }
    return out;
}

bool isMaskChar(char c) {
    switch (c) {
        case 'L': case 'l': case 'A': case 'a': case 'C': case 'c': case '0': case '9': case '#':
            return true;
        default:
            return false;
    }
}

Mask parse(std::string_view spec) {
    // Fields are separated by ";" not escaped by "\".
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < spec.size(); ++i) {
        char c = spec[i];
        if (c == '\\' && i + 1 < spec.size() && fields.size() == 1) {
            fields.back() += c;
            fields.back() += spec[++i];
        } else if (c == ';') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    Mask m;
    if (fields.size() > 1 && fields[1] == "0") m.saveLiterals = false;
    if (fields.size() > 2 && !fields[2].empty()) m.blank = fields[2][0];

    const std::string& body = fields[0];
    Case letterCase = Case::Keep;
    auto chars = characters(body);
    for (size_t i = 0; i < chars.size(); ++i) {
        const std::string& ch = chars[i];
        if (ch == "!") {
            m.leadingBlanks = true;
        } else if (ch == ">") {
            letterCase = Case::Upper;
        } else if (ch == "<") {
            if (i + 1 < chars.size() && chars[i + 1] == ">") {
                letterCase = Case::Keep;
                ++i;
            } else {
                letterCase = Case::Lower;
            }
        } else if (ch == "\\" && i + 1 < chars.size()) {
            m.slots.push_back({true, chars[++i], 0, Case::Keep});
            ++m.literals;
        } else if (ch.size() == 1 && isMaskChar(ch[0])) {
            m.slots.push_back({false, {}, ch[0], letterCase});
            ++m.positions;
        } else {
            m.slots.push_back({true, ch, 0, Case::Keep});
            ++m.literals;
        }
    }
    return m;
}

bool isDigit(const std::string& ch) { return ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9'; }

bool isLetter(const std::string& ch) {
    if (ch.size() > 1) return true;  // accented letters and other characters beyond ASCII
    char c = ch[0];
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The character a position holds for `ch`, or empty for a blank.
std::string accept(const Slot& slot, const std::string& ch, char blank) {
    if (ch.empty() || ch == " " || (ch.size() == 1 && ch[0] == blank)) return {};
    bool ok = false;
    switch (slot.kind) {
        case '0': case '9': ok = isDigit(ch); break;
        case '#': ok = isDigit(ch) || ch == "+" || ch == "-"; break;
        case 'L': case 'l': ok = isLetter(ch); break;
        case 'A': case 'a': ok = isLetter(ch) || isDigit(ch); break;
        default: ok = static_cast<unsigned char>(ch[0]) >= ' '; break;  // C, c
    }
    if (!ok) return {};
    if (ch.size() == 1 && slot.letterCase != Case::Keep) {
        char c = ch[0];
        if (slot.letterCase == Case::Upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (slot.letterCase == Case::Lower && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return std::string(1, c);
    }
    return ch;
}

// Puts the characters of `text` into the positions of the mask.
void place(Mask& m, std::string_view text) {
    auto chars = characters(text);
    if (!m.saveLiterals) {
        size_t next = 0;
        for (auto& s : m.slots) {
            if (s.literal) continue;
            if (next < chars.size()) s.text = accept(s, chars[next++], m.blank);
        }
        return;
    }
    // Cut the text at the mask's literals, run by run.
    size_t pos = 0;           // next unread character of the text
    bool firstRun = true;
    size_t i = 0;
    while (i < m.slots.size()) {
        size_t runStart = i;
        while (i < m.slots.size() && !m.slots[i].literal) ++i;
        size_t width = i - runStart;
        bool literalFollows = i < m.slots.size();
        std::vector<std::string> part;
        if (literalFollows) {
            const std::string& lit = m.slots[i].text;
            size_t found = pos;
            while (found < chars.size() && chars[found] != lit) ++found;
            part.assign(chars.begin() + pos, chars.begin() + found);
            pos = found < chars.size() ? found + 1 : chars.size();
            ++i;  // the literal itself
        } else {
            part.assign(chars.begin() + pos, chars.end());
            pos = chars.size();
        }
        if (width > 0) {
            bool padLeft = firstRun && (literalFollows || m.leadingBlanks);
            if (part.size() > width) part.resize(width);
            size_t pad = width - part.size();
            for (size_t k = 0; k < width; ++k) {
                Slot& s = m.slots[runStart + k];
                std::string ch;
                if (padLeft) {
                    if (k >= pad) ch = part[k - pad];
                } else if (k < part.size()) {
                    ch = part[k];
                }
                s.text = accept(s, ch, m.blank);
            }
        }
        firstRun = false;
    }
}

bool nothingTyped(const Mask& m) {
    for (const auto& s : m.slots)
        if (!s.literal && !s.text.empty()) return false;
    return true;
}

std::string emptyText(const Mask& m) {
    if (!m.saveLiterals || m.literals < 2) return {};
    std::string out;
    for (const auto& s : m.slots) out += s.literal ? s.text : std::string(" ");
    return out;
}

}  // namespace

std::string maskedText(std::string_view mask, std::string_view text) {
    Mask m = parse(mask);
    if (m.positions == 0) return std::string(text);
    place(m, text);
    if (nothingTyped(m)) return emptyText(m);
    std::string out;
    if (m.saveLiterals) {
        for (const auto& s : m.slots) out += s.literal ? s.text : (s.text.empty() ? " " : s.text);
        return out;
    }
    std::vector<std::string> chars;
    for (const auto& s : m.slots)
        if (!s.literal) chars.push_back(s.text.empty() ? " " : s.text);
    size_t begin = 0, end = chars.size();
    if (m.leadingBlanks)
        while (begin < end && chars[begin] == " ") ++begin;
    else
        while (end > begin && chars[end - 1] == " ") --end;
    for (size_t k = begin; k < end; ++k) out += chars[k];
    return out;
}

std::string emptyMaskText(std::string_view mask) {
    Mask m = parse(mask);
    return emptyText(m);
}

std::string maskDisplayText(std::string_view mask, std::string_view text) {
    Mask m = parse(mask);
    if (m.positions == 0) return std::string(text);
    place(m, text);
    std::string out;
    for (const auto& s : m.slots)
        out += s.literal ? s.text : (s.text.empty() ? std::string(1, m.blank) : s.text);
    return out;
}

}  // namespace core
