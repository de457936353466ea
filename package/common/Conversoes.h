#pragma once
// Text conversions the package uses on host values. None of them throws: a
// text that is not a number gives the caller's default.
#include <cstdint>
#include <string>
#include <string_view>

namespace zv {

// The text without leading and trailing blanks (spaces, tabs, line ends).
std::string Trim(std::string_view texto);

// A whole number in 32 bits: blanks around it, an optional sign, digits.
// Anything else (empty text, letters, out of range) gives `padrao`.
int32_t ConverteInteiro(std::string_view texto, int32_t padrao);
// The same in 64 bits, for numbers of up to 18 digits (document numbers).
int64_t ConverteInteiro64(std::string_view texto, int64_t padrao);

// A decimal number written with the locale's decimal separator (an optional
// sign, digits with at most one separator, an optional exponent); blanks around
// it are allowed. Anything else gives `padrao`.
double ConverteDecimal(std::string_view texto, double padrao);

// The shortest general form of a number (15 significant digits at most) with
// the locale's decimal separator: 100 -> "100", 12.5 -> "12,5".
std::string FormataDecimal(double valor);

// Copies `texto` into a caller buffer of `capacidade` bytes, cut to fit and
// always terminated; does nothing without a buffer.
void CopiaTexto(char* destino, int32_t capacidade, std::string_view texto);

}  // namespace zv
