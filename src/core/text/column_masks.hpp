#pragma once
// Edit masks of grid columns. A grid chooses the mask of the cell being edited
// by the header text (row 0) of its column; a column whose header is none of
// the known texts is edited without a mask.
#include <string>
#include <string_view>

namespace core {

inline constexpr const char* kGridDateMask = "!99/99/0000;1";  // "Data Inicial", "Data Final"
inline constexpr const char* kGridMonthMask = "!99/0000;1";    // "Data" and the SBase month columns
inline constexpr const char* kGridDayMask = "!00;1";           // "Dia base"

// The mask for a column headed `header`; empty for no mask. The header is
// compared exactly.
std::string gridColumnMask(std::string_view header);

}  // namespace core
