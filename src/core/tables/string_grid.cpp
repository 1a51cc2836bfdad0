#include "core/tables/string_grid.hpp"

#include <algorithm>

namespace core {

namespace {
const std::string kEmpty;
}

StringGrid::StringGrid(int colCount, int rowCount) {
    setColCount(colCount);
    setRowCount(rowCount);
}

bool StringGrid::setColCount(int n) {
    int c = std::clamp(n, 0, kMaxCols);
    cols_ = c;
    return c == n;
}

bool StringGrid::setRowCount(int n) {
    int r = std::clamp(n, 0, kMaxRows);
    rows_ = r;
    return r == n;
}

const std::string& StringGrid::emptyCell() { return kEmpty; }

std::string* StringGrid::storeCell(int col, int row) {
    if (row < 0 || col < 0 || row >= kMaxRows || col >= kMaxCols) return nullptr;
    // Room for the visible rows at once (a row without cells takes a few bytes),
    // grown at least geometrically as rows are often added one by one. Cells
    // are stored only up to the last one written, with room for at most twice
    // as many (and no more than the visible columns), so that memory follows
    // what was written and not the counts a damaged file may claim.
    if (row >= static_cast<int>(cells_.size())) {
        const std::size_t want = static_cast<std::size_t>(std::max(row + 1, rows_));
        if (cells_.capacity() < want) cells_.reserve(std::max(want, 2 * cells_.capacity()));
        cells_.resize(row + 1);
    }
    auto& cells = cells_[row];
    const std::size_t need = static_cast<std::size_t>(col) + 1;
    if (cells.size() < need) {
        if (cells.capacity() < need) {
            const std::size_t room = std::max({need, 2 * cells.capacity(), std::size_t{8}});
            cells.reserve(std::min(room, std::max(need, static_cast<std::size_t>(cols_))));
        }
        if (cells.size() + 1 == need)
            cells.emplace_back();
        else
            cells.resize(need);
    }
    return &cells[col];
}

void StringGrid::setCell(int col, int row, std::string&& text) {
    if (row >= 0 && col >= 0 && row < static_cast<int>(cells_.size()) &&
        col < static_cast<int>(cells_[row].size())) {
        cells_[row][col] = std::move(text);
        return;
    }
    // An empty text outside the stored cells changes nothing.
    if (text.empty()) return;
    if (std::string* cell = storeCell(col, row)) *cell = std::move(text);
}

void StringGrid::assignCell(int col, int row, std::string_view text) {
    if (row >= 0 && col >= 0 && row < static_cast<int>(cells_.size()) &&
        col < static_cast<int>(cells_[row].size())) {
        cells_[row][col].assign(text);
        return;
    }
    if (text.empty()) return;
    // The text may be a cell of this grid, which growing the row would move:
    // it is copied first.
    std::string copy(text);
    if (std::string* cell = storeCell(col, row)) *cell = std::move(copy);
}

void StringGrid::reserveRow(int row, int cells) {
    if (row < 0 || row >= kMaxRows || cells <= 0) return;
    if (row >= static_cast<int>(cells_.size())) {
        const std::size_t want = static_cast<std::size_t>(std::max(row + 1, rows_));
        if (cells_.capacity() < want) cells_.reserve(std::max(want, 2 * cells_.capacity()));
        cells_.resize(row + 1);
    }
    cells_[row].reserve(static_cast<std::size_t>(std::min(cells, kMaxCols)));
}

std::vector<std::string> StringGrid::row(int r) const {
    std::vector<std::string> out;
    out.reserve(cols_);
    for (int c = 0; c < cols_; ++c) out.push_back(cell(c, r));
    return out;
}

void StringGrid::setRow(int r, const std::vector<std::string>& cells) {
    for (int c = 0; c < static_cast<int>(cells.size()); ++c) setCell(c, r, cells[c]);
}

void StringGrid::clearRow(int r) {
    if (r < 0 || r >= static_cast<int>(cells_.size())) return;
    auto& cells = cells_[r];
    const std::size_t n = std::min(cells.size(), static_cast<std::size_t>(cols_));
    for (std::size_t c = 0; c < n; ++c) cells[c].clear();
}

void StringGrid::swapRows(int a, int b) {
    if (a < 0 || b < 0 || a >= kMaxRows || b >= kMaxRows || a == b) return;
    int need = std::max(a, b) + 1;
    if (static_cast<int>(cells_.size()) < need) cells_.resize(need);
    std::swap(cells_[a], cells_[b]);
}

void StringGrid::clearAll() {
    for (auto& cells : cells_)
        for (auto& c : cells) c.clear();
}

bool StringGrid::operator==(const StringGrid& other) const {
    if (cols_ != other.cols_ || rows_ != other.rows_) return false;
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < cols_; ++c)
            if (cell(c, r) != other.cell(c, r)) return false;
    return true;
}

}  // namespace core
