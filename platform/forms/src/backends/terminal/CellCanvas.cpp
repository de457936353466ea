#include "forms/backends/CellCanvas.h"

#include <algorithm>

namespace forms {

CellCanvas::CellCanvas(int cols, int rows)
    : cols_(std::max(cols, 1)), rows_(std::max(rows, 1)), cells_(static_cast<size_t>(cols_ * rows_)) {}

void CellCanvas::Clear() {
    std::fill(cells_.begin(), cells_.end(), Cell{});
    placed_.clear();
    caretY_ = caretX_ = -1;
}

Cell* CellCanvas::CellAt(int y, int x) {
    if (x < 0 || y < 0 || x >= cols_ || y >= rows_) return nullptr;
    return &cells_[static_cast<size_t>(y * cols_ + x)];
}

void CellCanvas::Put(int y, int x, const std::string& cp1252, CellRole role, int width) {
    const int n = width < 0 ? static_cast<int>(cp1252.size()) : std::min(width, static_cast<int>(cp1252.size()));
    for (int i = 0; i < n; ++i)
        if (Cell* c = CellAt(y, x + i)) *c = Cell{cp1252[static_cast<size_t>(i)], Glyph::None, role};
}

void CellCanvas::PutGlyph(int y, int x, Glyph g, CellRole role) {
    if (Cell* c = CellAt(y, x)) *c = Cell{' ', g, role};
}

void CellCanvas::Frame(const CellRect& r, CellRole role) {
    if (r.w < 2 || r.h < 2) return;
    for (int x = r.x + 1; x < r.Right() - 1; ++x) {
        PutGlyph(r.y, x, Glyph::HLine, role);
        PutGlyph(r.Bottom() - 1, x, Glyph::HLine, role);
    }
    for (int y = r.y + 1; y < r.Bottom() - 1; ++y) {
        PutGlyph(y, r.x, Glyph::VLine, role);
        PutGlyph(y, r.Right() - 1, Glyph::VLine, role);
    }
    PutGlyph(r.y, r.x, Glyph::TopLeft, role);
    PutGlyph(r.y, r.Right() - 1, Glyph::TopRight, role);
    PutGlyph(r.Bottom() - 1, r.x, Glyph::BottomLeft, role);
    PutGlyph(r.Bottom() - 1, r.Right() - 1, Glyph::BottomRight, role);
}

void CellCanvas::Fill(const CellRect& r, CellRole role) {
    for (int y = r.y; y < r.Bottom(); ++y) Put(y, r.x, std::string(static_cast<size_t>(std::max(r.w, 0)), ' '), role);
}

void CellCanvas::Dim(const CellRect& r) {
    for (int y = r.y; y < r.Bottom(); ++y)
        for (int x = r.x; x < r.Right(); ++x)
            if (Cell* c = CellAt(y, x)) c->dim = true;
}

void CellCanvas::Underline(int y, int x) {
    if (Cell* c = CellAt(y, x)) c->underline = true;
}

std::string CellCanvas::RowText(int y) const {
    std::string row;
    for (int x = 0; x < cols_; ++x) {
        const Cell& c = At(y, x);
        switch (c.glyph) {
            case Glyph::None: row += c.ch; break;
            case Glyph::HLine: row += '-'; break;
            case Glyph::VLine: case Glyph::Track: case Glyph::Thumb: row += '|'; break;
            case Glyph::Up: row += '^'; break;
            case Glyph::Down: row += 'v'; break;
            default: row += '+'; break;
        }
    }
    return row;
}

}  // namespace forms
