#pragma once
// The money edit: an edit typed like a cash register. The digits are read as
// cents and the text is rewritten with "#,##0.00" after every change, so typing
// 1, 2, 3 into "0,00" shows 0,01, 0,12 and 1,23.
//
// The reactions are pure functions so that the desktop program and the tests
// share them; the caret always goes to the end of the text.
#include <optional>
#include <string>
#include <string_view>

namespace core {

// Key press: the digits, Backspace ('\b') and Tab ('\t') go through; every
// other key is discarded (nullopt).
std::optional<char> moneyEditKeyPress(char key);

// Keys seen by the key-down reaction.
enum class EditKey { Delete, Other };

// Key down: Delete becomes a Backspace key press ('\b'), so deleting always
// removes the last digit; any other key goes on unchanged (nullopt).
std::optional<char> moneyEditKeyDown(EditKey key);

// How a window's money edits react to a change.
enum class MoneyEditKind {
    Standard,
    // A text whose value is 0 is first reset to "0,00" (the month-by-month
    // court table calculator's fee edit).
    ZeroReset,
};

// Change: an empty text becomes "0,00"; the digits of the text, read as a whole
// number of cents, are written with "#,##0.00". Any number of digits is kept
// exactly (leading zeros dropped); a text without digits shows "0,00". The
// result is a fixed point: applying the reaction again changes nothing.
std::string moneyEditChanged(std::string_view text,
                             MoneyEditKind kind = MoneyEditKind::Standard);

// One key typed with the caret at the end of the text: the key press reaction,
// then a digit is appended or Backspace removes the last character, then the
// change reaction. A discarded key or Tab leaves the text as it is.
std::string moneyEditType(std::string_view text, char key,
                          MoneyEditKind kind = MoneyEditKind::Standard);

}  // namespace core
