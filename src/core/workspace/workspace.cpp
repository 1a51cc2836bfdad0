#include "core/workspace/workspace.hpp"

#include <filesystem>
#include <system_error>

#include "core/text/errors.hpp"
#include "core/workspace/atomic_file.hpp"

namespace core {

namespace {

bool isSeparator(char c) { return c == '/' || c == kPathSeparator; }

std::string join(std::string dir, std::string_view name) {
    if (dir.empty() || !isSeparator(dir.back())) dir += kPathSeparator;
    dir += name;
    return dir;
}

}  // namespace

std::string workspaceDirFor(const std::string& appDataDir) {
    return join(join(appDataDir, "Corvane"), "razidaro");
}

std::string documentsDirFor(const std::string& appDataDir) {
    return workspaceFile(workspaceDirFor(appDataDir), "meusdocs");
}

std::string programDirOf(const std::string& executablePath) {
    std::size_t i = executablePath.size();
    while (i > 0 && !isSeparator(executablePath[i - 1])) --i;
    return executablePath.substr(0, i);
}

WorkspacePaths openWorkspace(const std::string& appDataDir, const std::string& programDir) {
    WorkspacePaths p;
    p.meudirx2 = programDir;
    if (!p.meudirx2.empty() && !isSeparator(p.meudirx2.back())) p.meudirx2 += kPathSeparator;
    p.meudir = workspaceDirFor(appDataDir);
    p.meusdocs = documentsDirFor(appDataDir);

    std::filesystem::path docs = fsPath(p.meusdocs);
    std::error_code ec;
    if (!std::filesystem::is_directory(docs, ec)) {
        std::filesystem::create_directories(docs, ec);
        if (ec || !std::filesystem::is_directory(docs, ec))
            throw FileError("Não foi possível criar a pasta " + p.meusdocs);
    }
    return p;
}

std::string workspaceFile(const std::string& meudir, std::string_view name) {
    std::string out = meudir;
    out += kPathSeparator;
    out += name;
    return out;
}

std::string programFile(const std::string& meudirx2, std::string_view name) {
    return meudirx2 + std::string(name);
}

}  // namespace core
