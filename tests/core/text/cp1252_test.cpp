#include "core/text/cp1252.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace core {
namespace {

struct CodeCase {
    std::string bytes;  // Windows-1252
    std::string text;   // UTF-8
};

TEST(Cp1252, DecodesAndEncodesTheCodePage) {
    const std::vector<CodeCase> cases = {
        {"", ""},
        {"abc 123\t\r\n", "abc 123\t\r\n"},
        {"\xE7\xE3o", "ção"},
        {"Poupan\xE7" "a", "Poupança"},
        {"\x80", "€"},
        {"\x8A\x8C\x8E\x9A\x9C\x9E\x9F", "ŠŒŽšœžŸ"},
        {"\x91\x92\x93\x94\x96\x97\x85\x99", "‘’“”–—…™"},
        {"\xA0\xFF", "\u00A0ÿ"},
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp1252ToUtf8(c.bytes), c.text) << c.text;
        EXPECT_EQ(utf8ToCp1252(c.text), c.bytes) << c.text;
    }
}

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, OutsideTheCodePageAndInvalidUtf8BecomeQuestionMarks) {
    const std::vector<CodeCase> cases = {
        {"?", "ł"},                  // Latin, not in the code page
        {"a?b", "a漢b"},             // three-byte character
        {"?", "😀"},                 // four-byte character
        {"?", "\u0080"},             // C1 control whose byte is the euro
        {"a?b", "a\x80" "b"},         // stray continuation byte
        {"?", "\xC3"},               // truncated at the end
        {"?A", "\xE2\x82" "A"},       // truncated before another character
        {"??", "\xC0\xAF"},           // overlong
        {"???", "\xED\xA0\x80"},      // encoded surrogate
        {"????", "\xF4\x90\x80\x80"}, // above U+10FFFF
        {"?", "\xFF"},
    };
    for (const auto& c : cases) EXPECT_EQ(utf8ToCp1252(c.text), c.bytes) << c.bytes;
}

struct FileCase {
    const char* name;
    std::string bytes;
    std::string text;
};

TEST(Cp1252, FileTextFollowsTheByteOrderMark) {
    const std::vector<FileCase> cases = {
        {"no mark is Windows-1252", "Jo\xE3o", "João"},
        {"UTF-8 mark", "\xEF\xBB\xBFJo\xC3\xA3o \xE2\x82\xAC", "João €"},
        {"UTF-8 mark alone", "\xEF\xBB\xBF", ""},
        {"UTF-8 mark, invalid inside", "\xEF\xBB\xBF" "a\xFF\xC3" "b\xE2\x82", "a??b?"},
        {"UTF-16 LE", std::string("\xFF\xFE" "J\0\xE3\0\xAC\x20", 8), "Jã€"},
        {"UTF-16 BE", std::string("\xFE\xFF\0J\0\xE3\x20\xAC", 8), "Jã€"},
        {"UTF-16 LE pair", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), "😀"},
        {"UTF-16 lone high surrogate", std::string("\xFF\xFE\x3D\xD8" "a\0", 6), "?a"},
        {"UTF-16 lone low surrogate", std::string("\xFF\xFE\x00\xDE", 4), "?"},
        {"UTF-16 high surrogate at end", std::string("\xFF\xFE\x3D\xD8", 4), "?"},
        {"UTF-16 odd last byte", std::string("\xFF\xFE" "a\0b", 5), "a?"},
        {"truncated UTF-8 mark is Windows-1252", "\xEF\xBB", "ï»"},
    };
    for (const auto& c : cases) EXPECT_EQ(decodeFileText(c.bytes), c.text) << c.name;
}

TEST(Cp1252, SplitsLinesAtEveryKindOfBreak) {
    using L = std::vector<std::string>;
    const std::vector<std::pair<std::string, L>> cases = {
        {"", L{}},
        {"a", L{"a"}},
        {"a\r\nb\r\n", L{"a", "b"}},
        {"a\rb\nc", L{"a", "b", "c"}},
        {"a\r\n\r\nb", L{"a", "", "b"}},
        {"\r\n", L{""}},
        {"a\n\r", L{"a", ""}},  // LF then a lone CR: two breaks
        {"a\r\r\n", L{"a", ""}},
    };
    for (const auto& [text, lines] : cases) EXPECT_EQ(splitLines(text), lines) << text;
}

// Runs of ASCII are copied several bytes at a time: a character outside ASCII
// must be found at every offset, inside a run and at its edges.
TEST(Cp1252, NonAsciiAtEveryOffsetOfALongText) {
    struct Piece {
        std::string bytes;  // Windows-1252
        std::string text;   // UTF-8
    };
    const Piece pieces[] = {{"\xE7", "ç"}, {"\x80", "€"}, {"\x81", "\u0081"}, {"\xFF", "ÿ"}};
    const std::string ascii = "abcdefghijklmnopqrstuvwx";
    for (const Piece& piece : pieces) {
        for (std::size_t at = 0; at <= ascii.size(); ++at) {
            const std::string bytes = ascii.substr(0, at) + piece.bytes + ascii.substr(at);
            const std::string text = ascii.substr(0, at) + piece.text + ascii.substr(at);
            EXPECT_EQ(cp1252ToUtf8(bytes), text) << piece.text << " at " << at;
            EXPECT_EQ(utf8ToCp1252(text), bytes) << piece.text << " at " << at;
            EXPECT_EQ(decodeFileText("\xEF\xBB\xBF" + text), text) << piece.text << " at " << at;
        }
    }
    // An invalid sequence inside a long run still gives one "?".
    for (std::size_t at = 0; at <= ascii.size(); ++at)
        EXPECT_EQ(utf8ToCp1252(ascii.substr(0, at) + "\xE2\x82" + ascii.substr(at)),
                  ascii.substr(0, at) + "?" + ascii.substr(at)) << at;
}

TEST(Cp1252, AppendingKeepsWhatTheTextHeld) {
    std::string out = "já: ";
    appendCp1252ToUtf8(out, "Poupan\xE7" "a");
    EXPECT_EQ(out, "já: Poupança");
    std::string bytes = "x\xE7";
    appendUtf8ToCp1252(bytes, "ção€");
    EXPECT_EQ(bytes, "x\xE7\xE7\xE3o\x80");
}

}  // namespace
}  // namespace core
