#pragma once
// Index table files: tab-separated text, one grid row per line, Windows-1252,
// CR LF. Also the syntax of the plan settings files.
//
// Grid cells hold UTF-8 text; the files hold Windows-1252 bytes. Reading and
// writing both pass every cell through the code page, so a character outside
// it becomes "?".
#include <string>
#include <string_view>

#include "core/tables/string_grid.hpp"

namespace core {

struct CellRange {
    int left = -1, top = -1, right = -1, bottom = -1;  // -1: the whole grid
};

// Parses the bytes into the grid. A negative left or top becomes 0; a right
// below the left or a bottom below the top means no limit. A byte-order mark
// selects the file's encoding; otherwise the bytes are Windows-1252. Lines end
// at CR LF, a lone CR or a lone LF. Line j fills row top + j; an empty line
// fills nothing but still advances the row. The row count grows by one when a
// line reaches it and the column count by one when a cell reaches it; the grid
// never shrinks and cells not named by the file keep their text. A cell runs to
// the next separator or the end of the line, so "a<TAB>b<TAB>" and "a<TAB>b"
// both give "a" and "b", and "a<TAB><TAB>" gives "a" and "".
// Returns false when the file needs more rows or columns than a grid can hold
// (StringGrid::kMaxRows/kMaxCols): reading then stops at the cap, keeping what
// was read.
bool CSV2Contents(std::string_view bytes, char separator, StringGrid& grid, CellRange range = {});

// Appends the grid's text to out and returns it: for every row of the range, each
// cell converted to Windows-1252 followed by one separator, then CR LF. A
// separator, CR or LF inside a cell is written as a blank so that the file
// keeps its rows and columns.
std::string& Contents2CSV(std::string& out, char separator, const StringGrid& grid, CellRange range = {});

// Reads the whole file into the grid with CSV2Contents (tab, whole grid).
// Throws FileError "Não foi possível abrir o arquivo <path>" when the file cannot
// be opened or read, and FileError
// "O arquivo <path> excede o tamanho máximo de uma tabela." when it needs a grid
// larger than the caps; in both cases the grid is left as it was.
void LoadFromFile(const std::string& path, StringGrid& grid);
// Writes the whole grid with Contents2CSV (tab) atomically, replacing the file;
// throws FileError "Não foi possível gravar o arquivo <path>" when it cannot.
void SaveToFile(const std::string& path, const StringGrid& grid);

// Removes one row: the visible cells of every row below it move one row up and
// the row count drops by one. A row beyond the last (or negative) changes
// nothing.
void RemoveLinha(StringGrid& grid, int row);
// Inserts a column: the column count grows by one and the visible cells of every
// column from the given one to the old last move one column right. The given
// column keeps its text until overwritten. A negative column, or a grid already
// at kMaxCols columns, changes nothing.
void InsereCol(StringGrid& grid, int col);

// Reset-and-load of the index grid: every cell emptied (hidden ones too),
// 2 rows x 1 column, then LoadFromFile. Throws as LoadFromFile; the grid is then
// left reset.
void resetAndLoad(const std::string& path, StringGrid& grid);

}  // namespace core
