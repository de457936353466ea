#include "KeyLine.h"

#include <vector>

#include "forms/Form.h"
#include "forms/GlyphButton.h"
#include "forms/backends/CellPainter.h"

namespace forms {

namespace {

using Kind = KeyEffect::Kind;

std::string Join(const std::vector<std::string>& parts) {
    std::string line;
    for (const std::string& p : parts)
        if (!p.empty()) line += (line.empty() ? " " : "   ") + p;
    return line;
}

// Enter or Esc: what the form does with it, in the operator's words.
std::string Names(const std::string& key, const KeyEffect& effect, const Control* focus) {
    switch (effect.kind) {
        case Kind::Focus: return key + " pr\xF3ximo";
        case Kind::Undo: return key + " desfaz";
        case Kind::Press:
            if (effect.target == focus) return key + " aciona";
            return key + " " + static_cast<const GlyphButton*>(effect.target)->DisplayCaption();
        default: return "";
    }
}

// The digits that press a button where the focus stands.
std::string Digits(const Form& f) {
    std::string keys;
    for (char d = '0'; d <= '9'; ++d)
        if (f.WhatKeyDoes(d).kind == Kind::Press) keys += (keys.empty() ? "" : " ") + std::string(1, d);
    return keys.empty() ? "" : keys + " aciona bot\xE3o";
}

// A box of one button takes Enter; of more, each button's first letter, Tab and Esc too.
std::string BoxKeys(const MessageBoxStyle& style) {
    if (style.buttons.size() == 1) return Join({"Enter " + CaptionOf(style.buttons.front())});
    std::vector<std::string> parts;
    for (BoxButton b : style.buttons) parts.push_back(CaptionOf(b).substr(0, 1) + " " + CaptionOf(b));
    parts.insert(parts.end(), {"Tab escolhe", "Enter responde", "Esc " + CaptionOf(style.buttons[style.escapeButton])});
    return Join(parts);
}

}  // namespace

// Only what the form says each key does: the line cannot promise a key the
// routing would send elsewhere.
std::string KeyLine(const Form* f, const BoxView* box) {
    if (box) return BoxKeys(box->Style());
    if (!f) return "";
    const Control* focus = f->ActiveControl() && f->ActiveControl()->CanFocus() ? f->ActiveControl() : nullptr;
    std::vector<std::string> parts = {Digits(*f), Names("Enter", f->WhatKeyDoes(VK_RETURN), focus)};
    if (f->WhatKeyDoes(VK_BACK).kind == Kind::Erase) parts.push_back("Backspace apaga");
    if (f->WhatKeyDownDoes(VK_DOWN).kind == Kind::Scroll) parts.push_back("Setas PgUp PgDn Home End rolam");
    if (f->WhatKeyDoes(VK_TAB).kind == Kind::Focus)
        parts.push_back(f->WhatKeyDownDoes(VK_DOWN).kind == Kind::Focus ? "Tab Setas mudam" : "Tab Shift+Tab mudam");
    parts.push_back(Names("Esc", f->WhatKeyDoes(VK_ESCAPE), focus));
    return Join(parts);
}

}  // namespace forms
