#pragma once
// The SVG text of one picture: rectangles, lines and texts in pixels, in
// viewports nested as the controls are, so a child's coordinates are its
// parent's and whatever it draws beyond its bounds is cut as on the screen.
#include <initializer_list>
#include <sstream>
#include <string>

#include "forms/Types.h"

namespace forms::svg {

struct TextStyle {
    Font font;
    Color color = 0;
    enum class Anchor { Start, Middle, End } anchor = Anchor::Start;
    // A run of the text drawn apart: underlined (an accelerator) or in its
    // own colour (selected text).
    int spanStart = -1;
    int spanLength = 0;
    bool spanUnderline = false;
    bool spanRecoloured = false;
    Color spanColor = 0;
};

class Canvas {
public:
    Canvas(int width, int height);

    // A viewport at (x, y) of the current one; what it draws is cut at its
    // bounds unless `cut` is false.
    void Open(int x, int y, int width, int height, const std::string& name, bool cut = true);
    // A nameless viewport that cuts what is drawn in it: a box's text where
    // the platform cuts it, inside its edges. Closed by Close.
    void Clip(double x, double y, double width, double height);
    void Close();

    void Rect(double x, double y, double width, double height, Color fill);
    void Frame(double x, double y, double width, double height, Color stroke, bool dotted = false);
    void Line(double x1, double y1, double x2, double y2, Color stroke);
    // A one-pixel ring just inside the rectangle, one colour on its top and
    // left, another on its bottom and right: the platform's 3-D edges.
    void Ring(int x, int y, int width, int height, Color topLeft, Color bottomRight);
    // A CP1252 text whose baseline is at y.
    void Text(double x, double y, const std::string& cp1252, const TextStyle& style);
    struct Point {
        double x, y;
    };
    void Polygon(std::initializer_list<Point> points, Color fill, Color stroke);
    void Circle(double cx, double cy, double r, Color fill, Color stroke);

    // The whole document; the canvas is finished.
    std::string Finish();

private:
    std::ostringstream out_;
    int open_ = 0;
};

// "#rrggbb" of a 0x00BBGGRR colour.
std::string Hex(Color c);
// A CP1252 text as UTF-8 with XML's special characters escaped.
std::string Escape(const std::string& cp1252);

}  // namespace forms::svg
