#include "forms/Edit.h"

#include <algorithm>

#include "forms/Cp1252.h"

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
    modified_ = false;
    if (changed) FireChange();
}

void Edit::SetSelStart(int pos) { selStart_ = std::clamp(pos, 0, static_cast<int>(Text().size())); }

std::string Edit::DisplayText() const {
    const std::string text = Text();
    if (passwordChar_ == 0) return text;
    return std::string(text.size(), passwordChar_);
}

void Edit::DefaultKey(char key) {
    if (readOnly_) return;
    const int caret = std::clamp(selStart_, 0, static_cast<int>(text_.size()));
    if (key == VK_BACK) {
        if (caret == 0) return;
        std::string text = text_;
        text.erase(static_cast<size_t>(caret) - 1, 1);
        TypedText(text, caret - 1);
        return;
    }
    if (!Printable(key)) return;
    if (maxLength_ > 0 && static_cast<int>(text_.size()) >= maxLength_) return;
    if (charCase_ == CharCase::Upper) key = Cp1252Upper(key);
    if (charCase_ == CharCase::Lower) key = Cp1252Lower(key);
    std::string text = text_;
    text.insert(static_cast<size_t>(caret), 1, key);
    TypedText(text, caret + 1);
}

void Edit::TypedText(const std::string& text, int caret) {
    text_ = text;
    selStart_ = caret;
    modified_ = true;
    FireChange();
}

void Edit::FireChange() {
    if (OnChange) OnChange(*this);
}

}  // namespace forms
