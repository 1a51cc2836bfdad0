#pragma once
// A grid of text cells addressed as cell(col, row), row 0 being the header row.
//
// Cells live beyond the visible row and column counts: lowering a count hides
// cells, raising it again shows them as they were. A cell outside what was ever
// stored reads as empty. Setting a cell outside the counts stores it without
// changing the counts.
#include <string>
#include <string_view>
#include <vector>

namespace core {

class StringGrid {
public:
    // Grids are capped so that a damaged file cannot exhaust memory.
    static constexpr int kMaxRows = 100000;
    static constexpr int kMaxCols = 1000;

    StringGrid() = default;
    StringGrid(int colCount, int rowCount);

    int colCount() const { return cols_; }
    int rowCount() const { return rows_; }
    // Counts are clamped to 0..kMax*; returns false when the request was clamped.
    bool setColCount(int n);
    bool setRowCount(int n);

    const std::string& cell(int col, int row) const {
        if (row >= 0 && row < static_cast<int>(cells_.size())) {
            const auto& cells = cells_[static_cast<std::size_t>(row)];
            if (col >= 0 && col < static_cast<int>(cells.size())) return cells[static_cast<std::size_t>(col)];
        }
        return emptyCell();
    }
    void setCell(int col, int row, std::string&& text);
    // A text kept elsewhere is copied into the cell's own storage (no temporary).
    void setCell(int col, int row, const std::string& text) { assignCell(col, row, text); }
    // As setCell, for any text.
    void assignCell(int col, int row, std::string_view text);
    // Room for the first `cells` cells of a row about to be filled (capped at
    // kMaxCols); what the grid reads does not change.
    void reserveRow(int row, int cells);

    // The colCount() visible cells of a row.
    std::vector<std::string> row(int r) const;
    // Sets the first cells of a row from the list (cells right of it keep their text).
    void setRow(int r, const std::vector<std::string>& cells);
    // Empties the visible cells of a row.
    void clearRow(int r);
    // Exchanges two whole rows (stored cells included).
    void swapRows(int a, int b);

    // Every stored cell, visible or hidden, is emptied; counts stay.
    void clearAll();

    bool operator==(const StringGrid& other) const;

private:
    static const std::string& emptyCell();
    // The stored cell, created when missing; nullptr when it lies outside the caps.
    std::string* storeCell(int col, int row);

    int cols_ = 0;
    int rows_ = 0;
    std::vector<std::vector<std::string>> cells_;  // cells_[row][col]
};

}  // namespace core
