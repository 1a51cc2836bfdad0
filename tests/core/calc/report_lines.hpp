#pragma once
// Comparing a written report with its golden file line by line, for a
// readable failure.
#include <algorithm>
#include <string>
#include <vector>

namespace core::calc::report_test {

// The lines of a report file, split at CR LF only (texts holding CR LF count
// as several lines; a lone CR stays inside its line).
inline std::vector<std::string> reportLines(const std::string& bytes) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find("\r\n", pos);
        if (end == std::string::npos) end = bytes.size();
        out.push_back(bytes.substr(pos, end - pos));
        pos = end + 2;
    }
    return out;
}

// The first line where two reports differ.
inline std::string firstDifference(const std::string& actual, const std::string& expected) {
    const auto a = reportLines(actual), e = reportLines(expected);
    for (std::size_t i = 0; i < std::max(a.size(), e.size()); ++i) {
        const std::string got = i < a.size() ? a[i] : "<none>";
        const std::string want = i < e.size() ? e[i] : "<none>";
        if (got != want) return "line " + std::to_string(i + 1) + "\n  got:  " + got + "\n  want: " + want;
    }
    return "same lines, different bytes";
}

}  // namespace core::calc::report_test
