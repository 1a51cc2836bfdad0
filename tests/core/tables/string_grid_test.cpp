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

TEST(StringGrid, AssignCellActsAsSetCell) {
    struct Case {
        int col, row;
        const char* text;
        const char* readBack;
    } cases[] = {
        {0, 0, "a", "a"},
        {4, 6, "beyond the counts", "beyond the counts"},  // stored, hidden until shown
        {1, 1, "", ""},
        {-1, 0, "x", ""},
        {0, StringGrid::kMaxRows, "x", ""},
        {StringGrid::kMaxCols, 0, "x", ""},
    };
    for (const Case& c : cases) {
        StringGrid viaAssign(2, 2), viaSet(2, 2);
        viaAssign.assignCell(c.col, c.row, c.text);
        viaSet.setCell(c.col, c.row, c.text);
        EXPECT_EQ(viaAssign.cell(c.col, c.row), c.readBack) << c.col << "," << c.row;
        viaAssign.setRowCount(10);
        viaAssign.setColCount(10);
        viaSet.setRowCount(10);
        viaSet.setColCount(10);
        EXPECT_TRUE(viaAssign == viaSet) << c.col << "," << c.row;
    }
    // Overwriting a long text with a short one and back.
    StringGrid g(1, 1);
    g.assignCell(0, 0, std::string(100, 'x'));
    g.assignCell(0, 0, "y");
    EXPECT_EQ(g.cell(0, 0), "y");
}

// Copying a cell into a cell of the same grid that is not stored yet grows
// the storage the source lives in.
TEST(StringGrid, CellCopiedWithinTheGridWhileItGrows) {
    StringGrid g(1, 1);
    g.setCell(0, 0, "curto");
    g.setCell(1, 0, std::string(40, 'l'));
    for (int c = 2; c < 40; ++c) g.setCell(c, 0, g.cell(c % 2, 0));  // same row
    for (int r = 1; r < 40; ++r) g.setCell(0, r, g.cell(0, r - 1));  // rows below
    EXPECT_EQ(g.cell(38, 0), "curto");
    EXPECT_EQ(g.cell(39, 0), std::string(40, 'l'));
    EXPECT_EQ(g.cell(0, 39), "curto");
    g.assignCell(50, 0, g.cell(1, 0));
    EXPECT_EQ(g.cell(50, 0), std::string(40, 'l'));
}

TEST(StringGrid, ClearRowEmptiesOnlyTheVisibleCells) {
    StringGrid g(2, 3);
    g.setRow(1, {"a", "b", "hidden"});
    g.setRow(2, {"c", "d"});
    g.clearRow(1);
    g.clearRow(7);  // never stored
    EXPECT_EQ(g.row(1), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(g.cell(2, 1), "hidden");
    EXPECT_EQ(g.row(2), (std::vector<std::string>{"c", "d"}));
}

}  // namespace
}  // namespace core
