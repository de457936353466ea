#include "SvgBoxPainter.h"

#include <algorithm>
#include <cmath>

#include "SvgFormPainter.h"
#include "TextMetrics.h"

namespace forms::svg {

namespace {

constexpr Color kWhite = 0xFFFFFF, kLight = 0xE0E0E0, kFace = 0xC0C0C0, kShadow = 0x808080, kBlack = 0;
constexpr Color kTitle = 0x800000;  // navy
constexpr int kFrame = 3, kTitleBar = 18, kMargin = 12, kIcon = 32;
constexpr int kButtonWidth = 75, kButtonHeight = 23, kButtonGap = 6;
constexpr double kLongestLine = 420;  // the platform breaks longer texts

std::vector<std::string> Captions(const MessageBoxStyle& style) {
    std::vector<std::string> captions;
    for (BoxButton b : style.buttons) captions.push_back(CaptionOf(b));
    return captions;
}

Font Bold() {
    Font f;
    f.bold = true;
    return f;
}

}  // namespace

BoxPainter::BoxPainter(std::string text, std::string caption, uint32_t flags)
    : caption_(std::move(caption)) {
    const MessageBoxStyle style = MessageBoxStyle::Decode(flags);
    buttons_ = Captions(style);
    icon_ = style.icon;
    defaultButton_ = style.defaultButton;
    const Font font;
    lines_ = text::Wrap(text, font, kLongestLine);
    double widest = 0;
    for (const std::string& line : lines_) widest = std::max(widest, text::Width(line, font));
    textWidth_ = static_cast<int>(std::ceil(widest));
    textHeight_ = static_cast<int>(std::ceil(text::LineHeight(font) * static_cast<double>(lines_.size())));

    const int iconRoom = icon_ == BoxIcon::None ? 0 : kIcon + kMargin;
    const int buttons = static_cast<int>(buttons_.size());
    const int buttonsWidth = buttons * kButtonWidth + (buttons - 1) * kButtonGap;
    // The title bar holds the caption and the close button.
    const int captionWidth = static_cast<int>(std::ceil(text::Width(caption_, Bold()))) + 30;
    const int client = std::max({kMargin + iconRoom + textWidth_ + kMargin, buttonsWidth + 2 * kMargin, captionWidth, 120});
    width_ = client + 2 * kFrame;
    const int content = std::max(textHeight_, icon_ == BoxIcon::None ? 0 : kIcon);
    height_ = kFrame + kTitleBar + kMargin + content + kMargin + kButtonHeight + kMargin + kFrame;
}

void BoxPainter::Paint(Canvas& canvas, int x, int y) const {
    canvas.Open(x, y, width_, height_, "MessageBox");
    canvas.Rect(0, 0, width_, height_, kFace);
    canvas.Ring(0, 0, width_, height_, kLight, kBlack);
    canvas.Ring(1, 1, width_ - 2, height_ - 2, kWhite, kShadow);
    canvas.Rect(kFrame, kFrame, width_ - 2 * kFrame, kTitleBar, kTitle);
    const Font bold = Bold();
    const double titleBaseline = kFrame + (kTitleBar - text::LineHeight(bold)) / 2 + text::Ascent(bold);
    canvas.Text(kFrame + 4, titleBaseline, caption_, TextStyle{bold, kWhite});

    const int top = kFrame + kTitleBar + kMargin;
    const int content = std::max(textHeight_, icon_ == BoxIcon::None ? 0 : kIcon);
    int textLeft = kFrame + kMargin;
    if (icon_ != BoxIcon::None) {
        PaintIcon(canvas, textLeft, top);
        textLeft += kIcon + kMargin;
    }
    const Font font;
    double baseline = top + (content - textHeight_) / 2.0 + text::Ascent(font);
    for (const std::string& line : lines_) {
        canvas.Text(textLeft, baseline, line, TextStyle{font, kBlack});
        baseline += text::LineHeight(font);
    }

    const int count = static_cast<int>(buttons_.size());
    int buttonLeft = (width_ - (count * kButtonWidth + (count - 1) * kButtonGap)) / 2;
    const int buttonTop = top + content + kMargin;
    for (size_t i = 0; i < buttons_.size(); ++i, buttonLeft += kButtonWidth + kButtonGap) {
        canvas.Open(buttonLeft, buttonTop, kButtonWidth, kButtonHeight, buttons_[i]);
        const bool focused = i == defaultButton_;
        PaintPushButton(canvas, kButtonWidth, kButtonHeight, buttons_[i], -1, font, true, focused, focused);
        canvas.Close();
    }
    canvas.Close();
}

// The platform's four icons, drawn in their colours and shapes.
void BoxPainter::PaintIcon(Canvas& canvas, int x, int y) const {
    const double cx = x + kIcon / 2.0, cy = y + kIcon / 2.0;
    Font sign;
    sign.name = "Times New Roman";
    sign.size = -22;
    sign.bold = true;
    const double baseline = cy + 8;
    switch (icon_) {
        case BoxIcon::Exclamation:
            canvas.Polygon({{cx, y + 1.0}, {x + kIcon - 1.0, y + kIcon - 2.0}, {x + 1.0, y + kIcon - 2.0}}, 0x00FFFF,
                           kBlack);
            canvas.Text(cx, baseline + 1, "!", TextStyle{sign, kBlack, TextStyle::Anchor::Middle});
            break;
        case BoxIcon::Information:
            canvas.Circle(cx, cy, kIcon / 2.0 - 1, kWhite, kShadow);
            canvas.Text(cx, baseline, "i", TextStyle{sign, 0xFF0000, TextStyle::Anchor::Middle});
            break;
        case BoxIcon::Question:
            canvas.Circle(cx, cy, kIcon / 2.0 - 1, kWhite, kShadow);
            canvas.Text(cx, baseline, "?", TextStyle{sign, 0xFF0000, TextStyle::Anchor::Middle});
            break;
        case BoxIcon::Stop:
            canvas.Circle(cx, cy, kIcon / 2.0 - 1, 0x0000FF, kBlack);
            canvas.Text(cx, baseline, "X", TextStyle{sign, kWhite, TextStyle::Anchor::Middle});
            break;
        case BoxIcon::None:
            break;
    }
}

}  // namespace forms::svg
