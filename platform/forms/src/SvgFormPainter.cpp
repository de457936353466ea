#include "SvgFormPainter.h"

#include <algorithm>

#include "TextMetrics.h"
#include "forms/ControlVisitor.h"
#include "forms/Edit.h"
#include "forms/GlyphButton.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/Memo.h"
#include "forms/Panel.h"

namespace forms::svg {

namespace {

// The platform's classic colours (0x00BBGGRR).
constexpr Color kWhite = 0xFFFFFF, kLight = 0xE0E0E0, kFace = 0xC0C0C0, kShadow = 0x808080, kBlack = 0x000000;
constexpr Color kHighlight = 0x800000;  // navy: selected text, a window's title bar
constexpr int kFrame = 4, kTitleBar = 19;  // a bordered window's frame and title bar
constexpr int kScrollBar = 16;

void RaisedEdge(Canvas& canvas, int x, int y, int width, int height) {
    canvas.Ring(x, y, width, height, kLight, kBlack);
    canvas.Ring(x + 1, y + 1, width - 2, height - 2, kWhite, kShadow);
}

void SunkenEdge(Canvas& canvas, int x, int y, int width, int height) {
    canvas.Ring(x, y, width, height, kShadow, kWhite);
    canvas.Ring(x + 1, y + 1, width - 2, height - 2, kBlack, kLight);
}

// The baseline that centres one line of the font in a box of that height.
double CentredBaseline(int height, const Font& font) {
    return (height - text::LineHeight(font)) / 2.0 + text::Ascent(font);
}

// Graphic controls (labels, pictures) lie under the windowed ones of the same
// parent, as on the platform; each group keeps its creation order.
bool Windowed(const Control& c) { return c.IsFocusable() || c.IsContainer(); }

}  // namespace

void PaintPushButton(Canvas& canvas, int width, int height, const std::string& caption, int accelerator,
                     const Font& font, bool enabled, bool focused, bool isDefault) {
    canvas.Rect(0, 0, width, height, kFace);
    const int inset = isDefault ? 1 : 0;
    if (isDefault) canvas.Frame(0, 0, width, height, kBlack);
    RaisedEdge(canvas, inset, inset, width - 2 * inset, height - 2 * inset);
    TextStyle style{font, enabled ? font.color : kShadow, TextStyle::Anchor::Middle};
    if (accelerator >= 0) {
        style.spanStart = accelerator;
        style.spanLength = 1;
        style.spanUnderline = true;
    }
    const double baseline = CentredBaseline(height, font);
    if (!enabled) {
        TextStyle embossed = style;
        embossed.color = kWhite;
        canvas.Text(width / 2.0 + 1, baseline + 1, caption, embossed);
    }
    canvas.Text(width / 2.0, baseline, caption, style);
    if (focused) canvas.Frame(4, 4, width - 8, height - 8, kBlack, true);
}

void FormPainter::Paint(const Form& f) {
    const Control* active = f.ActiveControl();
    focused_ = active && active->CanFocus() ? active : nullptr;
    int left = 0, top = 0, width = f.ShownWidth(), height = f.ShownHeight();
    canvas_.Rect(0, 0, width, height, f.GetColor());
    if (!f.Borderless()) {
        RaisedEdge(canvas_, 0, 0, width, height);
        canvas_.Rect(kFrame - 1, kFrame - 1, width - 2 * kFrame + 2, kTitleBar - 1, kHighlight);
        Font caption;
        caption.bold = true;
        canvas_.Text(kFrame + 3, kFrame - 1 + CentredBaseline(kTitleBar - 1, caption), f.Caption(),
                     TextStyle{caption, kWhite});
        left = kFrame;
        top = kFrame + kTitleBar;
        width -= 2 * kFrame;
        height -= top + kFrame;
    }
    canvas_.Open(left, top, width, height, f.Name());
    PaintChildren(f.TopControls(), width, height, f.GetColor());
    canvas_.Close();
}

void FormPainter::PaintChildren(const std::vector<Control*>& children, int width, int height, Color background) {
    for (const bool windowed : {false, true})
        for (const Control* c : children)
            if (c->Visible() && Windowed(*c) == windowed) PaintControl(*c, width, height, background);
}

// Each kind opens its place on the picture, draws itself there and closes it.
class FormPainter::Kinds final : public ControlVisitor {
public:
    Kinds(FormPainter& p, int parentWidth, int parentHeight, Color background)
        : p_(p), parentWidth_(parentWidth), parentHeight_(parentHeight), background_(background) {}

