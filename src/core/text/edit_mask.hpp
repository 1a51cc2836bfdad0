#pragma once
// Input masks of masked edits and of the masked grid columns, in the masked-edit
// syntax of the windows: "!99/99/9999;1;_".
//
// Fields, separated by ";": the mask itself, then "1" (the default) when the
// text keeps the literal characters or "0" when it does not, then the blank
// character shown in empty positions ("_" by default). In the mask, "0" is a
// required digit, "9" an optional digit, "#" a digit or sign, "L"/"l" a letter,
// "A"/"a" a letter or digit, "C"/"c" any character (upper case: required);
// "!", ">" and "<" are directives that take no position, "\" makes the next
// character a literal, and every other character is a literal.
//
// These functions give the text a masked edit holds after its text is set,
// which is how a stored text comes back into a masked edit:
// - with literals kept, the text is cut at the mask's literals and each part is
//   fitted to its run of positions; a first part that is too short was cut at
//   its start (the stored values lose the blanks at both ends), so it is padded
//   on the left, the other parts on the right; a part too long keeps its first
//   characters. So "/  /" (an empty date with its ends trimmed) becomes
//   "  /  /    " again, and "15/03/1989" stays.
// - a character the position does not accept becomes a blank; the blank
//   character itself counts as a blank.
// - the text holds a blank as " ", whatever the blank character is.
// - an edit with nothing typed holds the mask's empty text: the literals
//   between blanks for the full-date masks (two literals or more:
//   "  /  /    "), and an empty text for the others (the month mask
//   "!99/0000;1" and the day mask "!00;1" of the grid columns).
// - without literals (";0"), the characters fill the positions from the left
//   and the text is the positions' characters without the blanks at their end
//   (at their start with "!").
// An empty mask leaves the text as it is.
#include <string>
#include <string_view>

namespace core {

// The text the edit holds after its text is set to `text`.
std::string maskedText(std::string_view mask, std::string_view text);

// The text of the edit with nothing typed.
std::string emptyMaskText(std::string_view mask);

// What the edit shows for `text`: the literals always, and the mask's blank
// character in every empty position ("__/__/____").
std::string maskDisplayText(std::string_view mask, std::string_view text);

}  // namespace core
