#include "ControlPainter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "../../TextMetrics.h"

#include "forms/Control.h"
#include "forms/Edit.h"
#include "forms/Form.h"
#include "forms/GlyphButton.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/Memo.h"
#include "forms/Panel.h"

namespace forms::win32 {

namespace {

constexpr Color kHighlight = 0x800000;  // the platform's selection colour

COLORREF Rgb(Color c) { return static_cast<COLORREF>(c & 0x00FFFFFF); }

void Fill(HDC dc, const RECT& r, Color c) {
    HBRUSH brush = ::CreateSolidBrush(Rgb(c));
    ::FillRect(dc, &r, brush);
    ::DeleteObject(brush);
}

UINT AlignmentFormat(Alignment a) {
    switch (a) {
        case Alignment::Right: return DT_RIGHT;
        case Alignment::Center: return DT_CENTER;
        default: return DT_LEFT;
    }
}

}  // namespace

ControlPainter::~ControlPainter() {
    for (auto& [key, font] : fonts_) ::DeleteObject(font);
}

HFONT ControlPainter::FontOf(const Font& font) {
    const auto key = std::make_tuple(font.name, font.size, font.bold, font.italic);
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second;
    // A positive size is in points (96 pixels an inch), a negative one in pixels.
    const int height = font.size < 0 ? font.size : -::MulDiv(font.size, 96, 72);
    HFONT created = ::CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE,
                                  ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_SWISS, Wide(font.name).c_str());
    fonts_[key] = created;
    return created;
}

// Labels and pictures show their container's colour, as the platform's
// labels take their parent's colour.
Color ControlPainter::Background(const Control& c) {
    if (KindOf(c) != ControlKind::Label && KindOf(c) != ControlKind::Image) return c.GetColor();
    if (const Control* p = c.Parent()) return p->GetColor();
    return c.OwnerForm().GetColor();
}

void ControlPainter::Text(HDC dc, RECT r, const std::string& cp1252, const Font& font, UINT format, Color background) {
    HGDIOBJ old = ::SelectObject(dc, FontOf(font));
    ::SetTextColor(dc, Rgb(font.color));
    ::SetBkColor(dc, Rgb(background));
    ::SetBkMode(dc, TRANSPARENT);
    const std::wstring wide = Wide(cp1252);
    ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, format);
    ::SelectObject(dc, old);
}

// The part of the text the model says the box shows, measured in the font
// this window draws with; the selection in the platform's colours, the caret
// after the text before it.
void ControlPainter::EditText(HDC dc, const RECT& r, const Edit& edit, bool focused, Color background) {
    Font font = edit.GetFont();
    if (!edit.EffectivelyEnabled()) font.color = 0x808080;
    HGDIOBJ old = ::SelectObject(dc, FontOf(font));
    const auto widthOf = [dc](const std::string& s) {
        const std::wstring wide = Wide(s);
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
        return static_cast<double>(extent.cx);
    };
    // The caret is two pixels wide: the room leaves it one more.
    const VisibleText v = edit.ShownPart(static_cast<double>(r.right - r.left - 1), widthOf);
    const std::string shown = edit.DisplayText().substr(static_cast<size_t>(v.first));
    const int size = static_cast<int>(shown.size());
    const int start = std::clamp(edit.SelStart() - v.first, 0, size);
    const int end = focused ? std::clamp(edit.SelStart() + edit.SelLength() - v.first, start, size) : start;
    const LONG caretX = r.left + static_cast<LONG>(widthOf(shown.substr(0, static_cast<size_t>(start))));
    const LONG endX = r.left + static_cast<LONG>(widthOf(shown.substr(0, static_cast<size_t>(end))));
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    Text(dc, r, shown, font, format, background);
    if (end > start) {
        Fill(dc, RECT{caretX, r.top + 1, std::min(endX, r.right), r.bottom - 1}, kHighlight);
        Font white = font;
        white.color = 0xFFFFFF;
        const RECT selected{caretX, r.top, std::min(endX, r.right), r.bottom};
        Text(dc, selected, shown.substr(static_cast<size_t>(start), static_cast<size_t>(end - start)), white, format,
             kHighlight);
    } else if (focused) {
        Fill(dc, RECT{caretX, r.top + 2, std::min(caretX + 2, r.right), r.bottom - 2}, 0);
    }
    ::SelectObject(dc, old);
}

