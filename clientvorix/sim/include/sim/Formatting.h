#pragma once
// The formatting routines of the shared library, on CP1252 texts.
#include <string>
#include <string_view>

namespace sim {

// Digits as an amount in cents in display form: "150000" -> "1.500,00",
// "5" -> "0,05", "0" -> "0,00". Only the digits of the text count (so
// formatted input is taken as its digits). Empty when the text has no digits,
// and when its digits are two zeros ("0,0": Backspace took the last digit the
// operator typed).
std::string Dollar(std::string_view text);
// The text without its display formatting: the separators ".", "," and "/"
// removed and the blanks at either end (a mask's unfilled positions).
// Letters, digits, other signs and inner blanks are kept, so an answer of any
// kind comes through as typed; RemoveFormato(Dollar(x)) gives back the digits
// of x (leading zeros of x aside).
std::string RemoveFormato(std::string_view text);
// Blanks on the right up to `width`; a longer text is kept whole.
std::string Padr(std::string_view text, int width);
// `count` blanks before the text (the caller works the count out).
std::string Centraliza(std::string_view text, int count);
std::string Replicate(char c, int count);
// Zeros on the left up to `width`; a longer text is kept whole.
std::string PreencherZerosEsquerda(std::string_view text, int width);

}  // namespace sim
