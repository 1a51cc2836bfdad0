#pragma once
// Comma text: the list-to-text form in which grid rows and memo lines are stored
// in the calculation records, the project file and the FGTS interest files.
//
// "Blank" below means any character of code 0 to 32 (space and the control
// characters), as the stored files have always treated them.
#include <string>
#include <string_view>
#include <vector>

#include "core/tables/string_grid.hpp"

namespace core {

// Items joined by ","; an item holding a blank, a comma or a double quote is
// quoted (inner quotes doubled); an empty item is written as nothing; a list of
// exactly one empty item is written as "" (two double quotes); no items give an
// empty text.
std::string toCommaText(const std::vector<std::string>& items);
// The same text appended to `out`: of the items, and of the visible cells of a
// grid row (as toCommaText(grid.row(r))).
void appendCommaText(std::string& out, const std::vector<std::string>& items);
void appendCommaText(std::string& out, const StringGrid& grid, int r);

// Splits comma text into items, exactly as the stored files are read:
// - blanks before an item are skipped;
// - an item beginning with a double quote runs to the closing quote, doubled
//   quotes inside standing for one quote (an unclosed quote takes the rest of
//   the text);
// - any other item runs up to the next comma or blank;
// - after an item, blanks are skipped and one comma is consumed together with
//   the blanks after it; a comma that ends the text gives a final empty item.
// So "a,,b" is a, "", b; "a b" is a, b; "a," is a, ""; "" is no item; `""` is
// one empty item. Empty items stay empty here (memo lines keep them so).
std::vector<std::string> fromCommaText(std::string_view text);

// Refills grid row r: its visible cells are emptied, then the items fill them
// from the left, an empty item filling its cell with a single blank (so that
// the next item takes the next cell); items beyond the last column are dropped.
// Cells beyond the column count keep their text.
void fillRowFromCommaText(StringGrid& grid, int r, std::string_view text);

// Memo lines from comma text: one line per item, empty items as empty lines.
void fillLinesFromCommaText(std::vector<std::string>& lines, std::string_view text);

}  // namespace core
