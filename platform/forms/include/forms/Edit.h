#pragma once
#include <functional>
#include <string>

#include "forms/Control.h"
#include "forms/Validator.h"
#include "forms/VisibleText.h"

namespace forms {

// Single-line edit. MaxLength limits typed input only; text set by the program
// is taken whole. Modified is set by typing only; text set by the program
// clears it, as the platform's edit control does, so a change handler can tell
// the operator's changes from its own.
class Edit : public Control {
public:
    Edit(Form& form, Control* parent, std::string name);
    void Accept(ControlVisitor& v) const override { v.Visit(*this); }

    bool IsFocusable() const override { return true; }
    bool TakesCharacters() const override { return true; }

    virtual std::string Text() const { return text_; }
    // Program-set text: puts the caret at 0, clears Modified, then fires
    // OnChange when the text differs.
    virtual void SetText(const std::string& text);
    void Clear() { SetText(""); }

    int MaxLength() const { return maxLength_; }  // 0 = no limit
    virtual void SetMaxLength(int n) { maxLength_ = n; }
    bool Modified() const { return modified_; }
    void SetModified(bool m) { modified_ = m; }
    int SelStart() const { return selStart_; }  // caret position, 0-based
    void SetSelStart(int pos);  // also drops the selection
    int SelLength() const { return selLength_; }
    void SetSelLength(int n);
    void SelectAll();
    // Entering the edit selects its whole text, so what the operator types replaces it.
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool a) { autoSelect_ = a; }
    void FocusReceived() override;
    CharCase GetCharCase() const { return charCase_; }
    void SetCharCase(CharCase c) { charCase_ = c; }
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c) { passwordChar_ = c; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool r) { readOnly_ = r; }
    const Validator& GetValidator() const { return validator_; }
    void SetValidator(Validator v) { validator_ = std::move(v); }

    // What the operator sees: the text, masked by the password character.
    virtual std::string DisplayText() const;
    // The part of DisplayText() a box `room` wide shows (in the units of
    // `widthOf`). A selection shows its far end, where the platform's caret
    // stands after selecting the whole text.
    VisibleText ShownPart(double room, const std::function<double(const std::string&)>& widthOf) const;

    std::function<void(Control& sender)> OnChange;

    // Typing: a character inserts at the caret (case and MaxLength applied),
    // Backspace deletes before the caret.
    void DefaultKey(char key) override;
    // A character or Backspace, unless the box is read-only.
    bool TakesKey(char key) const override;
    char Accepted(char key, bool typed) override;

protected:
    // Sets the text as typing does: marks Modified and fires OnChange.
    void TypedText(const std::string& text, int caret);
    void FireChange();

    std::string text_;
    int maxLength_ = 0;
    bool modified_ = false;
    int selStart_ = 0;
    int selLength_ = 0;
    bool autoSelect_ = true;
    CharCase charCase_ = CharCase::Normal;
    char passwordChar_ = 0;
    bool readOnly_ = false;
    Validator validator_;
};

}  // namespace forms
