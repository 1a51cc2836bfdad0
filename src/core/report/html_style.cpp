#include "core/report/html_style.hpp"

#include "core/text/numbers.hpp"

namespace core {

std::vector<std::string> reportHeadLines(const std::string& fontSize) {
    const std::string& s = fontSize;
    return {
        "<html><head>\r\n<title>Atualização</title>\r\n</head>",
        "<body>",
        "  <meta name=\"keywords\" content=\"fixed table header; non-scroll header; fixed footer; freeze header; CSS tips; print repeating headers; print repeating footers\">",
        "<style type=\"text/css\">",
        "div.conteudodatabela {",
        "\twidth: 65%;\t\t/* table width will be 99% of this*/",
        "\theight: 200px; \t/* must be greater than tbody*/",
        "\toverflow: auto;",
        "\tmargin: 0 auto;",
        "\t}",
        "table {",
        "\twidth: 99%;\t\t/*100% of container produces horiz. scroll in Mozilla*/",
        "\tborder: none;",
        "}",
        "table>tbody\t{  /* child selector syntax which IE6 and older do not support*/",
        "\toverflow: auto;",
        "\theight: 200px;",
        "\toverflow-x: hidden;",
        "\t}",
        "thead tr\t{",
        "\tposition:fixed;",
        "\ttop: expression(offsetParent.scrollTop); /*IE5+ only*/",
        "\t}",
        "thead td, thead th {",
        "\ttext-align: center;",
        "\tfont-size:" + s + ".0pt;",
        "\tfont-weight: bold;",
        "\tborder-top: solid 1px #d8d8d8;",
        "\t}",
        "td\t{",
        "\tcolor: #000;",
        "\tpadding-right: 2px;",
        "\tfont-size:" + s + ".0pt;",
        "\ttext-align: right;",
        "\tborder-bottom: solid 1px #d8d8d8;",
        "\tborder-left: solid 1px #d8d8d8;",
        "\tborder-right: solid 1px #d8d8d8;",
        "\t}",
        "table tfoot tr {",
        "      position: fixed;",
        "      overflow-x: hidden;",
        "      top: expression(parentNode.parentNode.offsetHeight >=",
        "\t  offsetParent.offsetHeight ? 0 - parentNode.parentNode.offsetHeight offsetParent.offsetHeight + offsetParent.scrollTop : 0);",
        "      }",
        "tfoot td\t{",
        "\ttext-align: center;",
        "\tfont-size:" + s + ".0pt;",
        "\tfont-weight: bold;",
        "\tborder-top: solid 1px slategray;",
        "\t}",
        "td:last-child {padding-right: 20px;} /*prevent Mozilla scrollbar from hiding cell content*/",
        "</style>",
        "<!-- Estilo para impressão -->",
        "<style type=\"text/css\" media=\"print\">",
        "div.conteudodatabela {overflow: visible;\t}",
        "table>tbody\t{overflow: visible; }",
        "td {height: 14pt;} /*adds control for test purposes*/",
        "thead td\t{font-size:" + s + ".0pt;\t}",
        "tfoot td\t{",
        "\ttext-align: center;",
        "\tfont-size:" + s + ".0pt;",
        "\tborder-bottom: solid 1px slategray;",
        "\t}",
        "thead\t{display: table-header-group;\t}",
        "tfoot\t{display: table-footer-group;\t}",
        "thead th, thead td\t{position: fixed; }",
        "thead tr\t{position: fixed; } /*prevent problem if print after scrolling table*/",
        "table tfoot tr {     position: fixed;    }",
        ".quebrapagina {   page-break-before: always;}",
        "</style>",
    };
}

std::string reportFontSpan(const std::string& fontSize, const std::string& fontName) {
    return "<span style=\"font-size:" + fontSize + ".0pt;font-family:" + fontName + "\">";
}

std::vector<std::string> reportHeaderRows(const std::vector<std::string>& memoLines) {
    std::vector<std::string> out;
    for (const std::string& line : memoLines)
        out.push_back("<tr><td><div align=Justify><p><b>" + line + "</b></p></div></td></tr>");
    out.push_back("</spam>");
    return out;
}

std::vector<std::string> reportFooterRows(const std::string& span, const std::vector<std::string>& memoLines) {
    std::vector<std::string> out{span};
    for (const std::string& line : memoLines) out.push_back("<tr><td><div align=Justify>" + line + "</div></td></tr>");
    out.push_back("</span>");
    out.push_back("</body></html>");
    return out;
}

std::vector<std::string> reportFeeRows(long double total, long double fee, bool asPercentage,
                                       const std::string& percentText) {
    const auto T2 = [](long double v) { return formatfloatx("#,##0.00", v); };
    if (asPercentage)
        return {"</br><b>Honorários = " + T2(total) + " X " + percentText + "% = " + T2(fee) + "</b>",
                "</br><b>TOTAL + Honorários= " + T2(total + fee) + "</b>"};
    return {"</br><b>Honorários = " + T2(fee) + "</b>", "</br><b>TOTAL + Honorários = " + T2(total + fee) + "</b>"};
}

}  // namespace core
