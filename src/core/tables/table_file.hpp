#pragma once
// Index table files: tab-separated text, one grid row per line, Windows-1252,
// CR LF. Also the syntax of the plan settings files.
#include <string>
#include <string_view>

#include "core/tables/string_grid.hpp"

namespace core {

struct CellRange {
    int left = -1, top = -1, right = -1, bottom = -1;  // -1: the whole grid
};

// Parses the bytes into the grid (grows one row/column at a time, never shrinks).
void CSV2Contents(std::string_view bytes, char separator, StringGrid& grid, CellRange range = {});
// Appends the grid's text to out and returns it.
std::string& Contents2CSV(std::string& out, char separator, const StringGrid& grid, CellRange range = {});

// Throws FileError when the file cannot be opened.
void LoadFromFile(const std::string& path, StringGrid& grid);
// Writes atomically; throws FileError when the file cannot be written.
void SaveToFile(const std::string& path, const StringGrid& grid);

// Removes one row (rows below move up); a row beyond the last changes nothing.
void RemoveLinha(StringGrid& grid, int row);
// Inserts a column; the given column keeps its text until overwritten.
void InsereCol(StringGrid& grid, int col);

// Reset-and-load of the index grid: every cell emptied, 2 rows x 1 column, then
// LoadFromFile.
void resetAndLoad(const std::string& path, StringGrid& grid);

}  // namespace core
