#include "core/tables/table_file.hpp"

#include <algorithm>
#include <climits>
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
    std::size_t pos = 0;
    for (int i = b.top; pos < size && i <= b.bottom; ++i) {
        // The next line, the position after its break, and whether it is all ASCII.
        std::size_t end = pos;
        unsigned char high = 0;
        while (end < size && data[end] != '\r' && data[end] != '\n') high |= static_cast<unsigned char>(data[end++]);
        const std::size_t lineBegin = pos;
        const std::size_t lineEnd = end;
        const bool ascii = high < 0x80;
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
        std::size_t p = lineBegin;
        for (int c = b.left; c <= b.right && p < lineEnd; ++c) {
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
