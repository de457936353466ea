#include "forms/backends/CellPainter.h"

#include <algorithm>
#include <vector>

#include "CellLayout.h"
#include "../../TextMetrics.h"
#include "KeyLine.h"
#include "forms/Application.h"
#include "forms/ControlVisitor.h"
#include "forms/Edit.h"
#include "forms/GlyphButton.h"
#include "forms/Label.h"
#include "forms/Memo.h"
#include "forms/Panel.h"
#include "forms/Types.h"

namespace forms {

namespace {

// The icon of a message box, in letters a monochrome terminal shows too.
std::string Icon(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Stop: return "(x)";
        case BoxIcon::Question: return "(?)";
        case BoxIcon::Exclamation: return "(!)";
        case BoxIcon::Information: return "(i)";
        case BoxIcon::None: break;
    }
    return "";
}

class Painter final : private ControlVisitor {
public:
    explicit Painter(CellCanvas& canvas) : c_(canvas) {}

    void PaintForm(Form& f) {
        const int firstRow = f.Borderless() ? 0 : 1;
        if (!f.Borderless()) c_.Put(0, std::max(0, c_.Cols() - static_cast<int>(f.Caption().size()) - 1), f.Caption(), CellRole::Title);
        const CellLayout layout(f, c_.Cols(), firstRow, c_.Rows() - 1);
        for (const auto& owned : f.Controls()) {
            Control& c = *owned;
            const CellRect* r = layout.Of(c);
            if (!r) continue;
            const bool focused = f.ActiveControl() == &c && c.CanFocus();
            if (CellLayout::Framed(c)) {
                c_.Frame(*r, CellRole::Form);
                c_.Place(c, *r, "");
            } else {
                rect_ = *r;
                focused_ = focused;
                c.Accept(*this);
            }
            if (!c.EffectivelyEnabled()) c_.Dim(*r);
        }
    }

    void PaintBox(const BoxView& box) {
        const MessageBoxStyle style = box.Style();
        const std::string icon = Icon(style.icon);
        const int indent = icon.empty() ? 0 : static_cast<int>(icon.size()) + 2;
        const int most = std::max(10, c_.Cols() - 6 - indent);
        std::vector<std::string> lines;
        for (const std::string& l : text::Lines(box.text))
            for (const std::string& w : text::WrapCells(l, most)) lines.push_back(w);
        std::vector<std::string> captions;
        std::string buttons;
        for (BoxButton b : style.buttons) {
            captions.push_back("[ " + CaptionOf(b) + " ]");
            buttons += (buttons.empty() ? "" : "  ") + captions.back();
        }
        int width = static_cast<int>(box.caption.size()) + 6;  // "+- caption -+"
        for (const std::string& l : lines) width = std::max(width, static_cast<int>(l.size()) + indent + 4);
        width = std::min(std::max({width, static_cast<int>(buttons.size()) + 4, 24}), c_.Cols());
        const int height = static_cast<int>(lines.size()) + 4;
        const CellRect r{std::max(0, (c_.Cols() - width) / 2), std::max(0, (c_.Rows() - 1 - height) / 2), width, height};
        c_.Fill(r, CellRole::Box);
        c_.Frame(r, CellRole::Box);
        c_.Put(r.y, r.x + 2, " " + box.caption + " ", CellRole::Box, width - 4);
        if (!icon.empty()) c_.Put(r.y + 1, r.x + 2, icon, CellRole::Box);
        for (size_t i = 0; i < lines.size(); ++i)
            c_.Put(r.y + 1 + static_cast<int>(i), r.x + 2 + indent, lines[i], CellRole::Box, width - 4 - indent);
        const int row = r.Bottom() - 2;
        int x = r.x + (width - static_cast<int>(buttons.size())) / 2;
        for (size_t i = 0; i < captions.size(); ++i) {
            c_.Put(row, x, captions[i], box.selected == static_cast<int>(i) ? CellRole::BoxButton : CellRole::Box);
            x += static_cast<int>(captions[i].size()) + 2;
        }
    }

    void PaintTooSmall() {
        const std::string notice = "Esta tela precisa de pelo menos " + std::to_string(CellLayout::kMinCols) + "x" +
                                   std::to_string(CellLayout::kMinRows) + " (o terminal tem " +
                                   std::to_string(c_.Cols()) + "x" + std::to_string(c_.Rows()) +
                                   "); as teclas ficam sem efeito at\xE9 a janela crescer.";
        const std::vector<std::string> lines = text::WrapCells(notice, std::max(1, c_.Cols() - 2));
        const int top = std::max(0, (c_.Rows() - static_cast<int>(lines.size())) / 2);
        for (size_t i = 0; i < lines.size(); ++i)
            c_.Put(top + static_cast<int>(i), std::max(0, (c_.Cols() - static_cast<int>(lines[i].size())) / 2), lines[i],
                   CellRole::Title);
    }

    void PaintKeys(const std::string& keys) {
        const int row = c_.Rows() - 1;
        c_.Fill(CellRect{0, row, c_.Cols(), 1}, CellRole::KeyLine);
        c_.Put(row, 0, keys, CellRole::KeyLine, c_.Cols());
    }

private:
    void Visit(const Label& label) override { PaintLabel(label, rect_); }
    void Visit(const Edit& edit) override { PaintEdit(edit, rect_, focused_); }
    void Visit(const GlyphButton& button) override { PaintButton(button, rect_, focused_); }
    void Visit(const Memo& memo) override { PaintMemo(memo, rect_, focused_); }