    void Visit(const Control& c) override { Open(c); }
    void Visit(const Label& label) override {
        // A label that grows to its caption is never cut.
        Open(label, !label.Grows());
        p_.PaintLabel(label, label.Width(), label.Height(), background_);
    }
    void Visit(const Edit& edit) override {
        Open(edit);
        p_.PaintEdit(edit, edit.Width(), edit.Height());
    }
    void Visit(const GlyphButton& button) override {
        Open(button);
        p_.PaintButton(button, button.Width(), button.Height());
    }
    void Visit(const Panel& panel) override {
        Open(panel);
        p_.PaintPanel(panel, panel.Width(), panel.Height());
        p_.PaintChildren(panel.Children(), panel.Width(), panel.Height(), panel.GetColor());
    }
    void Visit(const Memo& memo) override {
        Open(memo);
        p_.PaintMemo(memo, memo.Width(), memo.Height());
    }
    void Visit(const Image& image) override {
        const bool client = image.AlignClient();
        const int width = client ? parentWidth_ : image.Width();
        const int height = client ? parentHeight_ : image.Height();
        p_.canvas_.Open(client ? 0 : image.Left(), client ? 0 : image.Top(), width, height,
                        image.Name() + ": " + image.Picture());
        // The model knows a picture by its description only: its place shows
        // the colour behind it, and the description is the place's title.
        p_.canvas_.Rect(0, 0, width, height, background_);
    }

private:
    void Open(const Control& c, bool cut = true) { p_.canvas_.Open(c.Left(), c.Top(), c.Width(), c.Height(), c.Name(), cut); }

