#pragma once
// Short names for the text conventions the calculators use on every cell.
#include <string>
#include <string_view>

#include "core/text/numbers.hpp"

namespace core::calc {

// Money text: "#,##0.00".
inline std::string T2(long double v) { return formatfloatx("#,##0.00", v); }
// Rate and factor text: "#,##0.0000".
inline std::string T4(long double v) { return formatfloatx("#,##0.0000", v); }
// A cell counts as filled when it holds a digit.
inline bool digit(std::string_view s) { return checkinteiro(s); }
// The number in a cell (the calculator window's reader).
inline long double num(std::string_view s) { return RemovePonto(s); }
// Empty or only blanks: a reopened project file fills empty cells with one blank.
inline bool blank(std::string_view s) { return s.find_first_not_of(' ') == std::string_view::npos; }

}  // namespace core::calc
