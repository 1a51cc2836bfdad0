#include "core/workspace/settings_files.hpp"

#include <filesystem>
#include <system_error>

#include "core/text/cp1252.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/workspace/workspace.hpp"

namespace core {

namespace {

bool exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(fsPath(path), ec);
}

bool hasDigit(const std::string& s) {
    for (char c : s)
        if (c >= '0' && c <= '9') return true;
    return false;
}

}  // namespace

std::optional<std::vector<std::string>> readLinesFile(const std::string& path) {
    if (!exists(path)) return std::nullopt;
    return splitLines(decodeFileText(readFileBytes(path)));
}

void writeLinesFile(const std::string& path, const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += utf8ToCp1252(line);
        out += "\r\n";
    }
    writeFileAtomic(path, out);
}

std::string fontSizeOrDefault(const std::string& size) { return hasDigit(size) ? size : "8"; }

std::optional<FontSettings> readFontIni(const std::string& path) {
    auto lines = readLinesFile(path);
    if (!lines || lines->empty()) return std::nullopt;
    FontSettings f;
    f.name = (*lines)[0];
    f.size = fontSizeOrDefault(lines->size() > 1 ? (*lines)[1] : std::string());
    return f;
}

void writeFontIni(const std::string& path, const FontSettings& font) {
    writeLinesFile(path, {font.name, fontSizeOrDefault(font.size)});
}

std::optional<std::vector<std::string>> readCabecalho(const std::string& meudir) {
    return readLinesFile(workspaceFile(meudir, kCabecalhoFile));
}
std::optional<std::vector<std::string>> readRodape(const std::string& meudir) {
    return readLinesFile(workspaceFile(meudir, kRodapeFile));
}
void writeCabecalho(const std::string& meudir, const std::vector<std::string>& lines) {
    writeLinesFile(workspaceFile(meudir, kCabecalhoFile), lines);
}
void writeRodape(const std::string& meudir, const std::vector<std::string>& lines) {
    writeLinesFile(workspaceFile(meudir, kRodapeFile), lines);
}
std::optional<FontSettings> readWorkspaceFont(const std::string& meudir) {
    return readFontIni(workspaceFile(meudir, kFontIniFile));
}
void writeWorkspaceFont(const std::string& meudir, const FontSettings& font) {
    writeFontIni(workspaceFile(meudir, kFontIniFile), font);
}

}  // namespace core
