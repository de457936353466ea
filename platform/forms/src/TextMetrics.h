#pragma once
// How wide a text is in a font, without a font engine: the pictures must come
// out the same on every machine, so widths come from the standard metrics of
// the sans-serif face the screens use (a monospaced face for "Courier").
#include <functional>
#include <string>
#include <vector>

#include "forms/Types.h"

namespace forms::text {

// The font's height in pixels: a positive size is in points at 96 pixels an
// inch, a negative one is already in pixels.
double PixelSize(const Font& font);
// The width in pixels of a CP1252 text.
double Width(const std::string& cp1252, const Font& font);
// The distance from the top of a line to its baseline, and a line's height.
double Ascent(const Font& font);
double LineHeight(const Font& font);

// The text's lines (at its line breaks), each broken at blanks so that it is
// no wider than `width` as `widthOf` measures; a single word wider than that
// stays whole. In pixels of a font for the pictures and the windows, in
// character cells for the terminal.
std::vector<std::string> Wrap(const std::string& cp1252, double width,
                              const std::function<double(const std::string&)>& widthOf);
std::vector<std::string> Wrap(const std::string& cp1252, const Font& font, double width);
std::vector<std::string> WrapCells(const std::string& cp1252, int cells);
// Splits at line breaks only.
std::vector<std::string> Lines(const std::string& cp1252);

}  // namespace forms::text
