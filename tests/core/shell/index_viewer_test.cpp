#include <gtest/gtest.h>

#include "core/shell/index_viewer.hpp"
#include "core/text/errors.hpp"

namespace core {
namespace {

StringGrid monthsGrid(std::vector<std::string> months) {
    StringGrid g(3, static_cast<int>(months.size()) + 1);
    g.setCell(0, 0, "Mês");
    for (size_t i = 0; i < months.size(); ++i) {
        g.setCell(0, static_cast<int>(i) + 1, months[i]);
        g.setCell(1, static_cast<int>(i) + 1, "1,0");
    }
    return g;
}

TEST(IndexViewer, SelectingTheLastMonthWritesTheMonthAfterTheRowAbove) {
    struct Case {
        std::vector<std::string> months;
        int col, row;
        bool changed;
        std::string last;
    };
    const Case cases[] = {
        {{"11/2009", "12/2009"}, 0, 2, true, "12/2009"},
        {{"12/2009", ""}, 0, 2, true, "01/2010"},
        {{"12/2009", "xx"}, 0, 2, true, "01/2010"},
        {{"10/2009", "11/2009", "05/1990"}, 0, 3, true, "12/2009"},
        {{"11/2009", ""}, 1, 2, false, ""},        // not column 0
        {{"10/2009", "11/2009", ""}, 0, 2, false, ""},  // not the last row
        {{"11/2009"}, 0, 1, false, "11/2009"},      // only one data row
    };
    for (const Case& c : cases) {
        StringGrid g = monthsGrid(c.months);
        const std::string before = g.cell(0, g.rowCount() - 1);
        EXPECT_EQ(indiceCellSelected(g, c.col, c.row), c.changed);
        EXPECT_EQ(g.cell(0, g.rowCount() - 1), c.changed ? c.last : before);
    }
}

TEST(IndexViewer, AnInvalidMonthAboveIsAConversionErrorAndNothingChanges) {
    for (const char* bad : {"", "13/2009", "ab/2009"}) {
        StringGrid g = monthsGrid({"10/2009", bad, "05/1990"});
        EXPECT_THROW(indiceCellSelected(g, 0, 3), ConversionError) << bad;
        EXPECT_EQ(g.cell(0, 3), "05/1990");
    }
}

}  // namespace
}  // namespace core
