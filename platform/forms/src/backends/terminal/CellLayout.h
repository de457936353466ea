#pragma once
// Where a form's pixel layout lands on the terminal's character cells.
//
// Scaling pixels to cells alone puts controls a few pixels apart on one row
// and cuts captions that are wider in cells than in pixels. So the rows are
// given to lines of controls (a label and the box beside it make one line),
// each line its own row, kept in order and pushed apart or pulled up to fit;
// then each control widens to what it shows, into free cells beside it.
#include <map>
#include <vector>

#include "forms/backends/CellCanvas.h"

namespace forms {

class Control;
class Form;

class CellLayout {
public:
    // The smallest terminal every screen of the package fits on.
    static constexpr int kMinCols = 80;
    static constexpr int kMinRows = 24;

    // Lays the visible controls of `f` out on rows [firstRow, lastRow) of `cols` columns.
    CellLayout(const Form& f, int cols, int firstRow, int lastRow);

    // The cells of a control the terminal draws; nullptr for one it does not
    // (hidden ones, pictures, panels without a frame).
    const CellRect* Of(const Control& c) const;
    // Panels drawn with a frame; their children sit inside it.
    static bool Framed(const Control& c);
    // The cells a control wants to show everything it holds.
    static int WidthNeeded(const Control& c);

private:
    struct Item {
        enum class Kind { Leaf, TopEdge, BottomEdge };
        const Control* control = nullptr;
        Kind kind = Kind::Leaf;
        int top = 0, bottom = 0;  // pixels on the form
        int rows = 1;
        double Mid() const {
            if (kind == Kind::TopEdge) return top;
            if (kind == Kind::BottomEdge) return bottom - 0.5;
            return (top + bottom) / 2.0;
        }
    };

    // Controls of one line: drawn on the same row(s).
    struct Band {
        std::vector<size_t> items;
        double mid = 0;
        int top = 0;
        int rows = 1;
        int row = 0;
    };
    void Collect(const Form& f);
    std::vector<Band> Bands() const;
    bool PlaceRows(std::vector<Band>& bands, int firstRow, int lastRow) const;
    bool Captions(const Band& above, const Band& below) const;
    void PlaceColumns();
    void Widen(const Control& c, CellRect& r);
    int ShoveLeft(const Control& c, const CellRect& r, int by);
    void AlignColumns();
    CellRect InnerOfParent(const Control& c) const;

    int fw_, fh_, cols_;
    bool fits_ = true;  // every line of controls got its own row
    std::vector<Item> items_;
    std::map<const Control*, CellRect> rects_;
    std::vector<const Control*> order_;  // placed controls, in creation order
};

}  // namespace forms
