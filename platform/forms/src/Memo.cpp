#include "forms/Memo.h"

#include <algorithm>

namespace forms {

Memo::Memo(Form& form, Control* parent, std::string name) : Control(form, parent, std::move(name)) {
    SetTabStop(true);
}

void Memo::ScrollTo(int line) {
    const int last = std::max(0, static_cast<int>(lines_.size()) - 1);
    topLine_ = std::clamp(line, 0, last);
}

}  // namespace forms
