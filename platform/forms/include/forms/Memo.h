#pragma once
#include <string>
#include <vector>

#include "forms/Control.h"

namespace forms {

// Multi-line text box.
class Memo : public Control {
public:
    Memo(Form& form, Control* parent, std::string name);
    bool IsFocusable() const override { return true; }
    bool TakesCharacters() const override { return true; }

    std::vector<std::string>& Lines() { return lines_; }
    const std::vector<std::string>& Lines() const { return lines_; }
    void Clear() { lines_.clear(); topLine_ = 0; }
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool r) { readOnly_ = r; }
    int TopLine() const { return topLine_; }
    void ScrollTo(int line);

private:
    std::vector<std::string> lines_;
    bool readOnly_ = false;
    int topLine_ = 0;
};

}  // namespace forms
