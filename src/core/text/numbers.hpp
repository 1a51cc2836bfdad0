#pragma once
// Numbers as text: reading with "," decimals, writing with the format masks.
// Nothing here depends on the process locale.
#include <string>
#include <string_view>

namespace core {

// True when the text holds at least one digit 0-9.
bool checkinteiro(std::string_view text);

// Keeps ",", "-" and digits.
std::string RemovePontoS(std::string_view text);

// The number in a text: keeps ",", "-" and digits and converts with "," as the
// decimal separator; 0 when no digit remains. Throws ConversionError
// "'<text>' não é um valor numérico válido" when the kept text is not one
// number ("1,2,3", "--5", "5-").
long double RemovePonto(std::string_view text);

// The utility window's variant: after the first "," at most eight more of the
// kept characters; a further "," in the second to eighth of them is dropped but
// still takes a place. So "1,123456789" reads as 1,12345678.
long double RemovePontoTodos(std::string_view text);

// Converts a text with "," decimals to a number, as the platform reads numbers:
// blanks around, an optional sign, digits with at most one ",", an optional
// exponent ("E", optional sign, digits). Throws ConversionError with the
// message "'<text>' não é um valor numérico válido" for anything else and for a
// value beyond the range of long double; a value too small for it reads as 0.
// The result is the nearest long double to the decimal value.
long double StrToFloat(std::string_view text);

// Whole number conversion: an optional sign and digits, nothing else (no
// blanks). Throws ConversionError "'<text>' não é um valor inteiro válido"
// otherwise and when the value does not fit in a long long.
long long StrToInt(std::string_view text);

// The value written with one of the masks "#,##0.00", "#,##0.0000", "0.0000",
// "#,##0.0000000", "#,##0.000000", "##0.000000", "#,##0.00##############", "00"
// (any mask of "#" and "0" digits, "," for grouping and one "." is accepted):
// the value's decimal form at 18 significant digits, rounded half away from
// zero to the mask's decimals; "." groups thousands, "," separates decimals;
// optional decimals ("#") are dropped when they are trailing zeros. A value
// that rounds to zero has no minus sign. A value of 10^18 or more is written in
// the general form with 15 significant digits ("1,5E20"); NaN is "NAN" and the
// infinities are "INF" and "-INF". Throws std::invalid_argument for a mask
// outside that syntax.
std::string formatfloatx(std::string_view mask, long double value);

// base raised to exponent, as exp(exponent * ln(base)); throws ConversionError
// "Operação de ponto flutuante inválida" for a base of 0 or less (or NaN).
long double Pot(long double exponent, long double base);

}  // namespace core
