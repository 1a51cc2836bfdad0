#include <gtest/gtest.h>

#include "core/shell/report_document.hpp"

namespace core {
namespace {

TEST(ReportDocument, HtmlBytesKeepEveryCharacter) {
    struct Case {
        std::string in, out;
    };
    const Case cases[] = {
        {"<p>abc</p>", "<p>abc</p>"},
        {"Coração € “x”", "Cora\xe7\xe3o \x80 \x93x\x94"},
        {"Ω", "&#937;"},
        {"a😀b", "a&#128512;b"},
        {"a\xff" "b", "a?b"},          // invalid UTF-8
        {"a\xe2\x82", "a??"},          // truncated sequence
    };
    for (const Case& c : cases) EXPECT_EQ(htmlDocumentBytes(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace core
