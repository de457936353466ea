#include "forms/MaskEdit.h"

#include "cp1252/Cp1252.h"

namespace forms {

const char* const kInvalidInputMessage = "Invalid input value.  Use escape key to abandon changes";

void MaskEdit::SetEditMask(const std::string& mask) {
    const bool hadMask = HasMask();
    const std::string old = Text();
    const bool oldFilled = hadMask && mask_.Display() != MaskModel(mask_.EditMask()).Display();
    if (mask.empty()) {
        mask_ = MaskModel();
        // An untouched mask leaves no text behind, only its blanks and literals.
        text_ = (!hadMask || oldFilled) ? old : std::string();
    } else {
        mask_ = MaskModel(mask);
        if (!hadMask || oldFilled) mask_.SetText(old);
        text_ = mask_.Text();
    }
    selStart_ = 0;
}

std::string MaskEdit::Text() const { return HasMask() ? mask_.Text() : Edit::Text(); }

void MaskEdit::SetText(const std::string& text) {
    if (!HasMask()) {
        Edit::SetText(text);
        return;
    }
    const std::string before = Text();
    mask_.SetText(text);
    text_ = mask_.Text();
    selStart_ = 0;
    modified_ = false;
    if (Text() != before) FireChange();
}

std::string MaskEdit::DisplayText() const {
    if (!HasMask()) return Edit::DisplayText();
    return passwordChar_ ? mask_.Display(passwordChar_) : mask_.Display();
}

void MaskEdit::DefaultKey(char key) {
    if (!HasMask()) {
        Edit::DefaultKey(key);
        return;
    }
    if (readOnly_) return;
    if (key == VK_ESCAPE) {
        if (modified_) SetText(beforeEdit_);
        return;
    }
    const std::string before = Text();
    const std::string shownBefore = mask_.Display();
    int caret = selStart_;
    if (key == VK_BACK) {
        caret = mask_.Backspace(selStart_);
    } else if (static_cast<unsigned char>(key) >= 32 && key != 127) {
        if (charCase_ == CharCase::Upper) key = cp1252::Cp1252Upper(key);
        if (charCase_ == CharCase::Lower) key = cp1252::Cp1252Lower(key);
        caret = mask_.Type(selStart_, key);
        if (caret < 0) return;  // does not fit the mask here
    } else {
        return;
    }
    if (key == VK_BACK && mask_.Display() == shownBefore) {
        selStart_ = caret;  // nothing before the caret to erase
        return;
    }
    if (!modified_) beforeEdit_ = before;
    TypedText(mask_.Text(), caret);
}

bool MaskEdit::TakesKey(char key) const {
    if (HasMask() && key == VK_ESCAPE) return !readOnly_ && modified_;
    return Edit::TakesKey(key);
}

void MaskEdit::ValidateEdit() const {
    if (HasMask() && modified_ && !mask_.Complete()) throw MaskError();
}

}  // namespace forms
