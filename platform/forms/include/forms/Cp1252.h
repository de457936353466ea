#pragma once
#include <string>

namespace forms {

// Texts are CP1252 inside; terminals, journals and source files speak UTF-8.
std::string Cp1252ToUtf8(const std::string& text);
// Characters without a CP1252 code become '?'.
std::string Utf8ToCp1252(const std::string& text);

}  // namespace forms
