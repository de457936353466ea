#pragma once
// UTF-16LE files held as UTF-8 text, and back, byte for byte: a code unit that
// pairs with no other (a lone surrogate) travels as its own three-byte form.
#include <string>
#include <string_view>

namespace profile {

// Code units (an even number of bytes, no byte-order mark) to text.
std::string DecodeUtf16Le(std::string_view units);
// Text made by DecodeUtf16Le (and CP1252 converted to UTF-8) back to code units.
std::string EncodeUtf16Le(std::string_view text);
// The same, after what `out` holds.
void AppendUtf16Le(std::string& out, std::string_view text);

}  // namespace profile
