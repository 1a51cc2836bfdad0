#include "core/shell/index_viewer.hpp"

#include "core/text/dates.hpp"

namespace core {

bool indiceCellSelected(StringGrid& indice, int col, int row) {
    if (col != 0 || row < 2 || row != indice.rowCount() - 1) return false;
    const Date above = parseDate("01/" + indice.cell(0, row - 1));
    indice.setCell(0, row, formatMonth(addMonths(above, 1)));
    return true;
}

}  // namespace core
