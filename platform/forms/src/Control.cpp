#include "forms/Control.h"

#include <algorithm>

#include "forms/Form.h"

namespace forms {

Control::Control(Form& form, Control* parent, std::string name)
    : Component(std::move(name)), form_(form), parent_(parent) {}

Control::~Control() { form_.ControlGone(*this); }

void Control::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

// The platform keeps the tab orders of siblings a dense 0..n-1 sequence:
// moving one control shifts the others instead of leaving duplicates.
void Control::SetTabOrder(int order) {
    if (tabOrder_ < 0) return;  // labels and pictures have no tab order
    std::vector<Control*> siblings;
    for (Control* c : parent_ ? parent_->children_ : form_.top_)
        if (c != this && c->tabOrder_ >= 0) siblings.push_back(c);
    std::stable_sort(siblings.begin(), siblings.end(),
                     [](const Control* a, const Control* b) { return a->tabOrder_ < b->tabOrder_; });
    const int at = std::clamp(order, 0, static_cast<int>(siblings.size()));
    siblings.insert(siblings.begin() + at, this);
    for (size_t i = 0; i < siblings.size(); ++i) siblings[i]->tabOrder_ = static_cast<int>(i);
}

bool Control::EffectivelyVisible() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

bool Control::EffectivelyEnabled() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->enabled_) return false;
    return true;
}

bool Control::CanFocus() const { return IsFocusable() && EffectivelyVisible() && EffectivelyEnabled(); }

bool Control::Focused() const { return form_.ActiveControl() == this; }

void Control::SetFocus() { form_.SetActiveControl(this); }

void Control::Click() {
    if (OnClick) OnClick(*this);
}

}  // namespace forms
