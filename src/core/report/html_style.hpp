#pragma once
// The opening of the HTML reports: the head, the screen style sheet and the
// print style sheet, and the font span that opens each text block. The
// calculators' reports share these lines.
#include <string>
#include <vector>

namespace core {

// The texts of the head and style block, one added text each (the first holds
// two CR LF pairs). fontSize is the report font size text ("8"), written as
// "<size>.0pt" in the style rules.
std::vector<std::string> reportHeadLines(const std::string& fontSize);

// "<span style=\"font-size:<size>.0pt;font-family:<name>\">".
std::string reportFontSpan(const std::string& fontSize, const std::string& fontName);

}  // namespace core
