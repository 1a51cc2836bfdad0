#pragma once
// Windows-1252 on disk, UTF-8 inside the program.
#include <string>
#include <string_view>
#include <vector>

namespace core {

// Windows-1252 bytes to UTF-8 text. Every byte maps to one character; the five
// bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to
// the C1 control of the same value, as the platform does, so any byte string
// survives a round trip through utf8ToCp1252.
std::string cp1252ToUtf8(std::string_view bytes);
// The same conversion appended to `out` (no intermediate string).
void appendCp1252ToUtf8(std::string& out, std::string_view bytes);

// UTF-8 text to Windows-1252 bytes; a character outside the code page becomes
// "?", and so does each invalid UTF-8 sequence (a stray continuation byte, a
// truncated, overlong or surrogate sequence, a value above U+10FFFF: one "?"
// for each maximal ill-formed part).
std::string utf8ToCp1252(std::string_view text);
// The same conversion appended to `out` (no intermediate string).
void appendUtf8ToCp1252(std::string& out, std::string_view text);
// The texts converted, each followed by CR LF: the bytes of a line file.
std::string utf8LinesToCp1252(const std::vector<std::string>& lines);

// True when the bytes start with a UTF-8, UTF-16 LE or UTF-16 BE byte-order mark.
bool hasByteOrderMark(std::string_view bytes);

// Reads file bytes as UTF-8 text: a UTF-8 or UTF-16 (LE/BE) byte-order mark
// selects that encoding (the mark is dropped); otherwise the bytes are
// Windows-1252. Inside a marked file each invalid sequence (ill-formed UTF-8,
// an unpaired surrogate, a last odd byte of UTF-16) becomes "?". Never throws
// on any input; the result is always valid UTF-8.
std::string decodeFileText(std::string_view bytes);

// Splits text into lines at CR LF, a lone CR or a lone LF. A break at the very
// end does not start another line; an empty text has no lines.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace core
