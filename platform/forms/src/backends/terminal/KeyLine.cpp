#include "KeyLine.h"

#include <vector>

#include "forms/Edit.h"
#include "forms/Form.h"
#include "forms/GlyphButton.h"
#include "forms/MaskEdit.h"
#include "forms/Memo.h"
#include "forms/backends/CellPainter.h"

namespace forms {

namespace {

std::string Join(const std::vector<std::string>& parts) {
    std::string line;
    for (const std::string& p : parts) line += (line.empty() ? " " : "   ") + p;
    return line;
}

// The buttons' keys, in tab order, when a plain key reaches them: the focus
// is on nothing that takes the characters itself.
std::string ButtonKeys(const Form& f, const Control* focus) {
    if (focus && focus->TakesCharacters()) return "";
    std::string keys;
    for (const Control* c : f.TabList()) {
        auto* b = dynamic_cast<const GlyphButton*>(c);
        if (!b || !b->CanFocus() || b->Accelerator() == 0) continue;
        keys += (keys.empty() ? "" : " ") + std::string(1, b->Accelerator());
    }
    return keys;
}

// Esc abandons a masked edit's changes, or presses the cancel button.
std::string EscapeDoes(const Form& f, const Control* focus) {
    if (auto* masked = dynamic_cast<const MaskEdit*>(focus); masked && masked->HasMask() && masked->Modified())
        return "Esc undo";
    for (const Control* c : f.TabList())
        if (auto* b = dynamic_cast<const GlyphButton*>(c); b && b->Cancel() && b->CanFocus())
            return "Esc " + b->DisplayCaption();
    return "";
}

}  // namespace

std::string KeyLine(const Form* f, const BoxView* box) {
    if (box) return box->YesNo() ? Join({"S Sim", "N N\xE3o", "Tab choose", "Enter answer", "Esc N\xE3o"}) : Join({"Enter OK"});
    if (!f) return "";
    Control* active = f->ActiveControl();
    const Control* focus = active && active->CanFocus() ? active : nullptr;
    std::vector<std::string> parts;
    if (const std::string keys = ButtonKeys(*f, focus); !keys.empty()) parts.push_back(keys + " press a button");
    if (dynamic_cast<const GlyphButton*>(focus)) {
        parts.push_back("Enter press");
    } else if (auto* edit = dynamic_cast<const Edit*>(focus); edit && !edit->ReadOnly()) {
        parts.push_back("Enter next");
        parts.push_back("Backspace erase");
    }
    if (auto* memo = dynamic_cast<const Memo*>(focus); memo && memo->Scrolls()) parts.push_back("Up Down PgUp PgDn scroll");
    int stops = 0;
    for (const Control* c : f->TabList()) stops += c->CanFocus() && c->TabStop() ? 1 : 0;
    if (stops > 1) parts.push_back("Tab Shift+Tab move");
    if (const std::string esc = EscapeDoes(*f, focus); !esc.empty()) parts.push_back(esc);
    return Join(parts);
}

}  // namespace forms
