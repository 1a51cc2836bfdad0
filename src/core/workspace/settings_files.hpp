#pragma once
// The small settings files of the workspace folder: the report font
// ("font.ini") and the report header and footer lines ("cabecalho.dat",
// "rodape.dat"). All are Windows-1252 text with CR LF; a byte-order mark is
// honoured on reading.
//
// Readers return std::nullopt for a file that does not exist (the caller then
// keeps its controls as they are) and throw FileError for one that exists but
// cannot be read. Writers replace the file atomically and throw FileError.
#include <optional>
#include <string>
#include <vector>

namespace core {

inline constexpr const char* kFontIniFile = "font.ini";
inline constexpr const char* kCabecalhoFile = "cabecalho.dat";
inline constexpr const char* kRodapeFile = "rodape.dat";

// The lines of a text file (a memo's contents): split at CR LF, lone CR or lone
// LF; a final break does not add an empty line.
std::optional<std::vector<std::string>> readLinesFile(const std::string& path);
// Writes every line followed by CR LF, in Windows-1252 (characters outside it
// become "?").
void writeLinesFile(const std::string& path, const std::vector<std::string>& lines);

struct FontSettings {
    std::string name;  // Cnomefont
    std::string size;  // Cfont
};

// The report font size as stored: the text itself when it holds a digit 0-9,
// else "8".
std::string fontSizeOrDefault(const std::string& size);

// "font.ini": line 1 the font name, line 2 the size (fontSizeOrDefault of it;
// a missing second line also gives "8"). A file without any line is treated as
// a missing one.
std::optional<FontSettings> readFontIni(const std::string& path);
// Writes the two lines: the name, and fontSizeOrDefault(size).
void writeFontIni(const std::string& path, const FontSettings& font);

// The header and footer files of the workspace folder meudir.
std::optional<std::vector<std::string>> readCabecalho(const std::string& meudir);
std::optional<std::vector<std::string>> readRodape(const std::string& meudir);
void writeCabecalho(const std::string& meudir, const std::vector<std::string>& lines);
void writeRodape(const std::string& meudir, const std::vector<std::string>& lines);
// "font.ini" of the workspace folder meudir.
std::optional<FontSettings> readWorkspaceFont(const std::string& meudir);
void writeWorkspaceFont(const std::string& meudir, const FontSettings& font);

}  // namespace core
