#include "core/tables/table_file.hpp"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>

#include "core/text/cp1252.hpp"
#include "core/text/errors.hpp"
#include "core/workspace/atomic_file.hpp"

namespace core {

namespace {

struct Bounds {
    int left, top, right, bottom;  // inclusive; INT_MAX for no limit
};

Bounds normalise(CellRange r) {
    Bounds b{std::max(r.left, 0), std::max(r.top, 0), r.right, r.bottom};
    if (b.right < b.left) b.right = INT_MAX;
    if (b.bottom < b.top) b.bottom = INT_MAX;
    return b;
}

// The end of the line that starts at pos (its first CR or LF, or the end of
// the text), and whether the line is all ASCII. Eight bytes at a time while
// none of them is a CR or a LF.
std::size_t lineEndOf(const char* data, std::size_t size, std::size_t pos, bool& ascii) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    std::uint64_t high = 0;
    std::size_t i = pos;
    while (i + 8 <= size) {
        std::uint64_t w;
        std::memcpy(&w, data + i, 8);
        const std::uint64_t cr = w ^ (kOnes * '\r');
        const std::uint64_t lf = w ^ (kOnes * '\n');
        // Non-zero exactly when some byte of cr or lf is zero.
        if ((((cr - kOnes) & ~cr) | ((lf - kOnes) & ~lf)) & kHighs) break;
        high |= w;
        i += 8;
    }
    unsigned char tail = 0;
    while (i < size && data[i] != '\r' && data[i] != '\n') tail |= static_cast<unsigned char>(data[i++]);
    ascii = (high & kHighs) == 0 && tail < 0x80;
    return i;
}

}  // namespace

bool CSV2Contents(std::string_view bytes, char separator, StringGrid& grid, CellRange range) {
    const Bounds b = normalise(range);

    // The whole text in the code page: a marked file is decoded and converted
    // (characters outside become "?"); unmarked bytes already are Windows-1252.
    std::string converted;
    std::string_view text = bytes;
    if (hasByteOrderMark(bytes)) {
        converted = utf8ToCp1252(decodeFileText(bytes));
        text = converted;
    }

    const char* const data = text.data();
    const std::size_t size = text.size();
    std::string scratch;
    int previousCells = 0;
    std::size_t pos = 0;
    for (int i = b.top; pos < size && i <= b.bottom; ++i) {
        // The next line, the position after its break, and whether it is all ASCII.
        bool ascii = true;
        const std::size_t end = lineEndOf(data, size, pos, ascii);
        const std::size_t lineBegin = pos;
        const std::size_t lineEnd = end;
        pos = end;
        if (pos < size) {
            if (data[pos] == '\r' && pos + 1 < size && data[pos + 1] == '\n') ++pos;
            ++pos;
        }

        if (i >= StringGrid::kMaxRows) return false;
        if (i >= grid.rowCount()) {
            if (grid.rowCount() >= StringGrid::kMaxRows) return false;
            grid.setRowCount(grid.rowCount() + 1);
        }

        // A cell is taken while text remains on the line; it runs to the next
        // separator or the end of the line.
        // Tables are rectangular: the row gets room for as many cells as the
        // line before had.
        if (lineEnd > lineBegin && previousCells > 0) grid.reserveRow(i, b.left + previousCells);
        std::size_t p = lineBegin;
        int c = b.left;
        for (; c <= b.right && p < lineEnd; ++c) {
            if (c >= StringGrid::kMaxCols) return false;
            if (c >= grid.colCount()) {
                if (grid.colCount() >= StringGrid::kMaxCols) return false;
                grid.setColCount(grid.colCount() + 1);
            }
            const void* sep = std::memchr(data + p, separator, lineEnd - p);
            const std::size_t q = sep ? static_cast<std::size_t>(static_cast<const char*>(sep) - data) : lineEnd;
            const std::string_view cell(data + p, q - p);
            if (ascii) {
                grid.assignCell(c, i, cell);
            } else {
                scratch.clear();
                appendCp1252ToUtf8(scratch, cell);
                grid.assignCell(c, i, scratch);
            }
            p = q + 1;
        }
        previousCells = c - b.left;
    }
    return true;
}

std::string& Contents2CSV(std::string& out, char separator, const StringGrid& grid, CellRange range) {
    Bounds b = normalise(range);
    b.right = std::min(b.right, grid.colCount() - 1);
    b.bottom = std::min(b.bottom, grid.rowCount() - 1);
    for (int r = b.top; r <= b.bottom; ++r) {
        for (int c = b.left; c <= b.right; ++c) {
            const std::size_t from = out.size();
            appendUtf8ToCp1252(out, grid.cell(c, r));
            for (std::size_t k = from; k < out.size(); ++k) {
                char& ch = out[k];
                if (ch == separator || ch == '\r' || ch == '\n') ch = ' ';
            }
            out += separator;
        }
        out += "\r\n";
    }
    return out;
}

void LoadFromFile(const std::string& path, StringGrid& grid) {
    const std::string bytes = readFileBytes(path);
    StringGrid loaded = grid;
    if (!CSV2Contents(bytes, '\t', loaded))
        throw FileError("O arquivo " + path + " excede o tamanho máximo de uma tabela.");
    grid = std::move(loaded);
}

void SaveToFile(const std::string& path, const StringGrid& grid) {
    std::string out;
    Contents2CSV(out, '\t', grid);
    writeFileAtomic(path, out);
}

void RemoveLinha(StringGrid& grid, int row) {
    if (row < 0 || row >= grid.rowCount()) return;
    for (int r = row; r < grid.rowCount() - 1; ++r)
        for (int c = 0; c < grid.colCount(); ++c) grid.setCell(c, r, grid.cell(c, r + 1));
    grid.setRowCount(grid.rowCount() - 1);
}

void InsereCol(StringGrid& grid, int col) {
    if (col < 0 || grid.colCount() >= StringGrid::kMaxCols) return;
    grid.setColCount(grid.colCount() + 1);
    for (int c = grid.colCount() - 2; c >= col; --c)
        for (int r = 0; r < grid.rowCount(); ++r) grid.setCell(c + 1, r, grid.cell(c, r));
}

void resetAndLoad(const std::string& path, StringGrid& grid) {
    grid.clearAll();
    grid.setRowCount(2);
    grid.setColCount(1);
    LoadFromFile(path, grid);
}

}  // namespace core
