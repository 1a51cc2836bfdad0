#include "core/workspace/atomic_file.hpp"

#include <atomic>
#include <cstdio>
#include <random>
#include <system_error>

#include "core/text/errors.hpp"

#if defined(_WIN32)
#include <io.h>
#else
#include <cerrno>
#include <fcntl.h>
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

// The temporary file of an atomic write, written with one system call where
// the platform allows (no stdio buffer in between).
class TempFile {
public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() { close(); }

    bool open() const {
#if defined(_WIN32)
        return f_ != nullptr;
#else
        return fd_ >= 0;
#endif
    }

    void create(const std::filesystem::path& p) {
#if defined(_WIN32)
        f_ = openFile(p, "wbx");
#else
        fd_ = ::open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
#endif
    }

    bool write(std::string_view bytes) {
#if defined(_WIN32)
        return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f_) == bytes.size();
#else
        const char* p = bytes.data();
        std::size_t left = bytes.size();
        while (left > 0) {
            const ssize_t n = ::write(fd_, p, left);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            p += n;
            left -= static_cast<std::size_t>(n);
        }
        return true;
#endif
    }

    bool flushToDisk() {
#if defined(_WIN32)
        return std::fflush(f_) == 0 && _commit(_fileno(f_)) == 0;
#else
        return fsync(fd_) == 0;
#endif
    }

    // True when everything written reached the file.
    bool close() {
#if defined(_WIN32)
        if (!f_) return true;
        const bool ok = std::fclose(f_) == 0;
        f_ = nullptr;
#else
        if (fd_ < 0) return true;
        const bool ok = ::close(fd_) == 0;
        fd_ = -1;
#endif
        return ok;
    }

private:
#if defined(_WIN32)
    std::FILE* f_ = nullptr;
#else
    int fd_ = -1;
#endif
};

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

void writeFileAtomic(const std::string& path, std::string_view bytes, Durability durability) {
    const std::string message = "Não foi possível gravar o arquivo " + path;
    std::filesystem::path target = fsPath(path);
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) throw FileError(message);

    std::filesystem::path temp;
    TempFile f;
    for (int attempt = 0; attempt < 8 && !f.open(); ++attempt) {
        temp = tempPathFor(target);
        f.create(temp);  // exclusive: never reuse someone else's file
    }
    if (!f.open()) throw FileError(message);

    bool ok = f.write(bytes);
    // The rename is what makes the new contents visible, so a crash of the
    // program can never show part of them. Waiting for the disk as well is
    // what keeps them through a failure of the system; working files skip
    // that wait (see Durability).
    if (durability == Durability::Flushed) ok = ok && f.flushToDisk();
    ok = f.close() && ok;
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
