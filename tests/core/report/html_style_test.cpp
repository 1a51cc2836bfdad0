#include "core/report/html_style.hpp"

#include <algorithm>

#include <gtest/gtest.h>

namespace core {
namespace {

TEST(HtmlStyle, HeadBlockLines) {
    const std::vector<std::string> head = reportHeadLines("11");
    ASSERT_EQ(head.size(), 70u);
    EXPECT_EQ(head[0], "<html><head>\r\n<title>Atualização</title>\r\n</head>");
    EXPECT_EQ(head[1], "<body>");
    EXPECT_EQ(head[2],
              "  <meta name=\"keywords\" content=\"fixed table header; non-scroll header; fixed "
              "footer; freeze header; CSS tips; print repeating headers; print repeating footers\">");
    EXPECT_EQ(head[5], "\twidth: 65%;\t\t/* table width will be 99% of this*/");
    EXPECT_EQ(head[42],
              "\t  offsetParent.offsetHeight ? 0 - parentNode.parentNode.offsetHeight "
              "offsetParent.offsetHeight + offsetParent.scrollTop : 0);");
    EXPECT_EQ(head[51], "</style>");
    EXPECT_EQ(head[52], "<!-- Estilo para impressão -->");
    EXPECT_EQ(head[67], "table tfoot tr {     position: fixed;    }");
    EXPECT_EQ(head[69], "</style>");

    // The font size enters three screen rules and two print rules.
    const auto sized = std::count_if(head.begin(), head.end(), [](const std::string& l) {
        return l.find("font-size:11.0pt;") != std::string::npos;
    });
    EXPECT_EQ(sized, 5);
    EXPECT_EQ(head[57], "thead td\t{font-size:11.0pt;\t}");
}

TEST(HtmlStyle, FontSpan) {
    EXPECT_EQ(reportFontSpan("8", "Arial"), "<span style=\"font-size:8.0pt;font-family:Arial\">");
    EXPECT_EQ(reportFontSpan("", ""), "<span style=\"font-size:.0pt;font-family:\">");
}

}  // namespace
}  // namespace core
