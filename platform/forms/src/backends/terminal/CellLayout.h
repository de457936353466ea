#pragma once
// Where a form's pixel layout lands on the terminal's character cells.
#include <algorithm>

#include "forms/Control.h"
#include "forms/Form.h"

namespace forms {

struct CellRect {
    int x = 0, y = 0, w = 1, h = 1;
};

class CellLayout {
public:
    // Forms without a size are taken at the package's screen size.
    CellLayout(const Form& f, int cols, int rows)
        : fw_(f.Width() > 0 ? f.Width() : 622), fh_(f.Height() > 0 ? f.Height() : 422),
          cols_(std::max(cols, 80)), rows_(std::max(rows, 24)) {}

    CellRect Of(const Control& c) const {
        int left = 0, top = 0;
        for (const Control* p = &c; p; p = p->Parent()) {
            left += p->Left();
            top += p->Top();
        }
        CellRect r;
        r.x = X(left);
        r.y = Y(top);
        r.w = std::max(1, X(left + c.Width()) - r.x);
        r.h = std::max(1, Y(top + c.Height()) - r.y);
        // A one-line control sits on the row of its middle, so a label and the
        // edit beside it, a few pixels apart, share a row.
        if (!c.IsContainer() && c.Height() <= kOneLine) {
            r.y = Y(top + c.Height() / 2);
            r.h = 1;
        }
        if (const Control* p = c.Parent(); p && p->IsContainer()) KeepInside(r, Of(*p));
        return r;
    }
    int Cols() const { return cols_; }
    int Rows() const { return rows_; }

private:
    static constexpr int kOneLine = 30;  // pixels

    // Inside the panel's frame, when the panel leaves room for it.
    static void KeepInside(CellRect& r, const CellRect& panel) {
        if (panel.h < 3 || panel.w < 3) return;
        r.y = std::clamp(r.y, panel.y + 1, panel.y + panel.h - 2);
        r.x = std::clamp(r.x, panel.x + 1, panel.x + panel.w - 2);
        r.w = std::min(r.w, panel.x + panel.w - 1 - r.x);
        r.h = std::min(r.h, panel.y + panel.h - 1 - r.y);
    }

    int X(int px) const { return static_cast<int>(static_cast<long>(px) * cols_ / fw_); }
    int Y(int py) const { return static_cast<int>(static_cast<long>(py) * rows_ / fh_); }
    int fw_, fh_, cols_, rows_;
};

}  // namespace forms
