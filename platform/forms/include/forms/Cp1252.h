#pragma once
#include <string>

namespace forms {

// Texts are CP1252 inside; terminals, journals and source files speak UTF-8.
std::string Cp1252ToUtf8(const std::string& text);
// Characters without a CP1252 code become '?'.
std::string Utf8ToCp1252(const std::string& text);

// The code point of a CP1252 byte, and the CP1252 byte of a code point ('?' when none).
unsigned Cp1252ToCodePoint(char c);
char CodePointToCp1252(unsigned codePoint);
// Appends a code point's UTF-8 bytes.
void AppendUtf8(std::string& out, unsigned codePoint);

// Character classes of CP1252, accented letters included.
bool Cp1252IsLetter(char c);
bool Cp1252IsDigit(char c);
char Cp1252Upper(char c);
char Cp1252Lower(char c);

}  // namespace forms
