#pragma once
// A screen of character cells that the terminal draws from: what each cell
// shows, in which role, and which control was drawn where. It knows no
// terminal, so a test can render a form off-screen and read it back.
#include <cstdint>
#include <string>
#include <vector>

namespace forms {

class Control;

struct CellRect {
    int x = 0, y = 0, w = 1, h = 1;
    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
    bool Overlaps(const CellRect& o) const {
        return x < o.Right() && o.x < Right() && y < o.Bottom() && o.y < Bottom();
    }
    bool Inside(int cols, int rows) const { return x >= 0 && y >= 0 && Right() <= cols && Bottom() <= rows; }
};

// What a cell is drawn as: its colour on a colour terminal, its attributes on
// a monochrome one, so focus, boxes and selections show on both.
enum class CellRole : uint8_t { Form, Title, Field, Focus, Selection, Button, Box, BoxButton, KeyLine };

// Line-drawing pieces, which the terminal has its own characters for.
enum class Glyph : uint8_t { None, HLine, VLine, TopLeft, TopRight, BottomLeft, BottomRight, Up, Down, Track, Thumb };

struct Cell {
    char ch = ' ';  // CP1252, when glyph is None
    Glyph glyph = Glyph::None;
    CellRole role = CellRole::Form;
    bool dim = false;        // disabled
    bool underline = false;  // an accelerator
};

// One control as drawn: its cells and the text it shows there.
struct Placement {
    const Control* control = nullptr;
    CellRect rect;
    std::string shown;  // CP1252
};

class CellCanvas {
public:
    CellCanvas(int cols, int rows);

    int Cols() const { return cols_; }
    int Rows() const { return rows_; }
    void Clear();

    // Writes text from (x, y), cut at `width` cells (-1: no limit) and at the screen's edge.
    void Put(int y, int x, const std::string& cp1252, CellRole role, int width = -1);
    void PutGlyph(int y, int x, Glyph g, CellRole role);
    void Frame(const CellRect& r, CellRole role);
    void Fill(const CellRect& r, CellRole role);
    // Marks cells already written as drawn for a disabled control, or as an accelerator.
    void Dim(const CellRect& r);
    void Underline(int y, int x);

    const Cell& At(int y, int x) const { return cells_[static_cast<size_t>(y * cols_ + x)]; }
    // A row as text, line pieces as '-', '|' and '+' (for tests and logs).
    std::string RowText(int y) const;

    void SetCaret(int y, int x) { caretY_ = y, caretX_ = x; }
    int CaretY() const { return caretY_; }
    int CaretX() const { return caretX_; }

    void Place(const Control& c, const CellRect& r, std::string shown) { placed_.push_back({&c, r, std::move(shown)}); }
    const std::vector<Placement>& Placements() const { return placed_; }

private:
    Cell* CellAt(int y, int x);
    int cols_, rows_;
    std::vector<Cell> cells_;
    std::vector<Placement> placed_;
    int caretY_ = -1, caretX_ = -1;
};

}  // namespace forms
