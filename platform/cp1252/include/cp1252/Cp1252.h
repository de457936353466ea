#pragma once
// Texts are CP1252 inside (host texts are Windows-1252 bytes); terminals,
// journals, scenarios and source files speak UTF-8. The conversion to UTF-8 is
// lossless: the five codes that CP1252 leaves undefined map to the C1 controls
// of the same value, so a journal shows exactly which bytes crossed the ABI.
#include <string>
#include <string_view>

namespace cp1252 {

std::string Cp1252ToUtf8(std::string_view text);
// Characters without a CP1252 code become '?'; malformed UTF-8 bytes too.
std::string Utf8ToCp1252(std::string_view text);

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

}  // namespace cp1252
