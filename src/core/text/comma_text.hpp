#pragma once
// Comma text: the list-to-text form in which grid rows and memo lines are stored
// in the calculation records and the project file.
#include <string>
#include <string_view>
#include <vector>

#include "core/tables/string_grid.hpp"

namespace core {

// Items joined by ","; an item holding a blank, a control character, a comma or
// a double quote is quoted (inner quotes doubled); an empty item is written as
// nothing; a list of exactly one empty item is written as "".
std::string toCommaText(const std::vector<std::string>& items);

// Splits comma text into items: at commas and, outside quotes, at blanks and
// control characters; quotes removed, doubled quotes undone; an empty item
// reads as a single blank.
std::vector<std::string> fromCommaText(std::string_view text);

// Refills grid row r: its visible cells are emptied, then the items fill them
// from the left; items beyond the last column are dropped.
void fillRowFromCommaText(StringGrid& grid, int r, std::string_view text);

}  // namespace core
