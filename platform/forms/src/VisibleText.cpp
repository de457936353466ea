#include "forms/VisibleText.h"

#include <algorithm>

namespace forms {

VisibleText VisiblePart(const std::string& shown, int caret, double room,
                        const std::function<double(const std::string&)>& widthOf) {
    const int size = static_cast<int>(shown.size());
    caret = std::clamp(caret, 0, size);
    const auto width = [&](int from, int to) {
        return widthOf(shown.substr(static_cast<size_t>(from), static_cast<size_t>(to - from)));
    };
    VisibleText v;
    v.first = caret;
    // A box too narrow for a character and the caret still shows the character.
    while (v.first > 0 && (v.first == caret || width(v.first - 1, caret) < room)) --v.first;
    while (v.first + v.length < size && width(v.first, v.first + v.length + 1) <= room) ++v.length;
    return v;
}

}  // namespace forms
