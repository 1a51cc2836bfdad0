#pragma once
// The report document as the user saves it from the report window: HTML text
// written in Windows-1252, the code page the reports are read in.
#include <string>
#include <string_view>

namespace core {

inline constexpr const char* kHtmFilter = "Arquivos htm|*.htm";
inline constexpr const char* kHtmExtension = "htm";

// The bytes of an HTML document for its UTF-8 text: Windows-1252, with every
// character the code page lacks written as a decimal character reference
// ("&#8364;" is never needed, "€" is in the code page; "&#937;" for "Ω"), so
// nothing typed into the document is lost. Invalid UTF-8 becomes "?".
std::string htmlDocumentBytes(std::string_view utf8Html);

}  // namespace core
