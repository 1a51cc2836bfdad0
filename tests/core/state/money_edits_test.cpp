#include "core/state/money_edits.hpp"

#include <gtest/gtest.h>

#include "core/state/windows.hpp"

namespace core {
namespace {

TEST(MoneyEdits, ByWindow) {
    EXPECT_EQ(moneyEditOf("TForm2", "Ehono"), MoneyEditKind::Standard);
    EXPECT_EQ(moneyEditOf("TForm5", "Ejurcomp"), MoneyEditKind::Standard);
    EXPECT_EQ(moneyEditOf("TForm_tjsp_d", "Ehono"), MoneyEditKind::ZeroReset);
    EXPECT_EQ(moneyEditOf("TForm7", "Ehonvalor"), MoneyEditKind::Standard);
    EXPECT_EQ(moneyEditOf("TForm_conftodosII", "ESAfev91"), MoneyEditKind::Standard);
    EXPECT_EQ(moneyEditOf("TFormFGTS", "Txjur"), MoneyEditKind::Standard);
    EXPECT_FALSE(moneyEditOf("TForm7", "ESAfev91"));  // only the Collor variants have it
    EXPECT_FALSE(moneyEditOf("TForm2", "Ejurcomp"));
    EXPECT_FALSE(moneyEditOf("TForm_jf", "Ehono"));
}

// Every name of the table is an edit the window declares.
TEST(MoneyEdits, NamesAreEditsOfTheirWindows) {
    struct Case {
        Window window;
        int count;
    } cases[] = {{makeForm2(), 1},          {makeForm5(), 2},           {makeFormTjspD(), 1},
                 {makeForm7(), 21},         {makeFormConftodos(), 31},  {makeFormConftodosII(), 31},
                 {makeFormFGTS(), 5},       {makeFormJf(), 0}};
    for (const auto& c : cases) {
        int n = 0;
        for (const Control& ctl : c.window.controls())
            if (ctl.kind == ControlKind::Edit && moneyEditOf(c.window.className(), ctl.name)) ++n;
        EXPECT_EQ(n, c.count) << c.window.className();
    }
}

}  // namespace
}  // namespace core
