#pragma once
// The hidden plain-text buffer in which reports and working copies are built.
//
// Every added text becomes one line of the saved file: saving writes each text
// followed by CR LF, so a text that itself holds CR LF pairs spans several
// lines of the file. Texts are UTF-8; the file is Windows-1252.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace core {

class ReportBuffer {
public:
    ReportBuffer() = default;
    explicit ReportBuffer(std::vector<std::string> texts) : texts_(std::move(texts)) {}

    void clear() { texts_.clear(); }
    void add(std::string text) { texts_.push_back(std::move(text)); }
    void add(const std::vector<std::string>& texts);

    const std::vector<std::string>& texts() const { return texts_; }
    // Hands the texts over, leaving the buffer empty.
    std::vector<std::string> release() { return std::exchange(texts_, {}); }
    bool empty() const { return texts_.empty(); }

    // The texts joined, each followed by CR LF (UTF-8).
    std::string text() const;
    // The file contents: text() converted to Windows-1252.
    std::string bytes() const;
    // Writes bytes() to the file atomically as a working file
    // (Durability::Working): a failed write leaves an earlier file untouched.
    // Throws FileError.
    void saveToFile(const std::string& path) const;

private:
    std::vector<std::string> texts_;
};

}  // namespace core
