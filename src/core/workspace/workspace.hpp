#pragma once
// The folders of the program: the program folder, the workspace folder under
// the user's application-data folder, and the documents folder inside it.
#include <string>
#include <string_view>

namespace core {

#if defined(_WIN32)
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

struct WorkspacePaths {
    std::string meudirx2;  // program folder, with its trailing separator
    std::string meudir;    // workspace folder, no trailing separator
    std::string meusdocs;  // documents folder
};

// appData + "/Corvane/razidaro" (a trailing separator of appData is not doubled).
std::string workspaceDirFor(const std::string& appDataDir);
// The workspace folder + "/meusdocs".
std::string documentsDirFor(const std::string& appDataDir);
// The folder of an executable path, with its trailing separator ("" stays "").
std::string programDirOf(const std::string& executablePath);

// Builds the three paths and creates the documents folder, with every missing
// parent (so the workspace folder too), when it does not exist. Throws FileError
// "Não foi possível criar a pasta <path>" when it cannot be created.
WorkspacePaths openWorkspace(const std::string& appDataDir, const std::string& programDir);

// A workspace file: the workspace folder, a separator and the name.
std::string workspaceFile(const std::string& meudir, std::string_view name);
// A program-folder file: the program folder followed directly by the name.
std::string programFile(const std::string& meudirx2, std::string_view name);

}  // namespace core
