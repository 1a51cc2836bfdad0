#include "core/tables/string_grid.hpp"

#include <gtest/gtest.h>

namespace core {
namespace {

TEST(StringGrid, HiddenCellsSurviveCountChanges) {
    StringGrid g(3, 4);
    g.setCell(2, 3, "x");
    g.setRowCount(2);
    EXPECT_EQ(g.rowCount(), 2);
    g.setRowCount(5);
    EXPECT_EQ(g.cell(2, 3), "x");
    EXPECT_EQ(g.cell(9, 99), "");
    EXPECT_EQ(g.cell(-1, 0), "");
}

TEST(StringGrid, RowIsVisibleCellsOnly) {
    StringGrid g(2, 2);
    g.setRow(1, {"a", "b", "c"});
    EXPECT_EQ(g.row(1), (std::vector<std::string>{"a", "b"}));
    g.setColCount(3);
    EXPECT_EQ(g.row(1), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(StringGrid, CountsAreCapped) {
    StringGrid g;
    EXPECT_FALSE(g.setRowCount(StringGrid::kMaxRows + 1));
    EXPECT_EQ(g.rowCount(), StringGrid::kMaxRows);
    EXPECT_FALSE(g.setColCount(-3));
    EXPECT_EQ(g.colCount(), 0);
}

TEST(StringGrid, SwapRowsMovesStoredCells) {
    StringGrid g(1, 3);
    g.setCell(0, 1, "one");
    g.setCell(0, 2, "two");
    g.swapRows(1, 2);
    EXPECT_EQ(g.cell(0, 1), "two");
    EXPECT_EQ(g.cell(0, 2), "one");
}

}  // namespace
}  // namespace core
