#pragma once
// How captions break into the lines the terminal shows.
#include <string>
#include <vector>

namespace forms {

// The lines of a text, at CR, LF or CR LF.
std::vector<std::string> SplitLines(const std::string& text);
// Lines of at most `width` cells, broken at blanks.
std::vector<std::string> Wrap(const std::string& text, int width);
// Where the accelerator stands in the shown caption ("&&" shows as one "&"), -1 when none.
int AcceleratorIndex(const std::string& caption);

}  // namespace forms
