#include "forms/Memo.h"

#include <algorithm>

namespace forms {

namespace {

// A line of text in pixels: the font's height and a little room between lines.
int LineHeight(const Font& f) {
    const int height = f.size < 0 ? -f.size : f.size * 96 / 72;
    return std::max(1, height + 2);
}

}  // namespace

Memo::Memo(Form& form, Control* parent, std::string name) : Control(form, parent, std::move(name)) {
    SetTabStop(true);
}

int Memo::PageLines() const {
    if (pageLines_ > 0) return pageLines_;
    return std::max(1, Height() / LineHeight(GetFont()));
}

void Memo::SetPageLines(int lines) const { pageLines_ = std::max(1, lines); }

int Memo::LastTopLine() const { return std::max(0, static_cast<int>(lines_.size()) - PageLines()); }

int Memo::TopLine() const { return std::min(topLine_, LastTopLine()); }

void Memo::ScrollTo(int line) { topLine_ = std::clamp(line, 0, LastTopLine()); }

bool Memo::TakesKeyDown(uint16_t virtualKey) const {
    switch (virtualKey) {
        case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_HOME: case VK_END: return Scrolls();
        default: return false;
    }
}

void Memo::KeyDown(uint16_t virtualKey) {
    switch (virtualKey) {
        case VK_UP: ScrollBy(-1); break;
        case VK_DOWN: ScrollBy(1); break;
        case VK_PRIOR: ScrollBy(-PageLines()); break;
        case VK_NEXT: ScrollBy(PageLines()); break;
        case VK_HOME: ScrollTo(0); break;
        case VK_END: ScrollTo(LastTopLine()); break;
        default: break;
    }
}

}  // namespace forms
