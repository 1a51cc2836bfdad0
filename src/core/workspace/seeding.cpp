#include "core/workspace/seeding.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/text/errors.hpp"
#include "core/workspace/atomic_file.hpp"

namespace fs = std::filesystem;

namespace core {

namespace {

std::string utf8Of(const fs::path& p) {
    std::u8string s = p.generic_u8string();
    return std::string(s.begin(), s.end());
}

void ensureDir(const fs::path& dir) {
    std::error_code ec;
    if (fs::is_directory(dir, ec)) return;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir, ec)) throw FileError("Não foi possível criar a pasta " + utf8Of(dir));
}

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

// Copies source to target unless target is there; true when it copied.
bool copyIfMissing(const fs::path& source, const fs::path& target) {
    if (present(target)) return false;
    ensureDir(target.parent_path());
    writeFileAtomic(utf8Of(target), readFileBytes(utf8Of(source)));
    return true;
}

}  // namespace

std::vector<std::string> seedWorkspace(const std::string& dataDir, const std::string& workspaceDir) {
    const fs::path data = fsPath(dataDir);
    const fs::path work = fsPath(workspaceDir);
    ensureDir(work);

    std::vector<std::string> created;
    std::error_code ec;
    if (fs::is_directory(data, ec)) {
        std::vector<fs::path> files;
        for (auto it = fs::recursive_directory_iterator(data, ec); !ec && it != fs::recursive_directory_iterator();
             it.increment(ec)) {
            std::error_code fec;
            if (it->is_regular_file(fec)) files.push_back(it->path().lexically_relative(data));
        }
        if (ec) throw FileError("Não foi possível ler a pasta " + dataDir);
        std::sort(files.begin(), files.end());
        for (const auto& rel : files)
            if (copyIfMissing(data / rel, work / rel)) created.push_back(utf8Of(rel));
    }

    const std::pair<const char*, const char*> defaults[] = {{"planos2.ini", "planos.ini"},
                                                            {"indice2.ini", "indice.ini"}};
    for (const auto& [from, to] : defaults) {
        if (fs::is_regular_file(work / from, ec) && copyIfMissing(work / from, work / to))
            created.push_back(to);
    }
    return created;
}

}  // namespace core
