#include "core/text/edit_mask.hpp"

#include <gtest/gtest.h>

namespace core {
namespace {

constexpr const char* kDate = "!99/99/9999;1;_";
constexpr const char* kUtilDate = "!99/99/00##;1;_";
constexpr const char* kGridDate = "!99/99/0000;1";
constexpr const char* kMonth = "!99/0000;1";
constexpr const char* kDay = "!00;1";

TEST(EditMask, TextAfterAssignment) {
    struct Case {
        const char* mask;
        std::string in;
        std::string out;
    } cases[] = {
        // Typed dates stay as they are.
        {kDate, "15/03/1989", "15/03/1989"},
        {kUtilDate, "01/02/2003", "01/02/2003"},
        {kGridDate, "31/12/1990", "31/12/1990"},
        {kMonth, "01/1989", "01/1989"},
        {kDay, "15", "15"},
        // Empty fields, and empty dates as the project file gives them back
        // (blanks at both ends removed).
        {kDate, "", "  /  /    "},
        {kDate, "  /  /    ", "  /  /    "},
        {kDate, "/  /", "  /  /    "},
        {kUtilDate, "/  /", "  /  /    "},
        {kGridDate, "", "  /  /    "},
        {kMonth, "", ""},
        {kMonth, "  /    ", ""},
        {kDay, "", ""},
        {kDay, "  ", ""},
        // Partly typed dates with their ends trimmed keep their positions.
        {kDate, "5/03/19", " 5/03/19  "},
        {kDate, "15/03/19", "15/03/19  "},
        // The display blank counts as a blank.
        {kDate, "__/__/____", "  /  /    "},
        {kDate, "15/__/1989", "15/  /1989"},
        // Characters a digit position does not take become blanks; long parts are cut.
        {kDate, "ab/03/1989", "  /03/1989"},
        {kDate, "15/03/19890", "15/03/1989"},
        {kDate, "1989", "19/  /    "},
        // Without literals and without a mask.
        {"000;0", "12", "12"},
        {"000-00;0;_", "12345", "12345"},
        {"", "  livre  ", "  livre  "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(maskedText(c.mask, c.in), c.out) << c.mask << " <- \"" << c.in << "\"";
}

TEST(EditMask, EmptyTextAndDisplay) {
    EXPECT_EQ(emptyMaskText(kDate), "  /  /    ");
    EXPECT_EQ(emptyMaskText(kUtilDate), "  /  /    ");
    EXPECT_EQ(emptyMaskText(kGridDate), "  /  /    ");
    EXPECT_EQ(emptyMaskText(kMonth), "");
    EXPECT_EQ(emptyMaskText(kDay), "");

    EXPECT_EQ(maskDisplayText(kDate, "  /  /    "), "__/__/____");
    EXPECT_EQ(maskDisplayText(kDate, "15/03/1989"), "15/03/1989");
    EXPECT_EQ(maskDisplayText("!99/99/9999;1; ", ""), "  /  /    ");
    EXPECT_EQ(maskDisplayText(kMonth, "3/19"), "_3/19__");
}

TEST(EditMask, LettersAndCase) {
    EXPECT_EQ(maskedText(">LL-00;1", "sp-12"), "SP-12");
    EXPECT_EQ(maskedText("<LL;0", "SP"), "sp");
    EXPECT_EQ(maskedText("\\(00\\);1", "(11)"), "(11)");
}

}  // namespace
}  // namespace core
