#include "CellLayout.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "../../TextMetrics.h"
#include "forms/ControlVisitor.h"
#include "forms/Edit.h"
#include "forms/Form.h"
#include "forms/GlyphButton.h"
#include "forms/Label.h"
#include "forms/Memo.h"
#include "forms/Panel.h"

namespace forms {

namespace {

constexpr int kOneLine = 30;  // pixels: taller controls may take several rows

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The control's pixels on the form, cut to its parent's (a control outside
// its panel is not seen there).
PixelRect Absolute(const Control& c) {
    PixelRect r{c.Left(), c.Top(), c.Left() + c.Width(), c.Top() + c.Height()};
    if (const Control* p = c.Parent()) {
        const PixelRect pr = Absolute(*p);
        r = {pr.left + r.left, pr.top + r.top, pr.left + r.right, pr.top + r.bottom};
        r.left = std::clamp(r.left, pr.left, pr.right);
        r.right = std::clamp(r.right, pr.left, pr.right);
        r.top = std::clamp(r.top, pr.top, pr.bottom);
        r.bottom = std::clamp(r.bottom, pr.top, pr.bottom);
    }
    return r;
}

bool IsAncestor(const Control* maybe, const Control& c) {
    for (const Control* p = c.Parent(); p; p = p->Parent())
        if (p == maybe) return true;
    return false;
}

bool RowsOverlap(const CellRect& a, const CellRect& b) { return a.y < b.Bottom() && b.y < a.Bottom(); }

enum class Grow { Left, Right, Both };

Grow Direction(const Control& c) {
    struct Directions final : ControlVisitor {
        Grow grow = Grow::Right;
        void Visit(const Label& label) override {
            if (label.GetAlignment() == Alignment::Right) grow = Grow::Left;
            if (label.GetAlignment() == Alignment::Center) grow = Grow::Both;
        }
        void Visit(const GlyphButton&) override { grow = Grow::Both; }
        void Visit(const Memo&) override { grow = Grow::Both; }
    } directions;
    c.Accept(directions);
    return directions.grow;
}

// The cells a control needs to show all it holds, framed panels aside.
struct CellsNeeded final : ControlVisitor {
    int cells = 1;
    void Visit(const GlyphButton& button) override {
        cells = static_cast<int>(button.DisplayCaption().size()) + 4;  // "[ caption ]"
    }
    void Visit(const Edit& edit) override {
        // As much as the operator may type, and the caret after it.
        const int longest = std::max(static_cast<int>(edit.DisplayText().size()), edit.MaxLength());
        cells = std::max(2, longest + 1);
    }
    void Visit(const Memo& memo) override {
        int longest = 0;
        for (const std::string& line : memo.Lines()) longest = std::max(longest, static_cast<int>(line.size()));
        cells = longest + 1;  // and its scroll bar
    }
    void Visit(const Label& label) override {
        int longest = 0;
        for (const std::string& line : text::Lines(label.Caption())) longest = std::max(longest, static_cast<int>(line.size()));
        cells = longest;
    }
};

}  // namespace

bool CellLayout::Framed(const Control& c) {
    struct Frames final : ControlVisitor {
        bool framed = false;
        void Visit(const Panel& panel) override { framed = panel.BevelInner() != Bevel::None; }
    } frames;
    c.Accept(frames);
    return frames.framed;
}

int CellLayout::WidthNeeded(const Control& c) {
    if (Framed(c)) {
        int widest = 0;
        for (const Control* child : c.Children())
            if (child->Visible()) widest = std::max(widest, WidthNeeded(*child));
        return widest + 2;  // inside its frame
    }
    CellsNeeded needed;
    c.Accept(needed);
    return needed.cells;
}

CellLayout::CellLayout(const Form& f, int cols, int firstRow, int lastRow)
    : fw_(f.ShownWidth()), fh_(f.ShownHeight()), cols_(std::max(cols, 1)) {
    Collect(f);
    const int available = std::max(1, lastRow - firstRow);
    // Text boxes and labels of several lines keep their share of the rows.
    for (Item& it : items_) {
        const bool memo = KindOf(*it.control) == ControlKind::Memo;
        if (it.kind != Item::Kind::Leaf || it.bottom - it.top <= kOneLine) continue;
        if (!memo && KindOf(*it.control) != ControlKind::Label) continue;
        const int share = static_cast<int>(std::lround((it.bottom - it.top) * 1.0 * available / fh_));
        it.rows = std::max(memo ? 3 : 1, share);
    }
    std::vector<Band> bands = Bands();
    fits_ = PlaceRows(bands, firstRow, lastRow);
    // A tall box gives up rows before the lines around it lose theirs.
    while (!fits_) {
        auto tallest = std::max_element(items_.begin(), items_.end(), [](const Item& a, const Item& b) { return a.rows < b.rows; });
        if (tallest == items_.end() || tallest->rows <= 1) break;
        --tallest->rows;
        bands = Bands();
        fits_ = PlaceRows(bands, firstRow, lastRow);
    }
    for (const Band& b : bands) {
        for (size_t i : b.items) {
            const Item& it = items_[i];
            CellRect& r = rects_[it.control];
            if (it.kind == Item::Kind::BottomEdge) {
                r.h = b.row - r.y + 1;
            } else {
                r.y = b.row;
                r.h = it.rows;
            }
        }
    }
    PlaceColumns();
}

void CellLayout::Collect(const Form& f) {
    for (const auto& owned : f.Controls()) {
        const Control& c = *owned;
        if (!c.EffectivelyVisible() || KindOf(c) == ControlKind::Image) continue;
        if (c.IsContainer() && !Framed(c)) continue;
        const PixelRect p = Absolute(c);
        if (p.right <= p.left || p.bottom <= p.top) continue;
        if (c.IsContainer()) {
            items_.push_back({&c, Item::Kind::TopEdge, p.top, p.bottom, 1});
            items_.push_back({&c, Item::Kind::BottomEdge, p.top, p.bottom, 1});
        } else {
            items_.push_back({&c, Item::Kind::Leaf, p.top, p.bottom, 1});
        }
        rects_[&c] = CellRect{};
        order_.push_back(&c);
    }
}

// Controls whose middles fall within each other's height are one line; a
// panel's edges are lines of their own (shared only with another panel's edge).
std::vector<CellLayout::Band> CellLayout::Bands() const {
    std::vector<size_t> order(items_.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return items_[a].Mid() < items_[b].Mid(); });
    std::vector<Band> bands;
    for (size_t i : order) {
        const Item& it = items_[i];
        const bool edge = it.kind != Item::Kind::Leaf;
        if (!bands.empty()) {
            Band& b = bands.back();
            const Item& anchor = items_[b.items.front()];
            const bool anchorEdge = anchor.kind != Item::Kind::Leaf;
            const bool same =
                edge || anchorEdge
                    ? edge && anchorEdge && std::abs(it.Mid() - anchor.Mid()) <= 3
                    : (it.Mid() >= anchor.top && it.Mid() < anchor.bottom) ||
                          (anchor.Mid() >= it.top && anchor.Mid() < it.bottom);
            if (same) {
                b.items.push_back(i);
                b.rows = std::max(b.rows, it.rows);
                b.top = std::min(b.top, it.top);
                continue;
            }
        }
        Band b;
        b.items.push_back(i);
        b.mid = it.Mid();
        b.top = edge ? static_cast<int>(it.Mid()) : it.top;
        b.rows = it.rows;
        bands.push_back(b);
    }
    return bands;
}

// Each line near its scaled place, below the line before it; lines as far
// apart as the two before them keep the same number of rows between them, so
// a column of evenly spaced options stays even. Then, from the bottom, each
// line above the line after it. Fits when the first line still has a row.
bool CellLayout::PlaceRows(std::vector<Band>& bands, int firstRow, int lastRow) const {
    const double scale = static_cast<double>(lastRow - firstRow) / fh_;
    int next = firstRow;
    for (size_t i = 0; i < bands.size(); ++i) {
        Band& b = bands[i];
        const double at = b.rows > 1 ? b.top : b.mid;
        int row = firstRow + static_cast<int>(std::floor(at * scale));
        if (i >= 2 && std::abs((b.mid - bands[i - 1].mid) - (bands[i - 1].mid - bands[i - 2].mid)) <= 1)
            row = bands[i - 1].row + (bands[i - 1].row - bands[i - 2].row);
        if (i >= 1 && Captions(bands[i - 1], b)) row = next;  // a box right under its label
        b.row = std::max(next, row);
        next = b.row + b.rows;
    }
    int limit = lastRow;
    for (auto it = bands.rbegin(); it != bands.rend(); ++it) {
        it->row = std::min(it->row, limit - it->rows);
        limit = it->row;
    }
    return bands.empty() || bands.front().row >= firstRow;
}

// A label just above a box, over the same columns, is the box's caption.
bool CellLayout::Captions(const Band& above, const Band& below) const {
    constexpr int kNear = 8;  // pixels between a caption and its box
    for (size_t a : above.items) {
        const Item& label = items_[a];
        if (label.kind != Item::Kind::Leaf || KindOf(*label.control) != ControlKind::Label) continue;
        const PixelRect lp = Absolute(*label.control);
        for (size_t b : below.items) {
            const Item& box = items_[b];
            if (box.kind != Item::Kind::Leaf || KindOf(*box.control) != ControlKind::Edit) continue;
            const PixelRect bp = Absolute(*box.control);
            const int gap = bp.top - lp.bottom;
            if (gap >= -2 && gap <= kNear && lp.left < bp.right && bp.left < lp.right) return true;
        }
    }
    return false;
}

CellRect CellLayout::InnerOfParent(const Control& c) const {
    for (const Control* p = c.Parent(); p; p = p->Parent()) {
        auto found = rects_.find(p);
        if (found == rects_.end()) continue;
        const CellRect& r = found->second;
        return CellRect{r.x + 1, r.y + 1, std::max(0, r.w - 2), std::max(0, r.h - 2)};
    }
    return CellRect{0, 0, cols_, 1 << 20};
}

void CellLayout::PlaceColumns() {
    const auto x = [&](int px) { return static_cast<int>(static_cast<long>(px) * cols_ / fw_); };
    for (const Control* c : order_) {
        const PixelRect p = Absolute(*c);
        CellRect& r = rects_[c];
        r.x = x(p.left);
        r.w = std::max(1, x(p.right) - r.x);
        const CellRect inner = InnerOfParent(*c);
        r.x = std::clamp(r.x, inner.x, std::max(inner.x, inner.Right() - 1));
        r.w = std::max(1, std::min(r.w, inner.Right() - r.x));
    }
    // A panel is created before what it holds, so it has widened for its
    // controls by the time they widen inside it.
    for (const Control* c : order_) Widen(*c, rects_[c]);
    AlignColumns();
}

// Buttons of one column (a menu's options) keep one width, as they have in pixels.
void CellLayout::AlignColumns() {
    std::map<std::tuple<const Control*, int, int>, std::vector<const Control*>> columns;
    for (const Control* c : order_)
        if (KindOf(*c) == ControlKind::Button) columns[{c->Parent(), c->Left(), c->Width()}].push_back(c);
    for (const auto& [key, members] : columns) {
        if (members.size() < 2) continue;
        int left = cols_, right = 0;
        for (const Control* m : members) left = std::min(left, rects_[m].x), right = std::max(right, rects_[m].Right());
        bool free = true;
        for (const Control* m : members) {
            const CellRect wide{left, rects_[m].y, right - left, rects_[m].h};
            for (const Control* o : order_)
                if (o != m && !IsAncestor(o, *m) && rects_[o].Overlaps(wide)) free = false;
        }
        if (!free) continue;
        for (const Control* m : members) rects_[m].x = left, rects_[m].w = right - left;
    }
}

// Into the free cells beside it on its rows, inside its panel; a blank is
// kept between it and its neighbours.
void CellLayout::Widen(const Control& c, CellRect& r) {
    const int needed = WidthNeeded(c);
    const CellRect inner = InnerOfParent(c);
    int leftLimit = inner.x, rightLimit = inner.Right();
    bool touching = false;
    for (const Control* o : order_) {
        if (o == &c || IsAncestor(o, c)) continue;
        const CellRect& other = rects_[o];
        if (!RowsOverlap(r, other)) continue;
        if (other.Right() <= r.x) leftLimit = std::max(leftLimit, other.Right() + 1);
        if (other.x >= r.Right()) rightLimit = std::min(rightLimit, other.x - 1);
        touching = touching || other.x == r.Right();
    }
    leftLimit = std::min(leftLimit, r.x);
    rightLimit = std::max(rightLimit, r.Right());
    int deficit = needed - r.w;
    if (deficit <= 0) {
        // A label that ends where the next control starts gives up its last
        // cell, so its text does not run into the box.
        if (touching && KindOf(c) == ControlKind::Label && r.w > needed) r.w -= 1;
        return;
    }
    const auto growLeft = [&](int n) {
        const int by = std::min(n, r.x - leftLimit);
        r.x -= by, r.w += by, deficit -= by;
    };
    const auto growRight = [&](int n) {
        const int by = std::min(n, rightLimit - r.Right());
        r.w += by, deficit -= by;
    };
    switch (Direction(c)) {
        case Grow::Left: growLeft(deficit), growRight(deficit); break;
        case Grow::Right: growRight(deficit), growLeft(deficit); break;
        case Grow::Both: growLeft(deficit / 2), growRight(deficit), growLeft(deficit); break;
    }
    // A box still short of what may be typed in it moves its neighbours on
    // the left over into the blanks beyond them.
    if (deficit > 0 && KindOf(c) == ControlKind::Edit) {
        const int by = ShoveLeft(c, r, deficit);
        r.x -= by, r.w += by;
    }
}

// Makes room left of `r` for up to `by` more cells: the blanks beyond the
// one kept before it, then its neighbour on the left gives up the cells it
// does not need and moves over, making room the same way in its turn. Each
// control stays in its panel. Answers how many cells `r` may take.
int CellLayout::ShoveLeft(const Control& c, const CellRect& r, int by) {
    int left = InnerOfParent(c).x;
    const Control* nearest = nullptr;
    for (const Control* o : order_) {
        if (o == &c || IsAncestor(o, c) || IsAncestor(&c, *o)) continue;
        const CellRect& other = rects_[o];
        if (!RowsOverlap(r, other) || other.Right() > r.x) continue;
        if (other.Right() + 1 > left) left = other.Right() + 1, nearest = o;
    }
    const int free = r.x - left;
    if (free >= by || !nearest) return std::clamp(free, 0, by);
    CellRect& n = rects_[nearest];
    int need = by - free;
    const bool gives = KindOf(*nearest) == ControlKind::Edit || KindOf(*nearest) == ControlKind::Label;
    const int give = gives ? std::clamp(n.w - WidthNeeded(*nearest), 0, need) : 0;
    n.w -= give;
    need -= give;
    const int shift = need > 0 ? ShoveLeft(*nearest, n, need) : 0;
    n.x -= shift;
    return std::max(0, free + give + shift);
}

const CellRect* CellLayout::Of(const Control& c) const {
    auto found = rects_.find(&c);
    return found == rects_.end() ? nullptr : &found->second;
}

}  // namespace forms
