#pragma once
// The "Índice" page of the main window: the index grid shown read-only, with
// one rewrite when a cell is selected.
#include "core/tables/string_grid.hpp"

namespace core {

// Selecting cell (col, row) of the index grid. In column 0 of the last row,
// when that row is row 2 or later, the cell becomes the month after the month
// of the row above ("mm/yyyy"); returns true then. Any other selection changes
// nothing and returns false. Throws ConversionError
// "'01/<text>' não é uma data válida" when the month above is not a valid
// "mm/yyyy" text; the cell is then unchanged.
bool indiceCellSelected(StringGrid& indice, int col, int row);

}  // namespace core
