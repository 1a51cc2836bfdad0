#pragma once
// Whole-file reads and atomic whole-file writes. Paths are UTF-8 text.
#include <filesystem>
#include <string>
#include <string_view>

namespace core {

// The filesystem path of a UTF-8 path text.
std::filesystem::path fsPath(const std::string& utf8Path);

// True when a regular file (or a link to one) exists at the path.
bool fileExists(const std::string& path);

// The whole contents of a file. Throws FileError
// "Não foi possível abrir o arquivo <path>" when it cannot be opened or read
// (missing, a folder, no permission).
std::string readFileBytes(const std::string& path);

// Writes the bytes to a temporary file in the same folder, flushes it to disk
// and renames it over the path, so the path holds either the old contents or
// the new ones, never a part. Throws FileError
// "Não foi possível gravar o arquivo <path>" when any step fails; the
// temporary file is then removed and the old file is left as it was.
void writeFileAtomic(const std::string& path, std::string_view bytes);

}  // namespace core
