#pragma once
#include <string>
#include <vector>

#include "forms/Control.h"

namespace forms {

// Multi-line text box. Which line is on top is the memo's own rule: the
// moving keys scroll it by a line, by a page or to either end, and it never
// leaves an empty page below the last line. The page is what the box shows:
// its height over the font's line height, unless the backend that draws it
// says how many lines it really has room for.
class Memo : public Control {
public:
    Memo(Form& form, Control* parent, std::string name);
    void Accept(ControlVisitor& v) const override { v.Visit(*this); }
    bool IsFocusable() const override { return true; }
    bool TakesCharacters() const override { return true; }

    std::vector<std::string>& Lines() { return lines_; }
    const std::vector<std::string>& Lines() const { return lines_; }
    void Clear() { lines_.clear(); topLine_ = 0; }
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool r) { readOnly_ = r; }

    int TopLine() const;
    // Puts `line` on top, as far as the text reaches.
    void ScrollTo(int line);
    void ScrollBy(int lines) { ScrollTo(TopLine() + lines); }
    int PageLines() const;
    // The lines the drawn box has room for (at least one). A backend says so
    // while it draws, so it is a fact of the drawing rather than of the text.
    void SetPageLines(int lines) const;
    // The text is longer than the box.
    bool Scrolls() const { return static_cast<int>(lines_.size()) > PageLines(); }

    // Up and Down by a line, Page Up and Page Down by a page, Home and End.
    void KeyDown(uint16_t virtualKey) override;
    // Only while the text is longer than the box.
    bool TakesKeyDown(uint16_t virtualKey) const override;

private:
    int LastTopLine() const;

    std::vector<std::string> lines_;
    bool readOnly_ = false;
    int topLine_ = 0;
    mutable int pageLines_ = 0;  // 0: from the height and the font
};

}  // namespace forms
