#define NCURSES_WIDECHAR 1
#include "TerminalPainter.h"

#include <curses.h>

#include <cstdlib>
#include <string>

#include "cp1252/Cp1252.h"

namespace forms {

namespace {

constexpr short kForm = 1, kField = 2, kFocus = 3, kSelection = 4, kBox = 5, kKeys = 6;

chtype GlyphChar(Glyph g) {
    switch (g) {
        case Glyph::HLine: return ACS_HLINE;
        case Glyph::VLine: return ACS_VLINE;
        case Glyph::TopLeft: return ACS_ULCORNER;
        case Glyph::TopRight: return ACS_URCORNER;
        case Glyph::BottomLeft: return ACS_LLCORNER;
        case Glyph::BottomRight: return ACS_LRCORNER;
        case Glyph::Up: return ACS_UARROW;
        case Glyph::Down: return ACS_DARROW;
        case Glyph::Track: return ACS_CKBOARD;
        case Glyph::Thumb: return ACS_BLOCK;
        case Glyph::None: break;
    }
    return ' ';
}

bool SameLook(const Cell& a, const Cell& b) {
    return a.role == b.role && a.dim == b.dim && a.underline == b.underline;
}

}  // namespace

TerminalPainter::TerminalPainter() {
    colors_ = has_colors() && std::getenv("NO_COLOR") == nullptr;
    if (!colors_) return;
    start_color();
    init_pair(kForm, COLOR_WHITE, COLOR_BLUE);
    init_pair(kField, COLOR_BLACK, COLOR_WHITE);
    init_pair(kFocus, COLOR_BLACK, COLOR_CYAN);
    init_pair(kSelection, COLOR_WHITE, COLOR_BLACK);
    init_pair(kBox, COLOR_BLACK, COLOR_WHITE);
    init_pair(kKeys, COLOR_BLACK, COLOR_CYAN);
}

int TerminalPainter::Attributes(const Cell& cell) const {
    int a = A_NORMAL;
    if (colors_) {
        switch (cell.role) {
            case CellRole::Form: case CellRole::Button: a = COLOR_PAIR(kForm); break;
            case CellRole::Title: a = COLOR_PAIR(kForm) | A_BOLD; break;
            case CellRole::Field: a = COLOR_PAIR(kField); break;
            case CellRole::Focus: a = COLOR_PAIR(kFocus) | A_BOLD; break;
            case CellRole::Selection: a = COLOR_PAIR(kSelection) | A_BOLD; break;
            case CellRole::Box: a = COLOR_PAIR(kBox); break;
            case CellRole::BoxButton: a = COLOR_PAIR(kBox) | A_REVERSE | A_BOLD; break;
            case CellRole::KeyLine: a = COLOR_PAIR(kKeys); break;
        }
    } else {
        // Without colour: boxes underlined, the focus and the message box in
        // reverse, what stands out inside them (a selection, the chosen
        // answer) bold and not reversed.
        switch (cell.role) {
            case CellRole::Form: case CellRole::Button: break;
            case CellRole::Title: a = A_BOLD; break;
            case CellRole::Field: a = A_UNDERLINE; break;
            case CellRole::Focus: a = A_REVERSE | A_BOLD; break;
            case CellRole::Selection: a = A_UNDERLINE | A_BOLD; break;
            case CellRole::Box: a = A_REVERSE; break;
            case CellRole::BoxButton: a = A_BOLD | A_UNDERLINE; break;
            case CellRole::KeyLine: a = A_REVERSE; break;
        }
    }
    if (cell.dim) a |= A_DIM;
    if (cell.underline) a |= A_UNDERLINE;
    return a;
}

void TerminalPainter::Paint(Application& app, const BoxView* box) {
    CellCanvas canvas(COLS, LINES);
    PaintCells(app, box, canvas);
    Flush(canvas);
}

// Runs of cells that look alike go out as one string.
void TerminalPainter::Flush(const CellCanvas& canvas) {
    bkgdset(colors_ ? COLOR_PAIR(kForm) : A_NORMAL);
    erase();
    for (int y = 0; y < canvas.Rows(); ++y) {
        int x = 0;
        while (x < canvas.Cols()) {
            const Cell& first = canvas.At(y, x);
            if (first.glyph != Glyph::None) {
                // The last cell of the screen cannot be written without scrolling it.
                if (!(y == canvas.Rows() - 1 && x == canvas.Cols() - 1))
                    mvaddch(y, x, GlyphChar(first.glyph) | static_cast<chtype>(Attributes(first)));
                ++x;
                continue;
            }
            std::string run;
            int end = x;
            while (end < canvas.Cols() && canvas.At(y, end).glyph == Glyph::None && SameLook(canvas.At(y, end), first))
                run += canvas.At(y, end++).ch;
            if (y == canvas.Rows() - 1 && end == canvas.Cols()) run.pop_back();
            attrset(Attributes(first));
            mvaddstr(y, x, cp1252::Cp1252ToUtf8(run).c_str());
            x = end;
        }
    }
    attrset(A_NORMAL);
    if (canvas.CaretY() >= 0) {
        move(canvas.CaretY(), canvas.CaretX());
        curs_set(1);
    } else {
        curs_set(0);
    }
    refresh();
}

}  // namespace forms
