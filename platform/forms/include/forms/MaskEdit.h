#pragma once
#include "forms/Edit.h"
#include "forms/MaskModel.h"

namespace forms {

// The platform's message for input that does not fit the mask.
extern const char* const kInvalidInputMessage;  // "Invalid input value.  Use escape key to abandon changes"

// Exception raised (to the application's error handler) when a masked edit is
// left with a required position empty.
class MaskError : public std::exception {
public:
    const char* what() const noexcept override { return kInvalidInputMessage; }
};

// Edit with an EditMask. Without a mask it behaves as a plain Edit.
class MaskEdit : public Edit {
public:
    using Edit::Edit;

    const std::string& EditMask() const { return mask_.EditMask(); }
    void SetEditMask(const std::string& mask);  // "" clears the mask
    bool HasMask() const { return !mask_.Empty(); }

    std::string Text() const override;
    void SetText(const std::string& text) override;
    std::string DisplayText() const override;
    // With a mask: characters fill the mask, Backspace erases before the caret,
    // Esc abandons the operator's changes.
    void DefaultKey(char key) override;
    // Esc too, while there are changes of the operator's to abandon.
    bool TakesKey(char key) const override;
    // A masked edit keeps its caret where it was: typing fills the mask in place.
    void FocusReceived() override {}

    // Run by the form when the focus leaves: throws MaskError when the operator
    // changed the text and a required position is empty (the form routes it to
    // the error handler and keeps the focus here). Text nobody typed into is not
    // checked, so clearing the edit (or Esc) always lets the operator leave.
    void ValidateEdit() const;

private:
    MaskModel mask_;
    std::string beforeEdit_;  // the text before the operator's changes, for Esc
};

}  // namespace forms
