#include "core/workspace/atomic_file.hpp"

#include <atomic>
#include <cstdio>
#include <random>
#include <system_error>

#include "core/text/errors.hpp"

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace core {

namespace {

std::FILE* openFile(const std::filesystem::path& p, const char* mode) {
#if defined(_WIN32)
    std::wstring wmode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(p.c_str(), wmode.c_str());
#else
    return std::fopen(p.c_str(), mode);
#endif
}

bool flushToDisk(std::FILE* f) {
    if (std::fflush(f) != 0) return false;
#if defined(_WIN32)
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0;
#endif
}

// A name for the temporary file beside the target, unlikely to collide.
std::filesystem::path tempPathFor(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    std::filesystem::path p = target;
    p += ".tmp" + std::to_string(seed) + "-" + std::to_string(counter++);
    return p;
}

}  // namespace

std::filesystem::path fsPath(const std::string& utf8Path) {
    return std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end()));
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(fsPath(path), ec);
}

std::string readFileBytes(const std::string& path) {
    const std::string message = "Não foi possível abrir o arquivo " + path;
    std::filesystem::path p = fsPath(path);
    std::error_code ec;
    if (std::filesystem::is_directory(p, ec)) throw FileError(message);
    std::FILE* f = openFile(p, "rb");
    if (!f) throw FileError(message);
    std::string out;
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) throw FileError(message);
    return out;
}

void writeFileAtomic(const std::string& path, std::string_view bytes) {
    const std::string message = "Não foi possível gravar o arquivo " + path;
    std::filesystem::path target = fsPath(path);
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) throw FileError(message);

    std::filesystem::path temp;
    std::FILE* f = nullptr;
    for (int attempt = 0; attempt < 8 && !f; ++attempt) {
        temp = tempPathFor(target);
        f = openFile(temp, "wbx");  // exclusive: never reuse someone else's file
    }
    if (!f) throw FileError(message);

    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = ok && flushToDisk(f);
    ok = (std::fclose(f) == 0) && ok;
    if (ok) {
        std::filesystem::rename(temp, target, ec);
        ok = !ec;
    }
    if (!ok) {
        std::filesystem::remove(temp, ec);
        throw FileError(message);
    }
}

}  // namespace core
