#pragma once
// Which part of a one-line box's text shows. The box keeps the caret inside
// it with as much of the text before the caret as fits, and shows the text
// from its start while that much fits, as the platform's edit control scrolls
// while one types and erases at the caret. Widths come from the one who draws
// (pixels of its font, or terminal cells), so every backend applies the same
// rule in its own units.
#include <functional>
#include <string>

namespace forms {

struct VisibleText {
    int first = 0;   // first character shown
    int length = 0;  // characters from `first` shown whole
};

// `room` is the width inside the box; the caret stands at `caret` and needs
// a column of its own, so the text before it takes less than `room`.
VisibleText VisiblePart(const std::string& shown, int caret, double room,
                        const std::function<double(const std::string&)>& widthOf);

}  // namespace forms
