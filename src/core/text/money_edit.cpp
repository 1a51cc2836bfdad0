#include "core/text/money_edit.hpp"

namespace core {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A whole number of cents, given as its digits, written with "#,##0.00".
std::string centsText(std::string_view digits) {
    std::size_t lead = 0;
    while (lead < digits.size() && digits[lead] == '0') ++lead;
    std::string cents(digits.substr(lead));
    if (cents.size() < 3) cents.insert(0, 3 - cents.size(), '0');
    const std::size_t intLen = cents.size() - 2;
    std::string out;
    out.reserve(cents.size() + intLen / 3 + 1);
    for (std::size_t k = 0; k < intLen; ++k) {
        if (k > 0 && (intLen - k) % 3 == 0) out += '.';
        out += cents[k];
    }
    out += ',';
    out.append(cents, intLen, 2);
    return out;
}

}  // namespace

std::optional<char> moneyEditKeyPress(char key) {
    if (isDigit(key) || key == '\b' || key == '\t') return key;
    return std::nullopt;
}

std::optional<char> moneyEditKeyDown(EditKey key) {
    if (key == EditKey::Delete) return '\b';
    return std::nullopt;
}

std::string moneyEditChanged(std::string_view text, MoneyEditKind kind) {
    std::string digits;
    digits.reserve(text.size());
    for (char c : text)
        if (isDigit(c)) digits += c;
    // The month-by-month calculator's edit first resets a text whose value is 0.
    if (kind == MoneyEditKind::ZeroReset && digits.find_first_not_of('0') == std::string::npos)
        digits = "000";  // the digits of "0,00"
    // An empty text becomes "0,00"; a text without any digit holds no cents.
    return centsText(digits);
}

std::string moneyEditType(std::string_view text, char key, MoneyEditKind kind) {
    const std::optional<char> accepted = moneyEditKeyPress(key);
    if (!accepted || *accepted == '\t') return std::string(text);
    std::string edited(text);
    if (*accepted == '\b') {
        if (edited.empty()) return edited;  // nothing to delete, no change
        // Remove the last character as a whole, even when it is a multi-byte one.
        std::size_t k = edited.size() - 1;
        while (k > 0 && (static_cast<unsigned char>(edited[k]) & 0xC0) == 0x80) --k;
        edited.erase(k);
    } else {
        edited += *accepted;
    }
    return moneyEditChanged(edited, kind);
}

}  // namespace core