    void PaintLabel(const Label& label, const CellRect& r) {
        const std::vector<std::string> lines =
            label.WordWrap() && r.h > 1 ? text::WrapCells(label.Caption(), r.w) : text::Lines(label.Caption());
        std::string shown;
        for (int i = 0; i < static_cast<int>(lines.size()) && i < r.h; ++i) {
            const std::string& line = lines[static_cast<size_t>(i)];
            const int spare = std::max(0, r.w - static_cast<int>(line.size()));
            int x = r.x;
            if (label.GetAlignment() == Alignment::Right) x += spare;
            if (label.GetAlignment() == Alignment::Center) x += spare / 2;
            c_.Put(r.y + i, x, line, CellRole::Title, r.Right() - x);
            shown += (i ? "\n" : "") + line.substr(0, static_cast<size_t>(std::max(0, r.Right() - x)));
        }
        c_.Place(label, r, shown);
    }

    // The box in its own role, so an empty one shows; the part of the text
    // the model says a box this many cells wide shows, the selected part and
    // the caret when it has the focus.
    void PaintEdit(const Edit& edit, const CellRect& r, bool focused) {
        const std::string text = edit.DisplayText();
        const VisibleText v = edit.ShownPart(r.w, [](const std::string& s) { return static_cast<double>(s.size()); });
        std::string shown = text.substr(static_cast<size_t>(v.first), static_cast<size_t>(v.length));
        shown.resize(static_cast<size_t>(std::max(0, r.w)), ' ');
        const CellRole role = !edit.EffectivelyEnabled() ? CellRole::Form : focused ? CellRole::Focus : CellRole::Field;
        c_.Put(r.y, r.x, shown, role);
        if (focused) {
            const int caret = std::clamp(edit.SelStart(), 0, static_cast<int>(text.size()));
            const int from = std::max(caret, v.first), to = std::min(caret + edit.SelLength(), v.first + v.length);
            for (int i = from; i < to; ++i)
                c_.Put(r.y, r.x + i - v.first, shown.substr(static_cast<size_t>(i - v.first), 1), CellRole::Selection);
            const int at = std::clamp(caret, v.first, v.first + std::max(0, r.w - 1));
            c_.SetCaret(r.y, r.x + at - v.first);
        }
        c_.Place(edit, r, text.substr(static_cast<size_t>(v.first), static_cast<size_t>(v.length)));
    }

    // "[ caption ]", or "[caption]" where the blanks do not fit.
    void PaintButton(const GlyphButton& button, const CellRect& r, bool focused) {
        const std::string caption = button.DisplayCaption();
        const bool roomy = r.w >= static_cast<int>(caption.size()) + 4;
        const std::string text = roomy ? "[ " + caption + " ]" : "[" + caption + "]";
        const int x = r.x + std::max(0, (r.w - static_cast<int>(text.size())) / 2);
        c_.Put(r.y, x, text, focused ? CellRole::Focus : CellRole::Button, r.Right() - x);
        const int at = button.AcceleratorIndex();
        if (at >= 0) c_.Underline(r.y, x + (roomy ? 2 : 1) + at);
        c_.Place(button, r, text.substr(0, static_cast<size_t>(std::max(0, r.Right() - x))));
    }

    // The lines from the memo's top line; a text longer than the box gets a
    // scroll bar in the box's last column, its thumb where the top line stands.
    void PaintMemo(const Memo& memo, const CellRect& r, bool focused) {
        memo.SetPageLines(r.h);
        const bool bar = memo.Scrolls() && r.w > 2;
        const int width = bar ? r.w - 1 : r.w;
        const int top = memo.TopLine();
        const CellRole role = focused ? CellRole::Focus : CellRole::Field;
        std::string shown;
        for (int i = 0; i < r.h; ++i) {
            const size_t line = static_cast<size_t>(top + i);
            std::string text = line < memo.Lines().size() ? memo.Lines()[line] : "";
            shown += (i ? "\n" : "") + text;
            text.resize(static_cast<size_t>(width), ' ');
            c_.Put(r.y + i, r.x, text, role, width);
        }
        c_.Place(memo, r, shown);
        if (!bar) return;
        const int lines = static_cast<int>(memo.Lines().size());
        const int track = std::max(1, r.h - 2);
        const int last = std::max(1, lines - r.h);
        const int thumb = r.h <= 2 ? 0 : 1 + top * (track - 1) / last;
        for (int i = 0; i < r.h; ++i) {
            Glyph g = Glyph::Track;
            if (r.h > 2 && i == 0) g = Glyph::Up;
            if (r.h > 2 && i == r.h - 1) g = Glyph::Down;
            if (i == thumb) g = Glyph::Thumb;
            c_.PutGlyph(r.y + i, r.Right() - 1, g, role);
        }
    }

    CellCanvas& c_;
    CellRect rect_;  // where the control being visited is drawn
    bool focused_ = false;
};

}  // namespace

bool TooSmallForScreens(int cols, int rows) { return cols < CellLayout::kMinCols || rows < CellLayout::kMinRows; }

void PaintCells(Application& app, const BoxView* box, CellCanvas& canvas) {
    canvas.Clear();
    Painter painter(canvas);
    if (TooSmallForScreens(canvas.Cols(), canvas.Rows())) {
        painter.PaintTooSmall();
        return;
    }
    Form* form = app.ActiveForm();
    if (form) painter.PaintForm(*form);
    if (box) {
        painter.PaintBox(*box);
        canvas.SetCaret(-1, -1);
    }
    painter.PaintKeys(KeyLine(form, box));
}

}  // namespace forms
