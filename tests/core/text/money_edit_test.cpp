#include "core/text/money_edit.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/numbers.hpp"

namespace core {
namespace {

std::vector<std::string> typeAll(std::string text, const std::string& keys,
                                 MoneyEditKind kind = MoneyEditKind::Standard) {
    std::vector<std::string> shown;
    for (char k : keys) {
        text = moneyEditType(text, k, kind);
        shown.push_back(text);
    }
    return shown;
}

TEST(MoneyEdit, TypedLikeACashRegister) {
    const std::vector<std::string> expected = {"0,01", "0,12", "1,23", "12,34", "123,45", "12,34"};
    EXPECT_EQ(typeAll("0,00", "12345\b"), expected);
    EXPECT_EQ(typeAll("0,00", "12345\b", MoneyEditKind::ZeroReset), expected);
    EXPECT_EQ(typeAll("123,45", "6789"),
              (std::vector<std::string>{"1.234,56", "12.345,67", "123.456,78", "1.234.567,89"}));
    EXPECT_EQ(typeAll("0,12", "\b\b\b"), (std::vector<std::string>{"0,01", "0,00", "0,00"}));
    EXPECT_EQ(typeAll("0,00", "007"), (std::vector<std::string>{"0,00", "0,00", "0,07"}));
}

TEST(MoneyEdit, OnlyDigitsBackspaceAndTabGetThrough) {
    for (char k : {'a', ',', '.', '-', ' ', '+', '\r', '\x7f'}) {
        EXPECT_FALSE(moneyEditKeyPress(k).has_value()) << int(k);
        EXPECT_EQ(moneyEditType("12,34", k), "12,34") << int(k);
    }
    for (char k : {'0', '9', '\b', '\t'}) EXPECT_EQ(moneyEditKeyPress(k), k);
    EXPECT_EQ(moneyEditType("12,34", '\t'), "12,34");
}

TEST(MoneyEdit, DeleteRemovesTheLastDigit) {
    EXPECT_EQ(moneyEditKeyDown(EditKey::Other), std::nullopt);
    const auto key = moneyEditKeyDown(EditKey::Delete);
    ASSERT_EQ(key, '\b');
    EXPECT_EQ(moneyEditType("1.234,56", *key), "123,45");
}

struct ChangeCase {
    const char* text;
    const char* expected;
};

TEST(MoneyEdit, ChangeRewritesTheDigitsAsCents) {
    const std::vector<ChangeCase> cases = {
        {"", "0,00"},           // emptied by the user
        {"abc", "0,00"},        {"0,000", "0,00"},  {"1.234,56", "1.234,56"},
        {"R$ 12,3", "1,23"},    {"00012", "0,12"},  {"-5,00", "5,00"},
        {"1234,5", "123,45"},   // a program assignment is read as cents too
        {"12345678901234567890123", "123.456.789.012.345.678.901,23"},
    };
    for (const auto& c : cases) {
        for (auto kind : {MoneyEditKind::Standard, MoneyEditKind::ZeroReset}) {
            const std::string shown = moneyEditChanged(c.text, kind);
            EXPECT_EQ(shown, c.expected) << c.text;
            // The reaction runs again on its own assignment: nothing changes.
            EXPECT_EQ(moneyEditChanged(shown, kind), shown);
        }
    }
    const std::string many(100000, '9');
    const std::string shown = moneyEditChanged(many);
    EXPECT_EQ(shown.size(), 100000u + 1 + (100000u - 2 - 1) / 3);
    EXPECT_EQ(shown.substr(shown.size() - 6), "999,99");
}

TEST(MoneyEdit, CentsAgreeWithTheMoneyMask) {
    for (const char* digits : {"1", "99", "100", "1005", "123456", "99999999", "100000000000",
                               "123456789012345678", "999999999999999999"}) {
        const long double value = static_cast<long double>(StrToInt(digits)) / 100;
        EXPECT_EQ(moneyEditChanged(digits), formatfloatx("#,##0.00", value)) << digits;
    }
}

}  // namespace
}  // namespace core
