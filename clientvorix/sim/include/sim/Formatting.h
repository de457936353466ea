#pragma once
// The formatting routines of the shared library, on CP1252 texts.
#include <string>
#include <string_view>

namespace sim {

// Digits as an amount in cents in display form: "150000" -> "1.500,00",
// "5" -> "0,05". Only the digits of the text count (so formatted input is
// taken as its digits); a text without digits gives an empty text.
std::string Dollar(std::string_view text);
// Everything but the digits removed: RemoveFormato(Dollar(x)) gives back the
// digits of x (leading zeros of x aside).
std::string RemoveFormato(std::string_view text);
// Blanks on the right up to `width`; a longer text is kept whole.
std::string Padr(std::string_view text, int width);
// `count` blanks before the text (the caller works the count out).
std::string Centraliza(std::string_view text, int count);
std::string Replicate(char c, int count);
// Zeros on the left up to `width`; a longer text is kept whole.
std::string PreencherZerosEsquerda(std::string_view text, int width);

}  // namespace sim
