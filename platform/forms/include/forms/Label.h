#pragma once
#include "forms/Control.h"

namespace forms {

class Label : public Control {
public:
    using Control::Control;
    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment a) { alignment_ = a; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool w) { wordWrap_ = w; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t) { transparent_ = t; }

private:
    Alignment alignment_ = Alignment::Left;
    bool wordWrap_ = false;
    bool transparent_ = false;
};

}  // namespace forms
