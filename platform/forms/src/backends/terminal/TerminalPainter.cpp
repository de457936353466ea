#define NCURSES_WIDECHAR 1
#include "TerminalPainter.h"

#include <curses.h>

#include <vector>

#include "CellLayout.h"
#include "forms/Application.h"
#include "forms/Cp1252.h"
#include "forms/Edit.h"
#include "forms/GlyphButton.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/Memo.h"
#include "forms/Panel.h"

namespace forms {

namespace {

constexpr short kForm = 1, kFocus = 2, kBox = 3;

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

// Breaks a caption into lines of at most `width` cells at blanks.
std::vector<std::string> Wrap(const std::string& text, int width) {
    std::vector<std::string> lines;
    for (const std::string& para : SplitLines(text)) {
        std::string line;
        size_t i = 0;
        while (i <= para.size()) {
            const size_t end = std::min(para.find(' ', i), para.size());
            const std::string word = para.substr(i, end - i);
            if (!line.empty() && static_cast<int>(line.size() + 1 + word.size()) > width) {
                lines.push_back(line);
                line.clear();
            }
            line += (line.empty() ? "" : " ") + word;
            i = end + 1;
        }
        lines.push_back(line);
    }
    return lines;
}

// Where the accelerator stands in the shown caption ("&&" shows as one "&"), -1 when none.
int AcceleratorIndex(const std::string& caption) {
    int shown = 0;
    for (size_t i = 0; i < caption.size(); ++i, ++shown) {
        if (caption[i] != '&') continue;
        if (i + 1 >= caption.size()) return -1;
        if (caption[i + 1] != '&') return shown;
        ++i;
    }
    return -1;
}

}  // namespace

TerminalPainter::TerminalPainter() {
    colors_ = has_colors();
    if (colors_) {
        start_color();
        init_pair(kForm, COLOR_WHITE, COLOR_BLUE);
        init_pair(kFocus, COLOR_BLACK, COLOR_CYAN);
        init_pair(kBox, COLOR_BLACK, COLOR_WHITE);
    }
}

void TerminalPainter::Put(int y, int x, const std::string& cp1252, int attr, int width) {
    std::string text = cp1252;
    if (width >= 0 && static_cast<int>(text.size()) > width) text.resize(static_cast<size_t>(width));
    if (x < 0 || y < 0 || y >= LINES || x >= COLS) return;
    if (static_cast<int>(text.size()) > COLS - x) text.resize(static_cast<size_t>(COLS - x));
    attrset(attr);
    mvaddstr(y, x, Cp1252ToUtf8(text).c_str());
    attrset(A_NORMAL);
}

void TerminalPainter::Paint(Application& app, const BoxView* box) {
    caretY_ = caretX_ = -1;
    bkgdset(colors_ ? COLOR_PAIR(kForm) : A_NORMAL);
    erase();
    if (Form* f = app.ActiveForm()) PaintForm(*f);
    if (box) PaintBox(*box);
    if (caretY_ >= 0 && !box) {
        move(caretY_, caretX_);
        curs_set(1);
    } else {
        curs_set(0);
    }
    refresh();
}

void TerminalPainter::PaintForm(Form& f) {
    const CellLayout layout(f, COLS, LINES);
    const int normal = colors_ ? COLOR_PAIR(kForm) : A_NORMAL;
    const int focus = colors_ ? COLOR_PAIR(kFocus) : A_REVERSE;
    if (!f.Borderless()) Put(0, std::max(0, COLS - static_cast<int>(f.Caption().size()) - 1), f.Caption(), normal | A_BOLD);
    for (const auto& owned : f.Controls()) {
        Control& c = *owned;
        if (!c.EffectivelyVisible() || dynamic_cast<Image*>(&c)) continue;
        const CellRect r = layout.Of(c);
        const bool focused = f.ActiveControl() == &c && c.CanFocus();
        const int dim = c.EffectivelyEnabled() ? 0 : A_DIM;
        if (dynamic_cast<Panel*>(&c)) {
            if (r.w < 2 || r.h < 2) continue;
            attrset(normal);
            mvhline(r.y, r.x + 1, ACS_HLINE, r.w - 2);
            mvhline(r.y + r.h - 1, r.x + 1, ACS_HLINE, r.w - 2);
            mvvline(r.y + 1, r.x, ACS_VLINE, r.h - 2);
            mvvline(r.y + 1, r.x + r.w - 1, ACS_VLINE, r.h - 2);
            mvaddch(r.y, r.x, ACS_ULCORNER);
            mvaddch(r.y, r.x + r.w - 1, ACS_URCORNER);
            mvaddch(r.y + r.h - 1, r.x, ACS_LLCORNER);
            mvaddch(r.y + r.h - 1, r.x + r.w - 1, ACS_LRCORNER);
            attrset(A_NORMAL);
        } else if (auto* label = dynamic_cast<Label*>(&c)) {
            const std::vector<std::string> lines =
                label->WordWrap() && r.h > 1 ? Wrap(c.Caption(), r.w) : SplitLines(c.Caption());
            for (int i = 0; i < static_cast<int>(lines.size()) && i < std::max(r.h, 1); ++i) {
                const std::string& line = lines[static_cast<size_t>(i)];
                int x = r.x;
                if (label->GetAlignment() == Alignment::Right) x = r.x + std::max(0, r.w - static_cast<int>(line.size()));
                if (label->GetAlignment() == Alignment::Center) x = r.x + std::max(0, (r.w - static_cast<int>(line.size())) / 2);
                Put(r.y + i, x, line, normal | A_BOLD | dim, r.w);
            }
        } else if (auto* edit = dynamic_cast<Edit*>(&c)) {
            const int width = std::max(r.w, 4);
            std::string shown = edit->DisplayText();
            shown.resize(static_cast<size_t>(std::max(width, static_cast<int>(shown.size()))), ' ');
            Put(r.y, r.x, shown, (focused ? focus : normal | A_UNDERLINE) | dim, width);
            if (focused) {
                caretY_ = r.y;
                caretX_ = r.x + std::min(edit->SelStart(), width - 1);
            }
        } else if (auto* button = dynamic_cast<GlyphButton*>(&c)) {
            const std::string text = "[ " + button->DisplayCaption() + " ]";
            const int x = r.x + std::max(0, (r.w - static_cast<int>(text.size())) / 2);
            const int attr = (focused ? focus | A_BOLD : normal) | dim;
            // A caption wider than its button keeps to the button's cells.
            Put(r.y, x, text, attr, r.w);
            const int at = AcceleratorIndex(c.Caption());
            if (at >= 0)
                Put(r.y, x + 2 + at, std::string(1, button->DisplayCaption()[static_cast<size_t>(at)]),
                    attr | A_UNDERLINE);
        } else if (auto* memo = dynamic_cast<Memo*>(&c)) {
            PaintMemo(*memo, r, (focused ? focus : normal) | dim);
        }
    }
}

// The memo's lines from its top line; a text longer than the box gets a
// scroll bar in the box's last column, its thumb where the top line stands.
void TerminalPainter::PaintMemo(Memo& memo, const CellRect& r, int attr) {
    memo.SetPageLines(r.h);
    const bool bar = memo.Scrolls() && r.w > 2;
    const int width = bar ? r.w - 1 : r.w;
    const int top = memo.TopLine();
    for (int i = 0; i < r.h; ++i) {
        const size_t line = static_cast<size_t>(top + i);
        std::string text = line < memo.Lines().size() ? memo.Lines()[line] : "";
        text.resize(static_cast<size_t>(width), ' ');
        Put(r.y + i, r.x, text, attr, width);
    }
    if (!bar) return;
    const int lines = static_cast<int>(memo.Lines().size());
    const int track = std::max(1, r.h - 2);
    const int last = std::max(1, lines - r.h);
    const int thumb = r.h <= 2 ? 0 : 1 + top * (track - 1) / last;
    attrset(attr);
    for (int i = 0; i < r.h; ++i) {
        chtype cell = ACS_CKBOARD;
        if (r.h > 2 && i == 0) cell = ACS_UARROW;
        if (r.h > 2 && i == r.h - 1) cell = ACS_DARROW;
        if (i == thumb) cell = ACS_BLOCK;
        mvaddch(r.y + i, r.x + r.w - 1, cell);
    }
    attrset(A_NORMAL);
}

void TerminalPainter::PaintBox(const BoxView& box) {
    const std::vector<std::string> lines = SplitLines(box.text);
    int width = static_cast<int>(box.caption.size()) + 4;
    for (const std::string& l : lines) width = std::max(width, static_cast<int>(l.size()) + 4);
    width = std::min(std::max(width, 24), COLS);
    const int height = static_cast<int>(lines.size()) + 5;
    const int x = std::max(0, (COLS - width) / 2), y = std::max(0, (LINES - height) / 2);
    const int attr = colors_ ? COLOR_PAIR(kBox) : A_REVERSE;
    for (int i = 0; i < height; ++i) Put(y + i, x, std::string(static_cast<size_t>(width), ' '), attr);
    attrset(attr);
    mvhline(y, x + 1, ACS_HLINE, width - 2);
    mvhline(y + height - 1, x + 1, ACS_HLINE, width - 2);
    mvvline(y + 1, x, ACS_VLINE, height - 2);
    mvvline(y + 1, x + width - 1, ACS_VLINE, height - 2);
    mvaddch(y, x, ACS_ULCORNER);
    mvaddch(y, x + width - 1, ACS_URCORNER);
    mvaddch(y + height - 1, x, ACS_LLCORNER);
    mvaddch(y + height - 1, x + width - 1, ACS_LRCORNER);
    attrset(A_NORMAL);
    Put(y, x + 2, " " + box.caption + " ", attr | A_BOLD, width - 4);
    for (size_t i = 0; i < lines.size(); ++i) Put(y + 1 + static_cast<int>(i), x + 2, lines[i], attr, width - 4);
    const int row = y + height - 2;
    const int selected = A_REVERSE | A_BOLD;
    if (!box.yesNo) {
        Put(row, x + (width - 6) / 2, "[ OK ]", selected);
        return;
    }
    const std::string no = "[ N\xE3o ]";
    Put(row, x + width / 2 - 9, "[ Sim ]", box.selected == 0 ? selected : attr);
    Put(row, x + width / 2 + 1, no, box.selected == 1 ? selected : attr);
}

}  // namespace forms
