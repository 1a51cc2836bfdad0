#pragma once
// Windows-1252 on disk, UTF-8 inside the program.
#include <string>
#include <string_view>

namespace core {

// Windows-1252 bytes to UTF-8 text. The five bytes the code page leaves
// undefined map to the C1 control of the same value, as the platform does.
std::string cp1252ToUtf8(std::string_view bytes);

// UTF-8 text to Windows-1252 bytes; characters outside the code page, and
// invalid UTF-8 sequences, become "?".
std::string utf8ToCp1252(std::string_view text);

// Reads file bytes as text: a UTF-8 or UTF-16 (LE/BE) byte-order mark selects
// that encoding (the mark is dropped); otherwise the bytes are Windows-1252.
std::string decodeFileText(std::string_view bytes);

}  // namespace core
