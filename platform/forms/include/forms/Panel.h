#pragma once
#include "forms/Control.h"

namespace forms {

// Container; disabling or hiding it makes its children unfocusable without
// touching their own flags.
class Panel : public Control {
public:
    using Control::Control;
    void Accept(ControlVisitor& v) const override { v.Visit(*this); }
    bool IsContainer() const override { return true; }
    Bevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(Bevel b) { bevelInner_ = b; }

private:
    Bevel bevelInner_ = Bevel::None;
};

}  // namespace forms
