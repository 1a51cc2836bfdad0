#include "core/report/report_buffer.hpp"

#include "core/text/cp1252.hpp"
#include "core/workspace/atomic_file.hpp"

namespace core {

void ReportBuffer::add(const std::vector<std::string>& texts) {
    texts_.insert(texts_.end(), texts.begin(), texts.end());
}

std::string ReportBuffer::text() const {
    std::size_t size = 0;
    for (const auto& t : texts_) size += t.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto& t : texts_) {
        out += t;
        out += "\r\n";
    }
    return out;
}

// Converted text by text: the CR LF between two texts is ASCII and ends any
// UTF-8 sequence, so the result is that of converting text() whole.
std::string ReportBuffer::bytes() const { return utf8LinesToCp1252(texts_); }

// A report is a working file: every "Finalizar" writes it anew from the
// calculation, so it does not wait for the disk (see Durability::Working).
void ReportBuffer::saveToFile(const std::string& path) const {
    writeFileAtomic(path, bytes(), Durability::Working);
}

}  // namespace core
