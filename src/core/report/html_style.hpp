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

// The header block of the daily-balance reports: one bold justified row per
// line of the header memo, then "</spam>".
std::vector<std::string> reportHeaderRows(const std::vector<std::string>& memoLines);

// The footer block: the font span, one justified row per line of the footer
// memo, "</span>" and the end of the document.
std::vector<std::string> reportFooterRows(const std::string& span, const std::vector<std::string>& memoLines);

// The two fee lines under a total G: as a percentage ("Honorários = G X p% =
// fee", "TOTAL + Honorários= ...") or as a value.
std::vector<std::string> reportFeeRows(long double total, long double fee, bool asPercentage,
                                       const std::string& percentText);

}  // namespace core
