#pragma once
#include "forms/Control.h"

namespace forms {

class Label : public Control {
public:
    using Control::Control;
    void Accept(ControlVisitor& v) const override { v.Visit(*this); }
    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment a) { alignment_ = a; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool w) { wordWrap_ = w; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t) { transparent_ = t; }
    // As on the platform, a label grows to its caption unless told not to
    // (rightwards, or leftwards when right-aligned); one that does not cuts it.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool a) { autoSize_ = a; }
    // Whether it grows to its caption now (a wrapping label keeps its width).
    bool Grows() const { return autoSize_ && !wordWrap_; }

    // Where the label stands as shown, in pixels of its parent: grown to its
    // longest caption line in its font when it grows, its bounds otherwise.
    struct Extent {
        int left = 0, width = 0;
    };
    Extent Shown() const;

private:
    Alignment alignment_ = Alignment::Left;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool autoSize_ = true;
};

}  // namespace forms