void ControlPainter::PaintForm(HDC dc, const RECT& area, const Form& f) { Fill(dc, area, f.GetColor()); }

void ControlPainter::Paint(HDC dc, const RECT& area, const Control& c, bool focused) {
    dc_ = dc;
    area_ = area;
    focused_ = focused;
    c.Accept(*this);
}

void ControlPainter::Visit(const Label& label) {
    const Control& c = label;
    const RECT& area = area_;
    const Font& font = c.GetFont();
    Fill(dc_, area, Background(c));
    Font shown = font;
    if (!c.EffectivelyEnabled()) shown.color = 0x808080;
    // The lines break where the pictures and the terminal break them.
    const std::vector<std::string> lines =
        label.WordWrap() ? text::Wrap(c.Caption(), font, area.right - area.left) : text::Lines(c.Caption());
    RECT line = area;
    for (const std::string& l : lines) {
        Text(dc_, line, l, shown, AlignmentFormat(label.GetAlignment()) | DT_SINGLELINE | DT_NOPREFIX, Background(c));
        line.top += static_cast<LONG>(std::lround(text::LineHeight(font)));
    }
}

void ControlPainter::Visit(const Edit& edit) {
    RECT r = area_;
    const Color background = edit.EffectivelyEnabled() ? 0xFFFFFF : 0xE0E0E0;
    Fill(dc_, r, background);
    ::DrawEdge(dc_, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    r.left += 2;
    EditText(dc_, r, edit, focused_, background);
}

void ControlPainter::Visit(const GlyphButton& button) {
    const bool enabled = button.EffectivelyEnabled();
    RECT r = area_;
    if (button.Framed()) {
        HBRUSH black = ::CreateSolidBrush(0);
        ::FrameRect(dc_, &r, black);
        ::DeleteObject(black);
        ::InflateRect(&r, -1, -1);
    }
    ::DrawFrameControl(dc_, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (enabled ? 0 : DFCS_INACTIVE));
    Font f = button.GetFont();
    if (!enabled) f.color = 0x808080;
    // The caption keeps its "&": the platform underlines the accelerator.
    Text(dc_, r, button.Caption(), f, DT_SINGLELINE | DT_CENTER | DT_VCENTER, 0xC0C0C0);
    if (focused_) {
        RECT inner = area_;
        ::InflateRect(&inner, -4, -4);
        ::DrawFocusRect(dc_, &inner);
    }
}

void ControlPainter::Visit(const Panel& panel) {
    const Control& c = panel;
    RECT r = area_;
    Fill(dc_, r, c.GetColor());
    ::DrawEdge(dc_, &r, BDR_RAISEDOUTER, BF_RECT | BF_ADJUST);
    if (panel.BevelInner() == Bevel::Lowered) ::DrawEdge(dc_, &r, BDR_SUNKENINNER, BF_RECT);
    if (panel.BevelInner() == Bevel::Raised) ::DrawEdge(dc_, &r, BDR_RAISEDINNER, BF_RECT);
    if (!c.Caption().empty()) Text(dc_, r, c.Caption(), c.GetFont(), DT_SINGLELINE | DT_CENTER | DT_VCENTER, c.GetColor());
}

void ControlPainter::Visit(const Memo& memo) {
    RECT r = area_;
    Fill(dc_, r, 0xFFFFFF);
    ::DrawEdge(dc_, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    std::string text;
    for (size_t i = static_cast<size_t>(std::max(0, memo.TopLine())); i < memo.Lines().size(); ++i)
        text += memo.Lines()[i] + "\r\n";
    r.left += 2;
    Text(dc_, r, text, memo.GetFont(), DT_LEFT | DT_NOPREFIX, 0xFFFFFF);
}

void ControlPainter::Visit(const Image& image) { Fill(dc_, area_, Background(image)); }

}  // namespace forms::win32
