#include "forms/Label.h"

#include <algorithm>
#include <cmath>

#include "TextMetrics.h"

namespace forms {

// One rule for the windows and the pictures: a cell's worth of a pixel more
// than the caption, so its last letter is never cut.
Label::Extent Label::Shown() const {
    Extent e{Left(), Width()};
    if (!Grows()) return e;
    double widest = 0;
    for (const std::string& line : text::Lines(Caption())) widest = std::max(widest, text::Width(line, GetFont()));
    const int grown = static_cast<int>(std::ceil(widest)) + 1;
    if (grown <= e.width) return e;
    if (alignment_ == Alignment::Right) e.left -= grown - e.width;
    if (alignment_ == Alignment::Center) e.left -= (grown - e.width) / 2;
    e.width = grown;
    return e;
}

}  // namespace forms
