#include "forms/GlyphButton.h"

#include "cp1252/Cp1252.h"
#include "forms/Form.h"

namespace forms {

GlyphButton::GlyphButton(Form& form, Control* parent, std::string name)
    : Control(form, parent, std::move(name)) {
    SetTabStop(true);
}

bool GlyphButton::Framed() const {
    const Control* active = OwnerForm().ActiveControl();
    if (active && !active->CanFocus()) active = nullptr;
    if (active == this) return true;
    return default_ && !(active && KindOf(*active) == ControlKind::Button);
}

char GlyphButton::Accelerator() const {
    const int at = AcceleratorIndex();
    return at < 0 ? 0 : cp1252::Cp1252Upper(DisplayCaption()[static_cast<size_t>(at)]);
}

std::string GlyphButton::DisplayCaption() const {
    const std::string caption = Caption();
    std::string shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                shown += '&';
                ++i;
            }
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

int GlyphButton::AcceleratorIndex() const {
    const std::string caption = Caption();
    int shown = 0;
    for (size_t i = 0; i + 1 < caption.size(); ++i, ++shown) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return shown;
        ++i;  // "&&" shows one "&"
    }
    return -1;
}

void GlyphButton::DefaultKey(char key) {
    if (key == VK_RETURN || key == ' ') Click();
}

}  // namespace forms
