#include "core/text/column_masks.hpp"

#include <gtest/gtest.h>

#include "core/state/windows.hpp"

namespace core {
namespace {

TEST(GridColumnMask, ChosenByTheHeaderText) {
    struct Case {
        const char* header;
        const char* mask;
    } cases[] = {
        {"Data Inicial", "!99/99/0000;1"},
        {"Data Final", "!99/99/0000;1"},
        {"Data", "!99/0000;1"},
        {"Diferença sobre o saldo em:", "!99/0000;1"},
        {"Base de cálculo - valor faltante na conta em:", "!99/0000;1"},
        {"Dia base", "!00;1"},
        {"Dia do Aniversário da Poupança", "!00;1"},
        // Anything else, near misses included, has no mask.
        {"Saldo", ""},
        {"Juros %", ""},
        {"data", ""},
        {"Data ", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(gridColumnMask(c.header), c.mask) << c.header;
}

TEST(GridColumnMask, DailyWindowColumns) {
    const Window w = makeForm2();
    auto maskOf = [&](const char* grid, int col) { return gridColumnMask(w.grid(grid).cell(col, 0)); };
    EXPECT_EQ(maskOf("SPlanos", 1), kGridMonthMask);
    EXPECT_EQ(maskOf("SSaldo", 3), kGridDayMask);
    EXPECT_EQ(maskOf("SSaldo", 4), "");
    EXPECT_EQ(maskOf("STJuros", 0), kGridDateMask);
    EXPECT_EQ(maskOf("Jmes", 1), kGridDateMask);
    EXPECT_EQ(maskOf("Jmes", 3), "");
    EXPECT_EQ(gridColumnMask(makeForm3().grid("SPlanosini").cell(1, 0)), kGridMonthMask);
    EXPECT_EQ(gridColumnMask(makeForm4().grid("SPlanosini").cell(0, 0)), kGridMonthMask);
}

}  // namespace
}  // namespace core
