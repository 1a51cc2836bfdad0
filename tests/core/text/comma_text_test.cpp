#include "core/text/comma_text.hpp"

#include <gtest/gtest.h>

namespace core {
namespace {

using Items = std::vector<std::string>;

TEST(CommaText, Writing) {
    struct Case {
        Items items;
        std::string text;
    } cases[] = {
        {{}, ""},
        {{""}, "\"\""},
        {{"", ""}, ","},
        {{"a", "b"}, "a,b"},
        {{"Plano Verão", "01/1989", ""}, "\"Plano Verão\",01/1989,"},
        {{"a,b"}, "\"a,b\""},
        {{"diz \"sim\""}, "\"diz \"\"sim\"\"\""},
        {{"\""}, "\"\"\"\""},
        {{"a\tb"}, "\"a\tb\""},
        {{" "}, "\" \""},
        {{"", "x", ""}, ",x,"},
        {{"1.234,56"}, "\"1.234,56\""},
        {{"R$"}, "R$"},
    };
    for (const auto& c : cases) EXPECT_EQ(toCommaText(c.items), c.text) << c.text;
}

TEST(CommaText, Reading) {
    struct Case {
        std::string text;
        Items items;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {"\"\"", {""}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {",", {"", ""}},
        {",a", {"", "a"}},
        {"a b", {"a", "b"}},         // a blank outside quotes separates items
        {"a   b", {"a", "b"}},       // several blanks are one separator
        {"a, b", {"a", "b"}},        // blanks after a comma are skipped
        {"a ,b", {"a", "b"}},        // blanks before a comma too
        {"a , , b", {"a", "", "b"}},
        {"  a", {"a"}},              // leading blanks skipped
        {"a, ", {"a"}},              // a comma followed only by blanks gives no item
        {"a\tb", {"a", "b"}},        // control characters are blanks
        {"\"a b\",c", {"a b", "c"}},
        {"\"a\"\"b\"", {"a\"b"}},
        {"\"a\"b", {"a", "b"}},      // text right after a closing quote is a new item
        {"\"abc", {"abc"}},          // an unclosed quote takes the rest of the text
        {"\"a,b", {"a,b"}},
        {"\"Plano Verão\",01/1989,", {"Plano Verão", "01/1989", ""}},
    };
    for (const auto& c : cases) EXPECT_EQ(fromCommaText(c.text), c.items) << c.text;
}

TEST(CommaText, ReadingGivesBackWhatWasWritten) {
    const Items lists[] = {
        {},
        {""},
        {"", ""},
        {"", "", ""},
        {"", "a"},
        {"a", ""},
        {" a ", "\"", "\"\"", ",", "a,\"b\" c"},
        {"São Paulo, 1º de março de 1990", "", "R$ 1.234,56"},
        {std::string("a\0b", 3), "\x01", "\x7f"},
    };
    for (const auto& items : lists) EXPECT_EQ(fromCommaText(toCommaText(items)), items);
}

TEST(CommaText, GridRowRefill) {
    StringGrid g(3, 2);
    g.setRow(1, {"velho", "velho", "velho"});
    g.setCell(3, 1, "oculta");  // beyond the column count

    // The Part's example: the empty third cell comes back as a single blank.
    fillRowFromCommaText(g, 1, toCommaText({"Plano Verão", "01/1989", ""}));
    EXPECT_EQ(g.row(1), (Items{"Plano Verão", "01/1989", " "}));

    // The row is emptied first; items missing at the end leave empty cells.
    fillRowFromCommaText(g, 1, "x");
    EXPECT_EQ(g.row(1), (Items{"x", "", ""}));

    // Items beyond the last column are dropped; hidden cells keep their text.
    fillRowFromCommaText(g, 1, "a,b,c,d,e");
    EXPECT_EQ(g.row(1), (Items{"a", "b", "c"}));
    EXPECT_EQ(g.cell(3, 1), "oculta");

    // Empty items take their own cell as a blank, so later items keep their place.
    fillRowFromCommaText(g, 1, ",,z");
    EXPECT_EQ(g.row(1), (Items{" ", " ", "z"}));

    // An empty text empties the row.
    fillRowFromCommaText(g, 1, "");
    EXPECT_EQ(g.row(1), (Items{"", "", ""}));
}

TEST(CommaText, OneColumnGridWithOneEmptyCell) {
    StringGrid g(1, 2);
    std::string text = toCommaText(g.row(1));
    EXPECT_EQ(text, "\"\"");
    fillRowFromCommaText(g, 1, text);
    EXPECT_EQ(g.cell(0, 1), " ");
}

TEST(CommaText, MemoLinesKeepEmptyLines) {
    std::vector<std::string> lines{"old"};
    fillLinesFromCommaText(lines, toCommaText({"Ação de cobrança", "", "Autor: José"}));
    EXPECT_EQ(lines, (Items{"Ação de cobrança", "", "Autor: José"}));
    fillLinesFromCommaText(lines, "");
    EXPECT_TRUE(lines.empty());
}

TEST(CommaText, GridRowWrittenAsItsVisibleCells) {
    const Items rows[] = {
        {"Plano Verão", "01/1989", ""},
        {"diz \"sim\"", "a,b", " "},
        {"", "", ""},
        {"1.234,56", "x", "\"\""},
    };
    for (const Items& row : rows) {
        StringGrid g(3, 1);
        g.setRow(0, row);
        g.setCell(3, 0, "hidden");
        std::string out = "k=";
        appendCommaText(out, g, 0);
        EXPECT_EQ(out, "k=" + toCommaText(row)) << toCommaText(row);
    }
    StringGrid oneEmpty(1, 1), none(0, 1);
    std::string a, b;
    appendCommaText(a, oneEmpty, 0);
    appendCommaText(b, none, 0);
    EXPECT_EQ(a, "\"\"");
    EXPECT_EQ(b, "");
}

}  // namespace
}  // namespace core
