#include "forms/Edit.h"

#include <algorithm>

#include "cp1252/Cp1252.h"

namespace forms {

namespace {

bool Printable(char key) { return static_cast<unsigned char>(key) >= 32 && key != 127; }

}  // namespace

Edit::Edit(Form& form, Control* parent, std::string name) : Control(form, parent, std::move(name)) {
    SetTabStop(true);
}

void Edit::SetText(const std::string& text) {
    const bool changed = text != text_;
    text_ = text;
    selStart_ = 0;
    selLength_ = 0;
    modified_ = false;
    if (changed) FireChange();
}

void Edit::SetSelStart(int pos) {
    selStart_ = std::clamp(pos, 0, static_cast<int>(Text().size()));
    selLength_ = 0;
}

void Edit::SetSelLength(int n) {
    selLength_ = std::clamp(n, 0, static_cast<int>(Text().size()) - selStart_);
}

void Edit::SelectAll() {
    selStart_ = 0;
    selLength_ = static_cast<int>(Text().size());
}

void Edit::FocusReceived() {
    if (autoSelect_) SelectAll();
}

std::string Edit::DisplayText() const {
    const std::string text = Text();
    if (passwordChar_ == 0) return text;
    return std::string(text.size(), passwordChar_);
}

VisibleText Edit::ShownPart(double room, const std::function<double(const std::string&)>& widthOf) const {
    return VisiblePart(DisplayText(), selStart_ + selLength_, room, widthOf);
}

void Edit::DefaultKey(char key) {
    if (readOnly_) return;
    int caret = std::clamp(selStart_, 0, static_cast<int>(text_.size()));
    const int selected = std::clamp(selLength_, 0, static_cast<int>(text_.size()) - caret);
    std::string text = text_;
    if (key == VK_BACK) {
        if (selected > 0) {
            text.erase(static_cast<size_t>(caret), static_cast<size_t>(selected));
            TypedText(text, caret);
            return;
        }
        if (caret == 0) return;
        text.erase(static_cast<size_t>(caret) - 1, 1);
        TypedText(text, caret - 1);
        return;
    }
    if (!Printable(key)) return;
    // Typing over a selection replaces it, so the length limit counts what stays.
    text.erase(static_cast<size_t>(caret), static_cast<size_t>(selected));
    if (maxLength_ > 0 && static_cast<int>(text.size()) >= maxLength_) return;
    if (charCase_ == CharCase::Upper) key = cp1252::Cp1252Upper(key);
    if (charCase_ == CharCase::Lower) key = cp1252::Cp1252Lower(key);
    text.insert(static_cast<size_t>(caret), 1, key);
    TypedText(text, caret + 1);
}

bool Edit::TakesKey(char key) const { return !readOnly_ && (key == VK_BACK || Printable(key)); }

char Edit::Accepted(char key, bool typed) {
    if (typed && validator_.filter) key = validator_.filter(key);
    return key == 0 ? 0 : validator_.Apply(key, Text());
}

void Edit::TypedText(const std::string& text, int caret) {
    text_ = text;
    selStart_ = caret;
    selLength_ = 0;
    modified_ = true;
    FireChange();
}

void Edit::FireChange() {
    if (OnChange) OnChange(*this);
}

}  // namespace forms
