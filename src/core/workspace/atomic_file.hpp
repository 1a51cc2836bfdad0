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

// How long a written file must wait for the disk.
enum class Durability {
    // Flushed to disk before the rename: after a crash of the program or of the
    // whole system the path holds the old contents or the new ones. For what
    // the user saves or cannot have again: projects, tables, settings, copies
    // to a file the user chose.
    Flushed,
    // Renamed as soon as the temporary file is complete, without waiting for
    // the disk: a crash of the program still leaves the old contents or the new
    // ones, never a part; only a failure of the system itself (power cut, kernel
    // crash) before the disk caught up may lose the new contents. For the
    // working files a calculation writes every time it is finished (its report
    // and the backup of the last calculation), which finishing it again
    // writes anew.
    Working,
};

// Writes the bytes to a temporary file in the same folder and renames it over
// the path, so the path holds either the old contents or the new ones, never a
// part; with Durability::Flushed the temporary file is flushed to disk before
// the rename. Throws FileError "Não foi possível gravar o arquivo <path>" when
// any step fails; the temporary file is then removed and the old file is left
// as it was.
void writeFileAtomic(const std::string& path, std::string_view bytes,
                     Durability durability = Durability::Flushed);

}  // namespace core
