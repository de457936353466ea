#pragma once
// Host texts are Windows-1252 bytes; journals, scenarios and the catalogue
// source are UTF-8. The conversion to UTF-8 is lossless: the five codes that
// CP1252 leaves undefined map to the C1 controls of the same value, so a
// journal shows exactly which bytes crossed the ABI.
#include <string>
#include <string_view>

#include "forms/Cp1252.h"

namespace sim {

inline std::string Cp1252ToUtf8(std::string_view text) { return forms::Cp1252ToUtf8(std::string(text)); }
// Characters without a CP1252 code become '?'; malformed UTF-8 bytes too.
inline std::string Utf8ToCp1252(std::string_view text) { return forms::Utf8ToCp1252(std::string(text)); }

}  // namespace sim