    FormPainter& p_;
    int parentWidth_, parentHeight_;
    Color background_;
};

void FormPainter::PaintControl(const Control& c, int parentWidth, int parentHeight, Color background) {
    Kinds kinds(*this, parentWidth, parentHeight, background);
    c.Accept(kinds);
    canvas_.Close();
}

void FormPainter::PaintLabel(const Label& label, int width, int height, Color background) {
    const Font& font = label.GetFont();
    const std::vector<std::string> lines =
        label.WordWrap() ? text::Wrap(label.Caption(), font, width) : text::Lines(label.Caption());
    if (!label.Transparent()) {
        // A label that grew to its caption shows its colour under all of it.
        const Label::Extent shown = label.Shown();
        canvas_.Rect(shown.left - label.Left(), 0, shown.width, height, background);
    }
    TextStyle style{font, label.EffectivelyEnabled() ? font.color : kShadow};
    double x = 0;
    if (label.GetAlignment() == Alignment::Right) {
        style.anchor = TextStyle::Anchor::End;
        x = width;
    } else if (label.GetAlignment() == Alignment::Center) {
        style.anchor = TextStyle::Anchor::Middle;
        x = width / 2.0;
    }
    double baseline = text::Ascent(font);
    for (const std::string& line : lines) {
        canvas_.Text(x, baseline, line, style);
        baseline += text::LineHeight(font);
    }
}

// The part of the text the model says the box shows, cut inside the box's
// edges as the platform cuts it: never over its border or its neighbours.
void FormPainter::PaintEdit(const Edit& edit, int width, int height) {
    const bool enabled = edit.EffectivelyEnabled();
    canvas_.Rect(0, 0, width, height, enabled ? edit.GetColor() : kLight);
    SunkenEdge(canvas_, 0, 0, width, height);
    const Font& font = edit.GetFont();
    const bool focused = focused_ == &edit;
    constexpr int kEdge = 2;
    constexpr double kTextLeft = 1;  // inside the edges
    const double room = width - 2 * kEdge - kTextLeft;
    const VisibleText v = edit.ShownPart(room, [&](const std::string& s) { return text::Width(s, font); });
    const std::string shown = edit.DisplayText().substr(static_cast<size_t>(v.first));
    const int size = static_cast<int>(shown.size());
    const int start = std::clamp(edit.SelStart() - v.first, 0, size);
    const int selected = focused ? std::clamp(edit.SelStart() + edit.SelLength() - v.first, 0, size) - start : 0;
    canvas_.Clip(kEdge, kEdge, width - 2 * kEdge, height - 2 * kEdge);
    const double caretX = kTextLeft + text::Width(shown.substr(0, static_cast<size_t>(start)), font);
    TextStyle style{font, enabled ? font.color : kShadow};
    if (selected > 0) {
        const double selectedWidth = text::Width(shown.substr(static_cast<size_t>(start), static_cast<size_t>(selected)), font);
        canvas_.Rect(caretX, 1, selectedWidth, height - 6, kHighlight);
        style.spanStart = start;
        style.spanLength = selected;
        style.spanRecoloured = true;
        style.spanColor = kWhite;
    }
    canvas_.Text(kTextLeft, CentredBaseline(height, font) - kEdge, shown, style);
    if (focused && selected == 0) canvas_.Rect(caretX, 1, 1, height - 6, kBlack);
    canvas_.Close();
}

void FormPainter::PaintButton(const GlyphButton& button, int width, int height) {
    PaintPushButton(canvas_, width, height, button.DisplayCaption(), button.AcceleratorIndex(), button.GetFont(),
                    button.EffectivelyEnabled(), focused_ == &button, button.Framed());
}

// A panel's outer bevel is raised; "no bevel" draws no edge at all.
void FormPainter::PaintPanel(const Panel& panel, int width, int height) {
    canvas_.Rect(0, 0, width, height, panel.GetColor());
    if (panel.BevelInner() != Bevel::None) {
        canvas_.Ring(0, 0, width, height, kWhite, kShadow);
        if (panel.BevelInner() == Bevel::Lowered) canvas_.Ring(1, 1, width - 2, height - 2, kShadow, kWhite);
        if (panel.BevelInner() == Bevel::Raised) canvas_.Ring(1, 1, width - 2, height - 2, kWhite, kShadow);
    }
    if (panel.Caption().empty()) return;
    const Font& font = panel.GetFont();
    canvas_.Text(width / 2.0, CentredBaseline(height, font), panel.Caption(),
                 TextStyle{font, font.color, TextStyle::Anchor::Middle});
}

// The lines from the memo's top line, as many as the box holds at the
// memo's own line height; a longer text gets the platform's scroll bar.
void FormPainter::PaintMemo(const Memo& memo, int width, int height) {
    canvas_.Rect(0, 0, width, height, memo.EffectivelyEnabled() ? memo.GetColor() : kLight);
    SunkenEdge(canvas_, 0, 0, width, height);
    const Font& font = memo.GetFont();
    const int lineHeight = std::max(1, static_cast<int>(text::PixelSize(font)) + 2);
    const int shown = std::max(1, (height - 4) / lineHeight);
    const int lines = static_cast<int>(memo.Lines().size());
    const int top = std::clamp(memo.TopLine(), 0, std::max(0, lines - 1));
    const bool bar = lines > shown && width > kScrollBar + 4;
    const TextStyle style{font, memo.EffectivelyEnabled() ? font.color : kShadow};
    canvas_.Clip(2, 2, width - 4 - (bar ? kScrollBar : 0), height - 4);
    for (int i = 0; i < shown && top + i < lines; ++i)
        canvas_.Text(1, i * lineHeight + text::Ascent(font), memo.Lines()[static_cast<size_t>(top + i)], style);
    if (focused_ == &memo) canvas_.Rect(1, 1, 1, lineHeight - 1, kBlack);
    canvas_.Close();
    if (bar) ScrollBar(width - 2 - kScrollBar, 2, height - 4, lines, shown, top);
}

void FormPainter::ScrollBar(int x, int y, int height, int lines, int shown, int top) {
    canvas_.Rect(x, y, kScrollBar, height, kLight);
    const int arrows = std::min(kScrollBar, height / 2);
    for (const bool up : {true, false}) {
        const int by = up ? y : y + height - arrows;
        canvas_.Rect(x, by, kScrollBar, arrows, kFace);
        RaisedEdge(canvas_, x, by, kScrollBar, arrows);
        const double cx = x + kScrollBar / 2.0, cy = by + arrows / 2.0;
        const double tip = up ? -2 : 2;
        canvas_.Polygon({{cx - 4, cy - tip}, {cx + 4, cy - tip}, {cx, cy + tip}}, kBlack, kBlack);
    }
    const int track = height - 2 * arrows;
    if (track <= 4) return;
    const int thumb = std::max(8, track * shown / lines);
    const int last = std::max(1, lines - shown);
    const int at = y + arrows + (track - thumb) * std::min(top, last) / last;
    canvas_.Rect(x, at, kScrollBar, thumb, kFace);
    RaisedEdge(canvas_, x, at, kScrollBar, thumb);
}

}  // namespace forms::svg
