#pragma once
// Numbers as text: reading with "," decimals, writing with the format masks.
#include <string>
#include <string_view>

namespace core {

// True when the text holds at least one digit 0-9.
bool checkinteiro(std::string_view text);

// Keeps ",", "-" and digits.
std::string RemovePontoS(std::string_view text);

// The number in a text: keeps ",", "-" and digits and converts with "," as the
// decimal separator; 0 when no digit remains. Throws ConversionError when the
// kept text is not one number ("1,2,3", "--5").
long double RemovePonto(std::string_view text);

// The utility window's variant: after the first "," at most eight more of the
// kept characters; a further "," among them is dropped but still takes a place.
long double RemovePontoTodos(std::string_view text);

// Converts a text with "," decimals (an optional leading "-", digits, one ",")
// to a number; throws ConversionError with the message
// "'<text>' não é um valor numérico válido" for anything else.
long double StrToFloat(std::string_view text);

// Whole number conversion as the platform does it (optional sign, digits, blanks
// around are not allowed); throws ConversionError
// "'<text>' não é um valor inteiro válido".
long long StrToInt(std::string_view text);

// The value written with one of the masks "#,##0.00", "#,##0.0000", "0.0000",
// "#,##0.0000000", "#,##0.000000", "##0.000000", "#,##0.00##############", "00":
// the value's decimal form at 18 significant digits, rounded half away from
// zero to the mask's decimals; "." groups thousands, "," separates decimals.
std::string formatfloatx(std::string_view mask, long double value);

// base raised to exponent, as exp(exponent * ln(base)); throws ConversionError
// for a base of 0 or less.
long double Pot(long double exponent, long double base);

}  // namespace core
