#pragma once
#include "forms/Control.h"

namespace forms {

// Push button with a picture. "&x" in the caption marks its accelerator.
class GlyphButton : public Control {
public:
    GlyphButton(Form& form, Control* parent, std::string name);
    void Accept(ControlVisitor& v) const override { v.Visit(*this); }

    bool IsFocusable() const override { return true; }
    // The accelerator character (upper-cased), 0 when the caption has none.
    char Accelerator() const;
    // The caption as shown: "&&" as "&", a single "&" removed.
    std::string DisplayCaption() const;
    // Where the accelerator stands in the shown caption, -1 when there is none.
    int AcceleratorIndex() const;

    bool Default() const { return default_; }  // Enter elsewhere presses it
    void SetDefault(bool d) { default_ = d; }
    // Drawn with the black frame of the button Enter presses: the focused
    // button, else the default one while the focus is on no button.
    bool Framed() const;
    bool Cancel() const { return cancel_; }  // Esc presses it
    void SetCancel(bool c) { cancel_ = c; }

    // Enter and Space press a focused button.
    void DefaultKey(char key) override;
    bool TakesKey(char key) const override { return key == VK_RETURN || key == ' '; }

private:
    bool default_ = false;
    bool cancel_ = false;
};

}  // namespace forms
